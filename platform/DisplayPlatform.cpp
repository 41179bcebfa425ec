#include "platform/DisplayPlatform.h"

#include <cstdlib>
#include <cstring>

#include <wayland-client.h>

namespace {

struct TGlobals {
    bool Seat { false };
    bool ShortcutsInhibit { false };
};

void Global(void* data, wl_registry*, uint32_t, const char* interface, uint32_t)
{
    auto* globals = static_cast<TGlobals*>(data);
    if (std::strcmp(interface, "wl_seat") == 0)
        globals->Seat = true;
    else if (std::strcmp(interface, "zwp_keyboard_shortcuts_inhibit_manager_v1") == 0)
        globals->ShortcutsInhibit = true;
}

void GlobalRemove(void*, wl_registry*, uint32_t) { }

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

bool WaylandCompositorCanLockKeys()
{
    if (!OnWaylandDesktop())
        return false;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    TGlobals globals;
    static const wl_registry_listener listener = { &Global, &GlobalRemove };
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &globals);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return answered && globals.Seat && globals.ShortcutsInhibit;
}

bool OnWaylandDesktop() { return IsSet("WAYLAND_DISPLAY"); }

void ChooseDisplayPlatform()
{
    // A platform named for the program (offscreen, or xcb to run on XWayland) is kept; a
    // session that names Wayland for every client does not know whether this compositor holds
    // its shortcuts back, so that choice is made here.
    if (const char* named = std::getenv("QT_QPA_PLATFORM"); named && *named && !std::strstr(named, "wayland"))
        return;
    // Without its Wayland plugin, Qt takes the next platform of the list. On a Wayland desktop
    // without XWayland the program is a Wayland client all the same, unlocked, as the lock
    // then reports.
    const char* platform = "xcb";
    if (WaylandCompositorCanLockKeys())
        platform = "wayland;xcb";
    else if (OnWaylandDesktop() && !IsSet("DISPLAY"))
        platform = "wayland";
    setenv("QT_QPA_PLATFORM", platform, 1);
}
