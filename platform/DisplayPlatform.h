#pragma once

// Chooses Qt's platform plugin; call it before the application object exists. On a Wayland
// desktop whose compositor lets a client inhibit its shortcuts, the program is a Wayland
// client, so that the key lock holds against the compositor; everywhere else it is an X11
// client (on XWayland under a Wayland desktop; a Wayland client without the lock where there
// is no XWayland). A platform named in QT_QPA_PLATFORM is kept, unless it names Wayland.
void ChooseDisplayPlatform();

// Whether the Wayland compositor named by WAYLAND_DISPLAY answers and offers what the key
// lock needs: a seat and keyboard-shortcuts-inhibit.
bool WaylandCompositorCanLockKeys();

// Whether the session is a Wayland desktop (WAYLAND_DISPLAY set), whichever platform the
// program runs on there.
bool OnWaylandDesktop();
