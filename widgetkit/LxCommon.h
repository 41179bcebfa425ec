#pragma once

#include "paint/KDTypes.h"

#include <cstdint>
#include <functional>

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
// `rect` moved by (dx, dy).
TRect MoveRect(TRect rect, int dx, int dy);
// Places text `textHeight` pixels high in `rect` by the vertical alignment: the top keeps the
// rectangle, the centre takes the text's height, the bottom keeps one pixel free below.
TRect AlignTextVertically(TRect rect, int textHeight, TAlignmentVertical alignment);

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

// The frame properties of the framed panel and the label, kept in one TFrameSet. A setter
// given the current value does nothing; otherwise it stores the value and tells the control
// through FramesChanged whether the rectangle inside the frames may have moved.
class TFrameProperties {
public:
    TFrameStyle BorderOuter() const { return m_frames.Outer; }
    void SetBorderOuter(TFrameStyle style);
    TFrameStyle BorderInner() const { return m_frames.Inner; }
    void SetBorderInner(TFrameStyle style);
    TSides BorderSides() const { return m_frames.Sides; }
    void SetBorderSides(TSides sides);
    TSides FrameSides() const { return m_frames.FrameSides; }
    void SetFrameSides(TSides sides);
    // At least 1 where the control keeps its widths in range.
    int BevelWidth() const { return m_frames.BevelWidth; }
    void SetBevelWidth(int width);
    // At least 0 where the control keeps its widths in range.
    int BorderWidth() const { return m_frames.BorderWidth; }
    void SetBorderWidth(int width);
    TColor BorderColor() const { return m_frames.BorderColor; }
    void SetBorderColor(TColor color);
    TColor BorderHighlight() const { return m_frames.BorderHighlight; }
    void SetBorderHighlight(TColor color);
    TColor BorderShadow() const { return m_frames.BorderShadow; }
    void SetBorderShadow(TColor color);
    TColor FlatColor() const { return m_frames.FlatColor; }
    void SetFlatColor(TColor color);
    const TFrameSet& Frames() const { return m_frames; }

protected:
    // With `widthsInRange` a smaller BevelWidth is stored as 1 and a negative BorderWidth as 0.
    TFrameProperties(const TFrameSet& frames, bool widthsInRange);
    virtual ~TFrameProperties() = default;

    // After a change; `insideMoved` when the change can move the rectangle inside the frames.
    virtual void FramesChanged(bool insideMoved) = 0;

private:
    void SetFrames(const TFrameSet& frames, bool insideMoved);

    TFrameSet m_frames;
    bool m_widthsInRange;
};

// The text styles of captions, with the ordinals the window layouts store.
enum class TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };

// How a caption's text style is drawn: light and dark copies around the text, or a drop
// shadow `ShadowDepth` pixels down and right. With `Light` a raised or recessed caption shows
// only its light copy.
struct TTextLook {
    TTextStyle Style { TTextStyle::tsNormal };
    bool Light { false };
    TColor HighlightColor { clBtnHighlight };
    TColor ShadowColor { clBtnShadow };
    int ShadowDepth { 2 };
    friend bool operator==(const TTextLook&, const TTextLook&) = default;
};

// Draws the copies that make a caption's look, back to front, by calling `draw` with each
// one's offset and colour; the last is the text itself in `textColor`. A disabled caption is
// embossed whatever its style. `textDx` moves the text and its drop shadow sideways, not the
// raised or recessed copies.
void PaintTextLook(const TTextLook& look, bool enabled, TColor textColor, int textDx,
                   const std::function<void(int dx, int dy, TColor color)>& draw);

// The text-style properties of the label and the button, kept in one TTextLook. A setter
// given the current value does nothing; otherwise it stores the value and calls
// TextLookChanged. The setters are virtual operations of the button.
class TTextLookProperties {
public:
    TTextStyle TextStyle() const { return m_look.Style; }
    virtual void SetTextStyle(TTextStyle style);
    bool LightTextStyle() const { return m_look.Light; }
    virtual void SetLightTextStyle(bool light);
    TColor HighlightColor() const { return m_look.HighlightColor; }
    virtual void SetHighlightColor(TColor color);
    TColor ShadowColor() const { return m_look.ShadowColor; }
    virtual void SetShadowColor(TColor color);
    int ShadowDepth() const { return m_look.ShadowDepth; }
    virtual void SetShadowDepth(int depth);
    const TTextLook& TextLook() const { return m_look; }

protected:
    explicit TTextLookProperties(TTextStyle style);
    virtual ~TTextLookProperties() = default;

    virtual void TextLookChanged() = 0;

private:
    void SetTextLook(const TTextLook& look);

    TTextLook m_look;
};
