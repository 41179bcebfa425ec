#pragma once

#include <optional>
#include <vector>

#include <X11/Xlib.h>

// Small helpers (included after every Qt header, as X11's macros clash with Qt's names) over Xlib for the window manager's properties and requests.
namespace X11Props {

Atom Intern(Display* dpy, const char* name);
// The first 32-bit value of a CARDINAL property, if the window has one.
std::optional<unsigned long> Cardinal(Display* dpy, Window window, Atom property);
// The atoms of an ATOM-list property (empty when absent).
std::vector<Atom> Atoms(Display* dpy, Window window, Atom property);
// A client message of format 32 about `window`, sent to the root window the way the window
// manager's specification asks of clients and pagers.
void SendToRoot(Display* dpy, Window window, Atom type, long d0, long d1 = 0, long d2 = 0, long d3 = 0);
// Adds `mask` to the events this connection selects on `window`, keeping what it had.
void AddEventMask(Display* dpy, Window window, long mask);

} // namespace X11Props
