#include "windows/AboutBoxForm.h"

#include "paint/ColorData.h"
#include "widgetkit/Application.h"
#include "widgetkit/KDButton.h"
#include "widgetkit/KDPanel.h"
#include "widgetkit/KDTabSet.h"
#include "widgetkit/LxEdit.h"
#include "widgetkit/LxLabel.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStackedWidget>
#include <QTest>

#include <fstream>
#include <string>
#include <vector>

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldDir = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(folder.Path().string()));
        SetExceptionHandler([this](const std::string& message) { errors.push_back(message); });
        FinalizeColorData();
        InitColorData(24, 0, 0);
    }
    void TearDown() override
    {
        SetExceptionHandler(nullptr);
        QDir::setCurrent(oldDir);
        FinalizeColorData();
        InitColorData(24, 0, 0);
    }

    void WriteLicense(const std::string& text) { std::ofstream(folder.Path() / "License.txt", std::ios::binary) << text; }

    TTempDir folder;
    QString oldDir;
    std::vector<std::string> errors;
};

} // namespace

TEST_F(AboutBoxTest, LayoutAndCreationSteps)
{
    WriteLicense("First line\r\nSecond line\r\n");
    TFrmAboutBox form(nullptr);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form.size(), QSize(521, 349));
    EXPECT_EQ(form.windowTitle(), "About Kedoozle");
    EXPECT_EQ(form.PnlAbout()->geometry(), QRect(8, 8, 505, 221));
    EXPECT_EQ(form.PnlAbout()->BorderSides(), sdLeft | sdTop | sdRight);
    EXPECT_EQ(form.NbkViews()->geometry(), QRect(2, 2, 501, 219));
    EXPECT_EQ(form.NbkViews()->currentIndex(), 0);

    // The tab row hangs from the panel, on the window itself.
    TKDTabSet* tabs = form.TabSet();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->parentWidget(), &form);
    EXPECT_EQ(tabs->geometry(), QRect(8, 229, 505, 22));
    EXPECT_EQ(tabs->Tabs().Strings(), (std::vector<std::string> { "Copyright Information", "License Agreement" }));
    EXPECT_EQ(tabs->StartMargin(), 0);
    EXPECT_EQ(tabs->TabIndex(), 0);
    EXPECT_EQ(tabs->UnselectedColor(), 0x02999999u);

    EXPECT_EQ(form.BtnClose()->Caption(), "Close");
    EXPECT_EQ(form.BtnClose()->Color(), 0x02CC9999u);
    EXPECT_EQ(form.LblVersion()->Caption(), " Version 2.0");
    EXPECT_FALSE(form.LblEmail()->Caption().empty());
    EXPECT_EQ(form.LxLabel1()->TextStyle(), TTextStyle::tsRaised);

    TLxMemo* license = form.EdtLicense();
    EXPECT_EQ(license->Lines(), (std::vector<std::string> { "First line", "Second line" }));
    EXPECT_TRUE(license->ReadOnly());
    EXPECT_FALSE(license->TabStop());
    EXPECT_TRUE(license->FrameVisible());
    EXPECT_EQ(license->ScrollBars(), TScrollStyle::ssVertical);
    EXPECT_EQ(license->Color(), 0x02FFCCCCu);
    TLxMemo* warning = form.EdtWarning();
    EXPECT_EQ(warning->Lines().size(), 3u);
    EXPECT_EQ(warning->Alignment(), TAlignment::taCenter);
    EXPECT_EQ(warning->Color(), 0x02CCCCCCu);
    EXPECT_EQ(warning->geometry(), QRect(8, 252, 505, 53));
}

TEST_F(AboutBoxTest, TabsSwitchThePages)
{
    WriteLicense("text\n");
    TFrmAboutBox form(nullptr);
    form.show();
    TKDTabSet* tabs = form.TabSet();
    tabs->ArrangeTabs();
    const TRect second = tabs->TabRect(1);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, QPoint(second.Left + 10, 8));
    EXPECT_EQ(form.NbkViews()->currentIndex(), 1);
    EXPECT_TRUE(form.EdtLicense()->isVisible());
    const TRect first = tabs->TabRect(0);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, QPoint(first.Left + 10, 8));
    EXPECT_EQ(form.NbkViews()->currentIndex(), 0);
    EXPECT_FALSE(form.EdtLicense()->isVisible());
}

TEST_F(AboutBoxTest, PaletteDisplayMakesBothBoxesSilver)
{
    WriteLicense("text\n");
    FinalizeColorData();
    InitColorData(8, 256, RC_PALETTE);
    TFrmAboutBox form(nullptr);
    EXPECT_EQ(form.EdtLicense()->Color(), clSilver);
    EXPECT_EQ(form.EdtWarning()->Color(), clSilver);
    EXPECT_EQ(form.GetPalette(), DisplayPalette);
}

TEST_F(AboutBoxTest, MissingLicenseGivesOneErrorAndAnEmptyPage)
{
    TFrmAboutBox form(nullptr);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Cannot open file License.txt");
    EXPECT_TRUE(form.EdtLicense()->Lines().empty());
    // The steps after the failing one are skipped: the boxes keep their first colours.
    EXPECT_EQ(form.EdtLicense()->Color(), clWindow);
    EXPECT_EQ(form.EdtWarning()->Color(), clSilver);
    // The steps before it ran.
    ASSERT_NE(form.TabSet(), nullptr);
    EXPECT_EQ(form.BtnClose()->Caption(), "Close");
}

TEST_F(AboutBoxTest, KeysDoNothingAndCloseCloses)
{
    WriteLicense("text\n");
    TFrmAboutBox form(nullptr);
    form.show();
    for (Qt::Key key : { Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab, Qt::Key_C })
        QTest::keyClick(&form, key);
    QTest::keyClick(&form, Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.NbkViews()->currentIndex(), 0);
    QTest::mouseClick(form.BtnClose(), Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_FALSE(form.isVisible());
}
