#pragma once

#include <QImage>
#include <QString>

namespace resgen {

// The control panel's 32x32 bitmaps: the five play modes (selected and not), the sound
// switch, and the exit door (up and pressed).
enum class TPlayModeIcon { Classic, Pattern, Shape, Picture, Key };

QImage PlayModeBitmap(TPlayModeIcon icon, bool selected);
QImage SoundBitmap(bool on);
QImage ExitBitmap(bool up);
// The 247x32 "Kedoozle" logo.
QImage LogoBitmap();

} // namespace resgen
