#pragma once

#include <cstdint>
#include <vector>

// Appends 16- and 32-bit values, low byte first, to a file image a test builds field by field.
template <typename TByte>
void Put16(std::vector<TByte>& out, std::uint32_t v)
{
    out.push_back(TByte(v & 0xFF));
    out.push_back(TByte((v >> 8) & 0xFF));
}

template <typename TByte>
void Put32(std::vector<TByte>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
