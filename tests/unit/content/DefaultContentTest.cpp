// The default content of the ready program folder: the settings file and the four modules
// that the build generates into dist/. Every key must have its sounds and pictures, and the
// type codes in the settings file must match the data.
#include "base/IniFile.h"
#include "paint/Canvas.h"
#include "pictures/Bitmap.h"
#include "pictures/GIFImage.h"
#include "pictures/JPEGImage.h"
#include "pictures/Metafile.h"
#include "play/KeyData.h"
#include "resmodule/ResourceModule.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>

namespace {

const std::string Dist = std::string(KD_BINARY_DIR) + "/dist/";

std::uint32_t Le32(std::span<const std::byte> b, std::size_t at)
{
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16
        | std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t Le16(std::span<const std::byte> b, std::size_t at) { return std::uint16_t(Le32(b, at) & 0xFFFF); }

bool StartsWith(std::span<const std::byte> data, std::string_view text)
{
    if (data.size() < text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (char(data[i]) != text[i])
            return false;
    return true;
}

// Seconds of sound in a 16-bit PCM WAVE, or a failure naming what is wrong.
::testing::AssertionResult IsPcmWave(std::span<const std::byte> wave, double& seconds)
{
    if (wave.size() < 44 || !StartsWith(wave, "RIFF") || !StartsWith(wave.subspan(8), "WAVEfmt "))
        return ::testing::AssertionFailure() << "not a RIFF WAVE";
    if (Le32(wave, 4) != wave.size() - 8)
        return ::testing::AssertionFailure() << "RIFF size " << Le32(wave, 4) << " for " << wave.size() << " bytes";
    if (Le16(wave, 20) != 1 || Le16(wave, 34) != 16)
        return ::testing::AssertionFailure() << "not 16-bit PCM";
    const std::uint32_t bytesPerSecond = Le32(wave, 28);
    for (std::size_t at = 12; at + 8 <= wave.size();) {
        const std::uint32_t size = Le32(wave, at + 4);
        if (StartsWith(wave.subspan(at), "data")) {
            if (size == 0 || at + 8 + size > wave.size())
                return ::testing::AssertionFailure() << "data chunk of " << size << " bytes";
            seconds = double(size) / bytesPerSecond;
            return ::testing::AssertionSuccess();
        }
        at += 8 + size + (size & 1);
    }
    return ::testing::AssertionFailure() << "no data chunk";
}

// The picture type code the data's signature says: 0 bitmap, 1 GIF, 2 JPEG, 3 metafile.
int SniffTypeCode(std::span<const std::byte> data)
{
    if (StartsWith(data, "BM"))
        return 0;
    if (StartsWith(data, "GIF8"))
        return 1;
    if (data.size() >= 3 && data[0] == std::byte(0xFF) && data[1] == std::byte(0xD8) && data[2] == std::byte(0xFF))
        return 2;
    if (data.size() >= 44 && Le32(data, 0) == 1 && Le32(data, 40) == 0x464D4520) // EMR_HEADER, " EMF"
        return 3;
    if (data.size() >= 22 && Le32(data, 0) == 0x9AC6CDD7) // placeable metafile key
        return 3;
    return -1;
}

std::unique_ptr<TGraphic> GraphicForTypeCode(int code)
{
    switch (code) {
    case 0: return std::make_unique<TBitmap>();
    case 1: return std::make_unique<TGIFImage>();
    case 2: return std::make_unique<TJPEGImage>();
    case 3: return std::make_unique<TMetafile>();
    default: return nullptr;
    }
}

// How many different colours an image shows (stops counting at `enough`).
int ColourCount(const QImage& image, int enough)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            colours.insert(image.pixel(x, y));
            if (int(colours.size()) >= enough)
                return enough;
        }
    return int(colours.size());
}

class DefaultContent : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Sounds = LoadLibraryA(Dist + "Sounds.dll");
        Keys = LoadLibraryA(Dist + "Keys.dll");
        Patterns = LoadLibraryA(Dist + "Patterns.dll");
        Pictures = LoadLibraryA(Dist + "Pictures.dll");
    }
    static void TearDownTestSuite()
    {
        for (TModuleHandle* module : { &Sounds, &Keys, &Patterns, &Pictures }) {
            FreeLibrary(*module);
            *module = 0;
        }
    }

    void SetUp() override
    {
        ASSERT_NE(Sounds, 0u) << "Sounds.dll missing or not a module";
        ASSERT_NE(Keys, 0u) << "Keys.dll missing or not a module";
        ASSERT_NE(Patterns, 0u) << "Patterns.dll missing or not a module";
        ASSERT_NE(Pictures, 0u) << "Pictures.dll missing or not a module";
    }

    static inline TModuleHandle Sounds = 0, Keys = 0, Patterns = 0, Pictures = 0;
    TIniFile Ini { Dist + "Kedoozle.ini" };
};

