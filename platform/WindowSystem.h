#pragma once

// Chooses how the program meets the window system; called first in main, before the
// application object exists. The program is an X11 client (Qt's xcb platform), its lock made
// of X grabs, except on a Wayland desktop whose compositor can hold its shortcuts back for it
// (DisplayPlatform.h). Every window is laid out in pixels, as designed at 96 pixels per inch,
// so no scaling by screen density or scale factor applies.
void ChooseWindowSystem();
