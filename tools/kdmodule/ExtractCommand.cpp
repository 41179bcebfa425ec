#include "tools/kdmodule/KdModule.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>

// kdmodule extract MODULE.dll TYPE NAME OUT
// kdmodule extract MODULE.dll --all DIR   (DIR/TYPE/NAME.ext plus DIR/manifest.txt)

namespace {

bool StartsWith(std::span<const std::byte> data, std::initializer_list<int> prefix, std::size_t at = 0)
{
    if (data.size() < at + prefix.size())
        return false;
    std::size_t i = at;
    for (int b : prefix) {
        if (std::to_integer<int>(data[i++]) != b)
            return false;
    }
    return true;
}

// A file extension for the bytes, so extracted pictures and sounds open in other programs.
std::string GuessExtension(std::span<const std::byte> data)
{
    if (StartsWith(data, { 'R', 'I', 'F', 'F' }) && StartsWith(data, { 'W', 'A', 'V', 'E' }, 8))
        return ".wav";
    if (StartsWith(data, { 'B', 'M' }))
        return ".bmp";
    if (StartsWith(data, { 'G', 'I', 'F', '8' }))
        return ".gif";
    if (StartsWith(data, { 0xFF, 0xD8, 0xFF }))
        return ".jpg";
    if (StartsWith(data, { 0xD7, 0xCD, 0xC6, 0x9A }) || StartsWith(data, { 0x01, 0x00, 0x09, 0x00 }) ||
        StartsWith(data, { 0x02, 0x00, 0x09, 0x00 }))
        return ".wmf";
    if (StartsWith(data, { 0x01, 0x00, 0x00, 0x00 }) && StartsWith(data, { ' ', 'E', 'M', 'F' }, 40))
        return ".emf";
    if (StartsWith(data, { 0x00, 0x00, 0x01, 0x00 }))
        return ".ico";
    return ".bin";
}

// A resource type or name as one safe path component.
std::string SafeComponent(std::string text)
{
    for (char& c : text) {
        if (c == '/' || c == '\\' || std::uint8_t(c) < 0x20 || c == ':')
            c = '_';
    }
    if (text == "." || text == "..")
        text = "_" + text;
    return text;
}

std::vector<std::byte> ToVector(std::span<const std::byte> data)
{
    return { data.begin(), data.end() };
}

int ExtractAll(const std::string& modulePath, const std::filesystem::path& folder)
{
    const TModuleHandle module = OpenModule(modulePath);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        FreeLibrary(module);
        throw TInputError(FillText(TToolText::tr("cannot create %1: %2"), folder.string(), error.message()));
    }
    std::string manifest = "# Resources of " + modulePath + "; rebuild with: kdmodule build OUT.dll --manifest " +
                           (folder / "manifest.txt").string() + "\n";
    std::set<std::pair<std::string, std::string>> written;
    try {
        for (const TResourceInfo& info : EnumResources(module)) {
            const std::string type = FormatType(info.Type);
            const std::string name = FormatName(info.NameId, info.Name);
            // Only the first language of a name is used by the program, so only it is kept.
            if (!written.emplace(type, name).second)
                continue;
            const std::filesystem::path relative =
                std::filesystem::path(SafeComponent(type)) / (SafeComponent(name) + GuessExtension(info.Data));
            std::filesystem::create_directories(folder / relative.parent_path(), error);
            if (error)
                throw TInputError(FillText(TToolText::tr("cannot create %1: %2"), (folder / relative.parent_path()).string(),
                                           error.message()));
            WriteOutputFile(folder / relative, ToVector(info.Data));
            manifest += type + ":" + name + "=" + relative.generic_string() + "\n";
        }
    } catch (...) {
        FreeLibrary(module);
        throw;
    }
    FreeLibrary(module);
    WriteOutputFile(folder / "manifest.txt", ToVector(std::as_bytes(std::span(manifest.data(), manifest.size()))));
    return ExitOk;
}

} // namespace

int RunExtract(const TArgs& args)
{
    if (args.size() == 3 && args[1] == "--all")
        return ExtractAll(args[0], args[2]);
    if (args.size() != 4)
        throw TUsageError(FillText(TToolText::tr("extract takes MODULE.dll TYPE NAME OUT, or MODULE.dll --all DIR")));
    TPEResourceId type;
    TPEResourceId name;
    try {
        type = ParseType(args[1]);
        name = ParseName(args[2]);
    } catch (const std::invalid_argument& e) {
        throw TUsageError(e.what());
    }
    const TModuleHandle module = OpenModule(args[0]);
    const auto data = FindResourceData(module, LookupType(type), LookupName(name));
    if (!data) {
        FreeLibrary(module);
        throw TInputError(FillText(TToolText::tr("resource %1:%2 not found in %3"), args[1], args[2], args[0]));
    }
    std::vector<std::byte> bytes = ToVector(*data);
    FreeLibrary(module);
    WriteOutputFile(args[3], bytes);
    return ExitOk;
}
