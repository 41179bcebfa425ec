#include "app/KeyThread.h"

#include "platform/KeyState.h"
#include "platform/VirtualKeys.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// A keyboard whose Windows keys the test holds and releases, recording every query; the
// thread's sleep ends when a Windows key changes, as the X server's key events end it.
class TFakeKeyboard : public TWinKeysSource {
public:
    std::int16_t GetAsyncKeyState(int virtualKey) override
    {
        std::lock_guard lock(m_lock);
        m_queries.push_back(virtualKey);
        const bool down = (virtualKey == VK::LWin && m_leftDown) || (virtualKey == VK::RWin && m_rightDown);
        return down ? std::int16_t(0x8000) : std::int16_t(0);
    }

    bool WaitForKeys() override
    {
        std::unique_lock lock(m_lock);
        ++m_waits;
        m_wake.wait(lock, [this] { return m_changed || m_interrupted || m_gone; });
        --m_waits;
        m_changed = m_interrupted = false;
        return !m_gone;
    }

    void Interrupt() override { Set([this] { m_interrupted = true; }); }

    void SetLeft(bool down) { Set([this, down] { m_leftDown = down, m_changed = true; }); }
    void SetRight(bool down) { Set([this, down] { m_rightDown = down, m_changed = true; }); }
    // The display goes away.
    void Disconnect() { Set([this] { m_gone = true; }); }

    // Whether the thread sleeps in WaitForKeys.
    bool Sleeping()
    {
        std::lock_guard lock(m_lock);
        return m_waits > 0 && !m_changed;
    }

    std::vector<int> TakeQueries()
    {
        std::lock_guard lock(m_lock);
        return std::exchange(m_queries, {});
    }

private:
    template <typename TChange>
    void Set(TChange change)
    {
        {
            std::lock_guard lock(m_lock);
            change();
        }
        m_wake.notify_all();
    }

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::vector<int> m_queries;
    int m_waits { 0 };
    bool m_leftDown { false };
    bool m_rightDown { false };
    bool m_changed { false };
    bool m_interrupted { false };
    bool m_gone { false };
};

template <typename TPredicate>
bool WaitFor(TPredicate predicate, std::chrono::milliseconds limit = 2s)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!predicate()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

class KeyThreadTest : public ::testing::Test {
protected:
    void SetUp() override { WinKeysUp = true; }
    void TearDown() override { WinKeysUp = true; }
};

TEST_F(KeyThreadTest, WinKeysUpFollowsEitherWindowsKey)
{
    auto keyboard = std::make_shared<TFakeKeyboard>();
    TCheckKeysThread thread(keyboard);

    keyboard->SetLeft(true);
    EXPECT_TRUE(WaitFor([] { return !WinKeysUp; }));
    keyboard->SetLeft(false);
    EXPECT_TRUE(WaitFor([] { return WinKeysUp.load(); }));
    keyboard->SetRight(true);
    EXPECT_TRUE(WaitFor([] { return !WinKeysUp; }));
    keyboard->SetRight(false);
    EXPECT_TRUE(WaitFor([] { return WinKeysUp.load(); }));

    thread.Terminate();
    EXPECT_TRUE(WaitFor([&] { return thread.Finished(); }));
}

TEST_F(KeyThreadTest, ReadsBothKeysOnceThenSleepsUntilOneChanges)
{
    auto keyboard = std::make_shared<TFakeKeyboard>();
    TCheckKeysThread thread(keyboard);
    ASSERT_TRUE(WaitFor([&] { return keyboard->Sleeping(); }));
    EXPECT_EQ(keyboard->TakeQueries(), (std::vector<int> { VK::RWin, VK::LWin }));
    EXPECT_TRUE(WinKeysUp);

    // Held, the right key is the answer: the left one is not asked.
    keyboard->SetRight(true);
    ASSERT_TRUE(WaitFor([] { return !WinKeysUp; }));
    ASSERT_TRUE(WaitFor([&] { return keyboard->Sleeping(); }));
    EXPECT_EQ(keyboard->TakeQueries(), std::vector<int> { VK::RWin });

    thread.Terminate();
    EXPECT_TRUE(thread.Terminated());
    // The request cuts the sleep short; once the body has returned, nothing more is asked.
    ASSERT_TRUE(WaitFor([&] { return thread.Finished(); }, 1s));
    EXPECT_TRUE(keyboard->TakeQueries().empty());
}

