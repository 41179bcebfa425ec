// Cost of one key press (down and up through the main window's handlers, sound included) in
// each play mode with the play surface on 1, 2 and 3 full-HD monitors, using the shipped
// settings and content modules.
#include "app/MainForm.h"
#include "app/ProgramPaths.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "platform/Sound.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "play/MonitorCovers.h"
#include "play/PlayState.h"

#include "bench/QtBenchMain.h"

#include <benchmark/benchmark.h>

#include <QDir>

#include <cstdint>

namespace {

void KeyPress(benchmark::State& state)
{
    const auto mode = std::uint8_t(state.range(0));
    const int surfaces = int(state.range(1));
    qputenv("SDL_AUDIODRIVER", "dummy");
    InitColorData(24, 0, 0);
    InitKeyData();
    RegisterPictureFormats();
    const QString current = QDir::currentPath();
    SetProgramFolder(KD_DIST_DIR);
    {
        TFrmKedoozle form;
        form.FormCreate();
        form.setGeometry(0, 0, 1920, 1080);
        form.AlignChildren();
        form.PbxDisplay()->State().SetPlayMode(mode);
        form.CoverOtherMonitors();
        std::vector<TMonitor> monitors;
        for (int n = 1; n < surfaces; ++n)
            monitors.push_back({ QString("HD-%1").arg(n), QRect(1920 * n, 0, 1920, 1080) });
        form.MonitorCovers()->Cover(monitors);
        std::uint16_t key = 65;
        for (auto _ : state) {
            std::uint16_t down = key;
            form.FormKeyDown(down);
            std::uint16_t up = key;
            form.FormKeyUp(up);
            key = key == 90 ? 48 : (key == 57 ? 65 : key + 1);
        }
        form.MonitorCovers()->CloseAll();
    }
    ShutdownSound();
    FinalizeKeyData();
    SetProgramFolder("");
    QDir::setCurrent(current);
    state.SetLabel(std::string(PlayModeName(mode)) + ", " + std::to_string(surfaces) + " surface(s)");
}

BENCHMARK(KeyPress)
    ->ArgsProduct({ { ClassicType, PatternType, ShapeType, PictureType, KeyType }, { 1, 2, 3 } })
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
