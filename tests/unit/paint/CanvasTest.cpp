#include "paint/Canvas.h"

#include "pictures/Graphic.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr TColor kPaper = clWhite;
constexpr TColor kInk = clBlack;
constexpr TColor kFill = clRed;

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest()
        : image(64, 48, QImage::Format_RGB32)
        , canvas(&image)
    {
        Reset();
    }

    void Reset(TColor paper = kPaper)
    {
        image.fill(QColor(GetRValue(paper), GetGValue(paper), GetBValue(paper)));
        canvas.Pen = TPen { kInk, 1, TPenStyle::psSolid };
        canvas.Brush.SetColor(kFill);
        canvas.Font = TFont {};
        canvas.Font.Color = kInk;
        canvas.SetClipRegion(nullptr);
    }

    TColor At(int x, int y) const { return canvas.Pixel(x, y); }

    // The rows and columns that hold anything but paper.
    TRect InkBounds() const
    {
        TRect r { INT_MAX, INT_MAX, INT_MIN, INT_MIN };
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (At(x, y) == kPaper)
                    continue;
                r = { std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1) };
            }
        }
        return r;
    }

    int Count(TColor color) const
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += At(x, y) == color;
        return n;
    }

    QImage image;
    TCanvas canvas;
};

// ---- figures -------------------------------------------------------------------------------

TEST_F(CanvasTest, RectangleCoversRightAndBottomExclusiveWithOutlineAndFill)
{
    canvas.Rectangle(2, 3, 12, 9);
    EXPECT_EQ(InkBounds(), Rect(2, 3, 12, 9));
    for (TPoint corner : { TPoint { 2, 3 }, { 11, 3 }, { 2, 8 }, { 11, 8 } })
        EXPECT_EQ(At(corner.X, corner.Y), kInk) << corner.X << "," << corner.Y;
    EXPECT_EQ(At(3, 4), kFill);
    EXPECT_EQ(At(10, 7), kFill);

    // Given back to front, the same pixels.
    Reset();
    canvas.Rectangle(12, 9, 2, 3);
    EXPECT_EQ(InkBounds(), Rect(2, 3, 12, 9));
}

TEST_F(CanvasTest, ClearBrushAndClearPen)
{
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(2, 2, 10, 10);
    EXPECT_EQ(At(2, 2), kInk);
    EXPECT_EQ(At(5, 5), kPaper);

    Reset();
    canvas.Pen.Style = TPenStyle::psClear;
    canvas.Rectangle(2, 2, 10, 10);
    EXPECT_EQ(At(2, 2), kFill);
    EXPECT_EQ(At(9, 9), kFill);
    EXPECT_EQ(Count(kInk), 0);

    // Setting the brush colour makes a clear brush solid again.
    Reset();
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.Brush.SetColor(kFill);
    canvas.Ellipse(0, 0, 20, 20);
    EXPECT_EQ(At(10, 10), kFill);
}

TEST_F(CanvasTest, EllipseTouchesAllFourSidesButNotTheCorners)
{
    canvas.Ellipse(4, 2, 44, 22);
    EXPECT_EQ(InkBounds(), Rect(4, 2, 44, 22));
    for (TPoint corner : { TPoint { 4, 2 }, { 43, 2 }, { 4, 21 }, { 43, 21 } })
        EXPECT_EQ(At(corner.X, corner.Y), kPaper);
    EXPECT_EQ(At(4, 12), kInk);  // leftmost column, middle row
    EXPECT_EQ(At(23, 21), kInk); // bottom row, middle column
    EXPECT_EQ(At(24, 12), kFill);
    // Symmetric about both axes.
    for (int y = 2; y < 22; ++y)
        for (int x = 4; x < 44; ++x)
            ASSERT_EQ(At(x, y), At(47 - x, 23 - y)) << x << "," << y;
}

TEST_F(CanvasTest, RoundRectCutsItsCorners)
{
    canvas.RoundRect(0, 0, 30, 20, 10, 10);
    EXPECT_EQ(InkBounds(), Rect(0, 0, 30, 20));
    EXPECT_EQ(At(0, 0), kPaper);
    EXPECT_EQ(At(29, 19), kPaper);
    EXPECT_EQ(At(15, 0), kInk);
    EXPECT_EQ(At(0, 10), kInk);
    EXPECT_EQ(At(29, 10), kInk);
    EXPECT_EQ(At(2, 2), kFill);
}

