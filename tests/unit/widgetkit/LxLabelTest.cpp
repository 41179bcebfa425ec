#include "widgetkit/KDLabel.h"

#include "tests/support/PixelArt.h"

#include <gtest/gtest.h>

#include <QTest>

#include <functional>
#include <memory>

namespace {

constexpr QRgb Black = 0xFF000000, White = 0xFFFFFFFF, Grey = 0xFF808080;

QImage Picture(const TLxLabel& label)
{
    QImage image = ArtCanvas(label.width(), label.height());
    TCanvas canvas(&image);
    label.Paint(canvas);
    return image;
}

// A transparent, plain label with black 12-pixel Arial text on the untouched background.
std::unique_ptr<TLxLabel> MakeLabel(const std::string& caption, TTextStyle style = TTextStyle::tsNormal)
{
    auto label = std::make_unique<TLxLabel>();
    label->SetAutoSize(false);
    label->setGeometry(0, 0, 40, 24);
    label->SetTransparent(true);
    TFont font;
    font.Color = clBlack;
    label->SetFont(font);
    label->SetTextStyle(style);
    label->SetCaption(caption);
    return label;
}

// The picture expected from layers of the plain text's ink, each moved and coloured.
struct TLayer {
    int Dx, Dy;
    QRgb Color;
};
QImage Layered(const QImage& plain, std::initializer_list<TLayer> layers)
{
    QImage expected = ArtCanvas(plain.width(), plain.height());
    for (const TLayer& layer : layers) {
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const int tx = x + layer.Dx, ty = y + layer.Dy;
                if (plain.pixel(x, y) != ArtBackground && expected.valid(tx, ty))
                    expected.setPixel(tx, ty, layer.Color);
            }
        }
    }
    return expected;
}

// The bounding box of what was drawn within `area` (the whole picture by default).
QRect Ink(const QImage& image, QRect area = QRect())
{
    if (area.isNull())
        area = image.rect();
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != ArtBackground)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST(LxLabel, TextStylesLayerLightAndShadowCopies)
{
    // Text in from the edges, so every offset copy stays on the picture.
    const QImage plain = Picture(*MakeLabel("Hi"));
    ASSERT_FALSE(Ink(plain).isEmpty());
    struct TCase {
        TTextStyle Style;
        bool Light;
        QImage Expected;
    } cases[] = {
        { TTextStyle::tsRaised, false, Layered(plain, { { 1, 1, Grey }, { -1, -1, White }, { 0, 0, Black } }) },
        { TTextStyle::tsRaised, true, Layered(plain, { { -1, -1, White }, { 0, 0, Black } }) },
        { TTextStyle::tsRecessed, false, Layered(plain, { { 1, 1, White }, { -1, -1, Grey }, { 0, 0, Black } }) },
        { TTextStyle::tsRecessed, true, Layered(plain, { { 1, 1, White }, { 0, 0, Black } }) },
        { TTextStyle::tsShadow, false, Layered(plain, { { 2, 2, Grey }, { 0, 0, Black } }) },
    };
    // The plain text starts one pixel in, so the up-left copies lose nothing.
    ASSERT_GE(Ink(plain).left(), 1);
    ASSERT_GE(Ink(plain).top(), 1);
    for (const TCase& c : cases) {
        auto label = MakeLabel("Hi", c.Style);
        label->SetLightTextStyle(c.Light);
        EXPECT_EQ(Art(Picture(*label)), Art(c.Expected)) << int(c.Style) << " light " << c.Light;
    }
    auto deep = MakeLabel("Hi", TTextStyle::tsShadow);
    deep->SetShadowDepth(4);
    deep->SetShadowColor(clWhite);
    EXPECT_EQ(Picture(*deep), Layered(plain, { { 4, 4, White }, { 0, 0, Black } }));
}

TEST(LxLabel, DisabledTextIsEmbossedWhateverTheStyle)
{
    const QImage plain = Picture(*MakeLabel("Hi"));
    for (TTextStyle style : { TTextStyle::tsNormal, TTextStyle::tsRaised, TTextStyle::tsShadow }) {
        auto label = MakeLabel("Hi", style);
        label->setEnabled(false);
        EXPECT_EQ(Picture(*label), Layered(plain, { { 1, 1, White }, { 0, 0, Grey } })) << int(style);
    }
}

TEST(LxLabel, BackgroundIsFilledUnlessTransparentAndFramesAlwaysShow)
{
    auto label = MakeLabel("");
    label->SetTransparent(false);
    label->SetParentColor(false);
    label->SetColor(clWhite);
    label->SetBorderOuter(TFrameStyle::fsFlat);
    EXPECT_EQ(Art(Picture(*label))[0], std::string(40, 'K'));
    EXPECT_EQ(Art(Picture(*label))[5].substr(0, 3), "KWW");
    label->SetTransparent(true);
    EXPECT_EQ(Art(Picture(*label))[0], std::string(40, 'K'));
    EXPECT_EQ(Art(Picture(*label))[5].substr(0, 3), "K..");
}

