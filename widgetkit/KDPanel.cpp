#include "widgetkit/KDPanel.h"

#include "paint/KDPalette.h"

HPALETTE TKDPanel::GetPalette() const { return KDGetPalette(); }

void TKDPanel::Paint(TCanvas& canvas) const
{
    const TDisplayPaletteScope palette(canvas);
    TLxPanel::Paint(canvas);
}
