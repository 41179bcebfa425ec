#include "widgetkit/LxCommon.h"

#include "paint/Canvas.h"
#include "tests/support/PixelArt.h"

#include <gtest/gtest.h>

using Rows = std::vector<std::string>;

namespace {

struct TFrameCase {
    const char* Name;
    TFrameStyle Style;
    TSides Sides;
    int Width, Height;
    Rows Expected;
    TRect Inner;
};

// K black, W white, G grey, L silver, '.' untouched (the system colours of the classic scheme).
const TFrameCase FrameCases[] = {
    { "RaisedAllSides", TFrameStyle::fsRaised, AllSides, 6, 5,
      { "LLLLLK", "LWWWGK", "LW..GK", "LGGGGK", "KKKKKK" }, Rect(2, 2, 4, 3) },
    { "LoweredLeftTop", TFrameStyle::fsLowered, sdLeft | sdTop, 5, 4, { "GGGGG", "GKKKK", "GK...", "GK..." },
      Rect(2, 2, 5, 4) },
    { "ButtonUp", TFrameStyle::fsButtonUp, AllSides, 6, 5, { "WWWWWK", "WLLLGK", "WL..GK", "WGGGGK", "KKKKKK" },
      Rect(2, 2, 4, 3) },
    { "ButtonDown", TFrameStyle::fsButtonDown, AllSides, 6, 5, { "KKKKKK", "KGGGGK", "KG..GK", "KGGGGK", "KKKKKK" },
      Rect(2, 2, 4, 3) },
    { "Flat", TFrameStyle::fsFlat, AllSides, 4, 3, { "KKKK", "K..K", "KKKK" }, Rect(1, 1, 3, 2) },
    { "Status", TFrameStyle::fsStatus, AllSides, 4, 3, { "GGGW", "G..W", "WWWW" }, Rect(1, 1, 3, 2) },
    { "Popup", TFrameStyle::fsPopup, AllSides, 4, 3, { "WWWG", "W..G", "GGGG" }, Rect(1, 1, 3, 2) },
    { "GrooveAllSides", TFrameStyle::fsGroove, AllSides, 6, 5, { "GGGGGW", "GWWWGW", "GW..GW", "GGGGGW", "WWWWWW" },
      Rect(2, 2, 4, 3) },
    // Two straight lines that reach both edges: no corner pixel is missing.
    { "GrooveTopOnly", TFrameStyle::fsGroove, sdTop, 6, 4, { "GGGGGG", "WWWWWW", "......", "......" },
      Rect(0, 2, 6, 4) },
    // Open at the bottom: both etched lines of the left and right sides run to the edge.
    { "BumpWithoutBottom", TFrameStyle::fsBump, sdLeft | sdTop | sdRight, 6, 4, { "WWWWWG", "WGGGWG", "WG..WG", "WG..WG" },
      Rect(2, 2, 4, 4) },
    { "None", TFrameStyle::fsNone, AllSides, 3, 2, { "...", "..." }, Rect(0, 0, 3, 2) },
};

class FramePixels : public ::testing::TestWithParam<TFrameCase> { };

} // namespace

TEST_P(FramePixels, MatchTheStyleTable)
{
    const TFrameCase& c = GetParam();
    QImage image = ArtCanvas(c.Width, c.Height);
    TRect inner;
    {
        TCanvas canvas(&image);
        inner = PaintFrameStyle(canvas, Rect(0, 0, c.Width, c.Height), c.Style, c.Sides);
    }
    EXPECT_EQ(Art(image), c.Expected);
    EXPECT_EQ(inner, c.Inner);
}

