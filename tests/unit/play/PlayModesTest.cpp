#include "play/PlayModes.h"

#include "base/Random.h"
#include "paint/ColorData.h"
#include "play/KeyData.h"
#include "play/PlayState.h"
#include "pictures/PictureFormats.h"

#include "tests/support/GIFTestData.h"
#include "tests/support/SurfacePixels.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>

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

TEST_F(PlayModesTest, AShapeLandsOnThePlayPointLeavingTheSurfaceOnlyAsFarAsItMust)
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
        EXPECT_EQ(surface.pixel(at) & 0xFFFFFF, 0xFF0000u) << at.x() << "," << at.y();
        EXPECT_TRUE(modes.Touched().contains(lit)) << at.x() << "," << at.y();
        // The middle lies on the point, as far as the surface's edges allow; at a corner the
        // diamond's point reaches out just far enough to take the click.
        const QPoint kept(std::clamp(at.x(), 38, 640 - 38), std::clamp(at.y(), 75, 400 - 75));
        const int slack = at == kept ? 1 : 40;
        EXPECT_LE(std::abs(lit.center().x() - kept.x()), slack) << at.x();
        EXPECT_LE(std::abs(lit.center().y() - kept.y()), slack) << at.y();
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

TEST_F(PlayModesTest, AClickAlwaysLandsOnItsDrawing)
{
    // Each click on a fresh surface of a colour no drawing uses; the pixel under the pointer
    // must be drawn, in every mode: figures of every kind and size, shapes with the point at
    // a corner of the surface, captions with hollow letters, a picture that is only a ring.
    RegisterPictureFormats();
    QTemporaryDir dir;
    QImage tile(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            tile.setPixel(x, y, (x + y) % 8 < 4 ? qRgb(250, 40, 40) : qRgb(40, 40, 250));
    const std::string pattern = dir.filePath("stripes.bmp").toStdString();
    ASSERT_TRUE(tile.save(QString::fromStdString(pattern), "BMP"));
    giftest::TGiflibFrame ring { 0, 0, 60, 60, false, 0, 0, std::vector<std::uint8_t>(60 * 60, 0) };
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            const int d2 = (x - 30) * (x - 30) + (y - 30) * (y - 30);
            if (d2 >= 22 * 22 && d2 <= 29 * 29)
                ring.Pixels[std::size_t(y * 60 + x)] = 1;
        }
    const std::string picture = dir.filePath("ring.gif").toStdString();
    const auto gif = giftest::GiflibEncode(60, 60, 4, { ring });
    std::ofstream(picture, std::ios::binary).write(reinterpret_cast<const char*>(gif.data()), std::streamsize(gif.size()));

    const QRgb ground = qRgb(1, 2, 3);
    const char* const captions[] = { "O", "8", "Enter", "W", "@" };
    std::mt19937 clicks(27);
    for (const std::uint8_t mode : { ClassicType, PatternType, ShapeType, PictureType, KeyType }) {
        state.SetPlayMode(mode);
        int missed = 0;
        const int count = 200;
        for (int click = 0; click < count; ++click) {
            TKeyEntry& entry = KeyTable->Entry(1);
            entry.Shape = std::uint8_t(click % 14);
            entry.ShapeColorIndex = std::uint8_t(click * 37 % ColorTableSize);
            entry.KeyName = captions[click % 5];
            entry.PatternFile = pattern;
            entry.PictureFile = picture;
            // A quarter of the clicks on the surface's edges and corners.
            TPoint at { int(clicks() % 640), int(clicks() % 400) };
            if (click % 4 == 0)
                at = { click % 8 == 0 ? 0 : 639, click % 16 < 8 ? int(clicks() % 400) : 399 };
            QImage surface(640, 400, QImage::Format_RGB32);
            surface.fill(ground);
            TCanvas canvas(&surface);
            TPlayModes modes(canvas, 640, 400, state);
            modes.SetPlayPoint(at);
            modes.Draw(VK_A);
            if (surface.pixel(at.X, at.Y) == ground)
                ++missed;
        }
        EXPECT_EQ(missed, 0) << "mode " << int(mode) << ": " << missed << " of " << count << " clicks left the pointer's pixel bare";
    }
}
