#include "familycontent/ContentWriter.h"

#include "base/Exceptions.h"
#include "base/IniFile.h"
#include "familycontent/ContentError.h"
#include "resmodule/ResourceModule.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::array<TContentKindInfo, ContentKindCount> Kinds { {
    { "Pictures.dll", "Pictures", "PICTURE_", "PictureFile", "PictureResType", true },
    { "Patterns.dll", "Patterns", "PATTERN_", "PatternFile", "PatternResType", true },
    { "Sounds.dll", "Sounds", "SOUND_", "SoundFile", nullptr, false },
    { "Keys.dll", "Keys", "KEY_", "KeySoundFile", nullptr, false },
} };

std::string ErrorText(int number) { return std::strerror(number); }

fs::path Absolute(const fs::path& path)
{
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(fs::absolute(path), error);
    return error ? fs::absolute(path) : canonical;
}

// A file that exists but may not be written is a parent's lock: it is never replaced. Without
// any write permission bit it counts as read-only for the superuser too.
void RefuseReadOnly(const fs::path& file)
{
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return;
    if ((info.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0)
        throw TContentError(FillText(TContentText::tr("cannot save: %1 is read-only; nothing was changed"), file.string()));
}

// The same for a folder the save writes into: its files could not be replaced.
void RefuseReadOnlyFolder(const fs::path& folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return;
    if ((info.st_mode & 0222) == 0 || ::access(folder.c_str(), W_OK) != 0)
        throw TContentError(FillText(TContentText::tr("cannot save: the folder %1 is read-only; nothing was changed"),
                                     folder.string()));
}

unsigned ModeOf(const fs::path& file, unsigned fallback)
{
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? unsigned(info.st_mode & 07777) : fallback;
}

// One file of the save: its new content waits beside the target until every file is ready.
struct TPending {
    fs::path Target;
    fs::path Temporary;
    fs::path Backup;     // a second name of the old file, to put it back
    bool Existed { false };
    bool Renamed { false };
};

fs::path MakeTemporary(const fs::path& target, const std::string& content, unsigned mode)
{
    std::string name = (target.parent_path() / ("." + target.filename().string() + ".new-XXXXXX")).string();
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        throw TContentError(FillText(TContentText::tr("cannot save into %1: %2; nothing was changed"),
                                     target.parent_path().string(), ErrorText(errno)));
    bool ok = true;
    int failure = 0;
    for (std::size_t written = 0; ok && written < content.size();) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        failure = ok ? 0 : (n < 0 ? errno : ENOSPC);
        if (ok)
            written += std::size_t(n);
    }
    if (ok && (::fchmod(fd, mode_t(mode)) != 0 || ::fsync(fd) != 0)) {
        ok = false;
        failure = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(name.c_str());
        throw TContentError(FillText(TContentText::tr("cannot write %1: %2; nothing was changed"),
                                     target.string(), ErrorText(failure)));
    }
    return name;
}

std::string ReadWhole(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw TContentError(FillText(TContentText::tr("cannot read %1: %2"), file.string(), ErrorText(errno)));
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw TContentError(FillText(TContentText::tr("cannot read %1"), file.string()));
    return content;
}

// Every file of the save, replaced together.
class TSave {
public:
    ~TSave() { Undo(); }

    void Add(const fs::path& target, const std::string& content, unsigned mode)
    {
        TPending pending;
        pending.Target = target;
        std::error_code error;
        pending.Existed = fs::exists(fs::symlink_status(target, error));
        pending.Temporary = MakeTemporary(target, content, mode);
        m_files.push_back(std::move(pending));
    }
    // The temporary file of the last one added, to finish it in place.
    const fs::path& LastTemporary() const { return m_files.back().Temporary; }

    void Commit()
    {
        for (TPending& file : m_files)
            if (file.Existed)
                file.Backup = Backup(file.Target);
        for (TPending& file : m_files) {
            if (::rename(file.Temporary.c_str(), file.Target.c_str()) != 0)
                throw TContentError(FillText(TContentText::tr("cannot replace %1: %2; nothing was changed"),
                                             file.Target.string(), ErrorText(errno)));
            file.Renamed = true;
        }
        for (TPending& file : m_files)
            if (!file.Backup.empty())
                ::unlink(file.Backup.c_str());
        SyncFolders();
        m_files.clear();
    }

private:
    // A hard link to the old file: renaming the new one over it leaves the old content here.
    static fs::path Backup(const fs::path& target)
    {
        const fs::path backup = target.parent_path() / ("." + target.filename().string() + ".old-" + std::to_string(::getpid()));
        ::unlink(backup.c_str());
        if (::link(target.c_str(), backup.c_str()) != 0)
            throw TContentError(FillText(TContentText::tr("cannot save into %1: %2; nothing was changed"),
                                         target.parent_path().string(), ErrorText(errno)));
        return backup;
    }

