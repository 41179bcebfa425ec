#pragma once

#include <QImage>

namespace resgen {

// The program's icon for the desktop's menus: the logo's first letter, bouncing in its red,
// on a tile of the control panel's purple, with a star. Drawn at `size` x `size` pixels with
// a transparent outside.
QImage AppIcon(int size);

} // namespace resgen
