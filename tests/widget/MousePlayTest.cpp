#include "play/MousePlay.h"

#include "app/KeyThread.h"
#include "app/MainForm.h"
#include "app/ProgramPaths.h"
#include "base/Random.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "play/PlayState.h"
#include "widgetkit/Application.h"
#include "widgetkit/KDCtrls.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <set>

namespace {

// The smallest rectangle around the pixels that differ between two surfaces; empty for none.
QRect Changed(const QImage& before, const QImage& after)
{
    QRect box;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

class MousePlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorData(24, 0, 0);
        InitKeyData();
        RegisterPictureFormats();
        // Pictures and patterns from files, so every mode draws something.
        QImage picture(60, 40, QImage::Format_RGB32);
        picture.fill(qRgb(250, 120, 10));
        const std::string file = dir.filePath("picture.bmp").toStdString();
        picture.save(QString::fromStdString(file), "BMP");
        for (int n = 1; n <= KeyEntryCount; ++n) {
            KeyTable->Entry(n).KeyName = "W";
            KeyTable->Entry(n).Shape = 4; // square
            KeyTable->Entry(n).ShapeColorIndex = 30;
            KeyTable->Entry(n).PatternFile = file;
            KeyTable->Entry(n).PictureFile = file;
        }
        box.SetBounds(0, 0, 800, 600);
        box.show();
        play = std::make_unique<TMousePlay>(nullptr, [this](std::uint16_t key) { sounds.push_back(key); });
        play->Watch(&box);
        RandSeed = 31;
    }
    void TearDown() override
    {
        play.reset();
        FinalizeKeyData();
    }
    // Lets the mouse drawings waiting for the next frame happen.
    void NextFrame() { EXPECT_TRUE(QTest::qWaitFor([&] { return !play->Waiting(); }, 3000)); }

    QTemporaryDir dir;
    TKDPaintBox box;
    std::unique_ptr<TMousePlay> play;
    std::vector<std::uint16_t> sounds;
};

} // namespace

TEST_F(MousePlayTest, AClickDrawsOnceInEveryModeOverThePointerWithASound)
{
    const QPoint corners[] = { { 3, 4 }, { 796, 2 }, { 5, 597 }, { 798, 596 }, { 400, 300 } };
    for (std::uint8_t mode : { ClassicType, PatternType, ShapeType, PictureType, KeyType }) {
        box.State().SetPlayMode(mode);
        for (const QPoint& at : corners) {
            const QImage before = box.Surface().copy();
            const int count = box.State().DrawCount();
            const std::size_t played = sounds.size();
            QTest::mouseClick(&box, Qt::LeftButton, {}, at);
            NextFrame();
            ASSERT_EQ(box.State().DrawCount(), (count + 1) % 26) << int(mode);
            EXPECT_EQ(sounds.size(), played + 1);
            if (box.State().DrawCount() == 0)
                continue; // this click erased the surface first
            const QRect changed = Changed(before, box.Surface());
            // Every drawing lands on the pointer, at the surface's corners too.
            EXPECT_TRUE(changed.contains(at))
                << "mode " << int(mode) << " at " << at.x() << "," << at.y() << " changed " << changed.x() << ","
                << changed.y() << " " << changed.width() << "x" << changed.height();
        }
    }
    // Sounds are keys of the table, chosen at random.
    std::set<int> entries;
    for (std::uint16_t key : sounds)
        entries.insert(TKeys::KeyIndex(key));
    EXPECT_GT(entries.size(), 10u);
}

TEST_F(MousePlayTest, EveryButtonDrawsAndTheWheelDoesNothing)
{
    for (Qt::MouseButton button : { Qt::LeftButton, Qt::RightButton, Qt::MiddleButton }) {
        const int count = box.State().DrawCount();
        QTest::mouseClick(&box, button, {}, QPoint(100, 100));
        NextFrame();
        EXPECT_EQ(box.State().DrawCount(), count + 1) << button;
    }
    const QImage before = box.Surface().copy();
    QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::AltModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&box, &wheel);
    EXPECT_FALSE(play->Waiting());
    EXPECT_EQ(box.Surface(), before);
}