TEST(LxLabel, TextSitsInsideFramesAndBand)
{
    const QRect plain = Ink(Picture(*MakeLabel("Hi")));
    // The main window's message area: a 2-pixel band moves the text 2 pixels in.
    auto label = MakeLabel("Hi");
    label->SetBorderWidth(2);
    const QImage banded = Picture(*label);
    EXPECT_EQ(banded.pixel(0, 0), 0xFFC0C0C0u) << "the band in BorderColor";
    EXPECT_EQ(Ink(banded, QRect(2, 2, 36, 20)), plain.translated(2, 2));

    // A black line and a 3-pixel bevel on the left and top only.
    label->SetBorderWidth(0);
    label->SetFrameSides(sdLeft | sdTop);
    label->SetBorderInner(TFrameStyle::fsStatus);
    label->SetBevelWidth(3);
    label->SetBorderSides(sdLeft | sdTop);
    EXPECT_EQ(Ink(Picture(*label), QRect(4, 4, 36, 20)), plain.translated(4, 4));
}

TEST(LxLabel, AutoSizeMeasuresTextFramesAndShadow)
{
    TLxLabel label;
    TFont font;
    font.Style = fsBold;
    label.SetFont(font);
    label.SetTextStyle(TTextStyle::tsNormal);
    label.SetCaption("Loading...");
    const QSize text = label.size();
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font = font;
    EXPECT_EQ(text, QSize(canvas.TextWidth("Loading..."), canvas.TextHeight("Loading...")));

    // The splash window's strip: 4-pixel band and 2-pixel bevel on every side.
    label.SetBorderWidth(4);
    label.SetBorderInner(TFrameStyle::fsStatus);
    label.SetBevelWidth(2);
    label.SetCaption("Loading....");
    label.SetCaption("Loading...");
    EXPECT_EQ(label.height(), text.height() + 12);
    EXPECT_EQ(label.width(), text.width() + 12);

    // A shadow adds its depth both ways.
    label.SetTextStyle(TTextStyle::tsShadow);
    label.SetCaption("Loading..");
    label.SetCaption("Loading...");
    EXPECT_EQ(label.size(), QSize(text.width() + 14, text.height() + 14));

    // Black lines add one per side they are on.
    label.SetFrameSides(sdLeft | sdRight | sdTop);
    label.SetCaption("x");
    label.SetCaption("Loading...");
    EXPECT_EQ(label.size(), QSize(text.width() + 16, text.height() + 15));
}

TEST(LxLabel, AutoSizedRightAlignedLabelKeepsItsRightEdge)
{
    TLxLabel label;
    label.setGeometry(100, 10, 50, 20);
    label.SetAlignment(TAlignment::taRightJustify);
    label.SetCaption("ab");
    const int right = label.geometry().right();
    label.SetCaption("a much longer caption");
    EXPECT_EQ(label.geometry().right(), right);
    EXPECT_LT(label.x(), 100);
}

TEST(LxLabel, WordWrapBreaksAtBlanksWithinTheWidth)
{
    auto label = MakeLabel("one two three four five");
    label->setGeometry(0, 0, 50, 80);
    const QRect single = Ink(Picture(*label));
    label->SetWordWrap(true);
    const QRect wrapped = Ink(Picture(*label));
    EXPECT_LE(wrapped.right(), 50);
    EXPECT_GT(wrapped.height(), 3 * single.height()) << "several lines";

    // Auto-size with word wrap keeps the width and takes the lines' height.
    label->SetAutoSize(true);
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    canvas.Font = label->Font();
    const int lineHeight = canvas.TextHeight("x");
    EXPECT_LE(label->width(), 50);
    EXPECT_EQ(label->height() % lineHeight, 0);
    EXPECT_GE(label->height(), 3 * lineHeight);
}

TEST(LxLabel, AmpersandMarksTheAcceleratorUnlessSwitchedOff)
{
    // "&File" draws "File" with a line under the F; "&&" draws one "&".
    const QImage marked = Picture(*MakeLabel("&File"));
    const QImage plain = Picture(*MakeLabel("File"));
    EXPECT_NE(marked, plain);
    const QRect plainInk = Ink(plain);
    QRect extra;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (marked.pixel(x, y) != plain.pixel(x, y))
                extra |= QRect(x, y, 1, 1);
    EXPECT_GT(extra.top(), plainInk.top() + plainInk.height() / 2) << "the underline lies low";
    EXPECT_LT(extra.left(), plainInk.left() + 8) << "under the first letter";

    auto literal = MakeLabel("A&B");
    literal->SetShowAccelChar(false);
    auto doubled = MakeLabel("A&&B");
    EXPECT_EQ(Picture(*doubled), Picture(*literal));
}

