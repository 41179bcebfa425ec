// GIF decoding throughput: our reader against giflib's DGifSlurp on the same data, a large
// picture (1920 x 1080, plain and interlaced) and a small one (64 x 64), 256 colours, written
// by giflib's encoder. Both decode from memory to colour indexes; compare the times of the
// pairs (Ours/... against Giflib/...).
#include "pictures/GIFImage.h"

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

// Runs of colour with some noise, like a drawing with shading: strings of all lengths.
TBytes MakePixels(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    TBytes pixels(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            const std::uint8_t base = std::uint8_t((x / 7 + y / 5) % 200);
            const int run = 1 + int(random() % 24);
            for (int i = 0; i < run && x < width; ++i, ++x)
                pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = std::uint8_t(base + (random() % 8 == 0 ? random() % 50 : 0));
        }
    }
    return pixels;
}

int WriteToVector(GifFileType* file, const GifByteType* data, int length)
{
    auto* out = static_cast<TBytes*>(file->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

TBytes Encode(int width, int height, bool interlaced)
{
    const TBytes pixels = MakePixels(width, height, 3);
    std::vector<GifColorType> colors(256);
    for (int i = 0; i < 256; ++i)
        colors[std::size_t(i)] = { GifByteType(i), GifByteType(255 - i), GifByteType(i * 7) };
    TBytes out;
    int error = 0;
    GifFileType* file = EGifOpen(&out, WriteToVector, &error);
    ColorMapObject* map = GifMakeMapObject(256, colors.data());
    bool ok = EGifPutScreenDesc(file, width, height, 8, 0, map) == GIF_OK
        && EGifPutImageDesc(file, 0, 0, width, height, interlaced, nullptr) == GIF_OK;
    std::vector<int> rows;
    static constexpr int start[4] = { 0, 4, 2, 1 };
    static constexpr int step[4] = { 8, 8, 4, 2 };
    for (int pass = 0; pass < (interlaced ? 4 : 1); ++pass)
        for (int y = interlaced ? start[pass] : 0; y < height; y += interlaced ? step[pass] : 1)
            rows.push_back(y);
    for (int y : rows)
        ok = ok && EGifPutLine(file, const_cast<GifByteType*>(pixels.data() + std::size_t(y) * std::size_t(width)), width) == GIF_OK;
    ok = EGifCloseFile(file, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    if (!ok)
        throw std::runtime_error("giflib could not encode the benchmark picture");
    return out;
}

const TBytes& Picture(int which)
{
    static const TBytes large = Encode(1920, 1080, false);
    static const TBytes largeInterlaced = Encode(1920, 1080, true);
    static const TBytes small = Encode(64, 64, false);
    return which == 0 ? large : which == 1 ? largeInterlaced : small;
}

struct TReadState {
    const TBytes* Data;
    std::size_t Position;
};

int ReadFromVector(GifFileType* file, GifByteType* data, int length)
{
    auto* state = static_cast<TReadState*>(file->UserData);
    const std::size_t n = std::min(std::size_t(length), state->Data->size() - state->Position);
    std::copy_n(state->Data->data() + state->Position, n, data);
    state->Position += n;
    return int(n);
}

void Ours(benchmark::State& state, int which)
{
    const TBytes& data = Picture(which);
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data.data()), data.size());
    std::int64_t pixels = 0;
    for (auto _ : state) {
        TGIFImage gif;
        gif.LoadFromBytes(bytes);
        const auto& frame = gif.Images()[0];
        benchmark::DoNotOptimize(frame.Pixels().data());
        pixels = std::int64_t(frame.Width) * frame.Height;
    }
    state.SetItemsProcessed(state.iterations() * pixels);
    state.SetBytesProcessed(state.iterations() * std::int64_t(data.size()));
}

void Giflib(benchmark::State& state, int which)
{
    const TBytes& data = Picture(which);
    std::int64_t pixels = 0;
    for (auto _ : state) {
        TReadState read { &data, 0 };
        int error = 0;
        GifFileType* file = DGifOpen(&read, ReadFromVector, &error);
        if (!file || DGifSlurp(file) != GIF_OK) {
            state.SkipWithError("giflib could not decode");
            break;
        }
        benchmark::DoNotOptimize(file->SavedImages[0].RasterBits);
        pixels = std::int64_t(file->SavedImages[0].ImageDesc.Width) * file->SavedImages[0].ImageDesc.Height;
        DGifCloseFile(file, &error);
    }
    state.SetItemsProcessed(state.iterations() * pixels);
    state.SetBytesProcessed(state.iterations() * std::int64_t(data.size()));
}

} // namespace

BENCHMARK_CAPTURE(Ours, Large1920x1080, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Giflib, Large1920x1080, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, LargeInterlaced1920x1080, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Giflib, LargeInterlaced1920x1080, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Ours, Small64x64, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Giflib, Small64x64, 2)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
