#include "tools/kdmodule/Check.h"

#include "base/IniFile.h"
#include "base/StringTable.h"
#include "pictures/Graphic.h"
#include "resmodule/ResourceModule.h"
#include "tools/kdmodule/Render.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum class TKind { Unset, Patterns, Pictures };

struct TCheckOptions {
    std::string Module;
    std::string Ini;
    TKind Kind { TKind::Unset };
};

constexpr int KeyCount = 88;

TCheckOptions ParseOptions(const TArgs& args)
{
    TCheckOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--ini" || arg == "--kind") {
            if (i + 1 >= args.size())
                throw TUsageError(FillText(TToolText::tr("%1 needs a value"), arg));
            const std::string& value = args[++i];
            if (arg == "--ini") {
                options.Ini = value;
                continue;
            }
            if (value == "patterns")
                options.Kind = TKind::Patterns;
            else if (value == "pictures")
                options.Kind = TKind::Pictures;
            else
                throw TUsageError(FillText(TToolText::tr("--kind must be patterns or pictures, not '%1'"), value));
            continue;
        }
        if (arg.starts_with("--"))
            throw TUsageError(FillText(TToolText::tr("unknown option '%1' for check"), arg));
        if (!options.Module.empty())
            throw TUsageError(FillText(TToolText::tr("check takes one module, not '%1' and '%2'"), options.Module, arg));
        options.Module = arg;
    }
    if (options.Module.empty())
        throw TUsageError(FillText(TToolText::tr("check needs MODULE.dll [--ini Kedoozle.ini] [--kind patterns|pictures]")));
    return options;
}

bool HasPrefix(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    }
    return true;
}

// The key number of a name such as PATTERN_12, written as the program writes it (no leading
// zeros, 1 to 88); 0 when the name is not of that form.
int KeyNumber(std::string_view name, std::string_view prefix)
{
    if (!HasPrefix(name, prefix))
        return 0;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.empty() || digits.size() > 2 || digits.front() == '0')
        return 0;
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0');
    }
    return number <= KeyCount ? number : 0;
}

std::string KindOfCode(int typeCode)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("TToolText", "a bitmap"), QT_TRANSLATE_NOOP("TToolText", "a GIF"),
        QT_TRANSLATE_NOOP("TToolText", "a JPEG"),   QT_TRANSLATE_NOOP("TToolText", "a metafile"),
        QT_TRANSLATE_NOOP("TToolText", "an icon"),
    };
    if (typeCode < 0 || typeCode > 4)
        return FillText(TToolText::tr("no picture"));
    return FillText(TToolText::tr(names[typeCode]));
}

struct TEntry {
    std::string Name;   // as listed
    std::string Lookup; // as the reader finds it ("#12" for a numbered resource)
    bool Pattern { false };
    int Key { 0 }; // 0 when the program never asks for this name
    std::span<const std::byte> Data;
};

