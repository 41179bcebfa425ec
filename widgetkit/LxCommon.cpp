#include "widgetkit/LxCommon.h"

#include "paint/Canvas.h"

namespace {

struct TRingColors {
    TColor OuterUL;
    TColor OuterLR;
    TColor InnerUL;
    TColor InnerLR;
};

// The two-ring styles, laid out like the frame-style table.
constexpr TRingColors Lowered { clBtnShadow, clBtnHighlight, clBtnText, cl3DLight };
constexpr TRingColors Raised { cl3DLight, clBtnText, clBtnHighlight, clBtnShadow };
constexpr TRingColors ButtonDown { clBtnText, clBtnText, clBtnShadow, clBtnShadow };
constexpr TRingColors ButtonUp { clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow };

TRect PaintRings(TCanvas& canvas, TRect rect, const TRingColors& colors, TSides sides)
{
    rect = PaintBevelBand(canvas, rect, colors.OuterUL, colors.OuterLR, 1, sides);
    return PaintBevelBand(canvas, rect, colors.InnerUL, colors.InnerLR, 1, sides);
}

TRect PaintEtched(TCanvas& canvas, TRect rect, TColor ul, TColor lr, TSides sides)
{
    const int l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
    // Corner pixels, so that the open ends of the two lines run to the rectangle's edge.
    if (sides & (sdRight | sdTop))
        canvas.SetPixel(r - 1, t, (sides & sdRight) ? lr : ul);
    if (sides & (sdBottom | sdLeft))
        canvas.SetPixel(l, b - 1, (sides & sdBottom) ? lr : ul);
    if ((sides & sdTop) && !(sides & sdLeft))
        canvas.SetPixel(l, t + 1, lr);
    if ((sides & sdLeft) && !(sides & sdTop))
        canvas.SetPixel(l + 1, t, lr);
    if ((sides & sdBottom) && !(sides & sdRight))
        canvas.SetPixel(r - 1, b - 2, ul);
    if ((sides & sdRight) && !(sides & sdBottom))
        canvas.SetPixel(r - 2, b - 1, ul);
    PaintSideLines(canvas, Rect(l + 1, t + 1, r, b), lr, lr, sides);
    PaintSideLines(canvas, Rect(l, t, r - 1, b - 1), ul, ul, sides);
    return InsetSides(rect, sides, 2);
}

} // namespace

TRect PaintSideLines(TCanvas& canvas, TRect rect, TColor ul, TColor lr, TSides sides)
{
    const int l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Pen.Color = ul;
    if (sides & sdLeft) {
        canvas.MoveTo(l, t);
        canvas.LineTo(l, b);
    }
    if (sides & sdTop) {
        canvas.MoveTo(l, t);
        canvas.LineTo(r, t);
    }
    // The lower-right lines come last, so the top-right and bottom-left corner pixels take
    // their colour.
    canvas.Pen.Color = lr;
    if (sides & sdRight) {
        canvas.MoveTo(r - 1, t);
        canvas.LineTo(r - 1, b);
    }
    if (sides & sdBottom) {
        canvas.MoveTo(l, b - 1);
        canvas.LineTo(r, b - 1);
    }
    return InsetSides(rect, sides, 1);
}

TRect PaintBevelBand(TCanvas& canvas, TRect rect, TColor ul, TColor lr, int width, TSides sides)
{
    canvas.Pen.Width = 1;
    for (int i = 0; i < width; ++i)
        rect = PaintSideLines(canvas, rect, ul, lr, sides);
    return rect;
}

TRect PaintEdge3D(TCanvas& canvas, TRect rect, bool lowered, TSides sides)
{
    return PaintRings(canvas, rect, lowered ? Lowered : Raised, sides);
}

TRect PaintButtonEdge(TCanvas& canvas, TRect rect, bool down, TSides sides)
{
    return PaintRings(canvas, rect, down ? ButtonDown : ButtonUp, sides);
}

