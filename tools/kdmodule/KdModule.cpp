#include "tools/kdmodule/KdModule.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace {

std::string AsciiUpper(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return result;
}

// A resource number from "10" or "#10"; nothing when the text is not all digits.
std::optional<std::uint16_t> ParseNumber(std::string_view text)
{
    if (!text.empty() && text[0] == '#')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + std::uint32_t(c - '0');
        if (value > 0xFFFF)
            throw std::invalid_argument("number " + std::string(text) + " is out of range (1..65535)");
    }
    if (value == 0)
        throw std::invalid_argument("number 0 is not a valid resource id");
    return std::uint16_t(value);
}

TPEResourceId ParseId(std::string_view text, const char* what)
{
    if (text.empty())
        throw std::invalid_argument(std::string("empty resource ") + what);
    if (auto number = ParseNumber(text))
        return TPEResourceId::Number(*number);
    if (text[0] == '#')
        throw std::invalid_argument(std::string("resource ") + what + " \"" + std::string(text) +
                                    "\" starts with # but is not a number");
    return TPEResourceId::Text(std::string(text));
}

} // namespace

TPEResourceId ParseType(std::string_view text)
{
    if (AsciiUpper(text) == "RCDATA")
        return TPEResourceId::Number(RT_RCDATA);
    return ParseId(text, "type");
}

TPEResourceId ParseName(std::string_view text)
{
    return ParseId(text, "name");
}

std::string FormatType(const TResourceType& type)
{
    if (type.Id == RT_RCDATA)
        return "RCDATA";
    if (type.Id != 0 || type.Name.empty())
        return std::to_string(type.Id);
    return type.Name;
}

std::string FormatName(int id, const std::string& name)
{
    return name.empty() ? std::to_string(id) : name;
}

TResourceType LookupType(const TPEResourceId& type)
{
    return type.IsName() ? TResourceType::Named(type.Name) : TResourceType::Numeric(type.Id);
}

std::string LookupName(const TPEResourceId& name)
{
    return name.IsName() ? name.Name : "#" + std::to_string(name.Id);
}

std::vector<std::byte> ReadInputFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw TInputError("cannot read " + path.string() + ": it is a folder");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw TInputError("cannot read " + path.string() + ": " + std::strerror(errno));
    std::vector<std::byte> bytes;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        const auto* begin = reinterpret_cast<const std::byte*>(buffer);
        bytes.insert(bytes.end(), begin, begin + file.gcount());
    }
    if (file.bad())
        throw TInputError("cannot read " + path.string() + ": read error");
    return bytes;
}

void WriteOutputFile(const std::filesystem::path& path, const std::vector<std::byte>& bytes)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(::getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        throw TInputError("cannot write " + path.string() + ": " + std::strerror(errno));
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    const int writeErrno = errno;
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    if (ok)
        std::filesystem::rename(temporary, path, error);
    if (!ok || error) {
        std::filesystem::remove(temporary, error);
        throw TInputError("cannot write " + path.string() + ": " +
                          (ok ? std::string("cannot replace the file") : std::strerror(writeErrno)));
    }
}

TModuleHandle OpenModule(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        throw TInputError("cannot read " + path + ": No such file or directory");
    const TModuleHandle module = LoadLibraryA(path);
    if (module == 0)
        throw TInputError(path + " is not a resource module (not a PE library with resources)");
    return module;
}
