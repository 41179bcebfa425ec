// kdmodule pack FOLDER OUTDIR [--ini Kedoozle.ini] [--program DIR] [--speak LANG] [--seamless]
#include "tools/kdmodule/KdModule.h"
#include "tools/kdmodule/PackBase.h"
#include "tools/kdmodule/PackKeys.h"
#include "tools/kdmodule/PackPicture.h"
#include "tools/kdmodule/PackSound.h"

#include "base/Exceptions.h"
#include "base/IniFile.h"
#include "tools/contentgen/SpokenNames.h"

#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace {

// The four kinds of content, each from its own folder into its own module.
struct TKind {
    const char* Folder;      // in the pack folder
    const char* Module;      // file written into OUTDIR
    const char* ModulesKey;  // key of [Modules]
    const char* Prefix;      // resource name before the entry number
    const char* Entry;       // what it is to a key, in the closing table
    bool Picture;
};
constexpr std::array<TKind, 4> Kinds { {
    { "pictures", "Pictures.dll", "Pictures", "PICTURE_", "picture", true },
    { "patterns", "Patterns.dll", "Patterns", "PATTERN_", "pattern", true },
    { "sounds", "Sounds.dll", "Sounds", "SOUND_", "sound", false },
    { "spoken", "Keys.dll", "Keys", "KEY_", "spoken name", false },
} };
enum { KindPictures, KindPatterns, KindSounds, KindSpoken };

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
                throw TUsageError(arg + " needs a value");
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
            throw TUsageError("pack: unknown option " + arg);
        else
            positional.push_back(arg);
    }
    if (positional.size() != 2)
        throw TUsageError("pack needs FOLDER and OUTDIR");
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
            skipped.push_back({ shown, "not a file" });
            continue;
        }
        const int key = PackKeyOfName(file.stem().string());
        if (key == 0) {
            skipped.push_back({ shown, "unknown key name \"" + file.stem().string() + "\"" });
            continue;
        }
        if (packed.contains(key)) {
            skipped.push_back({ shown, "key " + std::to_string(key) + " already has " + packed[key].Source });
            continue;
        }
        try {
            TPacked item;
            item.Source = shown;
            if (Kinds[std::size_t(kind)].Picture) {
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

// Every key without a recording of its own gets its caption spoken in `language`, on a few
// threads, since each word is one espeak-ng run.
void SpeakCaptions(const TOptions& options, const TIniFile* ini, std::map<int, TPacked>& spoken,
                   std::vector<TSkipped>& skipped)
{
    const QString espeak = QStandardPaths::findExecutable("espeak-ng");
    if (espeak.isEmpty())
        throw TInputError("--speak needs espeak-ng, which is not installed");
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw TInputError("cannot make a temporary folder: " + scratch.errorString().toStdString());
    const std::string scratchBase = scratch.path().toStdString() + "/spoken";
    try {
        contentgen::SpeakName(espeak.toStdString(), "a", scratchBase + "-probe.wav", options.Speak);
    } catch (const std::exception&) {
        throw TUsageError("espeak-ng has no voice \"" + options.Speak + "\" (see espeak-ng --voices)");
    }
    std::vector<int> todo;
    for (int entry = 1; entry <= 88; ++entry)
        if (!spoken.contains(entry))
            todo.push_back(entry);
    std::vector<std::string> captions;
    for (const int entry : todo)
        captions.push_back(CaptionOf(ini, entry));
    std::atomic<std::size_t> next { 0 };
    std::mutex lock;
    const auto work = [&] {
        for (std::size_t i = next++; i < todo.size(); i = next++) {
            const int entry = todo[i];
            const std::string words = PackSpokenText(entry, captions[i]);
            try {
                const contentgen::TBytes wave = contentgen::SpeakName(
                    espeak.toStdString(), words, scratchBase + std::to_string(entry) + ".wav", options.Speak);
                TPacked item;
                item.Data.resize(wave.size());
                std::ranges::transform(wave, item.Data.begin(), [](std::uint8_t b) { return std::byte(b); });
                item.Source = "espeak-ng (" + options.Speak + ")";
                char seconds[32];
                std::snprintf(seconds, sizeof seconds, "%.1f s", double(wave.size() - 44) / 2 / 22050);
                item.Summary = std::string(seconds) + " \"" + words + "\"";
                const std::scoped_lock guard(lock);
                spoken[entry] = std::move(item);
            } catch (const std::exception& e) {
                const std::scoped_lock guard(lock);
                skipped.push_back({ "key " + std::to_string(entry) + " spoken", e.what() });
            }
        }
    };
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();
}

struct TModuleResult {
    fs::path Path;
    fs::path Base; // the module the keys not packed keep their resources from
    std::vector<std::byte> Image;
    int Packed { 0 };
    int Kept { 0 };
};

// The module of one kind: the packed resources, and every other resource of the module that
// holds the kind's current content, unchanged.
TModuleResult MakeModule(const TOptions& options, const TPackBase& base, int kind, const std::map<int, TPacked>& packed,
                         const TIniFile* ini)
{
    const TKind& info = Kinds[std::size_t(kind)];
    const TPEResourceId type = info.Picture ? TPEResourceId::Number(RT_RCDATA) : TPEResourceId::Text("WAVE");
    std::vector<TPEResource> resources;
    std::set<std::string> names;
    for (const auto& [entry, item] : packed) {
        const std::string name = info.Prefix + std::to_string(entry);
        names.insert(name);
        resources.push_back({ type, TPEResourceId::Text(name), PELanguageEnglishUS, item.Data });
    }
    TModuleResult result;
    result.Path = options.OutDir / info.Module;
    result.Packed = int(packed.size());
    result.Base = base.CurrentModule(ini, options.OutDir, info.ModulesKey, info.Module);
    std::vector<TPEResource> kept = KeptResources(result.Base, names);
    result.Kept = int(kept.size());
    std::ranges::move(kept, std::back_inserter(resources));
    result.Image = BuildResourceLibrary(resources);
    return result;
}

// Points the settings file at the new modules and every packed key at its resource.
void UpdateIni(TIniFile& ini, const TOptions& options, const std::array<std::map<int, TPacked>, 4>& packed)
{
    const fs::path iniFolder = fs::weakly_canonical(fs::absolute(fs::path(ini.FileName())).parent_path());
    const fs::path outDir = fs::weakly_canonical(fs::absolute(options.OutDir));
    for (int kind = 0; kind < 4; ++kind) {
        if (packed[std::size_t(kind)].empty())
            continue;
        const TKind& info = Kinds[std::size_t(kind)];
        // a module beside the settings file by its bare name, so the folder can move
        ini.WriteString("Modules", info.ModulesKey, outDir == iniFolder ? std::string(info.Module)
                                                                        : (outDir / info.Module).string());
        for (const auto& [entry, item] : packed[std::size_t(kind)]) {
            const std::string section = std::to_string(entry);
            switch (kind) {
            case KindPictures:
                ini.WriteString(section, "PictureFile", "");
                ini.WriteInteger(section, "PictureResType", item.TypeCode);
                break;
            case KindPatterns:
                ini.WriteString(section, "PatternFile", "");
                ini.WriteInteger(section, "PatternResType", item.TypeCode);
                break;
            case KindSounds:
                ini.WriteString(section, "SoundFile", "");
                break;
            default:
                ini.WriteString(section, "KeySoundFile", "");
                break;
            }
        }
    }
    try {
        ini.UpdateFile();
    } catch (const Exception& e) {
        throw TInputError(e.Message());
    }
}

// Which file went to which key and entry, which files were skipped and why, and the modules.
void PrintSummary(const std::array<std::map<int, TPacked>, 4>& packed, const std::vector<TSkipped>& skipped,
                  const std::vector<TModuleResult>& modules, const TIniFile* ini)
{
    std::printf("Packed: %zu pictures, %zu patterns, %zu sounds, %zu spoken names\n", packed[0].size(),
                packed[1].size(), packed[2].size(), packed[3].size());
    std::size_t width = 0;
    for (const auto& items : packed)
        for (const auto& [entry, item] : items)
            width = std::max(width, item.Source.size());
    for (std::size_t kind = 0; kind < 4; ++kind)
        for (const auto& [entry, item] : packed[kind]) {
            char key[16];
            std::snprintf(key, sizeof key, "[%d]", entry);
            std::printf("  %-*s -> %-5s %-12s %-12s %s\n", int(width), item.Source.c_str(), key, CaptionOf(ini, entry).c_str(),
                        Kinds[kind].Entry, item.Summary.c_str());
        }
    std::printf("\nSkipped files: %zu\n", skipped.size());
    for (const TSkipped& skip : skipped)
        std::printf("  %s: %s\n", skip.File.c_str(), skip.Reason.c_str());
    std::printf("\nModules:\n");
    if (modules.empty())
        std::printf("  none written: nothing to pack\n");
    for (const TModuleResult& module : modules)
        std::printf("  %s  %s: %d packed, %d kept from %s\n", module.Path.string().c_str(), SizeText(module.Image.size()).c_str(),
                    module.Packed, module.Kept, module.Base.string().c_str());
}

} // namespace

int RunPack(const TArgs& args)
{
    const auto started = std::chrono::steady_clock::now();
    const TOptions options = ParseArgs(args);
    std::error_code error;
    if (!fs::is_directory(options.Folder, error))
        throw TInputError("cannot read pack folder " + options.Folder.string() + ": not a folder");
    const TPackBase base(options.Program);

    std::array<std::map<int, TPacked>, 4> packed;
    std::vector<TSkipped> skipped;
    for (int kind = 0; kind < 4; ++kind)
        PackFolder(options, kind, packed[std::size_t(kind)], skipped);

    // A settings file that does not exist yet is the program's own from the start: one
    // holding the packed keys alone would leave every other key without its caption.
    bool settingsStarted = false;
    std::unique_ptr<TIniFile> ini;
    if (options.Ini) {
        settingsStarted = base.StartSettings(*options.Ini);
        ini = std::make_unique<TIniFile>(options.Ini->string());
    }
    // Every module is made before the first is written, so a current module that cannot be
    // read leaves everything as it was, without a settings file started here.
    std::vector<TModuleResult> modules;
    try {
        if (!options.Speak.empty())
            SpeakCaptions(options, ini.get(), packed[KindSpoken], skipped);
        for (int kind = 0; kind < 4; ++kind)
            if (!packed[std::size_t(kind)].empty())
                modules.push_back(MakeModule(options, base, kind, packed[std::size_t(kind)], ini.get()));
    } catch (...) {
        if (settingsStarted)
            fs::remove(*options.Ini, error);
        throw;
    }
    if (!modules.empty()) {
        fs::create_directories(options.OutDir, error);
        if (!fs::is_directory(options.OutDir, error))
            throw TInputError("cannot make output folder " + options.OutDir.string());
    }
    for (const TModuleResult& module : modules)
        WriteOutputFile(module.Path, module.Image);
    if (ini)
        UpdateIni(*ini, options, packed);

    PrintSummary(packed, skipped, modules, ini.get());
    if (ini && settingsStarted)
        std::printf("Settings started as a copy of %s and updated: %s\n",
                    (base.ProgramFolder() / "Kedoozle.ini").string().c_str(), ini->FileName().c_str());
    else if (ini)
        std::printf("Settings updated: %s\n", ini->FileName().c_str());
    else if (!modules.empty())
        std::printf("Settings not changed (no --ini).\n");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("Done in %.1f s.\n", seconds);
    return ExitOk;
}