TEST(LxLabel, BlinkingAlternatesColoursThroughTheSharedTimer)
{
    auto label = MakeLabel("Hi");
    auto still = MakeLabel("Hi");
    ASSERT_TRUE(TLxLabel::BlinkListExists());
    EXPECT_FALSE(TLxLabel::BlinkTimerRunning()) << "still labels wake nothing";
    label->SetBlinkIntervalOn(20);
    label->SetBlinkIntervalOff(20);
    EXPECT_EQ(still->BlinkIntervalOn(), 20) << "the phases are shared";
    label->SetBlinkColor(clWhite);
    label->SetBlinking(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return label->TextColor() == clWhite; }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return label->TextColor() == clBlack; }, 2000));
    EXPECT_EQ(still->TextColor(), clBlack) << "labels that do not blink keep their colour";
    ASSERT_TRUE(QTest::qWaitFor([&] { return label->TextColor() == clWhite; }, 2000));
    EXPECT_EQ(Picture(*label).pixel(Ink(Picture(*label)).topLeft()), White);
    // Switching blinking off brings the font colour back at once; the timer stops after.
    label->SetBlinking(false);
    EXPECT_EQ(label->TextColor(), clBlack);
    EXPECT_TRUE(QTest::qWaitFor([] { return !TLxLabel::BlinkTimerRunning(); }, 2000));
    EXPECT_EQ(still->TextColor(), clBlack);
    // A font change while blinking does not disturb the colour it comes back to.
    label->SetBlinking(true);
    TFont font = label->Font();
    font.Color = clGray;
    label->SetFont(font);
    label->SetBlinking(false);
    EXPECT_EQ(label->TextColor(), clBlack);
    label->SetFont(font);
    EXPECT_EQ(label->TextColor(), clGray);
}

TEST(LxLabel, TheBlinkListLivesFromTheFirstLabelToTheLast)
{
    ASSERT_FALSE(TLxLabel::BlinkListExists()) << "no label is left over from another test";
    {
        auto first = MakeLabel("a");
        first->SetBlinkIntervalOff(30);
        auto second = MakeLabel("b");
        first.reset();
        EXPECT_TRUE(TLxLabel::BlinkListExists());
        EXPECT_EQ(second->BlinkIntervalOff(), 30);
    }
    EXPECT_FALSE(TLxLabel::BlinkListExists());
    auto fresh = MakeLabel("c");
    EXPECT_EQ(TLxLabel::BlinkListState(), 1);
    EXPECT_EQ(TLxLabel::BlinkTimerInterval(), 500);
    EXPECT_EQ(fresh->BlinkIntervalOn(), 500);
    EXPECT_EQ(fresh->BlinkIntervalOff(), 500);
}

TEST(LxLabel, FlyByColourFollowsThePointer)
{
    auto label = MakeLabel("Hi");
    label->SetFlyByColor(clWhite);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label.get(), &enter);
    EXPECT_EQ(label->TextColor(), clBlack) << "fly-by is off";
    QApplication::sendEvent(label.get(), &leave);
    label->SetFlyByEnabled(true);
    QApplication::sendEvent(label.get(), &enter);
    EXPECT_EQ(label->TextColor(), clWhite);
    QApplication::sendEvent(label.get(), &leave);
    EXPECT_EQ(label->TextColor(), clBlack);
    QApplication::sendEvent(label.get(), &enter);
    label->SetFlyByEnabled(false);
    EXPECT_EQ(label->TextColor(), clBlack);
}

TEST(KDLabel, PaintsAgainstTheSharedPaletteOnlyOnAPaletteDisplay)
{
    auto make = [] {
        auto label = std::make_unique<TKDLabel>();
        label->SetAutoSize(false);
        label->setGeometry(0, 0, 10, 10);
        label->SetParentColor(false);
        label->SetColor(PaletteRGB(0x12, 0x34, 0x56));
        return label;
    };
    InitColorData(24, 0, 0);
    EXPECT_EQ(Picture(*make()).pixel(5, 5), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(make()->GetPalette(), nullptr);
    InitColorData(8, 256, RC_PALETTE);
    EXPECT_EQ(Picture(*make()).pixel(5, 5), qRgb(0x00, 0x33, 0x66));
    EXPECT_EQ(make()->GetPalette(), DisplayPalette);
    FinalizeColorData();
    InitColorData(24, 0, 0);
}
