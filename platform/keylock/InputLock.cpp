#include "platform/keylock/InputLock.h"

#include "platform/keylock/LockWindows.h"
#include "platform/keylock/StartKeyGrab.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <thread>

#include <X11/Xlib.h>
#include <X11/extensions/sync.h>
#include <xcb/xcb.h>
// X's event-type macros would shadow Qt's event types of the same names.
#undef FocusIn
#undef FocusOut
#undef Expose

namespace {

bool IsGrabCandidate(const QWindow* window)
{
    // The windows that cover the other monitors never take the keyboard.
    return IsLockCandidate(window) && window->handle() && !(window->flags() & Qt::WindowDoesNotAcceptFocus);
}

// The window that takes the grabs: the active one when the program is active, else a modal
// window, else the largest visible top-level window (the main window). Before any window of
// the program is on the screen there is none: the root window holds the keyboard grab then.
QWindow* GrabWindow()
{
    if (QWindow* focus = QGuiApplication::focusWindow(); IsGrabCandidate(focus))
        return focus;
    if (QWindow* modal = QGuiApplication::modalWindow(); IsGrabCandidate(modal))
        return modal;
    QWindow* best = nullptr;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (!IsGrabCandidate(window))
            continue;
        const auto area = [](const QWindow* w) { return qint64(w->width()) * w->height(); };
        if (!best || area(window) > area(best))
            best = window;
    }
    return best;
}

// Whether the pointer is on the window manager's frame around `window`, outside the window.
bool PointerOnFrame(const QWindow* window)
{
    if (window->flags() & Qt::FramelessWindowHint)
        return false;
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (frame == client)
        return false;
    const QPoint pointer = QCursor::pos();
    return frame.contains(pointer) && !client.contains(pointer);
}

// The program's top-level window with this id, or null.
QWindow* OwnWindow(xcb_window_t id)
{
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->handle() && static_cast<xcb_window_t>(window->winId()) == id)
            return window;
    }
    return nullptr;
}

bool IsOwnWindow(xcb_window_t id)
{
    const auto windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.begin(), windows.end(), [id](const QWindow* window) {
        return window->handle() && static_cast<xcb_window_t>(window->winId()) == id;
    });
}

} // namespace

TInputLock::TInputLock(_XDisplay* dpy)
    : QObject(qGuiApp)
    , FDisplay(dpy)
    , FKeeper(dpy)
    , FOtherGrab(dpy)
{
    qGuiApp->installEventFilter(this);
    qGuiApp->installNativeEventFilter(this);
    FTimer.setSingleShot(true);
    connect(&FTimer, &QTimer::timeout, this, [this] { Grab(); });
    FSoon.setSingleShot(true);
    FSoon.setInterval(0);
    connect(&FSoon, &QTimer::timeout, this, [this] { Grab(); });
    Grab();
}

TInputLock::~TInputLock()
{
    // Freed with the application object, the X connection is closing and takes the grabs
    // with it; only EnableWindowKeys, while the application runs, has to release them.
    if (!qGuiApp)
        return;
    qGuiApp->removeNativeEventFilter(this);
    qGuiApp->removeEventFilter(this);
    XUngrabPointer(FDisplay, CurrentTime);
    XUngrabKeyboard(FDisplay, CurrentTime);
    XFlush(FDisplay);
}

bool TInputLock::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ApplicationStateChange:
    case QEvent::Show:
    case QEvent::Expose:
    case QEvent::FocusIn:
    case QEvent::WindowActivate:
    case QEvent::Enter:
    case QEvent::Leave:
        GrabSoon();
        break;
    case QEvent::MouseMove:
        if (FPointerOnFrame)
            GrabSoon();
        break;
    case QEvent::Hide:
        // The server drops the grabs with the window that held them: a window that goes (an
        // error box, the title window) hands them on at once, even while the program is
        // still starting and not yet waiting for events. Any other window that goes may
        // have held a grab of its own (a popup's), which took ours away.
        if (auto* window = qobject_cast<QWindow*>(watched); window && IsHeldBy(window))
            Grab();
        else
            GrabSoon();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool TInputLock::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int type = event->response_type & 0x7f;
    switch (type) {
    case XCB_UNMAP_NOTIFY: {
        // Another program took one of our windows off the screen (the program itself hides a
        // window only after marking it hidden): it goes back at once, and the grabs with it.
        const auto* unmap = static_cast<const xcb_unmap_notify_event_t*>(message);
        QWindow* window = OwnWindow(unmap->window);
        if (window && window->isVisible()) {
            XMapRaised(FDisplay, unmap->window);
            XFlush(FDisplay);
        }
        if (window)
            GrabSoon();
        return false;
    }
    case XCB_MAP_NOTIFY:
    case XCB_REPARENT_NOTIFY:
    case XCB_VISIBILITY_NOTIFY:
        // A window of ours that came back, moved into a new frame (a window manager that
        // started or restarted) or was covered or uncovered: a grab it held may have gone.
        GrabSoon();
        return false;
    case XCB_FOCUS_IN:
    case XCB_FOCUS_OUT:
    case XCB_ENTER_NOTIFY:
    case XCB_LEAVE_NOTIFY:
        // The server tells of every grab that begins or ends, ours or another client's, by
        // moving the focus and the pointer as if to the grabbing window and back. When
        // another client lets go, ours is taken again at once; when ours ended, it comes back.
        GrabSoon();
        return false;
    case XCB_MOTION_NOTIFY:
        // The pointer moves over another client's window, such as a frame of the window
        // manager's: it may need letting go at once.
        GrabSoon();
        return false;
    default:
        break;
    }
    if (type != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
    if (notify->window == static_cast<xcb_window_t>(DefaultRootWindow(FDisplay))) {
        if (FKeeper.RootPropertyChanged(notify->atom))
            GrabSoon();
    } else if (FKeeper.IsWindowStateProperty(notify->atom) && IsOwnWindow(notify->window)) {
        GrabSoon();
    }
    return false; // Qt sees every event as before
}

