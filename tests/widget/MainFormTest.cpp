#include "app/MainForm.h"

#include "app/KeyThread.h"
#include "app/LockNotice.h"
#include "app/MainFormUi.h"
#include "app/ProgramPaths.h"
#include "base/IniFile.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "platform/VirtualKeys.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "play/PlayState.h"
#include "resources/ProgramResources.h"
#include "tests/support/MainFormFixture.h"
#include "widgetkit/Application.h"
#include "widgetkit/ImageControl.h"
#include "widgetkit/KDCtrls.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QThread>
#include <QTemporaryDir>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>

namespace {

constexpr std::uint16_t VK_A = 65, VK_B = 66;

class MainFormTest : public TMainFormFixture {
protected:
    // Presses and releases `key` through the window's handlers; returns whether it drew.
    bool Down(TFrmKedoozle& form, std::uint16_t key)
    {
        const int before = form.PbxDisplay()->State().DrawCount();
        form.FormKeyDown(key);
        EXPECT_EQ(key, 0);
        return form.PbxDisplay()->State().DrawCount() != before;
    }
    void Up(TFrmKedoozle& form, std::uint16_t key)
    {
        form.FormKeyUp(key);
        EXPECT_EQ(key, 0);
    }

};

struct TLayoutCase {
    int Width, Height;
};

class MainFormLayout : public MainFormTest, public ::testing::WithParamInterface<TLayoutCase> { };

} // namespace

TEST_P(MainFormLayout, FramesPanelAndSurfaceFollowTheScreenSize)
{
    const auto [w, h] = GetParam();
    TFrmKedoozle form;
    form.setGeometry(0, 0, w, h);
    form.AlignChildren();
    const QPoint surfaceOrigin = form.PbxDisplay()->mapTo(&form, QPoint(0, 0));
    EXPECT_EQ(surfaceOrigin, QPoint(16, 16));
    EXPECT_EQ(form.PbxDisplay()->size(), QSize(w - 32, h - 78));
    EXPECT_EQ(form.Ui().PnlControlPanel->size(), QSize(w - 8, 46));
    EXPECT_EQ(form.Ui().PnlControlPanel->mapTo(&form, QPoint(0, 0)), QPoint(4, h - 50));
    EXPECT_EQ(form.Ui().PnlKedoozle->width(), w - 385);
    EXPECT_EQ(form.Ui().ImgKedoozle->x(), (w - 385) / 2 - 247 / 2);
    EXPECT_EQ(form.Ui().ImgKedoozle->y(), 4);
    EXPECT_EQ(form.Ui().ImgExit->mapTo(&form, QPoint(0, 0)), QPoint(w - 4 - 148 + 108, h - 50 + 4));
    EXPECT_EQ(form.PbxDisplay()->PictureWidths()[0], int(std::nearbyint((w - 32) * 0.1)));
}

INSTANTIATE_TEST_SUITE_P(Screens, MainFormLayout,
                         ::testing::Values(TLayoutCase { 640, 480 }, TLayoutCase { 1024, 768 },
                                           TLayoutCase { 1920, 1080 }));

TEST_F(MainFormTest, FramesArePaintedInThePurples)
{
    TFrmKedoozle form;
    form.setGeometry(0, 0, 1024, 768);
    form.AlignChildren();
    const QImage image = form.grab().toImage();
    const QRgb purple = qRgb(102, 51, 153), lavender = qRgb(153, 102, 255), dark = qRgb(51, 0, 102);
    // The outer frame: a 4-pixel raised bevel.
    EXPECT_EQ(image.pixel(0, 0), lavender);
    EXPECT_EQ(image.pixel(3, 400), lavender);
    EXPECT_EQ(image.pixel(1023, 767), dark);
    EXPECT_EQ(image.pixel(1020, 400), dark);
    // Around the play surface an 8-pixel band and a 4-pixel sunken bevel.
    EXPECT_EQ(image.pixel(4, 4), purple);
    EXPECT_EQ(image.pixel(11, 300), purple);
    EXPECT_EQ(image.pixel(12, 12), dark);
    EXPECT_EQ(image.pixel(15, 300), dark);
    EXPECT_EQ(image.pixel(1008, 300), lavender);
    EXPECT_EQ(image.pixel(500, 709), lavender);
    EXPECT_EQ(image.pixel(500, 713), purple);
    // The control panel's background.
    EXPECT_EQ(image.pixel(6, 740), purple);
}

