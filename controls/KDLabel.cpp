#include "controls/KDLabel.h"

#include "controls/KDPalette.h"

HPALETTE TKDLabel::GetPalette() const { return KDGetPalette(); }

void TKDLabel::Paint(TCanvas& canvas) const
{
    const TDisplayPaletteScope palette(canvas);
    TLxLabel::Paint(canvas);
}
