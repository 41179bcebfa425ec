#pragma once

#include "paint/ColorData.h"
#include "widgetkit/LxPanel.h"

// The program's framed panel. On a palette display it paints against the shared display
// palette; otherwise it paints exactly like TLxPanel.
class TKDPanel : public TLxPanel {
public:
    using TLxPanel::TLxPanel;

    HPALETTE GetPalette() const;
    void Paint(TCanvas& canvas) const override;
};
