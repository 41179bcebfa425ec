#include "platform/Sound.h"

#include "resmodule/PEWriter.h"
#include "resmodule/ResourceModule.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

// The sound player runs on SDL's disk driver, which writes everything the device plays (in
// the device format: 44.1 kHz, signed 16-bit, stereo) to a file, so the tests read back what
// was heard.

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int DeviceRate = 44100;

struct TFrame {
    std::int16_t Left;
    std::int16_t Right;
};

void Append16(std::vector<std::byte>& out, std::uint16_t v)
{
    out.push_back(std::byte(v & 0xFF));
    out.push_back(std::byte(v >> 8));
}

void Append32(std::vector<std::byte>& out, std::uint32_t v)
{
    Append16(out, std::uint16_t(v & 0xFFFF));
    Append16(out, std::uint16_t(v >> 16));
}

void AppendTag(std::vector<std::byte>& out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::byte(tag[i]));
}

// A WAV image: RIFF header, the fmt chunk holding `format`, the data chunk holding `data`.
std::vector<std::byte> RiffWav(const std::vector<std::byte>& format, const std::vector<std::byte>& data)
{
    std::vector<std::byte> wav;
    AppendTag(wav, "RIFF");
    Append32(wav, std::uint32_t(4 + 8 + format.size() + 8 + data.size()));
    AppendTag(wav, "WAVE");
    AppendTag(wav, "fmt ");
    Append32(wav, std::uint32_t(format.size()));
    wav.insert(wav.end(), format.begin(), format.end());
    AppendTag(wav, "data");
    Append32(wav, std::uint32_t(data.size()));
    wav.insert(wav.end(), data.begin(), data.end());
    return wav;
}

// A PCM WAV image with a 16-byte fmt chunk.
std::vector<std::byte> MakeWav(int rate, int channels, int bits, const std::vector<std::byte>& data)
{
    std::vector<std::byte> format;
    Append16(format, 1); // PCM
    Append16(format, std::uint16_t(channels));
    Append32(format, std::uint32_t(rate));
    Append32(format, std::uint32_t(rate * channels * bits / 8)); // bytes per second
    Append16(format, std::uint16_t(channels * bits / 8));        // block align
    Append16(format, std::uint16_t(bits));
    return RiffWav(format, data);
}

std::vector<std::byte> StereoWav(const std::vector<TFrame>& frames)
{
    std::vector<std::byte> data;
    for (const TFrame& f : frames) {
        Append16(data, std::uint16_t(f.Left));
        Append16(data, std::uint16_t(f.Right));
    }
    return MakeWav(DeviceRate, 2, 16, data);
}

// A sound of one constant level on both channels: easy to count in the output.
std::vector<std::byte> LevelWav(std::int16_t level, double seconds)
{
    return StereoWav(std::vector<TFrame>(std::size_t(seconds * DeviceRate), TFrame { level, level }));
}

std::size_t LevelFrames(double seconds) { return std::size_t(seconds * DeviceRate); }