TRect PaintFrameStyle(TCanvas& canvas, TRect rect, TFrameStyle style, TSides sides)
{
    switch (style) {
    case TFrameStyle::fsNone:
        return rect;
    case TFrameStyle::fsFlat:
        return PaintSideLines(canvas, rect, clWindowFrame, clWindowFrame, sides);
    case TFrameStyle::fsStatus:
        return PaintSideLines(canvas, rect, clBtnShadow, clBtnHighlight, sides);
    case TFrameStyle::fsPopup:
        return PaintSideLines(canvas, rect, clBtnHighlight, clBtnShadow, sides);
    case TFrameStyle::fsLowered:
    case TFrameStyle::fsRaised:
        return PaintEdge3D(canvas, rect, style == TFrameStyle::fsLowered, sides);
    case TFrameStyle::fsButtonDown:
    case TFrameStyle::fsButtonUp:
        return PaintButtonEdge(canvas, rect, style == TFrameStyle::fsButtonDown, sides);
    case TFrameStyle::fsGroove:
        return PaintEtched(canvas, rect, clBtnShadow, clBtnHighlight, sides);
    case TFrameStyle::fsBump:
        return PaintEtched(canvas, rect, clBtnHighlight, clBtnShadow, sides);
    }
    return rect;
}

int FrameStyleWidth(TFrameStyle style, int bevelWidth)
{
    switch (style) {
    case TFrameStyle::fsNone:
        return 0;
    case TFrameStyle::fsFlat:
        return 1;
    case TFrameStyle::fsStatus:
    case TFrameStyle::fsPopup:
        return bevelWidth;
    default:
        return 2;
    }
}

unsigned AlignmentFlags(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return DT_LEFT;
    case TAlignment::taRightJustify:
        return DT_RIGHT;
    case TAlignment::taCenter:
        return DT_CENTER;
    }
    return DT_LEFT;
}

TRect InsetSides(TRect rect, TSides sides, int by)
{
    if (sides & sdLeft)
        rect.Left += by;
    if (sides & sdTop)
        rect.Top += by;
    if (sides & sdRight)
        rect.Right -= by;
    if (sides & sdBottom)
        rect.Bottom -= by;
    return rect;
}

namespace {

TRect PaintOneFrame(TCanvas& canvas, TRect rect, TFrameStyle style, const TFrameSet& frames)
{
    switch (style) {
    case TFrameStyle::fsFlat:
        return PaintBevelBand(canvas, rect, frames.FlatColor, frames.FlatColor, 1, frames.Sides);
    case TFrameStyle::fsPopup:
        return PaintBevelBand(canvas, rect, frames.BorderHighlight, frames.BorderShadow, frames.BevelWidth, frames.Sides);
    case TFrameStyle::fsStatus:
        return PaintBevelBand(canvas, rect, frames.BorderShadow, frames.BorderHighlight, frames.BevelWidth, frames.Sides);
    default:
        return PaintFrameStyle(canvas, rect, style, frames.Sides);
    }
}

} // namespace

TRect PaintFrameSet(TCanvas& canvas, TRect rect, const TFrameSet& frames)
{
    rect = PaintSideLines(canvas, rect, clBlack, clBlack, frames.FrameSides);
    rect = PaintOneFrame(canvas, rect, frames.Outer, frames);
    if (frames.BorderWidth > 0)
        rect = PaintBevelBand(canvas, rect, frames.BorderColor, frames.BorderColor, frames.BorderWidth, frames.Sides);
    return PaintOneFrame(canvas, rect, frames.Inner, frames);
}

TRect InsetFrameSet(TRect rect, const TFrameSet& frames, bool includeBorderWidth)
{
    rect = InsetSides(rect, frames.FrameSides, 1);
    if (includeBorderWidth)
        rect = InsetSides(rect, AllSides, frames.BorderWidth);
    rect = InsetSides(rect, frames.Sides, FrameStyleWidth(frames.Outer, frames.BevelWidth));
    return InsetSides(rect, frames.Sides, FrameStyleWidth(frames.Inner, frames.BevelWidth));
}
