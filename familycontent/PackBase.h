#pragma once

#include "resmodule/PEWriter.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

class TIniFile;

// What a change of the family's content starts from, so that every key it does not change
// keeps all it had: the modules the settings file names where they exist (without a settings
// file, the modules already in the output folder), else the program's built-in modules; a
// settings file that does not exist yet starts as the copy of the program's own that the
// program makes at its first start.
class TPackBase {
public:
    // `programFolder`: the folder of the program and its Kedoozle.ini, or an empty path when
    // it is not known (then only what the settings file names can be kept).
    explicit TPackBase(const std::filesystem::path& programFolder);

    // Whether `folder` holds the program's Kedoozle.ini.
    static bool IsProgramFolder(const std::filesystem::path& folder);

    // The program folder, or an empty path.
    const std::filesystem::path& ProgramFolder() const { return m_programFolder; }
    // The program's own settings file; raises TContentError without a program folder.
    std::filesystem::path ProgramSettingsFile(const std::string& failure) const;
    // The program's own module `moduleFile`; raises TContentError when it does not exist.
    std::filesystem::path BuiltInModule(const char* moduleFile, const std::string& failure) const;

    // Makes `settingsFile` from the program's Kedoozle.ini when it does not exist; true when
    // it did so. Raises TContentError when it cannot.
    bool StartSettings(const std::filesystem::path& settingsFile) const;

    // The module holding the current content of one kind: [Modules] `modulesKey` of `ini`
    // (a relative name from the settings file's folder, else from the program's, the order in
    // which the installed program looks), without `ini` OUTDIR's `moduleFile`; where that
    // file does not exist, the program's built-in `moduleFile`. Raises TContentError when
    // there is none.
    std::filesystem::path CurrentModule(const TIniFile* ini, const std::filesystem::path& outDir, const char* modulesKey,
                                        const char* moduleFile) const;

private:
    // The program folder; without one, TContentError with `failure` and the way out.
    const std::filesystem::path& RequireProgramFolder(const std::string& failure) const;

    std::filesystem::path m_programFolder;
};

// Every resource of `module` but those named in `replaced`, unchanged. Raises TContentError
// when the file is not a module.
std::vector<TPEResource> KeptResources(const std::filesystem::path& module, const std::set<std::string>& replaced);
