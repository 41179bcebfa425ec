#pragma once

class QWidget;

// Tells the window manager that `window` belongs to `owner` and stays above it, also while
// `window` is already on the screen (the toolkit passes this on only when a window is shown).
void SetTransientOwner(QWidget* window, QWidget* owner);
