#include "widgetkit/KDCursor.h"

#include "resources/ProgramResources.h"
#include "widgetkit/Controls.h"

#include <QCursor>
#include <QPixmap>

void RegisterKDCursor()
{
    if (!ProgramResourceExists("KDCURSOR_HAND"))
        return;
    // The hand's fingertip is the hot spot.
    RegisterCursor(crKDHand, QCursor(QPixmap::fromImage(LoadProgramBitmap("KDCURSOR_HAND")), 8, 1));
}
