#pragma once

#include <QImage>
#include <QPoint>

namespace resgen {

// The 32x32 hand pointer: black outline, white fill, transparent elsewhere.
QImage HandCursor();
// Where the hand points: the tip of the index finger.
QPoint HandCursorHotSpot();
// The 32x32 question badge of the exit confirmation, on the button-face grey.
QImage QuestionIcon();
// The tab-set scroller buttons, 12x13: left or right arrow; normal, pressed or disabled.
enum class TScrollerState { Normal, Pressed, Disabled };
QImage ScrollerBitmap(bool left, TScrollerState state);

} // namespace resgen
