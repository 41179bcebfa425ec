#pragma once

#include "paint/Font.h"
#include "paint/KDTypes.h"
#include "paint/Region.h"

#include <QImage>
#include <QRegion>

#include <memory>
#include <span>
#include <string>

class QPainter;
class TDrawable;

enum class TBrushStyle { bsSolid, bsClear };
enum class TPenStyle { psSolid, psClear };

// DrawText flags, with the values the platform gives them.
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;

// What Pixel answers for a point outside the image.
constexpr TColor CLR_INVALID = 0xFFFFFFFFu;

struct TPen {
    TColor Color { clBlack };
    int Width { 1 };
    TPenStyle Style { TPenStyle::psSolid };
};

// Setting the brush colour makes a clear brush solid again, as the platform's brush does.
class TBrush {
public:
    TColor Color() const { return m_color; }
    void SetColor(TColor color)
    {
        m_color = color;
        m_style = TBrushStyle::bsSolid;
    }
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle style) { m_style = style; }

private:
    TColor m_color { clWhite };
    TBrushStyle m_style { TBrushStyle::bsSolid };
};

// A drawing surface with the platform's figure rules, painting without anti-aliasing on an
// image: a figure's bounding rectangle (X1, Y1, X2, Y2) covers X1..X2-1 and Y1..Y2-1; a line
// leaves out its end point. Colours go through ColorToRGB. Pen, brush and font stay as set
// from one drawing to the next. Figures given with inverted rectangles are put right (FillRect,
// FrameRect and CopyRect's rules are their own); empty figures, figures far off the image and
// a null image draw nothing. The image must be one QPainter paints on (not
// an indexed one).
class TCanvas {
public:
    explicit TCanvas(QImage* image);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    QImage* Image() const { return m_image; }
    int Width() const;
    int Height() const;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    // Figures: filled with the brush (unless clear), outlined with the pen (unless clear).
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight);
    // The part of the ellipse in (x1, y1, x2, y2) between the ray from its centre towards
    // (x3, y3) and the ray towards (x4, y4), counter-clockwise from the first to the second.
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Polygon(std::span<const TPoint> points, bool winding = false);
    void Polyline(std::span<const TPoint> points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    TPoint PenPos() const { return m_penPos; }

    // Fills with the brush colour, no outline; (right, bottom) excluded. A clear brush, or an
    // empty or inverted rectangle, paints nothing.
    void FillRect(const TRect& rect);
    // A one-pixel frame just inside the rectangle, in the brush colour (as the platform's
    // frame call does); nothing with a clear brush.
    void FrameRect(const TRect& rect);

    // CLR_INVALID outside the image.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Text on one line at (x, y) (top-left), with the font; a solid brush paints the
    // background box first. Moves the pen position to the end of the text.
    void TextOut(int x, int y, const std::string& text);
    // TextOut clipped to `clip`; a solid brush fills the whole of `clip` first.
    void TextRect(const TRect& clip, int x, int y, const std::string& text);
    // The advance width of the text and the font's height (ascent plus descent).
    TSize TextExtent(const std::string& text) const;
    int TextWidth(const std::string& text) const { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) const { return TextExtent(text).cy; }

    // The platform's DrawText: word break at blanks, tab expansion (8 average characters),
    // '&' marks the next character as the accelerator (underlined; "&&" is one '&') unless
    // DT_NOPREFIX, \r, \n and \r\n break lines, alignment left/centre/right and, for single
    // lines, top/vcentre/bottom. With DT_CALCRECT nothing is drawn and `rect` gets the
    // needed size (right and bottom changed). Returns the height of the text (0 for an empty
    // text). A solid brush fills each line's box behind the text. Texts are UTF-8 (bytes that
    // are not UTF-8 are read as Latin-1), as for TextOut.
    int DrawText(const std::string& text, TRect& rect, unsigned flags);

    // Clipping: every drawing above changes only pixels inside the clip region.
    void SetClipRegion(const TRegion* region);
    void SetClipRect(const TRect& rect);
    bool HasClipRegion() const { return m_hasClip; }

    // The logical palette selected into the canvas (plain RGB entries); returns the one
    // selected before. While one is selected, palette-relative colours (high byte 0x02) draw
    // as its nearest entry; without one they draw as the RGB they name.
    std::span<const TColor> SelectPalette(std::span<const TColor> palette);
    std::span<const TColor> Palette() const { return m_palette; }
    // The colour as drawn: palette-relative colours matched against the selected palette.
    TColor Match(TColor color) const;

    // Graphics: Draw at natural size, StretchDraw scaled into the rectangle.
    void Draw(int x, int y, TDrawable& graphic);
    void StretchDraw(const TRect& rect, TDrawable& graphic);
    // Copies `source` rectangle of an image into `dest`, scaled nearest-neighbour when sizes
    // differ and mirrored when one rectangle runs right to left or bottom to top. Fully
    // transparent pixels (also the transparent colour-table entry of an indexed image) leave
    // the canvas unchanged; partly transparent ones blend.
    void CopyRect(const TRect& dest, const QImage& source, const TRect& sourceRect);
    // Draws a whole image scaled into `dest`, as CopyRect does.
    void StretchDrawImage(const TRect& dest, const QImage& image);

    // The painter, set up with the current clip, pen and brush; for picture classes that draw
    // themselves. It stays open until the Draw or StretchDraw around the call returns, or until
    // ReleasePainter: the image must not be replaced or resized while it is open.
    QPainter& Painter();
    void ReleasePainter();

private:
    class TPaintScope;
    enum class TArcKind { Arc, Chord, Pie };

    void ApplyPen(QPainter& painter) const;
    void ApplyBrush(QPainter& painter) const;
    void ApplyClip(QPainter& painter) const;
    QRect DrawLimit() const;
    void PaintRoundRect(TRect rect, double rx, double ry);
    void PaintArc(TArcKind kind, TRect rect, TPoint start, TPoint end);
    void PaintLines(std::span<const TPoint> points, bool closed);
    void PaintText(int x, int y, const std::string& text, const TRect* clip);

    QImage* m_image;
    std::unique_ptr<QPainter> m_painter;
    TPoint m_penPos;
    QRegion m_clip;
    bool m_hasClip { false };
    std::span<const TColor> m_palette;
};
