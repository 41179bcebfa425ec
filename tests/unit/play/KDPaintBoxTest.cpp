#include "play/KDPaintBox.h"
#include "widgetkit/KDCtrls.h"

#include "base/Random.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "play/KeyData.h"
#include "play/PlayState.h"

#include "tests/support/SurfacePixels.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <set>

namespace {

constexpr std::uint16_t VK_A = 65;

int CountLit(const QImage& image)
{
    int lit = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            lit += (row[x] & 0xFFFFFF) != 0;
    }
    return lit;
}

class PaintBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorData(24, 0, 0);
        InitKeyData();
        RegisterPictureFormats();
        for (int n = 1; n <= KeyEntryCount; ++n)
            KeyTable->Entry(n).ShapeColorIndex = DefaultShapeColorIndex;
        box.SetBounds(0, 0, 640, 400);
        box.OnMessage = [this](TKDPaintBox*, const std::string& text) { messages.push_back(text); };
        box.OnClearMessage = [this](TKDPaintBox*) { ++clears; };
        RandSeed = 4242;
    }
    void TearDown() override { FinalizeKeyData(); }

    TKDPaintBox box;
    std::vector<std::string> messages;
    int clears { 0 };
};

} // namespace

TEST(PaintBoxSizes, PictureSizesRoundHalvesToEven)
{
    TKDPaintBox box;
    box.SetBounds(0, 0, 1000, 700);
    EXPECT_EQ(box.PictureWidths(), (std::array<int, 3> { 100, 200, 300 }));
    EXPECT_EQ(box.PictureHeights(), (std::array<int, 3> { 70, 140, 210 }));
    box.SetBounds(0, 0, 1005, 700);
    EXPECT_EQ(box.PictureWidths(), (std::array<int, 3> { 100, 201, 302 }));
}

TEST_F(PaintBoxTest, The26thDrawingErasesFirstAndEvery26thAfter)
{
    box.State().SetPlayMode(ShapeType);
    for (int press = 1; press <= 25; ++press) {
        box.KeyPressed(VK_A);
        EXPECT_EQ(box.State().DrawCount(), press);
    }
    box.KeyPressed(VK_A); // erases, then draws one circle
    EXPECT_EQ(box.State().DrawCount(), 0);
    const int oneCircle = CountLit(box.Surface());
    EXPECT_GT(oneCircle, 7000);
    EXPECT_LT(oneCircle, 8200);
    for (int press = 27; press <= 51; ++press)
        box.KeyPressed(VK_A);
    EXPECT_EQ(box.State().DrawCount(), 25);
    box.KeyPressed(VK_A); // the 52nd press erases again
    EXPECT_EQ(box.State().DrawCount(), 0);
    EXPECT_EQ(CountLit(box.Surface()), oneCircle);
    EXPECT_EQ(clears, 52);
}

TEST_F(PaintBoxTest, EraseLimitZeroOrLessKeepsOnlyTheNewestDrawing)
{
    box.State().SetPlayMode(ShapeType);
    for (int limit : { 0, -3 }) {
        box.State().SetEraseLimit(limit);
        for (int press = 0; press < 5; ++press) {
            box.KeyPressed(VK_A);
            EXPECT_EQ(box.State().DrawCount(), 0);
            const QRect bounds = LitBounds(box.Surface());
            EXPECT_EQ(bounds.width(), 100);
            EXPECT_EQ(bounds.height(), 100);
        }
    }
}

TEST_F(PaintBoxTest, SurfacesSharingAStateCountOnceAndEraseTogether)
{
    TKDPaintBox other(nullptr, box.SharedState());
    other.SetBounds(0, 0, 320, 200);
    box.State().SetPlayMode(ShapeType);
    box.State().SetEraseLimit(1);
    // One press on both surfaces, counted once, as the main window draws it.
    const auto press = [&] {
        const bool erase = box.State().CountDrawing();
        box.DrawKey(VK_A, erase);
        other.DrawKey(VK_A, erase);
    };
    press();
    EXPECT_EQ(other.State().DrawCount(), 1);
    press(); // the second drawing erases first, on both
    EXPECT_EQ(box.State().DrawCount(), 0);
    EXPECT_EQ(LitBounds(box.Surface()).size(), QSize(100, 100));
    EXPECT_EQ(LitBounds(other.Surface()).size(), QSize(100, 100));
    // A click on one surface counts for all.
    other.MousePressed(VK_A, { 10, 10 });
    EXPECT_EQ(box.State().DrawCount(), 1);
}