TEST_F(CanvasTest, LineLeavesOutItsEndPoint)
{
    canvas.MoveTo(1, 1);
    canvas.LineTo(10, 1);
    EXPECT_EQ(At(1, 1), kInk);
    EXPECT_EQ(At(9, 1), kInk);
    EXPECT_EQ(At(10, 1), kPaper);
    EXPECT_EQ(canvas.PenPos(), (TPoint { 10, 1 }));

    canvas.MoveTo(20, 20);
    canvas.LineTo(15, 5); // steep, upwards and to the left
    EXPECT_EQ(At(20, 20), kInk);
    EXPECT_EQ(At(15, 5), kPaper);
    EXPECT_EQ(Count(kInk), 9 + 15);

    const TPoint zigzag[] = { { 30, 30 }, { 40, 30 }, { 40, 40 } };
    canvas.Polyline(zigzag);
    EXPECT_EQ(At(40, 30), kInk); // the corner is the second line's start
    EXPECT_EQ(At(40, 39), kInk);
    EXPECT_EQ(At(40, 40), kPaper);
}

TEST_F(CanvasTest, PolygonIsClosedAndFilled)
{
    const TPoint triangle[] = { { 10, 0 }, { 20, 20 }, { 0, 20 } };
    canvas.Polygon(triangle);
    EXPECT_EQ(InkBounds(), Rect(0, 0, 21, 21)); // every vertex drawn, (20, 20) included
    EXPECT_EQ(At(20, 20), kInk);
    EXPECT_EQ(At(10, 19), kFill);
    EXPECT_EQ(At(10, 20), kInk);
    EXPECT_EQ(At(2, 2), kPaper);
}

TEST_F(CanvasTest, PolygonWindingFillsTheMiddleOfAStarAlternateDoesNot)
{
    // A five-pointed star drawn in one stroke: its middle is wound twice.
    const TPoint star[] = { { 30, 2 }, { 42, 40 }, { 10, 16 }, { 50, 16 }, { 18, 40 } };
    canvas.Pen.Color = kFill;
    canvas.Polygon(star, true);
    EXPECT_EQ(At(30, 22), kFill);
    Reset();
    canvas.Pen.Color = kFill;
    canvas.Polygon(star, false);
    EXPECT_EQ(At(30, 22), kPaper);
    EXPECT_EQ(At(30, 8), kFill); // a point of the star is filled either way
}

TEST_F(CanvasTest, PieGoesCounterClockwiseFromStartRayToEndRay)
{
    // From the ray to the right to the ray upwards: the upper right quarter only.
    canvas.Pie(0, 0, 40, 40, 40, 20, 20, 0);
    EXPECT_EQ(At(30, 10), kFill);
    EXPECT_EQ(At(10, 10), kPaper);
    EXPECT_EQ(At(10, 30), kPaper);
    EXPECT_EQ(At(30, 30), kPaper);
    EXPECT_EQ(At(25, 20), kInk); // the level radius, just below the filled quarter
    EXPECT_EQ(At(25, 21), kPaper);

    // The other way round: three quarters.
    Reset();
    canvas.Pie(0, 0, 40, 40, 20, 0, 40, 20);
    EXPECT_EQ(At(30, 10), kPaper);
    EXPECT_EQ(At(10, 10), kFill);
    EXPECT_EQ(At(10, 30), kFill);
    EXPECT_EQ(At(30, 30), kFill);

    // The rays are true rays from the centre: on a flat ellipse the ray through (60, 0) runs
    // at 34 degrees, so a point at 16 degrees is inside (taking 34 degrees as the ellipse's
    // parameter would end the pie at 12 degrees) and one at 54 degrees is not.
    Reset();
    canvas.Pie(0, 10, 60, 30, 60, 20, 60, 0);
    EXPECT_EQ(At(45, 15), kFill);
    EXPECT_EQ(At(35, 12), kPaper);
}

TEST_F(CanvasTest, ChordCutsTheEllipseAlongTheLineBetweenTheArcsEnds)
{
    // Counter-clockwise from right to left: the upper half.
    canvas.Chord(0, 0, 40, 40, 40, 20, 0, 20);
    EXPECT_EQ(At(20, 10), kFill);
    EXPECT_EQ(At(20, 30), kPaper);

    // From upper left round the bottom to upper right, three quarters of the way: everything
    // below the chord, the centre included.
    Reset();
    canvas.Chord(0, 0, 40, 40, 0, 0, 40, 0);
    EXPECT_EQ(At(20, 10), kFill);
    EXPECT_EQ(At(20, 30), kFill);
    EXPECT_EQ(At(20, 2), kPaper);
}

