// What a key press sounds like, heard through SDL's disk audio driver (the device plays
// 44.1 kHz signed 16-bit stereo into a file): each sound here is one constant level, so the
// output tells which sound played and for how long.
#include "app/MainForm.h"

#include "app/KeyThread.h"
#include "app/MainFormUi.h"
#include "app/ProgramPaths.h"
#include "paint/ColorData.h"
#include "platform/Sound.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "play/PlayState.h"
#include "tests/support/LittleEndian.h"
#include "widgetkit/Application.h"
#include "widgetkit/KDCtrls.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int Rate = 44100;
constexpr std::int16_t SoundA = 1111, KeyA = 2222, DefaultLevel = 3333, SoundB = 4444;


// A 16-bit stereo PCM WAV at the device's rate holding one level for `seconds`.
std::vector<std::byte> LevelWav(std::int16_t level, double seconds)
{
    const std::uint32_t frames = std::uint32_t(seconds * Rate);
    std::vector<std::byte> wav;
    for (char c : std::string("RIFF"))
        wav.push_back(std::byte(c));
    Put32(wav, 36 + frames * 4);
    for (char c : std::string("WAVEfmt "))
        wav.push_back(std::byte(c));
    Put32(wav, 16);
    Put16(wav, 1);        // PCM
    Put16(wav, 2);        // stereo
    Put32(wav, Rate);
    Put32(wav, Rate * 4); // bytes per second
    Put16(wav, 4);        // block align
    Put16(wav, 16);       // bits
    for (char c : std::string("data"))
        wav.push_back(std::byte(c));
    Put32(wav, frames * 4);
    for (std::uint32_t i = 0; i < frames * 2; ++i)
        Put16(wav, std::uint16_t(level));
    return wav;
}

void Save(const fs::path& path, const std::vector<std::byte>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class KeySoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShutdownSound();
        folder = fs::path(dir.path().toStdString());
        output = folder / "played.raw";
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        InitColorData(24, 0, 0);
        InitKeyData();
        SetExceptionHandler([](const std::string& message) { ADD_FAILURE() << message; });

        Save(folder / "sound-a.wav", LevelWav(SoundA, 0.2));
        Save(folder / "sound-b.wav", LevelWav(SoundB, 0.2));
        Save(folder / "key-a.wav", LevelWav(KeyA, 0.2));
        const std::string tool = KD_BINARY_DIR "/tools/kdmodule/kdmodule";
        ASSERT_TRUE(fs::exists(tool)) << "build the kdmodule tool first";
        const std::string build = tool + " build '" + (folder / "Sounds.dll").string() + "' WAVE:SOUND_1='" +
                                  (folder / "sound-a.wav").string() + "' WAVE:SOUND_2='" +
                                  (folder / "sound-b.wav").string() + "' >/dev/null && " + tool + " build '" +
                                  (folder / "Keys.dll").string() + "' WAVE:KEY_1='" + (folder / "key-a.wav").string() +
                                  "' >/dev/null";
        ASSERT_EQ(std::system(build.c_str()), 0);
        std::ofstream(folder / "Kedoozle.ini") << "[Settings]\nPlayMode=0\n[Modules]\nSounds=Sounds.dll\nKeys=Keys.dll\n"
                                                   "[3]\nSoundFile=missing.wav\n";
        const auto chime = LevelWav(DefaultLevel, 0.2);
        SetDefaultSoundData(chime);
        SetProgramFolder(folder.string());
        form = std::make_unique<TFrmKedoozle>();
        form->FormCreate();
    }
    void TearDown() override
    {
        form->FormDestroy();
        form.reset();
        ShutdownSound();
        SetDefaultSoundData({});
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        SetProgramFolder("");
        SetExceptionHandler({});
        FinalizeKeyData();
    }

    void Press(std::uint16_t key)
    {
        std::uint16_t down = key, up = key;
        form->FormKeyDown(down);
        form->FormKeyUp(up);
    }

    // Frames of `level` that the device played in the next `duration`; closes the device.
    // When nothing is to be heard the device may never open, so wait only `duration` then.
    std::size_t Heard(std::int16_t level, std::chrono::milliseconds duration = 600ms, bool expectSound = true)
    {
        const auto wanted = std::uintmax_t(duration.count()) * Rate / 1000 * 4;
        const auto end = std::chrono::steady_clock::now() + (expectSound ? std::chrono::milliseconds(20s) : duration);
        std::error_code error;
        while (std::chrono::steady_clock::now() < end && !(fs::exists(output, error) && fs::file_size(output, error) >= wanted))
            std::this_thread::sleep_for(10ms);
        ShutdownSound();
        std::ifstream in(output, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        in.close();
        fs::remove(output);
        std::vector<std::int16_t> samples(bytes.size() / 2);
        if (!samples.empty())
            std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        std::size_t frames = 0;
        for (std::size_t i = 0; i + 1 < samples.size(); i += 2)
            frames += samples[i] == level && samples[i + 1] == level;
        return frames;
    }

    QTemporaryDir dir;
    fs::path folder;
    fs::path output;
    std::unique_ptr<TFrmKedoozle> form;
};

constexpr std::size_t PointTwoSeconds = std::size_t(0.2 * Rate);

} // namespace

TEST_F(KeySoundTest, EachModeSoundsFromItsOwnModule)
{
    Press('A');
    EXPECT_EQ(Heard(SoundA), PointTwoSeconds);
    form->PlayModeClick(form->Ui().PlayModeImage(KeyType));
    Press('A');
    EXPECT_EQ(Heard(KeyA), PointTwoSeconds);
    // Modes with pictures sound from the Sounds module, like ClassicType.
    form->PlayModeClick(form->Ui().PlayModeImage(ShapeType));
    Press('B');
    EXPECT_EQ(Heard(SoundB), PointTwoSeconds);
}

TEST_F(KeySoundTest, MissingSoundsPlayTheDefaultSound)
{
    Press('C'); // its SoundFile is missing
    EXPECT_EQ(Heard(DefaultLevel), PointTwoSeconds);
    Press('D'); // SOUND_4 is not in the module
    EXPECT_EQ(Heard(DefaultLevel), PointTwoSeconds);
}

TEST_F(KeySoundTest, SoundOffIsSilentButStillDraws)
{
    form->ImgSoundClick();
    ASSERT_FALSE(form->Settings().SoundOn);
    const int before = form->PbxDisplay()->State().DrawCount();
    Press('A');
    EXPECT_EQ(form->PbxDisplay()->State().DrawCount(), before + 1);
    EXPECT_EQ(Heard(SoundA, 300ms, false), 0u);
}
