// How the metafile player combines, fills, dashes, clips and spaces what it draws: the rules
// the platform's own player follows (the differential test under the "gdi" label compares
// whole pictures with it; these pin the rules where that test cannot run).

#include "base/Stream.h"
#include "paint/Canvas.h"
#include "pictures/Metafile.h"
#include "tests/support/SurfacePixels.h"
#include "tools/common/MetafileBuilder.h"

#include <gtest/gtest.h>

using namespace MetafileBuilder;

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;

QImage Play(const std::vector<std::byte>& bytes, int width, int height)
{
    TMemoryStream stream(bytes);
    TMetafile metafile;
    metafile.LoadFromStream(stream);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(White);
    TCanvas canvas(&image);
    canvas.StretchDraw(Rect(0, 0, width, height), metafile);
    return image;
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000; }

int CountColour(const QImage& image, const QRect& area, QRgb colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += At(image, x, y) == colour;
    return n;
}

TEST(MetafileDrawing, BinaryRasterOperationsCombinePenAndBrushWithThePixels)
{
    TEmfBuilder emf(40, 20);
    emf.CreateBrush(1, MfBrushSolid, MfRGB(255, 0, 0));
    emf.SelectObject(1);
    emf.SelectObject(MfStockNullPen);
    emf.Rectangle(0, 0, 40, 20);
    emf.CreateBrush(2, MfBrushSolid, MfRGB(255, 255, 0));
    emf.SelectObject(2);
    emf.SetRop2(7); // XOR: red ^ yellow is green; twice gives red back
    emf.Rectangle(0, 0, 10, 20);
    emf.Rectangle(10, 0, 20, 20);
    emf.Rectangle(10, 0, 20, 20);
    emf.SetRop2(6); // NOT: the destination inverted, whatever the brush
    emf.Rectangle(20, 0, 30, 20);
    emf.SetRop2(11); // NOP
    emf.Rectangle(30, 0, 40, 10);
    // The outline of an XOR pen meets each pixel once: the fill leaves the pen's pixels alone.
    emf.SetRop2(7);
    emf.CreatePen(3, MfPenSolid, 3, MfRGB(255, 255, 255));
    emf.SelectObject(3);
    emf.Rectangle(30, 10, 40, 20);
    const QImage image = Play(emf.Finish(), 40, 20);
    EXPECT_EQ(At(image, 5, 10), 0xFF00FF00);
    EXPECT_EQ(At(image, 15, 10), Red);
    EXPECT_EQ(At(image, 25, 10), 0xFF00FFFF);
    EXPECT_EQ(At(image, 35, 5), Red);
    EXPECT_EQ(At(image, 30, 15), 0xFF00FFFF); // red ^ white on the outline
    EXPECT_EQ(At(image, 35, 15), 0xFF00FF00); // red ^ yellow inside
}

TEST(MetafileDrawing, HatchAndPatternBrushesRepeatFromThePictureOrigin)
{
    TEmfBuilder emf(32, 32);
    emf.SelectObject(MfStockNullPen);
    emf.SetBkColor(MfRGB(255, 0, 0));
    emf.CreateBrush(1, 2, MfRGB(0, 0, 255), 0); // horizontal: the fourth row of every eight
    emf.SelectObject(1);
    emf.Rectangle(0, 0, 16, 16);
    emf.SetBkMode(MfTransparent);
    emf.CreateBrush(2, 2, MfRGB(0, 0, 255), 1); // vertical: the fifth column, gaps untouched
    emf.SelectObject(2);
    emf.Rectangle(16, 0, 32, 16);
    // A 2 x 2 pattern: blue, black / black, blue.
    emf.CreateDibPatternBrush(3, MakeDib(2, 2, { 0xFF0000FF, 0xFF000000, 0xFF000000, 0xFF0000FF }, 24));
    emf.SelectObject(3);
    emf.Rectangle(0, 16, 32, 32);
    const QImage image = Play(emf.Finish(), 32, 32);
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(At(image, 5, y), y % 8 == 3 ? Blue : Red) << y;
        EXPECT_EQ(At(image, 16 + 3, y), White) << y;
        EXPECT_EQ(At(image, 16 + 4, y), Blue) << y;
    }
    EXPECT_EQ(At(image, 0, 16), Blue);
    EXPECT_EQ(At(image, 1, 16), Black);
    EXPECT_EQ(At(image, 7, 17), Blue);
}

