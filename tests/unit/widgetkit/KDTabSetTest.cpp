#include "widgetkit/KDTabSet.h"

#include "base/Exceptions.h"
#include "paint/Canvas.h"
#include "widgetkit/KDScroller.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include <string>
#include <vector>

namespace {

QRgb Rgb(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QRgb PixelAt(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

class TabSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tabs.resize(505, 22);
        tabs.show();
        tabs.OnChange = [this](TKDTabSet*, int index, bool& allow) {
            events.push_back("change " + std::to_string(index));
            allow = allowChange;
        };
        tabs.OnClick = [this](TKDTabSet* sender) { events.push_back("click " + std::to_string(sender->TabIndex())); };
    }

    void Fill(int count)
    {
        std::vector<std::string> captions;
        for (int i = 0; i < count; ++i)
            captions.push_back("Sheet " + std::to_string(i + 1));
        tabs.SetTabs(captions);
        events.clear();
        tabs.ArrangeTabs();
    }

    void Press(int x, int y) { QTest::mousePress(&tabs, Qt::LeftButton, {}, QPoint(x, y)); }

    QImage Shot() { return tabs.grab().toImage(); }

    TKDTabSet tabs;
    std::vector<std::string> events;
    bool allowChange { true };
};

} // namespace

TEST(TabSetDefaults, ConstructionValues)
{
    TKDTabSet tabs;
    EXPECT_EQ(tabs.TabIndex(), -1);
    EXPECT_EQ(tabs.Tabs().Count(), 0);
    EXPECT_EQ(tabs.SelectedColor(), clBtnFace);
    EXPECT_EQ(tabs.UnselectedColor(), clWindow);
    EXPECT_EQ(tabs.StartMargin(), 5);
    EXPECT_EQ(tabs.EndMargin(), 5);
    EXPECT_TRUE(tabs.AutoScroll());
    EXPECT_EQ(tabs.Style(), TTabStyle::tsStandard);
    EXPECT_EQ(tabs.TabHeight(), 20);
    EXPECT_EQ(tabs.VisibleTabs(), 0);
    EXPECT_EQ(tabs.Font().Size(), 8);
    EXPECT_EQ(tabs.size(), QSize(185, 22));
    // The row is as high as a capital letter of the 8-point font plus 4, the slant 2 wider.
    EXPECT_EQ(tabs.TabRowHeight(), 17);
    EXPECT_EQ(tabs.SlantWidth(), tabs.TabRowHeight() + 2);
    EXPECT_FALSE(tabs.Scroller()->isVisibleTo(&tabs));
}

TEST_F(TabSetTest, TwoTabsFitWithoutScrollerAndAClickAsksThenSelects)
{
    tabs.SetTabs({ "Copyright Information", "License Agreement" });
    EXPECT_EQ(tabs.TabIndex(), 0);
    EXPECT_EQ(events, (std::vector<std::string> { "change 0", "click 0" }));
    events.clear();
    tabs.ArrangeTabs();
    EXPECT_EQ(tabs.VisibleTabs(), 2);
    EXPECT_FALSE(tabs.Scroller()->isVisibleTo(&tabs));

    const TRect second = tabs.TabRect(1);
    Press((second.Left + second.Right) / 2, 8);
    EXPECT_EQ(tabs.TabIndex(), 1);
    EXPECT_EQ(events, (std::vector<std::string> { "change 1", "click 1" }));

    // The selected tab again changes nothing.
    events.clear();
    Press((second.Left + second.Right) / 2, 8);
    EXPECT_TRUE(events.empty());
}

TEST_F(TabSetTest, SlantedSidesGiveWayByTheirTolerance)
{
    Fill(2);
    tabs.SetTabIndex(1);
    const TRect first = tabs.TabRect(0);
    const int H = tabs.TabRowHeight();
    const int slant = tabs.SlantWidth();
    // Upper half: a third of the slant on either side of a tab's body.
    EXPECT_EQ(tabs.TabAtPos(first.Right + slant / 3, 2), 0);
    EXPECT_EQ(tabs.TabAtPos(first.Right + slant / 3 + 1, 2), -1);
    EXPECT_EQ(tabs.TabAtPos(first.Left - slant / 3, 2), 0);
    EXPECT_EQ(tabs.TabAtPos(first.Left - slant / 3 - 1, 2), -1);
    // Lower half: half the slant, so the two tabs meet in the middle of the slant.
    EXPECT_EQ(tabs.TabAtPos(first.Right + slant / 2, H - 2), 0);
    EXPECT_EQ(tabs.TabAtPos(first.Right + slant / 2 + 1, H - 2), 1);
    // The last row of the tab still counts; below it nothing.
    EXPECT_EQ(tabs.TabAtPos(first.Left + 3, H), 0);
    Press(first.Left + 3, H + 1);
    EXPECT_EQ(tabs.TabIndex(), 1);
    Press(first.Left + 3, H);
    EXPECT_EQ(tabs.TabIndex(), 0);
}

