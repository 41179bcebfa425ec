#pragma once

// What the screen says of its colour palette, as the colour unit decides from it whether the
// display works through a palette: the number of palette entries and the raster capabilities
// (0x100 when colours go through a palette that programs can set).
struct TScreenPaletteCaps {
    int PaletteEntries { 0 };
    unsigned RasterCaps { 0 };
};

// The primary screen's palette capabilities. An X screen whose default visual has a writable
// colour map (PseudoColor or GrayScale) reports its map's size and palette support; true-colour
// screens, and platforms other than X11, report none.
TScreenPaletteCaps ScreenPaletteCaps();
