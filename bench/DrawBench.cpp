// Time from key-down handling to the drawing being on the surface image, per play mode, on a
// 1920x1080 screen's surface.
#include "controls/KDCtrls.h"
#include "framework/Random.h"
#include "graphics/ColorData.h"
#include "play/KeyData.h"

#include <QApplication>

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

namespace {

void DrawMode(benchmark::State& state, std::uint8_t mode)
{
    InitColorData(24, 0, 0);
    InitKeyData();
    for (int n = 1; n <= KeyEntryCount; ++n) {
        KeyTable->Entry(n).KeyName = n == 50 ? "Enter" : std::string(1, char('A' + (n - 1) % 26));
        KeyTable->Entry(n).Shape = std::uint8_t(n % 14);
        KeyTable->Entry(n).ShapeColorIndex = 100 + n;
    }
    TKDPaintBox box;
    box.SetBounds(0, 0, 1920 - 32, 1080 - 78);
    box.SetPlayMode(mode);
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
void BM_ShapeType(benchmark::State& state) { DrawMode(state, ShapeType); }
void BM_KeyType(benchmark::State& state) { DrawMode(state, KeyType); }

BENCHMARK(BM_ClassicType)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShapeType)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyType)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
