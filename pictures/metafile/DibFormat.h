#pragma once

#include <cstdint>

// The parts of the device-independent bitmap format that the bitmap reader and the metafile's
// bitmap records both name.

// Compression codes.
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;

// Info header sizes: the small (core) header, the full one, and its later versions.
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t V2HeaderSize = 52; // adds the red, green and blue masks
constexpr std::uint32_t V3HeaderSize = 56; // adds the alpha mask
constexpr std::uint32_t V4HeaderSize = 108;
constexpr std::uint32_t V5HeaderSize = 124;
