#pragma once

#include "framework/ResourceModule.h"

#include <atomic>
#include <string>

// Values several parts of the program share, with their start values.

// Handles of the four content modules; 0 for no module.
extern TModuleHandle SoundsModule;
extern TModuleHandle KeysModule;
extern TModuleHandle PatternsModule;
extern TModuleHandle PicturesModule;

// True while neither Super key is held; written by the key-watch thread only.
extern std::atomic<bool> WinKeysUp;

// True until the splash window is dismissed.
extern bool SplashShowing;

// Cursor number of the hand pointer every clickable image and button uses.
constexpr int crKDHand = 101;

// Loads the hand cursor from the program's resources and registers it as cursor 101.
void RegisterKDCursor();
