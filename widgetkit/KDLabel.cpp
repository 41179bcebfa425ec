#include "widgetkit/KDLabel.h"

#include "paint/KDPalette.h"

HPALETTE TKDLabel::GetPalette() const { return KDGetPalette(); }

void TKDLabel::Paint(TCanvas& canvas) const
{
    const TDisplayPaletteScope palette(canvas);
    TLxLabel::Paint(canvas);
}
