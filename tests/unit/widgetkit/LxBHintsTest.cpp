#include "widgetkit/LxBHints.h"

#include "paint/Canvas.h"
#include "widgetkit/AppHints.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBitmap>
#include <QKeyEvent>
#include <QWidget>

#include <cstdlib>
#include <memory>

namespace {

constexpr TColor LightYellow = 0x0299FFFF;
const QRgb LightYellowRgb = qRgb(255, 255, 153);
const QRgb ShadowRgb = qRgb(128, 128, 128);

// ---- placement ----

struct TPlaceCase {
    const char* Name;
    int ScreenWidth, ScreenHeight;
    TPoint Pointer;
    TLxHintCorner Corner;
    TLxHintCorner Expected;
};

// The tail's tip in the window, by the corner in use.
TPoint TailTip(int w, int h, TLxHintCorner corner)
{
    switch (corner) {
    case TLxHintCorner::hcUpperRight:
        return { 2, h - 2 };
    case TLxHintCorner::hcUpperLeft:
        return { w - 2, h - 2 };
    case TLxHintCorner::hcLowerRight:
        return { 2, 2 };
    default:
        return { w - 2, 2 };
    }
}

class BalloonPlacement : public ::testing::TestWithParam<TPlaceCase> { };

TEST_P(BalloonPlacement, FitsTheScreenWithTheTailAtThePointer)
{
    const TPlaceCase& c = GetParam();
    // A text measured 120 x 30 pixels, as the application hands it over: widened by 6,
    // heightened by 2, at the pointer.
    const TRect measured = Bounds(c.Pointer.X, c.Pointer.Y, 126, 32);
    const TBalloonPlacement place =
        PlaceBalloon(measured, c.Pointer, true, c.Corner, Rect(0, 0, c.ScreenWidth, c.ScreenHeight));
    EXPECT_EQ(place.Corner, c.Expected);
    // The window is the text grown by 15 on every side.
    EXPECT_EQ(place.Bounds.Width(), 156);
    EXPECT_EQ(place.Bounds.Height(), 62);
    EXPECT_GE(place.Bounds.Left, 0);
    EXPECT_GE(place.Bounds.Top, 0);
    EXPECT_LE(place.Bounds.Right, c.ScreenWidth);
    EXPECT_LE(place.Bounds.Bottom, c.ScreenHeight);
    // The tip is within three pixels of the pointer, on the side the corner names.
    const TPoint tip = TailTip(place.Bounds.Width(), place.Bounds.Height(), place.Corner);
    EXPECT_LE(std::abs(place.Bounds.Left + tip.X - c.Pointer.X), 3);
    EXPECT_LE(std::abs(place.Bounds.Top + tip.Y - c.Pointer.Y), 3);
    const bool right = place.Corner == TLxHintCorner::hcUpperRight || place.Corner == TLxHintCorner::hcLowerRight;
    const bool upper = place.Corner == TLxHintCorner::hcUpperRight || place.Corner == TLxHintCorner::hcUpperLeft;
    EXPECT_EQ(place.Bounds.Left, right ? c.Pointer.X + 1 : c.Pointer.X - 156 - 1);
    EXPECT_EQ(place.Bounds.Top, upper ? c.Pointer.Y - 62 : c.Pointer.Y);
}

using C = TLxHintCorner;
INSTANTIATE_TEST_SUITE_P(
    Screens, BalloonPlacement,
    ::testing::Values(
        // Room everywhere: every corner is kept.
        TPlaceCase { "SmallUpperRight", 640, 480, { 320, 240 }, C::hcUpperRight, C::hcUpperRight },
        TPlaceCase { "SmallUpperLeft", 640, 480, { 320, 240 }, C::hcUpperLeft, C::hcUpperLeft },
        TPlaceCase { "SmallLowerRight", 640, 480, { 320, 240 }, C::hcLowerRight, C::hcLowerRight },
        TPlaceCase { "SmallLowerLeft", 640, 480, { 320, 240 }, C::hcLowerLeft, C::hcLowerLeft },
        TPlaceCase { "LargeUpperRight", 1920, 1080, { 960, 540 }, C::hcUpperRight, C::hcUpperRight },
        TPlaceCase { "LargeLowerLeft", 1920, 1080, { 960, 540 }, C::hcLowerLeft, C::hcLowerLeft },
        // Near the top an upper balloon goes below; near the bottom a lower one goes above.
        TPlaceCase { "SmallTopFlipsDown", 640, 480, { 100, 20 }, C::hcUpperRight, C::hcLowerRight },
        TPlaceCase { "LargeTopFlipsDownLeft", 1920, 1080, { 1000, 61 }, C::hcUpperLeft, C::hcLowerLeft },
        TPlaceCase { "SmallBottomFlipsUp", 640, 480, { 100, 440 }, C::hcLowerRight, C::hcUpperRight },
        TPlaceCase { "LargeBottomFlipsUpLeft", 1920, 1080, { 1000, 1019 }, C::hcLowerLeft, C::hcUpperLeft },
        // Near the right edge a right balloon goes left; near the left edge a left one right.
        TPlaceCase { "SmallRightFlipsLeft", 640, 480, { 600, 240 }, C::hcUpperRight, C::hcUpperLeft },
        TPlaceCase { "LargeRightFlipsLeft", 1920, 1080, { 1764, 540 }, C::hcLowerRight, C::hcLowerLeft },
        TPlaceCase { "SmallLeftFlipsRight", 640, 480, { 30, 240 }, C::hcUpperLeft, C::hcUpperRight },
        TPlaceCase { "LargeLeftFlipsRight", 1920, 1080, { 156, 540 }, C::hcLowerLeft, C::hcLowerRight },
        // The control panel's lower-right corner: above and to the left.
        TPlaceCase { "SmallBottomRightCorner", 640, 480, { 620, 460 }, C::hcUpperRight, C::hcUpperLeft },
        TPlaceCase { "LargeBottomRightCorner", 1920, 1080, { 1900, 1060 }, C::hcLowerRight, C::hcUpperLeft },
        TPlaceCase { "SmallTopLeftCorner", 640, 480, { 5, 5 }, C::hcUpperLeft, C::hcLowerRight }),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(BalloonPlacementTest, ShortHintsGetAtLeast55PixelsAndThePlainBoxGrowsBy2)
{
    const TBalloonPlacement balloon = PlaceBalloon(Bounds(0, 0, 10, 16), { 300, 300 }, true,
                                                   TLxHintCorner::hcUpperRight, Rect(0, 0, 640, 480));
    EXPECT_EQ(balloon.Bounds, Bounds(301, 300 - 46, 55, 46));
    // Without the balloon the measured rectangle stays where it was put, grown by 2.
    const TBalloonPlacement plain = PlaceBalloon(Bounds(300, 300, 80, 16), { 300, 300 }, false,
                                                 TLxHintCorner::hcLowerRight, Rect(0, 0, 640, 480));
    EXPECT_EQ(plain.Bounds, Bounds(299, 298, 84, 20));
}

// ---- painting and shape ----

class BalloonPaint : public ::testing::TestWithParam<TLxHintCorner> { };

TEST_P(BalloonPaint, BodyAndTailAreOneShapeAndNothingElseIsPainted)
{
    const TLxHintCorner corner = GetParam();
    const int w = 156, h = 62;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        TCanvas canvas(&image);
        PaintBalloon(canvas, w, h, corner, LightYellow, true);
    }
    const TRect body = BalloonBody(w, h, corner);
    EXPECT_EQ(body.Width(), w - 24);
    EXPECT_EQ(body.Height(), h - 24);
    // Body filled in the hint colour, outlined in the button shadow.
    EXPECT_EQ(image.pixel((body.Left + body.Right) / 2, (body.Top + body.Bottom) / 2), LightYellowRgb);
    EXPECT_EQ(image.pixel((body.Left + body.Right) / 2, body.Top), ShadowRgb);
    // The tip is drawn, and the tail's base line inside the body is painted over.
    const TPoint tip = TailTip(w, h, corner);
    EXPECT_EQ(image.pixel(tip.X, tip.Y), ShadowRgb);
    const bool upper = corner == TLxHintCorner::hcUpperRight || corner == TLxHintCorner::hcUpperLeft;
    const bool right = corner == TLxHintCorner::hcUpperRight || corner == TLxHintCorner::hcLowerRight;
    const int seamY = upper ? body.Bottom - 2 : body.Top + 1;
    const int seamX = right ? body.Left + 16 : body.Right - 16;
    EXPECT_EQ(image.pixel(seamX, seamY), LightYellowRgb);
    // Where the tail crosses the body's outline, the tail's fill wins.
    EXPECT_EQ(image.pixel(seamX, upper ? body.Bottom - 1 : body.Top), LightYellowRgb);
    // The corners away from the tail and the window's edge there stay untouched.
    const int farX = right ? w - 1 : 0;
    const int farY = upper ? 0 : h - 1;
    EXPECT_EQ(qAlpha(image.pixel(farX, farY)), 0);
    EXPECT_EQ(qAlpha(image.pixel(right ? body.Right - 1 : body.Left, upper ? body.Top : body.Bottom - 1)), 0);
    EXPECT_EQ(qAlpha(image.pixel(right ? 0 : w - 1, upper ? 0 : h - 1)), 0);

    // The shape holds exactly the painted pixels.
    const QRegion shape = BalloonShape(w, h, corner, true);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(shape.contains(QPoint(x, y)), qAlpha(image.pixel(x, y)) != 0) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Corners, BalloonPaint,
                         ::testing::Values(TLxHintCorner::hcUpperRight, TLxHintCorner::hcUpperLeft,
                                           TLxHintCorner::hcLowerRight, TLxHintCorner::hcLowerLeft));

// ---- the component, the window and the application's hints ----

class BalloonHintsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
        owner->setGeometry(0, 0, 640, 480);
        for (int i = 0; i < 2; ++i) {
            images[i] = new QWidget(owner.get());
            images[i]->setGeometry(100 + 44 * i, 430, 32, 32);
        }
        images[0]->setToolTip(QStringLiteral("Click here to\rExit Kedoozle.|more"));
        images[1]->setToolTip(QStringLiteral("Sound is On.\rClick here to\rturn sound off."));
        owner->show();
        hints = new TLxBalloonHints(owner.get());
        hints->SetShowBalloon(true);
        hints->SetCaptionWidth(160);
        hints->SetAlignment(TAlignment::taCenter);
        TFont font;
        font.Name = "Arial";
        font.SetHeight(-13);
        font.Style = fsBold;
        hints->SetFont(font);
        hints->SetColor(LightYellow);
    }
    void TearDown() override
    {
        TAppHints::Instance().CancelHint();
        owner.reset();
    }
    TLxCustomHintWindow* Window() const { return dynamic_cast<TLxCustomHintWindow*>(TAppHints::Instance().HintWindow()); }
    // The pointer rests on `image` at (16, 16) in it; the hint timer runs out.
    void Hover(int i)
    {
        const QPoint at = images[i]->mapToGlobal(QPoint(16, 16));
        TAppHints::Instance().HintMouseMessage(images[i], at);
        TAppHints::Instance().ActivateHint(at);
    }
    QImage Grab()
    {
        QImage image(Window()->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        TCanvas canvas(&image);
        Window()->Paint(canvas, Window()->size());
        return image;
    }

    std::unique_ptr<QWidget> owner;
    QWidget* images[2] {};
    TLxBalloonHints* hints { nullptr };
};