TEST_F(CanvasTest, WidePenIsCentredOnTheOutline)
{
    canvas.Pen.Width = 3;
    canvas.Rectangle(10, 10, 30, 30);
    EXPECT_EQ(At(8, 20), kPaper);
    EXPECT_EQ(At(9, 20), kInk);
    EXPECT_EQ(At(11, 20), kInk);
    EXPECT_EQ(At(12, 20), kFill);
    EXPECT_EQ(At(30, 20), kInk);
    EXPECT_EQ(At(31, 20), kPaper);
}

TEST_F(CanvasTest, FillRectAndFrameRectUseTheBrush)
{
    canvas.FillRect(Rect(2, 2, 5, 6));
    EXPECT_EQ(InkBounds(), Rect(2, 2, 5, 6));
    EXPECT_EQ(Count(kFill), 12);

    Reset();
    canvas.FrameRect(Rect(2, 2, 8, 8));
    EXPECT_EQ(InkBounds(), Rect(2, 2, 8, 8));
    EXPECT_EQ(Count(kFill), 20);

    Reset();
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.FillRect(Rect(2, 2, 5, 6));
    EXPECT_EQ(Count(kPaper), 64 * 48);

    // System colours come from the colour table, palette-relative ones draw as their RGB.
    canvas.Brush.SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(At(0, 0), RGB(192, 192, 192));
    canvas.Brush.SetColor(PaletteRGB(0x66, 0x33, 0x99));
    canvas.FillRect(Rect(1, 0, 2, 1));
    EXPECT_EQ(At(1, 0), RGB(0x66, 0x33, 0x99));
}

TEST_F(CanvasTest, DegenerateInputDrawsNothingAndDoesNotCrash)
{
    canvas.Rectangle(10, 10, 10, 20);
    canvas.Ellipse(5, 5, 5, 5);
    canvas.Polygon({});
    const TPoint one[] = { { 3, 3 } };
    canvas.Polygon(one);
    canvas.Polyline(one);
    canvas.MoveTo(4, 4);
    canvas.LineTo(4, 4);
    canvas.FillRect(Rect(10, 10, 5, 5));
    canvas.Pie(0, 0, 0, 0, 1, 1, 2, 2);
    canvas.CopyRect(Rect(0, 0, 10, 10), QImage(), Rect(0, 0, 0, 0));
    canvas.StretchDrawImage(Rect(0, 0, 0, 10), QImage(4, 4, QImage::Format_RGB32));
    EXPECT_EQ(Count(kPaper), 64 * 48);

    // Huge figures cost only their visible part; the outline lies far outside.
    canvas.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(Count(kFill), 64 * 48);
    canvas.Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
    canvas.Pie(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, INT_MIN, INT_MIN, 0);
    canvas.Chord(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX, 0, INT_MIN, 0);
    canvas.MoveTo(INT_MIN, INT_MIN);
    canvas.LineTo(INT_MAX, INT_MAX);
    EXPECT_EQ(At(10, 10), kInk);
    canvas.TextOut(INT_MAX - 5, INT_MAX - 5, "far");
    TRect far { INT_MAX - 10, 0, INT_MAX, 10 };
    canvas.DrawText("far away", far, DT_CENTER);

    QImage none;
    TCanvas empty(&none);
    empty.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(empty.Pixel(0, 0), CLR_INVALID);
    EXPECT_EQ(canvas.Pixel(64, 0), CLR_INVALID);
}

// ---- clipping ------------------------------------------------------------------------------

