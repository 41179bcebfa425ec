#include "widgetkit/LxEdit.h"

#include <gtest/gtest.h>

#include "base/Exceptions.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <string>
#include <vector>

namespace {

QRgb Rgb(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QRgb PixelAt(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

std::vector<std::string> NumberedLines(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back("Line " + std::to_string(i));
    return lines;
}

class MemoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        memo.setGeometry(0, 0, 200, 120);
        memo.show();
    }

    QImage Shot() { return memo.grab().toImage(); }

    // The line shown at the top of the text area.
    int TopLine() { return memo.cursorForPosition(QPoint(4, 4)).blockNumber() + 1; }

    void Wheel(int delta, Qt::KeyboardModifiers modifiers = {})
    {
        const QPointF at(50, 50);
        QWheelEvent event(at, memo.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(memo.viewport(), &event);
    }

    TLxMemo memo;
};

struct TFrameCase {
    TFrameStyle Style;
    TSides Sides;
    // Outer pixel at the middle of the left, top, right and bottom edge.
    TColor Left, Top, Right, Bottom;
};

class MemoFrameTest : public MemoTest, public ::testing::WithParamInterface<TFrameCase> {};

} // namespace

TEST(MemoDefaults, ConstructionValues)
{
    TLxMemo memo;
    EXPECT_FALSE(memo.FrameVisible());
    EXPECT_EQ(memo.FrameStyle(), TFrameStyle::fsFlat);
    EXPECT_EQ(memo.FrameColor(), clBtnShadow);
    EXPECT_EQ(memo.FrameSides(), AllSides);
    EXPECT_FALSE(memo.FrameFlat());
    EXPECT_EQ(memo.FrameFlatStyle(), TFrameStyle::fsStatus);
    EXPECT_EQ(memo.FrameFocusStyle(), TFrameStyle::fsLowered);
    EXPECT_FALSE(memo.TabOnEnter());
    EXPECT_TRUE(memo.Lines().empty());
}

TEST_F(MemoTest, WithoutItsFrameTheBoxIsSunken)
{
    const QImage shot = Shot();
    const int midY = memo.height() / 2;
    // Dark above and left, light below and right.
    EXPECT_LT(qGray(PixelAt(shot, 0, midY)), qGray(PixelAt(shot, memo.width() - 1, midY)));
    EXPECT_NE(PixelAt(shot, 0, midY), Rgb(clBtnShadow));
}

TEST_P(MemoFrameTest, FramePaintsOverTheBorder)
{
    const TFrameCase& c = GetParam();
    memo.SetColor(PaletteRGB(0xCC, 0xCC, 0xFF));
    memo.SetFrameVisible(true);
    memo.SetFrameStyle(c.Style);
    memo.SetFrameSides(c.Sides);
    const QImage shot = Shot();
    const int w = memo.width(), h = memo.height();
    EXPECT_EQ(PixelAt(shot, 0, h / 2), Rgb(c.Left));
    EXPECT_EQ(PixelAt(shot, w / 2, 0), Rgb(c.Top));
    EXPECT_EQ(PixelAt(shot, w - 1, h / 2), Rgb(c.Right));
    EXPECT_EQ(PixelAt(shot, w / 2, h - 1), Rgb(c.Bottom));
    if (c.Style == TFrameStyle::fsFlat) {
        // A one-pixel line, then a ring of the background before the text area.
        const QRgb background = qRgb(0xCC, 0xCC, 0xFF);
        EXPECT_EQ(PixelAt(shot, 1, h / 2), background);
        EXPECT_EQ(PixelAt(shot, w / 2, 1), background);
        EXPECT_EQ(PixelAt(shot, w - 2, h / 2), background);
        EXPECT_EQ(PixelAt(shot, w / 2, h - 2), background);
    }
}

constexpr TColor Lavender = PaletteRGB(0xCC, 0xCC, 0xFF);

INSTANTIATE_TEST_SUITE_P(
    StylesAndSides, MemoFrameTest,
    ::testing::Values(TFrameCase { TFrameStyle::fsFlat, AllSides, clBtnShadow, clBtnShadow, clBtnShadow, clBtnShadow },
                      TFrameCase { TFrameStyle::fsFlat, sdTop | sdBottom, Lavender, clBtnShadow, Lavender, clBtnShadow },
                      TFrameCase { TFrameStyle::fsFlat, sdLeft, clBtnShadow, Lavender, Lavender, Lavender },
                      TFrameCase { TFrameStyle::fsLowered, AllSides, clBtnShadow, clBtnShadow, clBtnHighlight,
                                   clBtnHighlight },
                      TFrameCase { TFrameStyle::fsRaised, sdRight | sdBottom, Lavender, Lavender, clBtnText, clBtnText },
                      TFrameCase { TFrameStyle::fsStatus, AllSides, clBtnShadow, clBtnShadow, clBtnHighlight,
                                   clBtnHighlight },
                      TFrameCase { TFrameStyle::fsNone, AllSides, Lavender, Lavender, Lavender, Lavender }));

TEST_F(MemoTest, ColourChangeRepaintsTheRingAtOnce)
{
    memo.SetFrameVisible(true);
    EXPECT_EQ(PixelAt(Shot(), 1, 40), Rgb(clWindow));
    memo.SetColor(clSilver);
    const QImage shot = Shot();
    EXPECT_EQ(PixelAt(shot, 1, 40), Rgb(clSilver));
    EXPECT_EQ(PixelAt(shot, 0, 40), Rgb(clBtnShadow));
    EXPECT_EQ(PixelAt(shot, 20, 40), Rgb(clSilver));
}

TEST_F(MemoTest, ReadOnlyIgnoresTyping)
{
    memo.SetLines({ "first", "second" });
    memo.SetReadOnly(true);
    memo.setFocus();
    QTest::keyClicks(&memo, "xyz");
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClick(&memo, Qt::Key_Backspace);
    QTest::keyClick(&memo, Qt::Key_Delete);
    EXPECT_EQ(memo.Lines(), (std::vector<std::string> { "first", "second" }));

    memo.SetReadOnly(false);
    memo.SetCaretLine(2);
    QTest::keyClicks(&memo, "a");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string> { "first", "asecond" }));
}