// Reads, draws and (for patterns) converts one picture; the error text of the first step
// that fails, or nothing.
std::optional<std::string> CheckEntry(TModuleHandle module, const TEntry& entry, int typeCode)
{
    try {
        TPicture picture;
        LoadModulePicture(module, typeCode, entry.Lookup, picture);
        if (!picture.Graphic())
            return Format(LoadStr(Str::EmptyPicture).c_str(), entry.Name.c_str());
        RenderPicture(*picture.Graphic(), entry.Name);
        // A pattern is tiled from a plain bitmap copy; kinds that do not convert cannot be
        // used as patterns at all.
        if (entry.Pattern)
            picture.Graphic()->ToImage();
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

std::uint32_t Le(std::span<const std::byte> data, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | std::to_integer<std::uint32_t>(data[at + std::size_t(i)]);
    return value;
}

} // namespace

std::optional<std::string> CheckWave(std::span<const std::byte> data)
{
    const auto tag = [&](std::size_t at, const char* text) {
        return at + 4 <= data.size() && std::memcmp(data.data() + at, text, 4) == 0;
    };
    if (!tag(0, "RIFF") || !tag(8, "WAVE"))
        return FillText(TToolText::tr("not a WAVE file"));
    bool format = false;
    std::uint32_t blockAlign = 0;
    for (std::size_t at = 12; at + 8 <= data.size();) {
        const std::uint32_t size = Le(data, at + 4, 4);
        const std::size_t body = at + 8;
        if (tag(at, "fmt ")) {
            if (size < 16 || body + 16 > data.size())
                return FillText(TToolText::tr("short format chunk"));
            const std::uint32_t code = Le(data, body, 2), channels = Le(data, body + 2, 2), rate = Le(data, body + 4, 4);
            const std::uint32_t bits = Le(data, body + 14, 2);
            blockAlign = Le(data, body + 12, 2);
            if (code != 1 && code != 3)
                return FillText(TToolText::tr("not PCM samples (format %1)"), std::to_string(code));
            if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000 || (bits != 8 && bits != 16 && bits != 24 && bits != 32)
                || blockAlign != channels * bits / 8)
                return FillText(TToolText::tr("unplayable format (%1 channels, %2 Hz, %3 bits)"), std::to_string(channels),
                                std::to_string(rate), std::to_string(bits));
            format = true;
        } else if (tag(at, "data")) {
            if (!format)
                return FillText(TToolText::tr("no format chunk before the samples"));
            if (size < blockAlign || body + blockAlign > data.size())
                return FillText(TToolText::tr("no samples"));
            return std::nullopt;
        }
        at = body + std::size_t(size) + (size & 1);
    }
    return FillText(format ? TToolText::tr("no samples") : TToolText::tr("no format chunk"));
}

std::optional<int> DetectTypeCode(std::span<const std::byte> data)
{
    const auto at = [&](std::size_t i) { return i < data.size() ? std::to_integer<unsigned>(data[i]) : 0x100u; };
    if (at(0) == 'B' && at(1) == 'M')
        return 0;
    if (at(0) == 'G' && at(1) == 'I' && at(2) == 'F' && at(3) == '8')
        return 1;
    if (at(0) == 0xFF && at(1) == 0xD8 && at(2) == 0xFF)
        return 2;
    // Enhanced metafile: the first record is the header (type 1) with the " EMF" signature.
    if (at(0) == 1 && at(1) == 0 && at(2) == 0 && at(3) == 0 && at(40) == ' ' && at(41) == 'E' && at(42) == 'M' &&
        at(43) == 'F')
        return 3;
    // Placeable Windows metafile key 0x9AC6CDD7.
    if (at(0) == 0xD7 && at(1) == 0xCD && at(2) == 0xC6 && at(3) == 0x9A)
        return 3;
    // Icon file: reserved 0, type 1, at least one image.
    if (at(0) == 0 && at(1) == 0 && at(2) == 1 && at(3) == 0 && at(5) < 0x100 && (at(4) | at(5)) != 0)
        return 4;
    return std::nullopt;
}

