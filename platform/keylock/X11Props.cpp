#include "platform/keylock/X11Props.h"

#include <X11/Xatom.h>

namespace X11Props {

Atom Intern(Display* dpy, const char* name) { return XInternAtom(dpy, name, False); }

std::optional<unsigned long> Cardinal(Display* dpy, Window window, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
        != Success)
        return std::nullopt;
    std::optional<unsigned long> value;
    if (data && type == XA_CARDINAL && format == 32 && count == 1)
        value = *reinterpret_cast<unsigned long*>(data); // format 32 arrives as longs
    if (data)
        XFree(data);
    return value;
}

std::vector<Atom> Atoms(Display* dpy, Window window, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<Atom> atoms;
    if (XGetWindowProperty(dpy, window, property, 0, 64, False, XA_ATOM, &type, &format, &count, &after, &data)
        != Success)
        return atoms;
    if (data && type == XA_ATOM && format == 32) {
        const auto* values = reinterpret_cast<Atom*>(data);
        atoms.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return atoms;
}

void SendToRoot(Display* dpy, Window window, Atom type, long d0, long d1, long d2, long d3)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = d0;
    event.xclient.data.l[1] = d1;
    event.xclient.data.l[2] = d2;
    event.xclient.data.l[3] = d3;
    XSendEvent(dpy, DefaultRootWindow(dpy), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

void AddEventMask(Display* dpy, Window window, long mask)
{
    XWindowAttributes attributes {};
    if (!XGetWindowAttributes(dpy, window, &attributes))
        return;
    if ((attributes.your_event_mask & mask) != mask)
        XSelectInput(dpy, window, attributes.your_event_mask | mask);
}

} // namespace X11Props
