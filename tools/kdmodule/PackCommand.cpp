// kdmodule pack FOLDER OUTDIR [--ini Kedoozle.ini] [--program DIR] [--speak LANG] [--seamless]
#include "tools/kdmodule/KdModule.h"

#include "base/IniFile.h"
#include "familycontent/ContentError.h"
#include "familycontent/ContentWriter.h"
#include "familycontent/PackBase.h"
#include "familycontent/PackKeys.h"
#include "familycontent/PackPicture.h"
#include "familycontent/PackSound.h"
#include "familycontent/SpeakKeys.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>

namespace fs = std::filesystem;

namespace {

// The four kinds of content, each from its own folder into its own module.
struct TKind {
    const char* Folder; // in the pack folder
    const char* Entry;  // what it is to a key, in the closing table
};
constexpr std::array<TKind, ContentKindCount> Kinds { {
    { "pictures", QT_TRANSLATE_NOOP("TToolText", "picture") },
    { "patterns", QT_TRANSLATE_NOOP("TToolText", "pattern") },
    { "sounds", QT_TRANSLATE_NOOP("TToolText", "sound") },
    { "spoken", QT_TRANSLATE_NOOP("TToolText", "spoken name") },
} };

struct TPacked {
    std::vector<std::byte> Data;
    int TypeCode { -1 };    // pictures and patterns
    std::string Summary;    // "JPEG 1152x768", "2.1 s"
    std::string Source;     // the file, or "espeak-ng"
};

struct TSkipped {
    std::string File;
    std::string Reason;
};

struct TOptions {
    fs::path Folder;
    fs::path OutDir;
    std::optional<fs::path> Ini;
    std::optional<fs::path> Program;
    std::string Speak;
    bool Seamless { false };
};

TOptions ParseArgs(const TArgs& args)
{
    TOptions options;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw TUsageError(FillText(TToolText::tr("%1 needs a value"), arg));
            return args[++i];
        };
        if (arg == "--ini")
            options.Ini = value();
        else if (arg == "--program")
            options.Program = value();
        else if (arg == "--speak")
            options.Speak = value();
        else if (arg == "--seamless")
            options.Seamless = true;
        else if (arg.size() > 1 && arg[0] == '-')
            throw TUsageError(FillText(TToolText::tr("pack: unknown option %1"), arg));
        else
            positional.push_back(arg);
    }
    if (positional.size() != 2)
        throw TUsageError(FillText(TToolText::tr("pack needs FOLDER and OUTDIR")));
    options.Folder = positional[0];
    options.OutDir = positional[1];
    return options;
}

std::string SizeText(std::size_t bytes)
{
    char text[32];
    if (bytes < 1024 * 1024)
        std::snprintf(text, sizeof text, "%.1f KB", double(bytes) / 1024.0);
    else
        std::snprintf(text, sizeof text, "%.1f MB", double(bytes) / 1024.0 / 1024.0);
    return text;
}

std::string PictureSummary(const TPackedPicture& picture)
{
    static constexpr const char* Kinds[] = { "BMP", "GIF", "JPEG" };
    return std::string(Kinds[picture.TypeCode]) + " " + std::to_string(picture.Width) + "x" + std::to_string(picture.Height);
}

std::string SoundSummary(double seconds, int rate)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s %d kHz", seconds, rate / 1000);
    return text;
}