// A region covers the same pixels as the figure it is named after.
TEST_F(CanvasTest, RegionsMatchTheirFigures)
{
    const TPoint triangle[] = { { 30, 1 }, { 60, 45 }, { 2, 40 } };
    struct TCase {
        TRegion Region;
        std::function<void()> Figure;
    };
    const TCase cases[] = {
        { TRegion::Rect(Rect(3, 4, 50, 30)), [&] { canvas.Rectangle(3, 4, 50, 30); } },
        { TRegion::Ellipse(Rect(3, 4, 50, 30)), [&] { canvas.Ellipse(3, 4, 50, 30); } },
        { TRegion::RoundRect(Rect(3, 4, 50, 30), 20, 14), [&] { canvas.RoundRect(3, 4, 50, 30, 20, 14); } },
        { TRegion::Polygon(triangle), [&] { canvas.Polygon(triangle, true); } },
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        Reset();
        canvas.Pen.Color = kFill;
        cases[i].Figure();
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                ASSERT_EQ(At(x, y) == kFill, cases[i].Region.Contains(x, y)) << "case " << i << " at " << x << "," << y;
    }
}

TEST_F(CanvasTest, ClipRegionLimitsEveryDrawing)
{
    const TRegion ellipse = TRegion::Ellipse(Rect(0, 0, 40, 40));
    canvas.SetClipRegion(&ellipse);
    canvas.FillRect(Rect(0, 0, 64, 48));
    canvas.Rectangle(0, 0, 64, 48);
    canvas.SetPixel(0, 0, kInk);
    canvas.MoveTo(0, 39);
    canvas.LineTo(63, 39);
    canvas.Font.SetHeight(-30);
    canvas.TextOut(30, 10, "WWW");
    QImage black(64, 48, QImage::Format_RGB32);
    black.fill(Qt::black);
    canvas.CopyRect(Rect(0, 0, 64, 48), black, Rect(0, 0, 64, 48));
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(At(x, y) == kPaper, !ellipse.Contains(x, y)) << x << "," << y;

    canvas.SetClipRegion(nullptr);
    canvas.SetPixel(0, 0, kInk);
    EXPECT_EQ(At(0, 0), kInk);

    Reset();
    canvas.SetClipRect(Rect(5, 6, 10, 12));
    canvas.Rectangle(0, 0, 64, 48);
    EXPECT_EQ(InkBounds(), Rect(5, 6, 10, 12));
}

TEST_F(CanvasTest, WindingPolygonRegionClipsTheStarsMiddleIn)
{
    const TPoint star[] = { { 30, 2 }, { 42, 40 }, { 10, 16 }, { 50, 16 }, { 18, 40 } };
    const TRegion region = TRegion::Polygon(star);
    canvas.SetClipRegion(&region);
    canvas.FillRect(Rect(0, 0, 64, 48));
    EXPECT_EQ(At(30, 22), kFill);
    EXPECT_EQ(At(30, 8), kFill);
    EXPECT_EQ(At(5, 5), kPaper);
    EXPECT_EQ(At(30, 44), kPaper);
}

// ---- text ----------------------------------------------------------------------------------

TEST_F(CanvasTest, FontSizeInPointsAndPixels)
{
    TFont font;
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -12);
    font.SetSize(72);
    EXPECT_EQ(font.Height(), -96);
    EXPECT_EQ(font.Size(), 72);
    font.SetHeight(-12);
    EXPECT_EQ(font.ToQFont().pixelSize(), 12);
    font.Style = fsBold | fsItalic;
    EXPECT_TRUE(font.ToQFont().bold());
    EXPECT_TRUE(font.ToQFont().italic());

    // A positive height is the cell: about the same font as its character height.
    canvas.Font.SetHeight(-40);
    const int cell = canvas.TextHeight("X");
    canvas.Font.SetHeight(cell);
    EXPECT_NEAR(canvas.TextHeight("X"), cell, 1);
}

TEST_F(CanvasTest, TextExtentIsAdvanceAndFontHeight)
{
    const QFontMetrics metrics(canvas.Font.ToQFont());
    EXPECT_EQ(canvas.TextExtent("Hello"), (TSize { metrics.horizontalAdvance("Hello"), metrics.ascent() + metrics.descent() }));
    EXPECT_GT(canvas.TextWidth("Hello, world"), canvas.TextWidth("Hello"));
    EXPECT_EQ(canvas.TextWidth(""), 0);
    // Texts are UTF-8; bytes that are not are taken as Latin-1.
    EXPECT_EQ(canvas.TextWidth("\xE9t\xE9"), canvas.TextWidth("\xC3\xA9t\xC3\xA9"));
    EXPECT_NE(canvas.TextWidth("\xE9t\xE9"), canvas.TextWidth("\xC3\xA9"));
}

