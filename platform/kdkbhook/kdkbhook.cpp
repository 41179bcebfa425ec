#include "platform/kdkbhook/kdkbhook.h"

#include "platform/kdkbhook/InputLock.h"
#include "platform/kdkbhook/ServerKeys.h"

#include <QGuiApplication>
#include <QPointer>

#include <X11/Xlib.h>

namespace {

QPointer<TInputLock> Lock;

Display* QtDisplay()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

} // namespace

void DisableWindowKeys()
{
    if (Lock)
        return;
    Display* dpy = QtDisplay();
    if (!dpy)
        return;
    Lock = new TInputLock(dpy);
    ServerKeys::Lock(XDisplayString(dpy));
}

void EnableWindowKeys()
{
    delete Lock.data();
    ServerKeys::Unlock();
}

bool WindowKeysLocked() { return Lock && Lock->KeysLocked(); }
