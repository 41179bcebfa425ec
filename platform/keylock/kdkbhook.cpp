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
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include <X11/Xlib.h>
// X's event-type macro would shadow Qt's event type of the same name.
#undef Expose

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

// Whether a window of the program that takes the keyboard (not the title window) is on the
// screen.
bool KeyWindowExposed()
{
    const auto windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.begin(), windows.end(), [](const QWindow* window) {
        return window->isExposed() && !(window->flags() & Qt::WindowDoesNotAcceptFocus);
    });
}

// Takes the server's console keys out of the keymap once a window of the program that takes
// the keyboard is on the screen. A keymap change sends every client of the display to read
// the keymap again, the window manager for tens of milliseconds in which it maps no window:
// made before the program's first windows, it held them back by as long. Until then the
// start grab holds every key but those the server acts on itself.
class TServerKeysOnceShown : public QObject {
public:
    explicit TServerKeysOnceShown(std::string displayName)
        : QObject(qGuiApp)
        , m_displayName(std::move(displayName))
    {
        qGuiApp->installEventFilter(this);
        // Should no such window come up, the keys go out all the same.
        QTimer::singleShot(ShowWaitMs, this, [this] { Lock(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // Two turns of the event loop later: the window has painted what the exposure asked
        // for, and the title window has asked in the first turn to stay above it.
        if (event->type() == QEvent::Expose && !m_locking && KeyWindowExposed()) {
            m_locking = true;
            QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, [this] { Lock(); }); });
        }
        return false;
    }

private:
    static constexpr int ShowWaitMs = 1000;

    void Lock()
    {
        qGuiApp->removeEventFilter(this);
        // What the program has asked of the server so far (the title window's place) is done
        // before the window manager turns to the keymap.
        if (Display* dpy = QtDisplay())
            XSync(dpy, False);
        ServerKeys::Lock(m_displayName.c_str());
        deleteLater();
    }

    std::string m_displayName;
    bool m_locking { false };
};

QPointer<TServerKeysOnceShown> PendingServerKeys;

void LockServerKeysOnceShown(const char* displayName)
{
    if (PendingServerKeys)
        return;
    if (KeyWindowExposed()) {
        ServerKeys::Lock(displayName);
        return;
    }
    PendingServerKeys = new TServerKeysOnceShown(displayName);
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
        LockServerKeysOnceShown(XDisplayString(dpy));
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

bool KeysHeldWhileStarting() { return StartKeyGrabHeld(); }

void EnableWindowKeys()
{
    DropStartKeyGrab();
    delete PendingServerKeys.data();
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
