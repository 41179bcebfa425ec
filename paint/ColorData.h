#pragma once

#include "paint/KDTypes.h"

#include <array>
#include <cstdint>

// The fixed 228-colour table of the program, the shared palette on 256-colour displays, and
// random and indexed colours in the form that suits the display.

struct TColorEntry {
    std::uint8_t Red;
    std::uint8_t Green;
    std::uint8_t Blue;
    std::uint8_t Flags;
};

constexpr int ColorTableSize = 228;
extern const std::array<TColorEntry, ColorTableSize> ColorTable;

// A logical palette: its entries, in table order.
struct TLogPalette {
    std::uint16_t Version { 0x300 };
    std::array<TColorEntry, 256> Entries {};
    int Count { 0 };
};
using HPALETTE = const TLogPalette*;

// The display works through a 256-entry palette; set once at start-up.
extern bool PaletteDisplay;
// The shared palette; exists (non-null) only while PaletteDisplay is true.
extern HPALETTE DisplayPalette;
// Bits per pixel times colour planes of the screen, read once at start-up; pictures dither
// or quantise when it is 8 or less.
extern int ScreenBitsPerPixel;

// Whether the screen reports exactly 256 palette entries and palette support.
bool IsPaletteDisplay(int paletteEntries, unsigned rasterCaps);
constexpr unsigned RC_PALETTE = 0x100;

// A new logical palette holding entries 0 to lastIndex.
HPALETTE CreateColorPalette(const TColorEntry* entries, int lastIndex);
void DeletePalette(HPALETTE palette);

// A random table colour, never one of the excluded dark indexes; palette-relative on a
// palette display, plain RGB otherwise.
TColor RandomColor();
// The table colour at `index`. An index outside 0..227 (a hand-edited settings file) wraps
// into the table (index mod 228, made non-negative), so every value draws a table colour.
TColor ColorFromIndex(int index);
// The balloon hints' colour: plain yellow on a palette display, else light yellow.
TColor BalloonHintColor();
// Whether `index` is one of the 14 indexes random picks never take.
bool IsExcludedColorIndex(int index);

// Unit start-up and shut-down: decides PaletteDisplay from the screen's palette size and
// raster capabilities, builds the palette when needed; frees it.
void InitColorData(int screenBitsPerPixel, int paletteEntries, unsigned rasterCaps);
void FinalizeColorData();
