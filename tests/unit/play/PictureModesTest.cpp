// PictureType and PatternType on a real surface, with picture files written by the test.
#include "play/KDPaintBox.h"
#include "widgetkit/KDCtrls.h"

#include "base/Exceptions.h"
#include "base/Random.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "play/KeyData.h"
#include "play/PlayState.h"

#include "tests/support/SurfacePixels.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <fstream>
#include <functional>

namespace {

constexpr std::uint16_t VK_A = 65;

// A picture whose every pixel tells its own place: red = x, green = y (mod 256), blue 200.
QImage PlacePattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 200));
    }
    return image;
}

struct TPatternDraw {
    TRect R;
    TPoint P2;
    int Figure;
    int PenWidth;
};

// Replays the random choices of one pattern drawing from `seed`.
TPatternDraw ReplayPattern(std::uint32_t seed, int w, int h)
{
    RandSeed = seed;
    int p[4][2];
    for (auto& point : p) {
        point[1] = Random(h);
        point[0] = Random(w);
    }
    RandomColor();
    RandomColor();
    TPatternDraw draw;
    draw.PenWidth = 1 + Random(5);
    draw.Figure = Random(4);
    draw.R = Rect(std::min(p[0][0], p[1][0]), std::min(p[0][1], p[1][1]), std::max(p[0][0], p[1][0]),
                  std::max(p[0][1], p[1][1]));
    draw.P2 = { p[2][0], p[2][1] };
    return draw;
}

std::uint32_t FindSeed(const std::function<bool(std::uint32_t)>& wanted)
{
    for (std::uint32_t seed = 1; seed < 200000; ++seed) {
        if (wanted(seed))
            return seed;
    }
    ADD_FAILURE() << "no seed found";
    return 0;
}

class PictureModes : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorData(24, 0, 0);
        InitKeyData();
        RegisterPictureFormats();
        box.SetBounds(0, 0, 1000, 700);
        box.OnMessage = [this](TKDPaintBox*, const std::string& text) { messages.push_back(text); };
        KeyTable->Entry(1).KeyName = "A";
    }
    void TearDown() override { FinalizeKeyData(); }

    std::string Save(const QImage& image, const char* name)
    {
        const std::string path = dir.filePath(name).toStdString();
        EXPECT_TRUE(image.save(QString::fromStdString(path)));
        return path;
    }

    QTemporaryDir dir;
    TKDPaintBox box;
    std::vector<std::string> messages;
};

} // namespace

TEST_F(PictureModes, PicturesTakeTheStepsSizeKeepingTheirProportions)
{
    struct TCase {
        int Width, Height, Step, ShownWidth, ShownHeight;
    };
    const TCase cases[] = {
        { 400, 200, 1, 200, 100 }, // wider than high: the width steps
        { 50, 50, 2, 210, 210 },   // square: the height steps
        { 100, 300, 0, 23, 70 },   // 70 / 300 * 100 = 23.3
    };
    box.State().SetPlayMode(PictureType);
    box.State().SetEraseLimit(0);
    for (const TCase& c : cases) {
        QImage picture(c.Width, c.Height, QImage::Format_RGB32);
        picture.fill(qRgb(255, 255, 0));
        KeyTable->Entry(1).PictureFile = Save(picture, "picture.bmp");
        const std::uint32_t seed = FindSeed([&](std::uint32_t s) {
            RandSeed = s;
            return Random(3) == c.Step;
        });
        RandSeed = seed;
        box.KeyPressed(VK_A);
        const QRect shown = LitBounds(box.Surface());
        EXPECT_EQ(shown.size(), QSize(c.ShownWidth, c.ShownHeight)) << c.Width << "x" << c.Height;
        EXPECT_TRUE(QRect(0, 0, 1000, 700).contains(shown));
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(PictureModes, PicturesAlwaysLieInsideTheSurface)
{
    QImage picture(37, 91, QImage::Format_RGB32);
    picture.fill(qRgb(0, 255, 255));
    KeyTable->Entry(1).PictureFile = Save(picture, "tall.bmp");
    box.State().SetPlayMode(PictureType);
    box.State().SetEraseLimit(0);
    RandSeed = 3;
    for (int press = 0; press < 40; ++press) {
        box.KeyPressed(VK_A);
        const QRect shown = LitBounds(box.Surface());
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_TRUE(QRect(0, 0, 1000, 700).contains(shown));
        EXPECT_TRUE(shown.height() == 70 || shown.height() == 140 || shown.height() == 210) << shown.height();
    }
}

TEST_F(PictureModes, MissingPicturesTraceWithoutTouchingTheSurface)
{
    box.State().SetPlayMode(PictureType);
    box.KeyPressed(VK_A);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Res:  PICTURE_1\r", 0), 0u);

    KeyTable->Entry(1).PictureFile = "Missing Picture.jpg";
    box.KeyPressed(VK_A);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].rfind("File: MISSING PICTURE.JPG\rMode: PictureType     CDir: ", 0), 0u) << messages[1];
    EXPECT_TRUE(LitBounds(box.Surface()).isEmpty());
    EXPECT_EQ(box.State().DrawCount(), 2);
}

