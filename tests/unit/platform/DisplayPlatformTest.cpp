#include "platform/DisplayPlatform.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include <wayland-server.h>

// The platform choice asks the compositor what it offers. Here the compositor is a small one
// of the test's own, on a private socket, offering only the globals a case names.

namespace {

const wl_interface ShortcutsInhibitManager = { "zwp_keyboard_shortcuts_inhibit_manager_v1", 1, 0, nullptr, 0, nullptr };

class TCompositor {
public:
    TCompositor(const std::string& socket, bool seat, bool shortcutsInhibit)
        : FDisplay(wl_display_create())
    {
        if (seat)
            wl_global_create(FDisplay, &wl_seat_interface, 1, const_cast<wl_interface*>(&wl_seat_interface), &Bind);
        if (shortcutsInhibit)
            wl_global_create(FDisplay, &ShortcutsInhibitManager, 1, const_cast<wl_interface*>(&ShortcutsInhibitManager),
                             &Bind);
        FListening = wl_display_add_socket(FDisplay, socket.c_str()) == 0;
        FThread = std::thread([this] {
            wl_event_loop* loop = wl_display_get_event_loop(FDisplay);
            while (!FStop) {
                wl_event_loop_dispatch(loop, 20);
                wl_display_flush_clients(FDisplay);
            }
        });
    }
    ~TCompositor()
    {
        FStop = true;
        FThread.join();
        wl_display_destroy_clients(FDisplay);
        wl_display_destroy(FDisplay);
    }
    bool Listening() const { return FListening; }

private:
    static void Bind(wl_client* client, void* data, uint32_t version, uint32_t id)
    {
        wl_resource_create(client, static_cast<const wl_interface*>(data), int(version), id);
    }

    wl_display* FDisplay;
    bool FListening { false };
    std::atomic<bool> FStop { false };
    std::thread FThread;
};

// Sets an environment variable for one case, and restores it after.
class TEnv {
public:
    TEnv(const char* name, const char* value)
        : FName(name)
    {
        if (const char* old = std::getenv(name))
            FOld = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~TEnv()
    {
        if (FOld)
            setenv(FName, FOld->c_str(), 1);
        else
            unsetenv(FName);
    }

private:
    const char* FName;
    std::optional<std::string> FOld;
};

std::string Platform()
{
    const char* value = std::getenv("QT_QPA_PLATFORM");
    return value ? value : "";
}

class DisplayPlatformTest : public ::testing::Test {
protected:
    TTempDir runtime { "kdwayland" };
    TEnv runtimeDir { "XDG_RUNTIME_DIR", runtime.Path().c_str() };
    TEnv waylandDisplay { "WAYLAND_DISPLAY", "kd-test-0" };
    TEnv platform { "QT_QPA_PLATFORM", nullptr };
    TEnv x11 { "DISPLAY", ":0" };
};

TEST_F(DisplayPlatformTest, AWaylandClientWhereTheCompositorCanHoldItsShortcutsBack)
{
    TCompositor compositor("kd-test-0", true, true);
    ASSERT_TRUE(compositor.Listening());
    EXPECT_TRUE(WaylandCompositorCanLockKeys());
    ChooseDisplayPlatform();
    EXPECT_EQ(Platform(), "wayland;xcb");

    // A platform the user named is kept.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ChooseDisplayPlatform();
    EXPECT_EQ(Platform(), "offscreen");
}

TEST_F(DisplayPlatformTest, AnX11ClientEverywhereElse)
{
    {
        // A compositor without the protocol, or without a seat.
        TCompositor noInhibit("kd-test-0", true, false);
        ASSERT_TRUE(noInhibit.Listening());
        EXPECT_FALSE(WaylandCompositorCanLockKeys());
        ChooseDisplayPlatform();
        EXPECT_EQ(Platform(), "xcb");
        // A session that names Wayland for every client does not choose for the program.
        setenv("QT_QPA_PLATFORM", "wayland", 1);
        ChooseDisplayPlatform();
        EXPECT_EQ(Platform(), "xcb");
        // Without XWayland a Wayland client all the same.
        unsetenv("QT_QPA_PLATFORM");
        TEnv noX("DISPLAY", nullptr);
        ChooseDisplayPlatform();
        EXPECT_EQ(Platform(), "wayland");
    }
    {
        TCompositor noSeat("kd-test-0", false, true);
        ASSERT_TRUE(noSeat.Listening());
        EXPECT_FALSE(WaylandCompositorCanLockKeys());
    }
    // No compositor behind the name, and no Wayland desktop at all.
    EXPECT_FALSE(WaylandCompositorCanLockKeys());
    setenv("WAYLAND_DISPLAY", "", 1);
    EXPECT_FALSE(OnWaylandDesktop());
    unsetenv("QT_QPA_PLATFORM");
    ChooseDisplayPlatform();
    EXPECT_EQ(Platform(), "xcb");
}

} // namespace
