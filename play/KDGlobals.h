#pragma once

#include "resmodule/ResourceModule.h"

#include <atomic>
#include <cstdint>
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

// The play modes, stored in one byte.
enum TPlayMode : std::uint8_t {
    ClassicType = 0,
    PatternType = 1,
    ShapeType = 2,
    PictureType = 3,
    KeyType = 4,
};

// "ClassicType" ... "KeyType"; an empty text for values above 4.
std::string PlayModeName(std::uint8_t mode);

// Cursor number of the hand pointer every clickable image and button uses.
constexpr int crKDHand = 101;

// Loads the hand cursor from the program's resources and registers it as cursor 101.
void RegisterKDCursor();