TEST_F(BalloonHintsTest, TheComponentMakesTheApplicationsHintWindowABalloonAndRestoresItWhenGone)
{
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Window()->BalloonHints(), hints);
    EXPECT_EQ(hints->HintWindow(), Window());
    EXPECT_EQ(TAppHints::Instance().HintShortPause(), 50);
    delete hints;
    hints = nullptr;
    ASSERT_NE(TAppHints::Instance().HintWindow(), nullptr);
    EXPECT_EQ(dynamic_cast<TLxCustomHintWindow*>(TAppHints::Instance().HintWindow()), nullptr);
}

TEST_F(BalloonHintsTest, AHoveredControlShowsItsHintAboveAndRightOfThePointer)
{
    Hover(0);
    TLxCustomHintWindow* window = Window();
    ASSERT_TRUE(window->isVisible());
    // The text before the bar, in the component's colour.
    EXPECT_EQ(window->Caption(), "Click here to\rExit Kedoozle.");
    EXPECT_EQ(window->windowTitle().toStdString(), window->Caption());
    EXPECT_EQ(window->Color(), LightYellow);
    EXPECT_EQ(window->CornerInUse(), TLxHintCorner::hcUpperRight);
    const QPoint pointer = images[0]->mapToGlobal(QPoint(16, 16));
    EXPECT_EQ(window->x(), pointer.x() + 1);
    EXPECT_EQ(window->y() + window->height(), pointer.y());
    // The window's shape is the balloon: not the corner away from the tail, but the tip.
    const QRegion mask = window->mask();
    EXPECT_FALSE(mask.contains(QPoint(window->width() - 1, 0)));
    EXPECT_TRUE(mask.contains(QPoint(2, window->height() - 2)));
    EXPECT_TRUE(mask.contains(QPoint(window->width() / 2, window->height() / 2 - 10)));
}