    void Undo()
    {
        for (const TPending& file : m_files) {
            if (!file.Renamed) {
                ::unlink(file.Temporary.c_str());
            } else if (!file.Backup.empty()) {
                ::rename(file.Backup.c_str(), file.Target.c_str());
            } else if (!file.Existed) {
                ::unlink(file.Target.c_str());
            }
            if (!file.Renamed && !file.Backup.empty())
                ::unlink(file.Backup.c_str());
        }
        m_files.clear();
    }

    void SyncFolders() const
    {
        std::set<fs::path> folders;
        for (const TPending& file : m_files)
            folders.insert(file.Target.parent_path());
        for (const fs::path& folder : folders) {
            const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd >= 0) {
                ::fsync(fd);
                ::close(fd);
            }
        }
    }

    std::vector<TPending> m_files;
};

std::string ToText(const std::vector<std::byte>& bytes)
{
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool Touches(const TContentChanges& changes, int kind)
{
    return !changes.Replaced[std::size_t(kind)].empty() || !changes.Restored[std::size_t(kind)].empty();
}

// The module of one kind: the replaced resources, the program's own for the restored entries,
// and every other resource of the module that holds the kind's current content, unchanged.
TWrittenModule MakeModule(const TPackBase& base, const TContentTarget& target, int kind, const TContentChanges& changes,
                          const TIniFile* ini, std::vector<std::byte>& image)
{
    const TContentKindInfo& info = Kinds[std::size_t(kind)];
    const TPEResourceId type = info.Picture ? TPEResourceId::Number(RT_RCDATA) : TPEResourceId::Text("WAVE");
    std::vector<TPEResource> resources;
    std::set<std::string> names;
    for (const auto& [entry, item] : changes.Replaced[std::size_t(kind)]) {
        const std::string name = info.Prefix + std::to_string(entry);
        names.insert(name);
        resources.push_back({ type, TPEResourceId::Text(name), PELanguageEnglishUS, item.Data });
    }
    std::set<std::string> restored;
    for (const int entry : changes.Restored[std::size_t(kind)]) {
        const std::string name = info.Prefix + std::to_string(entry);
        if (names.insert(name).second)
            restored.insert(name);
    }
    if (!restored.empty()) {
        const fs::path builtIn = base.BuiltInModule(info.Module,
            TContentText::tr("cannot restore the program's own content").toStdString());
        std::vector<TPEResource> all = KeptResources(builtIn, {});
        for (TPEResource& resource : all)
            if (resource.Name.IsName() && restored.contains(resource.Name.Name))
                resources.push_back(std::move(resource));
    }
    TWrittenModule result;
    result.Path = target.ModulesFolder / (target.ModulePrefix + info.Module);
    result.Changed = int(names.size());
    result.Base = base.CurrentModule(ini, target.ModulesFolder, info.ModulesKey, (target.ModulePrefix + info.Module).c_str());
    std::vector<TPEResource> kept = KeptResources(result.Base, names);
    result.Kept = int(kept.size());
    std::ranges::move(kept, std::back_inserter(resources));
    image = BuildResourceLibrary(resources);
    result.Size = image.size();
    return result;
}

// Points the settings file at the new modules and every changed key at its resource.
void UpdateIni(TIniFile& ini, const TPackBase& base, const TContentTarget& target, const TContentChanges& changes,
               const fs::path& settingsFile)
{
    const fs::path iniFolder = Absolute(settingsFile).parent_path();
    const fs::path outDir = Absolute(target.ModulesFolder);
    std::unique_ptr<TIniFile> builtIn;
    for (int kind = 0; kind < ContentKindCount; ++kind) {
        if (!Touches(changes, kind))
            continue;
        const TContentKindInfo& info = Kinds[std::size_t(kind)];
        const std::string module = target.ModulePrefix + info.Module;
        // a module beside the settings file by its bare name, so the folder can move
        ini.WriteString("Modules", info.ModulesKey, outDir == iniFolder ? module : (outDir / module).string());
        for (const int entry : changes.Restored[std::size_t(kind)]) {
            if (!builtIn)
                builtIn = std::make_unique<TIniFile>(
                    base.ProgramSettingsFile(
                        TContentText::tr("cannot restore the program's own content").toStdString()).string());
            const std::string section = std::to_string(entry);
            ini.WriteString(section, info.FileKey, builtIn->ReadString(section, info.FileKey, ""));
            if (info.TypeKey)
                ini.WriteString(section, info.TypeKey, builtIn->ReadString(section, info.TypeKey, "0"));
        }
        for (const auto& [entry, item] : changes.Replaced[std::size_t(kind)]) {
            const std::string section = std::to_string(entry);
            ini.WriteString(section, info.FileKey, "");
            if (info.TypeKey)
                ini.WriteInteger(section, info.TypeKey, item.TypeCode);
        }
    }
    for (const auto& [entry, caption] : changes.Captions)
        ini.WriteString(std::to_string(entry), "KeyName", caption);
    for (const auto& [entry, values] : changes.EntryValues)
        for (const auto& [key, value] : values)
            ini.WriteString(std::to_string(entry), key, value);
    for (const auto& [key, value] : changes.Settings)
        ini.WriteString("Settings", key, value);
}

TContentWritten Write(const TPackBase& base, const TContentTarget& target, const TContentChanges& changes,
                      bool settingsStarted)
{
    TContentWritten written;
    written.SettingsStarted = settingsStarted;
    std::unique_ptr<TIniFile> ini;
    fs::path iniTarget;
    if (target.SettingsFile) {
        ini = std::make_unique<TIniFile>(target.SettingsFile->string());
        // where a link points, so the link itself stays
        iniTarget = Absolute(*target.SettingsFile);
        RefuseReadOnly(iniTarget);
        RefuseReadOnlyFolder(iniTarget.parent_path());
    }
    // Every module is made before the first file is written, so a current module that cannot
    // be read leaves everything as it was.
    std::vector<std::vector<std::byte>> images;
    for (int kind = 0; kind < ContentKindCount; ++kind) {
        if (!Touches(changes, kind))
            continue;
        images.emplace_back();
        written.Modules.push_back(MakeModule(base, target, kind, changes, ini.get(), images.back()));
        RefuseReadOnly(written.Modules.back().Path);
    }
    TSave save;
    if (!written.Modules.empty()) {
        RefuseReadOnlyFolder(target.ModulesFolder);
        std::error_code error;
        fs::create_directories(target.ModulesFolder, error);
        if (!fs::is_directory(target.ModulesFolder, error))
            throw TContentError(FillText(TContentText::tr("cannot make the folder %1; nothing was changed"),
                                         target.ModulesFolder.string()));
    }
    for (std::size_t i = 0; i < images.size(); ++i)
        save.Add(written.Modules[i].Path, ToText(images[i]), 0644);
    bool iniChanged = !changes.Captions.empty() || !changes.Settings.empty() || !changes.EntryValues.empty();
    for (int kind = 0; kind < ContentKindCount; ++kind)
        iniChanged = iniChanged || Touches(changes, kind);
    if (ini && iniChanged) {
        save.Add(iniTarget, ReadWhole(iniTarget), ModeOf(iniTarget, 0644));
        TIniFile next(save.LastTemporary().string());
        UpdateIni(next, base, target, changes, *target.SettingsFile);
        try {
            next.UpdateFile();
        } catch (const Exception&) {
            next.DiscardChanges();
            throw TContentError(FillText(TContentText::tr("cannot write %1; nothing was changed"), iniTarget.string()));
        }
    }
    save.Commit();
    return written;
}

} // namespace

const TContentKindInfo& ContentKind(int kind) { return Kinds.at(std::size_t(kind)); }

TContentWritten WriteContent(const TPackBase& base, const TContentTarget& target, const TContentChanges& changes)
{
    // A settings file that does not exist yet is the program's own from the start: one holding
    // the changed keys alone would leave every other key without its caption.
    bool started = false;
    if (target.SettingsFile)
        started = base.StartSettings(*target.SettingsFile);
    try {
        return Write(base, target, changes, started);
    } catch (...) {
        std::error_code error;
        if (started)
            fs::remove(*target.SettingsFile, error);
        throw;
    }
}
