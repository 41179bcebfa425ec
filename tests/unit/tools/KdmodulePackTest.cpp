// kdmodule pack, run as a parent runs it: a folder of everyday picture and sound files made
// here, packed into modules that are read back through the program's own picture classes.
#include "base/IniFile.h"
#include "paint/Canvas.h"
#include "pictures/Bitmap.h"
#include "pictures/GIFImage.h"
#include "pictures/JPEGImage.h"
#include "resmodule/ResourceModule.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <gtest/gtest.h>

#include "tests/support/KdmoduleRun.h"
#include "tests/support/SoundFiles.h"
#include "tests/support/TempDir.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

TRun RunTool(const QStringList& arguments) { return RunKdmodule(arguments); }

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

void WriteBytes(const fs::path& path, const QByteArray& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
}

QByteArray Encode(const QImage& image, const char* format, int quality = 90)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

// A JPEG whose EXIF data says: turn 90 degrees clockwise to show it upright.
QByteArray RotatedExifJpeg(const QImage& stored)
{
    QByteArray jpeg = Encode(stored, "jpeg");
    const unsigned char exif[] = { 0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 0x2A, 0, 8, 0, 0, 0, 1, 0,
                                   0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0 };
    jpeg.insert(2, reinterpret_cast<const char*>(exif), sizeof exif);
    return jpeg;
}

// A busy, photo-like picture: smooth colour ramps with fine grain.
QImage Photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t state = 12345;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            const int grain = int(state >> 28) - 8;
            line[x] = qRgb(std::clamp(255 * x / width + grain, 0, 255), std::clamp(255 * y / height + grain, 0, 255),
                           std::clamp(128 + grain * 4, 0, 255));
        }
    }
    return image;
}

// A sound file of a tone between quiet, written in the kind `codec` names.
void WriteSound(const fs::path& path, const char* codec, int rate, int channels, double silence, double seconds,
                double level)
{
    const std::string failed = WriteTone(path, { "-c:a", codec }, rate, channels, silence, seconds, level);
    ASSERT_TRUE(failed.empty()) << failed;
}

std::unique_ptr<TGraphic> GraphicForTypeCode(int code)
{
    switch (code) {
    case 0: return std::make_unique<TBitmap>();
    case 1: return std::make_unique<TGIFImage>();
    case 2: return std::make_unique<TJPEGImage>();
    default: return nullptr;
    }
}

// A module's picture read as the play surface reads it, with the type code the settings
// file gives.
std::unique_ptr<TGraphic> LoadPicture(TModuleHandle module, const std::string& name, int typeCode)
{
    std::unique_ptr<TGraphic> graphic = GraphicForTypeCode(typeCode);
    if (!graphic)
        return nullptr;
    TResourceStream stream(module, name, TResourceType::Numeric(RT_RCDATA));
    graphic->LoadFromStream(stream);
    return graphic;
}

