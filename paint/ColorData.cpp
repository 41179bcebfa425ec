#include "paint/ColorData.h"

#include "base/Random.h"

#include <algorithm>

namespace {

constexpr std::array<TColorEntry, ColorTableSize> BuildColorTable()
{
    std::array<TColorEntry, ColorTableSize> table {};
    // 6 x 6 x 6 cube, red fastest, then green, then blue.
    for (int b = 0; b < 6; ++b) {
        for (int g = 0; g < 6; ++g) {
            for (int r = 0; r < 6; ++r)
                table[36 * b + 6 * g + r] = { std::uint8_t(0x33 * r), std::uint8_t(0x33 * g), std::uint8_t(0x33 * b), 0 };
        }
    }
    table[216] = { 0, 0, 128, 0 };
    table[217] = { 0, 128, 0, 0 };
    table[218] = { 0, 128, 128, 0 };
    table[219] = { 128, 0, 0, 0 };
    table[220] = { 128, 0, 128, 0 };
    table[221] = { 128, 128, 0, 0 };
    table[222] = { 192, 192, 192, 0 };
    table[223] = { 128, 128, 128, 0 };
    table[224] = { 25, 25, 25, 0 };
    table[225] = { 76, 76, 76, 0 };
    table[226] = { 178, 178, 178, 0 };
    table[227] = { 229, 229, 229, 0 };
    return table;
}

// The darkest cube colours and the two darkest extra greys: they would vanish on the black
// play surface.
constexpr int ExcludedIndexes[] = { 0, 1, 2, 6, 7, 8, 36, 37, 38, 42, 43, 44, 224, 225 };

TColor EntryColor(const TColorEntry& entry)
{
    const TColor color = RGB(entry.Red, entry.Green, entry.Blue);
    return PaletteDisplay ? (color | 0x02000000u) : color;
}

TLogPalette ThePalette;

} // namespace

const std::array<TColorEntry, ColorTableSize> ColorTable = BuildColorTable();

bool PaletteDisplay = false;
HPALETTE DisplayPalette = nullptr;
int ScreenBitsPerPixel = 24;

bool IsPaletteDisplay(int paletteEntries, unsigned rasterCaps)
{
    return paletteEntries == 256 && (rasterCaps & RC_PALETTE) != 0;
}

HPALETTE CreateColorPalette(const TColorEntry* entries, int lastIndex)
{
    if (lastIndex < 0 || lastIndex > 255)
        return nullptr;
    ThePalette = TLogPalette {};
    ThePalette.Count = lastIndex + 1;
    std::copy(entries, entries + ThePalette.Count, ThePalette.Entries.begin());
    return &ThePalette;
}

void DeletePalette(HPALETTE palette)
{
    if (palette == &ThePalette)
        ThePalette = TLogPalette {};
}

bool IsExcludedColorIndex(int index)
{
    return std::find(std::begin(ExcludedIndexes), std::end(ExcludedIndexes), index) != std::end(ExcludedIndexes);
}

TColor RandomColor()
{
    int index;
    do
        index = Random(ColorTableSize);
    while (IsExcludedColorIndex(index));
    return EntryColor(ColorTable[index]);
}

TColor ColorFromIndex(int index)
{
    const int wrapped = ((index % ColorTableSize) + ColorTableSize) % ColorTableSize;
    return EntryColor(ColorTable[wrapped]);
}

TColor BalloonHintColor() { return PaletteDisplay ? 0x0000FFFFu : 0x0299FFFFu; }

void InitColorData(int screenBitsPerPixel, int paletteEntries, unsigned rasterCaps)
{
    ScreenBitsPerPixel = screenBitsPerPixel;
    PaletteDisplay = IsPaletteDisplay(paletteEntries, rasterCaps);
    DisplayPalette = PaletteDisplay ? CreateColorPalette(ColorTable.data(), ColorTableSize - 1) : nullptr;
}

void FinalizeColorData()
{
    if (PaletteDisplay)
        DeletePalette(DisplayPalette);
    DisplayPalette = nullptr;
}