TEST_F(PictureModes, DamagedPicturesAndUnknownExtensionsPassOut)
{
    box.State().SetPlayMode(PictureType);
    const std::string damaged = dir.filePath("damaged.bmp").toStdString();
    std::ofstream(damaged) << "BM this is not a bitmap";
    KeyTable->Entry(1).PictureFile = damaged;
    EXPECT_THROW(box.KeyPressed(VK_A), EInvalidGraphic);
    KeyTable->Entry(1).PictureFile = "picture.xyz";
    try {
        box.KeyPressed(VK_A);
        FAIL() << "no error for an unknown extension";
    } catch (const EInvalidGraphic& error) {
        EXPECT_STREQ(error.what(), "Unknown picture file extension (.xyz)");
    }
}

TEST_F(PictureModes, AnEmptyPictureIsAFailedLoadNotADivisionByZero)
{
    // A GIF whose logical screen is 0 x 0 reads without error but has no size.
    const unsigned char gif[] = { 'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0x3B };
    const std::string path = dir.filePath("empty.gif").toStdString();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(gif), sizeof gif);
    KeyTable->Entry(1).PictureFile = path;
    box.State().SetPlayMode(PictureType);
    box.KeyPressed(VK_A);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("(empty picture)"), std::string::npos) << messages[0];
    EXPECT_TRUE(LitBounds(box.Surface()).isEmpty());
}

TEST_F(PictureModes, APatternLargerThanItsRectangleShowsItsTopLeftPart)
{
    KeyTable->Entry(1).PatternFile = Save(PlacePattern(240, 240), "pattern.bmp");
    box.State().SetPlayMode(PatternType);
    const std::uint32_t seed = FindSeed([](std::uint32_t s) {
        const TPatternDraw d = ReplayPattern(s, 1000, 700);
        return d.Figure == 0 && d.R.Width() > 60 && d.R.Width() < 200 && d.R.Height() > 60 && d.R.Height() < 200;
    });
    const TPatternDraw d = ReplayPattern(seed, 1000, 700);
    RandSeed = seed;
    box.KeyPressed(VK_A);
    const QImage& surface = box.Surface();
    for (int y = d.R.Top + 6; y < d.R.Bottom - 6; y += 7) {
        for (int x = d.R.Left + 6; x < d.R.Right - 6; x += 7)
            ASSERT_EQ(surface.pixel(x, y), qRgb(x - d.R.Left, y - d.R.Top, 200)) << x << "," << y;
    }
    // Nothing outside the rectangle and its outline.
    EXPECT_EQ(surface.pixel(d.R.Right + 4, d.R.Top + 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(surface.pixel(d.R.Left + 10, d.R.Bottom + 4) & 0xFFFFFF, 0u);
    EXPECT_EQ(box.Canvas().Brush.Style(), TBrushStyle::bsSolid);
}

TEST_F(PictureModes, TrianglesContinueOneWallpaperFromTheSurfacesCorner)
{
    KeyTable->Entry(1).PatternFile = Save(PlacePattern(40, 30), "tile.bmp");
    box.State().SetPlayMode(PatternType);
    box.State().SetEraseLimit(100);
    for (int triangle = 0; triangle < 2; ++triangle) {
        const std::uint32_t seed = FindSeed([triangle](std::uint32_t s) {
            const TPatternDraw d = ReplayPattern(s + 1000 * triangle, 1000, 700);
            return d.Figure == 3 && d.R.Width() > 200 && d.R.Height() > 200;
        }) + 1000 * triangle;
        RandSeed = seed;
        box.KeyPressed(VK_A);
    }
    // Wherever a triangle's inside shows the pattern, it is the wallpaper laid from (0, 0).
    const QImage& surface = box.Surface();
    int checked = 0;
    for (int y = 0; y < 700; y += 3) {
        for (int x = 0; x < 1000; x += 3) {
            const QRgb pixel = surface.pixel(x, y);
            if (qBlue(pixel) != 200)
                continue;
            if (qRed(pixel) == x % 40 && qGreen(pixel) == y % 30)
                ++checked;
            else if (std::abs(qRed(pixel) - x % 40) > 1 || std::abs(qGreen(pixel) - y % 30) > 1)
                ADD_FAILURE() << "tile out of line at " << x << "," << y;
        }
    }
    EXPECT_GT(checked, 1000);
}

TEST_F(PictureModes, AMetafilePatternCannotBeTiled)
{
    // A placeable metafile header with a correct checksum, then an empty WMF.
    std::vector<unsigned char> wmf = { 0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0, 100, 0, 100, 0, 0x60, 0, 0, 0, 0, 0 };
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        checksum ^= std::uint16_t(wmf[i] | (wmf[i + 1] << 8));
    wmf.push_back(std::uint8_t(checksum));
    wmf.push_back(std::uint8_t(checksum >> 8));
    const unsigned char header[] = { 1, 0, 9, 0, 0, 3, 12, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0 };
    wmf.insert(wmf.end(), std::begin(header), std::end(header));
    const std::string path = dir.filePath("shape.wmf").toStdString();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(wmf.data()), std::streamsize(wmf.size()));
    KeyTable->Entry(1).PatternFile = path;
    box.State().SetPlayMode(PatternType);
    try {
        box.KeyPressed(VK_A);
        FAIL() << "a metafile pattern was tiled";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "Cannot assign a TMetafile to a TBitmap");
    }
    EXPECT_TRUE(LitBounds(box.Surface()).isEmpty());
}
