#include "base/Random.h"

#include <chrono>
#include <cmath>

std::uint32_t RandSeed = 0;

int Random(int n)
{
    RandSeed = RandSeed * 0x08088405u + 1u;
    if (n <= 0)
        return 0;
    return int((std::uint64_t(RandSeed) * std::uint64_t(std::uint32_t(n))) >> 32);
}

void Randomize()
{
    using namespace std::chrono;
    RandSeed = std::uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count()
                             ^ duration_cast<microseconds>(system_clock::now().time_since_epoch()).count());
}

int Round(double value)
{
    // nearbyint honours the default rounding mode: to nearest, ties to even.
    return int(std::nearbyint(value));
}
