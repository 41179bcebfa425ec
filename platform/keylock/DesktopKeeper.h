#pragma once

#include <optional>

class QWindow;
struct _XDisplay;

// Keeps the program where the child plays: its windows on every desktop and above the
// others (a window that covers a whole monitor full-screen, so panels do not show through),
// and the session on the desktop it had when the lock began. Whatever moves the session away
// (a window manager binding, a pager, another client) is undone at once.
class TDesktopKeeper {
public:
    explicit TDesktopKeeper(_XDisplay* dpy);

    // Asks the window manager for what it has not granted yet to each shown top-level window
    // of the program; cheap when everything is in place. True when nothing had to be asked.
    bool KeepWindows();
    // A property of the root window changed; true when that moved the session away and it
    // was sent back.
    bool RootPropertyChanged(unsigned long property);
    // Whether a change of this property on one of our windows may have undone its state.
    bool IsWindowStateProperty(unsigned long property) const;

private:
    bool KeepWindow(QWindow* window, bool covering);

    // X11's Display, Window and Atom.
    _XDisplay* FDisplay;
    unsigned long FRoot;
    unsigned long FCurrentDesktop;
    unsigned long FShowingDesktop;
    unsigned long FWmDesktop;
    unsigned long FWmState;
    unsigned long FIcccmState; // WM_STATE, set when the window manager takes or iconifies a window
    unsigned long FStateAbove;
    unsigned long FStateFullscreen;
    unsigned long FStateHidden;
    unsigned long FActiveWindow;
    std::optional<unsigned long> FDesktop;
};
