#pragma once

#include <cstdint>

// The runtime's one random generator: state = state * 0x08088405 + 1 (mod 2^32); a number
// below n is the upper 32 bits of the 64-bit product state * n.
extern std::uint32_t RandSeed;

// A number from 0 to n - 1 (0 when n <= 0, after advancing the state all the same).
int Random(int n);

// Seeds the generator from the clock.
void Randomize();

// Rounds to the nearest integer, exact halves to the even neighbour.
int Round(double value);