// The picture drawn at its own size onto a white background, as PictureType draws it.
QImage Drawn(TGraphic& graphic)
{
    QImage image(graphic.Width(), graphic.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    graphic.Draw(canvas, TRect { 0, 0, graphic.Width(), graphic.Height() });
    return image;
}

bool Near(QRgb a, QRgb b, int tolerance = 40)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

struct TWave {
    int Rate { 0 };
    int Channels { 0 };
    int Bits { 0 };
    std::vector<std::int16_t> Samples;
};

// A WAVE resource as the sound player takes it: RIFF, a PCM format chunk, the samples.
TWave ReadWave(std::span<const std::byte> data)
{
    const auto le = [&](std::size_t at, int bytes) {
        std::uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | std::to_integer<std::uint32_t>(data[at + std::size_t(i)]);
        return value;
    };
    TWave wave;
    EXPECT_GE(data.size(), 44u);
    if (data.size() < 44 || std::memcmp(data.data(), "RIFF", 4) != 0 || std::memcmp(data.data() + 8, "WAVEfmt ", 8) != 0)
        return wave;
    EXPECT_EQ(le(4, 4), data.size() - 8);
    EXPECT_EQ(le(20, 2), 1u) << "PCM";
    wave.Channels = int(le(22, 2));
    wave.Rate = int(le(24, 4));
    wave.Bits = int(le(34, 2));
    EXPECT_EQ(std::memcmp(data.data() + 36, "data", 4), 0);
    const std::size_t count = std::min<std::size_t>(le(40, 4), data.size() - 44) / 2;
    for (std::size_t i = 0; i < count; ++i)
        wave.Samples.push_back(std::int16_t(le(44 + 2 * i, 2)));
    return wave;
}

int PeakOf(const TWave& wave)
{
    int peak = 0;
    for (const std::int16_t s : wave.Samples)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}

std::vector<std::byte> Resource(TModuleHandle module, const char* type, const std::string& name)
{
    const auto data = FindResourceData(module, TResourceType::Named(type), name);
    return data ? std::vector<std::byte>(data->begin(), data->end()) : std::vector<std::byte>();
}

// The "Skipped files" lines of the summary.
std::vector<std::string> SkippedLines(const std::string& out)
{
    std::vector<std::string> lines;
    const std::size_t start = out.find("Skipped files:");
    if (start == std::string::npos)
        return lines;
    std::istringstream in(out.substr(start));
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line) && line.starts_with("  "))
        lines.push_back(line.substr(2, line.find(':') - 2));
    return lines;
}

// Every resource of a module by type and name.
std::map<std::string, std::vector<std::byte>> ModuleResources(const fs::path& path)
{
    std::map<std::string, std::vector<std::byte>> resources;
    const TModuleHandle module = LoadLibraryA(path.string());
    EXPECT_NE(module, 0u) << path;
    for (const TResourceInfo& info : EnumResources(module))
        resources[std::to_string(info.Type.Id) + info.Type.Name + "/" + info.Name] = { info.Data.begin(), info.Data.end() };
    FreeLibrary(module);
    return resources;
}

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// The lines of each section of a settings file, without those naming a key's content, which a
// pack changes for the keys it packs.
std::map<std::string, std::vector<std::string>> SectionsWithoutContent(const fs::path& path)
{
    static const std::set<std::string> ContentKeys { "PictureFile", "PictureResType", "PatternFile", "PatternResType",
                                                     "SoundFile", "KeySoundFile" };
    std::map<std::string, std::vector<std::string>> sections;
    std::istringstream in(ReadText(path));
    std::string section, line;
    while (std::getline(in, line)) {
        if (line.starts_with('['))
            section = line;
        else if (!ContentKeys.contains(line.substr(0, line.find('='))))
            sections[section].push_back(line);
    }
    return sections;
}

class KdmodulePack : public ::testing::Test {
protected:
    fs::path Pack() const { return m_dir.Path() / "pack"; }
    fs::path Out() const { return m_dir.Path() / "out"; }
    // A copy of the ready program folder's settings and built-in modules.
    const fs::path& Program()
    {
        if (!fs::exists(m_program)) {
            fs::create_directories(m_program);
            for (const char* file : { "Kedoozle.ini", "Pictures.dll", "Patterns.dll", "Sounds.dll", "Keys.dll" })
                fs::copy_file(fs::path(KD_BINARY_DIR) / "dist" / file, m_program / file);
        }
        return m_program;
    }
    // kdmodule pack for the program folder above; the tool of the build tree has none of its own.
    TRun RunPack(QStringList arguments) { return RunTool(arguments << "--program" << Q(Program())); }

    TTempDir m_dir { "kdpack" };
    fs::path m_program { m_dir.Path() / "program" };
};

