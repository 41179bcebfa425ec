#include "controls/KDPanel.h"

#include "controls/KDPalette.h"

HPALETTE TKDPanel::GetPalette() const { return KDGetPalette(); }

void TKDPanel::Paint(TCanvas& canvas) const
{
    const TDisplayPaletteScope palette(canvas);
    TLxPanel::Paint(canvas);
}