TEST_F(MousePlayTest, ADragLeavesOneTrailCountedOnce)
{
    box.State().SetPlayMode(ShapeType);
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(100, 300));
    NextFrame();
    const int afterPress = box.State().DrawCount();
    const QImage before = box.Surface().copy();
    for (int i = 1; i <= 200; ++i) {
        QMouseEvent move(QEvent::MouseMove, QPointF(100 + 3 * i, 300), QPointF(100 + 3 * i, 300), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &move);
    }
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(700, 300));
    NextFrame();
    EXPECT_EQ(box.State().DrawCount(), afterPress + 1);
    EXPECT_EQ(sounds.size(), 1u) << "a trail makes no sound";
    // One colour, unbroken from start to end.
    const QRgb colour = box.Surface().pixel(400, 300);
    EXPECT_NE(colour, before.pixel(400, 300));
    for (int x = 110; x <= 690; x += 5)
        ASSERT_EQ(box.Surface().pixel(x, 300), colour) << x;
}

TEST_F(MousePlayTest, AClickStormDrawsOncePerFrame)
{
    // 500 clicks arrive before the program gets to draw: one drawing, at the newest click.
    const int count = box.State().DrawCount();
    for (int i = 0; i < 500; ++i) {
        const QPointF at(10 + i, 200);
        QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&box, &press);
        QCoreApplication::sendEvent(&box, &release);
    }
    NextFrame();
    EXPECT_EQ(box.State().DrawCount(), count + 1) << "clicks of one frame are one drawing";
    EXPECT_EQ(sounds.size(), 1u);
}

TEST_F(MousePlayTest, ClicksCountTowardsTheEraseLimit)
{
    box.State().SetEraseLimit(3);
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(200, 200));
        NextFrame();
    }
    EXPECT_EQ(box.State().DrawCount(), 3);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(200, 200));
    NextFrame();
    EXPECT_EQ(box.State().DrawCount(), 0) << "the fourth drawing erased first";
}

TEST(MousePlaySetting, OffMeansClicksDrawNothingAndItIsNeverWritten)
{
    InitColorData(24, 0, 0);
    InitKeyData();
    RegisterPictureFormats();
    WinKeysUp = true;
    QTemporaryDir dir;
    SetProgramFolder(dir.path().toStdString());
    {
        std::ofstream(SettingsFilePath()) << "[Settings]\r\nMousePlay=0\r\n";
        TFrmKedoozle form;
        form.FormCreate();
        form.AlignChildren();
        EXPECT_FALSE(form.Settings().MousePlay);
        // Nobody takes the surface's clicks, so nothing waits to draw them.
        const QList<QObject*> children = form.findChildren<QObject*>();
        EXPECT_TRUE(std::none_of(children.begin(), children.end(),
                                 [](QObject* child) { return dynamic_cast<TMousePlay*>(child) != nullptr; }));
        QTest::mouseClick(form.PbxDisplay(), Qt::LeftButton, {}, QPoint(20, 20));
        EXPECT_EQ(form.PbxDisplay()->State().DrawCount(), 0);
        form.FormDestroy();
    }
    std::ifstream saved(SettingsFilePath());
    const std::string text((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("MousePlay=0"), std::string::npos) << "the parent's line stays as written";
    {
        std::ofstream(SettingsFilePath()) << "[Settings]\r\n";
        TFrmKedoozle form;
        form.FormCreate();
        form.AlignChildren();
        EXPECT_TRUE(form.Settings().MousePlay);
        QTest::mouseClick(form.PbxDisplay(), Qt::LeftButton, {}, QPoint(20, 20));
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.PbxDisplay()->State().DrawCount() == 1; }, 3000));
        form.FormDestroy();
    }
    std::ifstream again(SettingsFilePath());
    const std::string second((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>());
    EXPECT_EQ(second.find("MousePlay"), std::string::npos) << "the setting is only ever read";
    SetProgramFolder("");
    FinalizeKeyData();
}
