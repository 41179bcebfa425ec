#pragma once

#include "framework/KDTypes.h"

#include <cstdint>

class TCanvas;

// Frame styles, sides and vertical alignment, with the ordinals the window layouts store.
enum class TFrameStyle {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
};

enum TSide : std::uint8_t { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
using TSides = std::uint8_t;
constexpr TSides AllSides = sdLeft | sdTop | sdRight | sdBottom;

enum class TAlignmentVertical { avTop, avCenter, avBottom };

// The frame painters. Each draws on the canvas with a one-pixel pen inside `rect` (right and
// bottom exclusive) on the chosen sides and returns the rectangle left inside what it drew.
TRect PaintSideLines(TCanvas& canvas, TRect rect, TColor ul, TColor lr, TSides sides);
TRect PaintBevelBand(TCanvas& canvas, TRect rect, TColor ul, TColor lr, int width, TSides sides);
TRect PaintEdge3D(TCanvas& canvas, TRect rect, bool lowered, TSides sides);
TRect PaintButtonEdge(TCanvas& canvas, TRect rect, bool down, TSides sides = AllSides);
TRect PaintFrameStyle(TCanvas& canvas, TRect rect, TFrameStyle style, TSides sides = AllSides);

// Width of a frame style on each drawn side; fsStatus and fsPopup take `bevelWidth`.
int FrameStyleWidth(TFrameStyle style, int bevelWidth);
