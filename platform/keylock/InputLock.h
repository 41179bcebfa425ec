#pragma once

#include "platform/keylock/DesktopKeeper.h"
#include "platform/keylock/OtherGrab.h"

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

class QWindow;

struct _XDisplay;

// The lock, taken over the program's own Qt X connection: an active keyboard grab and an
// active pointer grab on the program's active window, both with owner events on. While a
// client holds them, the window manager's passive grabs (its key and mouse bindings, on the
// root window and on window frames) never fire, and whatever the desktop watches the pointer
// for never sees it; every key and every pointer event over one of the program's own windows
// still reaches that window as usual. Events over other clients' windows are dropped.
//
// One hole is left in the pointer grab: while the pointer is on the frame the window manager
// draws around a decorated window of ours (the title bar and close box of a dialog), the
// pointer is let go, so the frame's own buttons work; it is taken again as soon as the
// pointer is back on one of our windows or elsewhere.
//
// The server drops a grab when the grabbing window is unmapped, and refuses one while another
// client holds it, so both are taken again whenever a program window is shown, hidden,
// activated, unmapped, mapped or iconified, whenever the focus or the pointer moves because a
// grab began or ended anywhere, and whenever the session is moved off its desktop (and moved
// back). Once both grabs hold and the window manager has granted our windows' states, no
// timer runs: a program left alone does not wake. While a grab is refused, it is tried again
// on a timer that backs off to RetryLongestMs; while the pointer rests on a dialog's frame,
// on a steady short one. A grab refused because another client holds the keyboard or the
// pointer (the window manager cycling windows or showing a menu when the program starts) has
// that client's reason ended where that can be done (OtherGrab.h).
class TInputLock : public QObject, public QAbstractNativeEventFilter {
public:
    explicit TInputLock(_XDisplay* dpy);
    ~TInputLock() override;

    // Whether the keyboard grab held at the last attempt.
    bool KeysLocked() const { return FKeysLocked; }
    // Called on this thread whenever KeysLocked changes.
    void SetKeysLockedChanged(std::function<void()> changed) { FKeysLockedChanged = std::move(changed); }
    // Whether a retry is due on a timer (a grab refused, the pointer on a frame, or the window
    // manager not yet done); false while everything holds.
    bool Retrying() const { return FTimer.isActive(); }

    // The retry timer starts at RetryFirstMs and doubles up to RetryLongestMs while a grab
    // is refused.
    static constexpr int RetryFirstMs = 100;
    static constexpr int RetryLongestMs = 500;
    // While the pointer is let go on a frame, it is looked at this often.
    static constexpr int FrameCheckMs = 250;
    // How often a window manager that has not granted our windows' states is asked again on
    // the timer; after that only its property changes make us ask.
    static constexpr int KeeperRetries = 5;
    // A keyboard grab refused is tried this many times, with pauses growing by KeyboardTryPause
    // (7 ms in all), before it waits for the timer: the window manager holds the keyboard for
    // a moment on each of its bound keys, and a key a child presses then would reach the
    // desktop while the lock waits.
    static constexpr int KeyboardTries = 8;
    static constexpr std::chrono::microseconds KeyboardTryPause { 250 };
    // The connection's scheduling priority while the start grab is handed over to it.
    static constexpr int HandOverPriority = 1000;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Grab();
    int GrabKeyboard(unsigned long window);
    int HandOverStartKeyGrab(unsigned long window);
    void GrabSoon();
    void ScheduleRetry(bool grabsHeld, bool windowsKept);
    bool IsHeldBy(const QWindow* window) const;

    _XDisplay* FDisplay; // X11's Display
    TDesktopKeeper FKeeper;
    TOtherGrabEnder FOtherGrab;
    QTimer FTimer;
    QTimer FSoon;
    unsigned long FHolder { 0 }; // the X window that holds the keyboard grab
    bool FKeysLocked { false };
    bool FPointerOnFrame { false };
    bool FKeyboardRefused { false };
    int FRetryMs { RetryFirstMs };
    int FKeeperTries { 0 };
    std::function<void()> FKeysLockedChanged;
};
