#pragma once

#include "paint/ColorData.h"

#include <span>

class TCanvas;

// The program's purples, palette-relative, so that a palette display draws them from the
// shared display palette.
constexpr TColor PaletteDisplayPurple = 0x02993366;
constexpr TColor PaletteLavender = 0x02FF6699;
constexpr TColor PaletteDarkPurple = 0x02660033;
constexpr TColor PaletteLightLavender = 0x02CC9999;

// The plain colours the program's windows are drawn in, the purples first: a screen whose
// colour map cannot take the whole palette shows these exactly.
std::span<const TColor> WindowColors();

// The palette a KD control or window names: the shared display palette while the display is
// a palette display, otherwise none (null).
HPALETTE KDGetPalette();

// The entries of `palette` as plain colours, in table order (empty for none).
std::span<const TColor> PaletteColors(HPALETTE palette);

// While it lives, the shared display palette is selected into the canvas (on a palette display
// only), so palette-relative colours draw as its entries; the previous palette comes back at
// the end.
class TDisplayPaletteScope {
public:
    explicit TDisplayPaletteScope(TCanvas& canvas);
    ~TDisplayPaletteScope();
    TDisplayPaletteScope(const TDisplayPaletteScope&) = delete;
    TDisplayPaletteScope& operator=(const TDisplayPaletteScope&) = delete;

private:
    TCanvas& m_canvas;
    bool m_selected { false };
    std::span<const TColor> m_previous;
};