INSTANTIATE_TEST_SUITE_P(Styles, FramePixels, ::testing::ValuesIn(FrameCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Every style on every subset of sides paints exactly the band it reports: all pixels between
// the rectangle and the returned inner rectangle, and none inside or on the other sides.
TEST(FrameStyles, PaintExactlyTheBandTheyReturn)
{
    for (int style = 0; style <= int(TFrameStyle::fsPopup); ++style) {
        for (TSides sides = 0; sides <= AllSides; ++sides) {
            QImage image = ArtCanvas(10, 9);
            TRect inner;
            {
                TCanvas canvas(&image);
                inner = PaintFrameStyle(canvas, Rect(0, 0, 10, 9), TFrameStyle(style), sides);
            }
            const int width = FrameStyleWidth(TFrameStyle(style), 1);
            ASSERT_EQ(inner, InsetSides(Rect(0, 0, 10, 9), sides, width)) << style << " " << int(sides);
            for (int y = 0; y < 9; ++y) {
                for (int x = 0; x < 10; ++x) {
                    const bool inside = x >= inner.Left && x < inner.Right && y >= inner.Top && y < inner.Bottom;
                    ASSERT_EQ(image.pixel(x, y) == ArtBackground, inside)
                        << "style " << style << " sides " << int(sides) << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(BevelBand, DrawsWidthNestedRingsAndNothingForZero)
{
    QImage image = ArtCanvas(8, 8);
    TCanvas canvas(&image);
    EXPECT_EQ(PaintBevelBand(canvas, Rect(0, 0, 8, 8), clBlack, clWhite, 0, AllSides), Rect(0, 0, 8, 8));
    EXPECT_EQ(PaintBevelBand(canvas, Rect(0, 0, 8, 8), clBlack, clWhite, -2, AllSides), Rect(0, 0, 8, 8));
    EXPECT_EQ(Art(image), Rows(8, "........"));

    EXPECT_EQ(PaintBevelBand(canvas, Rect(0, 0, 8, 8), clBlack, clWhite, 3, AllSides), Rect(3, 3, 5, 5));
    EXPECT_EQ(Art(image), (Rows { "KKKKKKKW", "KKKKKKWW", "KKKKKWWW", "KKK..WWW", "KKK..WWW", "KKWWWWWW", "KWWWWWWW",
                                  "WWWWWWWW" }));

    QImage one = ArtCanvas(4, 3);
    TCanvas oneCanvas(&one);
    EXPECT_EQ(PaintBevelBand(oneCanvas, Rect(0, 0, 4, 3), clBlack, clWhite, 1, sdRight | sdBottom), Rect(0, 0, 3, 2));
    EXPECT_EQ(Art(one), (Rows { "...W", "...W", "WWWW" }));
}

TEST(FrameSet, PaintsBlackLinesOuterFrameBandAndInnerFrameFromOutsideIn)
{
    // A black line at the top only, a two-ring raised bevel, a one-pixel silver band and a
    // two-ring sunken bevel.
    TFrameSet frames;
    frames.FrameSides = sdTop;
    frames.Outer = TFrameStyle::fsPopup;
    frames.BorderWidth = 1;
    frames.BorderColor = clSilver;
    frames.Inner = TFrameStyle::fsStatus;
    frames.BevelWidth = 2;
    QImage image = ArtCanvas(12, 12);
    TRect inner;
    {
        TCanvas canvas(&image);
        inner = PaintFrameSet(canvas, Rect(0, 0, 12, 12), frames);
    }
    EXPECT_EQ(inner, Rect(5, 6, 7, 7));
    EXPECT_EQ(InsetFrameSet(Rect(0, 0, 12, 12), frames, true), inner);
    EXPECT_EQ(InsetFrameSet(Rect(0, 0, 12, 12), frames, false), Rect(4, 5, 8, 8));
    const Rows art = Art(image);
    const auto at = [&art](int x, int y) { return art[std::size_t(y)][std::size_t(x)]; };
    EXPECT_EQ(art[0], "KKKKKKKKKKKK");
    EXPECT_EQ(at(0, 1), 'W');  // raised bevel, light side
    EXPECT_EQ(at(1, 2), 'W');
    EXPECT_EQ(at(11, 1), 'G'); // raised bevel, dark side
    EXPECT_EQ(at(10, 10), 'G');
    EXPECT_EQ(at(2, 5), 'L');  // the band
    EXPECT_EQ(at(9, 9), 'L');
    EXPECT_EQ(at(3, 5), 'G');  // sunken bevel, dark side
    EXPECT_EQ(at(4, 6), 'G');
    EXPECT_EQ(at(8, 8), 'W');  // sunken bevel, light side
    EXPECT_EQ(at(7, 7), 'W');
    EXPECT_EQ(at(5, 6), '.');
}
