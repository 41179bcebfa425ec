// A parent's pack of what a phone holds: 100 photos (4000 x 3000 JPEG, half of them taken
// upright and so turned by EXIF) and 50 voice memos (AAC in M4A, about ten seconds each), made
// here, packed by the kdmodule tool into picture, pattern and sound modules. Reports the wall
// time and the tool's peak resident memory; the goal is under 20 s and 300 MB on two cores.
#include "familycontent/PackKeys.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Photos = 100;
constexpr int Memos = 50;
constexpr int DistinctPhotos = 10; // the rest are copies: decoding costs the same
constexpr int DistinctMemos = 10;

const fs::path& BenchFolder()
{
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "kdpackbenchXXXXXX").string();
        return fs::path(::mkdtemp(pattern.data()));
    }();
    return folder;
}

// A file name for each key the tool knows, checked against its own key names.
std::string KeyName(int entry)
{
    if (entry <= 26)
        return std::string(1, char('a' + entry - 1));
    if (entry <= 36)
        return std::string(1, char('0' + entry - 27));
    std::string caption = PackDefaultCaption(entry);
    std::ranges::transform(caption, caption.begin(), [](unsigned char c) { return c == ' ' ? '-' : char(std::tolower(c)); });
    if (PackKeyOfName(caption) == entry && caption.find('/') == std::string::npos && caption != "." && caption != "..")
        return caption;
    // the names list gives every key's names; the last one of its line is a plain word
    const std::string list = PackNameList();
    const std::string start = std::to_string(entry) + " ";
    for (std::size_t at = 0; at < list.size();) {
        const std::size_t end = std::min(list.find('\n', at), list.size());
        std::string line = list.substr(at, end - at);
        at = end + 1;
        line.erase(0, line.find_first_not_of(' '));
        if (!line.starts_with(start))
            continue;
        const std::size_t comma = line.rfind(", ");
        const std::string name = comma == std::string::npos ? line.substr(line.find_last_of(' ') + 1) : line.substr(comma + 2);
        if (PackKeyOfName(name) == entry)
            return name;
    }
    throw std::runtime_error("no file name for key " + std::to_string(entry));
}

// Sky, ground and fine grain: a camera JPEG of a few megabytes.
QByteArray PhotoJpeg(int variant, bool upright)
{
    QImage image(4000, 3000, QImage::Format_RGB32);
    std::uint32_t state = 7919u * std::uint32_t(variant + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const bool sky = y < 1200 + 200 * variant / DistinctPhotos;
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            const int grain = int(state >> 28) - 8;
            line[x] = sky ? qRgb(std::clamp(90 + y / 20 + grain, 0, 255), std::clamp(140 + y / 25 + grain, 0, 255),
                                 std::clamp(230 + grain, 0, 255))
                          : qRgb(std::clamp(60 + (x * 7 + y * 3) % 90 + grain, 0, 255),
                                 std::clamp(120 + (x / 9 + y / 5) % 70 + grain, 0, 255), std::clamp(50 + grain, 0, 255));
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.write(image);
    if (upright) {
        // EXIF: turn a quarter clockwise, as a phone held upright stores it
        const unsigned char exif[] = { 0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 0x2A, 0, 8, 0, 0, 0, 1, 0,
                                       0x12, 0x01, 3, 0, 1, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0 };
        jpeg.insert(2, reinterpret_cast<const char*>(exif), sizeof exif);
    }
    return jpeg;
}

// Ten seconds of a voice-like sound: a wavering pitch with its overtones, in syllables, over
// room noise; mono AAC at 48 kHz as phones record it.
void WriteMemo(const fs::path& path, int variant)
{
    const int pitch = 120 + 15 * variant;
    const QString voice = QString("aevalsrc=0.25*(sin(2*PI*%1*(1+0.08*sin(2*PI*0.9*t))*t)+0.5*sin(4*PI*%1*t)"
                                  "+0.25*sin(6*PI*%1*t))*(0.55+0.45*sin(2*PI*3.3*t))+0.01*(random(0)-0.5):s=48000:d=10")
                              .arg(pitch);
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", { "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i", voice, "-c:a", "aac", "-b:a",
                             "64k", QString::fromStdString(path.string()) });
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        throw std::runtime_error("ffmpeg could not make " + path.string() + ": " + ffmpeg.readAllStandardError().toStdString());
}

