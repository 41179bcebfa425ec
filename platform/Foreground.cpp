#include "platform/Foreground.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

Display* QtDisplay()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// A modal window of the program blocks the main window: that is the one to bring back.
QWidget* ActivationTarget(QWidget* window)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible())
        return modal;
    return window;
}

bool IsWindowViewable(Display* dpy, Window w)
{
    XWindowAttributes attributes {};
    if (!XGetWindowAttributes(dpy, w, &attributes))
        return false;
    return attributes.map_state == IsViewable;
}

// Whether the X input focus is on `w` or inside it.
bool HasInputFocus(Display* dpy, Window w)
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(dpy, &focus, &revert);
    const Window root = DefaultRootWindow(dpy);
    // A focus window nested deeper than a few levels is not one of ours.
    for (int depth = 0; depth < 8 && focus != 0 && focus != PointerRoot && focus != root; ++depth) {
        if (focus == w)
            return true;
        Window rootReturn = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(dpy, focus, &rootReturn, &parent, &children, &count))
            return false;
        if (children)
            XFree(children);
        focus = parent;
    }
    return false;
}

bool ActivateX11(Display* dpy, Window w)
{
    const Window root = DefaultRootWindow(dpy);
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = XInternAtom(dpy, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2; // source indication: a pager, which window managers obey
    event.xclient.data.l[1] = CurrentTime;
    event.xclient.data.l[2] = 0;
    XSendEvent(dpy, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    // Setting the focus ourselves makes the change immediate and works without a window
    // manager; the window must be viewable or the server refuses it.
    if (IsWindowViewable(dpy, w)) {
        XRaiseWindow(dpy, w);
        XSetInputFocus(dpy, w, RevertToParent, CurrentTime);
    }
    XSync(dpy, False);
    return HasInputFocus(dpy, w);
}

bool IsActiveInQt(QWidget* target)
{
    return QGuiApplication::applicationState() == Qt::ApplicationActive && QApplication::activeWindow() == target;
}

} // namespace

bool ForceForeground(QWidget* window)
{
    if (!window)
        return false;
    QWidget* target = ActivationTarget(window->window());
    Display* dpy = QtDisplay();
    // Qt learns of a focus change only through the event queue, so while the program is
    // being deactivated it may still name the target active; the server knows for sure.
    const Window w = dpy ? static_cast<Window>(target->winId()) : 0;
    if (dpy ? HasInputFocus(dpy, w) : IsActiveInQt(target))
        return true;
    target->raise();
    target->activateWindow();
    if (dpy)
        return ActivateX11(dpy, w);
    return IsActiveInQt(target);
}