TEST(MetafileDrawing, StyledPensDashTheirLinesAndFillTheGapsOnAnOpaqueBackground)
{
    TEmfBuilder emf(60, 10);
    emf.CreatePen(1, 2, 1, MfRGB(0, 0, 0)); // dots: three on, three off
    emf.SelectObject(1);
    emf.SetBkMode(MfTransparent);
    emf.MoveTo(0, 2);
    emf.LineTo(60, 2);
    emf.SetBkMode(MfOpaque);
    emf.SetBkColor(MfRGB(255, 0, 0));
    emf.MoveTo(0, 6);
    emf.LineTo(60, 6);
    const QImage image = Play(emf.Finish(), 60, 10);
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(At(image, x, 2), (x / 3) % 2 == 0 ? Black : White) << x;
        EXPECT_EQ(At(image, x, 6), (x / 3) % 2 == 0 ? Black : Red) << x;
    }
}

TEST(MetafileDrawing, HostileStylesAndRegionsStayCheap)
{
    TEmfBuilder emf(40, 20);
    // Millions of dots along a line reaching far outside: drawn solid instead.
    emf.CreatePen(1, 2, 1, MfRGB(0, 0, 0));
    emf.SelectObject(1);
    emf.MoveTo(-2000000, 5);
    emf.LineTo(2000000, 5);
    // A clip of a hundred thousand one-pixel rectangles: their bounds stand for them.
    std::vector<std::array<int, 4>> rects;
    for (int i = 0; i < 100000; ++i)
        rects.push_back({ 10 + i % 3, 10, 11 + i % 3, 11 });
    emf.ExtSelectClipRgn(5, rects);
    emf.CreateBrush(2, MfBrushSolid, MfRGB(0, 0, 255));
    emf.SelectObject(2);
    emf.SelectObject(MfStockNullPen);
    emf.Rectangle(0, 0, 40, 20);
    const QImage image = Play(emf.Finish(), 40, 20);
    EXPECT_EQ(CountColour(image, QRect(0, 5, 40, 1), Black), 40);
    EXPECT_EQ(CountColour(image, image.rect(), Blue), 3);
}

TEST(MetafileDrawing, ClipRegionsAreExactAndCombine)
{
    TEmfBuilder emf(60, 40);
    emf.CreateBrush(1, MfBrushSolid, MfRGB(0, 0, 255));
    emf.SelectObject(1);
    emf.SelectObject(MfStockNullPen);
    // An L of two rectangles with a hole, then moved right by 30.
    emf.ExtSelectClipRgn(5, { { 0, 0, 20, 10 }, { 0, 10, 10, 20 } });
    emf.ExcludeClipRect(2, 2, 4, 4);
    emf.OffsetClipRgn(30, 0);
    emf.Rectangle(0, 0, 60, 40);
    // A triangle path as the clip.
    emf.ExtSelectClipRgn(5, {});
    emf.BeginPath();
    emf.Polygon16({ { 0, 20 }, { 20, 40 }, { 0, 40 } });
    emf.EndPath();
    emf.SelectClipPath(5);
    emf.Rectangle(0, 20, 30, 40);
    const QImage image = Play(emf.Finish(), 60, 40);
    EXPECT_EQ(At(image, 45, 5), Blue);
    EXPECT_EQ(At(image, 35, 15), Blue);
    EXPECT_EQ(At(image, 45, 15), White); // the notch of the L
    EXPECT_EQ(At(image, 33, 3), White);  // the excluded hole
    EXPECT_EQ(At(image, 5, 5), White);   // where the region was before it moved
    EXPECT_EQ(At(image, 2, 37), Blue);
    EXPECT_EQ(At(image, 17, 23), White); // outside the triangle
}

