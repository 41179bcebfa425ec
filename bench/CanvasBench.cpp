// The canvas's figures, clipped copies and text on a surface the size of a 1920x1080 screen's
// play surface: the operations behind every drawing of the play modes.
#include "paint/Canvas.h"

#include <QApplication>

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 1888;
constexpr int kHeight = 1002;

struct TSurface {
    TSurface()
        : image(kWidth, kHeight, QImage::Format_RGB32)
        , canvas(&image)
    {
        image.fill(Qt::black);
        canvas.Brush.SetColor(RGB(200, 40, 40));
        canvas.Pen.Color = RGB(40, 200, 40);
    }
    QImage image;
    TCanvas canvas;
};

void BM_Figure(benchmark::State& state)
{
    TSurface s;
    s.canvas.Pen.Width = int(state.range(1));
    const TPoint star[] = { { 900, 100 }, { 1300, 900 }, { 300, 400 }, { 1500, 400 }, { 500, 900 } };
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0: s.canvas.Rectangle(100, 100, 1700, 900); break;
        case 1: s.canvas.Ellipse(100, 100, 1700, 900); break;
        case 2: s.canvas.RoundRect(100, 100, 1700, 900, 50, 50); break;
        case 3: s.canvas.Pie(100, 100, 1700, 900, 1700, 200, 100, 800); break;
        default: s.canvas.Polygon(star, true); break;
        }
        benchmark::DoNotOptimize(s.image.constBits());
    }
}
// Figure (rectangle, ellipse, rounded rectangle, pie, star) x pen width.
BENCHMARK(BM_Figure)->ArgsProduct({ { 0, 1, 2, 3, 4 }, { 1, 5 } })->Unit(benchmark::kMicrosecond);

// Wallpaper of 64x64 tiles through an ellipse region, as a pattern drawing does.
void BM_TiledClipCopy(benchmark::State& state)
{
    TSurface s;
    QImage tile(64, 64, QImage::Format_RGB32);
    tile.fill(Qt::yellow);
    for (auto _ : state) {
        const TRegion region = TRegion::Ellipse(Rect(100, 100, 1700, 900));
        s.canvas.SetClipRegion(&region);
        for (int y = 100; y < 900; y += 64)
            for (int x = 100; x < 1700; x += 64)
                s.canvas.CopyRect(Bounds(x, y, 64, 64), tile, Rect(0, 0, 64, 64));
        s.canvas.SetClipRegion(nullptr);
        benchmark::DoNotOptimize(s.image.constBits());
    }
}
BENCHMARK(BM_TiledClipCopy)->Unit(benchmark::kMicrosecond);

// A picture stretched to 30 % of the surface.
void BM_StretchDrawImage(benchmark::State& state)
{
    TSurface s;
    QImage picture(400, 300, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    for (auto _ : state) {
        s.canvas.StretchDrawImage(Bounds(200, 200, 566, 300), picture);
        benchmark::DoNotOptimize(s.image.constBits());
    }
}
BENCHMARK(BM_StretchDrawImage)->Unit(benchmark::kMicrosecond);

// A caption at 144 points with a clear brush, as a key-type drawing writes it.
void BM_TextOut144(benchmark::State& state)
{
    TSurface s;
    s.canvas.Font.SetSize(144);
    s.canvas.Font.Color = clYellow;
    s.canvas.Brush.SetStyle(TBrushStyle::bsClear);
    for (auto _ : state) {
        const TSize size = s.canvas.TextExtent("W");
        s.canvas.TextRect(Rect(0, 0, kWidth, kHeight), 500, 300, "W");
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(BM_TextOut144)->Unit(benchmark::kMicrosecond);

// A word-wrapped paragraph measured and drawn, as a label or panel caption is.
void BM_DrawTextWrapped(benchmark::State& state)
{
    TSurface s;
    const std::string text = "A toddler pressed a key &and the screen answered with colours, shapes and sounds; "
                             "then another key, and another, until the whole picture was full.";
    for (auto _ : state) {
        TRect r = Rect(10, 10, 300, 10);
        s.canvas.DrawText(text, r, DT_WORDBREAK | DT_CALCRECT | DT_EXPANDTABS);
        s.canvas.DrawText(text, r, DT_WORDBREAK | DT_CENTER | DT_EXPANDTABS);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_DrawTextWrapped)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
