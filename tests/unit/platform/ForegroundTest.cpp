#include "platform/Foreground.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// Offscreen, activation is Qt's own; the X11 path is exercised by the end-to-end key-lock
// test, where another program takes the focus.

namespace {

bool WaitActive(QWidget* window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
}

TEST(ForegroundTest, BringsBackTheWindowAnotherWindowTookTheFocusFrom)
{
    QWidget main;
    QWidget other;
    main.setGeometry(0, 0, 200, 100);
    other.setGeometry(50, 50, 100, 50);
    main.show();
    other.show();
    other.activateWindow();
    ASSERT_TRUE(WaitActive(&other));

    ForceForeground(&main);
    EXPECT_TRUE(WaitActive(&main));
}

TEST(ForegroundTest, ActiveWindowIsLeftAsItIs)
{
    QWidget main;
    main.show();
    main.activateWindow();
    ASSERT_TRUE(WaitActive(&main));
    EXPECT_TRUE(ForceForeground(&main));
    EXPECT_EQ(QApplication::activeWindow(), &main);
}

TEST(ForegroundTest, OpenModalWindowIsTheOneBroughtBack)
{
    QWidget main;
    main.show();
    QDialog modal(&main);
    modal.setModal(true);
    modal.show();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(WaitActive(&other));

    ForceForeground(&main);
    EXPECT_TRUE(WaitActive(&modal));
}

TEST(ForegroundTest, NoWindowIsRefused)
{
    EXPECT_FALSE(ForceForeground(nullptr));
}

} // namespace
