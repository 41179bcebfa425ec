#pragma once

// GIF data made by code for the GIF tests: a byte builder, an LZW encoder that keeps the
// decoder's code-width timing (and can keep going with a full table), and GIFs written by
// giflib's encoder to decode against.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace giftest {

using TBytes = std::vector<std::uint8_t>;

// Appends bytes and little-endian words.
struct TBuilder {
    TBytes Data;
    TBuilder& Add(std::initializer_list<int> bytes);
    TBuilder& Add(const TBytes& bytes);
    TBuilder& Word(int value);
    TBuilder& Text(const std::string& text);
};

// Codes of the given widths packed least significant bit first.
TBytes PackCodes(std::initializer_list<std::pair<unsigned, unsigned>> codeAndWidth);

// LZW for GIF: a clear code first, the end code last. With `clearWhenFull` false the table
// stays full after 4095 entries and 12-bit codes go on.
TBytes LzwEncode(std::span<const std::uint8_t> pixels, int minCodeSize, bool clearWhenFull = true);

// `data` cut into sub-blocks of at most `blockSize` bytes, ended by a 0 length byte.
TBytes SubBlocks(const TBytes& data, int blockSize = 255);

struct TGiflibFrame {
    int Left { 0 };
    int Top { 0 };
    int Width { 0 };
    int Height { 0 };
    bool Interlaced { false };
    int LocalColors { 0 };       // 0: no local table
    int TransparentIndex { -1 }; // -1: no graphic control extension
    std::vector<std::uint8_t> Pixels; // row after row, top first
};

// A GIF written by giflib's encoder; `globalColors` a power of two (0: no global table).
TBytes GiflibEncode(int screenWidth, int screenHeight, int globalColors, const std::vector<TGiflibFrame>& frames);

// The frames' pixels as giflib's DGifSlurp decodes them (de-interlaced).
std::vector<TBytes> GiflibDecode(const TBytes& gif);

// Pixels in 0..colors-1: runs of random length and noise, so both short and long strings occur.
TBytes PatternPixels(int width, int height, int colors, unsigned seed);

std::span<const std::byte> AsBytes(const TBytes& data);

} // namespace giftest