TEST_F(KdmodulePack, PicturesComeUprightWithinTheLargestShownSizeAndTheSettingsUseThem)
{
    const fs::path pictures = Pack() / "pictures";
    // a.png: transparent all round a red square
    QImage alpha(300, 200, QImage::Format_ARGB32);
    alpha.fill(Qt::transparent);
    QPainter(&alpha).fillRect(100, 50, 100, 100, Qt::red);
    WriteBytes(pictures / "a.png", Encode(alpha, "png"));
    // b.jpg: stored lying on its side, red on the left; upright the red is on top
    QImage stored(240, 120, QImage::Format_RGB32);
    stored.fill(Qt::blue);
    QPainter(&stored).fillRect(0, 0, 120, 120, Qt::red);
    WriteBytes(pictures / "B.JPG", RotatedExifJpeg(stored));
    // the dog photo, straight from a camera, for the key D
    WriteBytes(pictures / "dog-d.jpg", Encode(Photo(6000, 4000), "jpeg", 85));
    const bool webp = QImageWriter::supportedImageFormats().contains("webp");
    if (webp)
        WriteBytes(pictures / "page-up.webp", Encode(Photo(400, 300), "webp"));
    else
        std::fprintf(stderr, "note: Qt cannot write WebP here; the WebP picture is left out\n");
    const QByteArray png = Encode(Photo(50, 50), "png");
    WriteBytes(pictures / "e.png", png.left(png.size() / 2));
    WriteBytes(pictures / "giraffe.png", png);

    // a settings file with a key and a section of its own; the old module is beside it
    const fs::path iniPath = Out() / "Kedoozle.ini";
    WriteBytes(iniPath, "[Settings]\nPlayMode=3\n[Modules]\nSounds=Tones.dll\n[4]\nKeyName=Dog\nPictureFile=dog.bmp\n"
                        "Shape=7\n[Parent]\nNote=keep me\n");
    const TRun run = RunPack({ "pack", Q(Pack()), Q(Out()), "--ini", Q(iniPath) });
    ASSERT_EQ(run.Code, 0) << run.Err << run.Out;
    EXPECT_EQ(SkippedLines(run.Out), (std::vector<std::string> { "pictures/e.png", "pictures/giraffe.png" })) << run.Out;
    EXPECT_NE(run.Out.find("unknown key name \"giraffe\""), std::string::npos) << run.Out;

    {
        const TIniFile ini(iniPath.string());
        EXPECT_EQ(ini.ReadString("Modules", "Pictures", ""), "Pictures.dll");
        EXPECT_EQ(ini.ReadString("Modules", "Sounds", ""), "Tones.dll");
        EXPECT_FALSE(ini.ValueExists("Modules", "Patterns")) << "nothing was packed for patterns";
        EXPECT_EQ(ini.ReadString("4", "KeyName", ""), "Dog");
        EXPECT_EQ(ini.ReadString("4", "PictureFile", "?"), "") << "the packed picture must win over the file";
        EXPECT_EQ(ini.ReadInteger("4", "Shape", 0), 7);
        EXPECT_EQ(ini.ReadInteger("Settings", "PlayMode", 0), 3);
        EXPECT_EQ(ini.ReadString("Parent", "Note", ""), "keep me");
        EXPECT_FALSE(ini.SectionExists("3")) << "a key without content stays untouched";
    }
    const TIniFile ini(iniPath.string());
    const TModuleHandle module = LoadLibraryA((Out() / "Pictures.dll").string());
    ASSERT_NE(module, 0u);
    const auto picture = [&](int key) {
        return LoadPicture(module, "PICTURE_" + std::to_string(key), ini.ReadInteger(std::to_string(key), "PictureResType", -1));
    };

    const auto a = picture(1);
    ASSERT_TRUE(a);
    EXPECT_EQ(ini.ReadInteger("1", "PictureResType", -1), 1) << "transparency needs GIF";
    const QImage aDrawn = Drawn(*a);
    EXPECT_EQ(aDrawn.size(), QSize(300, 200));
    EXPECT_EQ(aDrawn.pixel(10, 10), qRgb(255, 255, 255)) << "the clear parts show what is beneath";
    EXPECT_EQ(aDrawn.pixel(150, 100), qRgb(255, 0, 0));

    const auto b = picture(2);
    ASSERT_TRUE(b);
    const QImage bDrawn = Drawn(*b);
    EXPECT_EQ(bDrawn.size(), QSize(120, 240)) << "turned upright";
    EXPECT_TRUE(Near(bDrawn.pixel(60, 30), qRgb(255, 0, 0))) << std::hex << bDrawn.pixel(60, 30);
    EXPECT_TRUE(Near(bDrawn.pixel(60, 210), qRgb(0, 0, 255))) << std::hex << bDrawn.pixel(60, 210);

    EXPECT_EQ(ini.ReadInteger("4", "PictureResType", -1), 2) << "a photo is a JPEG";
    const auto d = picture(4);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Width(), 1152);
    EXPECT_EQ(d->Height(), 768);
    const QImage expected = Photo(6000, 4000).scaled(1152, 768, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage dDrawn = Drawn(*d);
    for (const QPoint p : { QPoint(10, 10), QPoint(576, 384), QPoint(1140, 760) })
        EXPECT_TRUE(Near(dDrawn.pixel(p), expected.pixel(p), 24)) << p.x() << "," << p.y();

    if (webp) {
        const auto pageUp = picture(75);
        ASSERT_TRUE(pageUp);
        EXPECT_EQ(Drawn(*pageUp).size(), QSize(400, 300));
    }
    FreeLibrary(module);
    // The settings name no pictures module: the keys not packed keep the program's own pictures.
    const auto builtIn = ModuleResources(Program() / "Pictures.dll");
    const auto first = ModuleResources(Out() / "Pictures.dll");
    EXPECT_EQ(first.size(), builtIn.size());
    EXPECT_EQ(first.at("10/PICTURE_3"), builtIn.at("10/PICTURE_3"));

    // A second pack for one key keeps what the module named now holds for the others.
    fs::remove_all(Pack());
    WriteBytes(Pack() / "pictures" / "c.png", Encode(alpha, "png"));
    const TRun again = RunPack({ "pack", Q(Pack()), Q(Out()), "--ini", Q(iniPath) });
    ASSERT_EQ(again.Code, 0) << again.Err << again.Out;
    const auto merged = ModuleResources(Out() / "Pictures.dll");
    EXPECT_EQ(merged.size(), first.size());
    for (const auto& [name, data] : first)
        EXPECT_EQ(merged.at(name) == data, name != "10/PICTURE_3") << name;
}