// The files of one kind folder, by key. Files that name no key, a second file for a key and
// files that cannot be read are skipped with their reason.
void PackFolder(const TOptions& options, int kind, std::map<int, TPacked>& packed, std::vector<TSkipped>& skipped)
{
    const fs::path folder = options.Folder / Kinds[std::size_t(kind)].Folder;
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return;
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        files.push_back(entry.path());
    std::ranges::sort(files);
    for (const fs::path& file : files) {
        const std::string shown = std::string(Kinds[std::size_t(kind)].Folder) + "/" + file.filename().string();
        if (file.filename().string().starts_with('.'))
            continue; // hidden files and editors' leftovers
        if (!fs::is_regular_file(file, error)) {
            skipped.push_back({ shown, FillText(TToolText::tr("not a file")) });
            continue;
        }
        const int key = PackKeyOfName(file.stem().string());
        if (key == 0) {
            skipped.push_back({ shown, FillText(TToolText::tr("unknown key name \"%1\""), file.stem().string()) });
            continue;
        }
        if (packed.contains(key)) {
            skipped.push_back(
                { shown, FillText(TToolText::tr("key %1 already has %2"), std::to_string(key), packed[key].Source) });
            continue;
        }
        try {
            TPacked item;
            item.Source = shown;
            if (ContentKind(kind).Picture) {
                const TPackedPicture picture = PackPicture(file, kind == KindPatterns ? TPictureUse::Pattern : TPictureUse::Picture,
                                                           options.Seamless);
                item.Data = picture.Data;
                item.TypeCode = picture.TypeCode;
                item.Summary = PictureSummary(picture);
                if (!picture.Note.empty())
                    std::printf("%s: %s\n", shown.c_str(), picture.Note.c_str());
            } else {
                TPackedSound sound = PackSound(file);
                item.Data = std::move(sound.Wave);
                item.Summary = SoundSummary(sound.Seconds, sound.SampleRate);
            }
            packed[key] = std::move(item);
        } catch (const std::exception& e) {
            skipped.push_back({ shown, e.what() });
        }
    }
}

std::string CaptionOf(const TIniFile* ini, int entry)
{
    if (ini) {
        const std::string caption = ini->ReadString(std::to_string(entry), "KeyName", "");
        if (!caption.empty())
            return caption;
    }
    return PackDefaultCaption(entry);
}

// Every key without a recording of its own gets its caption spoken in `language`.
void SpeakUnrecorded(const TOptions& options, const TIniFile* ini, std::map<int, TPacked>& spoken,
                   std::vector<TSkipped>& skipped)
{
    if (EspeakProgram().empty())
        throw TInputError(FillText(TToolText::tr("--speak needs espeak-ng, which is not installed")));
    if (!VoiceSpeaks(options.Speak))
        throw TUsageError(FillText(TToolText::tr("espeak-ng has no voice \"%1\" (see espeak-ng --voices)"), options.Speak));
    std::map<int, std::string> captions;
    for (int entry = 1; entry <= 88; ++entry)
        if (!spoken.contains(entry))
            captions[entry] = CaptionOf(ini, entry);
    std::map<int, std::string> failures;
    for (auto& [entry, name] : ::SpeakCaptions(options.Speak, captions, failures)) {
        TPacked item;
        item.Data = std::move(name.Wave);
        item.Source = "espeak-ng (" + options.Speak + ")";
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.1f s", name.Seconds);
        item.Summary = std::string(seconds) + " \"" + name.Words + "\"";
        spoken[entry] = std::move(item);
    }
    for (const auto& [entry, reason] : failures)
        skipped.push_back({ FillText(TToolText::tr("key %1 spoken"), std::to_string(entry)), reason });
}

// The program folder --program names, or none: then the tool's own folder when it holds
// Kedoozle.ini (a program folder carries the tool along), else the installed program's folder
// seen from the tool's (bin/ -> lib/kedoozle/). Raises TInputError when a folder given holds no
// Kedoozle.ini.
fs::path FindProgramFolder(const std::optional<fs::path>& given)
{
    if (given) {
        if (!TPackBase::IsProgramFolder(*given))
            throw TInputError(
                FillText(TToolText::tr("%1 is not the program's folder: it has no Kedoozle.ini"), given->string()));
        return *given;
    }
    std::error_code error;
    const fs::path tool = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    std::vector<fs::path> candidates { tool.parent_path() };
#ifdef KD_INSTALLED_PROGRAM_FOLDER
    candidates.push_back(tool.parent_path() / KD_INSTALLED_PROGRAM_FOLDER);
#endif
    for (const fs::path& folder : candidates)
        if (TPackBase::IsProgramFolder(folder))
            return folder;
    return {};
}

