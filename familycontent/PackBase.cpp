#include "familycontent/PackBase.h"

#include "app/ProgramPaths.h"
#include "base/IniFile.h"
#include "familycontent/ContentError.h"
#include "resmodule/ResourceModule.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

constexpr const char* SettingsFileTitle = "Kedoozle.ini";

bool IsFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

fs::path Canonical(const fs::path& path)
{
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(fs::absolute(path), error);
    return error ? fs::absolute(path) : canonical;
}

TPEResourceId IdOf(int id, const std::string& name)
{
    return name.empty() ? TPEResourceId::Number(std::uint16_t(id)) : TPEResourceId::Text(name);
}

} // namespace

TPackBase::TPackBase(const fs::path& programFolder)
    : m_programFolder(programFolder.empty() ? fs::path() : Canonical(programFolder))
{
}

bool TPackBase::IsProgramFolder(const fs::path& folder) { return IsFile(folder / SettingsFileTitle); }

fs::path TPackBase::ProgramSettingsFile(const std::string& failure) const
{
    return RequireProgramFolder(failure) / SettingsFileTitle;
}

fs::path TPackBase::BuiltInModule(const char* moduleFile, const std::string& failure) const
{
    const fs::path builtIn = RequireProgramFolder(failure) / moduleFile;
    if (!IsFile(builtIn))
        throw TContentError(FillText(TContentText::tr("%1: %2 does not exist"), failure, builtIn.string()));
    return builtIn;
}

const fs::path& TPackBase::RequireProgramFolder(const std::string& failure) const
{
    if (m_programFolder.empty())
        throw TContentError(FillText(TContentText::tr("%1: the program's folder was not found; name it with --program "
                                                      "FOLDER (the folder of the program and its Kedoozle.ini)"),
                                     failure));
    return m_programFolder;
}

bool TPackBase::StartSettings(const fs::path& settingsFile) const
{
    std::error_code error;
    if (fs::exists(fs::symlink_status(settingsFile, error)))
        return false;
    const fs::path folder = RequireProgramFolder(FillText(TContentText::tr("cannot start %1 as the program's own"),
                                                          settingsFile.string()));
    // The program's own first-start copy, pointed at the folder found here.
    const std::string previous = ProgramFolderSet();
    SetProgramFolder(folder.string());
    const bool made = SeedSettingsFile(settingsFile.string());
    SetProgramFolder(previous);
    if (!made)
        throw TContentError(FillText(TContentText::tr("cannot make %1 from %2"),
                                     settingsFile.string(), (folder / SettingsFileTitle).string()));
    return true;
}

fs::path TPackBase::CurrentModule(const TIniFile* ini, const fs::path& outDir, const char* modulesKey,
                                  const char* moduleFile) const
{
    std::string named;
    if (ini) {
        std::string name = ini->ReadString("Modules", modulesKey, "");
        std::ranges::replace(name, '\\', '/');
        if (!name.empty()) {
            fs::path path(name);
            if (!path.has_extension())
                path += ".dll";
            std::vector<fs::path> candidates { path };
            if (path.is_relative()) {
                candidates = { fs::absolute(fs::path(ini->FileName())).parent_path() / path };
                if (!m_programFolder.empty())
                    candidates.push_back(m_programFolder / path);
            }
            for (const fs::path& candidate : candidates)
                if (IsFile(candidate))
                    return candidate;
            named = FillText(TContentText::tr(" (%1, which [Modules] names, does not exist)"), name);
        }
    } else if (IsFile(outDir / moduleFile)) {
        return outDir / moduleFile;
    }
    const std::string failure = FillText(TContentText::tr("cannot keep the content of the keys not packed%1"), named);
    return BuiltInModule(moduleFile, failure);
}

std::vector<TPEResource> KeptResources(const fs::path& module, const std::set<std::string>& replaced)
{
    std::error_code error;
    if (!fs::exists(module, error))
        throw TContentError(FillText(TContentText::tr("cannot read %1: No such file or directory"), module.string()));
    const TModuleHandle handle = LoadLibraryA(module.string());
    if (handle == 0)
        throw TContentError(FillText(TContentText::tr("%1 is not a resource module (not a PE library with resources)"),
                                     module.string()));
    std::vector<TPEResource> kept;
    for (const TResourceInfo& resource : EnumResources(handle)) {
        if (resource.NameId == 0 && replaced.contains(resource.Name))
            continue;
        kept.push_back({ IdOf(resource.Type.Id, resource.Type.Name), IdOf(resource.NameId, resource.Name),
                         resource.Language, std::vector<std::byte>(resource.Data.begin(), resource.Data.end()) });
    }
    FreeLibrary(handle);
    return kept;
}
