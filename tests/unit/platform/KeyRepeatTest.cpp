#include "platform/KeyRepeat.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>
#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

using TKinds = std::vector<TKeyEventKind>;
constexpr auto Down = TKeyEventKind::Down;
constexpr auto Up = TKeyEventKind::Up;
constexpr std::uint32_t KeyA = 38, KeyB = 56;

TKeyRepeatFilter::TKeyEvent Press(std::uint32_t code, std::uint64_t time, bool flagged = false)
{
    return { true, flagged, code, time };
}
TKeyRepeatFilter::TKeyEvent Release(std::uint32_t code, std::uint64_t time, bool flagged = false)
{
    return { false, flagged, code, time };
}

// The filter against a key map the test holds.
class KeyRepeatFilterTest : public ::testing::Test {
protected:
    std::set<std::uint32_t> held;
    TKeyRepeatFilter filter { [this](std::uint32_t code) { return held.count(code) != 0; } };
};

TEST_F(KeyRepeatFilterTest, HeldKeyGivesRepeatedDownsAndOneUpWhateverTheToolkitFlags)
{
    held = { KeyA };
    EXPECT_EQ(filter.Filter(Press(KeyA, 100)), TKinds { Down });
    // A pair the toolkit recognised, and one it passed on as a real release because the
    // press was not queued yet: both are repeats, as the key is still down.
    EXPECT_EQ(filter.Filter(Release(KeyA, 600, true)), TKinds {});
    EXPECT_EQ(filter.Filter(Press(KeyA, 600, true)), TKinds { Down });
    EXPECT_EQ(filter.Filter(Release(KeyA, 640)), TKinds {});
    EXPECT_EQ(filter.Filter(Press(KeyA, 640)), TKinds { Down });
    held.clear();
    EXPECT_EQ(filter.Filter(Release(KeyA, 700)), TKinds { Up });
    EXPECT_EQ(filter.Filter(Press(KeyA, 900)), TKinds { Down });
}

TEST_F(KeyRepeatFilterTest, ARealReleaseSeenLateStillComesBeforeTheNextPress)
{
    // Released and pressed again before the key map was asked: the press has a time of its
    // own, so the held-back release was real.
    held = { KeyA };
    filter.Filter(Press(KeyA, 100));
    EXPECT_EQ(filter.Filter(Release(KeyA, 300)), TKinds {});
    EXPECT_EQ(filter.Filter(Press(KeyB, 305)), TKinds { Down }) << "another key settles nothing";
    EXPECT_EQ(filter.Filter(Press(KeyA, 310)), (TKinds { Up, Down }));
    // A held-back release is forgotten when another window takes the keyboard.
    EXPECT_EQ(filter.Filter(Release(KeyA, 400)), TKinds {});
    filter.Reset();
    EXPECT_EQ(filter.Filter(Press(KeyA, 500)), TKinds { Down });
}

TEST(KeyRepeatFilterOffX, ReleasesWithoutNativeDataAreTakenAsTheyCome)
{
    TKeyRepeatFilter filter([](std::uint32_t) { return true; });
    EXPECT_EQ(filter.Filter(Press(0, 0)), TKinds { Down });
    EXPECT_EQ(filter.Filter(Release(0, 0)), TKinds { Up });
    EXPECT_EQ(filter.Filter(Release(0, 0, true)), TKinds {});
}

// A window that counts what the filter makes of real X key events, and is slow to handle
// each, as the program is during a flood: the toolkit then misses auto-repeat pairs. F12 is
// the marker that tells when every event sent before it has been handled.
class TSlowKeyWindow : public QWidget {
public:
    explicit TSlowKeyWindow(TKeyRepeatFilter::TKeyDownQuery query)
        : Filter(std::move(query))
    {
    }
    void keyPressEvent(QKeyEvent* event) override { Handle(*event); }
    void keyReleaseEvent(QKeyEvent* event) override { Handle(*event); }
    void Handle(const QKeyEvent& event)
    {
        if (event.key() == Qt::Key_F12) {
            MarkerSeen = MarkerSeen || event.type() == QEvent::KeyPress;
            return;
        }
        if (event.type() == QEvent::KeyRelease)
            ++Releases;
        else
            ++Presses;
        for (TKeyEventKind kind : Filter.Filter({ event.type() == QEvent::KeyPress, event.isAutoRepeat(),
                                                  event.nativeScanCode(), event.timestamp() })) {
            if (kind == Up)
                ++Ups;
            else if (Ups == 0)
                ++DownsBeforeUp;
        }
        QThread::msleep(25);
    }
    TKeyRepeatFilter Filter;
    int Presses { 0 }, Releases { 0 }, Ups { 0 }, DownsBeforeUp { 0 };
    bool MarkerSeen { false };
};

bool HaveXServerAndXdotool()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") &&
           std::system("command -v xdotool >/dev/null 2>&1") == 0 && std::system("xset r on") == 0;
}

// Shows `window` and waits until it has the keyboard.
void ShowActive(QWidget& window)
{
    window.setGeometry(0, 0, 200, 200);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Holds `key` through XTest until the window has handled `presses` presses of it (the
// repeats of about a second and a half), lets it go, and waits until the window has handled
// everything up to the release.
void HoldKey(TSlowKeyWindow& window, const char* key, int presses)
{
    ASSERT_EQ(std::system((std::string("xdotool keydown ") + key).c_str()), 0);
    const bool repeated = QTest::qWaitFor([&window, presses] { return window.Presses >= presses; }, 10000);
    ASSERT_EQ(std::system((std::string("xdotool keyup ") + key).c_str()), 0);
    ASSERT_TRUE(repeated) << "the server did not repeat the key";
    ASSERT_EQ(std::system("xdotool key F12"), 0);
    ASSERT_TRUE(QTest::qWaitFor([&window] { return window.MarkerSeen; }, 10000));
}

TEST(KeyRepeatXServerTest, HeldKeyUnderLoadGivesOneUpWithAndWithoutDetectableAutoRepeat)
{
    if (!HaveXServerAndXdotool())
        GTEST_SKIP() << "needs QT_QPA_PLATFORM=xcb, xset and xdotool";
    {
        // Without detectable auto-repeat the server sends release + press pairs.
        TSlowKeyWindow window(TKeyRepeatFilter::IsKeyCodeDown);
        ASSERT_NO_FATAL_FAILURE(ShowActive(window));
        ASSERT_NO_FATAL_FAILURE(HoldKey(window, "a", 20));
        EXPECT_GT(window.Releases, 5) << "the server did not pair the repeats with releases";
        EXPECT_EQ(window.Ups, 1);
        EXPECT_GT(window.DownsBeforeUp, 5);
    }
    {
        TSlowKeyWindow window(TKeyRepeatFilter::IsKeyCodeDown);
        ASSERT_TRUE(TKeyRepeatFilter::RequestDetectableAutoRepeat());
        ASSERT_NO_FATAL_FAILURE(ShowActive(window));
        ASSERT_NO_FATAL_FAILURE(HoldKey(window, "b", 20));
        EXPECT_EQ(window.Releases, 1) << "with detectable auto-repeat only the real release comes";
        EXPECT_EQ(window.Ups, 1);
        EXPECT_GT(window.DownsBeforeUp, 5);
    }
}

} // namespace