void WriteFile(const fs::path& path, const std::vector<std::byte>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShutdownSound();
        FDir = fs::temp_directory_path() / ("kd-sound-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(FDir);
        fs::create_directories(FDir);
        FOutput = FDir / "played.raw";
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", FOutput.c_str(), 1);
        SetDefaultSoundData({});
    }

    void TearDown() override
    {
        ShutdownSound();
        SetDefaultSoundData({});
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        fs::remove_all(FDir);
    }

    fs::path SaveWav(const char* name, const std::vector<std::byte>& wav)
    {
        fs::path path = FDir / name;
        WriteFile(path, wav);
        return path;
    }

    // Waits until the device has played this long (the disk driver writes in real time, so
    // the file's length says how far it got, however busy the machine is).
    void WaitForOutput(std::chrono::milliseconds playedFor)
    {
        const auto wanted = std::uintmax_t(playedFor.count()) * DeviceRate / 1000 * sizeof(TFrame);
        const auto end = std::chrono::steady_clock::now() + 20s;
        std::error_code error;
        while (std::chrono::steady_clock::now() < end) {
            if (fs::exists(FOutput, error) && fs::file_size(FOutput, error) >= wanted)
                return;
            std::this_thread::sleep_for(10ms);
        }
        FAIL() << "the device did not play for " << playedFor.count() << " ms";
    }

    // Lets the device play on, then closes it and takes what it played.
    std::vector<TFrame> Played(std::chrono::milliseconds playFor)
    {
        WaitForOutput(playFor);
        ShutdownSound();
        std::ifstream in(FOutput, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<TFrame> frames(bytes.size() / sizeof(TFrame));
        std::memcpy(frames.data(), bytes.data(), frames.size() * sizeof(TFrame));
        // The next device writes a new file; the old one must not pass for its output.
        in.close();
        fs::remove(FOutput);
        return frames;
    }

    fs::path FDir;
    fs::path FOutput;
};

std::size_t CountLevel(const std::vector<TFrame>& frames, std::int16_t level)
{
    return std::size_t(std::count_if(frames.begin(), frames.end(),
                                     [level](const TFrame& f) { return f.Left == level && f.Right == level; }));
}

bool IsSilent(const std::vector<TFrame>& frames)
{
    return std::all_of(frames.begin(), frames.end(), [](const TFrame& f) { return f.Left == 0 && f.Right == 0; });
}

TEST_F(SoundTest, FilePlaysItsSamplesExactly)
{
    std::vector<TFrame> ramp;
    for (int i = 0; i < 4000; ++i)
        ramp.push_back({ std::int16_t(i * 7 + 1), std::int16_t(-i * 5 - 1) });
    const auto path = SaveWav("ramp.wav", StereoWav(ramp));

    PlaySound(path.string(), 0, SND_FILENAME | SND_ASYNC);
    const auto frames = Played(400ms);

    auto found = std::search(frames.begin(), frames.end(), ramp.begin(), ramp.end(), [](const TFrame& a, const TFrame& b) {
        return a.Left == b.Left && a.Right == b.Right;
    });
    EXPECT_NE(found, frames.end()) << "the WAV's frames do not appear in the output";
}

TEST_F(SoundTest, EightBitMonoIsConvertedToTheDeviceFormat)
{
    std::vector<std::byte> data;
    for (int i = 0; i < 3000; ++i)
        data.push_back(std::byte(i % 2 ? 200 : 40)); // never 128, which is silence
    const auto path = SaveWav("mono8.wav", MakeWav(DeviceRate, 1, 8, data));

    PlaySound(path.string(), 0, SND_FILENAME | SND_ASYNC);
    const auto frames = Played(400ms);

    auto first = std::find_if(frames.begin(), frames.end(), [](const TFrame& f) { return f.Left != 0; });
    ASSERT_GE(std::distance(first, frames.end()), 3000);
    for (int i = 0; i < 3000; ++i, ++first) {
        const double expected = (double(std::to_integer<int>(data[std::size_t(i)])) - 128) / 128 * 32767;
        ASSERT_NEAR(first->Left, expected, 2) << "frame " << i;
        ASSERT_EQ(first->Left, first->Right) << "frame " << i;
    }
}

TEST_F(SoundTest, OtherRatesAreResampledToTheDeviceRate)
{
    std::vector<std::byte> data;
    for (int i = 0; i < 22050 / 5; ++i) // 0.2 s at 22.05 kHz
        Append16(data, 8000);
    const auto path = SaveWav("mono22k.wav", MakeWav(22050, 1, 16, data));

    PlaySound(path.string(), 0, SND_FILENAME | SND_ASYNC);
    const auto frames = Played(600ms);

    const auto nearLevel = std::count_if(frames.begin(), frames.end(), [](const TFrame& f) {
        return std::abs(f.Left - 8000) < 400 && std::abs(f.Right - 8000) < 400;
    });
    EXPECT_NEAR(double(nearLevel), 0.2 * DeviceRate, 100);
}

// IMA ADPCM, mono, 44.1 kHz: each 256-byte block starts with its first sample (the
// predictor) and a step index, then 252 bytes of 4-bit codes for 504 more samples. With step
// index 0 (step 7) a code of 0 changes the sample by 7 >> 3 = 0, so every sample decodes to
// the predictor.
std::vector<std::byte> ConstantImaAdpcmWav(std::int16_t level, int blocks)
{
    constexpr int blockAlign = 256;
    constexpr int samplesPerBlock = (blockAlign - 4) * 2 + 1;
    std::vector<std::byte> data;
    for (int b = 0; b < blocks; ++b) {
        Append16(data, std::uint16_t(level)); // predictor
        data.push_back(std::byte(0));        // step index
        data.push_back(std::byte(0));        // reserved
        data.insert(data.end(), blockAlign - 4, std::byte(0));
    }
    std::vector<std::byte> format;
    Append16(format, 0x11); // IMA ADPCM
    Append16(format, 1);    // mono
    Append32(format, DeviceRate);
    Append32(format, DeviceRate * blockAlign / samplesPerBlock);
    Append16(format, blockAlign);
    Append16(format, 4);    // bits per sample
    Append16(format, 2);    // extra format bytes
    Append16(format, samplesPerBlock);
    return RiffWav(format, data);
}

TEST_F(SoundTest, ImaAdpcmIsDecoded)
{
    const auto path = SaveWav("adpcm.wav", ConstantImaAdpcmWav(1500, 10));
    PlaySound(path.string(), 0, SND_FILENAME | SND_ASYNC);
    const auto frames = Played(400ms);
    // SDL's decoder may round the block's last samples by one step.
    const auto nearLevel = std::count_if(frames.begin(), frames.end(), [](const TFrame& f) {
        return std::abs(f.Left - 1500) <= 2 && f.Left == f.Right;
    });
    EXPECT_EQ(nearLevel, 10 * 505);
}

TEST_F(SoundTest, NewSoundStopsThePlayingOne)
{
    const auto longPath = SaveWav("long.wav", LevelWav(1000, 1.0));
    const auto shortPath = SaveWav("short.wav", LevelWav(-2000, 0.1));

    PlaySound(longPath.string(), 0, SND_FILENAME | SND_ASYNC);
    WaitForOutput(200ms);
    PlaySound(shortPath.string(), 0, SND_FILENAME | SND_ASYNC);
    const auto frames = Played(1500ms);

    EXPECT_GT(CountLevel(frames, 1000), 0u) << "the first sound never started";
    EXPECT_LT(CountLevel(frames, 1000), LevelFrames(0.9)) << "the first sound played on";
    EXPECT_EQ(CountLevel(frames, -2000), LevelFrames(0.1));
    auto lastLong = std::find_if(frames.rbegin(), frames.rend(), [](const TFrame& f) { return f.Left == 1000; });
    auto firstShort = std::find_if(frames.begin(), frames.end(), [](const TFrame& f) { return f.Left == -2000; });
    EXPECT_LT(frames.rend() - lastLong - 1, firstShort - frames.begin()) << "the sounds overlap";
}

TEST_F(SoundTest, MissingFilePlaysTheDefaultSound)
{
    SetDefaultSoundData(LevelWav(3000, 0.1));
    PlaySound((FDir / "no-such.wav").string(), 0, SND_FILENAME | SND_ASYNC);
    EXPECT_EQ(CountLevel(Played(400ms), 3000), LevelFrames(0.1));
}

TEST_F(SoundTest, BadWavPlaysTheDefaultSound)
{
    SetDefaultSoundData(LevelWav(3000, 0.1));
    auto bad = LevelWav(500, 0.1);
    bad.resize(30); // cut inside the fmt chunk
    const auto path = SaveWav("bad.wav", bad);
    PlaySound(path.string(), 0, SND_FILENAME | SND_ASYNC);
    const auto frames = Played(400ms);
    EXPECT_EQ(CountLevel(frames, 3000), LevelFrames(0.1));
    EXPECT_EQ(CountLevel(frames, 500), 0u);
}

TEST_F(SoundTest, FileThatIsNoRegularFileOrTooLargePlaysTheDefaultAtOnce)
{
    SetDefaultSoundData(LevelWav(3000, 0.1));
    // A pipe nobody writes to would keep the player waiting for good, a device may never end.
    const auto pipe = FDir / "pipe.wav";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // A good sound with 64 MiB of trailing bytes (a sparse file) is too large to be read.
    const auto huge = SaveWav("huge.wav", LevelWav(500, 0.1));
    fs::resize_file(huge, std::uintmax_t(64) << 20 | 1);
    for (const std::string& name : { pipe.string(), std::string("/dev/zero"), huge.string() }) {
        PlaySound(name, 0, SND_FILENAME | SND_ASYNC);
        const auto frames = Played(400ms);
        EXPECT_EQ(CountLevel(frames, 3000), LevelFrames(0.1)) << name;
        EXPECT_EQ(CountLevel(frames, 500), 0u) << name;
    }
}

TEST_F(SoundTest, NoDefaultFlagKeepsMissingSoundSilent)
{
    SetDefaultSoundData(LevelWav(3000, 0.1));
    PlaySound((FDir / "no-such.wav").string(), 0, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    EXPECT_TRUE(IsSilent(Played(300ms)));
}

TEST_F(SoundTest, MissingSoundWithoutDefaultIsSilent)
{
    PlaySound((FDir / "no-such.wav").string(), 0, SND_FILENAME | SND_ASYNC);
    EXPECT_TRUE(IsSilent(Played(300ms)));
}

TEST_F(SoundTest, ResourcePlaysFromTheModuleAndMissingOnesPlayTheDefault)
{
    SetDefaultSoundData(LevelWav(3000, 0.1));
    TPEResource sound { TPEResourceId::Text("WAVE"), TPEResourceId::Text("SOUND_1"), PELanguageEnglishUS,
                        LevelWav(1200, 0.1) };
    const auto modulePath = FDir / "Sounds.dll";
    WriteFile(modulePath, BuildResourceLibrary({ sound }));
    const TModuleHandle module = LoadLibraryA(modulePath.string());
    ASSERT_NE(module, 0u);

    PlaySound("sound_1", module, SND_RESOURCE | SND_ASYNC);
    // The module may go away while its sound plays.
    FreeLibrary(module);
    auto frames = Played(400ms);
    EXPECT_EQ(CountLevel(frames, 1200), LevelFrames(0.1));
    EXPECT_EQ(CountLevel(frames, 3000), 0u);

    PlaySound("SOUND_2", module, SND_RESOURCE | SND_ASYNC); // module freed: handle no longer valid
    frames = Played(400ms);
    EXPECT_EQ(CountLevel(frames, 3000), LevelFrames(0.1));
}

TEST_F(SoundTest, ResourceOfNoModulePlaysTheDefault)
{
    SetDefaultSoundData(LevelWav(3000, 0.1));
    PlaySound("SOUND_1", 0, SND_RESOURCE | SND_ASYNC);
    EXPECT_EQ(CountLevel(Played(400ms), 3000), LevelFrames(0.1));
}

TEST_F(SoundTest, SynchronousPlayReturnsWhenTheSoundHasPlayed)
{
    const auto path = SaveWav("level.wav", LevelWav(700, 0.3));
    const auto start = std::chrono::steady_clock::now();
    PlaySound(path.string(), 0, SND_FILENAME);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 250ms);
    EXPECT_EQ(CountLevel(Played(400ms), 700), LevelFrames(0.3));
}

TEST_F(SoundTest, WithoutAudioDeviceNothingPlaysAndNothingFails)
{
    ::setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    const auto path = SaveWav("level.wav", LevelWav(700, 0.3));
    SetDefaultSoundData(LevelWav(3000, 0.1));
    EXPECT_NO_THROW(PlaySound(path.string(), 0, SND_FILENAME | SND_ASYNC));
    // Played synchronously, a sound that cannot play must not keep the caller waiting.
    EXPECT_NO_THROW(PlaySound(path.string(), 0, SND_FILENAME));
    EXPECT_NO_THROW(PlaySound("SOUND_1", 0, SND_RESOURCE | SND_ASYNC));
    ShutdownSound();
    EXPECT_FALSE(fs::exists(FOutput));
}

TEST_F(SoundTest, EmptyNameStopsTheSound)
{
    const auto path = SaveWav("long.wav", LevelWav(1000, 1.0));
    PlaySound(path.string(), 0, SND_FILENAME | SND_ASYNC);
    WaitForOutput(200ms);
    PlaySound("", 0, SND_ASYNC);
    const auto frames = Played(1200ms);
    EXPECT_GT(CountLevel(frames, 1000), 0u);
    EXPECT_LT(CountLevel(frames, 1000), LevelFrames(0.9));
}

TEST_F(SoundTest, QuietDeviceIsClosedAndOpenedAgainForTheNextSound)
{
    SetSoundIdleClose(300ms);
    const auto path = SaveWav("level.wav", LevelWav(700, 0.1));
    PlaySound(path.string(), 0, SND_FILENAME | SND_ASYNC);
    WaitForOutput(100ms);
    // The disk driver writes in real time while the device is open; once it is closed the
    // file stops growing. An open device writes a buffer every 23 ms, so a file that stays the
    // same for a quarter of a second (ten buffers, with room for a busy machine) is closed.
    std::error_code error;
    std::uintmax_t size = 0;
    const auto end = std::chrono::steady_clock::now() + 20s;
    bool still = false;
    while (!still && std::chrono::steady_clock::now() < end) {
        size = fs::file_size(FOutput, error);
        std::this_thread::sleep_for(250ms);
        still = fs::file_size(FOutput, error) == size;
    }
    EXPECT_TRUE(still) << "the device stayed open in silence";
    // The next sound opens the device again (the disk driver starts a new file) and plays.
    PlaySound(path.string(), 0, SND_FILENAME | SND_ASYNC);
    EXPECT_EQ(CountLevel(Played(150ms), 700), LevelFrames(0.1));
    SetSoundIdleClose(10s);
}

} // namespace
