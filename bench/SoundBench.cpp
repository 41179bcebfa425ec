// What a key press pays for its sound on the user-interface thread: PlaySound of a one-second
// 44.1 kHz stereo WAV (176 KB) from memory, from a content module's resource and from a file.
// Decoding, conversion and the audio device are the worker's and the callback's, off this
// thread.
#include "platform/Sound.h"

#include "resmodule/PEWriter.h"
#include "resmodule/ResourceModule.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

void Append(std::vector<std::byte>& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(std::byte((v >> (8 * i)) & 0xFF));
}

// One second of a 440 Hz square wave, 44.1 kHz, 16-bit stereo PCM.
std::vector<std::byte> OneSecondWav()
{
    constexpr std::uint32_t rate = 44100;
    constexpr std::uint32_t dataSize = rate * 4;
    std::vector<std::byte> wav;
    for (char c : std::string("RIFF"))
        wav.push_back(std::byte(c));
    Append(wav, 36 + dataSize, 4);
    for (char c : std::string("WAVEfmt "))
        wav.push_back(std::byte(c));
    Append(wav, 16, 4);
    Append(wav, 1, 2);
    Append(wav, 2, 2);
    Append(wav, rate, 4);
    Append(wav, rate * 4, 4);
    Append(wav, 4, 2);
    Append(wav, 16, 2);
    for (char c : std::string("data"))
        wav.push_back(std::byte(c));
    Append(wav, dataSize, 4);
    for (std::uint32_t i = 0; i < rate; ++i) {
        const std::uint16_t level = (i / 50) % 2 ? 6000 : std::uint16_t(-6000);
        Append(wav, level, 2);
        Append(wav, level, 2);
    }
    return wav;
}

void BM_PlaySoundFromMemory(benchmark::State& state)
{
    const auto wav = OneSecondWav();
    for (auto _ : state)
        PlaySoundData(wav, SND_ASYNC);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(wav.size()));
}
BENCHMARK(BM_PlaySoundFromMemory)->Unit(benchmark::kMicrosecond);

void BM_PlaySoundFromModule(benchmark::State& state)
{
    const auto path = std::filesystem::temp_directory_path() / ("kd-soundbench-" + std::to_string(getpid()) + ".dll");
    {
        TPEResource sound { TPEResourceId::Text("WAVE"), TPEResourceId::Text("SOUND_1"), PELanguageEnglishUS,
                            OneSecondWav() };
        const auto image = BuildResourceLibrary({ sound });
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.data()),
                                                    std::streamsize(image.size()));
    }
    const TModuleHandle module = LoadLibraryA(path.string());
    if (!module)
        state.SkipWithError("module did not load");
    for (auto _ : state)
        PlaySound("SOUND_1", module, SND_RESOURCE | SND_ASYNC);
    FreeLibrary(module);
    std::filesystem::remove(path);
}
BENCHMARK(BM_PlaySoundFromModule)->Unit(benchmark::kMicrosecond);

void BM_PlaySoundFromFile(benchmark::State& state)
{
    const auto path = std::filesystem::temp_directory_path() / ("kd-soundbench-" + std::to_string(getpid()) + ".wav");
    {
        const auto wav = OneSecondWav();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(wav.data()),
                                                    std::streamsize(wav.size()));
    }
    for (auto _ : state)
        PlaySound(path.string(), 0, SND_FILENAME | SND_ASYNC);
    ShutdownSound();
    std::filesystem::remove(path);
}
BENCHMARK(BM_PlaySoundFromFile)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // A real device would make the numbers depend on the machine's audio server.
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ShutdownSound();
    return 0;
}
