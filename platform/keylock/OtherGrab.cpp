#include "platform/keylock/OtherGrab.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

TOtherGrabEnder::TOtherGrabEnder(_XDisplay* dpy)
    : FDisplay(dpy)
{
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    FHasXTest = XTestQueryExtension(FDisplay, &eventBase, &errorBase, &major, &minor);
}

void TOtherGrabEnder::Refused(bool keyboard)
{
    if (!FHasXTest || ++FRefusals < 2)
        return;
    // A released modifier or button ends most grabs by itself; whether it did shows at the
    // next try, and only then does Escape follow, which goes to whoever holds the keyboard.
    bool released = keyboard && ReleaseHeldModifiers();
    released = ReleaseHeldButtons() || released;
    if (!released && keyboard && FEscapes < EscapesMost) {
        ++FEscapes;
        PressEscape();
    }
    XFlush(FDisplay);
}

bool TOtherGrabEnder::ReleaseHeldModifiers()
{
    char keys[32] {};
    XQueryKeymap(FDisplay, keys);
    XModifierKeymap* modifiers = XGetModifierMapping(FDisplay);
    if (!modifiers)
        return false;
    bool released = false;
    for (int i = 0; i < 8 * modifiers->max_keypermod; ++i) {
        const KeyCode code = modifiers->modifiermap[i];
        if (code != 0 && (keys[code / 8] & (1 << (code % 8)))) {
            XTestFakeKeyEvent(FDisplay, code, False, CurrentTime);
            keys[code / 8] &= char(~(1 << (code % 8))); // a key on two modifiers goes up once
            released = true;
        }
    }
    XFreeModifiermap(modifiers);
    return released;
}

bool TOtherGrabEnder::ReleaseHeldButtons()
{
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(FDisplay, DefaultRootWindow(FDisplay), &root, &child, &rootX, &rootY, &x, &y, &mask))
        return false;
    bool released = false;
    for (unsigned int button = 1; button <= 5; ++button) {
        if (mask & (Button1Mask << (button - 1))) {
            XTestFakeButtonEvent(FDisplay, button, False, CurrentTime);
            released = true;
        }
    }
    return released;
}

void TOtherGrabEnder::PressEscape()
{
    const KeyCode escape = XKeysymToKeycode(FDisplay, XK_Escape);
    if (escape == 0)
        return;
    XTestFakeKeyEvent(FDisplay, escape, True, CurrentTime);
    XTestFakeKeyEvent(FDisplay, escape, False, CurrentTime);
}
