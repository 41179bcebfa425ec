#include "widgetkit/LxCommon.h"

#include "paint/Canvas.h"

#include <algorithm>

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

TRect MoveRect(TRect rect, int dx, int dy)
{
    return Rect(rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy);
}

TRect AlignTextVertically(TRect rect, int textHeight, TAlignmentVertical alignment)
{
    switch (alignment) {
    case TAlignmentVertical::avTop:
        return rect;
    case TAlignmentVertical::avCenter:
        rect.Top = (rect.Top + rect.Bottom - textHeight) / 2;
        rect.Bottom = rect.Top + textHeight;
        return rect;
    case TAlignmentVertical::avBottom:
        rect.Top = rect.Bottom - textHeight - 1;
        return rect;
    }
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

// ---- frame properties --------------------------------------------------------------------

TFrameProperties::TFrameProperties(const TFrameSet& frames, bool widthsInRange)
    : m_frames(frames)
    , m_widthsInRange(widthsInRange)
{
}

void TFrameProperties::SetFrames(const TFrameSet& frames, bool insideMoved)
{
    if (m_frames == frames)
        return;
    m_frames = frames;
    FramesChanged(insideMoved);
}

#define KD_FRAME_SETTER(Name, Type, field, insideMoved) \
    void TFrameProperties::Set##Name(Type value)        \
    {                                                   \
        TFrameSet frames = m_frames;                    \
        frames.field = value;                           \
        SetFrames(frames, insideMoved);                 \
    }

KD_FRAME_SETTER(BorderOuter, TFrameStyle, Outer, true)
KD_FRAME_SETTER(BorderInner, TFrameStyle, Inner, true)
KD_FRAME_SETTER(BorderSides, TSides, Sides, true)
KD_FRAME_SETTER(FrameSides, TSides, FrameSides, true)
KD_FRAME_SETTER(BorderColor, TColor, BorderColor, false)
KD_FRAME_SETTER(BorderHighlight, TColor, BorderHighlight, false)
KD_FRAME_SETTER(BorderShadow, TColor, BorderShadow, false)
KD_FRAME_SETTER(FlatColor, TColor, FlatColor, false)
#undef KD_FRAME_SETTER

void TFrameProperties::SetBevelWidth(int width)
{
    TFrameSet frames = m_frames;
    frames.BevelWidth = m_widthsInRange ? std::max(1, width) : width;
    SetFrames(frames, true);
}

void TFrameProperties::SetBorderWidth(int width)
{
    TFrameSet frames = m_frames;
    frames.BorderWidth = m_widthsInRange ? std::max(0, width) : width;
    SetFrames(frames, true);
}

// ---- text look ---------------------------------------------------------------------------

void PaintTextLook(const TTextLook& look, bool enabled, TColor textColor, int textDx,
                   const std::function<void(int dx, int dy, TColor color)>& draw)
{
    if (!enabled) {
        draw(1, 1, clBtnHighlight);
        draw(0, 0, clGrayText);
        return;
    }
    switch (look.Style) {
    case TTextStyle::tsRaised:
        if (!look.Light)
            draw(1, 1, look.ShadowColor);
        draw(-1, -1, look.HighlightColor);
        break;
    case TTextStyle::tsRecessed:
        draw(1, 1, look.HighlightColor);
        if (!look.Light)
            draw(-1, -1, look.ShadowColor);
        break;
    case TTextStyle::tsShadow:
        draw(textDx + look.ShadowDepth, look.ShadowDepth, look.ShadowColor);
        break;
    case TTextStyle::tsNormal:
        break;
    }
    draw(textDx, 0, textColor);
}

TTextLookProperties::TTextLookProperties(TTextStyle style) { m_look.Style = style; }

void TTextLookProperties::SetTextLook(const TTextLook& look)
{
    if (m_look == look)
        return;
    m_look = look;
    TextLookChanged();
}

#define KD_TEXT_LOOK_SETTER(Name, Type, field) \
    void TTextLookProperties::Set##Name(Type value) \
    {                                               \
        TTextLook look = m_look;                    \
        look.field = value;                         \
        SetTextLook(look);                          \
    }

KD_TEXT_LOOK_SETTER(TextStyle, TTextStyle, Style)
KD_TEXT_LOOK_SETTER(LightTextStyle, bool, Light)
KD_TEXT_LOOK_SETTER(HighlightColor, TColor, HighlightColor)
KD_TEXT_LOOK_SETTER(ShadowColor, TColor, ShadowColor)
KD_TEXT_LOOK_SETTER(ShadowDepth, int, ShadowDepth)
#undef KD_TEXT_LOOK_SETTER
