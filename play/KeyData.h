#pragma once

#include "paint/KDTypes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TIniFile;

// The content of one key-table entry; each field is read from the key of the same name in
// the entry's section of the settings file.
struct TKeyEntry {
    std::string KeyName;
    std::string SoundFile;
    std::string PatternFile;
    std::uint8_t PatternResType { 0 };
    std::uint8_t Shape { 0 };
    std::int32_t ShapeColorIndex { 0 };
    std::string KeySoundFile;
    std::string PictureFile;
    std::uint8_t PictureResType { 0 };
};

constexpr int KeyEntryCount = 88;
constexpr int DefaultShapeColorIndex = 108; // dark blue (0, 0, 153)

// The key table: folds virtual-key codes into 88 entries and answers, key code in hand,
// which sound to play and what to draw.
class TKeys {
public:
    // Entry number 1..88 of a virtual-key code; unlisted codes (space, 0..7, above 255, ...)
    // share entry 57.
    static int KeyIndex(std::uint16_t key);
    // A virtual-key code of entry 1..88: the lowest code that folds into it (32, space, for
    // the shared entry 57).
    static std::uint16_t KeyOfEntry(int index);

    const TKeyEntry& Entry(int index) const { return m_entries.at(index - 1); }
    TKeyEntry& Entry(int index) { return m_entries.at(index - 1); }

    std::string GetKeyName(std::uint16_t key) const { return EntryOf(key).KeyName; }
    std::string GetSoundFile(std::uint16_t key) const { return EntryOf(key).SoundFile; }
    std::string GetSoundResName(std::uint16_t key) const;
    std::string GetKeySoundFile(std::uint16_t key) const { return EntryOf(key).KeySoundFile; }
    std::string GetKeySoundResName(std::uint16_t key) const;
    std::string GetPatternFile(std::uint16_t key) const { return EntryOf(key).PatternFile; }
    std::uint8_t GetPatternResType(std::uint16_t key) const { return EntryOf(key).PatternResType; }
    std::string GetPatternResName(std::uint16_t key) const;
    std::string GetPictureFile(std::uint16_t key) const { return EntryOf(key).PictureFile; }
    std::uint8_t GetPictureResType(std::uint16_t key) const { return EntryOf(key).PictureResType; }
    std::string GetPictureResName(std::uint16_t key) const;
    std::uint8_t GetShape(std::uint16_t key) const { return EntryOf(key).Shape; }
    TColor GetShapeColor(std::uint16_t key) const;

    bool UseSoundRes(std::uint16_t key) const { return EntryOf(key).SoundFile.empty(); }
    bool UseKeySoundRes(std::uint16_t key) const { return EntryOf(key).KeySoundFile.empty(); }
    bool UsePatternRes(std::uint16_t key) const { return EntryOf(key).PatternFile.empty(); }
    bool UsePictureRes(std::uint16_t key) const { return EntryOf(key).PictureFile.empty(); }

    // Fills entries 1..88 from sections [1]..[88]; missing keys give the defaults.
    void LoadFromIni(const TIniFile& iniFile);
    // Writes KeyName, SoundFile, PatternFile, Shape, ShapeColorIndex, KeySoundFile and
    // PictureFile of every entry; the two picture type codes are only ever read, so what the
    // file holds for them stays as it is.
    void SaveToIni(TIniFile& iniFile) const;

private:
    const TKeyEntry& EntryOf(std::uint16_t key) const { return m_entries[KeyIndex(key) - 1]; }
    std::array<TKeyEntry, KeyEntryCount> m_entries {};
};

// Names of the 14 shapes, by shape number.
extern const std::array<const char*, 14> ShapeNames;

// The one key table and the list of scalable, non-symbol font families, from program start
// to program end.
extern std::unique_ptr<TKeys> KeyTable;
extern std::vector<std::string> FontList;

// Empties FontList, then adds every scalable font family of the screen whose writing systems
// are not only symbols.
void EnumerateFonts();

// The family part of a name as the font database lists it: "C059 [urw]" gives "C059".
std::string FontFamilyName(const std::string& listedName);

// Unit start-up and shut-down: create KeyTable and fill FontList; free both.
void InitKeyData();
void FinalizeKeyData();
