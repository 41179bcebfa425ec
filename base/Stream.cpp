#include "base/Stream.h"

#include "base/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

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
    // A folder, a pipe or a device is not a file that can be read whole: reading a pipe would
    // wait for a writer, and a folder's size is meaningless.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        RaiseRes<EFOpenError>(Str::FOpenError, path.c_str());
    std::ifstream file(path, std::ios::binary);
    if (!file)
        RaiseRes<EFOpenError>(Str::FOpenError, path.c_str());
    std::vector<std::byte> bytes;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0)
        RaiseRes<EFOpenError>(Str::FOpenError, path.c_str());
    bytes.resize(std::size_t(size));
    file.seekg(0);
    if (size > 0 && !file.read(reinterpret_cast<char*>(bytes.data()), size))
        RaiseRes<EFOpenError>(Str::FOpenError, path.c_str());
    return bytes;
}