TEST_F(DefaultContent, SettingsFileStartsClassicWithSoundAndNamesTheModules)
{
    EXPECT_EQ(Ini.ReadInteger("Settings", "PlayMode", -1), 0);
    EXPECT_EQ(Ini.ReadInteger("Settings", "EraseLimit", -1), 25);
    EXPECT_EQ(Ini.ReadInteger("Settings", "Sound", -1), 1);
    EXPECT_EQ(Ini.ReadInteger("Settings", "ShowMessages", -1), 0);
    EXPECT_EQ(Ini.ReadString("Modules", "Sounds", ""), "Sounds.dll");
    EXPECT_EQ(Ini.ReadString("Modules", "Keys", ""), "Keys.dll");
    EXPECT_EQ(Ini.ReadString("Modules", "Patterns", ""), "Patterns.dll");
    EXPECT_EQ(Ini.ReadString("Modules", "Pictures", ""), "Pictures.dll");
}

TEST_F(DefaultContent, EveryEntryHasACaptionAShapeAndABrightColour)
{
    static constexpr std::array<int, 14> dark { 0, 1, 2, 6, 7, 8, 36, 37, 38, 42, 43, 44, 224, 225 };
    std::set<int> shapes;
    for (int n = 1; n <= 88; ++n) {
        const std::string section = std::to_string(n);
        EXPECT_FALSE(Ini.ReadString(section, "KeyName", "").empty()) << n;
        for (const char* key : { "SoundFile", "PatternFile", "KeySoundFile", "PictureFile" }) {
            EXPECT_TRUE(Ini.ValueExists(section, key)) << n << " " << key;
            EXPECT_EQ(Ini.ReadString(section, key, "?"), "") << n << " " << key; // content comes from the modules
        }
        const int shape = Ini.ReadInteger(section, "Shape", -1);
        EXPECT_TRUE(shape >= 0 && shape <= 13) << n;
        shapes.insert(shape);
        const int colour = Ini.ReadInteger(section, "ShapeColorIndex", -1);
        EXPECT_TRUE(colour >= 0 && colour <= 227) << n;
        EXPECT_EQ(std::ranges::count(dark, colour), 0) << "entry " << n << " has the dark colour " << colour;
    }
    EXPECT_EQ(shapes.size(), 14u);
    // captions as a toddler's parent reads them off the keyboard
    EXPECT_EQ(Ini.ReadString("1", "KeyName", ""), "A");
    EXPECT_EQ(Ini.ReadString("26", "KeyName", ""), "Z");
    EXPECT_EQ(Ini.ReadString("27", "KeyName", ""), "0");
    EXPECT_EQ(Ini.ReadString("34", "KeyName", ""), "7");
    EXPECT_EQ(Ini.ReadString("37", "KeyName", ""), ";");
    EXPECT_EQ(Ini.ReadString("38", "KeyName", ""), "=");
    EXPECT_EQ(Ini.ReadString("45", "KeyName", ""), "\\");
    EXPECT_EQ(Ini.ReadString("50", "KeyName", ""), "Enter");
    EXPECT_EQ(Ini.ReadString("57", "KeyName", ""), "Space");
    EXPECT_EQ(Ini.ReadString("66", "KeyName", ""), "F5");
    EXPECT_EQ(Ini.ReadString("78", "KeyName", ""), "Home");
    EXPECT_EQ(Ini.ReadString("85", "KeyName", ""), "*");
}

TEST_F(DefaultContent, EveryKeyHasASoundAndASpokenName)
{
    for (int n = 1; n <= 88; ++n)
        for (auto [module, prefix] : { std::pair { Sounds, "SOUND_" }, std::pair { Keys, "KEY_" } }) {
            const std::string name = prefix + std::to_string(n);
            const auto wave = FindResourceData(module, TResourceType::Named("WAVE"), name);
            ASSERT_TRUE(wave.has_value()) << name;
            double seconds = 0;
            EXPECT_TRUE(IsPcmWave(*wave, seconds)) << name;
            EXPECT_GT(seconds, 0.25) << name;
            EXPECT_LT(seconds, 1.5) << name;
        }
}

