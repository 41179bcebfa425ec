#include "app/KeyThread.h"

#include "platform/KeyState.h"
#include "platform/VirtualKeys.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <fstream>
#include <string>
#include <unistd.h>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A keyboard whose Windows keys the test holds and releases, recording every query.
struct TFakeKeyboard {
    std::atomic<bool> LeftDown { false };
    std::atomic<bool> RightDown { false };
    std::mutex Lock;
    std::vector<int> Queries;

    std::int16_t State(int virtualKey)
    {
        {
            std::lock_guard lock(Lock);
            Queries.push_back(virtualKey);
        }
        const bool down = (virtualKey == VK::LWin && LeftDown) || (virtualKey == VK::RWin && RightDown);
        return down ? std::int16_t(0x8000) : std::int16_t(0);
    }

    std::vector<int> TakeQueries()
    {
        std::lock_guard lock(Lock);
        return std::exchange(Queries, {});
    }

    TCheckKeysThread::TKeyStateQuery Query()
    {
        return [this](int vk) { return State(vk); };
    }
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
    // Outlives the thread: the test waits for it to finish before the keyboard goes away.
    TFakeKeyboard keyboard;
    TCheckKeysThread thread(keyboard.Query());

    keyboard.LeftDown = true;
    EXPECT_TRUE(WaitFor([] { return !WinKeysUp; }));
    keyboard.LeftDown = false;
    EXPECT_TRUE(WaitFor([] { return WinKeysUp.load(); }));
    keyboard.RightDown = true;
    EXPECT_TRUE(WaitFor([] { return !WinKeysUp; }));
    keyboard.RightDown = false;
    EXPECT_TRUE(WaitFor([] { return WinKeysUp.load(); }));

    thread.Terminate();
    EXPECT_TRUE(WaitFor([&] { return thread.Finished(); }));
}

TEST_F(KeyThreadTest, LeftKeyIsNotAskedWhileTheRightOneIsHeld)
{
    TFakeKeyboard keyboard;
    keyboard.RightDown = true;
    TCheckKeysThread thread(keyboard.Query());
    EXPECT_TRUE(WaitFor([] { return !WinKeysUp; }));
    EXPECT_TRUE(WaitFor([&] {
        std::lock_guard lock(keyboard.Lock);
        return keyboard.Queries.size() >= 3;
    }));
    thread.Terminate();
    ASSERT_TRUE(WaitFor([&] { return thread.Finished(); }));

    const auto queries = keyboard.TakeQueries();
    ASSERT_GE(queries.size(), 2u);
    for (int vk : queries)
        EXPECT_EQ(vk, VK::RWin);
}

TEST_F(KeyThreadTest, BothKeysAreAskedWhileNeitherIsHeld)
{
    TFakeKeyboard keyboard;
    TCheckKeysThread thread(keyboard.Query());
    EXPECT_TRUE(WaitFor([&] {
        std::lock_guard lock(keyboard.Lock);
        return keyboard.Queries.size() >= 4;
    }));
    thread.Terminate();
    ASSERT_TRUE(WaitFor([&] { return thread.Finished(); }));

    const auto queries = keyboard.TakeQueries();
    for (std::size_t i = 0; i + 1 < queries.size(); i += 2) {
        EXPECT_EQ(queries[i], VK::RWin);
        EXPECT_EQ(queries[i + 1], VK::LWin);
    }
    EXPECT_TRUE(WinKeysUp);
}

TEST_F(KeyThreadTest, EndsSoonAfterTheRequestAndStopsPolling)
{
    TFakeKeyboard keyboard;
    TCheckKeysThread thread(keyboard.Query());
    EXPECT_TRUE(WaitFor([&] {
        std::lock_guard lock(keyboard.Lock);
        return !keyboard.Queries.empty();
    }));
    EXPECT_FALSE(thread.Finished());
    thread.Terminate();
    EXPECT_TRUE(thread.Terminated());
    // The body sleeps in a wait the request cuts short, so it ends well within one poll.
    EXPECT_TRUE(WaitFor([&] { return thread.Finished(); }, 1s));
    // Finished means the body has returned: the last poll is already counted, none follows.
    keyboard.TakeQueries();
    EXPECT_TRUE(keyboard.TakeQueries().empty());
}

TEST_F(KeyThreadTest, OwnerMayGoAwayWhileTheThreadRuns)
{
    // The query's captures are owned by the thread's shared state; destroying the owner only
    // asks the thread to end.
    auto counter = std::make_shared<std::atomic<int>>(0);
    {
        TCheckKeysThread thread([counter](int) {
            ++*counter;
            return std::int16_t(0);
        });
        EXPECT_TRUE(WaitFor([&] { return *counter > 0; }));
    }
    // Once the thread has let go of its state, only this test holds the counter.
    EXPECT_TRUE(WaitFor([&] { return counter.use_count() == 1; }));
}

// Real key presses through the XTest extension (xdotool), read back from the X key map.
bool HaveXServerAndXdotool()
{
    const char* display = std::getenv("DISPLAY");
    return display && *display && std::system("command -v xdotool >/dev/null 2>&1") == 0;
}

TEST_F(KeyThreadTest, XServerKeyMapDrivesWinKeysUp)
{
    if (!HaveXServerAndXdotool())
        GTEST_SKIP() << "needs an X display (DISPLAY) and xdotool";
    {
        TAsyncKeyState keyState;
        ASSERT_TRUE(keyState.IsConnected());
    }
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
    EXPECT_TRUE(WaitFor([&] { return thread.Finished(); }));
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
