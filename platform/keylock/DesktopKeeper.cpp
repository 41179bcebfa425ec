#include "platform/keylock/DesktopKeeper.h"

#include "platform/keylock/LockWindows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>

#include "platform/keylock/X11Props.h"

namespace {

constexpr long AllDesktops = 0xFFFFFFFF;
constexpr long StateAdd = 1;
constexpr long SourcePager = 2; // requests a pager makes are obeyed without focus-stealing rules

bool Contains(const std::vector<Atom>& atoms, Atom atom)
{
    return std::find(atoms.begin(), atoms.end(), atom) != atoms.end();
}

bool IsKeptWindow(const QWindow* window)
{
    return IsLockCandidate(window) && window->handle() && !(window->flags() & Qt::X11BypassWindowManagerHint);
}

bool CoversAMonitor(const QWindow* window)
{
    const QRect geometry = window->geometry();
    if (geometry.isEmpty())
        return false;
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* screen) { return screen->geometry() == geometry; });
}

} // namespace

TDesktopKeeper::TDesktopKeeper(_XDisplay* dpy)
    : FDisplay(dpy)
    , FRoot(DefaultRootWindow(dpy))
    , FCurrentDesktop(X11Props::Intern(dpy, "_NET_CURRENT_DESKTOP"))
    , FShowingDesktop(X11Props::Intern(dpy, "_NET_SHOWING_DESKTOP"))
    , FWmDesktop(X11Props::Intern(dpy, "_NET_WM_DESKTOP"))
    , FWmState(X11Props::Intern(dpy, "_NET_WM_STATE"))
    , FIcccmState(X11Props::Intern(dpy, "WM_STATE"))
    , FStateAbove(X11Props::Intern(dpy, "_NET_WM_STATE_ABOVE"))
    , FStateFullscreen(X11Props::Intern(dpy, "_NET_WM_STATE_FULLSCREEN"))
    , FStateHidden(X11Props::Intern(dpy, "_NET_WM_STATE_HIDDEN"))
    , FActiveWindow(X11Props::Intern(dpy, "_NET_ACTIVE_WINDOW"))
    , FDesktop(X11Props::Cardinal(dpy, DefaultRootWindow(dpy), FCurrentDesktop))
{
    X11Props::AddEventMask(dpy, FRoot, PropertyChangeMask);
}

bool TDesktopKeeper::KeepWindows()
{
    bool kept = true;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (IsKeptWindow(window) && !KeepWindow(window, CoversAMonitor(window)))
            kept = false;
    }
    return kept;
}

bool TDesktopKeeper::KeepWindow(QWindow* window, bool covering)
{
    const auto w = static_cast<Window>(window->winId());
    // Before the window manager has taken the window it answers no request; it is asked again
    // when it takes the window (it sets WM_STATE then).
    bool kept = true;
    if (X11Props::Cardinal(FDisplay, w, FWmDesktop) != static_cast<unsigned long>(AllDesktops)) {
        X11Props::SendToRoot(FDisplay, w, FWmDesktop, AllDesktops, SourcePager);
        kept = false;
    }
    const std::vector<Atom> state = X11Props::Atoms(FDisplay, w, FWmState);
    const bool needAbove = !Contains(state, FStateAbove);
    const bool needFullscreen = covering && !Contains(state, FStateFullscreen);
    if (needAbove || needFullscreen) {
        X11Props::SendToRoot(FDisplay, w, FWmState, StateAdd, long(needAbove ? FStateAbove : FStateFullscreen),
                             long(needAbove && needFullscreen ? FStateFullscreen : 0), SourcePager);
        kept = false;
    }
    // A minimised window comes back.
    if (Contains(state, FStateHidden)) {
        X11Props::SendToRoot(FDisplay, w, FActiveWindow, SourcePager, CurrentTime);
        kept = false;
    }
    return kept;
}

bool TDesktopKeeper::RootPropertyChanged(unsigned long property)
{
    if (property == FCurrentDesktop) {
        const auto desktop = X11Props::Cardinal(FDisplay, FRoot, FCurrentDesktop);
        if (!FDesktop)
            FDesktop = desktop; // a window manager that started after the lock
        if (!desktop || !FDesktop || *desktop == *FDesktop)
            return false;
        X11Props::SendToRoot(FDisplay, FRoot, FCurrentDesktop, long(*FDesktop), CurrentTime);
        XFlush(FDisplay);
        return true;
    }
    if (property == FShowingDesktop) {
        // "Show the desktop" hides every window; it is switched off again.
        if (X11Props::Cardinal(FDisplay, FRoot, FShowingDesktop).value_or(0) == 0)
            return false;
        X11Props::SendToRoot(FDisplay, FRoot, FShowingDesktop, 0);
        XFlush(FDisplay);
        return true;
    }
    return false;
}

bool TDesktopKeeper::IsWindowStateProperty(unsigned long property) const
{
    return property == FWmDesktop || property == FWmState || property == FIcccmState;
}
