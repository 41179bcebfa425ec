#include "app/KDGlobals.h"

TModuleHandle SoundsModule = 0;
TModuleHandle KeysModule = 0;
TModuleHandle PatternsModule = 0;
TModuleHandle PicturesModule = 0;

std::atomic<bool> WinKeysUp { true };

bool SplashShowing = true;

void RegisterKDCursor() { }
