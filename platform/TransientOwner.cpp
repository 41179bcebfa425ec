#include "platform/TransientOwner.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

void SetTransientOwner(QWidget* window, QWidget* owner)
{
    if (!window || !owner)
        return;
    window->createWinId();
    owner->createWinId();
    window->windowHandle()->setTransientParent(owner->windowHandle());
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* dpy = x11 ? x11->display() : nullptr;
    if (!dpy)
        return;
    XSetTransientForHint(dpy, static_cast<Window>(window->winId()), static_cast<Window>(owner->winId()));
    XFlush(dpy);
}
