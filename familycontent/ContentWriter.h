#pragma once

#include "familycontent/PackBase.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The one writer of the family's content: the user's four content modules and the settings
// file, as `kdmodule pack` and the settings window change them. It starts from the current
// content (TPackBase), puts in a set of per-key replacements and restorations, and replaces
// every file together: each new file is written beside its target first and only then renamed
// over it, so on any failure nothing changes.

// The four kinds of content a key has in the modules.
enum TContentKind { KindPictures, KindPatterns, KindSounds, KindSpoken };
constexpr int ContentKindCount = 4;

struct TContentKindInfo {
    const char* Module;     // file name of the module
    const char* ModulesKey; // key of [Modules]
    const char* Prefix;     // resource name before the entry number
    const char* FileKey;    // the entry's key naming a loose file instead of the resource
    const char* TypeKey;    // the entry's picture type code key, or nullptr
    bool Picture;
};
const TContentKindInfo& ContentKind(int kind);

// One key's new resource: the data as it goes into the module, and for pictures and
// patterns the type code (0 bitmap, 1 GIF, 2 JPEG).
struct TKeyContent {
    std::vector<std::byte> Data;
    int TypeCode { -1 };
};

struct TContentChanges {
    // Per kind, entry 1..88 -> its new resource.
    std::array<std::map<int, TKeyContent>, ContentKindCount> Replaced;
    // Per kind, the entries that go back to the program's built-in resource and settings.
    std::array<std::set<int>, ContentKindCount> Restored;
    // Entry -> its new caption (KeyName).
    std::map<int, std::string> Captions;
    // Entry -> further keys of its section and their new values.
    std::map<int, std::map<std::string, std::string>> EntryValues;
    // [Settings] key -> its new value; every other line of the settings file stays.
    std::map<std::string, std::string> Settings;
};

struct TContentTarget {
    // The settings file to update; none: only the modules are written.
    std::optional<std::filesystem::path> SettingsFile;
    // Where the modules go.
    std::filesystem::path ModulesFolder;
    // Put before each module's file name ("My" gives MyPictures.dll), so modules written into
    // the program's own folder never take the place of its built-in ones.
    std::string ModulePrefix;
};

struct TWrittenModule {
    std::filesystem::path Path;
    std::filesystem::path Base; // the module the unchanged keys keep their resources from
    std::size_t Size { 0 };
    int Changed { 0 };          // resources replaced or restored
    int Kept { 0 };
};

struct TContentWritten {
    std::vector<TWrittenModule> Modules;
    // The settings file did not exist and was started as the program's own.
    bool SettingsStarted { false };
};

// Writes the modules of every kind `changes` touches and the settings file, whole or not at
// all. A kind with no change keeps its module and its [Modules] entry. Raises TContentError
// naming the file and the reason (a read-only file or folder among them); then every file is
// as it was.
TContentWritten WriteContent(const TPackBase& base, const TContentTarget& target, const TContentChanges& changes);