TEST_F(MainFormTest, At1024x768TheLogoSits196In)
{
    TFrmKedoozle form;
    form.setGeometry(0, 0, 1024, 768);
    form.AlignChildren();
    EXPECT_EQ(form.Ui().PnlKedoozle->width(), 639);
    EXPECT_EQ(form.Ui().ImgKedoozle->x(), 196);
    EXPECT_EQ(form.PbxDisplay()->size(), QSize(992, 690));
}

TEST_F(MainFormTest, KeyStateMachineGivesOneDrawingPerPress)
{
    TFrmKedoozle form;
    form.FormCreate();
    ASSERT_TRUE(errors.empty()) << errors.front();
    // This test plays the watch thread's part itself.
    form.CheckKeysThread()->Terminate();
    while (!form.CheckKeysThread()->Finished())
        QThread::msleep(10);
    // ready --A--> draws, waiting; held A repeats nothing; B while A held: nothing.
    EXPECT_TRUE(Down(form, VK_A));
    EXPECT_FALSE(Down(form, VK_A));
    EXPECT_FALSE(Down(form, VK_B));
    // waiting --Win--> nothing, waiting for Windows key
    EXPECT_FALSE(Down(form, VK::LWin));
    EXPECT_TRUE(form.WinKeyPending());
    // waiting for Windows key --A--> draws, waiting
    EXPECT_TRUE(Down(form, VK_A));
    EXPECT_FALSE(form.WinKeyPending());
    Up(form, VK_A);
    // ready --Win--> draws, waiting for Windows key
    EXPECT_TRUE(Down(form, VK::RWin));
    // Windows key held: repeats draw nothing while the watch thread sees it down ...
    WinKeysUp = false;
    EXPECT_FALSE(Down(form, VK::RWin));
    EXPECT_TRUE(form.WinKeyPending());
    // ... and draw again once it reports both up.
    WinKeysUp = true;
    EXPECT_TRUE(Down(form, VK::RWin));
    // A key-up makes the state ready, and leaves WinKeyPending as it was.
    Up(form, VK_B);
    EXPECT_TRUE(form.KeyReleased());
    EXPECT_TRUE(form.WinKeyPending());
    EXPECT_TRUE(Down(form, VK_B));
    EXPECT_FALSE(Down(form, VK_B));
    form.FormDestroy();
}

TEST_F(MainFormTest, SoundOffStillDrawsAndTheSwitchShowsItsState)
{
    WriteIni("[Settings]\nSound=0\n");
    TFrmKedoozle form;
    form.FormCreate();
    EXPECT_FALSE(form.Settings().SoundOn);
    EXPECT_EQ(form.Ui().SoundImageName(), "SOUND_OFF");
    EXPECT_EQ(form.Ui().ImgSound->Hint(), "Sound is Off.\rClick here to\rturn sound on.");
    EXPECT_TRUE(Down(form, VK_A));
    form.ImgSoundClick();
    EXPECT_TRUE(form.Settings().SoundOn);
    EXPECT_EQ(form.Ui().SoundImageName(), "SOUND_ON");
    EXPECT_EQ(form.Ui().ImgSound->Hint(), "Sound is On.\rClick here to\rturn sound off.");
    form.FormDestroy();
}

