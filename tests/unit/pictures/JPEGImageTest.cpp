#include "pictures/JPEGImage.h"

#include "base/Exceptions.h"
#include "base/Stream.h"
#include "paint/Canvas.h"
#include "paint/ColorData.h"
#include "tests/support/FileContents.h"
#include "tests/support/JPEGEncode.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// Compresses `image` with the JPEG library itself: colour or grayscale, baseline or
// progressive.
std::vector<std::byte> EncodeJPEG(const QImage& source, bool grayscale = false, bool progressive = false, int quality = 95)
{
    const QImage image = source.convertToFormat(grayscale ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    const int components = grayscale ? 1 : 3;
    return EncodeJPEGRows(image.width(), image.height(), components, quality, progressive, [&](int y, JSAMPLE* row) {
        std::memcpy(row, image.constScanLine(y), std::size_t(image.width()) * std::size_t(components));
    });
}

// A smooth picture with many colours: gradients crossing each other (no sharp edges, which
// would ring).
QImage TestPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / (width - 1), y * 255 / (height - 1), (x + y) * 255 / (width + height - 2)));
    return image;
}

struct TDifference {
    int Max { 0 };
    double Mean { 0 };
};

TDifference Compare(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    TDifference d;
    long total = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            for (int diff : { qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q) }) {
                d.Max = std::max(d.Max, std::abs(diff));
                total += std::abs(diff);
            }
        }
    d.Mean = double(total) / (3.0 * x.width() * x.height());
    return d;
}

// Loads into a fresh picture made while the screen depth is `screenBits`.
std::unique_ptr<TJPEGImage> Load(const std::vector<std::byte>& bytes, int screenBits = 24)
{
    const int saved = ScreenBitsPerPixel;
    ScreenBitsPerPixel = screenBits;
    auto jpeg = std::make_unique<TJPEGImage>();
    ScreenBitsPerPixel = saved;
    TMemoryStream stream(bytes);
    jpeg->LoadFromStream(stream);
    return jpeg;
}

std::string ErrorText(int code) { return "JPEG error #" + std::to_string(code); }

TEST(JPEGImageTest, RoundTripsWithinTolerance)
{
    const QImage original = TestPicture(64, 48);
    auto jpeg = Load(EncodeJPEG(original));
    EXPECT_EQ(jpeg->Width(), 64);
    EXPECT_EQ(jpeg->Height(), 48);
    EXPECT_FALSE(jpeg->Grayscale());
    EXPECT_FALSE(jpeg->ProgressiveEncoding());
    EXPECT_EQ(jpeg->PixelFormat(), TJPEGPixelFormat::jf24Bit);
    EXPECT_FALSE(jpeg->Decoded()) << "the header alone is read at load";

    const QImage decoded = jpeg->ToImage();
    EXPECT_EQ(decoded.format(), QImage::Format_RGB888);
    ASSERT_EQ(decoded.size(), original.size());
    const TDifference d = Compare(original, decoded);
    EXPECT_LE(d.Max, 24);
    EXPECT_LE(d.Mean, 3.0);
}

TEST(JPEGImageTest, GrayscaleAndProgressiveFlagsComeFromTheHeader)
{
    const QImage original = TestPicture(40, 30);
    auto gray = Load(EncodeJPEG(original, true, false));
    EXPECT_TRUE(gray->Grayscale());
    EXPECT_FALSE(gray->ProgressiveEncoding());
    auto progressive = Load(EncodeJPEG(original, false, true));
    EXPECT_FALSE(progressive->Grayscale());
    EXPECT_TRUE(progressive->ProgressiveEncoding());
    auto both = Load(EncodeJPEG(original, true, true));
    EXPECT_TRUE(both->Grayscale());
    EXPECT_TRUE(both->ProgressiveEncoding());
    EXPECT_FALSE(both->Decoded());

    // A progressive file decodes as well as a baseline one.
    EXPECT_LE(Compare(original, progressive->ToImage()).Mean, 3.0);
}