TEST_F(CanvasTest, TextOutWithClearBrushKeepsTheBackgroundSolidBrushPaintsTheBox)
{
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.TextOut(4, 4, "Hello");
    const TSize size = canvas.TextExtent("Hello");
    EXPECT_EQ(Count(kFill), 0);
    EXPECT_GT(Count(kInk), 20);
    const TRect ink = InkBounds();
    EXPECT_GE(ink.Left, 4);
    EXPECT_LE(ink.Right, 4 + size.cx);
    EXPECT_EQ(canvas.PenPos(), (TPoint { 4 + size.cx, 4 }));

    Reset();
    canvas.TextOut(4, 4, "Hello");
    EXPECT_EQ(InkBounds(), Rect(4, 4, 4 + size.cx, 4 + size.cy));
    EXPECT_EQ(Count(kFill) + Count(kInk), size.cx * size.cy);
}

TEST_F(CanvasTest, DrawTextWrapsAtBlanksAndBreaksLongWords)
{
    const int line = canvas.TextHeight("X");
    TRect r = Rect(0, 0, 60, 0);
    const int height = canvas.DrawText("one two three four five six", r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_GE(height, 3 * line);
    EXPECT_EQ(height % line, 0);
    EXPECT_EQ(r.Bottom, height);
    EXPECT_LE(r.Right, 60);
    EXPECT_EQ(Count(kPaper), 64 * 48); // nothing drawn

    r = Rect(0, 0, 60, 0);
    EXPECT_EQ(canvas.DrawText("one two three four five six", r, DT_CALCRECT), line);
    EXPECT_EQ(r.Right, canvas.TextWidth("one two three four five six"));

    r = Rect(0, 0, 30, 0);
    EXPECT_GE(canvas.DrawText("abcdefghijklmnopqrstuvwxyz", r, DT_WORDBREAK | DT_CALCRECT), 3 * line);
    EXPECT_LE(r.Right, 30);

    r = Rect(0, 0, 100, 0);
    EXPECT_EQ(canvas.DrawText("a\r\nb\nc\rd", r, DT_CALCRECT), 4 * line);
    EXPECT_EQ(canvas.DrawText("a\r\nb\nc\rd", r, DT_CALCRECT | DT_SINGLELINE), line);
    EXPECT_EQ(canvas.DrawText("", r, DT_CALCRECT), 0);

    const int tab = 8 * QFontMetrics(canvas.Font.ToQFont()).averageCharWidth();
    r = Rect(0, 0, 100, 0);
    canvas.DrawText("a\tb", r, DT_CALCRECT | DT_EXPANDTABS);
    EXPECT_EQ(r.Right, tab + canvas.TextWidth("b"));
}

TEST_F(CanvasTest, DrawTextAcceleratorsAndPrefixes)
{
    TRect r = Rect(0, 0, 100, 0);
    canvas.DrawText("&Save", r, DT_CALCRECT);
    EXPECT_EQ(r.Right, canvas.TextWidth("Save"));
    canvas.DrawText("a&&b", r, DT_CALCRECT);
    EXPECT_EQ(r.Right, canvas.TextWidth("a&b"));
    canvas.DrawText("&Save", r, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(r.Right, canvas.TextWidth("&Save"));

    // The accelerator is underlined: ink below the baseline that "o" alone does not have.
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    r = Rect(0, 0, 60, 20);
    canvas.DrawText("o", r, DT_LEFT);
    const int plain = Count(kInk);
    const TRect plainInk = InkBounds();
    Reset();
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.DrawText("&o", r, DT_LEFT);
    EXPECT_GT(Count(kInk), plain);
    EXPECT_GT(InkBounds().Bottom, plainInk.Bottom);
}

TEST_F(CanvasTest, DrawTextAlignsAndClips)
{
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    TRect r = Rect(0, 0, 64, 48);
    canvas.DrawText("ab", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    TRect ink = InkBounds();
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 32, 2);
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, 24, 3);

    Reset();
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.DrawText("ab", r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    ink = InkBounds();
    EXPECT_GE(ink.Right, 61);
    EXPECT_GE(ink.Bottom, 40);

    // Clipped to the rectangle unless told otherwise.
    Reset();
    canvas.Font.SetHeight(-30);
    r = Rect(10, 10, 20, 20);
    canvas.DrawText("WWW", r, DT_LEFT);
    EXPECT_EQ(InkBounds().Left, 10);
    EXPECT_LE(InkBounds().Right, 20);
    EXPECT_LE(InkBounds().Bottom, 20);
    canvas.DrawText("WWW", r, DT_LEFT | DT_NOCLIP);
    EXPECT_GT(InkBounds().Right, 20);
}

// ---- images and pictures -------------------------------------------------------------------

TEST_F(CanvasTest, CopyRectScalesNearestNeighbourAndSkipsTransparentPixels)
{
    QImage source(2, 2, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(1, 0, qRgb(255, 0, 0));
    source.setPixel(0, 1, qRgba(0, 0, 0, 0));
    source.setPixel(1, 1, qRgb(0, 0, 255));
    canvas.StretchDrawImage(Rect(10, 10, 14, 14), source);
    EXPECT_EQ(At(10, 10), kInk);
    EXPECT_EQ(At(11, 11), kInk);
    EXPECT_EQ(At(12, 10), clRed);
    EXPECT_EQ(At(13, 11), clRed);
    EXPECT_EQ(At(10, 12), kPaper); // transparent
    EXPECT_EQ(At(13, 13), RGB(0, 0, 255));
    EXPECT_EQ(At(14, 14), kPaper);

    // At the same size: the transparent pixel skipped, nothing taken from beyond the image.
    Reset();
    canvas.CopyRect(Rect(30, 30, 33, 33), source, Rect(0, 0, 3, 3));
    EXPECT_EQ(At(30, 30), kInk);
    EXPECT_EQ(At(31, 30), clRed);
    EXPECT_EQ(At(30, 31), kPaper);
    EXPECT_EQ(At(31, 31), RGB(0, 0, 255));
    EXPECT_EQ(At(32, 30), kPaper);
    EXPECT_EQ(At(30, 32), kPaper);

    // Part of an image, mirrored when the target runs right to left.
    Reset();
    canvas.CopyRect(Rect(21, 0, 19, 1), source, Rect(0, 0, 2, 1));
    EXPECT_EQ(At(19, 0), clRed);
    EXPECT_EQ(At(20, 0), kInk);
}

// A picture that paints itself through the canvas's painter.
class TSquareGraphic : public TGraphic {
public:
    const char* ClassName() const override { return "TSquareGraphic"; }
    bool Empty() const override { return false; }
    int Width() const override { return 5; }
    int Height() const override { return 4; }
    void LoadFromStream(TStream&) override { }
    void Draw(TCanvas& canvas, const TRect& rect) override
    {
        LastRect = rect;
        canvas.Painter().fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), Qt::black);
    }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TSquareGraphic>(*this); }
    TRect LastRect;
};

