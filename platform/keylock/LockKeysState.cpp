#include "platform/keylock/LockKeysState.h"

#include <X11/XKBlib.h>

TLockKeysState::TLockKeysState(Display* dpy)
    : FDisplay(dpy)
{
    int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(FDisplay, &opcode, &event, &error, &major, &minor))
        return;
    XkbStateRec state {};
    if (XkbGetState(FDisplay, XkbUseCoreKbd, &state) != Success)
        return;
    FLocked = state.locked_mods;
    FKnown = true;
}

void TLockKeysState::Restore() const
{
    if (!FKnown)
        return;
    // Every modifier is set to what it was: those locked since are unlocked, and the other way round.
    XkbLockModifiers(FDisplay, XkbUseCoreKbd, 0xFF, FLocked);
    XFlush(FDisplay);
}
