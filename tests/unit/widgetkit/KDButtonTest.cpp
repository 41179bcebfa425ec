#include "widgetkit/KDButton.h"

#include "tests/support/PixelArt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTest>

namespace {

constexpr QRgb Black = 0xFF000000, White = 0xFFFFFFFF, Grey = 0xFF808080, Silver = 0xFFC0C0C0;
constexpr QRgb Face = 0xFF9999CC;

QImage Picture(const TKDButton& button)
{
    QImage image = ArtCanvas(button.width(), button.height());
    TCanvas canvas(&image);
    button.Paint(canvas);
    return image;
}

// `time`: the event's own time in ms, 0 for none.
void Mouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton, quint64 time = 0)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), type == QEvent::MouseMove ? Qt::NoButton : button,
                      held, Qt::NoModifier);
    event.setTimestamp(time);
    QApplication::sendEvent(&widget, &event);
}
void PressAt(QWidget& w, QPoint at, quint64 time) { Mouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton, time); }
void ReleaseAt(QWidget& w, QPoint at, quint64 time) { Mouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, time); }
void Press(QWidget& w, QPoint at, Qt::MouseButton b = Qt::LeftButton) { Mouse(w, QEvent::MouseButtonPress, at, b); }
void Move(QWidget& w, QPoint at) { Mouse(w, QEvent::MouseMove, at); }
void Release(QWidget& w, QPoint at, Qt::MouseButton b = Qt::LeftButton) { Mouse(w, QEvent::MouseButtonRelease, at, b); }

void Enter(QWidget& w)
{
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&w, &event);
}
void Leave(QWidget& w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&w, &event);
}

// The program's look: flat frame, lavender face, white 12-pixel Arial.
struct TButtonFixture : ::testing::Test {
    TButtonFixture()
    {
        button.SetFrameFlat(true);
        button.SetColor(PaletteRGB(0x99, 0x99, 0xCC));
        TFont font;
        font.Color = clWhite;
        button.SetFont(font);
        button.SetCaption("Yes");
        button.OnClick = [this](TKDCustomButton*) { ++clicks; };
    }
    TKDButton button;
    int clicks { 0 };
};

