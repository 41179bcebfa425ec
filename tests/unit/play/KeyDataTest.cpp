#include "play/KeyData.h"

#include "base/IniFile.h"
#include "paint/ColorData.h"
#include "tests/support/FileContents.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

TEST(KeyIndex, FoldsEveryListedCode)
{
    for (int code = 65; code <= 90; ++code)
        EXPECT_EQ(TKeys::KeyIndex(code), code - 64);
    for (int code = 48; code <= 57; ++code)
        EXPECT_EQ(TKeys::KeyIndex(code), code - 21);
    const int oem[] = { 186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222 };
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(TKeys::KeyIndex(oem[i]), 37 + i);
    const std::pair<int, int> singles[] = { { 8, 48 },   { 9, 49 },   { 13, 50 },  { 16, 51 },  { 17, 52 },
                                            { 18, 53 },  { 19, 54 },  { 20, 55 },  { 27, 56 },  { 91, 58 },
                                            { 92, 58 },  { 93, 59 },  { 144, 60 }, { 145, 61 }, { 106, 85 },
                                            { 107, 86 }, { 109, 87 }, { 111, 88 } };
    for (auto [code, entry] : singles)
        EXPECT_EQ(TKeys::KeyIndex(code), entry) << code;
    for (int code = 112; code <= 123; ++code)
        EXPECT_EQ(TKeys::KeyIndex(code), code - 50);
    const int pairs[][3] = { { 74, 12, 101 }, { 75, 33, 105 }, { 76, 34, 99 }, { 77, 35, 97 },
                             { 78, 36, 103 }, { 79, 37, 100 }, { 80, 38, 104 }, { 81, 39, 102 },
                             { 82, 40, 98 },  { 83, 45, 96 },  { 84, 46, 110 } };
    for (const auto& p : pairs) {
        EXPECT_EQ(TKeys::KeyIndex(p[1]), p[0]) << p[1];
        EXPECT_EQ(TKeys::KeyIndex(p[2]), p[0]) << p[2];
    }
}

TEST(KeyIndex, EveryOtherCodeSharesEntry57)
{
    for (int code : { 0, 1, 7, 32, 44, 124, 135, 255, 256, 1000, 65535 })
        EXPECT_EQ(TKeys::KeyIndex(code), 57) << code;
    // Every entry 1..88 is reached by some code below 256.
    std::set<int> entries;
    for (int code = 0; code < 256; ++code)
        entries.insert(TKeys::KeyIndex(code));
    EXPECT_EQ(entries.size(), 88u);
}

TEST(KeyTable, ResourceNamesAndUseResFollowTheEntry)
{
    TKeys keys;
    EXPECT_EQ(keys.GetSoundResName(32), "SOUND_57");
    EXPECT_EQ(keys.GetKeySoundResName(65), "KEY_1");
    EXPECT_EQ(keys.GetPatternResName(103), "PATTERN_78");
    EXPECT_EQ(keys.GetPictureResName(36), "PICTURE_78");
    EXPECT_TRUE(keys.UseSoundRes(65));
    keys.Entry(1).SoundFile = "a.wav";
    keys.Entry(1).PictureFile = "a.bmp";
    EXPECT_FALSE(keys.UseSoundRes(65));
    EXPECT_TRUE(keys.UseKeySoundRes(65));
    EXPECT_FALSE(keys.UsePictureRes(65));
    EXPECT_TRUE(keys.UsePatternRes(65));
    EXPECT_EQ(keys.GetSoundFile(65), "a.wav");
}

class KeyTableIni : public ::testing::Test {
protected:
    std::string Path(const char* name = "Kedoozle.ini") const { return dir.filePath(name).toStdString(); }
    void Write(const std::string& text)
    {
        std::ofstream file(Path());
        file << text;
    }
    QTemporaryDir dir;
};

TEST_F(KeyTableIni, MissingSectionsGiveDefaults)
{
    TKeys keys;
    TIniFile ini(Path());
    keys.LoadFromIni(ini);
    for (int n = 1; n <= 88; ++n) {
        EXPECT_EQ(keys.Entry(n).ShapeColorIndex, 108);
        EXPECT_EQ(keys.Entry(n).Shape, 0);
        EXPECT_TRUE(keys.Entry(n).SoundFile.empty());
    }
    InitColorData(24, 0, 0);
    EXPECT_EQ(keys.GetShapeColor(65), RGB(0, 0, 153));
}