// The keys a pack leaves alone keep every resource of the program's built-in modules and their
// whole section of the settings file, whether the pack makes the settings file (before the
// program's first start) or finds the program's first-start copy, whose bare module names lie
// in the program's folder. Packing the same files again changes nothing.
TEST_F(KdmodulePack, KeysNotPackedKeepTheBuiltInContentAndRepackingChangesNothing)
{
    WriteBytes(Pack() / "pictures" / "dog-d.jpg", Encode(Photo(400, 300), "jpeg"));
    WriteBytes(Pack() / "patterns" / "e.png", Encode(Photo(40, 40), "png"));
    WriteSound(Pack() / "sounds" / "b.wav", "pcm_s16le", 22050, 1, 0.0, 0.5, 0.5);
    WriteSound(Pack() / "spoken" / "a.flac", "flac", 22050, 1, 0.0, 0.5, 0.5);
    const std::map<std::string, std::string> packedKeys { { "Pictures.dll", "10/PICTURE_4" },
                                                          { "Patterns.dll", "10/PATTERN_5" },
                                                          { "Sounds.dll", "0WAVE/SOUND_2" },
                                                          { "Keys.dll", "0WAVE/KEY_1" } };
    const auto builtInSections = SectionsWithoutContent(Program() / "Kedoozle.ini");
    const auto files = [](const fs::path& folder) {
        std::map<std::string, std::string> contents;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            contents[entry.path().filename().string()] = ReadText(entry.path());
        return contents;
    };
    std::vector<std::map<std::string, std::string>> results;
    for (const bool firstStartCopy : { false, true }) {
        const fs::path user = m_dir.Path() / (firstStartCopy ? "after" : "before") / "kedoozle";
        const fs::path ini = user / "Kedoozle.ini";
        if (firstStartCopy) {
            fs::create_directories(user);
            fs::copy_file(Program() / "Kedoozle.ini", ini);
        }
        const TRun run = RunPack({ "pack", Q(Pack()), Q(user), "--ini", Q(ini) });
        ASSERT_EQ(run.Code, 0) << run.Err << run.Out;
        EXPECT_NE(run.Out.find("Skipped files: 0\n"), std::string::npos) << run.Out;
        for (const auto& [module, packedName] : packedKeys) {
            const auto builtIn = ModuleResources(Program() / module);
            const auto packed = ModuleResources(user / module);
            EXPECT_EQ(packed.size(), builtIn.size()) << module;
            for (const auto& [name, data] : builtIn)
                EXPECT_EQ(packed.contains(name) && packed.at(name) == data, name != packedName) << module << " " << name;
        }
        EXPECT_EQ(SectionsWithoutContent(ini), builtInSections) << "captions, shapes and every key not packed stay";
        EXPECT_EQ(TIniFile(ini.string()).ReadInteger("4", "PictureResType", -1), 2);

        const auto once = files(user);
        const TRun again = RunPack({ "pack", Q(Pack()), Q(user), "--ini", Q(ini) });
        ASSERT_EQ(again.Code, 0) << again.Err << again.Out;
        EXPECT_TRUE(files(user) == once) << "the second pack of the same files changed something";
        results.push_back(once);
    }
    EXPECT_TRUE(results[0] == results[1]) << "the settings file made by the pack is the program's own";

    // A current module that is not one stops the pack before anything is written.
    const fs::path user = m_dir.Path() / "after" / "kedoozle";
    const auto before = files(user);
    WriteBytes(user / "Sounds.dll", "not a module");
    const TRun broken = RunPack({ "pack", Q(Pack()), Q(user), "--ini", Q(user / "Kedoozle.ini") });
    EXPECT_EQ(broken.Code, 1);
    EXPECT_NE(broken.Err.find("Sounds.dll is not a resource module"), std::string::npos) << broken.Err;
    EXPECT_EQ(ReadText(user / "Pictures.dll"), before.at("Pictures.dll"));
    EXPECT_EQ(ReadText(user / "Kedoozle.ini"), before.at("Kedoozle.ini"));
    // The same before the first start, with a broken module dropped beside the settings to be.
    const fs::path fresh = m_dir.Path() / "fresh" / "Kedoozle.ini";
    WriteBytes(fresh.parent_path() / "Sounds.dll", "not a module");
    EXPECT_EQ(RunPack({ "pack", Q(Pack()), Q(user), "--ini", Q(fresh) }).Code, 1);
    EXPECT_FALSE(fs::exists(fresh)) << "a settings file started for a pack that failed stays behind";
}

