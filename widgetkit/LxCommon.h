#pragma once

#include "paint/KDTypes.h"

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

// Horizontal placement of a caption.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// The DrawText flag of a horizontal alignment.
unsigned AlignmentFlags(TAlignment alignment);

// Shrinks `rect` by `by` pixels on each of the chosen sides.
TRect InsetSides(TRect rect, TSides sides, int by);

// The frame painters. Each draws on the canvas with a one-pixel pen inside `rect` (right and
// bottom exclusive) on the chosen sides and returns the rectangle left inside what it drew.
TRect PaintSideLines(TCanvas& canvas, TRect rect, TColor ul, TColor lr, TSides sides);
TRect PaintBevelBand(TCanvas& canvas, TRect rect, TColor ul, TColor lr, int width, TSides sides);
TRect PaintEdge3D(TCanvas& canvas, TRect rect, bool lowered, TSides sides);
TRect PaintButtonEdge(TCanvas& canvas, TRect rect, bool down, TSides sides = AllSides);
TRect PaintFrameStyle(TCanvas& canvas, TRect rect, TFrameStyle style, TSides sides = AllSides);

// Width of a frame style on each drawn side; fsStatus and fsPopup take `bevelWidth`.
int FrameStyleWidth(TFrameStyle style, int bevelWidth);

// The frames of a panel or label, from the outside in: black lines on `FrameSides`, the outer
// frame, a solid band of `BorderWidth` pixels and the inner frame, all three on `Sides`. fsFlat
// draws in `FlatColor`, fsPopup and fsStatus in `BorderHighlight` / `BorderShadow` with
// `BevelWidth` rings; the other styles take the fixed colours of PaintFrameStyle.
struct TFrameSet {
    TFrameStyle Outer { TFrameStyle::fsRaised };
    TFrameStyle Inner { TFrameStyle::fsNone };
    TSides Sides { AllSides };
    TSides FrameSides { 0 };
    int BevelWidth { 1 };
    int BorderWidth { 0 };
    TColor BorderColor { clBtnFace };
    TColor BorderHighlight { clBtnHighlight };
    TColor BorderShadow { clBtnShadow };
    TColor FlatColor { clBlack };
    friend bool operator==(const TFrameSet&, const TFrameSet&) = default;
};

// Paints the frames and returns the rectangle left inside them.
TRect PaintFrameSet(TCanvas& canvas, TRect rect, const TFrameSet& frames);
// The rectangle inside the frames: 1 per FrameSides side, BorderWidth on all four sides when
// `includeBorderWidth`, and the two frames' widths on `Sides`.
TRect InsetFrameSet(TRect rect, const TFrameSet& frames, bool includeBorderWidth);