int DistinctColors(const QImage& image)
{
    QSet<QRgb> colors;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colors.insert(image.pixel(x, y));
    return int(colors.size());
}

TEST(JPEGImageTest, EightBitScreensGetAtMost236Colours)
{
    const QImage original = TestPicture(96, 96);
    ASSERT_GT(DistinctColors(original), 236);
    auto jpeg = Load(EncodeJPEG(original), 8);
    EXPECT_EQ(jpeg->PixelFormat(), TJPEGPixelFormat::jf8Bit);
    const QImage decoded = jpeg->ToImage();
    ASSERT_EQ(decoded.format(), QImage::Format_Indexed8);
    EXPECT_LE(decoded.colorCount(), 236);
    EXPECT_GT(decoded.colorCount(), 100) << "the two-pass quantiser uses what it is given";
    EXPECT_LE(DistinctColors(decoded), 236);
    // Dithered, so close on average though not pixel by pixel.
    EXPECT_LE(Compare(original, decoded).Mean, 8.0);
}

TEST(JPEGImageTest, GrayscaleIsQuantisedEvenOnDeepScreens)
{
    const QImage original = TestPicture(64, 64);
    auto jpeg = Load(EncodeJPEG(original, true), 32);
    const QImage decoded = jpeg->ToImage();
    ASSERT_EQ(decoded.format(), QImage::Format_Indexed8);
    EXPECT_LE(decoded.colorCount(), 236);
    for (QRgb c : decoded.colorTable())
        EXPECT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c));
    const QImage expected = original.convertToFormat(QImage::Format_Grayscale8);
    EXPECT_LE(Compare(expected, decoded).Mean, 3.0);
}

// A CMYK file as print software writes it: Adobe marker, channels stored inverted. Left half
// red, right half blue.
std::vector<std::byte> EncodeAdobeCMYK(int width, int height)
{
    return EncodeJPEGRows(width, height, 4, 95, false, [width](int, JSAMPLE* row) {
        for (int x = 0; x < width; ++x) {
            // Inverted C, M, Y, K: red is M and Y full, blue is C and M full.
            const bool red = x < width / 2;
            JSAMPLE* p = &row[std::size_t(x) * 4];
            p[0] = red ? 255 : 0;
            p[1] = 0;
            p[2] = red ? 0 : 255;
            p[3] = 255;
        }
    });
}

TEST(JPEGImageTest, CMYKFilesShowTheirColours)
{
    const std::vector<std::byte> bytes = EncodeAdobeCMYK(32, 16);
    for (int screenBits : { 24, 8 }) {
        auto jpeg = Load(bytes, screenBits);
        const QImage decoded = jpeg->ToImage();
        ASSERT_EQ(decoded.size(), QSize(32, 16));
        EXPECT_EQ(decoded.format(), screenBits == 8 ? QImage::Format_Indexed8 : QImage::Format_RGB888);
        EXPECT_LE(decoded.colorCount(), 236);
        const QRgb left = decoded.pixel(4, 8);
        const QRgb right = decoded.pixel(28, 8);
        EXPECT_GT(qRed(left), 230) << screenBits;
        EXPECT_LT(qBlue(left), 25) << screenBits;
        EXPECT_GT(qBlue(right), 230) << screenBits;
        EXPECT_LT(qRed(right), 25) << screenBits;
    }
}

TEST(JPEGImageTest, DamagedHeaderFailsAtLoadWithTheLibraryCode)
{
    const std::vector<std::byte> good = EncodeJPEG(TestPicture(16, 16));

    std::vector<std::byte> noSOI = good;
    noSOI[1] = std::byte(0x00);
    try {
        Load(noSOI);
        FAIL() << "no error";
    } catch (const EJPEG& e) {
        EXPECT_EQ(e.what(), ErrorText(JERR_NO_SOI));
    }

    // The frame header's sample precision: 8 is all a baseline decoder takes.
    std::vector<std::byte> badPrecision = good;
    for (std::size_t i = 0; i + 4 < badPrecision.size(); ++i) {
        if (badPrecision[i] == std::byte(0xFF) && badPrecision[i + 1] == std::byte(0xC0)) {
            badPrecision[i + 4] = std::byte(7);
            break;
        }
    }
    try {
        Load(badPrecision);
        FAIL() << "no error";
    } catch (const EJPEG& e) {
        EXPECT_EQ(e.what(), ErrorText(JERR_BAD_PRECISION));
    }

    // The picture that was there stays, and so does the stream position.
    auto jpeg = Load(good);
    TMemoryStream stream(noSOI);
    EXPECT_THROW(jpeg->LoadFromStream(stream), EJPEG);
    EXPECT_EQ(stream.Position(), 0u);
    EXPECT_EQ(jpeg->Width(), 16);
    EXPECT_EQ(jpeg->ToImage().width(), 16);
}