TEST_F(KdmodulePack, PatternsAreSmallTilesAndSeamlessOnlyWhenAsked)
{
    QImage halves(200, 100, QImage::Format_RGB32);
    halves.fill(Qt::green);
    QPainter(&halves).fillRect(0, 0, 100, 100, Qt::red);
    WriteBytes(Pack() / "patterns" / "Enter.png", Encode(halves, "png"));

    for (const bool seamless : { false, true }) {
        QStringList arguments { "pack", Q(Pack()), Q(Out()) };
        if (seamless)
            arguments << "--seamless";
        const TRun run = RunPack(arguments);
        ASSERT_EQ(run.Code, 0) << run.Err << run.Out;
        EXPECT_FALSE(fs::exists(Out() / "Pictures.dll")) << "no pictures, no module";
        EXPECT_EQ(RunTool({ "check", Q(Out() / "Patterns.dll") }).Code, 0);
        const TModuleHandle module = LoadLibraryA((Out() / "Patterns.dll").string());
        const auto data = FindResourceData(module, TResourceType::Numeric(RT_RCDATA), "PATTERN_50");
        ASSERT_TRUE(data);
        const int code = std::to_integer<int>((*data)[0]) == 'G' ? 1 : 0;
        const auto tile = LoadPicture(module, "PATTERN_50", code);
        ASSERT_TRUE(tile);
        const QImage image = tile->ToImage();
        FreeLibrary(module);
        EXPECT_EQ(image.size(), QSize(64, 32));
        EXPECT_TRUE(Near(image.pixel(0, 16), qRgb(255, 0, 0)));
        EXPECT_TRUE(Near(image.pixel(63, 16), seamless ? qRgb(255, 0, 0) : qRgb(0, 255, 0)))
            << "seamless " << seamless << ": " << std::hex << image.pixel(63, 16);
    }
}

