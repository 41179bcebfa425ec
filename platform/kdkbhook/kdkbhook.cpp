#include "platform/kdkbhook/kdkbhook.h"

#include "platform/kdkbhook/ServerKeys.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <X11/Xlib.h>
// X's event-type macros would shadow Qt's event types of the same names.
#undef FocusIn
#undef Expose

// The lock is an active keyboard grab on the program's active window, taken over Qt's own X
// connection. While a client holds the keyboard grab, the window manager's passive grabs on
// the root window (its key bindings) never fire, and with owner events on, the keys still
// reach whichever of the program's windows has the focus. The server drops the grab when the
// grabbing window is unmapped and refuses it while another client holds one, so it is taken
// again whenever a program window is shown or activated, and on a short timer.

namespace {

constexpr int RegrabIntervalMs = 250;

Display* QtDisplay()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

bool IsGrabCandidate(const QWindow* window)
{
    if (!window || !window->isVisible() || !window->isTopLevel())
        return false;
    const auto type = window->type();
    // The windows that cover the other monitors never take the keyboard.
    if (window->flags() & Qt::WindowDoesNotAcceptFocus)
        return false;
    return type != Qt::ToolTip && type != Qt::Popup && type != Qt::Desktop;
}

// The window that takes the grab: the active one when the program is active, else a modal
// window, else the largest visible top-level window (the main window). Before any window of
// the program is on the screen there is none: the root window holds the grab then.
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

class TKeyboardLock : public QObject {
public:
    explicit TKeyboardLock(Display* dpy)
        : QObject(qGuiApp)
        , FDisplay(dpy)
    {
        qGuiApp->installEventFilter(this);
        FTimer.setInterval(RegrabIntervalMs);
        connect(&FTimer, &QTimer::timeout, this, [this] { Grab(); });
        FTimer.start();
        FSoon.setSingleShot(true);
        FSoon.setInterval(0);
        connect(&FSoon, &QTimer::timeout, this, [this] { Grab(); });
        Grab();
    }

    ~TKeyboardLock() override
    {
        // Freed with the application object, the X connection is closing and takes the grab
        // with it; only EnableWindowKeys, while the application runs, has to release it.
        if (!qGuiApp)
            return;
        qGuiApp->removeEventFilter(this);
        XUngrabKeyboard(FDisplay, CurrentTime);
        XFlush(FDisplay);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ApplicationStateChange:
        case QEvent::Show:
        case QEvent::Expose:
        case QEvent::FocusIn:
        case QEvent::WindowActivate:
            // Grabbing once the event has been handled lets Qt settle which window is active.
            if (!FSoon.isActive())
                FSoon.start();
            break;
        case QEvent::Hide:
            // The server drops the grab with the window that held it: a window that goes (an
            // error box, the title window) hands the grab on at once, even while the program
            // is still starting and not yet waiting for events.
            if (auto* window = qobject_cast<QWindow*>(watched); window && IsHeldBy(window))
                Grab();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool IsHeldBy(QWindow* window) const { return FHolder != 0 && window->handle() && static_cast<Window>(window->winId()) == FHolder; }

    void Grab()
    {
        QWindow* window = GrabWindow();
        const Window holder = window ? static_cast<Window>(window->winId()) : DefaultRootWindow(FDisplay);
        // A grab by another client (AlreadyGrabbed) or a window not yet mapped
        // (GrabNotViewable) is simply tried again on the next tick.
        const int status =
            XGrabKeyboard(FDisplay, holder, True, GrabModeAsync, GrabModeAsync, CurrentTime);
        if (status == GrabSuccess)
            FHolder = holder;
        XFlush(FDisplay);
    }

    Display* FDisplay;
    Window FHolder { 0 };
    QTimer FTimer;
    QTimer FSoon;
};

QPointer<TKeyboardLock> Lock;

} // namespace

void DisableWindowKeys()
{
    if (Lock)
        return;
    Display* dpy = QtDisplay();
    if (!dpy)
        return;
    Lock = new TKeyboardLock(dpy);
    ServerKeys::Lock(XDisplayString(dpy));
}

void EnableWindowKeys()
{
    delete Lock.data();
    ServerKeys::Unlock();
}
