#include "play/KeyData.h"

#include "base/IniFile.h"
#include "paint/ColorData.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>


std::unique_ptr<TKeys> KeyTable;
std::vector<std::string> FontList;

const std::array<const char*, 14> ShapeNames = {
    "Circle", "Oval", "Triangle", "Right Triangle", "Square", "Rectangle", "Trapezoid",
    "Diamond", "Pentagon", "Hexagon", "Arrow", "Octagon", "Star", "Cross",
};

namespace {

constexpr int OtherKeysEntry = 57;

// Entries of the codes 0..255; 0 marks codes that fall to the shared entry 57.
constexpr std::array<std::uint8_t, 256> BuildKeyIndexTable()
{
    std::array<std::uint8_t, 256> table {};
    for (int code = 65; code <= 90; ++code)
        table[code] = std::uint8_t(code - 64); // letters
    for (int code = 48; code <= 57; ++code)
        table[code] = std::uint8_t(code - 21); // digit row
    const int oem[] = { 186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222 };
    for (int i = 0; i < 11; ++i)
        table[oem[i]] = std::uint8_t(37 + i);
    table[8] = 48;   // Backspace
    table[9] = 49;   // Tab
    table[13] = 50;  // Enter
    table[16] = 51;  // Shift
    table[17] = 52;  // Ctrl
    table[18] = 53;  // Alt
    table[19] = 54;  // Pause
    table[20] = 55;  // Caps Lock
    table[27] = 56;  // Esc
    table[91] = 58;  // left Windows key
    table[92] = 58;  // right Windows key
    table[93] = 59;  // Applications key
    table[144] = 60; // Num Lock
    table[145] = 61; // Scroll Lock
    for (int code = 112; code <= 123; ++code)
        table[code] = std::uint8_t(code - 50); // F1..F12
    // A keypad digit and the navigation key that shares its place give one entry, whichever
    // code the Num Lock state makes the platform deliver.
    const int pairs[][3] = {
        { 74, 12, 101 }, { 75, 33, 105 }, { 76, 34, 99 }, { 77, 35, 97 }, { 78, 36, 103 },
        { 79, 37, 100 }, { 80, 38, 104 }, { 81, 39, 102 }, { 82, 40, 98 }, { 83, 45, 96 },
        { 84, 46, 110 },
    };
    for (const auto& pair : pairs) {
        table[pair[1]] = std::uint8_t(pair[0]);
        table[pair[2]] = std::uint8_t(pair[0]);
    }
    table[106] = 85; // keypad *
    table[107] = 86; // keypad +
    table[109] = 87; // keypad -
    table[111] = 88; // keypad /
    return table;
}

constexpr auto KeyIndexTable = BuildKeyIndexTable();

std::string ResName(const char* prefix, int index) { return prefix + std::to_string(index); }

} // namespace

int TKeys::KeyIndex(std::uint16_t key)
{
    if (key > 255 || KeyIndexTable[key] == 0)
        return OtherKeysEntry;
    return KeyIndexTable[key];
}

std::uint16_t TKeys::KeyOfEntry(int index)
{
    if (index == OtherKeysEntry)
        return 32;
    for (int key = 0; key < 256; ++key) {
        if (KeyIndexTable[std::size_t(key)] == index)
            return std::uint16_t(key);
    }
    return 32;
}

std::string TKeys::GetSoundResName(std::uint16_t key) const { return ResName("SOUND_", KeyIndex(key)); }
std::string TKeys::GetKeySoundResName(std::uint16_t key) const { return ResName("KEY_", KeyIndex(key)); }
std::string TKeys::GetPatternResName(std::uint16_t key) const { return ResName("PATTERN_", KeyIndex(key)); }
std::string TKeys::GetPictureResName(std::uint16_t key) const { return ResName("PICTURE_", KeyIndex(key)); }

TColor TKeys::GetShapeColor(std::uint16_t key) const { return ColorFromIndex(EntryOf(key).ShapeColorIndex); }

void TKeys::LoadFromIni(const TIniFile& iniFile)
{
    for (int n = 1; n <= KeyEntryCount; ++n) {
        const std::string section = std::to_string(n);
        TKeyEntry& entry = m_entries[n - 1];
        entry.KeyName = iniFile.ReadString(section, "KeyName", "");
        entry.SoundFile = iniFile.ReadString(section, "SoundFile", "");
        entry.PatternFile = iniFile.ReadString(section, "PatternFile", "");
        entry.PatternResType = std::uint8_t(iniFile.ReadInteger(section, "PatternResType", 0));
        entry.Shape = std::uint8_t(iniFile.ReadInteger(section, "Shape", 0));
        entry.ShapeColorIndex = iniFile.ReadInteger(section, "ShapeColorIndex", DefaultShapeColorIndex);
        entry.KeySoundFile = iniFile.ReadString(section, "KeySoundFile", "");
        entry.PictureFile = iniFile.ReadString(section, "PictureFile", "");
        entry.PictureResType = std::uint8_t(iniFile.ReadInteger(section, "PictureResType", 0));
    }
}

void TKeys::SaveToIni(TIniFile& iniFile) const
{
    for (int n = 1; n <= KeyEntryCount; ++n) {
        const std::string section = std::to_string(n);
        const TKeyEntry& entry = m_entries[n - 1];
        iniFile.WriteString(section, "KeyName", entry.KeyName);
        iniFile.WriteString(section, "SoundFile", entry.SoundFile);
        iniFile.WriteString(section, "PatternFile", entry.PatternFile);
        iniFile.WriteInteger(section, "Shape", entry.Shape);
        iniFile.WriteInteger(section, "ShapeColorIndex", entry.ShapeColorIndex);
        iniFile.WriteString(section, "KeySoundFile", entry.KeySoundFile);
        iniFile.WriteString(section, "PictureFile", entry.PictureFile);
    }
}

std::string FontFamilyName(const std::string& listedName)
{
    // Qt lists a family that several foundries provide once per foundry, as "C059 [urw]".
    const std::size_t bracket = listedName.rfind(" [");
    if (bracket == std::string::npos || bracket == 0 || listedName.back() != ']')
        return listedName;
    return listedName.substr(0, bracket);
}

void EnumerateFonts()
{
    FontList.clear();
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families) {
        if (!QFontDatabase::isSmoothlyScalable(family))
            continue;
        // A symbol font would draw a caption as Greek letters or pictographs; fontconfig
        // gives such fonts Latin coverage too, so any symbol writing system excludes them.
        const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
        if (systems.isEmpty() || systems.contains(QFontDatabase::Symbol))
            continue;
        // One entry per family, so no typeface is picked more often than another.
        const std::string name = FontFamilyName(family.toStdString());
        if (std::find(FontList.begin(), FontList.end(), name) == FontList.end())
            FontList.push_back(name);
    }
}

void InitKeyData()
{
    KeyTable = std::make_unique<TKeys>();
    EnumerateFonts();
}

void FinalizeKeyData()
{
    KeyTable.reset();
    FontList.clear();
}
