#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Streams that picture classes read from: memory, files and module resources. All of them
// are seekable and know their size.
class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to `count` bytes into `buffer`; returns how many were read.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual std::size_t Position() const = 0;
    // Moves to `position`, clamped to the size.
    virtual void SetPosition(std::size_t position) = 0;
    virtual std::size_t Size() const = 0;

    // Everything from the current position to the end; the position ends at the end.
    std::vector<std::byte> ReadRemaining();
};

// A stream over bytes it does not own (a module's mapped resource, a caller's buffer).
class TCustomMemoryStream : public TStream {
public:
    TCustomMemoryStream() = default;
    explicit TCustomMemoryStream(std::span<const std::byte> data)
        : m_data(data)
    {
    }

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Position() const override { return m_position; }
    void SetPosition(std::size_t position) override { m_position = position < m_data.size() ? position : m_data.size(); }
    std::size_t Size() const override { return m_data.size(); }

    std::span<const std::byte> Memory() const { return m_data; }
    // The bytes from the current position on, without moving.
    std::span<const std::byte> RemainingMemory() const { return m_data.subspan(m_position); }

protected:
    void SetMemory(std::span<const std::byte> data)
    {
        m_data = data;
        m_position = 0;
    }

private:
    std::span<const std::byte> m_data;
    std::size_t m_position { 0 };
};

// A stream that owns its bytes.
class TMemoryStream : public TCustomMemoryStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::byte> bytes);
    TMemoryStream(const TMemoryStream&) = delete;
    TMemoryStream& operator=(const TMemoryStream&) = delete;

    const std::vector<std::byte>& Bytes() const { return m_bytes; }

private:
    std::vector<std::byte> m_bytes;
};

// A regular file's bytes, read whole; none when `path` names no regular file (a folder; a pipe
// or a device, whose reading could wait for ever or never end), cannot be read, or holds more
// than `maxBytes`.
std::optional<std::vector<std::byte>> ReadRegularFile(const std::string& path, std::size_t maxBytes = SIZE_MAX);

// A whole file read into memory. Raises EFOpenError "Cannot open file %s" when the file
// cannot be opened or read.
class TFileStream : public TMemoryStream {
public:
    explicit TFileStream(const std::string& path);

private:
    static std::vector<std::byte> ReadFile(const std::string& path);
};
