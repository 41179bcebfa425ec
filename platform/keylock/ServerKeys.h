#pragma once

#include "platform/keylock/kdkbhook.h"

#include <cstdint>
#include <vector>

// The X server acts on some keys itself, before any client sees them and through every
// keyboard grab: Ctrl+Alt+F1...F12 switch to a text console and, where the server allows it,
// Ctrl+Alt+Backspace ends the whole session. While the lock is on, these keys' console-switch
// and server-kill entries are taken out of the active keymap; every way out puts them back.
//
// What was taken out is written to a property of the root window as well, so a start after a
// crash puts the user's keys back first and never mistakes the changed keymap for theirs.
// Only the entries taken out are ever written back, and only where they still hold what the
// lock left there: a layout the desktop loads while the program runs stays in force.

namespace ServerKeys {

// One keymap entry taken out: key, group and level, and what it held.
struct TRemovedEntry {
    std::uint8_t KeyCode { 0 };
    std::uint8_t Group { 0 };
    std::uint8_t Level { 0 };
    std::uint32_t KeySym { 0 };
    std::uint8_t Action[8] {}; // the server's 8-byte key action
    bool operator==(const TRemovedEntry&) const = default;
};

// Whether a keysym or a key action is the server's own way out: a console switch, a screen
// switch or the server kill.
KDKBHOOK_EXPORT bool IsServerKeySym(std::uint32_t keysym);
KDKBHOOK_EXPORT bool IsServerAction(const std::uint8_t (&action)[8]);

// The root-window property's 32-bit words: the owner's window, then four words per entry.
KDKBHOOK_EXPORT std::vector<std::uint32_t> EncodeRecord(std::uint32_t ownerWindow, const std::vector<TRemovedEntry>& entries);
// False when the words are not a record this program wrote.
KDKBHOOK_EXPORT bool DecodeRecord(const std::vector<std::uint32_t>& words, std::uint32_t& ownerWindow,
                  std::vector<TRemovedEntry>& entries);

// Takes the keys out on the named display (null: $DISPLAY) over a connection of its own, so
// that the keys go back even when the program's main connection has broken. First puts back
// what a run that crashed left recorded. Says once on the error output when the server has no
// XKB. Later keymap changes by the desktop are followed while the Qt event loop runs.
KDKBHOOK_EXPORT void Lock(const char* displayName = nullptr);
// Puts back what Lock took out. Safe to call more than once, also from exit and terminate
// handlers, and when nothing was locked.
KDKBHOOK_EXPORT void Unlock();
// Whether the keys are out now (for tests).
KDKBHOOK_EXPORT bool Locked();

} // namespace ServerKeys
