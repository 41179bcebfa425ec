#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// A bounds-checked little-endian reader over untrusted bytes. Reading past the end never
// touches memory outside the span: the Try… forms report it, the plain forms give 0 and
// mark the reader as overrun so a check on meaning catches the truncation.
class TByteReader {
public:
    explicit TByteReader(std::span<const std::byte> data)
        : m_data(data)
    {
    }

    std::size_t Position() const { return m_position; }
    std::size_t Size() const { return m_data.size(); }
    std::size_t Remaining() const { return m_position < m_data.size() ? m_data.size() - m_position : 0; }
    bool AtEnd() const { return m_position >= m_data.size(); }
    bool Overrun() const { return m_overrun; }
    std::span<const std::byte> Data() const { return m_data; }

    void Seek(std::size_t position)
    {
        m_position = position;
        if (m_position > m_data.size()) {
            m_position = m_data.size();
            m_overrun = true;
        }
    }
    bool Skip(std::size_t count)
    {
        if (count > Remaining()) {
            m_position = m_data.size();
            m_overrun = true;
            return false;
        }
        m_position += count;
        return true;
    }

    bool Has(std::size_t count) const { return count <= Remaining(); }

    std::uint8_t U8()
    {
        if (!Has(1)) {
            m_overrun = true;
            return 0;
        }
        return std::uint8_t(m_data[m_position++]);
    }
    std::uint16_t U16()
    {
        const std::uint16_t lo = U8();
        return std::uint16_t(lo | (std::uint16_t(U8()) << 8));
    }
    std::uint32_t U32()
    {
        const std::uint32_t lo = U16();
        return lo | (std::uint32_t(U16()) << 16);
    }
    std::int16_t I16() { return std::int16_t(U16()); }
    std::int32_t I32() { return std::int32_t(U32()); }

    // The next `count` bytes, or an empty span (and the reader overrun) when fewer remain.
    std::span<const std::byte> Bytes(std::size_t count)
    {
        if (!Has(count)) {
            m_position = m_data.size();
            m_overrun = true;
            return {};
        }
        auto result = m_data.subspan(m_position, count);
        m_position += count;
        return result;
    }

    // Little-endian values at an absolute offset; 0 when out of range.
    std::uint16_t U16At(std::size_t offset) const
    {
        if (offset > m_data.size() || m_data.size() - offset < 2)
            return 0;
        return std::uint16_t(std::uint8_t(m_data[offset]) | (std::uint8_t(m_data[offset + 1]) << 8));
    }
    std::uint32_t U32At(std::size_t offset) const
    {
        if (offset > m_data.size() || m_data.size() - offset < 4)
            return 0;
        return std::uint32_t(U16At(offset)) | (std::uint32_t(U16At(offset + 2)) << 16);
    }

private:
    std::span<const std::byte> m_data;
    std::size_t m_position { 0 };
    bool m_overrun { false };
};
