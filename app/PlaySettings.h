#pragma once

#include "play/PlayState.h"

class TIniFile;

// The player's settings in [Settings] of the settings file, and the content modules its
// [Modules] names. Play mode, erase limit and sound are written back at exit; messages, mouse
// play and a parent's limits are only read.
class TPlaySettings {
public:
    bool SoundOn { true };
    bool ShowMessages { false };
    // Whether clicks and drags on the play surfaces draw.
    bool MousePlay { true };
    // Whether the speaker and the play-mode pictures answer the child's clicks. When not,
    // the sound switch and the play mode stay as the parent set them, and are not written
    // back: the file keeps the parent's own lines.
    bool ChildMayChangeSound { true };
    bool ChildMayChangeMode { true };
    // How long play lasts before the surfaces rest, in seconds; 0 for no limit.
    int PlayTimeLimitSeconds { 0 };

    // The limit in seconds from PlayTimeLimit (minutes: 0 or less is no limit, 1 to 4 is
    // 5 minutes, above 60 is 60) and PlayTimeLimitSeconds (for tests and trying it out: any
    // count above 0 wins over the minutes, at most an hour).
    static int PlayTimeLimitFrom(int minutes, int seconds);

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
