#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// GIF's variable-length LZW decoder. The table is two fixed arrays of 4096 entries (prefix code
// and pixel value), with a stack for unrolling a string through the prefix links; nothing is
// allocated per code. Every entry's string is the previous code's output plus one pixel, so it
// already stands in the output: beside each entry the decoder keeps where (and how long), and
// copies a string from there in one go instead of unrolling it pixel by pixel. Unrolling is
// left for the last string of a frame, which may not fit.
class TGIFLzwDecoder {
public:
    static constexpr int MaxCodeBits = 12;
    static constexpr unsigned TableSize = 1u << MaxCodeBits;
    // The largest minimum code size whose clear and end codes still leave room in the table.
    static constexpr int MaxMinCodeSize = MaxCodeBits - 1;
    // How many readable bytes must follow the compressed data: codes are fetched eight bytes
    // at a time.
    static constexpr std::size_t InputPadding = 8;

    enum class TStop {
        Filled,   // every output pixel was written
        EndCode,  // the end code came first
        UnderRun, // a code needed bits after the end of the data
    };
    struct TResult {
        TStop Stop;
        std::size_t Count; // output pixels written, from the start
    };

    // Decodes the bit string `input` (codes least significant bit first, the data sub-blocks
    // already joined) with minimum code size `minCodeSize` (0 to MaxMinCodeSize) into `output`
    // (less than 4 GiB) in order. `input` must be followed by InputPadding readable bytes.
    // Pixels from Count on may have been written over (strings are copied in blocks of 16):
    // the caller fills them as it needs. Raises EGIFException "Circular decoder table
    // entry" when a code's string would run through an entry that links to itself or to a
    // dropped entry.
    TResult Decode(std::span<const std::uint8_t> input, int minCodeSize, std::span<std::uint8_t> output);

private:
    void UnrollPart(unsigned code, unsigned length, std::uint8_t* dest, std::size_t room);

    std::array<std::uint16_t, TableSize> m_prefix {};
    std::array<std::uint8_t, TableSize> m_suffix {};
    // Length of each entry's string; 0 marks an entry that cannot be unrolled.
    std::array<std::uint16_t, TableSize> m_length {};
    // Where in the output each entry's string was first written.
    std::array<std::uint32_t, TableSize> m_offset {};
    std::array<std::uint8_t, TableSize> m_stack {};
};
