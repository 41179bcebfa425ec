#include "play/PlayModes.h"

#include "base/Random.h"
#include "paint/ColorData.h"
#include "play/KeyData.h"
#include "play/PlayState.h"

#include "tests/support/SurfacePixels.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::uint16_t VK_A = 65;

// The drawing rules on a bare 640 x 400 canvas, no widget.
class PlayModesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorData(24, 0, 0);
        InitKeyData();
        RandSeed = 4242;
    }
    void TearDown() override { FinalizeKeyData(); }

    static QImage Blank()
    {
        QImage image(640, 400, QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    }

    TPlayState state;
};

} // namespace

TEST_F(PlayModesTest, AShapeCoversThePlayPointAndStaysInsideTheSurface)
{
    state.SetPlayMode(ShapeType);
    KeyTable->Entry(1).Shape = 7; // the diamond, 76 x 150
    KeyTable->Entry(1).ShapeColorIndex = 5; // red
    const QPoint points[] = { { 0, 0 }, { 639, 399 }, { 320, 200 }, { 5, 390 } };
    for (const QPoint& at : points) {
        QImage surface = Blank();
        TCanvas canvas(&surface);
        TPlayModes modes(canvas, 640, 400, state);
        modes.SetPlayPoint(TPoint { at.x(), at.y() });
        modes.Draw(VK_A);
        const QRect lit = LitBounds(surface);
        EXPECT_TRUE(QRect(0, 0, 640, 400).contains(lit)) << at.x() << "," << at.y();
        EXPECT_TRUE(modes.Touched().contains(lit)) << at.x() << "," << at.y();
        // The middle lies on the point, moved only as far as the surface's edges ask.
        EXPECT_LE(std::abs(lit.center().x() - std::clamp(at.x(), 38, 640 - 38)), 1) << at.x();
        EXPECT_LE(std::abs(lit.center().y() - std::clamp(at.y(), 75, 400 - 75)), 1) << at.y();
    }
}

TEST_F(PlayModesTest, ClassicTypeDrawsTheFigureTheGeneratorChose)
{
    // Replay the generator to find a seed whose figure is a large rectangle, then check that
    // its centre has the brush colour and its corner the pen colour.
    const int w = 640, h = 400;
    QImage surface = Blank();
    TCanvas canvas(&surface);
    TPlayModes modes(canvas, w, h, state);
    for (std::uint32_t seed = 1; seed < 5000; ++seed) {
        RandSeed = seed;
        int p[4][2];
        for (auto& point : p) {
            point[1] = Random(h);
            point[0] = Random(w);
        }
        const int x1 = std::min(p[0][0], p[1][0]), x2 = std::max(p[0][0], p[1][0]);
        const int y1 = std::min(p[0][1], p[1][1]), y2 = std::max(p[0][1], p[1][1]);
        const TColor brush = RandomColor();
        const TColor pen = RandomColor();
        const int penWidth = 1 + Random(5);
        const int figure = Random(5);
        if (figure != 0 || penWidth != 1 || x2 - x1 < 20 || y2 - y1 < 20 || brush == pen)
            continue;
        RandSeed = seed;
        modes.DrawClassicType();
        EXPECT_TRUE(modes.Touched().contains(QRect(x1, y1, x2 - x1, y2 - y1)));
        EXPECT_EQ(surface.pixel((x1 + x2) / 2, (y1 + y2) / 2) & 0xFFFFFF, QColor(GetRValue(brush), GetGValue(brush), GetBValue(brush)).rgb() & 0xFFFFFF);
        EXPECT_EQ(surface.pixel(x1, y1) & 0xFFFFFF, QColor(GetRValue(pen), GetGValue(pen), GetBValue(pen)).rgb() & 0xFFFFFF);
        EXPECT_EQ(surface.pixel(x2 - 1, y2 - 1) & 0xFFFFFF, QColor(GetRValue(pen), GetGValue(pen), GetBValue(pen)).rgb() & 0xFFFFFF);
        EXPECT_EQ(surface.pixel(x2, y2) & 0xFFFFFF, 0u); // right and bottom edges left out
        return;
    }
    FAIL() << "no seed gave a rectangle";
}