TEST_F(KeyThreadTest, LostKeysEndTheThreadWithWinKeysUp)
{
    auto keyboard = std::make_shared<TFakeKeyboard>();
    keyboard->SetLeft(true);
    TCheckKeysThread thread(keyboard);
    ASSERT_TRUE(WaitFor([] { return !WinKeysUp; }));
    keyboard->Disconnect();
    EXPECT_TRUE(WaitFor([&] { return thread.Finished(); }));
    EXPECT_TRUE(WinKeysUp);
    EXPECT_FALSE(thread.Terminated());
}

TEST_F(KeyThreadTest, OwnerMayGoAwayWhileTheThreadRuns)
{
    // Destroying the owner only asks the thread to end; the thread lets go of the source
    // by itself.
    auto keyboard = std::make_shared<TFakeKeyboard>();
    {
        TCheckKeysThread thread(keyboard);
        EXPECT_TRUE(WaitFor([&] { return keyboard->Sleeping(); }));
    }
    EXPECT_TRUE(WaitFor([&] { return keyboard.use_count() == 1; }));
}

// Real key presses through the XTest extension (xdotool), seen by the thread's own connection.
bool HaveXServerAndXdotool()
{
    const char* display = std::getenv("DISPLAY");
    return display && *display && std::system("command -v xdotool >/dev/null 2>&1") == 0;
}

// Holds and lets go of each Windows key, and checks that the thread follows.
void ExpectThreadFollowsHeldWindowsKeys()
{
    TCheckKeysThread thread;
    ASSERT_EQ(std::system("xdotool keydown Super_R"), 0);
    EXPECT_TRUE(WaitFor([] { return !WinKeysUp; }));
    ASSERT_EQ(std::system("xdotool keyup Super_R"), 0);
    EXPECT_TRUE(WaitFor([] { return WinKeysUp.load(); }));
    ASSERT_EQ(std::system("xdotool keydown Super_L"), 0);
    EXPECT_TRUE(WaitFor([] { return !WinKeysUp; }));
    {
        TAsyncKeyState keyState;
        EXPECT_EQ(keyState.GetAsyncKeyState(VK::LWin), std::int16_t(0x8000));
        EXPECT_EQ(keyState.GetAsyncKeyState(VK::RWin), 0);
        EXPECT_TRUE(keyState.IsKeyDown(VK::LWin));
    }
    ASSERT_EQ(std::system("xdotool keyup Super_L"), 0);
    EXPECT_TRUE(WaitFor([] { return WinKeysUp.load(); }));
    thread.Terminate();
    EXPECT_TRUE(WaitFor([&] { return thread.Finished(); }, 1s));
}

TEST_F(KeyThreadTest, XServerKeyMapDrivesWinKeysUp)
{
    if (!HaveXServerAndXdotool())
        GTEST_SKIP() << "needs an X display (DISPLAY) and xdotool";
    {
        TAsyncKeyState keyState;
        ASSERT_TRUE(keyState.IsConnected());
        // The X server here reports key events to every client that asks, so the thread sleeps
        // between them instead of polling.
        EXPECT_TRUE(keyState.WatchKeys({ VK::LWin, VK::RWin }));
    }
    ExpectThreadFollowsHeldWindowsKeys();
}