TEST_F(MainFormTest, PicturesAParentFixedTakeNoClickAndShowGreyed)
{
    WriteIni("[Settings]\nSound=0\nPlayMode=2\nChildMayChangeSound=0\nChildMayChangeMode=0\n");
    TFrmKedoozle form;
    form.FormCreate();
    const QImage open = LoadProgramBitmap("SOUND_OFF");
    EXPECT_TRUE(form.Ui().SoundFixed());
    EXPECT_TRUE(form.Ui().PlayModesFixed());
    form.ImgSoundClick();
    form.PlayModeClick(form.Ui().PlayModeImage(4));
    EXPECT_FALSE(form.Settings().SoundOn);
    EXPECT_EQ(form.State().PlayMode(), ShapeType);
    EXPECT_EQ(form.Ui().SoundImageName(), "SOUND_OFF");
    EXPECT_EQ(form.Ui().PlayModeImageName(2), "SHAPETYPE_ON");
    EXPECT_EQ(form.Ui().ImgSound->Hint(), "Sound is Off.\rA grown-up has\rset it so.");
    // Greyed: the panel's purple around the figure stays, the figure loses its colours.
    const QImage shown = form.Ui().ImgSound->Picture();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(102, 51, 153));
    int coloured = 0, changed = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            coloured += c.red() - 102 != c.green() - 51 || c.red() - 102 != c.blue() - 153;
            changed += shown.pixel(x, y) != open.pixel(x, y);
        }
    EXPECT_EQ(coloured, 0);
    EXPECT_GT(changed, 50);
    // Keys play as ever.
    EXPECT_TRUE(Down(form, VK_A));
    form.FormDestroy();
}

TEST_F(MainFormTest, AtThePlayTimeLimitEverySurfaceRestsAndOnlyTheDoorWorks)
{
    WriteIni("[Settings]\nPlayTimeLimitSeconds=1\n");
    TFrmKedoozle form;
    form.setGeometry(0, 0, 800, 600);
    form.FormCreate();
    form.show();
    EXPECT_TRUE(Down(form, VK_A));
    Up(form, VK_A);
    EXPECT_FALSE(form.State().Resting());
    QTRY_VERIFY_WITH_TIMEOUT(form.State().Resting(), 10000);
    const QRgb sky = qRgb(0, 0, 0x33);
    const QImage rested = form.PbxDisplay()->Surface();
    EXPECT_EQ(rested.pixel(2, 2), sky);
    EXPECT_TRUE(form.Ui().SoundFixed());
    EXPECT_TRUE(form.Ui().PlayModesFixed());
    // Keys draw and count nothing; the picture stays as it is.
    EXPECT_FALSE(Down(form, VK_B));
    Up(form, VK_B);
    form.PbxDisplay()->MousePressed(VK_A, TPoint { 100, 100 });
    form.PbxDisplay()->BeginTrail();
    form.PbxDisplay()->ExtendTrail(TPoint { 10, 10 }, TPoint { 300, 300 });
    EXPECT_TRUE(form.PbxDisplay()->Surface() == rested);
    // A surface made later (a monitor plugged in) rests as well, at its own size.
    TKDPaintBox cover(nullptr, form.PbxDisplay()->SharedState());
    cover.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(cover.Surface().pixel(2, 2), sky);
    // The moon: a pale disc high on the right.
    EXPECT_EQ(cover.Surface().pixel(300 * 74 / 100 + 10, 200 * 28 / 100 + 10), qRgb(0xFF, 0xFF, 0xCC));
    form.SetConfirmExit([](QWidget*, QPoint) { return 6; });
    form.ImgExitClick();
    EXPECT_FALSE(form.isVisible());
    form.FormDestroy();
}

TEST_F(MainFormTest, ExactlyTheCurrentModesImageIsSelected)
{
    TFrmKedoozle form;
    form.FormCreate();
    EXPECT_EQ(form.Ui().PlayModeImageName(0), "CLASSICTYPE_ON");
    for (int mode = 1; mode < 5; ++mode)
        EXPECT_EQ(form.Ui().PlayModeImageName(mode).find("_OFF") != std::string::npos, true);
    form.PlayModeClick(form.Ui().PlayModeImage(3));
    EXPECT_EQ(form.PbxDisplay()->State().PlayMode(), PictureType);
    EXPECT_EQ(form.Ui().PlayModeImageName(0), "CLASSICTYPE_OFF");
    EXPECT_EQ(form.Ui().PlayModeImageName(3), "PICTURETYPE_ON");
    form.PlayModeClick(form.Ui().PlayModeImage(3)); // the current mode stays selected
    EXPECT_EQ(form.Ui().PlayModeImageName(3), "PICTURETYPE_ON");
    form.FormDestroy();
}

