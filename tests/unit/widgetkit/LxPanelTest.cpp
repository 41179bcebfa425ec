#include "widgetkit/KDPanel.h"

#include "paint/ColorData.h"
#include "tests/support/PixelArt.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

QImage Picture(const TLxCustomPanel& panel)
{
    QImage image = ArtCanvas(panel.width(), panel.height());
    TCanvas canvas(&image);
    panel.Paint(canvas);
    return image;
}

QRgb Rgb(int r, int g, int b) { return qRgb(r, g, b); }

// A client-aligned child shows where the panel lays out its children.
QWidget* ClientChild(TLxCustomPanel& panel)
{
    auto* child = new QWidget(&panel);
    SetAlign(child, TAlign::alClient);
    panel.Realign();
    return child;
}

} // namespace

TEST(LxPanel, DefaultsAreARaisedEdgeOnAllSides)
{
    TLxPanel panel;
    EXPECT_EQ(panel.BorderOuter(), TFrameStyle::fsRaised);
    EXPECT_EQ(panel.BorderInner(), TFrameStyle::fsNone);
    EXPECT_EQ(panel.BorderSides(), AllSides);
    EXPECT_EQ(panel.FrameSides(), 0);
    EXPECT_EQ(panel.BevelWidth(), 1);
    EXPECT_EQ(panel.BorderWidth(), 0);
    EXPECT_EQ(panel.BorderColor(), clBtnFace);
    EXPECT_EQ(panel.FlatColor(), clBlack);
    EXPECT_EQ(panel.Color(), clBtnFace);
    EXPECT_EQ(panel.Alignment(), TAlignment::taCenter);
    EXPECT_EQ(panel.AlignmentVertical(), TAlignmentVertical::avCenter);
    EXPECT_TRUE(panel.FullRepaint());
    EXPECT_TRUE(panel.Caption().empty());
    panel.SetBevelWidth(0);
    EXPECT_EQ(panel.BevelWidth(), 1);
    panel.SetBorderWidth(-3);
    EXPECT_EQ(panel.BorderWidth(), 0);
}

TEST(LxPanel, ChildrenSitInsideTheFramesAndTheBand)
{
    TLxPanel panel;
    panel.resize(100, 60);
    QWidget* child = ClientChild(panel);
    EXPECT_EQ(child->geometry(), QRect(2, 2, 96, 56));

    // Three sides of the raised edge: nothing taken at the bottom.
    panel.SetBorderSides(sdLeft | sdTop | sdRight);
    EXPECT_EQ(child->geometry(), QRect(2, 2, 96, 58));

    // An 8-pixel band with a 4-pixel sunken bevel inside: 12 on every side.
    panel.SetBorderSides(AllSides);
    panel.SetBorderOuter(TFrameStyle::fsNone);
    panel.SetBorderWidth(8);
    panel.SetBorderInner(TFrameStyle::fsStatus);
    panel.SetBevelWidth(4);
    EXPECT_EQ(child->geometry(), QRect(12, 12, 76, 36));

    // The band keeps its strip free on all four sides even where it is not painted.
    panel.SetBorderInner(TFrameStyle::fsNone);
    panel.SetBorderWidth(5);
    panel.SetBorderSides(sdTop);
    EXPECT_EQ(child->geometry(), QRect(5, 5, 90, 50));

    panel.SetBorderWidth(0);
    panel.SetFrameSides(sdLeft | sdBottom);
    EXPECT_EQ(child->geometry(), QRect(1, 0, 99, 59));
}

