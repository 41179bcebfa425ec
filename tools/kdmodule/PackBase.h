#pragma once

#include "resmodule/PEWriter.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

class TIniFile;

// What `kdmodule pack` starts from, so that every key it does not pack keeps all it had: the
// modules the settings file names where they exist (without a settings file, the modules
// already in the output folder), else the program's built-in modules; a settings file that
// does not exist yet starts as the copy of the program's own that the program makes at its
// first start.
class TPackBase {
public:
    // `programFolder` is the folder --program names, or none: then the tool's own folder when
    // it holds Kedoozle.ini (a program folder carries the tool along), else the installed
    // program's folder seen from the tool's (bin/ -> lib/kedoozle/). Raises TInputError when a
    // folder given holds no Kedoozle.ini.
    explicit TPackBase(const std::optional<std::filesystem::path>& programFolder);

    // The program folder found, or an empty path.
    const std::filesystem::path& ProgramFolder() const { return m_programFolder; }

    // Makes `settingsFile` from the program's Kedoozle.ini when it does not exist; true when
    // it did so. Raises TInputError when it cannot.
    bool StartSettings(const std::filesystem::path& settingsFile) const;

    // The module holding the current content of one kind: [Modules] `modulesKey` of `ini`
    // (a relative name from the settings file's folder, else from the program's, the order in
    // which the installed program looks), without `ini` OUTDIR's `moduleFile`; where that
    // file does not exist, the program's built-in `moduleFile`. Raises TInputError when there
    // is none.
    std::filesystem::path CurrentModule(const TIniFile* ini, const std::filesystem::path& outDir, const char* modulesKey,
                                        const char* moduleFile) const;

private:
    // The program folder; without one, TInputError with `failure` and the way out.
    const std::filesystem::path& RequireProgramFolder(const std::string& failure) const;

    std::filesystem::path m_programFolder;
};

// Every resource of `module` but those named in `replaced`, unchanged. Raises TInputError
// when the file is not a module.
std::vector<TPEResource> KeptResources(const std::filesystem::path& module, const std::set<std::string>& replaced);