int RunCheck(const TArgs& args)
{
    const TCheckOptions options = ParseOptions(args);
    std::unique_ptr<TIniFile> ini;
    if (!options.Ini.empty()) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(options.Ini, error))
            throw TInputError(FillText(TToolText::tr("cannot read %1: No such file"), options.Ini));
        ini = std::make_unique<TIniFile>(options.Ini);
    }
    const TPictureSession session;
    const TModuleHandle module = OpenModule(options.Module);
    struct TModuleGuard {
        TModuleHandle Module;
        ~TModuleGuard() { FreeLibrary(Module); }
    } guard { module };

    int checked = 0;
    int failures = 0;
    std::vector<bool> keyFound(KeyCount + 1, false);
    bool patternNames = false;
    bool pictureNames = false;
    std::set<std::string> seen;
    int sounds = 0;
    std::set<std::string> seenSounds;
    for (const TResourceInfo& info : EnumResources(module)) {
        // Sounds: the first language of each WAVE resource must be a wave the program plays.
        if (info.Type.Name.size() == 4 && HasPrefix(info.Type.Name, "WAVE")) {
            const std::string name = FormatName(info.NameId, info.Name);
            if (!seenSounds.insert(name).second)
                continue;
            ++sounds;
            if (const std::optional<std::string> failure = CheckWave(info.Data)) {
                ++failures;
                std::printf("%s: %s\n", name.c_str(), failure->c_str());
            }
            continue;
        }
        if (!info.Type.Name.empty() || info.Type.Id != RT_RCDATA)
            continue;
        TEntry entry;
        entry.Name = FormatName(info.NameId, info.Name);
        entry.Lookup = info.Name.empty() ? "#" + std::to_string(info.NameId) : info.Name;
        // The program reads a name's first language only; further languages are never shown.
        if (!seen.insert(entry.Lookup).second)
            continue;
        entry.Data = info.Data;
        const bool patternName = HasPrefix(entry.Name, "PATTERN_");
        patternNames = patternNames || patternName;
        pictureNames = pictureNames || HasPrefix(entry.Name, "PICTURE_");
        entry.Pattern = options.Kind == TKind::Patterns || (options.Kind == TKind::Unset && patternName);
        entry.Key = KeyNumber(entry.Name, entry.Pattern ? "PATTERN_" : "PICTURE_");
        keyFound[entry.Key] = true;

        const std::optional<int> detected = DetectTypeCode(entry.Data);
        int typeCode = 0;
        if (ini && entry.Key != 0) {
            const char* key = entry.Pattern ? "PatternResType" : "PictureResType";
            typeCode = ini->ReadInteger(std::to_string(entry.Key), key, 0);
        } else if (detected) {
            typeCode = *detected;
        } else {
            ++checked;
            ++failures;
            std::printf("%s\n", FillText(TToolText::tr("%1: not a picture (no bitmap, GIF, JPEG or metafile signature)"),
                                         entry.Name).c_str());
            continue;
        }
        ++checked;
        std::optional<std::string> failure = CheckEntry(module, entry, typeCode);
        if (!failure)
            continue;
        ++failures;
        // Under a settings file, say when the data is of another kind than its type code.
        if (ini && entry.Key != 0 && detected && *detected != typeCode)
            *failure += FillText(TToolText::tr(" (type code %1, but the data is %2, type code %3)"), std::to_string(typeCode),
                                 KindOfCode(*detected), std::to_string(*detected));
        std::printf("%s: %s\n", entry.Name.c_str(), failure->c_str());
    }
    // Under a settings file, every key that names no file of its own takes its picture from
    // the module: one that is missing there draws nothing in the program.
    const TKind kind = options.Kind != TKind::Unset ? options.Kind
                       : patternNames && !pictureNames ? TKind::Patterns
                       : pictureNames && !patternNames ? TKind::Pictures
                                                       : TKind::Unset;
    if (ini && kind != TKind::Unset) {
        const bool patterns = kind == TKind::Patterns;
        for (int key = 1; key <= KeyCount; ++key) {
            const char* fileKey = patterns ? "PatternFile" : "PictureFile";
            if (keyFound[key] || !ini->ReadString(std::to_string(key), fileKey, "").empty())
                continue;
            const std::string name = (patterns ? "PATTERN_" : "PICTURE_") + std::to_string(key);
            ++checked;
            ++failures;
            std::printf("%s: %s\n", name.c_str(), Format(LoadStr(Str::ResNotFound).c_str(), name.c_str()).c_str());
        }
    }
    // A module with neither pictures nor sounds holds nothing the program uses.
    if (checked == 0 && sounds == 0) {
        ++failures;
        std::printf("%s\n", FillText(TToolText::tr("%1: no RCDATA picture or WAVE sound resources"), options.Module).c_str());
    }
    std::printf("%s, ", CountText("%n picture(s)", TToolText::tr("%n picture(s)", nullptr, checked), checked).c_str());
    if (sounds > 0)
        std::printf("%s, ", CountText("%n sound(s)", TToolText::tr("%n sound(s)", nullptr, sounds), sounds).c_str());
    std::printf("%s\n", CountText("%n failure(s)", TToolText::tr("%n failure(s)", nullptr, failures), failures).c_str());
    return failures == 0 ? ExitOk : ExitInputError;
}