TEST(LxPanel, BandAndBevelsPaintInTheirOwnColours)
{
    TLxPanel panel;
    panel.resize(40, 30);
    panel.SetBorderOuter(TFrameStyle::fsNone);
    panel.SetBorderWidth(8);
    panel.SetBorderColor(PaletteRGB(0x66, 0x33, 0x99));
    panel.SetBorderInner(TFrameStyle::fsStatus);
    panel.SetBevelWidth(4);
    panel.SetBorderHighlight(PaletteRGB(0x99, 0x66, 0xFF));
    panel.SetBorderShadow(PaletteRGB(0x33, 0x00, 0x66));
    panel.SetColor(clBlack);
    const QImage image = Picture(panel);
    EXPECT_EQ(image.pixel(0, 0), Rgb(0x66, 0x33, 0x99));
    EXPECT_EQ(image.pixel(7, 20), Rgb(0x66, 0x33, 0x99));
    EXPECT_EQ(image.pixel(8, 8), Rgb(0x33, 0x00, 0x66));   // sunken: dark at the top left
    EXPECT_EQ(image.pixel(11, 15), Rgb(0x33, 0x00, 0x66));
    EXPECT_EQ(image.pixel(31, 21), Rgb(0x99, 0x66, 0xFF)); // light at the bottom right
    EXPECT_EQ(image.pixel(28, 18), Rgb(0x99, 0x66, 0xFF));
    EXPECT_EQ(image.pixel(12, 12), Rgb(0, 0, 0));
    EXPECT_EQ(image.pixel(27, 17), Rgb(0, 0, 0));

    // A band on the top side only; the rest is filled up to the edges.
    panel.SetBorderInner(TFrameStyle::fsNone);
    panel.SetBorderWidth(5);
    panel.SetBorderSides(sdTop);
    const QImage top = Picture(panel);
    EXPECT_EQ(top.pixel(0, 4), Rgb(0x66, 0x33, 0x99));
    EXPECT_EQ(top.pixel(0, 5), Rgb(0, 0, 0));
    EXPECT_EQ(top.pixel(39, 29), Rgb(0, 0, 0));

    // Flat frames take FlatColor, not the fixed window-frame colour.
    panel.SetBorderWidth(0);
    panel.SetBorderSides(AllSides);
    panel.SetBorderOuter(TFrameStyle::fsFlat);
    panel.SetFlatColor(clGray);
    const QImage flat = Picture(panel);
    EXPECT_EQ(flat.pixel(0, 0), Rgb(128, 128, 128));
    EXPECT_EQ(flat.pixel(39, 29), Rgb(128, 128, 128));
    EXPECT_EQ(flat.pixel(1, 1), Rgb(0, 0, 0));
}

TEST(LxPanel, NoFramesFillTheWholePanel)
{
    TLxPanel panel;
    panel.resize(20, 10);
    panel.SetBorderOuter(TFrameStyle::fsNone);
    panel.SetColor(clWhite);
    QWidget* child = ClientChild(panel);
    EXPECT_EQ(child->geometry(), QRect(0, 0, 20, 10));
    const QImage image = Picture(panel);
    EXPECT_EQ(Art(image), std::vector<std::string>(10, std::string(20, 'W')));
}

TEST(LxPanel, ParentColorFollowsTheParentPanel)
{
    TLxPanel parent;
    parent.SetColor(clWhite);
    auto* child = new TLxPanel(&parent);
    child->SetParentColor(true);
    EXPECT_EQ(child->Color(), clWhite);
    parent.SetColor(clGray);
    EXPECT_EQ(child->Color(), clGray);
    child->SetColor(clBlack);
    EXPECT_FALSE(child->ParentColor());
    EXPECT_EQ(child->Color(), clBlack);
}

TEST(LxPanel, BottomAndRightAlignedPanelsKeepTheirFixedEdge)
{
    TLxPanel parent;
    parent.resize(200, 100);
    auto* bottom = new TLxPanel(&parent);
    bottom->setGeometry(0, 60, 200, 40);
    SetAlign(bottom, TAlign::alBottom);
    bottom->SetBounds(bottom->x(), bottom->y(), 200, 30);
    EXPECT_EQ(bottom->geometry(), QRect(0, 70, 200, 30));

    auto* right = new TLxPanel(&parent);
    right->setGeometry(150, 0, 50, 60);
    SetAlign(right, TAlign::alRight);
    right->SetBounds(right->x(), right->y(), 70, 60);
    EXPECT_EQ(right->geometry(), QRect(130, 0, 70, 60));

    // Unaligned panels move by their top-left corner as usual.
    auto* free = new TLxPanel(&parent);
    free->setGeometry(10, 10, 20, 20);
    free->SetBounds(10, 10, 30, 40);
    EXPECT_EQ(free->geometry(), QRect(10, 10, 30, 40));
}

