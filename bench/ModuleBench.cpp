// Start-up and shut-down costs of the content modules and the settings file: opening a
// module of 88 sounds and 88 pictures, looking up a resource per key, and loading and saving
// a full Kedoozle.ini through TIniFile.
#include "base/IniFile.h"
#include "resmodule/PEWriter.h"
#include "resmodule/ResourceModule.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int KeyCount = 88;

const fs::path& BenchFolder()
{
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "kdbenchXXXXXX").string();
        return fs::path(::mkdtemp(pattern.data()));
    }();
    return folder;
}

// 88 sounds of 16 KiB and 88 pictures of 8 KiB: the size of a modest content module.
const std::string& ModulePath()
{
    static const std::string path = [] {
        std::vector<TPEResource> resources;
        for (int n = 1; n <= KeyCount; ++n) {
            resources.push_back({ TPEResourceId::Text("WAVE"), TPEResourceId::Text("SOUND_" + std::to_string(n)),
                                  PELanguageEnglishUS, std::vector<std::byte>(16384, std::byte(n)) });
            resources.push_back({ TPEResourceId::Number(RT_RCDATA), TPEResourceId::Text("PICTURE_" + std::to_string(n)),
                                  PELanguageEnglishUS, std::vector<std::byte>(8192, std::byte(n)) });
        }
        const auto image = BuildResourceLibrary(resources);
        const fs::path file = BenchFolder() / "Content.dll";
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
        return file.string();
    }();
    return path;
}

const std::vector<std::string>& SoundNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> result;
        for (int n = 1; n <= KeyCount; ++n)
            result.push_back("sound_" + std::to_string(n)); // lower case: the look-up ignores case
        return result;
    }();
    return names;
}

void BM_OpenModule(benchmark::State& state)
{
    const std::string& path = ModulePath();
    for (auto _ : state) {
        const TModuleHandle module = LoadLibraryA(path);
        benchmark::DoNotOptimize(module);
        FreeLibrary(module);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(fs::file_size(path)));
}
BENCHMARK(BM_OpenModule)->Unit(benchmark::kMicrosecond);

void BM_LookUp88Sounds(benchmark::State& state)
{
    const TModuleHandle module = LoadLibraryA(ModulePath());
    const auto wave = TResourceType::Named("WAVE");
    for (auto _ : state) {
        for (const std::string& name : SoundNames())
            benchmark::DoNotOptimize(FindResourceData(module, wave, name));
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * KeyCount);
    FreeLibrary(module);
}
BENCHMARK(BM_LookUp88Sounds)->Unit(benchmark::kMicrosecond);

void BM_PictureStream(benchmark::State& state)
{
    const TModuleHandle module = LoadLibraryA(ModulePath());
    for (auto _ : state) {
        TResourceStream stream(module, "PICTURE_88", TResourceType::Numeric(RT_RCDATA));
        benchmark::DoNotOptimize(stream.ReadRemaining());
    }
    FreeLibrary(module);
}
BENCHMARK(BM_PictureStream)->Unit(benchmark::kMicrosecond);

const char* const KeyFields[] = { "KeyName", "SoundFile", "PatternFile", "PatternResType", "Shape",
                                  "ShapeColorIndex", "KeySoundFile", "PictureFile", "PictureResType" };

// A settings file as the program leaves it: Settings, Modules and 88 key sections of 9 keys.
const std::string& SettingsPath()
{
    static const std::string path = [] {
        const fs::path file = BenchFolder() / "Kedoozle.ini";
        std::ofstream out(file);
        out << "[Settings]\nPlayMode=1\nEraseLimit=25\nSound=1\nShowMessages=0\n\n"
               "[Modules]\nSounds=Sounds.dll\nKeys=Keys.dll\nPatterns=Patterns.dll\nPictures=Pictures.dll\n";
        for (int n = 1; n <= KeyCount; ++n) {
            out << "\n[" << n << "]\nKeyName=Key " << n << "\nSoundFile=\nPatternFile=\nPatternResType=" << n % 4
                << "\nShape=" << n % 14 << "\nShapeColorIndex=" << 100 + n << "\nKeySoundFile=\nPictureFile=\n"
                << "PictureResType=" << (n + 1) % 4 << "\n";
        }
        return file.string();
    }();
    return path;
}

void ReadAllSettings(const TIniFile& ini)
{
    benchmark::DoNotOptimize(ini.ReadInteger("Settings", "PlayMode", 0));
    benchmark::DoNotOptimize(ini.ReadInteger("Settings", "EraseLimit", 25));
    benchmark::DoNotOptimize(ini.ReadBool("Settings", "Sound", true));
    benchmark::DoNotOptimize(ini.ReadBool("Settings", "ShowMessages", false));
    for (const char* key : { "Sounds", "Keys", "Patterns", "Pictures" })
        benchmark::DoNotOptimize(ini.ReadString("Modules", key, ""));
    for (int n = 1; n <= KeyCount; ++n) {
        const std::string section = std::to_string(n);
        for (const char* key : KeyFields)
            benchmark::DoNotOptimize(ini.ReadString(section, key, ""));
    }
}

void BM_LoadSettings(benchmark::State& state)
{
    const std::string& path = SettingsPath();
    for (auto _ : state) {
        const TIniFile ini(path);
        ReadAllSettings(ini);
    }
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMicrosecond);

// Writes what the program writes at the end (3 settings, 7 keys per key section), with a
// changed value each round so every round really saves, atomically and synced.
void BM_SaveSettings(benchmark::State& state)
{
    const std::string& path = SettingsPath();
    int round = 0;
    for (auto _ : state) {
        TIniFile ini(path);
        ++round;
        ini.WriteInteger("Settings", "PlayMode", round % 5);
        ini.WriteInteger("Settings", "EraseLimit", 25 + round);
        ini.WriteBool("Settings", "Sound", round % 2 == 0);
        for (int n = 1; n <= KeyCount; ++n) {
            const std::string section = std::to_string(n);
            ini.WriteString(section, "KeyName", "Key " + std::to_string(n));
            ini.WriteString(section, "SoundFile", "");
            ini.WriteString(section, "PatternFile", "");
            ini.WriteInteger(section, "Shape", (n + round) % 14);
            ini.WriteInteger(section, "ShapeColorIndex", 100 + n);
            ini.WriteString(section, "KeySoundFile", "");
            ini.WriteString(section, "PictureFile", "");
        }
        ini.UpdateFile();
    }
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code error;
    fs::remove_all(BenchFolder(), error);
    return 0;
}