TEST_F(PaintBoxTest, ModesAboveFourDoNothing)
{
    box.State().SetPlayMode(5);
    box.KeyPressed(VK_A);
    EXPECT_EQ(box.State().DrawCount(), 0);
    EXPECT_EQ(clears, 0);
    EXPECT_EQ(CountLit(box.Surface()), 0);
}

TEST_F(PaintBoxTest, DefaultTableDrawsADarkBlueCircle100Across)
{
    box.State().SetPlayMode(ShapeType);
    box.KeyPressed(VK_A);
    const QRect bounds = LitBounds(box.Surface());
    ASSERT_EQ(bounds.size(), QSize(100, 100));
    EXPECT_EQ(box.Surface().pixel(bounds.center()) & 0xFFFFFF, 0x000099u);
}

TEST_F(PaintBoxTest, EveryShapeLiesInsideTheSurfaceInTheKeysColour)
{
    box.State().SetPlayMode(ShapeType);
    box.State().SetEraseLimit(0);
    static const QSize sizes[] = { { 100, 100 }, { 144, 79 }, { 108, 93 }, { 60, 120 }, { 93, 93 },
                                   { 141, 61 },  { 123, 61 }, { 76, 150 }, { 104, 99 }, { 112, 97 },
                                   { 92, 91 },   { 101, 101 }, { 111, 105 }, { 97, 97 } };
    for (int shape = 0; shape < 14; ++shape) {
        KeyTable->Entry(1).Shape = std::uint8_t(shape);
        KeyTable->Entry(1).ShapeColorIndex = 5; // red 0xFF
        for (int press = 0; press < 20; ++press) {
            box.KeyPressed(VK_A);
            const QRect bounds = LitBounds(box.Surface());
            ASSERT_TRUE(QRect(0, 0, 640, 400).contains(bounds)) << shape;
            // A polygon's outline runs through its corner points, so it may cover one pixel
            // more than the figures whose rectangle leaves out its right and bottom edges.
            const int extra = (shape == 0 || shape == 1 || shape == 4 || shape == 5) ? 0 : 1;
            EXPECT_LE(bounds.width(), sizes[shape].width() + extra) << shape;
            EXPECT_LE(bounds.height(), sizes[shape].height() + extra) << shape;
            EXPECT_GE(bounds.width(), sizes[shape].width() - 1) << shape;
            EXPECT_EQ(box.Surface().pixel(bounds.center()) & 0xFFFFFF, 0xFF0000u) << shape;
        }
    }
}

TEST_F(PaintBoxTest, ShapeNumbersAbove13CountButDrawNothing)
{
    box.State().SetPlayMode(ShapeType);
    KeyTable->Entry(1).Shape = 14;
    box.KeyPressed(VK_A);
    EXPECT_EQ(box.State().DrawCount(), 1);
    EXPECT_EQ(CountLit(box.Surface()), 0);
}

TEST_F(PaintBoxTest, MissingPicturesGiveTracesAndDrawNothing)
{
    box.State().SetPlayMode(PictureType);
    KeyTable->Entry(1).KeyName = "A";
    box.KeyPressed(VK_A);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Res:  PICTURE_1\rMode: PictureType     CDir: ", 0), 0u) << messages[0];
    EXPECT_NE(messages[0].find("\rKey:  A               Path: "), std::string::npos) << messages[0];
    EXPECT_EQ(box.State().DrawCount(), 1);

    KeyTable->Entry(1).PatternFile = "no/such/pattern.bmp";
    box.State().SetPlayMode(PatternType);
    box.KeyPressed(VK_A);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].rfind("File: NO/SUCH/PATTERN.BMP\rMode: PatternType     CDir: ", 0), 0u) << messages[1];
    EXPECT_EQ(CountLit(box.Surface()), 0);
    EXPECT_EQ(box.Canvas().Brush.Style(), TBrushStyle::bsSolid);
    // The failing drawing cleared the message first, then reported.
    EXPECT_EQ(clears, 2);
}

