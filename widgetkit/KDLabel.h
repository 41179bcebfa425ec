#pragma once

#include "paint/ColorData.h"
#include "widgetkit/LxLabel.h"

// The program's label. On a palette display it paints against the shared display palette;
// otherwise it paints exactly like TLxLabel.
class TKDLabel : public TLxLabel {
public:
    using TLxLabel::TLxLabel;

    HPALETTE GetPalette() const;
    void Paint(TCanvas& canvas) const override;
};
