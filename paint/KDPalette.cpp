#include "paint/KDPalette.h"

#include "paint/Canvas.h"

#include <vector>

HPALETTE KDGetPalette() { return PaletteDisplay ? DisplayPalette : nullptr; }

std::span<const TColor> WindowColors()
{
    static constexpr TColor colors[] = {
        PaletteDisplayPurple & 0xFFFFFF, PaletteLavender & 0xFFFFFF, PaletteDarkPurple & 0xFFFFFF,
        PaletteLightLavender & 0xFFFFFF, RGB(0xCC, 0xCC, 0xFF), RGB(0x99, 0x99, 0x99), RGB(0xCC, 0xCC, 0xCC),
        clBlack, clWhite, clSilver, clGray, clYellow, RGB(0, 0, 128),
    };
    return colors;
}

std::span<const TColor> PaletteColors(HPALETTE palette)
{
    // One palette for the whole program: its colours are worked out once, not at every paint.
    static HPALETTE cachedFor = nullptr;
    static std::vector<TColor> colors;
    if (!palette)
        return {};
    if (palette != cachedFor) {
        colors.clear();
        for (int i = 0; i < palette->Count; ++i) {
            const TColorEntry& entry = palette->Entries[std::size_t(i)];
            colors.push_back(RGB(entry.Red, entry.Green, entry.Blue));
        }
        cachedFor = palette;
    }
    return colors;
}

TDisplayPaletteScope::TDisplayPaletteScope(TCanvas& canvas)
    : m_canvas(canvas)
{
    if (!PaletteDisplay)
        return;
    // An empty palette (its creation failed) selects nothing.
    const std::span<const TColor> colors = PaletteColors(DisplayPalette);
    if (colors.empty())
        return;
    m_previous = canvas.SelectPalette(colors);
    m_selected = true;
}

TDisplayPaletteScope::~TDisplayPaletteScope()
{
    if (m_selected)
        m_canvas.SelectPalette(m_previous);
}
