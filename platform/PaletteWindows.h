#pragma once

#include <QRgb>

#include <span>

// On a screen of 8 bits per pixel (a colour-map screen) the toolkit has no image format for
// its windows: it paints nowhere and the screen stays black. There the program draws its
// windows itself: each top-level window renders into an image of its own whenever the
// toolkit repaints part of it, and that part goes to the screen as colour-map cells. The
// colours of `palette` (the shared display palette), `first` before them, are allocated in the
// screen's colour map, so they show exactly; every other colour, and a palette colour for which
// the map had no free cell left, shows as the nearest cell the map holds.
// Returns whether the program draws its windows itself (false on every other screen, where the
// toolkit paints as usual). Call once, after the application object exists.
bool DrawWindowsThroughPalette(std::span<const QRgb> first, std::span<const QRgb> palette);