TEST_F(PaintBoxTest, KeyTypeSizesAndStylesFollowTheCaption)
{
    box.State().SetPlayMode(KeyType);
    box.State().SetEraseLimit(0);
    KeyTable->Entry(1).KeyName = "Hello";
    KeyTable->Entry(2).KeyName = "B";
    int bold = 0, italic = 0, big = 0;
    for (int press = 0; press < 700; ++press) {
        box.KeyPressed(VK_A);
        EXPECT_NE(box.Canvas().Font.Size(), 144);
        const TFontStyles style = box.Canvas().Font.Style;
        EXPECT_FALSE((style & fsBold) && (style & fsItalic));
        bold += (style & fsBold) != 0;
        italic += (style & fsItalic) != 0;
        box.KeyPressed(VK_A + 1);
        big += box.Canvas().Font.Size() == 144;
        EXPECT_EQ(box.Canvas().Brush.Style(), TBrushStyle::bsClear);
    }
    EXPECT_NEAR(bold, 100, 40);
    EXPECT_NEAR(italic, 200, 50);
    EXPECT_NEAR(big, 233, 60);
}

TEST_F(PaintBoxTest, EmptyCaptionCountsButShowsNothing)
{
    box.State().SetPlayMode(KeyType);
    box.KeyPressed(VK_A);
    EXPECT_EQ(box.State().DrawCount(), 1);
    EXPECT_EQ(CountLit(box.Surface()), 0);
}

TEST_F(PaintBoxTest, CaptionsArePlacedToFitTheSurface)
{
    // Big captions on a small surface: placed with the text's own size in mind, they almost
    // never reach the last column or row (only a slanted glyph's overhang may).
    box.SetBounds(0, 0, 400, 300);
    box.State().SetPlayMode(KeyType);
    box.State().SetEraseLimit(0);
    KeyTable->Entry(1).KeyName = "WM";
    int cut = 0;
    const int presses = 200;
    for (int press = 0; press < presses; ++press) {
        box.KeyPressed(VK_A);
        const QRect bounds = LitBounds(box.Surface());
        ASSERT_FALSE(bounds.isEmpty());
        cut += bounds.right() == 399 || bounds.bottom() == 299;
    }
    EXPECT_LT(cut, presses / 20);
}

TEST(PaintBoxPalette, OnAPaletteDisplayTheSurfaceDrawsAgainstTheSharedPalette)
{
    InitColorData(8, 256, RC_PALETTE);
    ASSERT_TRUE(PaletteDisplay);
    InitKeyData();
    {
        TKDPaintBox box;
        box.SetBounds(0, 0, 320, 200);
        EXPECT_EQ(box.GetPalette(), DisplayPalette);
        ASSERT_EQ(box.Canvas().Palette().size(), std::size_t(ColorTableSize));
        // A resize makes a new canvas; it too has the palette.
        box.SetBounds(0, 0, 400, 300);
        EXPECT_EQ(box.Canvas().Palette().size(), std::size_t(ColorTableSize));
        // Random colours are palette-relative there, and draw as the table's own entries.
        box.State().SetPlayMode(ClassicType);
        RandSeed = 99;
        for (int i = 0; i < 10; ++i)
            box.KeyPressed(VK_A);
        std::set<QRgb> table;
        for (const TColorEntry& e : ColorTable)
            table.insert(qRgb(e.Red, e.Green, e.Blue));
        const QImage& surface = box.Surface();
        for (int y = 0; y < surface.height(); y += 7)
            for (int x = 0; x < surface.width(); x += 7)
                ASSERT_TRUE(table.count(surface.pixel(x, y) | 0xFF000000u)) << x << "," << y;
    }
    FinalizeKeyData();
    FinalizeColorData();

    InitColorData(24, 0, 0);
    TKDPaintBox trueColour;
    trueColour.SetBounds(0, 0, 32, 32);
    EXPECT_EQ(trueColour.GetPalette(), nullptr);
    EXPECT_TRUE(trueColour.Canvas().Palette().empty());
}