TEST_F(MainFormTest, StoredPlayModesAreTakenByTheirLowByte)
{
    WriteIni("[Settings]\nPlayMode=260\nEraseLimit=$1F\n");
    {
        TFrmKedoozle form;
        form.FormCreate();
        EXPECT_EQ(form.PbxDisplay()->State().PlayMode(), KeyType);
        EXPECT_EQ(form.PbxDisplay()->State().EraseLimit(), 31);
        EXPECT_EQ(form.Ui().PlayModeImageName(4), "KEYTYPE_ON");
        form.FormDestroy();
    }
    EXPECT_EQ(TIniFile(SettingsFilePath()).ReadInteger("Settings", "PlayMode", -9), 4);

    WriteIni("[Settings]\nPlayMode=-1\n");
    TFrmKedoozle form;
    form.FormCreate();
    EXPECT_EQ(form.PbxDisplay()->State().PlayMode(), 255);
    for (int mode = 0; mode < 5; ++mode)
        EXPECT_NE(form.Ui().PlayModeImageName(mode).find("_OFF"), std::string::npos);
    EXPECT_FALSE(Down(form, VK_A)); // no mode: nothing is drawn or counted, the key is consumed
    form.FormDestroy();
    EXPECT_EQ(TIniFile(SettingsFilePath()).ReadInteger("Settings", "PlayMode", -9), 255);
}

TEST_F(MainFormTest, WithoutASettingsFileTheDefaultsAreWrittenBack)
{
    {
        TFrmKedoozle form;
        form.FormCreate();
        EXPECT_EQ(form.PbxDisplay()->State().PlayMode(), ClassicType);
        EXPECT_EQ(form.PbxDisplay()->State().EraseLimit(), 25);
        EXPECT_TRUE(form.Settings().SoundOn);
        EXPECT_FALSE(form.Settings().ShowMessages);
        EXPECT_EQ(form.State().Modules.Sounds, 0u);
        form.FormDestroy();
    }
    TIniFile ini(SettingsFilePath());
    EXPECT_EQ(ini.ReadString("Settings", "PlayMode", ""), "0");
    EXPECT_EQ(ini.ReadString("Settings", "EraseLimit", ""), "25");
    EXPECT_EQ(ini.ReadString("Settings", "Sound", ""), "1");
    EXPECT_TRUE(ini.SectionExists("88"));
    EXPECT_FALSE(ini.SectionExists("Modules"));
    EXPECT_FALSE(ini.ValueExists("Settings", "ShowMessages"));
}

TEST_F(MainFormTest, AFailedSaveIsReportedAndShutdownGoesOn)
{
    TFrmKedoozle form;
    form.FormCreate();
    // The settings file's place is taken by a folder: the save cannot succeed.
    std::filesystem::create_directory(SettingsFilePath());
    form.FormDestroy();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Unable to write to " + SettingsFilePath());
}