TEST(JPEGImageTest, EmptyDataIsAnEmptyPicture)
{
    auto jpeg = Load({});
    EXPECT_TRUE(jpeg->Empty());
    EXPECT_EQ(jpeg->Width(), 0);
    EXPECT_EQ(jpeg->Height(), 0);
    EXPECT_TRUE(jpeg->ToImage().isNull());

    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));
    {
        TCanvas canvas(&target);
        canvas.StretchDraw(Rect(0, 0, 4, 4), *jpeg);
    }
    EXPECT_EQ(target.pixel(2, 2), qRgb(1, 2, 3));

    // Loading empty data over a picture empties it.
    auto other = Load(EncodeJPEG(TestPicture(8, 8)));
    TMemoryStream empty;
    other->LoadFromStream(empty);
    EXPECT_TRUE(other->Empty());
    EXPECT_TRUE(other->ToImage().isNull());
}

TEST(JPEGImageTest, DecodesOnceAndKeepsTheBitmap)
{
    auto jpeg = Load(EncodeJPEG(TestPicture(32, 32)));
    QImage target(32, 32, QImage::Format_RGB32);
    {
        TCanvas canvas(&target);
        canvas.StretchDraw(Rect(0, 0, 32, 32), *jpeg);
    }
    ASSERT_TRUE(jpeg->Decoded());
    const qint64 key = jpeg->ToImage().cacheKey();
    EXPECT_EQ(jpeg->ToImage().cacheKey(), key);
    EXPECT_LE(Compare(target, jpeg->ToImage()).Max, 1) << "drawing at natural size draws the kept bitmap";

    std::unique_ptr<TGraphic> clone = jpeg->Clone();
    EXPECT_STREQ(clone->ClassName(), "TJPEGImage");
    EXPECT_EQ(clone->ToImage().cacheKey(), key) << "a copy shares the decoded bitmap";

    // Asking for another pixel format decodes again, once.
    jpeg->SetPixelFormat(TJPEGPixelFormat::jf8Bit);
    EXPECT_FALSE(jpeg->Decoded());
    EXPECT_EQ(jpeg->ToImage().format(), QImage::Format_Indexed8);
}

// A large smooth picture compressed row by row, so the test never holds its pixels.
std::vector<std::byte> EncodeLargeJPEG(int width, int height)
{
    return EncodeJPEGRows(width, height, 3, 50, false, [&](int y, JSAMPLE* row) {
        for (int x = 0; x < width; ++x) {
            row[std::size_t(x) * 3] = JSAMPLE(x * 255 / (width - 1));
            row[std::size_t(x) * 3 + 1] = JSAMPLE(y * 255 / (height - 1));
            row[std::size_t(x) * 3 + 2] = 128;
        }
    });
}

TEST(JPEGImageTest, ScaleIsTheCoarsestThatStillCoversTheTarget)
{
    EXPECT_EQ(JPEGScaleFor(800, 600, 100, 75), 8);
    EXPECT_EQ(JPEGScaleFor(800, 600, 101, 75), 4);
    EXPECT_EQ(JPEGScaleFor(801, 601, 101, 76), 8); // an eighth of 801 rounds up to 101
    EXPECT_EQ(JPEGScaleFor(800, 600, 400, 10), 2);
    EXPECT_EQ(JPEGScaleFor(800, 600, 401, 10), 1);
    EXPECT_EQ(JPEGScaleFor(800, 600, 1600, 1200), 1);
    EXPECT_EQ(JPEGScaleFor(12000, 9000, 576, 324), 8);
}

