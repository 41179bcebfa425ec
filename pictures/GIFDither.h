#pragma once

#include <QImage>

#include <array>
#include <cstdint>

// Floyd-Steinberg error diffusion of an indexed picture onto the 6 x 6 x 6 colour cube of the
// display palette (levels 0x00, 0x33, ... 0xFF), for screens of 256 colours: a component plus
// its diffused error (in sixteenths, rounded), clamped to 0..255, goes to level (v + 3) div 51;
// the remainder spreads 7/16 ahead, 3/16 behind below, 5/16 below and 1/16 ahead below. Lines
// run left to right and right to left in turn.
//
// `pixels` holds image.width() x image.height() colour indexes, row after row; `lookup` gives
// each index's colour; `image` (32 bits per pixel) receives the cube colours.
void DitherToColorCube(const std::uint8_t* pixels, const std::array<QRgb, 256>& lookup, QImage& image);