TEST_F(MainFormTest, TracesShowOnlyWithShowMessagesAndTheNextDrawingRemovesThem)
{
    WriteIni("[Settings]\nShowMessages=1\nPlayMode=3\n");
    TFrmKedoozle form;
    form.setGeometry(0, 0, 800, 600);
    form.FormCreate();
    form.show();
    std::uint16_t key = VK_A;
    form.FormKeyDown(key);
    EXPECT_TRUE(form.Ui().LblMessage->isVisible());
    EXPECT_FALSE(form.Ui().PnlPlayModes->isVisible());
    EXPECT_FALSE(form.Ui().PnlKedoozle->isVisible());
    EXPECT_TRUE(QString::fromStdString(form.Ui().LblMessage->Caption()).startsWith("Res:  PICTURE_1\rMode: PictureType"));
    // The message area fills the panel's free width while the mode pictures are hidden.
    EXPECT_EQ(form.Ui().LblMessage->width(), form.width() - 8 - 148);
    // White Courier text on the panel's purple, two pixels in from the edges.
    const QImage area = form.Ui().LblMessage->grab().toImage();
    EXPECT_EQ(area.pixel(0, 0), qRgb(102, 51, 153));
    EXPECT_EQ(area.pixel(1, area.height() - 1), qRgb(102, 51, 153));
    int whiteTop = area.height(), whiteLeft = area.width();
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (area.pixel(x, y) == qRgb(255, 255, 255)) {
                whiteTop = std::min(whiteTop, y);
                whiteLeft = std::min(whiteLeft, x);
            }
    EXPECT_GE(whiteTop, 2);
    EXPECT_LE(whiteTop, 4);
    EXPECT_GE(whiteLeft, 2);
    EXPECT_LE(whiteLeft, 4);
    key = VK_A;
    form.FormKeyUp(key);
    form.PlayModeClick(form.Ui().PlayModeImage(0));
    key = VK_A;
    form.FormKeyDown(key);
    EXPECT_FALSE(form.Ui().LblMessage->isVisible());
    EXPECT_TRUE(form.Ui().PnlPlayModes->isVisible());
    form.FormDestroy();
}

TEST_F(MainFormTest, AKeyLockThatDoesNotHoldIsSaidInTheMessageArea)
{
    WriteIni("[Settings]\nShowMessages=1\nPlayMode=3\n");
    TFrmKedoozle form;
    form.setGeometry(0, 0, 800, 600);
    bool locked = true;
    form.LockNotice().SetKeyLockCheck([&] { return locked; }, 200);
    form.FormCreate();
    form.show();
    auto warningShown = [&] {
        return form.Ui().LblMessage->isVisible() && form.Ui().LblMessage->Caption() == "keys are not locked"
               && !form.Ui().PnlKedoozle->isVisible() && form.Ui().PnlPlayModes->isVisible();
    };
    form.LockNotice().CheckKeyLock();
    EXPECT_FALSE(form.Ui().LblMessage->isVisible());

    // A moment without the lock is not yet said; one longer than the grace is.
    locked = false;
    form.LockNotice().CheckKeyLock();
    EXPECT_FALSE(form.Ui().LblMessage->isVisible());
    EXPECT_TRUE(QTest::qWaitFor(warningShown, 3000)); // the window's own timer checks
    // The mode images, the sound switch and the exit keep their places beside it.
    EXPECT_EQ(form.Ui().LblMessage->geometry(), form.Ui().PnlKedoozle->geometry());

    // A trace replaces it until the next drawing, which brings the warning back.
    std::uint16_t key = VK_A;
    form.FormKeyDown(key);
    EXPECT_EQ(form.Ui().LblMessage->Caption().rfind("Res:", 0), 0u);
    key = VK_A;
    form.FormKeyUp(key);
    form.PlayModeClick(form.Ui().PlayModeImage(0));
    key = VK_A;
    form.FormKeyDown(key);
    EXPECT_TRUE(warningShown());

    locked = true;
    form.LockNotice().CheckKeyLock();
    EXPECT_FALSE(form.Ui().LblMessage->isVisible());
    EXPECT_TRUE(form.Ui().PnlKedoozle->isVisible());
    form.FormDestroy();
}

TEST_F(MainFormTest, OnlyAConfirmedExitCloses)
{
    TFrmKedoozle form;
    form.FormCreate();
    form.show();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    QPoint shownAt;
    form.SetConfirmExit([&](QWidget*, QPoint topLeft) {
        shownAt = topLeft;
        return 7;
    });
    form.setGeometry(0, 0, 640, 480);
    form.AlignChildren();
    form.ImgExitClick();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(shownAt, QPoint(352, 274));
    form.SetConfirmExit([](QWidget*, QPoint) { return 6; });
    form.ImgExitClick();
    EXPECT_FALSE(form.isVisible());
    form.FormDestroy();
}

