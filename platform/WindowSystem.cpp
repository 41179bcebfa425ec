#include "platform/WindowSystem.h"

#include "platform/DisplayPlatform.h"

#include <QByteArray>

void ChooseWindowSystem()
{
    // The one place where the platform is chosen.
    ChooseDisplayPlatform();
    // Neither the screen's density (Xft.dpi) nor a scale factor set in the session may
    // scale the windows or their fonts.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", QByteArrayLiteral("0"));
    qputenv("QT_FONT_DPI", QByteArrayLiteral("96"));
    for (const char* name : { "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                              "QT_USE_PHYSICAL_DPI", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_DEVICE_PIXEL_RATIO" })
        qunsetenv(name);
}