TEST_F(KeyTableIni, NumbersKeepTheirLowEightBits)
{
    Write("[1]\nShape=269\nPatternResType=258\nPictureResType=3\n[2]\nShape=256\n[3]\nShape=14\nShapeColorIndex=-5\n");
    TKeys keys;
    TIniFile ini(Path());
    keys.LoadFromIni(ini);
    EXPECT_EQ(keys.Entry(1).Shape, 13);
    EXPECT_EQ(keys.Entry(1).PatternResType, 2);
    EXPECT_EQ(keys.Entry(1).PictureResType, 3);
    EXPECT_EQ(keys.Entry(2).Shape, 0);
    EXPECT_EQ(keys.Entry(3).Shape, 14);
    EXPECT_EQ(keys.Entry(3).ShapeColorIndex, -5);
}

TEST_F(KeyTableIni, SaveWritesSevenKeysAndLeavesTheTypeCodesAlone)
{
    Write("; my keys\n[1]\nKeyName=A\nPatternResType=2\nExtra=kept\n");
    TKeys keys;
    {
        TIniFile ini(Path());
        keys.LoadFromIni(ini);
        keys.Entry(1).Shape = 12;
        keys.Entry(2).KeyName = "B";
        keys.SaveToIni(ini);
        ini.UpdateFile();
    }
    const std::string text = ReadAll(Path());
    EXPECT_NE(text.find("; my keys"), std::string::npos);
    EXPECT_NE(text.find("PatternResType=2"), std::string::npos);
    EXPECT_NE(text.find("Extra=kept"), std::string::npos);
    EXPECT_EQ(text.find("PictureResType"), std::string::npos);
    EXPECT_NE(text.find("[88]"), std::string::npos);

    TKeys again;
    TIniFile ini(Path());
    again.LoadFromIni(ini);
    EXPECT_EQ(again.Entry(1).KeyName, "A");
    EXPECT_EQ(again.Entry(1).Shape, 12);
    EXPECT_EQ(again.Entry(1).PatternResType, 2);
    EXPECT_EQ(again.Entry(2).KeyName, "B");
    for (const char* key : { "KeyName", "SoundFile", "PatternFile", "Shape", "ShapeColorIndex", "KeySoundFile",
                             "PictureFile" })
        EXPECT_TRUE(ini.ValueExists("88", key)) << key;
    EXPECT_FALSE(ini.ValueExists("88", "PatternResType"));
}

TEST(FontList, HoldsScalableNonSymbolFamilies)
{
    EnumerateFonts();
    ASSERT_FALSE(FontList.empty());
    const bool hasLiberation = std::any_of(FontList.begin(), FontList.end(),
                                           [](const std::string& f) { return f.find("Liberation") == 0; });
    EXPECT_TRUE(hasLiberation);
    for (const std::string& family : FontList) {
        EXPECT_FALSE(QFontDatabase::writingSystems(QString::fromStdString(family)).contains(QFontDatabase::Symbol))
            << family;
    }
}

TEST(FontList, NamesEachFamilyOnce)
{
    // The machine lists several families once per foundry ("C059 [urw]", "C059 [UKWN]").
    EnumerateFonts();
    std::vector<std::string> sorted = FontList;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    for (const std::string& family : FontList)
        EXPECT_EQ(family.find(" ["), std::string::npos) << family;
}

TEST(FontList, FamilyNameDropsOnlyTheFoundry)
{
    EXPECT_EQ(FontFamilyName("C059 [urw]"), "C059");
    EXPECT_EQ(FontFamilyName("Nimbus Sans [URW ]"), "Nimbus Sans");
    EXPECT_EQ(FontFamilyName("Liberation Sans"), "Liberation Sans");
    EXPECT_EQ(FontFamilyName("[odd]"), "[odd]");
    EXPECT_EQ(FontFamilyName("Name [open"), "Name [open");
}
