#pragma once

// The lock: while it is on, the system's key bindings (the Super keys, Alt+Tab, Alt+F4,
// Ctrl+Esc, Print ...) and the window manager's mouse bindings do not act, every key goes to
// the program's windows, the program's windows stay on every desktop and above the others,
// the session stays on its desktop, and the X server's own console-switch and server-kill
// keys are out of the keymap (ServerKeys.h); Caps, Num and Scroll Lock are left as they were
// found (LockKeysState.h). As a Wayland client, the compositor is asked to
// hold its shortcuts back instead. DisableWindowKeys and EnableWindowKeys are called from the
// user-interface thread, once each per run.

#define KDKBHOOK_EXPORT __attribute__((visibility("default")))

// The two calls the program makes across the library's C boundary; the rest of the lock's
// interface is C++ (KeyLock.h).
extern "C" {
KDKBHOOK_EXPORT void DisableWindowKeys();
KDKBHOOK_EXPORT void EnableWindowKeys();
}
