#include "play/MonitorCovers.h"

#include "base/Random.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "play/CoverForm.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "play/PlayState.h"
#include "widgetkit/KDCtrls.h"

#include "tests/support/SurfacePixels.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

constexpr std::uint16_t VK_A = 65;

class MonitorCoversTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorData(24, 0, 0);
        InitKeyData();
        RegisterPictureFormats();
        RandSeed = 7;
        main.resize(640, 480);
        surface = new TKDPaintBox(&main);
        surface->SetBounds(0, 0, 608, 402);
    }
    void TearDown() override { FinalizeKeyData(); }

    // One key press as the main window makes it: counted once, then the main surface draws,
    // then the covers.
    void Press(TMonitorCovers& covers, std::uint16_t key)
    {
        const bool erase = surface->State().Plays() && surface->State().CountDrawing();
        surface->DrawKey(key, erase);
        covers.DrawKey(key, erase);
    }

    QWidget main;
    TKDPaintBox* surface { nullptr };
};

} // namespace

TEST_F(MonitorCoversTest, CoversFollowTheMonitorsByName)
{
    TMonitorCovers covers(&main, surface);
    covers.Cover({ { "DP-1", QRect(1024, 0, 1000, 700) }, { "DP-2", QRect(2024, 0, 800, 600) } });
    ASSERT_EQ(covers.Covers().size(), 2u);
    TFrmCover* first = covers.Covers()[0];
    EXPECT_EQ(first->geometry(), QRect(1024, 0, 1000, 700));
    EXPECT_TRUE(first->isVisible());
    // Each surface fills its monitor and takes its picture sizes from its own size.
    EXPECT_EQ(first->PbxDisplay()->size(), QSize(1000, 700));
    EXPECT_EQ(first->PbxDisplay()->PictureWidths(), (std::array<int, 3> { 100, 200, 300 }));
    EXPECT_EQ(first->PbxDisplay()->PictureHeights(), (std::array<int, 3> { 70, 140, 210 }));
    EXPECT_EQ(covers.Covers()[1]->PbxDisplay()->PictureWidths(), (std::array<int, 3> { 80, 160, 240 }));

    // DP-2 goes, DP-1 changes size and keeps its cover, DP-3 comes.
    covers.Cover({ { "DP-3", QRect(0, 768, 1024, 768) }, { "DP-1", QRect(1024, 0, 1280, 1024) } });
    ASSERT_EQ(covers.Covers().size(), 2u);
    EXPECT_EQ(covers.Covers()[0], first);
    EXPECT_EQ(first->geometry(), QRect(1024, 0, 1280, 1024));
    EXPECT_EQ(first->PbxDisplay()->size(), QSize(1280, 1024));
    EXPECT_EQ(first->PbxDisplay()->PictureWidths()[0], 128);
    EXPECT_EQ(covers.Covers()[1]->geometry(), QRect(0, 768, 1024, 768));

    covers.Cover({});
    EXPECT_TRUE(covers.Covers().empty());
    covers.Cover({ { "DP-1", QRect(1024, 0, 1000, 700) } });
    covers.CloseAll();
    EXPECT_TRUE(covers.Covers().empty());
    // Once closed for good, no monitor change brings a cover back.
    covers.Cover({ { "DP-1", QRect(1024, 0, 1000, 700) } });
    EXPECT_TRUE(covers.Covers().empty());
}

TEST_F(MonitorCoversTest, EveryPressDrawsOnEveryCoverInTheMainModeAndErasesTogether)
{
    TMonitorCovers covers(&main, surface);
    covers.Cover({ { "DP-1", QRect(1024, 0, 300, 200) } });
    surface->State().SetEraseLimit(2);
    surface->State().SetPlayMode(ShapeType);
    KeyTable->Entry(1).Shape = 0; // a circle
    KeyTable->Entry(1).ShapeColorIndex = 5; // red
    TKDPaintBox* cover = covers.Covers()[0]->PbxDisplay();

    Press(covers, VK_A);
    EXPECT_EQ(&cover->State(), &surface->State()); // one mode, one count for all surfaces
    EXPECT_EQ(cover->State().DrawCount(), 1);
    // The key's own shape in the key's own colour, inside the cover's own area.
    const QRect lit = LitBounds(cover->Surface());
    ASSERT_FALSE(lit.isEmpty());
    EXPECT_TRUE(QRect(0, 0, 300, 200).contains(lit));
    EXPECT_EQ(cover->Surface().pixel(lit.center()) & 0xFFFFFF, 0xFF0000u);

    // A monitor that comes later erases on the same press as the others.
    covers.Cover({ { "DP-1", QRect(1024, 0, 300, 200) }, { "DP-2", QRect(1324, 0, 300, 200) } });
    TKDPaintBox* late = covers.Covers()[1]->PbxDisplay();
    Press(covers, VK_A);
    EXPECT_EQ(surface->State().DrawCount(), 2);
    EXPECT_EQ(&late->State(), &surface->State());
    Press(covers, VK_A); // the third drawing erases first on every surface
    EXPECT_EQ(surface->State().DrawCount(), 0);
    for (TKDPaintBox* box : { surface, cover, late })
        EXPECT_EQ(LitBounds(box->Surface()).size(), QSize(100, 100)); // only the newest circle

    // A mode above 4 draws nowhere.
    surface->State().SetPlayMode(9);
    const QImage before = cover->Surface().copy();
    Press(covers, VK_A);
    EXPECT_EQ(cover->Surface(), before);
    EXPECT_EQ(surface->State().DrawCount(), 0);
}

TEST_F(MonitorCoversTest, ACoverHandsKeysToTheMainWindowAndIgnoresClicks)
{
    struct TKeyTarget : QWidget {
        int Keys { 0 };
        bool event(QEvent* e) override
        {
            if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)
                ++Keys;
            return QWidget::event(e);
        }
    } target;
    TFrmCover cover(&target, nullptr);
    cover.Cover(QRect(0, 0, 200, 100));
    EXPECT_TRUE(cover.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(cover.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(cover.windowFlags() & Qt::FramelessWindowHint);

    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(&cover, &press);
    QCoreApplication::sendEvent(&cover, &release);
    EXPECT_EQ(target.Keys, 2);

    const QImage before = cover.PbxDisplay()->Surface().copy();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(cover.PbxDisplay(), &click);
    EXPECT_EQ(cover.PbxDisplay()->Surface(), before);

    // Only the end of play closes a cover.
    EXPECT_FALSE(cover.close());
    EXPECT_TRUE(cover.isVisible());
    cover.AllowClose();
    EXPECT_TRUE(cover.close());
}