TEST_F(CanvasTest, DrawGivesPicturesTheirRectangleAndTheClippedPainter)
{
    TSquareGraphic picture;
    canvas.Draw(3, 7, picture);
    EXPECT_EQ(picture.LastRect, Rect(3, 7, 8, 11));
    EXPECT_EQ(InkBounds(), Rect(3, 7, 8, 11));

    Reset();
    const TRegion clip = TRegion::Rect(Rect(0, 0, 20, 20));
    canvas.SetClipRegion(&clip);
    canvas.StretchDraw(Rect(10, 10, 30, 30), picture);
    EXPECT_EQ(picture.LastRect, Rect(10, 10, 30, 30));
    EXPECT_EQ(InkBounds(), Rect(10, 10, 20, 20));

    // The painter is closed again, so others may paint on the image.
    QPainter other(&image);
    EXPECT_TRUE(other.isActive());
}

// A picture class that holds the painter may mix its own painting with canvas calls; each
// canvas call leaves the painter's state as it found it.
TEST_F(CanvasTest, CanvasCallsWhileThePainterIsHeld)
{
    QPainter& painter = canvas.Painter();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    canvas.FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(At(1, 1), kFill);
    EXPECT_EQ(painter.compositionMode(), QPainter::RasterOp_NotDestination);
    const TRegion clip = TRegion::Rect(Rect(10, 10, 12, 12));
    canvas.SetClipRegion(&clip);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(QRect(0, 0, 64, 48), Qt::black);
    EXPECT_EQ(InkBounds(), Rect(0, 0, 12, 12));
    EXPECT_EQ(Count(kInk), 4);
    canvas.ReleasePainter();
    QPainter other(&image);
    EXPECT_TRUE(other.isActive());
}

} // namespace
