#include "base/Stream.h"

#include "base/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::vector<std::byte> TStream::ReadRemaining()
{
    const std::size_t position = Position();
    const std::size_t size = Size();
    std::vector<std::byte> bytes(position < size ? size - position : 0);
    const std::size_t read = bytes.empty() ? 0 : Read(bytes.data(), bytes.size());
    bytes.resize(read);
    return bytes;
}

std::size_t TCustomMemoryStream::Read(void* buffer, std::size_t count)
{
    const std::size_t available = m_position < m_data.size() ? m_data.size() - m_position : 0;
    const std::size_t n = std::min(count, available);
    if (n > 0)
        std::memcpy(buffer, m_data.data() + m_position, n);
    m_position += n;
    return n;
}

TMemoryStream::TMemoryStream(std::vector<std::byte> bytes)
    : m_bytes(std::move(bytes))
{
    SetMemory(m_bytes);
}

TFileStream::TFileStream(const std::string& path)
    : TMemoryStream(ReadFile(path))
{
}

std::vector<std::byte> TFileStream::ReadFile(const std::string& path)
{
    auto bytes = ReadRegularFile(path);
    if (!bytes)
        RaiseRes<EFOpenError>(Str::FOpenError, path.c_str());
    return std::move(*bytes);
}

std::optional<std::vector<std::byte>> ReadRegularFile(const std::string& path, std::size_t maxBytes)
{
    // Only a regular file is opened at all: opening a pipe waits for a writer, and a device may
    // act on being opened.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    // Opened without waiting, and looked at again once open: the name may have been given to a
    // pipe in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const struct TCloser {
        int Fd;
        ~TCloser() { ::close(Fd); }
    } closer { fd };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 || std::uintmax_t(info.st_size) > maxBytes)
        return std::nullopt;
    std::vector<std::byte> bytes(std::size_t(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        // At the end of a file that shrank while it was read, what is there is the file.
        if (got == 0)
            break;
        done += std::size_t(got);
    }
    bytes.resize(done);
    return bytes;
}
