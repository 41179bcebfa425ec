#include "platform/ScreenPalette.h"

#include <QGuiApplication>

#include <X11/Xlib.h>

namespace {

constexpr unsigned RasterCapsPalette = 0x100;

} // namespace

TScreenPaletteCaps ScreenPaletteCaps()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return {};
    const Visual* visual = DefaultVisual(display, DefaultScreen(display));
    // Only visuals whose colour map cells a program can set work through a palette.
    if (!visual || (visual->c_class != PseudoColor && visual->c_class != GrayScale))
        return {};
    return { visual->map_entries, RasterCapsPalette };
}