// Where `color` was drawn inside the frame (two pixels in from every side).
QRect Ink(const QImage& image, QRgb color)
{
    QRect ink;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            if (image.pixel(x, y) == color)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST(KDButton, StartsWithItsSizesAndDefaults)
{
    struct TPlain : TKDCustomButton {
        void ClickAction() override { }
    } custom;
    EXPECT_EQ(custom.size(), QSize(115, 17));
    EXPECT_EQ(custom.TextStyle(), TTextStyle::tsNormal);
    EXPECT_EQ(custom.AlignmentVertical(), TAlignmentVertical::avCenter);
    EXPECT_EQ(custom.ShadowDepth(), 2);
    TKDButton button;
    EXPECT_EQ(button.size(), QSize(75, 25));
    EXPECT_EQ(button.Alignment(), TAlignment::taCenter);
    EXPECT_FALSE(button.FrameFlat());
    EXPECT_EQ(button.ModalResult(), 0);
    EXPECT_EQ(button.Color(), clWindow);
}

TEST_F(TButtonFixture, PressDragOffAndBackOnThenReleaseIsOneClick)
{
    Press(button, QPoint(10, 10));
    EXPECT_TRUE(button.Tracking());
    EXPECT_TRUE(button.Pressed());
    Move(button, QPoint(80, 10));
    EXPECT_FALSE(button.Pressed()) << "pops up as the pointer leaves";
    Move(button, QPoint(10, -1));
    EXPECT_FALSE(button.Pressed());
    Move(button, QPoint(74, 24));
    EXPECT_TRUE(button.Pressed()) << "goes down again when it returns";
    Release(button, QPoint(74, 24));
    EXPECT_FALSE(button.Tracking());
    EXPECT_FALSE(button.Pressed());
    EXPECT_EQ(clicks, 1);
}

TEST_F(TButtonFixture, ReleaseOutsideOtherButtonsAndDisabledButtonsGiveNoClick)
{
    Press(button, QPoint(10, 10));
    Move(button, QPoint(75, 10));
    Release(button, QPoint(75, 10));
    EXPECT_EQ(clicks, 0) << "released just outside";
    EXPECT_FALSE(button.Tracking());

    Press(button, QPoint(10, 10), Qt::RightButton);
    EXPECT_FALSE(button.Tracking());
    EXPECT_FALSE(button.Pressed());
    Release(button, QPoint(10, 10), Qt::RightButton);
    Press(button, QPoint(10, 10), Qt::MiddleButton);
    Release(button, QPoint(10, 10), Qt::MiddleButton);
    EXPECT_EQ(clicks, 0) << "only the left button clicks";

    // Moving without a press does nothing.
    Move(button, QPoint(10, 10));
    EXPECT_FALSE(button.Pressed());

    button.setEnabled(false);
    Press(button, QPoint(10, 10));
    EXPECT_FALSE(button.Tracking());
    Release(button, QPoint(10, 10));
    EXPECT_EQ(clicks, 0);
}

TEST_F(TButtonFixture, FlatFrameBecomesARaisedEdgeUnderThePointerAndSinksWhilePressed)
{
    // At rest: a one-pixel light/dark line, the face inside it.
    QImage rest = Picture(button);
    EXPECT_EQ(rest.pixel(0, 0), White);
    EXPECT_EQ(rest.pixel(74, 24), Grey);
    EXPECT_EQ(rest.pixel(1, 1), Face);
    EXPECT_EQ(rest.pixel(73, 23), Face);

    Enter(button);
    EXPECT_TRUE(button.MouseOver());
    QImage over = Picture(button);
    EXPECT_EQ(over.pixel(0, 0), White);
    EXPECT_EQ(over.pixel(74, 24), Black);
    EXPECT_EQ(over.pixel(1, 1), Silver);
    EXPECT_EQ(over.pixel(73, 23), Grey);
    EXPECT_EQ(over.pixel(2, 2), Face);
    EXPECT_EQ(over.pixel(72, 22), Face);

    Press(button, QPoint(5, 5));
    QImage down = Picture(button);
    EXPECT_EQ(down.pixel(0, 0), Black);
    EXPECT_EQ(down.pixel(74, 24), Black);
    EXPECT_EQ(down.pixel(1, 1), Grey);
    EXPECT_EQ(down.pixel(73, 23), Grey);
    // The caption moves one pixel down and right while pressed.
    EXPECT_EQ(Ink(down, White), Ink(over, White).translated(1, 1));
    Release(button, QPoint(5, 5));

    Leave(button);
    EXPECT_EQ(Picture(button), rest);

    // Without FrameFlat the pointer makes no difference.
    button.SetFrameFlat(false);
    const QImage raised = Picture(button);
    Enter(button);
    EXPECT_EQ(Picture(button), raised);
    EXPECT_EQ(raised, over);
}

TEST_F(TButtonFixture, CaptionIsCentredInsideAFivePixelMargin)
{
    const QRect ink = Ink(Picture(button), White);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 37, 2);
    EXPECT_NEAR(ink.center().y(), 12, 2);
    EXPECT_GE(ink.top(), 5);
    EXPECT_LE(ink.bottom(), 19);
}

TEST_F(TButtonFixture, DisabledCaptionIsEmbossedAndTextStylesAddCopies)
{
    const QRect plain = Ink(Picture(button), White);
    button.setEnabled(false);
    const QImage disabled = Picture(button);
    EXPECT_EQ(Ink(disabled, Grey), plain);
    // The light copy shows one pixel below and right of the grey text (the grey covers its
    // other edges).
    EXPECT_EQ(Ink(disabled, White).bottomRight(), plain.bottomRight() + QPoint(1, 1));
    button.setEnabled(true);

    button.SetTextStyle(TTextStyle::tsShadow);
    button.SetShadowColor(clBlack);
    // The caption covers the shadow's left part; its lower right corner shows.
    const QRect shadow = Ink(Picture(button), Black);
    EXPECT_EQ(shadow.bottomRight(), plain.bottomRight() + QPoint(2, 2));
    EXPECT_EQ(shadow.top(), plain.top() + 2);
    // Right-aligned: the shadow straight below, the caption moved left by the depth.
    button.SetAlignment(TAlignment::taRightJustify);
    const QImage right = Picture(button);
    const QRect text = Ink(right, White);
    EXPECT_NEAR(text.right(), 70 - 1 - 2, 1) << "five in, less the depth";
    const QRect below = Ink(right, Black);
    EXPECT_EQ(below.bottomRight(), text.bottomRight() + QPoint(2, 2)) << "the shadow stays where the text was";
    EXPECT_EQ(below.top(), text.top() + 2);
}

