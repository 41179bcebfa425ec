#pragma once

#include <string>

// Where the program keeps its settings and finds its content modules.
//
// The data folder holds the default settings file, the content modules and License.txt. Run
// from a folder of its own (a build's dist/, a copied folder), that is the program's folder.
// Installed under a prefix, the program lives in <prefix>/lib/kedoozle and its data in
// <prefix>/share/kedoozle, where the program looks first.
//
// Portable: when this user may write the data folder, the settings file Kedoozle.ini
// lives there, and a module given by a bare file name is found there (start-up makes it the
// current directory). A read-only Kedoozle.ini in such a folder is a parent's lock on the
// settings: the place stays the same.
//
// Installed: when the program's folder is read-only to this user (a system-wide install),
// the settings file is the user's own copy, $XDG_CONFIG_HOME/kedoozle/Kedoozle.ini
// (~/.config/kedoozle/ when unset), made on first use from the data folder's file; a
// module given by a bare name is looked for in that folder first, then in the data folder.
// The licence text always stays in the data folder.

// The running program's folder with a trailing '/', or the folder set by SetProgramFolder.
std::string ProgramFolder();
// Points the program at another folder (tests); an empty text restores the real one.
void SetProgramFolder(const std::string& folder);
// The folder SetProgramFolder set, or an empty text.
std::string ProgramFolderSet();

// The data folder with a trailing '/': the installed data folder when it exists beside the
// program's (KD_DATA_FROM_PROGRAM, ../../share/kedoozle), otherwise the program's folder.
std::string DataFolder();

// Whether this user may write the data folder. A folder with no write permission bits
// at all counts as read-only for the superuser too.
bool IsPortable();

// $XDG_CONFIG_HOME/kedoozle/ (only an absolute XDG_CONFIG_HOME counts), else
// $HOME/.config/kedoozle/, with a trailing '/'.
std::string UserSettingsFolder();

// The settings file, read at start and written at the end.
std::string SettingsFilePath();

// The file to read the settings from. Installed, the user's copy is made first from the
// data folder's file when it does not exist yet; while it cannot be made, the data
// folder's file is read, so play starts with the content a parent set up.
std::string SettingsFileToRead();

// Makes the user's copy of the settings file from the data folder's file when the program
// is installed and the copy does not exist yet. A failure is left for the save at the end to
// report, with the file's name.
void SeedUserSettings();

// Makes `settingsFile` a copy of the data folder's settings file when nothing is there yet
// (a dangling link counts as something), as the first start does for the user's copy; the
// content tool starts a settings file the same way. Missing folders are made private to the
// user. The copy is written whole or not at all and is writable by the user whatever the
// data folder's file allows. Whether `settingsFile` exists afterwards.
bool SeedSettingsFile(const std::string& settingsFile);

// The file to open for a module entry of the settings file. Installed, a bare file name that
// names a file in the user's settings folder gives that file; every other name is kept as it
// is and resolves against the program's folder.
std::string ModulePath(const std::string& name);
