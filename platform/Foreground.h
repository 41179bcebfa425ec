#pragma once

class QWidget;

// Brings the program's window to the front and gives it the keyboard: raises it, asks the
// window manager to activate it as a pager would (which no focus-stealing rule refuses) and
// moves the X input focus to it. When a modal window of the program is open, that window is
// the one brought back. Returns at once with true when the window is already active, else
// whether it is active afterwards.
bool ForceForeground(QWidget* window);