// Which file went to which key and entry, which files were skipped and why, and the modules.
void PrintSummary(const std::array<std::map<int, TPacked>, 4>& packed, const std::vector<TSkipped>& skipped,
                  const std::vector<TWrittenModule>& modules, const TIniFile* ini)
{
    std::printf("%s\n", FillText(TToolText::tr("Packed: %1 pictures, %2 patterns, %3 sounds, %4 spoken names"),
                                 std::to_string(packed[0].size()), std::to_string(packed[1].size()),
                                 std::to_string(packed[2].size()), std::to_string(packed[3].size()))
                            .c_str());
    std::size_t width = 0;
    for (const auto& items : packed)
        for (const auto& [entry, item] : items)
            width = std::max(width, item.Source.size());
    for (std::size_t kind = 0; kind < 4; ++kind)
        for (const auto& [entry, item] : packed[kind]) {
            char key[16];
            std::snprintf(key, sizeof key, "[%d]", entry);
            std::printf("  %-*s -> %-5s %-12s %-12s %s\n", int(width), item.Source.c_str(), key, CaptionOf(ini, entry).c_str(),
                        TToolText::tr(Kinds[kind].Entry).toStdString().c_str(), item.Summary.c_str());
        }
    std::printf("\n%s\n", FillText(TToolText::tr("Skipped files: %1"), std::to_string(skipped.size())).c_str());
    for (const TSkipped& skip : skipped)
        std::printf("  %s: %s\n", skip.File.c_str(), skip.Reason.c_str());
    std::printf("\n%s\n", FillText(TToolText::tr("Modules:")).c_str());
    if (modules.empty())
        std::printf("  %s\n", FillText(TToolText::tr("none written: nothing to pack")).c_str());
    for (const TWrittenModule& module : modules)
        std::printf("  %s\n", FillText(TToolText::tr("%1  %2: %3 packed, %4 kept from %5"), module.Path.string(),
                                       SizeText(module.Size), std::to_string(module.Changed), std::to_string(module.Kept),
                                       module.Base.string())
                                  .c_str());
}

} // namespace

int RunPack(const TArgs& args)
{
    const auto started = std::chrono::steady_clock::now();
    const TOptions options = ParseArgs(args);
    std::error_code error;
    if (!fs::is_directory(options.Folder, error))
        throw TInputError(FillText(TToolText::tr("cannot read pack folder %1: not a folder"), options.Folder.string()));
    const TPackBase base(FindProgramFolder(options.Program));

    std::array<std::map<int, TPacked>, 4> packed;
    std::vector<TSkipped> skipped;
    for (int kind = 0; kind < 4; ++kind)
        PackFolder(options, kind, packed[std::size_t(kind)], skipped);

    // The captions to speak are those of the settings file as it is, or as it starts.
    std::unique_ptr<TIniFile> ini;
    if (options.Ini) {
        std::error_code missing;
        const fs::path captionsFrom = fs::exists(*options.Ini, missing) || base.ProgramFolder().empty()
            ? *options.Ini : base.ProgramFolder() / "Kedoozle.ini";
        ini = std::make_unique<TIniFile>(captionsFrom.string());
    }
    if (!options.Speak.empty())
        SpeakUnrecorded(options, ini.get(), packed[KindSpoken], skipped);

    TContentChanges changes;
    for (int kind = 0; kind < 4; ++kind)
        for (auto& [entry, item] : packed[std::size_t(kind)])
            changes.Replaced[std::size_t(kind)][entry] = { item.Data, item.TypeCode };
    TContentTarget target;
    target.SettingsFile = options.Ini;
    target.ModulesFolder = options.OutDir;
    TContentWritten written;
    try {
        written = WriteContent(base, target, changes);
    } catch (const TContentError& e) {
        throw TInputError(e.what());
    }
    const std::vector<TWrittenModule>& modules = written.Modules;
    const bool settingsStarted = written.SettingsStarted;
    if (ini && ini->FileName() != options.Ini->string())
        ini = std::make_unique<TIniFile>(options.Ini->string());

    PrintSummary(packed, skipped, modules, ini.get());
    if (ini && settingsStarted)
        std::printf("%s\n", FillText(TToolText::tr("Settings started as a copy of %1 and updated: %2"),
                                     (base.ProgramFolder() / "Kedoozle.ini").string(), ini->FileName())
                                .c_str());
    else if (ini)
        std::printf("%s\n", FillText(TToolText::tr("Settings updated: %1"), ini->FileName()).c_str());
    else if (!modules.empty())
        std::printf("%s\n", FillText(TToolText::tr("Settings not changed (no --ini).")).c_str());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.1f", seconds);
    std::printf("%s\n", FillText(TToolText::tr("Done in %1 s."), std::string(shown)).c_str());
    return ExitOk;
}
