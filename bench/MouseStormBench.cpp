// A key pressed in the middle of a mouse storm: 500 clicks are queued on the play surface, then
// a key press. Mouse drawings are coalesced to one per frame, so the key's drawing waits for at
// most one of them. Reports the time from the key's arrival in the queue to its drawing, and how
// many mouse drawings came before it (beside the same time without a storm).
#include "base/Random.h"
#include "bench/QtBenchMain.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "play/MousePlay.h"
#include "play/PlayState.h"
#include "widgetkit/KDCtrls.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>

#include <functional>

namespace {

// A key press as the main window would handle it: straight to the surface.
class TKeyEvent : public QEvent {
public:
    explicit TKeyEvent(std::function<void()> handler)
        : QEvent(QEvent::User)
        , Handler(std::move(handler))
    {
    }
    std::function<void()> Handler;
};

class TKeyReceiver : public QObject {
protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        static_cast<TKeyEvent*>(event)->Handler();
        return true;
    }
};

void KeyInStorm(benchmark::State& state)
{
    const int clicks = int(state.range(0));
    InitColorData(24, 0, 0);
    InitKeyData();
    RegisterPictureFormats();
    TKDPaintBox box;
    box.SetBounds(0, 0, 1920 - 32, 1080 - 78);
    box.State().SetPlayMode(ShapeType);
    TMousePlay play(nullptr, {});
    play.Watch(&box);
    TKeyReceiver receiver;
    RandSeed = 5;
    double mouseDrawingsFirst = 0;
    for (auto _ : state) {
        for (int i = 0; i < clicks; ++i) {
            const QPointF at(100 + i % 1500, 100 + i % 800);
            QCoreApplication::postEvent(&box, new QMouseEvent(QEvent::MouseButtonPress, at, at, Qt::LeftButton,
                                                              Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(&box, new QMouseEvent(QEvent::MouseButtonRelease, at, at, Qt::LeftButton,
                                                              Qt::NoButton, Qt::NoModifier));
        }
        // Wait for the frame's mouse drawing to come due, as it would during a real storm.
        QElapsedTimer frame;
        frame.start();
        while (frame.elapsed() < 17)
            QCoreApplication::processEvents();
        const int before = box.State().DrawCount();
        QElapsedTimer timer;
        bool drawn = false;
        int countAtKey = 0;
        QCoreApplication::postEvent(&receiver, new TKeyEvent([&] {
            countAtKey = box.State().DrawCount();
            box.KeyPressed('A');
            drawn = true;
        }));
        timer.start();
        while (!drawn)
            QCoreApplication::processEvents();
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        mouseDrawingsFirst += (countAtKey - before + 26) % 26;
        QCoreApplication::processEvents();
    }
    state.counters["mouse_drawings_before_key"] = benchmark::Counter(mouseDrawingsFirst, benchmark::Counter::kAvgIterations);
    FinalizeKeyData();
}
BENCHMARK(KeyInStorm)->Arg(0)->Arg(500)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
