// Decoding a full-screen picture: a 24-bit bitmap file and a JPEG file of 1920 x 1080, the
// size of the splash and of a picture drawn over the whole play surface.
#include "base/Stream.h"
#include "pictures/Bitmap.h"
#include "pictures/JPEGImage.h"
#include "tests/support/JPEGEncode.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int PictureWidth = 1920;
constexpr int PictureHeight = 1080;

// Photo-like content: crossing gradients with a little deterministic grain.
std::uint8_t Sample(int x, int y, int channel)
{
    const std::uint32_t grain = (std::uint32_t(x) * 2654435761u ^ std::uint32_t(y) * 40503u ^ std::uint32_t(channel) * 97u) >> 28;
    const int base = channel == 0 ? x * 255 / PictureWidth : channel == 1 ? y * 255 / PictureHeight : (x + y) * 255 / (PictureWidth + PictureHeight);
    return std::uint8_t(std::min(255, base + int(grain)));
}

void Put16(std::vector<std::byte>& out, std::uint32_t v)
{
    out.push_back(std::byte(v & 0xFF));
    out.push_back(std::byte((v >> 8) & 0xFF));
}
void Put32(std::vector<std::byte>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<std::byte> MakeBitmapFile()
{
    const std::uint32_t stride = (PictureWidth * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * PictureHeight;
    std::vector<std::byte> out;
    out.push_back(std::byte('B'));
    out.push_back(std::byte('M'));
    Put32(out, 54 + pixelBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, PictureWidth);
    Put32(out, PictureHeight);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, pixelBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int row = 0; row < PictureHeight; ++row) {
        const int y = PictureHeight - 1 - row;
        for (int x = 0; x < PictureWidth; ++x)
            for (int channel : { 2, 1, 0 })
                out.push_back(std::byte(Sample(x, y, channel)));
        for (std::uint32_t pad = PictureWidth * 3; pad < stride; ++pad)
            out.push_back(std::byte(0));
    }
    return out;
}

std::vector<std::byte> MakeJPEGFile()
{
    return EncodeJPEGRows(PictureWidth, PictureHeight, 3, 90, false, [](int y, JSAMPLE* row) {
        for (int x = 0; x < PictureWidth; ++x)
            for (int channel = 0; channel < 3; ++channel)
                row[std::size_t(x) * 3 + channel] = Sample(x, y, channel);
    });
}

const std::vector<std::byte>& BitmapFile()
{
    static const std::vector<std::byte> file = MakeBitmapFile();
    return file;
}

const std::vector<std::byte>& JPEGFile()
{
    static const std::vector<std::byte> file = MakeJPEGFile();
    return file;
}

void BM_Bitmap24Decode(benchmark::State& state)
{
    const auto& file = BitmapFile();
    for (auto _ : state) {
        TCustomMemoryStream stream(file);
        TBitmap bitmap;
        bitmap.LoadFromStream(stream);
        benchmark::DoNotOptimize(bitmap.Image().constBits());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.size()));
}
BENCHMARK(BM_Bitmap24Decode)->Unit(benchmark::kMillisecond);

// Loading reads the header only.
void BM_JPEGLoadHeader(benchmark::State& state)
{
    const auto& file = JPEGFile();
    for (auto _ : state) {
        TCustomMemoryStream stream(file);
        TJPEGImage jpeg;
        jpeg.LoadFromStream(stream);
        benchmark::DoNotOptimize(jpeg.Width());
    }
}
BENCHMARK(BM_JPEGLoadHeader)->Unit(benchmark::kMicrosecond);

void JPEGDecode(benchmark::State& state, TJPEGPixelFormat format)
{
    const auto& file = JPEGFile();
    for (auto _ : state) {
        TCustomMemoryStream stream(file);
        TJPEGImage jpeg;
        jpeg.SetPixelFormat(format);
        jpeg.LoadFromStream(stream);
        benchmark::DoNotOptimize(jpeg.ToImage().constBits());
    }
    state.counters["file_kB"] = double(file.size()) / 1024.0;
}

void BM_JPEGDecode24Bit(benchmark::State& state) { JPEGDecode(state, TJPEGPixelFormat::jf24Bit); }
BENCHMARK(BM_JPEGDecode24Bit)->Unit(benchmark::kMillisecond);

// The 256-colour screen path: two-pass quantisation to 236 colours with dithering.
void BM_JPEGDecode8Bit(benchmark::State& state) { JPEGDecode(state, TJPEGPixelFormat::jf8Bit); }
BENCHMARK(BM_JPEGDecode8Bit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