TEST_F(TabSetTest, VetoKeepsTheOldTabAndRaisesNoClick)
{
    Fill(3);
    allowChange = false;
    const TRect third = tabs.TabRect(2);
    Press(third.Left + 2, 5);
    EXPECT_EQ(tabs.TabIndex(), 0);
    EXPECT_EQ(events, (std::vector<std::string> { "change 2" }));
}

TEST_F(TabSetTest, IndexOutOfBoundsRaisesAndKeepsTheSelection)
{
    Fill(3);
    tabs.SetTabIndex(1);
    try {
        tabs.SetTabIndex(3);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Tab index out of bounds");
    }
    EXPECT_THROW(tabs.SetTabIndex(-2), Exception);
    EXPECT_EQ(tabs.TabIndex(), 1);
    tabs.SetTabIndex(-1);
    EXPECT_EQ(tabs.TabIndex(), -1);
}

TEST_F(TabSetTest, ListChangesKeepTheSelectionInStep)
{
    Fill(4);
    tabs.SetTabIndex(2);
    events.clear();

    // Inserting before the selected tab moves the selection with its tab.
    tabs.Tabs().Insert(0, "New");
    EXPECT_EQ(tabs.TabIndex(), 3);
    EXPECT_EQ(tabs.Tabs()[tabs.TabIndex()], "Sheet 3");
    // Deleting a tab before it keeps the same tab selected.
    tabs.Tabs().Delete(0);
    EXPECT_EQ(tabs.Tabs()[tabs.TabIndex()], "Sheet 3");
    EXPECT_TRUE(events.empty());

    // Deleting the selected tab selects the one that takes its place and tells the owner.
    tabs.Tabs().Delete(2);
    EXPECT_EQ(tabs.TabIndex(), 2);
    EXPECT_EQ(tabs.Tabs()[2], "Sheet 4");
    EXPECT_EQ(events, (std::vector<std::string> { "click 2" }));

    // The last tab going selects the new last one.
    tabs.Tabs().Delete(2);
    EXPECT_EQ(tabs.TabIndex(), 1);
    tabs.Tabs().Delete(0);
    tabs.Tabs().Delete(0);
    EXPECT_EQ(tabs.TabIndex(), -1);
    EXPECT_THROW(tabs.Tabs().Delete(0), Exception);

    tabs.Tabs().AddStrings({ "a", "b" });
    tabs.SetTabIndex(1);
    tabs.Tabs().Clear();
    EXPECT_EQ(tabs.TabIndex(), -1);
    Shot();
}

TEST_F(TabSetTest, ManyTabsShowTheScrollerWhichMovesTheRowOneTabAClick)
{
    Fill(15);
    Shot();
    TKDScroller* scroller = tabs.Scroller();
    ASSERT_TRUE(scroller->isVisibleTo(&tabs));
    EXPECT_EQ(scroller->geometry(), QRect(505 - 23 - 2, 3, 23, 13));
    const int visible = tabs.VisibleTabs();
    EXPECT_LT(visible, 15);
    EXPECT_GE(visible, 2);
    EXPECT_EQ(scroller->Max(), 15 - visible);
    // The shown tabs end before the scroller.
    EXPECT_LE(tabs.TabRect(visible - 1).Right + tabs.SlantWidth(), scroller->x() + 4);

    QTest::mouseClick(scroller, Qt::LeftButton, {}, QPoint(18, 6));
    EXPECT_EQ(tabs.FirstVisibleTab(), 1);
    QTest::mouseClick(scroller, Qt::LeftButton, {}, QPoint(3, 6));
    EXPECT_EQ(tabs.FirstVisibleTab(), 0);
    // At the first position the left arrow does nothing.
    QTest::mouseClick(scroller, Qt::LeftButton, {}, QPoint(3, 6));
    EXPECT_EQ(tabs.FirstVisibleTab(), 0);
    // Each paint sets the scroller's range for the tabs that fit from the current position.
    for (int i = 0; i < 20; ++i) {
        QTest::mouseClick(scroller, Qt::LeftButton, {}, QPoint(18, 6));
        Shot();
    }
    EXPECT_EQ(tabs.FirstVisibleTab(), scroller->Max());
    Shot();
    // The whole row scrolled: the last tab is shown at the right.
    EXPECT_EQ(tabs.FirstVisibleTab() + tabs.VisibleTabs(), 15);
}

