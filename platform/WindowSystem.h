#pragma once

// Chooses how the program meets the window system; called first in main, before the
// application object exists. The program runs on X11 (Qt's xcb platform) whatever the
// session, because its key and pointer lock are X11 grabs: under a native Wayland platform
// they would silently do nothing. Every window is laid out in pixels, as designed at 96
// pixels per inch, so no scaling by screen density or scale factor applies.
void ChooseWindowSystem();
