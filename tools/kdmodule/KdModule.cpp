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
            throw std::invalid_argument(FillText(TToolText::tr("number %1 is out of range (1..65535)"), std::string(text)));
    }
    if (value == 0)
        throw std::invalid_argument(FillText(TToolText::tr("number 0 is not a valid resource id")));
    return std::uint16_t(value);
}

TPEResourceId ParseId(std::string_view text, bool type)
{
    if (text.empty())
        throw std::invalid_argument(
            FillText(type ? TToolText::tr("empty resource type") : TToolText::tr("empty resource name")));
    if (auto number = ParseNumber(text))
        return TPEResourceId::Number(*number);
    if (text[0] == '#')
        throw std::invalid_argument(
            FillText(type ? TToolText::tr("resource type \"%1\" starts with # but is not a number")
                          : TToolText::tr("resource name \"%1\" starts with # but is not a number"),
                     std::string(text)));
    return TPEResourceId::Text(std::string(text));
}

} // namespace

TPEResourceId ParseType(std::string_view text)
{
    if (AsciiUpper(text) == "RCDATA")
        return TPEResourceId::Number(RT_RCDATA);
    return ParseId(text, true);
}

TPEResourceId ParseName(std::string_view text)
{
    return ParseId(text, false);
}

std::string CountText(const char* source, const QString& translated, int count)
{
    QString english = QString::fromLatin1(source);
    english.replace(QStringLiteral("%n"), QString::number(count));
    if (translated != english)
        return translated.toStdString();
    return english.replace(QStringLiteral("(s)"), count == 1 ? QString() : QStringLiteral("s")).toStdString();
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
        throw TInputError(FillText(TToolText::tr("cannot read %1: it is a folder"), path.string()));
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw TInputError(FillText(TToolText::tr("cannot read %1: %2"), path.string(), std::strerror(errno)));
    std::vector<std::byte> bytes;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        const auto* begin = reinterpret_cast<const std::byte*>(buffer);
        bytes.insert(bytes.end(), begin, begin + file.gcount());
    }
    if (file.bad())
        throw TInputError(FillText(TToolText::tr("cannot read %1: read error"), path.string()));
    return bytes;
}

void WriteOutputFile(const std::filesystem::path& path, const std::vector<std::byte>& bytes)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(::getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        throw TInputError(FillText(TToolText::tr("cannot write %1: %2"), path.string(), std::strerror(errno)));
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    const int writeErrno = errno;
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    if (ok)
        std::filesystem::rename(temporary, path, error);
    if (!ok || error) {
        std::filesystem::remove(temporary, error);
        throw TInputError(FillText(TToolText::tr("cannot write %1: %2"), path.string(),
                                   ok ? TToolText::tr("cannot replace the file").toStdString() : std::strerror(writeErrno)));
    }
}

TModuleHandle OpenModule(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        throw TInputError(FillText(TToolText::tr("cannot read %1: No such file or directory"), path));
    const TModuleHandle module = LoadLibraryA(path);
    if (module == 0)
        throw TInputError(FillText(TToolText::tr("%1 is not a resource module (not a PE library with resources)"), path));
    return module;
}