// The pack folder: 88 photos for the pictures and 12 for the patterns, 50 memos for sounds.
const fs::path& PackFolder()
{
    static const fs::path folder = [] {
        const fs::path pack = BenchFolder() / "phone";
        const fs::path made = BenchFolder() / "made";
        for (const char* sub : { "pictures", "patterns", "sounds" })
            fs::create_directories(pack / sub);
        fs::create_directories(made);
        for (int v = 0; v < DistinctPhotos; ++v) {
            const QByteArray jpeg = PhotoJpeg(v, v % 2 == 1);
            std::ofstream(made / ("photo" + std::to_string(v) + ".jpg"), std::ios::binary).write(jpeg.constData(), jpeg.size());
        }
        for (int v = 0; v < DistinctMemos; ++v)
            WriteMemo(made / ("memo" + std::to_string(v) + ".m4a"), v);
        for (int n = 0; n < Photos; ++n) {
            const int entry = n < 88 ? n + 1 : n - 88 + 1;
            const fs::path sub = pack / (n < 88 ? "pictures" : "patterns");
            fs::copy_file(made / ("photo" + std::to_string(n % DistinctPhotos) + ".jpg"), sub / ("IMG-" + KeyName(entry) + ".jpg"));
        }
        for (int n = 0; n < Memos; ++n)
            fs::copy_file(made / ("memo" + std::to_string(n % DistinctMemos) + ".m4a"),
                          pack / "sounds" / ("memo-" + KeyName(n + 1) + ".m4a"));
        return pack;
    }();
    return folder;
}

struct TPackRun {
    double Seconds { 0 };
    long PeakKilobytes { 0 };
    std::string Out;
};

// The tool as a process of its own, so its peak memory is its own.
TPackRun RunPack(const fs::path& out)
{
    const std::string folder = PackFolder().string();
    const std::string outDir = out.string();
    const fs::path log = BenchFolder() / "pack.log";
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        std::FILE* sink = std::freopen(log.c_str(), "w", stdout);
        (void)sink;
        execl(KD_KDMODULE_PATH, "kdmodule", "pack", folder.c_str(), outDir.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    TPackRun run;
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    run.PeakKilobytes = usage.ru_maxrss;
    std::ifstream in(log);
    run.Out.assign(std::istreambuf_iterator<char>(in), {});
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("kdmodule pack failed:\n" + run.Out);
    return run;
}

void BM_PackPhonePhotosAndVoiceMemos(benchmark::State& state)
{
    PackFolder();
    double peak = 0;
    for (auto _ : state) {
        const fs::path out = BenchFolder() / "out";
        fs::remove_all(out);
        const TPackRun run = RunPack(out);
        state.SetIterationTime(run.Seconds);
        peak = std::max(peak, double(run.PeakKilobytes) / 1024.0);
        if (run.Out.find("Packed: 88 pictures, 12 patterns, 50 sounds") == std::string::npos)
            state.SkipWithError(("not everything was packed:\n" + run.Out).c_str());
    }
    state.counters["peak_MB"] = peak;
    state.counters["files"] = Photos + Memos;
    std::uintmax_t bytes = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(PackFolder() / "pictures"))
        bytes += entry.file_size();
    state.counters["photo_MB"] = double(bytes) / 88 / 1024 / 1024;
}
BENCHMARK(BM_PackPhonePhotosAndVoiceMemos)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code error;
    fs::remove_all(BenchFolder(), error);
    return 0;
}
