#pragma once

#include "play/PlayState.h"

class TIniFile;

// The player's settings in [Settings] of the settings file, and the content modules its
// [Modules] names. Play mode, erase limit and sound are written back at exit; messages and
// mouse play are only read.
class TPlaySettings {
public:
    bool SoundOn { true };
    bool ShowMessages { false };
    // Whether clicks and drags on the play surfaces draw.
    bool MousePlay { true };

    // Reads [Settings] into these fields and the play mode and erase limit of `state`.
    void Read(const TIniFile& iniFile, TPlayState& state);
    // Writes what changes in play, and the key table, to the settings file.
    void Save(const TPlayState& state) const;
    // Removes the temporary files that saves killed halfway left beside the settings file;
    // a save another instance is making keeps its file.
    static void RemoveStaleSaveFiles();

    // Loads the modules [Modules] names (from the program's module folder).
    static void LoadModules(const TIniFile& iniFile, TContentModules& modules);
    static void FreeModules(const TContentModules& modules);

    // Makes the data folder (app/ProgramPaths.h) the working directory, so relative file names in the
    // settings resolve there.
    static void SetWorkingDirectory();
};
