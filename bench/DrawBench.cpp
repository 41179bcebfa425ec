// Time from key-down handling to the drawing being on the surface image, per play mode, on a
// 1920x1080 screen's surface.
#include "base/Random.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "widgetkit/KDCtrls.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

namespace {

// A 32 x 32 pattern of four colours, saved as a bitmap file: the smaller the tile, the more
// of them a figure needs.
std::string PatternFile()
{
    static const std::string path = [] {
        QImage tile(32, 32, QImage::Format_RGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                tile.setPixel(x, y, qRgb(x * 8, y * 8, (x ^ y) * 8));
        const std::string file = QDir::temp().filePath("kd-drawbench-pattern.bmp").toStdString();
        tile.save(QString::fromStdString(file), "BMP");
        return file;
    }();
    return path;
}

void DrawMode(benchmark::State& state, std::uint8_t mode)
{
    InitColorData(24, 0, 0);
    InitKeyData();
    RegisterPictureFormats();
    for (int n = 1; n <= KeyEntryCount; ++n) {
        KeyTable->Entry(n).KeyName = n == 50 ? "Enter" : std::string(1, char('A' + (n - 1) % 26));
        KeyTable->Entry(n).Shape = std::uint8_t(n % 14);
        KeyTable->Entry(n).ShapeColorIndex = 100 + n;
        KeyTable->Entry(n).PatternFile = PatternFile();
    }
    TKDPaintBox box;
    box.SetBounds(0, 0, 1920 - 32, 1080 - 78);
    box.State().SetPlayMode(mode);
    RandSeed = 7;
    std::uint16_t key = 65;
    for (auto _ : state) {
        box.KeyPressed(key);
        key = key == 90 ? 13 : (key == 13 ? 65 : key + 1);
        benchmark::DoNotOptimize(box.Surface().constBits());
    }
    FinalizeKeyData();
}

void BM_ClassicType(benchmark::State& state) { DrawMode(state, ClassicType); }
void BM_PatternType(benchmark::State& state) { DrawMode(state, PatternType); }
void BM_ShapeType(benchmark::State& state) { DrawMode(state, ShapeType); }
void BM_KeyType(benchmark::State& state) { DrawMode(state, KeyType); }

BENCHMARK(BM_ClassicType)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PatternType)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShapeType)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyType)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