TEST_F(MemoTest, RightClickOpensNoMenu)
{
    memo.SetLines({ "licence" });
    memo.show();
    // A menu opens while the event is handled: one shown with popup() is up when sendEvent
    // returns, so no wait is needed to see it. One run in its own loop would block sendEvent;
    // the timer notes and closes it, so the test ends either way.
    bool popupShown = false;
    const auto closePopup = [&popupShown] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popupShown = true;
            popup->close();
        }
    };
    QTimer modalMenuGuard;
    modalMenuGuard.setSingleShot(true);
    QObject::connect(&modalMenuGuard, &QTimer::timeout, closePopup);
    modalMenuGuard.start(200);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(10, 10), memo.mapToGlobal(QPoint(10, 10)));
    QCoreApplication::sendEvent(memo.viewport(), &menu);
    closePopup();
    EXPECT_FALSE(popupShown);
}

TEST_F(MemoTest, WheelScrollsALineANotchAndMoreWithCtrl)
{
    memo.SetScrollBars(TScrollStyle::ssVertical);
    memo.SetLines(NumberedLines(100));
    EXPECT_TRUE(memo.verticalScrollBar()->isVisible());
    EXPECT_EQ(TopLine(), 1);
    Wheel(-120);
    EXPECT_EQ(TopLine(), 2);
    Wheel(-240);
    EXPECT_EQ(TopLine(), 4);
    Wheel(120, Qt::ControlModifier);
    EXPECT_EQ(TopLine(), 4 - QApplication::wheelScrollLines());
    // Half notches add up.
    Wheel(-60);
    Wheel(-60);
    EXPECT_EQ(TopLine(), 5 - QApplication::wheelScrollLines());
}

TEST_F(MemoTest, ScrollBarMovesTheText)
{
    memo.SetScrollBars(TScrollStyle::ssVertical);
    memo.SetLines(NumberedLines(100));
    memo.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(TopLine(), 2);
    memo.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_GT(TopLine(), 90);
}

TEST_F(MemoTest, CaretLineAndColumn)
{
    memo.SetLines(NumberedLines(50));
    memo.SetCaretLine(30);
    EXPECT_EQ(memo.CaretLine(), 30);
    EXPECT_EQ(memo.CaretColumn(), 1);
    EXPECT_EQ(TopLine(), 30);
    memo.SetCaretColumn(8);
    EXPECT_EQ(memo.CaretColumn(), 8);
    // "Line 30" has 7 characters: column 8 is its end, 9 lies beyond.
    memo.SetCaretColumn(9);
    EXPECT_EQ(memo.CaretColumn(), 8);
    EXPECT_EQ(memo.CaretLine(), 30);
}

TEST_F(MemoTest, HotTrackingFollowsPointerAndFocus)
{
    memo.SetFrameFlat(true);
    EXPECT_TRUE(memo.FrameVisible());
    EXPECT_EQ(memo.FrameStyle(), TFrameStyle::fsStatus);
    int entered = 0, left = 0;
    memo.OnMouseEnter = [&entered](TLxMemo*) { ++entered; };
    memo.OnMouseLeave = [&left](TLxMemo*) { ++left; };
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), memo.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&memo, &enter);
    EXPECT_EQ(memo.FrameStyle(), TFrameStyle::fsLowered);
    EXPECT_EQ(PixelAt(Shot(), memo.width() - 1, 30), Rgb(clBtnHighlight));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&memo, &leave);
    EXPECT_EQ(memo.FrameStyle(), TFrameStyle::fsStatus);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
    QApplication::setActiveWindow(&memo);
    memo.setFocus();
    ASSERT_TRUE(memo.hasFocus());
    EXPECT_EQ(memo.FrameStyle(), TFrameStyle::fsLowered);
    memo.clearFocus();
    EXPECT_EQ(memo.FrameStyle(), TFrameStyle::fsStatus);
}

TEST_F(MemoTest, LinesFromAFile)
{
    const QString path = QDir::tempPath() + "/kd-memo-lines.txt";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("one\r\ntwo\n\xA9 three\r\n");
    }
    memo.LoadLinesFromFile(path.toStdString());
    EXPECT_EQ(memo.Lines(), (std::vector<std::string> { "one", "two", "\xC2\xA9 three" }));
    QFile::remove(path);
    try {
        memo.LoadLinesFromFile(path.toStdString());
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + path.toStdString());
    }
    EXPECT_EQ(memo.Lines().size(), 3u);
}

TEST(MemoKeys, EnterActsAsTabWhenAsked)
{
    QWidget window;
    auto* memo = new TLxMemo(&window);
    auto* next = new TLxMemo(&window);
    next->move(0, 100);
    memo->SetTabOnEnter(true);
    memo->SetLines({ "text" });
    window.show();
    QApplication::setActiveWindow(&window);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(memo->Lines(), (std::vector<std::string> { "text" }));
    EXPECT_EQ(QApplication::focusWidget(), next);
    // Without it Enter breaks the line.
    memo->SetTabOnEnter(false);
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(memo->Lines().size(), 2u);
}