TEST_F(KdmodulePack, SoundsBecomeShortEvenMonoWavesAndBadOnesAreSkipped)
{
    const fs::path sounds = Pack() / "sounds";
    WriteSound(sounds / "f5.wav", "pcm_s16le", 48000, 2, 0.5, 1.0, 0.3);
    WriteSound(sounds / "space.flac", "flac", 16000, 1, 0.2, 0.5, 0.5);
    WriteSound(sounds / "enter.ogg", "libvorbis", 44100, 1, 0.0, 30.0, 0.2);
    WriteSound(sounds / "up.mp3", "libmp3lame", 44100, 2, 0.3, 0.8, 0.4);
    WriteSound(sounds / "down.opus", "libopus", 48000, 1, 0.3, 0.8, 0.4);
    WriteSound(sounds / "tab.wav", "pcm_s16le", 22050, 1, 0.5, 0.0, 0.0);
    WriteBytes(sounds / "g.wav", "RIFF....WAVE but not really");
    WriteSound(Pack() / "spoken" / "A.wav", "pcm_f32le", 22050, 1, 0.1, 0.6, 1.5);

    const TRun run = RunPack({ "pack", Q(Pack()), Q(Out()) });
    ASSERT_EQ(run.Code, 0) << run.Err << run.Out;
    EXPECT_EQ(SkippedLines(run.Out), (std::vector<std::string> { "sounds/g.wav", "sounds/tab.wav" })) << run.Out;
    EXPECT_NE(run.Out.find("sounds/tab.wav: this sound is silent."), std::string::npos) << run.Out;
    for (const char* name : { "Sounds.dll", "Keys.dll" })
        EXPECT_EQ(RunTool({ "check", Q(Out() / name) }).Code, 0) << name;

    const TModuleHandle module = LoadLibraryA((Out() / "Sounds.dll").string());
    ASSERT_NE(module, 0u);
    const TWave f5 = ReadWave(Resource(module, "WAVE", "SOUND_66"));
    EXPECT_EQ(f5.Channels, 1);
    EXPECT_EQ(f5.Bits, 16);
    EXPECT_EQ(f5.Rate, 44100);
    const double f5Seconds = double(f5.Samples.size()) / f5.Rate;
    EXPECT_GT(f5Seconds, 1.0);
    EXPECT_LT(f5Seconds, 1.2) << "the half seconds of quiet around the tone are trimmed";
    EXPECT_NEAR(PeakOf(f5), 29000, 1000) << "raised to just below full scale";

    const TWave space = ReadWave(Resource(module, "WAVE", "SOUND_57"));
    EXPECT_EQ(space.Rate, 22050);
    EXPECT_NEAR(double(space.Samples.size()) / space.Rate, 0.6, 0.1);

    for (const char* name : { "SOUND_80", "SOUND_82" }) {
        const TWave compressed = ReadWave(Resource(module, "WAVE", name));
        EXPECT_EQ(compressed.Rate, 44100) << name;
        EXPECT_NEAR(double(compressed.Samples.size()) / compressed.Rate, 0.9, 0.15) << name;
    }

    const TWave enter = ReadWave(Resource(module, "WAVE", "SOUND_50"));
    EXPECT_EQ(enter.Rate, 44100);
    EXPECT_EQ(enter.Samples.size(), 5u * 44100) << "cut at five seconds";
    EXPECT_LT(std::abs(enter.Samples.back()), 100) << "faded at the cut";
    FreeLibrary(module);

    const TModuleHandle keys = LoadLibraryA((Out() / "Keys.dll").string());
    const TWave a = ReadWave(Resource(keys, "WAVE", "KEY_1"));
    EXPECT_EQ(a.Rate, 22050);
    EXPECT_NEAR(PeakOf(a), 29000, 1000) << "a clipping recording is brought down";
    FreeLibrary(keys);
}