TEST_F(DefaultContent, PictureDataMatchesTheTypeCodesOfTheSettingsFile)
{
    std::set<int> pictureCodes, patternCodes;
    for (int n = 1; n <= 88; ++n) {
        const std::string section = std::to_string(n);
        const auto picture = FindResourceData(Pictures, TResourceType::Numeric(RT_RCDATA), "PICTURE_" + section);
        const auto pattern = FindResourceData(Patterns, TResourceType::Numeric(RT_RCDATA), "PATTERN_" + section);
        ASSERT_TRUE(picture.has_value()) << n;
        ASSERT_TRUE(pattern.has_value()) << n;
        const int pictureCode = Ini.ReadInteger(section, "PictureResType", -1);
        const int patternCode = Ini.ReadInteger(section, "PatternResType", -1);
        EXPECT_EQ(SniffTypeCode(*picture), pictureCode) << "PICTURE_" << n;
        EXPECT_EQ(SniffTypeCode(*pattern), patternCode) << "PATTERN_" << n;
        EXPECT_NE(patternCode, 3) << "patterns are tiled as bitmaps, so never metafiles";
        pictureCodes.insert(pictureCode);
        patternCodes.insert(patternCode);
    }
    EXPECT_EQ(pictureCodes, (std::set<int> { 0, 1, 2, 3 }));
    EXPECT_EQ(patternCodes, (std::set<int> { 0, 1, 2 }));
}

// Every picture reads through the program's own picture classes and draws something
// colourful. With KD_CONTENT_SHEET=FILE.png set, the drawings are also saved as one sheet
// (pictures, then each pattern tiled as PatternType fills figures with it) for a look by eye.
TEST_F(DefaultContent, PicturesAndPatternsDecodeAndDrawThroughThePictureClasses)
{
    constexpr int cell = 96;
    QImage sheet(cell * 16, cell * 11, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int n = 1; n <= 88; ++n) {
        const std::string section = std::to_string(n);
        SCOPED_TRACE("entry " + section);
        std::unique_ptr<TGraphic> picture = GraphicForTypeCode(Ini.ReadInteger(section, "PictureResType", -1));
        ASSERT_TRUE(picture);
        TResourceStream pictureStream(Pictures, "PICTURE_" + section, TResourceType::Numeric(RT_RCDATA));
        picture->LoadFromStream(pictureStream);
        EXPECT_GE(picture->Width(), 160);
        EXPECT_LE(picture->Width(), 256);
        EXPECT_EQ(picture->Width(), picture->Height());
        QImage drawn(cell, cell, QImage::Format_RGB32);
        drawn.fill(Qt::black);
        {
            TCanvas canvas(&drawn);
            picture->Draw(canvas, TRect { 0, 0, cell, cell });
        }
        EXPECT_GE(ColourCount(drawn, 3), 3) << "the picture looks empty";

        std::unique_ptr<TGraphic> pattern = GraphicForTypeCode(Ini.ReadInteger(section, "PatternResType", -1));
        ASSERT_TRUE(pattern);
        TResourceStream patternStream(Patterns, "PATTERN_" + section, TResourceType::Numeric(RT_RCDATA));
        pattern->LoadFromStream(patternStream);
        const QImage tile = pattern->ToImage();
        EXPECT_GE(tile.width(), 24);
        EXPECT_LE(tile.width(), 64);
        EXPECT_GE(ColourCount(tile, 3), 3) << "the pattern has no motif";

        const int index = n - 1;
        QPainter painter(&sheet);
        painter.drawImage((index % 8) * cell, (index / 8) * cell, drawn);
        if (!tile.isNull())
            painter.fillRect(QRect((8 + index % 8) * cell + 4, (index / 8) * cell + 4, cell - 8, cell - 8), QBrush(tile));
    }
    const QByteArray sheetPath = qgetenv("KD_CONTENT_SHEET");
    if (!sheetPath.isEmpty()) {
        EXPECT_TRUE(sheet.save(QString::fromLocal8Bit(sheetPath)));
    }
}

} // namespace

TEST_F(DefaultContent, KeySectionsRoundTripThroughTheProgramUnchanged)
{
    QTemporaryDir dir;
    const std::string copy = dir.filePath("Kedoozle.ini").toStdString();
    std::filesystem::copy_file(Dist + "Kedoozle.ini", copy);
    auto read = [](const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    };
    const std::string before = read(copy);
    TKeys keys;
    {
        TIniFile ini(copy);
        keys.LoadFromIni(ini);
        keys.SaveToIni(ini);
        ini.UpdateFile();
    }
    const std::string after = read(copy);
    const auto keySections = [](const std::string& text) { return text.substr(text.find("[1]")); };
    ASSERT_NE(before.find("[1]"), std::string::npos);
    EXPECT_EQ(keySections(after), keySections(before));
    TKeys again;
    again.LoadFromIni(TIniFile(copy));
    for (int n = 1; n <= KeyEntryCount; ++n) {
        EXPECT_EQ(again.Entry(n).KeyName, keys.Entry(n).KeyName);
        EXPECT_EQ(again.Entry(n).PictureResType, keys.Entry(n).PictureResType);
    }
}
