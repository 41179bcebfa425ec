#include "platform/KeyRepeat.h"

#include <QElapsedTimer>
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
// each, as the program is during a flood: the toolkit then misses auto-repeat pairs.
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
        if (event.type() == QEvent::KeyRelease)
            ++Releases;
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
    int Releases { 0 }, Ups { 0 }, DownsBeforeUp { 0 };
};

bool HaveXServerAndXdotool()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") &&
           std::system("command -v xdotool >/dev/null 2>&1") == 0 && std::system("xset r on") == 0;
}

// Holds `key` for `ms` through XTest while the window handles events.
void HoldKey(const char* key, int ms)
{
    ASSERT_EQ(std::system((std::string("xdotool keydown ") + key).c_str()), 0);
    QTest::qWait(ms);
    ASSERT_EQ(std::system((std::string("xdotool keyup ") + key).c_str()), 0);
    QTest::qWait(400);
}

TEST(KeyRepeatXServerTest, HeldKeyUnderLoadGivesOneUpWithAndWithoutDetectableAutoRepeat)
{
    if (!HaveXServerAndXdotool())
        GTEST_SKIP() << "needs QT_QPA_PLATFORM=xcb, xset and xdotool";
    {
        // Without detectable auto-repeat the server sends release + press pairs.
        TSlowKeyWindow window(TKeyRepeatFilter::IsKeyCodeDown);
        window.setGeometry(0, 0, 200, 200);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        HoldKey("a", 1500);
        EXPECT_GT(window.Releases, 5) << "the server did not repeat the key";
        EXPECT_EQ(window.Ups, 1);
        EXPECT_GT(window.DownsBeforeUp, 5);
    }
    {
        TSlowKeyWindow window(TKeyRepeatFilter::IsKeyCodeDown);
        ASSERT_TRUE(TKeyRepeatFilter::RequestDetectableAutoRepeat());
        window.setGeometry(0, 0, 200, 200);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        HoldKey("b", 1500);
        EXPECT_EQ(window.Releases, 1) << "with detectable auto-repeat only the real release comes";
        EXPECT_EQ(window.Ups, 1);
        EXPECT_GT(window.DownsBeforeUp, 5);
    }
}

} // namespace
