#include "app/PlaySettings.h"

#include "app/ProgramPaths.h"
#include "base/FileReplace.h"
#include "base/IniFile.h"
#include "play/KeyData.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr int ShortestLimitMinutes = 5;
constexpr int LongestLimitMinutes = 60;

std::string WithTrailingSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

} // namespace

void TPlaySettings::Read(const TIniFile& iniFile, TPlayState& state)
{
    state.SetPlayMode(std::uint8_t(iniFile.ReadInteger("Settings", "PlayMode", 0)));
    state.SetEraseLimit(iniFile.ReadInteger("Settings", "EraseLimit", 25));
    SoundOn = iniFile.ReadBool("Settings", "Sound", true);
    ShowMessages = iniFile.ReadBool("Settings", "ShowMessages", false);
    MousePlay = iniFile.ReadBool("Settings", "MousePlay", true);
    ChildMayChangeSound = iniFile.ReadBool("Settings", "ChildMayChangeSound", true);
    ChildMayChangeMode = iniFile.ReadBool("Settings", "ChildMayChangeMode", true);
    PlayTimeLimitSeconds = PlayTimeLimitFrom(iniFile.ReadInteger("Settings", "PlayTimeLimit", 0),
                                             iniFile.ReadInteger("Settings", "PlayTimeLimitSeconds", 0));
}

int TPlaySettings::PlayTimeLimitFrom(int minutes, int seconds)
{
    if (seconds > 0)
        return std::min(seconds, LongestLimitMinutes * 60);
    if (minutes <= 0)
        return 0;
    // A parent who asked for a limit gets the nearest one offered rather than none.
    return std::clamp(minutes, ShortestLimitMinutes, LongestLimitMinutes) * 60;
}

void TPlaySettings::Save(const TPlayState& state) const
{
    SeedUserSettings(); // keeps the modules and keys set up system-wide when the first start could not copy them
    TIniFile iniFile(SettingsFilePath());
    // What the child could not change stays as the parent wrote it, to the letter.
    if (ChildMayChangeMode)
        iniFile.WriteInteger("Settings", "PlayMode", state.PlayMode());
    iniFile.WriteInteger("Settings", "EraseLimit", state.EraseLimit());
    if (ChildMayChangeSound)
        iniFile.WriteBool("Settings", "Sound", SoundOn);
    KeyTable->SaveToIni(iniFile);
    try {
        iniFile.UpdateFile();
    } catch (...) {
        // The failure is told once; the file's release would only try the same write again.
        iniFile.DiscardChanges();
        throw;
    }
}

void TPlaySettings::RemoveStaleSaveFiles() { RemoveStaleReplaceFiles(SettingsFilePath()); }

void TPlaySettings::LoadModules(const TIniFile& iniFile, TContentModules& modules)
{
    struct TModuleKey {
        const char* Key;
        TModuleHandle* Handle;
    };
    const TModuleKey keys[] = {
        { "Sounds", &modules.Sounds },
        { "Keys", &modules.Keys },
        { "Patterns", &modules.Patterns },
        { "Pictures", &modules.Pictures },
    };
    for (const TModuleKey& key : keys) {
        const std::string name = iniFile.ReadString("Modules", key.Key, "");
        if (!name.empty())
            *key.Handle = LoadLibraryA(ModulePath(name));
    }
}

void TPlaySettings::FreeModules(const TContentModules& modules)
{
    for (TModuleHandle module : { modules.Sounds, modules.Keys, modules.Patterns, modules.Pictures }) {
        if (module != 0)
            FreeLibrary(module);
    }
}

void TPlaySettings::SetWorkingDirectory()
{
    std::error_code error;
    const std::string current = WithTrailingSlash(std::filesystem::current_path(error).string());
    const std::string folder = DataFolder();
    if (current != folder)
        std::filesystem::current_path(folder, error); // relative names now resolve here
}
