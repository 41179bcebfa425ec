#pragma once

#include "familycontent/ContentWriter.h"
#include "familycontent/PackBase.h"
#include "familycontent/SpeakKeys.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TIniFile;

// What a parent's settings window shows and changes: the play settings in [Settings] and, for
// each of the 88 keys, its picture, pattern, shape, caption, sound and spoken name, each the
// program's own or the family's. Changes stay in this object until Save, which writes the
// user's modules and settings file through the one content writer, whole or not at all;
// dropping the object (or Discard) leaves every file as it was. The program's own modules and
// settings file are only ever read.

// Where a key's content comes from.
enum class TContentOrigin {
    BuiltIn, // the program's own
    Family,  // a picture or recording the parent gave
    Voice,   // a spoken name espeak-ng made in the chosen voice
};

// One kind of a key's content as it is now (changes not yet saved included).
struct TKeyPart {
    std::vector<std::byte> Data; // the resource: picture file bytes or a WAVE; empty when none
    int TypeCode { -1 };         // pictures and patterns: 0 bitmap, 1 GIF, 2 JPEG
    std::string File;            // a loose file the settings name instead of the resource
    TContentOrigin Origin { TContentOrigin::BuiltIn };
};

struct TFamilyKey {
    std::string Caption;
    bool CaptionBuiltIn { true };
    int Shape { 0 };
    int ShapeColorIndex { 0 };
    std::array<TKeyPart, ContentKindCount> Parts; // by TContentKind
};

struct TFamilyPaths {
    std::filesystem::path ProgramFolder; // the program's own Kedoozle.ini and modules (its data folder)
    std::filesystem::path SettingsFile;  // the user's settings file (it need not exist yet)
    std::filesystem::path ModulesFolder; // where the user's modules go
    std::string ModulePrefix;            // see TContentTarget
};

class TFamilySettings {
public:
    // The running program's places: the settings file it reads and writes; the modules beside
    // it, named MyPictures.dll ... when that is the program's own folder.
    static TFamilyPaths PathsForThisUser();

    explicit TFamilySettings(TFamilyPaths paths);
    ~TFamilySettings();
    TFamilySettings(const TFamilySettings&) = delete;
    TFamilySettings& operator=(const TFamilySettings&) = delete;

    // Reads the current state: the user's settings file and modules, else the program's own.
    // Forgets every change not saved. Raises TContentError when the content cannot be read.
    void Load();

    const TFamilyPaths& Paths() const { return m_paths; }

    // [Settings], as text: the value now (changes included), or `defaultValue`.
    std::string Setting(const std::string& key, const std::string& defaultValue) const;
    void SetSetting(const std::string& key, const std::string& value);
    int IntSetting(const std::string& key, int defaultValue) const;
    void SetIntSetting(const std::string& key, int value);
    bool BoolSetting(const std::string& key, bool defaultValue) const;
    void SetBoolSetting(const std::string& key, bool value) { SetIntSetting(key, value ? 1 : 0); }
    // The play settings the program reads today.
    int PlayMode() const { return IntSetting("PlayMode", 0); }
    void SetPlayMode(int mode) { SetIntSetting("PlayMode", mode); }
    bool Sound() const { return BoolSetting("Sound", true); }
    void SetSound(bool on) { SetBoolSetting("Sound", on); }
    bool MousePlay() const { return BoolSetting("MousePlay", true); }
    void SetMousePlay(bool on) { SetBoolSetting("MousePlay", on); }
    int EraseLimit() const { return IntSetting("EraseLimit", 25); }
    void SetEraseLimit(int limit) { SetIntSetting("EraseLimit", limit); }
    // The parent's limits on play (the program reads them in app/PlaySettings): whether the
    // child may change sound and mode during play, and the play time in minutes (0: none).
    bool ChildMayChangeSound() const { return BoolSetting("ChildMayChangeSound", true); }
    void SetChildMayChangeSound(bool may) { SetBoolSetting("ChildMayChangeSound", may); }
    bool ChildMayChangeMode() const { return BoolSetting("ChildMayChangeMode", true); }
    void SetChildMayChangeMode(bool may) { SetBoolSetting("ChildMayChangeMode", may); }
    int PlayTimeLimit() const { return IntSetting("PlayTimeLimit", 0); }
    void SetPlayTimeLimit(int minutes) { SetIntSetting("PlayTimeLimit", minutes); }

    // Entry 1..88 (raises std::out_of_range otherwise).
    const TFamilyKey& Key(int entry) const;
    // The program's own content of a key, for comparison.
    const TFamilyKey& BuiltInKey(int entry) const;

    // Converts `file` as `kdmodule pack` does (pictures upright and no larger than shown,
    // sounds trimmed, evened out, at most five seconds) and gives it to the key. Raises
    // TContentError naming the file and the reason; then the key keeps what it had.
    void AssignFile(int entry, TContentKind kind, const std::filesystem::path& file);
    // A sound or spoken name from samples in memory (mono, -1..1), such as a recording.
    void AssignSamples(int entry, TContentKind kind, std::vector<float> samples, int sampleRate);
    void SetCaption(int entry, const std::string& caption);
    // The program's own content of one kind of a key, of all of a key (caption too), of every key.
    void RestoreBuiltIn(int entry, TContentKind kind);
    void RestoreBuiltIn(int entry);
    void RestoreAllBuiltIn();

    // The espeak-ng voices installed; the voice the spoken names were last made in ("" for the
    // program's own).
    static std::vector<TVoice> Voices() { return InstalledVoices(); }
    std::string Voice() const { return Setting(VoiceKey, ""); }
    // Speaks every key's caption in `voice`, but for the keys with a recording of the parent's
    // own. Entries that could not be spoken keep what they had and are listed in `failures`.
    // Raises TContentError when espeak-ng or the voice is missing.
    void SpeakNames(const std::string& voice, std::map<int, std::string>& failures);

    // Whether anything changed since Load.
    bool Modified() const;
    // Writes every change, whole or not at all, then loads the result. Raises TContentError
    // with a message for the parent (a read-only file or folder among them); then no file
    // changed and the changes are still here to try again.
    TContentWritten Save();
    // Forgets every change: the same as Load.
    void Discard() { Load(); }

    // [Settings] key of the voice of the spoken names; [n] key marking a spoken name as made.
    static constexpr const char* VoiceKey = "SpokenVoice";
    static constexpr const char* EntryVoiceKey = "KeySoundVoice";

private:
    enum class TChange { None, Replace, Restore };
    TKeyPart& Part(int entry, TContentKind kind);
    void Replace(int entry, TContentKind kind, std::vector<std::byte> data, int typeCode, TContentOrigin origin);

    TFamilyPaths m_paths;
    std::array<TFamilyKey, 88> m_builtIn {};
    std::array<TFamilyKey, 88> m_loaded {};
    std::array<TFamilyKey, 88> m_keys {};
    std::array<std::array<TChange, ContentKindCount>, 88> m_changes {};
    std::unique_ptr<TIniFile> m_ini; // the settings as loaded; only ever read
    std::map<std::string, std::string> m_settingChanges;
};
