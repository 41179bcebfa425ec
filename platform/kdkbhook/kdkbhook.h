#pragma once

// The keyboard lock: while it is on, the system's key bindings (the Super keys, Alt+Tab,
// Alt+F4, Ctrl+Esc, Print ...) do not act, every key goes to the program's windows, and the
// X server's own console-switch and server-kill keys are out of the keymap (ServerKeys.h).
// Both are called from the user-interface thread, once each per run.

#define KDKBHOOK_EXPORT __attribute__((visibility("default")))

extern "C" {
KDKBHOOK_EXPORT void DisableWindowKeys();
KDKBHOOK_EXPORT void EnableWindowKeys();
}
