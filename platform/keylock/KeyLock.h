#pragma once

#include "platform/keylock/kdkbhook.h"

#include <functional>

// What the lock can tell the program about itself, so that a parent learns which keys are not
// locked.
enum class TWindowKeysState {
    Locked,          // the desktop's shortcuts are held back
    DesktopKeysOpen, // a Wayland desktop that offers no way to hold its shortcuts back
    Refused,         // the desktop has not allowed the program to hold its shortcuts back
    Lost,            // the desktop took the lock back and has not given it again
    // An X client on a Wayland desktop: the X grab holds against X clients, and whether the
    // desktop honours it for its own shortcuts cannot be seen from the program.
    DesktopKeysUnknown,
    // A Wayland client none of whose windows has the keyboard: the desktop gave it to another
    // window, and the program cannot take it back; the desktop's shortcuts act meanwhile.
    KeyboardElsewhere,
};

// Holds the keyboard from the moment the program can reach an X display, before the toolkit
// starts, until DisableWindowKeys takes it over (or the program ends); call it first in main,
// once the window system is chosen. Nothing on a Wayland client.
KDKBHOOK_EXPORT void HoldKeysWhileStarting();
// Whether HoldKeysWhileStarting holds the keyboard: the X display was reached.
KDKBHOOK_EXPORT bool KeysHeldWhileStarting();

// Whether the keys are locked now: false before DisableWindowKeys, after EnableWindowKeys,
// while another client holds the keyboard, while no window of a Wayland client has it, and
// while a Wayland compositor does not hold its shortcuts back.
KDKBHOOK_EXPORT bool WindowKeysLocked();

// Sets the receiver of the lock's reports (empty for none); set it before DisableWindowKeys.
// Reports come on the user-interface thread whenever the state changes while locked.
KDKBHOOK_EXPORT void SetWindowKeysReport(std::function<void(TWindowKeysState)> report);

// `changed` is called on the user-interface thread whenever WindowKeysLocked's answer may have
// changed, so nobody has to ask it on a timer; an empty `changed` stops the calls.
KDKBHOOK_EXPORT void WatchWindowKeysLocked(std::function<void()> changed);
