#include "widgetkit/Application.h"

#include "base/Exceptions.h"
#include "widgetkit/Controls.h"
#include "widgetkit/KDCursor.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QPixmap>

TEST(Application, EscapingErrorsAreShownOnceAndPlayGoesOn)
{
    std::vector<std::string> shown;
    SetExceptionHandler([&](const std::string& message) { shown.push_back(message); });
    EXPECT_FALSE(HandleExceptions([] { RaiseRes<EResNotFound>(Str::ResNotFound, "SPLASH"); }));
    EXPECT_FALSE(HandleExceptions([] { throw std::runtime_error("plain failure"); }));
    bool ran = false;
    EXPECT_TRUE(HandleExceptions([&] { ran = true; }));
    SetExceptionHandler({});
    EXPECT_TRUE(ran);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "Resource SPLASH not found");
    EXPECT_EQ(shown[1], "plain failure");
}

TEST(Application, HandCursorComesFromTheProgramsResourceWithItsHotSpot)
{
    RegisterKDCursor();
    const QCursor hand = CursorById(crKDHand);
    EXPECT_EQ(hand.hotSpot(), QPoint(8, 1));
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
}

TEST(Application, ChildrenAreAlignedTopBottomLeftRightThenClient)
{
    QWidget parent;
    parent.resize(300, 200);
    auto* top = new QWidget(&parent);
    top->resize(10, 20);
    SetAlign(top, TAlign::alTop);
    auto* bottom = new QWidget(&parent);
    bottom->resize(10, 30);
    SetAlign(bottom, TAlign::alBottom);
    auto* client = new QWidget(&parent);
    SetAlign(client, TAlign::alClient);
    auto* left = new QWidget(&parent);
    left->resize(40, 10);
    SetAlign(left, TAlign::alLeft);
    auto* right = new QWidget(&parent);
    right->resize(50, 10);
    SetAlign(right, TAlign::alRight);
    auto* hidden = new QWidget(&parent);
    hidden->resize(70, 10);
    SetAlign(hidden, TAlign::alLeft);
    hidden->hide();

    AlignControls(&parent, QRect(5, 5, 290, 190));
    EXPECT_EQ(top->geometry(), QRect(5, 5, 290, 20));
    EXPECT_EQ(bottom->geometry(), QRect(5, 165, 290, 30));
    EXPECT_EQ(left->geometry(), QRect(5, 25, 40, 140));
    EXPECT_EQ(right->geometry(), QRect(245, 25, 50, 140));
    EXPECT_EQ(client->geometry(), QRect(45, 25, 200, 140)); // a hidden child takes no space
}