void TInputLock::GrabSoon()
{
    // Grabbing once the event has been handled lets Qt settle which window is active.
    if (!FSoon.isActive())
        FSoon.start();
}

bool TInputLock::IsHeldBy(const QWindow* window) const
{
    return FHolder != 0 && window->handle() && static_cast<unsigned long>(window->winId()) == FHolder;
}

void TInputLock::Grab()
{
    const bool windowsKept = FKeeper.KeepWindows();
    QWindow* window = GrabWindow();
    const Window w = window ? static_cast<Window>(window->winId()) : DefaultRootWindow(FDisplay);
    // A grab by another client (AlreadyGrabbed) or a window not yet mapped
    // (GrabNotViewable) is tried again on the retry timer, or sooner on an event.
    const bool wasLocked = FKeysLocked;
    const int keyboardStatus = GrabKeyboard(w);
    FKeysLocked = keyboardStatus == GrabSuccess;
    if (FKeysLocked)
        FHolder = w;
    int pointerStatus = GrabSuccess;
    // The pointer is held only while a window of ours is there to receive its events.
    if (window) {
        FPointerOnFrame = PointerOnFrame(window);
        if (FPointerOnFrame) {
            XUngrabPointer(FDisplay, CurrentTime);
        } else {
            // Events over our own windows arrive as usual (owner events); of the events over
            // anything else, only motion comes to us (so the frame hole opens at once), and
            // clicks and wheel turns go nowhere.
            pointerStatus = XGrabPointer(FDisplay, w, True, PointerMotionMask, GrabModeAsync, GrabModeAsync, None,
                                         None, CurrentTime);
        }
    } else {
        FPointerOnFrame = false;
    }
    const bool pointerHeld = pointerStatus == GrabSuccess;
    // Another client's grab is not waited out: what keeps it is ended where it can be. Not
    // while the pointer is let go on a frame of ours: a parent may be dragging that window.
    const bool keyboardTaken = keyboardStatus == AlreadyGrabbed;
    if ((keyboardTaken || pointerStatus == AlreadyGrabbed) && !FPointerOnFrame)
        FOtherGrab.Refused(keyboardTaken);
    else if (FKeysLocked && pointerHeld)
        FOtherGrab.Held();
    XFlush(FDisplay);
    ScheduleRetry(FKeysLocked && pointerHeld, windowsKept);
    if (FKeysLocked != wasLocked && FKeysLockedChanged)
        FKeysLockedChanged();
}

int TInputLock::GrabKeyboard(unsigned long window)
{
    // Only the first refusal is tried again at once: a grab that another client keeps is not
    // worth holding up the program on every event.
    const int tries = FKeyboardRefused ? 1 : KeyboardTries;
    int status = HandOverStartKeyGrab(window);
    if (status < 0)
        status = XGrabKeyboard(FDisplay, window, True, GrabModeAsync, GrabModeAsync, CurrentTime);
    for (int i = 1; i < tries && (status == AlreadyGrabbed || status == GrabFrozen); ++i) {
        std::this_thread::sleep_for(i * KeyboardTryPause);
        status = XGrabKeyboard(FDisplay, window, True, GrabModeAsync, GrabModeAsync, CurrentTime);
    }
    FKeyboardRefused = status == AlreadyGrabbed || status == GrabFrozen;
    return status;
}

int TInputLock::HandOverStartKeyGrab(unsigned long window)
{
    if (!StartKeyGrabHeld())
        return -1;
    // The keyboard held since the program reached the display passes to this connection. The
    // start grab holds the server while the new grab is queued; once it lets go, the server
    // takes this connection's grab before the requests of other clients that waited as well
    // (keys sent through XTest among them): for that moment this connection goes first.
    int eventBase = 0, errorBase = 0;
    const bool priority = XSyncQueryExtension(FDisplay, &eventBase, &errorBase)
                          && XSyncInitialize(FDisplay, &eventBase, &errorBase);
    if (priority)
        XSyncSetPriority(FDisplay, None, HandOverPriority);
    XFlush(FDisplay);
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const int status = ::HandOverStartKeyGrab(x11->connection(), static_cast<xcb_window_t>(window), true);
    if (priority)
        XSyncSetPriority(FDisplay, None, 0);
    return status;
}

void TInputLock::ScheduleRetry(bool grabsHeld, bool windowsKept)
{
    if (FPointerOnFrame) {
        // Once off the frame, the pointer may be over no window of ours to tell us.
        FTimer.start(FrameCheckMs);
        return;
    }
    if (!grabsHeld) {
        FTimer.start(FRetryMs);
        FRetryMs = std::min(2 * FRetryMs, RetryLongestMs);
        return;
    }
    if (!windowsKept && FKeeperTries < KeeperRetries) {
        ++FKeeperTries;
        FTimer.start(FRetryMs);
        FRetryMs = std::min(2 * FRetryMs, RetryLongestMs);
        return;
    }
    // Everything holds: only an event can change that now.
    FTimer.stop();
    FRetryMs = RetryFirstMs;
    if (windowsKept)
        FKeeperTries = 0;
}
