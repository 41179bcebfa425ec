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

extern "C" {
KDKBHOOK_EXPORT void DisableWindowKeys();
KDKBHOOK_EXPORT void EnableWindowKeys();
// Whether the keys are locked now: false before DisableWindowKeys, after EnableWindowKeys,
// while another client holds the keyboard, and while a Wayland compositor does not hold its
// shortcuts back.
KDKBHOOK_EXPORT bool WindowKeysLocked();

// What the lock can tell the program about itself, so that a parent learns which keys are
// not locked. Reported on the user-interface thread whenever it changes while locked.
enum TWindowKeysState {
    wksLocked = 0,          // the desktop's shortcuts are held back
    wksDesktopKeysOpen = 1, // an X client on a Wayland desktop: its own shortcuts still act
    wksRefused = 2,         // the desktop has not allowed the program to hold its shortcuts back
    wksLost = 3,            // the desktop took the lock back and has not given it again
};
typedef void (*TWindowKeysReport)(void* context, int state);
// Sets the receiver of the reports (null for none). Set before DisableWindowKeys.
KDKBHOOK_EXPORT void SetWindowKeysReport(TWindowKeysReport report, void* context);

// `changed(context)` is called on the user-interface thread whenever WindowKeysLocked's answer
// may have changed, so nobody has to ask it on a timer; a null `changed` stops the calls.
KDKBHOOK_EXPORT void WatchWindowKeysLocked(void (*changed)(void* context), void* context);
}
