#include "play/KDGlobals.h"

#include "resources/ProgramResources.h"
#include "widgetkit/Controls.h"

#include <QCursor>
#include <QPixmap>

TModuleHandle SoundsModule = 0;
TModuleHandle KeysModule = 0;
TModuleHandle PatternsModule = 0;
TModuleHandle PicturesModule = 0;

std::atomic<bool> WinKeysUp { true };

bool SplashShowing = true;

void RegisterKDCursor()
{
    if (!ProgramResourceExists("KDCURSOR_HAND"))
        return;
    // The hand's fingertip is the hot spot.
    RegisterCursor(crKDHand, QCursor(QPixmap::fromImage(LoadProgramBitmap("KDCURSOR_HAND")), 8, 1));
}

std::string PlayModeName(std::uint8_t mode)
{
    static const char* const names[] = { "ClassicType", "PatternType", "ShapeType", "PictureType", "KeyType" };
    return mode < 5 ? names[mode] : std::string();
}
