// Parents' own pictures at their real sizes: a 12000 x 9000 phone photo and a 130-frame
// full-HD GIF animation, each loaded and drawn as large as the biggest picture on a
// 1920 x 1080 play surface. Reports the time per draw and the process's peak memory.
#include "base/Stream.h"
#include "bench/QtBenchMain.h"
#include "paint/Canvas.h"
#include "pictures/GIFImage.h"
#include "pictures/JPEGImage.h"
#include "tests/support/JPEGEncode.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <sys/resource.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>


namespace {

constexpr int TargetWidth = 576;  // 30 % of 1920
constexpr int TargetHeight = 324; // 30 % of 1080

double PeakResidentMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Crossing gradients, compressed row by row: the photo's pixels are never held here.
std::vector<std::byte> PhotoJPEG(int width, int height)
{
    return EncodeJPEGRows(width, height, 3, 85, false, [&](int y, JSAMPLE* row) {
        for (int x = 0; x < width; ++x) {
            row[std::size_t(x) * 3] = JSAMPLE(x * 255 / width);
            row[std::size_t(x) * 3 + 1] = JSAMPLE(y * 255 / height);
            row[std::size_t(x) * 3 + 2] = JSAMPLE((x ^ y) & 255);
        }
    });
}

// 130 frames of 1920 x 1080, each a clear code and an end code: a few kilobytes in all.
std::vector<std::byte> LongAnimationGIF()
{
    std::vector<std::uint8_t> g { 'G', 'I', 'F', '8', '9', 'a', 0x80, 0x07, 0x38, 0x04, 0x81, 0, 0 };
    g.insert(g.end(), { 10, 20, 30, 200, 0, 0, 0, 0, 250, 40, 40, 40 });
    for (int i = 0; i < 130; ++i) {
        g.insert(g.end(), { 0x2C, 0, 0, 0, 0, 0x80, 0x07, 0x38, 0x04, 0 }); // descriptor
        g.insert(g.end(), { 2, 1, 0x2C, 0 }); // code size 2; codes 4 (clear), 5 (end) in 3 bits
    }
    g.push_back(0x3B);
    std::vector<std::byte> bytes(g.size());
    std::memcpy(bytes.data(), g.data(), g.size());
    return bytes;
}

template<typename Picture>
void LoadAndDraw(benchmark::State& state, const std::vector<std::byte>& data)
{
    QImage target(TargetWidth, TargetHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        Picture picture;
        TMemoryStream stream(data);
        picture.LoadFromStream(stream);
        TCanvas canvas(&target);
        canvas.StretchDraw(Rect(0, 0, TargetWidth, TargetHeight), picture);
        benchmark::DoNotOptimize(target.bits());
    }
    state.counters["peak_rss_MB"] = PeakResidentMegabytes();
}

void BM_Photo108Megapixels(benchmark::State& state)
{
    static const std::vector<std::byte> data = PhotoJPEG(12000, 9000);
    LoadAndDraw<TJPEGImage>(state, data);
}
BENCHMARK(BM_Photo108Megapixels)->Unit(benchmark::kMillisecond);

void BM_Animation130FullHDFrames(benchmark::State& state)
{
    static const std::vector<std::byte> data = LongAnimationGIF();
    LoadAndDraw<TGIFImage>(state, data);
}
BENCHMARK(BM_Animation130FullHDFrames)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