TEST(MetafileDrawing, GradientsRunBetweenTheirVertexColours)
{
    TEmfBuilder emf(100, 20);
    emf.GradientFill({ { 0, 0, 0xFF00, 0, 0 }, { 100, 10, 0, 0, 0xFF00 } }, { { 0, 1 } }, 0);
    emf.GradientFill({ { 0, 10, 0, 0, 0 }, { 100, 20, 0xFF00, 0xFF00, 0xFF00 } }, { { 0, 1 } }, 1);
    const QImage image = Play(emf.Finish(), 100, 20);
    EXPECT_EQ(At(image, 0, 5), Red);
    EXPECT_NEAR(qBlue(image.pixel(99, 5)), 252, 3);
    EXPECT_NEAR(qRed(image.pixel(50, 5)), 127, 3);
    EXPECT_EQ(At(image, 50, 10), Black);
    EXPECT_GT(qGray(image.pixel(50, 19)), 220);
}

TEST(MetafileDrawing, OutlinedEnhancedRectanglesTakeInTheirRightAndBottomEdges)
{
    TEmfBuilder emf(30, 30);
    emf.SelectObject(MfStockBlackPen);
    emf.SelectObject(MfStockNullBrush);
    emf.Rectangle(5, 5, 20, 20);
    const QImage emfImage = Play(emf.Finish(), 30, 30);
    EXPECT_EQ(At(emfImage, 20, 10), Black);
    EXPECT_EQ(At(emfImage, 10, 20), Black);
    TWmfBuilder wmf(30, 30);
    wmf.SelectObject(wmf.CreatePen(MfPenSolid, 1, 0));
    wmf.Rectangle(5, 5, 20, 20);
    const QImage wmfImage = Play(wmf.Finish(), 30, 30);
    EXPECT_EQ(At(wmfImage, 19, 10), Black);
    EXPECT_EQ(At(wmfImage, 20, 10), White);
}

TEST(MetafileDrawing, TextKeepsItsCharacterAdvancesAndFontWidth)
{
    TEmfBuilder emf(200, 80);
    emf.CreateFont(1, -16, "Liberation Sans");
    emf.SelectObject(1);
    emf.SetBkMode(MfTransparent);
    emf.ExtTextOut(10, 5, "ll", 0, { 0, 0, -1, -1 }, { 60, 10 });
    emf.ExtTextOut(10, 30, "mmmm", 0, { 0, 0, -1, -1 }, { 3, 3, 3, 3 });
    emf.CreateFont(2, -16, "Liberation Sans", 400, false, 0, 20);
    emf.SelectObject(2);
    emf.ExtTextOut(10, 55, "mmmm");
    const QImage image = Play(emf.Finish(), 200, 80);
    // The second l stands 60 pixels after the first.
    const QRect first = InkBox(image, QRect(0, 0, 40, 25));
    const QRect second = InkBox(image, QRect(40, 0, 160, 25));
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(second.left() - first.left(), 60);
    // Squeezed advances overlap the letters into a short run.
    EXPECT_LT(InkBox(image, QRect(0, 26, 200, 25)).width(), 25);
    // An average width of 20 pixels makes four m's much wider than the typeface's own.
    EXPECT_GT(InkBox(image, QRect(0, 52, 200, 28)).width(), 70);
}

TEST(MetafileDrawing, TurnedTextRunsTheOtherWayWhenTheMappingMirrorsY)
{
    TEmfBuilder emf(100, 100);
    emf.SetMapMode(8);
    emf.SetWindowExt(100, 100);
    emf.SetViewportOrg(0, 100);
    emf.SetViewportExt(100, -100);
    emf.CreateFont(1, -14, "Liberation Sans", 400, false, 900);
    emf.SelectObject(1);
    emf.SetBkMode(MfTransparent);
    emf.ExtTextOut(50, 90, "Down"); // the reference point lands at (50, 10) on the picture
    const QImage image = Play(emf.Finish(), 100, 100);
    const QRect ink = InkBox(image, image.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.top(), 8);
    EXPECT_GT(ink.height(), 25);
    EXPECT_LE(ink.right(), 50);
}

} // namespace
