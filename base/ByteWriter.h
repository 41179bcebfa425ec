#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

// A little-endian writer into a growing byte buffer, the counterpart of TByteReader. Values
// are appended at the end, or placed at an absolute offset (headers whose fields are known
// only later, images laid out before they are written). A value placed past the end grows
// the buffer with zeros first, so no write ever lands outside it.
class TByteWriter {
public:
    TByteWriter() = default;
    // A buffer of `size` zero bytes to place values into.
    explicit TByteWriter(std::size_t size)
        : m_bytes(size)
    {
    }

    std::size_t Size() const { return m_bytes.size(); }
    const std::vector<std::byte>& Bytes() const { return m_bytes; }
    std::vector<std::byte> Take() { return std::move(m_bytes); }

    void U8(std::uint8_t v) { m_bytes.push_back(std::byte(v)); }
    void U16(std::uint16_t v) { U16At(m_bytes.size(), v); }
    void U32(std::uint32_t v) { U32At(m_bytes.size(), v); }
    void U64(std::uint64_t v) { U64At(m_bytes.size(), v); }
    void I16(int v) { U16(std::uint16_t(std::int16_t(v))); }
    void I32(std::int32_t v) { U32(std::uint32_t(v)); }
    // The four characters of a chunk or signature tag ("RIFF").
    void Tag(const char (&tag)[5]) { Append(tag, 4); }
    void Append(std::span<const std::byte> more) { m_bytes.insert(m_bytes.end(), more.begin(), more.end()); }
    void Append(const void* data, std::size_t size) { BytesAt(m_bytes.size(), data, size); }
    void Zeros(std::size_t count) { m_bytes.resize(m_bytes.size() + count); }
    // Zeros up to the next multiple of `multiple` bytes.
    void PadTo(std::size_t multiple)
    {
        while (m_bytes.size() % multiple != 0)
            U8(0);
    }

    void U8At(std::size_t offset, std::uint8_t v) { Room(offset, 1)[0] = std::byte(v); }
    void U16At(std::size_t offset, std::uint16_t v)
    {
        std::byte* at = Room(offset, 2);
        at[0] = std::byte(v & 0xFF);
        at[1] = std::byte(v >> 8);
    }
    void U32At(std::size_t offset, std::uint32_t v)
    {
        U16At(offset, std::uint16_t(v));
        U16At(offset + 2, std::uint16_t(v >> 16));
    }
    void U64At(std::size_t offset, std::uint64_t v)
    {
        U32At(offset, std::uint32_t(v));
        U32At(offset + 4, std::uint32_t(v >> 32));
    }
    void BytesAt(std::size_t offset, const void* data, std::size_t size)
    {
        if (size > 0)
            std::memcpy(Room(offset, size), data, size);
    }

private:
    // The `size` bytes at `offset`, the buffer grown to hold them.
    std::byte* Room(std::size_t offset, std::size_t size)
    {
        if (m_bytes.size() < offset + size)
            m_bytes.resize(offset + size);
        return m_bytes.data() + offset;
    }

    std::vector<std::byte> m_bytes;
};