TEST_F(BalloonHintsTest, TheShapeFollowsAFlipThatKeepsTheSize)
{
    // Two controls with the same hint text: one near the top of the screen.
    images[1]->setToolTip(images[0]->toolTip());
    images[1]->move(100, 2);
    Hover(0);
    const QSize size = Window()->size();
    EXPECT_FALSE(Window()->mask().contains(QPoint(2, 2)));
    TAppHints::Instance().CancelHint();
    Hover(1);
    EXPECT_EQ(Window()->size(), size);
    EXPECT_EQ(Window()->CornerInUse(), TLxHintCorner::hcLowerRight);
    EXPECT_TRUE(Window()->mask().contains(QPoint(2, 2)));
    EXPECT_FALSE(Window()->mask().contains(QPoint(2, size.height() - 2)));
}

TEST_F(BalloonHintsTest, KeysClicksAndTheWheelHideTheHintPointerMovesDoNot)
{
    const auto send = [](QEvent&& event) { QApplication::sendEvent(qApp, &event); };
    Hover(0);
    ASSERT_TRUE(Window()->isVisible());
    const QPoint pointer = images[0]->mapToGlobal(QPoint(16, 16));
    TAppHints::Instance().HintMouseMessage(images[0], pointer + QPoint(5, 0));
    EXPECT_TRUE(Window()->isVisible());
    send(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
    EXPECT_FALSE(Window()->isVisible());
    EXPECT_EQ(TAppHints::Instance().HintControl(), nullptr);

    Hover(0);
    ASSERT_TRUE(Window()->isVisible());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(16, 16), QPointF(pointer), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(images[0], &press);
    EXPECT_FALSE(Window()->isVisible());

    Hover(0);
    QWheelEvent wheel(QPointF(16, 16), QPointF(pointer), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(images[0], &wheel);
    EXPECT_FALSE(Window()->isVisible());
}

TEST_F(BalloonHintsTest, APointerMoveAcrossTheBalloonEndsItButNotOneNextToThePointer)
{
    Hover(0);
    const QPoint pointer = images[0]->mapToGlobal(QPoint(16, 16));
    EXPECT_FALSE(Window()->PointerMovedOver(pointer + QPoint(1, -2)));
    EXPECT_TRUE(Window()->Active());
    EXPECT_TRUE(Window()->PointerMovedOver(pointer + QPoint(2, 0)));
    EXPECT_FALSE(Window()->Active());
}

TEST_F(BalloonHintsTest, TheNextControlWaitsOnlyTheShortPauseWhileAHintIsUp)
{
    TAppHints& app = TAppHints::Instance();
    app.SetHintPause(500);
    const QPoint first = images[0]->mapToGlobal(QPoint(16, 16));
    app.HintMouseMessage(images[0], first);
    EXPECT_TRUE(app.HintPending());
    EXPECT_EQ(app.PendingPause(), 500);
    app.ActivateHint(first);
    app.HintMouseMessage(images[1], images[1]->mapToGlobal(QPoint(16, 16)));
    EXPECT_FALSE(Window()->isVisible());
    EXPECT_EQ(app.PendingPause(), 50);
    // A pointer that leaves the hinted controls starts over with the full pause.
    app.HintMouseMessage(owner.get(), QPoint(5, 5));
    EXPECT_FALSE(app.HintPending());
    app.HintMouseMessage(images[0], first);
    EXPECT_EQ(app.PendingPause(), 500);
}

TEST_F(BalloonHintsTest, CentredLinesAndAColourChangeReachTheNextBalloon)
{
    Hover(1);
    QImage image = Grab();
    const TRect body = BalloonBody(image.width(), image.height(), Window()->CornerInUse());
    const TRect text = Rect(body.Left + 4, body.Top + 4, body.Right - 4, body.Bottom - 4);
    // Three lines; each one's ink is centred in the text area.
    int lines = 0;
    int lineLeft = text.Right, lineRight = text.Left;
    const auto checkLine = [&] {
        EXPECT_LE(std::abs((lineLeft - text.Left) - (text.Right - 1 - lineRight)), 2) << "line " << lines;
        lineLeft = text.Right;
        lineRight = text.Left;
    };
    bool inLine = false;
    for (int y = text.Top; y < text.Bottom; ++y) {
        int left = -1, right = -1;
        for (int x = text.Left; x < text.Right; ++x) {
            if (qGray(image.pixel(x, y)) < 60) {
                if (left < 0)
                    left = x;
                right = x;
            }
        }
        if (left < 0 && inLine)
            checkLine();
        if (left >= 0 && !inLine)
            ++lines;
        inLine = left >= 0;
        if (left >= 0) {
            lineLeft = std::min(lineLeft, left);
            lineRight = std::max(lineRight, right);
        }
    }
    if (inLine)
        checkLine();
    EXPECT_EQ(lines, 3);

    hints->SetColor(clYellow);
    Hover(1);
    image = Grab();
    EXPECT_EQ(image.pixel(body.Left + 6, (body.Top + body.Bottom) / 2), qRgb(255, 255, 0));
}

} // namespace