TEST_F(KdmodulePack, SpeakGivesEveryKeyItsOwnSpokenNameInEachLanguage)
{
    WriteSound(Pack() / "spoken" / "b.flac", "flac", 22050, 1, 0.0, 0.4, 0.5);
    std::set<std::vector<std::byte>> all;
    for (const char* language : { "de", "fr" }) {
        const fs::path out = Out() / language;
        const TRun run = RunPack({ "pack", Q(Pack()), Q(out), "--speak", language });
        ASSERT_EQ(run.Code, 0) << run.Err << run.Out;
        const TModuleHandle module = LoadLibraryA((out / "Keys.dll").string());
        ASSERT_NE(module, 0u);
        std::set<std::vector<std::byte>> spoken;
        for (int key = 1; key <= 88; ++key) {
            const std::vector<std::byte> wave = Resource(module, "WAVE", "KEY_" + std::to_string(key));
            EXPECT_GT(ReadWave(wave).Samples.size(), 2205u) << language << " key " << key;
            spoken.insert(wave);
        }
        FreeLibrary(module);
        EXPECT_EQ(spoken.size(), 88u) << language << ": every key says something of its own";
        all.insert(spoken.begin(), spoken.end());
        EXPECT_EQ(RunTool({ "check", Q(out / "Keys.dll") }).Code, 0);
    }
    EXPECT_EQ(all.size(), 2u * 88 - 1) << "the two languages differ, the recording of B is the same in both";

    const TRun unknown = RunPack({ "pack", Q(Pack()), Q(Out() / "xx"), "--speak", "zz" });
    EXPECT_EQ(unknown.Code, 2);
    EXPECT_NE(unknown.Err.find("no voice"), std::string::npos) << unknown.Err;
    EXPECT_FALSE(fs::exists(Out() / "xx" / "Keys.dll"));
}

TEST_F(KdmodulePack, BadCommandLinesAndFoldersAreRefused)
{
    EXPECT_EQ(RunTool({ "pack", Q(Pack()) }).Code, 2);
    EXPECT_EQ(RunTool({ "pack", Q(Pack()), Q(Out()), "--speak" }).Code, 2);
    EXPECT_EQ(RunTool({ "pack", Q(Pack()), Q(Out()), "--bogus" }).Code, 2);
    EXPECT_EQ(RunTool({ "pack", Q(m_dir.Path() / "missing"), Q(Out()) }).Code, 1);
    // The tool of the build tree finds no program folder of its own to keep the other keys from.
    WriteBytes(Pack() / "pictures" / "a.png", Encode(Photo(20, 20), "png"));
    const TRun homeless = RunTool({ "pack", Q(Pack()), Q(Out()) });
    EXPECT_EQ(homeless.Code, 1);
    EXPECT_NE(homeless.Err.find("--program FOLDER"), std::string::npos) << homeless.Err;
    EXPECT_FALSE(fs::exists(Out() / "Pictures.dll"));
    EXPECT_EQ(RunTool({ "pack", Q(Pack()), Q(Out()), "--program", Q(Pack()) }).Code, 1) << "no Kedoozle.ini there";
}

} // namespace
