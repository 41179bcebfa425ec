#include "pictures/GIFLzw.h"

#include "base/Exceptions.h"

#include <bit>
#include <cstring>

namespace {

// Eight bytes from `p` as a little-endian number.
inline std::uint64_t Load64(const std::uint8_t* p)
{
    std::uint64_t value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::big)
        value = __builtin_bswap64(value);
    return value;
}

[[noreturn]] void RaiseCircular() { RaiseRes<EGIFException>(Str::GIFCircularTable); }

// Copies a string of `length` pixels that already stands earlier in the output (`source`
// ends before `dest`) to `dest`, with `room` pixels left there.
inline void CopyString(std::uint8_t* dest, const std::uint8_t* source, unsigned length, std::size_t room)
{
    if (length <= 16 && room >= 16) {
        // Most strings are short: one fixed 16-byte copy, both halves loaded before either is
        // stored (what lies beyond the string is overwritten by the codes that follow).
        std::uint64_t a, b;
        std::memcpy(&a, source, 8);
        std::memcpy(&b, source + 8, 8);
        std::memcpy(dest, &a, 8);
        std::memcpy(dest + 8, &b, 8);
        return;
    }
    std::memcpy(dest, source, length);
}

} // namespace

// The last string of the frame: unrolled on the stack through the prefix links, and what fits
// is kept.
void TGIFLzwDecoder::UnrollPart(unsigned code, unsigned length, std::uint8_t* dest, std::size_t room)
{
    unsigned c = code;
    for (unsigned i = length - 1; i > 0; --i) {
        m_stack[i] = m_suffix[c];
        c = m_prefix[c];
    }
    m_stack[0] = std::uint8_t(c);
    std::memcpy(dest, m_stack.data(), room);
}

TGIFLzwDecoder::TResult TGIFLzwDecoder::Decode(std::span<const std::uint8_t> input, int minCodeSize,
                                               std::span<std::uint8_t> output)
{
    const unsigned clear = 1u << minCodeSize;
    const unsigned end = clear + 1;
    const std::uint8_t* const in = input.data();
    const std::uint64_t totalBits = std::uint64_t(input.size()) * 8;
    std::uint8_t* const out = output.data();
    const std::size_t total = output.size();

    // Codes below the clear code stand for themselves. Entries above are only ever consulted
    // below the next free code, so what a clear code drops needs no wiping.
    for (unsigned i = 0; i < clear; ++i) {
        m_prefix[i] = std::uint16_t(i);
        m_suffix[i] = std::uint8_t(i);
        m_length[i] = 1;
    }

    unsigned codeSize = minCodeSize + 1;
    unsigned limit = clear << 1;
    unsigned mask = limit - 1;
    unsigned nextFree = clear + 2;
    // The data may start without a clear code; it then reads as if one came first.
    bool afterClear = true;
    unsigned prev = 0;
    std::size_t prevPos = 0;
    std::size_t pos = 0;
    std::uint64_t bitPos = 0;

    while (pos < total) {
        if (bitPos + codeSize > totalBits)
            return { TStop::UnderRun, pos };
        const unsigned code = unsigned(Load64(in + (bitPos >> 3)) >> (bitPos & 7)) & mask;
        bitPos += codeSize;

        if (code == clear) {
            codeSize = minCodeSize + 1;
            limit = clear << 1;
            mask = limit - 1;
            nextFree = clear + 2;
            afterClear = true;
            continue;
        }
        if (code == end)
            return { TStop::EndCode, pos };

        const std::size_t start = pos;
        if (afterClear) {
            // The first code after a clear is a pixel by itself and makes no entry.
            out[pos++] = std::uint8_t(code);
            prev = code;
            prevPos = start;
            afterClear = false;
            continue;
        }

        std::uint8_t first;
        if (code < clear) {
            out[pos++] = std::uint8_t(code);
            first = std::uint8_t(code);
        } else if (code < nextFree) {
            const unsigned length = m_length[code];
            if (length == 0)
                RaiseCircular();
            const std::size_t room = total - pos;
            if (length > room) {
                UnrollPart(code, length, out + pos, room);
                return { TStop::Filled, total };
            }
            std::uint8_t* const dest = out + pos;
            CopyString(dest, out + m_offset[code], length, room);
            first = dest[0];
            pos += length;
        } else {
            // A code not yet in the table: the previous string followed by its own first
            // pixel. The previous string is what the previous code wrote, unless that code
            // was itself undefined (a dropped entry, which links to itself).
            if (prev >= nextFree)
                RaiseCircular();
            const std::size_t prevLength = start - prevPos;
            first = out[prevPos];
            const std::size_t room = total - pos;
            if (prevLength + 1 > room) {
                std::memcpy(out + pos, out + prevPos, room);
                return { TStop::Filled, total };
            }
            std::memcpy(out + pos, out + prevPos, prevLength);
            out[pos + prevLength] = first;
            pos += prevLength + 1;
        }

        if (nextFree < TableSize) {
            m_prefix[nextFree] = std::uint16_t(prev);
            m_suffix[nextFree] = first;
            m_offset[nextFree] = std::uint32_t(prevPos);
            // An entry whose prefix is itself or a dropped entry can never be unrolled.
            const unsigned length = prev < nextFree ? m_length[prev] + 1u : 0u;
            m_length[nextFree] = std::uint16_t(length);
            ++nextFree;
            if (nextFree >= limit && limit < TableSize) {
                limit <<= 1;
                mask = limit - 1;
                ++codeSize;
            }
        }
        prev = code;
        prevPos = start;
    }
    return { TStop::Filled, pos };
}