TEST_F(MainFormTest, ExitImageShowsPressedWhileTheButtonIsDown)
{
    TFrmKedoozle form;
    form.FormCreate();
    EXPECT_EQ(form.Ui().ExitImageName(), "EXIT_UP");
    form.ImgExitMouseDown();
    EXPECT_EQ(form.Ui().ExitImageName(), "EXIT_DOWN");
    form.ImgExitMouseUp();
    EXPECT_EQ(form.Ui().ExitImageName(), "EXIT_UP");
    form.FormDestroy();
}

namespace {

// A complete settings file, as the program writes it, in one of the line-break and spacing
// variants that editors and converters leave behind.
struct TSettingsVariant {
    const char* Name;
    const char* Bom;
    const char* Break;
    const char* Trailing; // after every value
};

void PrintTo(const TSettingsVariant& variant, std::ostream* os) { *os << variant.Name; }

std::string SettingsText(const TSettingsVariant& variant)
{
    std::string text = variant.Bom;
    auto line = [&](const std::string& content) { text += content + variant.Break; };
    auto value = [&](const std::string& key, const std::string& v) { line(key + "=" + v + variant.Trailing); };
    line("[Settings]");
    value("PlayMode", "2");
    value("EraseLimit", "31");
    value("Sound", "0");
    value("ShowMessages", "0");
    line("");
    for (int n = 1; n <= 88; ++n) {
        line("[" + std::to_string(n) + "]");
        value("KeyName", "Key " + std::to_string(n));
        value("SoundFile", "");
        value("PatternFile", "");
        value("Shape", std::to_string(n % 14));
        value("ShapeColorIndex", std::to_string(n + 100));
        value("KeySoundFile", "");
        value("PictureFile", n == 5 ? "five.gif" : "");
        line("");
    }
    return text;
}

class MainFormSettingsFile : public MainFormTest, public ::testing::WithParamInterface<TSettingsVariant> { };

} // namespace

TEST_P(MainFormSettingsFile, IsReadRightAndWrittenBackByteForByteWhenNothingChanged)
{
    const std::string text = SettingsText(GetParam());
    WriteIni(text);
    {
        TFrmKedoozle form;
        form.FormCreate();
        EXPECT_EQ(form.PbxDisplay()->State().PlayMode(), ShapeType);
        EXPECT_EQ(form.PbxDisplay()->State().EraseLimit(), 31);
        EXPECT_FALSE(form.Settings().SoundOn);
        EXPECT_EQ(KeyTable->Entry(5).PictureFile, "five.gif");
        EXPECT_EQ(KeyTable->Entry(88).ShapeColorIndex, 188);
        form.FormDestroy();
    }
    std::ifstream file(SettingsFilePath(), std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(after == text) << "the settings file changed";
    EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Variants, MainFormSettingsFile,
                         ::testing::Values(TSettingsVariant { "LF", "", "\n", "" },
                                           TSettingsVariant { "CRLF", "", "\r\n", "" },
                                           TSettingsVariant { "CRCRLF", "", "\r\r\n", "" },
                                           TSettingsVariant { "BOM", "\xEF\xBB\xBF", "\r\n", "" },
                                           TSettingsVariant { "TrailingBlanksAndTabs", "", "\n", " \t " },
                                           TSettingsVariant { "Everything", "\xEF\xBB\xBF", "\r\r\n", "\t " }));

TEST_F(MainFormTest, AWindowThatTakesTheKeyboardLeavesNoKeyHeld)
{
    TFrmKedoozle form;
    form.FormCreate();
    // The press that raises an error box: its key-up goes to the box, never here.
    EXPECT_TRUE(Down(form, VK_A));
    for (QEvent::Type type : { QEvent::WindowBlocked, QEvent::WindowUnblocked, QEvent::WindowDeactivate }) {
        EXPECT_FALSE(Down(form, VK_A)) << "still held";
        QEvent event(type);
        QCoreApplication::sendEvent(&form, &event);
        EXPECT_TRUE(Down(form, VK_B)) << "after event type " << type;
    }
    form.FormDestroy();
}