TEST(LxPanel, EnabledChangeReachesEveryDirectChild)
{
    TLxPanel panel;
    auto* a = new QWidget(&panel);
    auto* b = new QWidget(&panel);
    b->setEnabled(false);
    panel.setEnabled(false);
    EXPECT_FALSE(a->isEnabled());
    EXPECT_FALSE(b->isEnabled());
    panel.setEnabled(true);
    EXPECT_TRUE(a->isEnabled());
    EXPECT_TRUE(b->isEnabled()) << "a child disabled before comes back too";
}

TEST(LxPanel, CaptionIsPlacedByBothAlignments)
{
    TLxPanel panel;
    panel.resize(60, 40);
    panel.SetBorderOuter(TFrameStyle::fsNone);
    panel.SetColor(clWhite);
    TFont font;
    font.Color = clBlack;
    panel.SetFont(font);
    panel.SetCaption("Hi");
    const auto inkRows = [](const QImage& image) {
        int top = -1, bottom = -1, left = image.width();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != Rgb(255, 255, 255)) {
                    top = top < 0 ? y : top;
                    bottom = y;
                    left = std::min(left, x);
                }
            }
        }
        return std::tuple(top, bottom, left);
    };
    const auto [centreTop, centreBottom, centreLeft] = inkRows(Picture(panel));
    ASSERT_GE(centreTop, 0);
    EXPECT_NEAR((centreTop + centreBottom) / 2, 20, 4);
    EXPECT_NEAR(centreLeft, 30 - 7, 6);

    panel.SetAlignmentVertical(TAlignmentVertical::avTop);
    panel.SetAlignment(TAlignment::taLeftJustify);
    const auto [top, bottom, left] = inkRows(Picture(panel));
    EXPECT_LT(top, 5);
    EXPECT_NEAR(left, 2, 1) << "one pixel in from the left edge, plus the side bearing";

    panel.SetAlignmentVertical(TAlignmentVertical::avBottom);
    const auto [lowTop, lowBottom, lowLeft] = inkRows(Picture(panel));
    EXPECT_GT(lowBottom, 33);
    EXPECT_LT(lowBottom, 39) << "one pixel above the bottom edge, less the descent";
}

TEST(KDPanel, PaintsLikeTheLxPanelWithoutASharedPalette)
{
    InitColorData(24, 0, 0);
    TLxPanel plain;
    TKDPanel kd;
    for (TLxPanel* panel : { &plain, static_cast<TLxPanel*>(&kd) }) {
        panel->resize(30, 20);
        panel->SetBorderOuter(TFrameStyle::fsPopup);
        panel->SetBevelWidth(3);
        panel->SetColor(PaletteRGB(0x12, 0x34, 0x56));
    }
    EXPECT_EQ(kd.GetPalette(), nullptr);
    EXPECT_EQ(Picture(kd), Picture(plain));
    EXPECT_EQ(Picture(kd).pixel(10, 10), Rgb(0x12, 0x34, 0x56));
}

TEST(KDPanel, MatchesPaletteRelativeColoursAgainstTheSharedPalette)
{
    InitColorData(8, 256, RC_PALETTE);
    ASSERT_TRUE(PaletteDisplay);
    TKDPanel kd;
    kd.resize(30, 20);
    kd.SetBorderOuter(TFrameStyle::fsNone);
    kd.SetColor(PaletteRGB(0x12, 0x34, 0x56));
    EXPECT_EQ(kd.GetPalette(), DisplayPalette);
    // The nearest table colour is the cube's (0x00, 0x33, 0x66).
    QImage image = ArtCanvas(30, 20);
    TCanvas canvas(&image);
    kd.Paint(canvas);
    EXPECT_EQ(image.pixel(5, 5), Rgb(0x00, 0x33, 0x66));
    EXPECT_TRUE(canvas.Palette().empty()) << "the previous palette comes back after the paint";

    // Plain RGB colours are drawn as they are.
    kd.SetColor(RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(Picture(kd).pixel(5, 5), Rgb(0x12, 0x34, 0x56));
    FinalizeColorData();
    InitColorData(24, 0, 0);
}