TEST_F(TabSetTest, ScrollerArrowsGreyOutAtTheEnds)
{
    Fill(15);
    Shot();
    TKDScroller* scroller = tabs.Scroller();
    const QImage atStart = scroller->grab().toImage();
    scroller->SetPosition(1);
    const QImage between = scroller->grab().toImage();
    scroller->SetPosition(scroller->Max());
    const QImage atEnd = scroller->grab().toImage();
    auto leftHalf = [](const QImage& image) { return image.copy(0, 0, 11, 13); };
    auto rightHalf = [](const QImage& image) { return image.copy(12, 0, 11, 13); };
    EXPECT_NE(leftHalf(atStart), leftHalf(between));
    EXPECT_EQ(leftHalf(between), leftHalf(atEnd));
    EXPECT_EQ(rightHalf(atStart), rightHalf(between));
    EXPECT_NE(rightHalf(between), rightHalf(atEnd));
    // Pressing shows the pressed button until release.
    QTest::mousePress(scroller, Qt::LeftButton, {}, QPoint(3, 6));
    EXPECT_NE(leftHalf(scroller->grab().toImage()), leftHalf(between));
    QTest::mouseRelease(scroller, Qt::LeftButton, {}, QPoint(3, 6));
    EXPECT_EQ(scroller->Position(), scroller->Max() - 1);
}

TEST_F(TabSetTest, SelectingAHiddenTabScrollsItToTheRightEnd)
{
    Fill(15);
    Shot();
    tabs.SetTabIndex(12);
    Shot();
    // It is shown at the right end: at most one more tab fits after it, in the room the
    // scroller leaves.
    const int last = tabs.FirstVisibleTab() + tabs.VisibleTabs() - 1;
    EXPECT_GE(last, 12);
    EXPECT_LE(last, 13);
    EXPECT_GT(tabs.FirstVisibleTab(), 0);
    tabs.SetTabIndex(1);
    EXPECT_EQ(tabs.FirstVisibleTab(), 1);
}