TEST_F(KeyThreadTest, XServerKeysReachTheThreadWhileAnotherClientHoldsTheKeyboard)
{
    // The program's own lock is such a grab, on a connection other than the thread's.
    const char* grabber = std::getenv("KD_KEYBOARD_GRABBER");
    if (!HaveXServerAndXdotool() || !grabber || !*grabber)
        GTEST_SKIP() << "needs an X display, xdotool and KD_KEYBOARD_GRABBER (tests/e2e/keyboard_grabber.py)";
    const std::string log = std::filesystem::temp_directory_path() / ("kd-grab-" + std::to_string(::getpid()));
    const std::string command = "python3 '" + std::string(grabber) + "' 30 >'" + log + "' 2>&1 & echo $! >'" + log + ".pid'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::shared_ptr<void> stopGrabber(nullptr, [&log](void*) {
        std::system(("kill $(cat '" + log + ".pid') 2>/dev/null; rm -f '" + log + "' '" + log + ".pid'").c_str());
    });
    std::string status;
    ASSERT_TRUE(WaitFor([&] {
        std::ifstream in(log);
        std::string word;
        return static_cast<bool>(in >> word >> status);
    }, 10s)) << "the grabbing client did not start";
    ASSERT_EQ(status, "0") << "the grabbing client did not get the keyboard";
    ExpectThreadFollowsHeldWindowsKeys();
}

// An X server of the test's own, which the test then kills.
class TPrivateXServer {
public:
    TPrivateXServer()
    {
        char folder[] = "/tmp/kd-xserver.XXXXXX";
        if (!::mkdtemp(folder))
            return;
        m_folder = folder;
        const std::string number = m_folder + "/display";
        const std::string command = "Xvfb -displayfd 3 -nolisten tcp 3>'" + number + "' >/dev/null 2>&1 & echo $! >'" +
                                    m_folder + "/pid'";
        if (std::system(command.c_str()) != 0)
            return;
        for (int i = 0; i < 100 && Display.empty(); ++i) {
            std::this_thread::sleep_for(50ms);
            std::ifstream in(number);
            std::string n;
            if (in >> n)
                Display = ":" + n;
        }
        std::ifstream(m_folder + "/pid") >> m_pid;
    }
    ~TPrivateXServer()
    {
        Kill();
        std::filesystem::remove_all(m_folder);
    }
    void Kill()
    {
        if (m_pid > 0)
            ::kill(m_pid, SIGKILL);
        m_pid = 0;
    }
    std::string Display;

private:
    std::string m_folder;
    pid_t m_pid { 0 };
};

TEST_F(KeyThreadTest, XServerGoneEndsTheThreadAndLeavesTheProcessRunning)
{
    if (std::system("command -v Xvfb >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs Xvfb";
    TPrivateXServer server;
    ASSERT_FALSE(server.Display.empty());
    // The thread connects when it starts: the display stays set until the test ends.
    const char* oldDisplay = std::getenv("DISPLAY");
    const std::string saved = oldDisplay ? oldDisplay : "";
    std::shared_ptr<void> restore(nullptr, [&saved](void*) {
        if (saved.empty())
            ::unsetenv("DISPLAY");
        else
            ::setenv("DISPLAY", saved.c_str(), 1);
    });
    ::setenv("DISPLAY", server.Display.c_str(), 1);
    TAsyncKeyState keyState;
    ASSERT_TRUE(keyState.IsConnected());
    auto thread = std::make_unique<TCheckKeysThread>();
    // A thread without a connection ends at once, so a thread still running after this window
    // has reached the test's X server.
    std::this_thread::sleep_for(500ms);
    ASSERT_FALSE(thread->Finished()) << "the thread did not reach the test's X server";
    server.Kill();
    // Without its own handling the X library would end the process from the thread here.
    EXPECT_TRUE(WaitFor([&] { return thread->Finished(); })) << "the thread did not end";
    EXPECT_TRUE(WinKeysUp.load());
    EXPECT_FALSE(keyState.IsKeyDown(VK::LWin));
    EXPECT_FALSE(keyState.IsConnected());
}

} // namespace
