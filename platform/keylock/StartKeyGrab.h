#pragma once

#include <xcb/xcb.h>

// The keyboard held from the first moment the program can reach the display, before the
// toolkit has started: keys a child presses while the program loads go nowhere instead of to
// the desktop. The grab is held over a connection of its own, on the root window, and is let
// go the moment the lock takes the keyboard over the program's own connection.

// Takes the keyboard when the program is going to be an X client. A refused grab is tried
// again for a few tens of milliseconds (the window manager holds the keyboard for a moment on
// each of its bound keys); should another client hold it longer, the lock deals with that.
void TakeStartKeyGrab();
// Whether the start grab is held.
bool StartKeyGrabHeld();
// Passes the keyboard to a grab on `window` over `connection` with no moment between the two
// grabs, and closes the start grab's connection. Returns the new grab's status, or -1 when no
// start grab was held.
int HandOverStartKeyGrab(xcb_connection_t* connection, xcb_window_t window, bool ownerEvents);
// Lets the keyboard go and closes the connection; nothing when none was taken.
void DropStartKeyGrab();