TEST(KDButton, ClickSetsTheWindowsModalResultBeforeOnClick)
{
    QDialog dialog;
    auto* no = new TKDButton(&dialog);
    no->SetModalResult(7);
    int seen = -1;
    no->OnClick = [&](TKDCustomButton*) { seen = dialog.result(); };
    dialog.open();
    Press(*no, QPoint(3, 3));
    Release(*no, QPoint(3, 3));
    EXPECT_EQ(seen, 7);
    EXPECT_EQ(dialog.result(), 7);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(KDButton, AcceleratorLetterClicksOnlyWhenItMatches)
{
    TKDButton button;
    int clicks = 0;
    button.OnClick = [&](TKDCustomButton*) { ++clicks; };
    button.show();
    button.SetCaption("&Close");
    EXPECT_FALSE(button.DialogChar(U'x'));
    EXPECT_TRUE(button.DialogChar(U'C'));
    EXPECT_TRUE(button.DialogChar(U'c'));
    EXPECT_EQ(clicks, 2);
    button.SetCaption("Yes");
    EXPECT_FALSE(button.DialogChar(U'y')) << "no marked letter";
    button.SetCaption("Fish && &Chips");
    EXPECT_FALSE(button.DialogChar(U' '));
    EXPECT_TRUE(button.DialogChar(U'c'));
}

TEST_F(TButtonFixture, DeliberateClickIsAStillPressAndReleaseHeldLongEnough)
{
    button.SetDeliberateClick(6, 600);
    PressAt(button, QPoint(10, 10), 1000);
    ReleaseAt(button, QPoint(12, 11), 1100);
    EXPECT_EQ(clicks, 0) << "let go too soon";

    // Dragged farther than the slop and back: the press counts for nothing, and shows up.
    PressAt(button, QPoint(10, 10), 2000);
    Move(button, QPoint(40, 12));
    EXPECT_FALSE(button.Pressed());
    Move(button, QPoint(10, 10));
    EXPECT_FALSE(button.Pressed());
    ReleaseAt(button, QPoint(10, 10), 3000);
    EXPECT_EQ(clicks, 0) << "a sweep";

    // Another button pressed meanwhile.
    PressAt(button, QPoint(10, 10), 4000);
    Press(button, QPoint(10, 10), Qt::RightButton);
    ReleaseAt(button, QPoint(10, 10), 5000);
    EXPECT_EQ(clicks, 0) << "two buttons";

    PressAt(button, QPoint(10, 10), 6000);
    Move(button, QPoint(14, 13));
    ReleaseAt(button, QPoint(14, 13), 6600);
    EXPECT_EQ(clicks, 1) << "held still long enough";
}

TEST_F(TButtonFixture, AHeldButtonFillsFromTheLeftUntilItMayBeLetGo)
{
    button.SetDeliberateClick(6, 150);
    const QImage rest = Picture(button);
    Press(button, QPoint(10, 10));
    EXPECT_LT(button.HoldProgress(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(button.HoldProgress(), 1.0, 5000);
    const QImage full = Picture(button);
    const QRgb fill = qRgb(0x66, 0x33, 0x99); // the program's purple
    EXPECT_EQ(full.pixel(3, 12), fill);
    EXPECT_EQ(full.pixel(71, 20), fill);
    Release(button, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.HoldProgress(), 0);
    EXPECT_EQ(Picture(button).pixel(71, 20), rest.pixel(71, 20));
}

TEST(KDButton, AReleaseThatAnotherWindowGetsEndsThePressAndTheLight)
{
    // The pointer held over one window may be let go over another: that window gets the
    // release, and the button must not stay pressed or lit.
    QDialog dialog;
    auto* yes = new TKDButton(&dialog);
    yes->SetFrameFlat(true);
    int clicks = 0;
    yes->OnClick = [&](TKDCustomButton*) { ++clicks; };
    QWidget other;
    dialog.show();
    other.show();
    Enter(*yes);
    Press(*yes, QPoint(10, 10));
    Release(other, QPoint(10, 10));
    EXPECT_FALSE(yes->Tracking());
    EXPECT_FALSE(yes->Pressed());
    EXPECT_FALSE(yes->MouseOver());
    Release(*yes, QPoint(10, 10));
    EXPECT_EQ(clicks, 0);
}