TEST(JPEGImageTest, DrawnSmallDecodesAtAReducedScale)
{
    const QImage original = TestPicture(800, 600);
    auto jpeg = Load(EncodeJPEG(original));
    QImage target(100, 75, QImage::Format_RGB32);
    {
        TCanvas canvas(&target);
        canvas.StretchDraw(Rect(0, 0, 100, 75), *jpeg);
    }
    EXPECT_EQ(jpeg->DecodedScale(), 8);
    EXPECT_EQ(jpeg->Width(), 800) << "the picture keeps its own size";
    const QImage expected = original.scaled(100, 75, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LE(Compare(target, expected).Mean, 3.0);

    // The whole picture is decoded when it is asked for, and then serves every smaller draw.
    EXPECT_EQ(jpeg->ToImage().size(), QSize(800, 600));
    EXPECT_EQ(jpeg->DecodedScale(), 1);
    const qint64 key = jpeg->ToImage().cacheKey();
    {
        TCanvas canvas(&target);
        canvas.StretchDraw(Rect(0, 0, 100, 75), *jpeg);
    }
    EXPECT_EQ(jpeg->ToImage().cacheKey(), key);
}

TEST(JPEGImageTest, AHundredMegapixelPhotoDrawsAtPictureSize)
{
    // 12000 x 9000, as a phone's high-resolution mode takes them; drawn as large as the
    // biggest picture on a 1920 x 1080 screen.
    auto jpeg = Load(EncodeLargeJPEG(12000, 9000));
    ASSERT_EQ(jpeg->Width(), 12000);
    QImage target(576, 324, QImage::Format_RGB32);
    TCanvas canvas(&target);
    canvas.StretchDraw(Rect(0, 0, 576, 324), *jpeg);
    EXPECT_EQ(jpeg->DecodedScale(), 8);
    // Left edge dark red channel, right edge bright; top green dark, bottom bright.
    EXPECT_LT(qRed(target.pixel(2, 160)), 20);
    EXPECT_GT(qRed(target.pixel(573, 160)), 235);
    EXPECT_GT(qGreen(target.pixel(288, 321)), 235);
}

TEST(JPEGImageTest, TruncatedDataLoadsOrFailsWithTheJPEGError)
{
    const std::vector<std::byte> good = EncodeJPEG(TestPicture(24, 16), false, true);
    int headerFailures = 0;
    for (std::size_t length = 1; length < good.size(); ++length) {
        const std::vector<std::byte> cut(good.begin(), good.begin() + std::ptrdiff_t(length));
        std::unique_ptr<TJPEGImage> jpeg;
        try {
            jpeg = Load(cut);
        } catch (const EJPEG& e) {
            EXPECT_EQ(std::string(e.what()).rfind("JPEG error #", 0), 0u);
            ++headerFailures;
            continue;
        }
        EXPECT_EQ(jpeg->Width(), 24);
        try {
            EXPECT_EQ(jpeg->ToImage().size(), QSize(24, 16)) << length;
        } catch (const EJPEG&) {
        }
    }
    EXPECT_GT(headerFailures, 100) << "cuts inside the header fail at load";
}

TEST(JPEGImageTest, RegisteredExtensionsLoadJPEGPictures)
{
    RegisterJPEGFileFormats();
    QTemporaryDir dir;
    const std::vector<std::byte> bytes = EncodeJPEG(TestPicture(10, 6));
    for (const char* name : { "photo.JPG", "photo.Jpeg", "photo.jpg" }) {
        const std::string path = QDir(dir.path()).filePath(name).toStdString();
        ASSERT_TRUE(WriteAll(path, bytes));
        TPicture picture;
        picture.LoadFromFile(path);
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_STREQ(picture.Graphic()->ClassName(), "TJPEGImage");
        EXPECT_EQ(picture.Width(), 10);
    }
}

} // namespace
