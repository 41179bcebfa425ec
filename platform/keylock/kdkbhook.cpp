#include "platform/keylock/kdkbhook.h"

#include "platform/keylock/KeyLock.h"

#include "platform/keylock/InputLock.h"
#include "platform/keylock/LockKeysState.h"
#include "platform/keylock/LockWindows.h"
#include "platform/keylock/ServerKeys.h"
#include "platform/keylock/StartKeyGrab.h"
#include "platform/keylock/WaylandKeyLock.h"

#include <QGuiApplication>
#include <QPointer>

#include <cstdlib>
#include <optional>

#include <X11/Xlib.h>

// The lock fits the platform the program runs on: X grabs for an X client, the compositor's
// shortcuts inhibited for a Wayland client. Elsewhere (offscreen) there is nothing to lock.

namespace {

QPointer<TInputLock> X11Lock;
QPointer<TWaylandKeyLock> WaylandLock;
std::optional<TLockKeysState> LockKeys;
std::function<void()> LockChanged;

void TellLockChanged()
{
    if (LockChanged)
        LockChanged();
}

Display* QtDisplay()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// An X client on a Wayland desktop runs on XWayland: its grabs hold against other X clients;
// whether the compositor holds its own shortcuts back for the grab is the compositor's choice
// (some do, some ask, some never do), and nothing tells the client.
bool OnWaylandDesktop()
{
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return wayland && *wayland;
}

} // namespace

void DisableWindowKeys()
{
    if (X11Lock || WaylandLock)
        return;
    if (Display* dpy = QtDisplay()) {
        LockKeys.emplace(dpy);
        X11Lock = new TInputLock(dpy);
        X11Lock->SetKeysLockedChanged(TellLockChanged);
        ServerKeys::Lock(XDisplayString(dpy));
        if (OnWaylandDesktop())
            ReportWindowKeys(TWindowKeysState::DesktopKeysUnknown);
    } else {
        WaylandLock = TWaylandKeyLock::Create();
        if (WaylandLock)
            WaylandLock->SetKeysLockedChanged(TellLockChanged);
    }
    TellLockChanged();
}

void HoldKeysWhileStarting() { TakeStartKeyGrab(); }

void EnableWindowKeys()
{
    DropStartKeyGrab();
    const bool wasLocked = X11Lock || WaylandLock;
    delete X11Lock.data();
    delete WaylandLock.data();
    if (LockKeys && qGuiApp)
        LockKeys->Restore();
    LockKeys.reset();
    ServerKeys::Unlock();
    ForgetWindowKeysState();
    if (wasLocked)
        TellLockChanged();
}

bool WindowKeysLocked()
{
    if (X11Lock)
        return X11Lock->KeysLocked();
    return WaylandLock && WaylandLock->KeysLocked();
}

void WatchWindowKeysLocked(std::function<void()> changed) { LockChanged = std::move(changed); }