TEST_F(TabSetTest, SelectedTabJoinsThePageAbove)
{
    tabs.SetStartMargin(0);
    tabs.SetUnselectedColor(PaletteRGB(0x99, 0x99, 0x99));
    Fill(2);
    const QImage shot = Shot();
    const int H = tabs.TabRowHeight();
    const TRect selected = tabs.TabRect(0);
    const TRect other = tabs.TabRect(1);
    const QRgb face = Rgb(clBtnFace);
    const QRgb shadow = Rgb(clBtnShadow);
    const QRgb frame = Rgb(clWindowFrame);
    const QRgb grey = qRgb(0x99, 0x99, 0x99);
    for (int x = selected.Left; x < selected.Right; ++x) {
        // No line across the top: the page's face runs on into the tab.
        EXPECT_EQ(PixelAt(shot, x, 0), face) << x;
        EXPECT_EQ(PixelAt(shot, x, 1), face) << x;
        EXPECT_EQ(PixelAt(shot, x, H - 2), shadow) << x;
        EXPECT_EQ(PixelAt(shot, x, H - 1), frame) << x;
    }
    for (int x = other.Left; x < other.Right; ++x) {
        // The tab behind keeps the page's lower edge above it.
        EXPECT_EQ(PixelAt(shot, x, 0), shadow) << x;
        EXPECT_EQ(PixelAt(shot, x, 1), frame) << x;
        EXPECT_EQ(PixelAt(shot, x, H - 1), frame) << x;
    }
    EXPECT_EQ(PixelAt(shot, other.Left + 1, H / 2 + 3), grey);
    // Without a start margin the first tab's left side continues the page's light edge.
    EXPECT_EQ(PixelAt(shot, 1, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelAt(shot, 0, 0), Rgb(cl3DLight));
    // The slant between the tabs belongs to the selected tab at the top.
    EXPECT_EQ(PixelAt(shot, selected.Right + 1, 0), face);
    // Past the last tab the row shows the page's lower edge and the face below it.
    EXPECT_EQ(PixelAt(shot, 504, 0), frame);
    EXPECT_EQ(PixelAt(shot, 480, 0), shadow);
    EXPECT_EQ(PixelAt(shot, 480, 1), frame);
    EXPECT_EQ(PixelAt(shot, 480, 10), face);

    // Selecting the other tab moves the join.
    tabs.SetTabIndex(1);
    const QImage after = Shot();
    EXPECT_EQ(PixelAt(after, other.Left + 2, 0), face);
    EXPECT_EQ(PixelAt(after, selected.Left + 2, 0), shadow);
    EXPECT_EQ(PixelAt(after, selected.Left + 2, 1), frame);
}

TEST_F(TabSetTest, OwnerDrawnTabsAreMeasuredAndDrawnByTheEvents)
{
    tabs.SetStyle(TTabStyle::tsOwnerDraw);
    tabs.SetTabHeight(24);
    EXPECT_EQ(tabs.TabRowHeight(), 24);
    std::vector<std::string> drawn;
    tabs.OnMeasureTab = [](TKDTabSet*, int index, int& width) { width = 40 + 10 * index; };
    tabs.OnDrawTab = [&drawn](TKDTabSet*, TCanvas& canvas, TRect rect, int index, bool selected) {
        drawn.push_back(std::to_string(index) + (selected ? "*" : "") + " " + std::to_string(rect.Width()) + "x"
                        + std::to_string(rect.Height()));
        canvas.Brush.SetColor(clYellow);
        canvas.FillRect(Rect(rect.Left + 2, 4, rect.Left + 6, 8));
    };
    tabs.resize(505, 30);
    Fill(3);
    const QImage shot = Shot();
    EXPECT_EQ(drawn, (std::vector<std::string> { "1 50x24", "2 60x24", "0* 40x24" }));
    EXPECT_EQ(tabs.TabRect(1).Left - tabs.TabRect(0).Right, tabs.SlantWidth());
    EXPECT_EQ(PixelAt(shot, tabs.TabRect(2).Left + 3, 5), Rgb(clYellow));
}

TEST_F(TabSetTest, ATabHeightThatCannotBeDrawnKeepsTheOldOne)
{
    tabs.SetStyle(TTabStyle::tsOwnerDraw);
    tabs.SetTabHeight(18);
    EXPECT_THROW(tabs.SetTabHeight(100000), EOutOfMemory);
    EXPECT_EQ(tabs.TabHeight(), 18);
    EXPECT_EQ(tabs.TabRowHeight(), 18);
    EXPECT_THROW(tabs.SetTabHeight(0), EOutOfMemory);
    EXPECT_EQ(tabs.TabRowHeight(), 18);
}

TEST_F(TabSetTest, AcceleratorSelectsItsTab)
{
    tabs.SetTabs({ "&First", "Se&cond", "A && B" });
    EXPECT_TRUE(tabs.DialogChar(u'c'));
    EXPECT_EQ(tabs.TabIndex(), 1);
    EXPECT_FALSE(tabs.DialogChar(u'B'));
    EXPECT_FALSE(tabs.DialogChar(u'&'));
    EXPECT_TRUE(tabs.DialogChar(u'F'));
    EXPECT_EQ(tabs.TabIndex(), 0);
}

TEST_F(TabSetTest, GrowingShowsMoreTabsFromTheLeft)
{
    Fill(8);
    tabs.resize(200, 22);
    Shot();
    tabs.SetTabIndex(5);
    Shot();
    EXPECT_GT(tabs.FirstVisibleTab(), 0);
    tabs.resize(2000, 22);
    Shot();
    EXPECT_EQ(tabs.FirstVisibleTab(), 0);
    EXPECT_EQ(tabs.VisibleTabs(), 8);
    EXPECT_FALSE(tabs.Scroller()->isVisibleTo(&tabs));
}
