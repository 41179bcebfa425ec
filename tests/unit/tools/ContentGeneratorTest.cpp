// The pieces of the default-content generator: colour reduction, the picture file writers
// (read back through the program's own picture classes), the key list and the key sounds.
#include "tools/contentgen/ImageFiles.h"
#include "tools/contentgen/KeyList.h"
#include "tools/contentgen/Melodies.h"

#include "base/Stream.h"
#include "pictures/Bitmap.h"
#include "pictures/GIFImage.h"
#include "pictures/JPEGImage.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <fstream>
#include <set>
#include <stdexcept>

using namespace contentgen;

namespace {

std::span<const std::byte> AsBytes(const TBytes& bytes) { return std::as_bytes(std::span(bytes)); }

// An odd-sized test card: `colours` distinct colours in bands, so each row differs from its
// neighbours (an interlaced GIF written in the wrong row order would not match).
QImage TestCard(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int c = (x * 7 + y * 13) % colours;
            image.setPixel(x, y, qRgb(c * 37 % 256, c * 91 % 256, (c * 5) % 256));
        }
    return image;
}

template <typename TPictureClass>
QImage Decode(const TBytes& file)
{
    TCustomMemoryStream stream(AsBytes(file));
    TPictureClass picture;
    picture.LoadFromStream(stream);
    return picture.ToImage().convertToFormat(QImage::Format_RGB32);
}

bool SamePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

} // namespace

TEST(ContentGenerator, QuantizeKeepsFewColoursExactAndMarksTransparentPixels)
{
    QImage card = TestCard(33, 21, 200);
    card.setPixel(0, 0, qRgba(10, 20, 30, 40));   // less than half opaque: transparent
    card.setPixel(1, 0, qRgba(200, 20, 30, 200)); // mostly opaque: keeps a colour
    const TIndexedImage indexed = Quantize(card, 256, false, QColor(1, 2, 3));
    ASSERT_EQ(indexed.TransparentIndex, int(indexed.Palette.size()) - 1);
    EXPECT_EQ(indexed.Palette.back() & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
    EXPECT_EQ(indexed.Pixels[0], indexed.TransparentIndex);
    EXPECT_EQ(indexed.Palette[indexed.Pixels[1]] & 0xFFFFFF, qRgb(200, 20, 30) & 0xFFFFFF);
    for (int y = 1; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            ASSERT_EQ(indexed.Palette[indexed.Pixels[std::size_t(y * card.width() + x)]] & 0xFFFFFF, card.pixel(x, y) & 0xFFFFFF);
}

TEST(ContentGenerator, QuantizeReducesAGradientCloselyWithDithering)
{
    QImage gradient(128, 128, QImage::Format_RGB32);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            gradient.setPixel(x, y, qRgb(x * 2, y * 2, 255 - x - y / 2));
    const TIndexedImage indexed = Quantize(gradient, 256, true);
    EXPECT_LE(indexed.Palette.size(), 256u);
    EXPECT_EQ(indexed.TransparentIndex, -1);
    // averaged over 8x8 blocks the dithered picture keeps the gradient's colours
    for (int by = 0; by < 128; by += 8)
        for (int bx = 0; bx < 128; bx += 8) {
            double error[3] {};
            for (int y = by; y < by + 8; ++y)
                for (int x = bx; x < bx + 8; ++x) {
                    const QRgb want = gradient.pixel(x, y);
                    const QRgb got = indexed.Palette[indexed.Pixels[std::size_t(y * 128 + x)]];
                    error[0] += qRed(got) - qRed(want);
                    error[1] += qGreen(got) - qGreen(want);
                    error[2] += qBlue(got) - qBlue(want);
                }
            for (double e : error)
                ASSERT_LT(std::fabs(e / 64), 6.0) << bx << "," << by;
        }
}

TEST(ContentGenerator, BitmapFilesReadBackPixelForPixel)
{
    for (int width : { 1, 2, 3, 5, 31 }) { // every row padding
        const QImage card = TestCard(width, 7, 50);
        EXPECT_TRUE(SamePixels(Decode<TBitmap>(EncodeBmp24(card)), card)) << "24-bit, width " << width;
        EXPECT_TRUE(SamePixels(Decode<TBitmap>(EncodeBmp8(Quantize(card, 256, false))), card)) << "8-bit, width " << width;
    }
}

TEST(ContentGenerator, GifFilesReadBackPixelForPixelInterlacedOrNot)
{
    for (bool interlaced : { false, true })
        for (int height : { 1, 2, 5, 9, 17, 30 }) { // every interlace pass, partly filled
            QImage card = TestCard(13, height, 120);
            const TBytes file = EncodeGif(Quantize(card, 256, false), interlaced, height % 2 ? "comment" : nullptr);
            ASSERT_GT(file.size(), 6u);
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data()), 6), "GIF89a");
            EXPECT_TRUE(SamePixels(Decode<TGIFImage>(file), card)) << "interlaced " << interlaced << ", height " << height;
        }
}

TEST(ContentGenerator, TransparentGifShowsItsBackgroundColourWhenMadeABitmap)
{
    QImage card = TestCard(16, 16, 30);
    for (int x = 0; x < 16; ++x)
        card.setPixel(x, 3, qRgba(0, 0, 0, 0));
    const TBytes file = EncodeGif(Quantize(card, 256, false, QColor(250, 240, 10)), true, nullptr);
    const QImage decoded = Decode<TGIFImage>(file);
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(decoded.pixel(x, 3) & 0xFFFFFF, qRgb(250, 240, 10) & 0xFFFFFF);
    EXPECT_EQ(decoded.pixel(0, 4) & 0xFFFFFF, card.pixel(0, 4) & 0xFFFFFF);
}

TEST(ContentGenerator, JpegFilesAreBaselineOrProgressiveAsAsked)
{
    const QImage card = TestCard(40, 30, 10);
    for (bool progressive : { false, true }) {
        const TBytes file = EncodeJpeg(card, progressive);
        const std::string text(file.begin(), file.end());
        EXPECT_NE(text.find(progressive ? "\xFF\xC2" : "\xFF\xC0"), std::string::npos) << progressive;
        EXPECT_EQ(text.find(progressive ? "\xFF\xC0" : "\xFF\xC2"), std::string::npos) << progressive;
        EXPECT_EQ(Decode<TJPEGImage>(file).size(), QSize(40, 30));
    }
}

TEST(ContentGenerator, KeyListOfTheDefaultContentIsComplete)
{
    const std::vector<TKeyContent> keys = ReadKeyList(std::string(KD_SOURCE_DIR) + "/content/keys.txt");
    ASSERT_EQ(keys.size(), 88u);
    std::set<std::string> spoken;
    for (const TKeyContent& key : keys)
        spoken.insert(key.Spoken);
    EXPECT_GE(spoken.size(), 86u); // only the two keypad twins ("minus", "slash") repeat
    EXPECT_EQ(keys[49].Caption, "Enter");
    EXPECT_EQ(TypeCode(keys[0].PictureFormat), 1);
}

TEST(ContentGenerator, KeyListRejectsBrokenLinesNamingThem)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("keys.txt").toStdString();
    std::string good;
    for (int n = 1; n <= 88; ++n)
        good += std::to_string(n) + "|K|kay|emoji X|gif|dots|bmp24|3|30\n";
    const auto fails = [&](const std::string& text, const std::string& expected) {
        std::ofstream(path, std::ios::trunc) << "# a comment\n" << text;
        try {
            ReadKeyList(path);
        } catch (const std::runtime_error& e) {
            return std::string(e.what()).find(expected) != std::string::npos;
        }
        return false;
    };
    std::ofstream(path, std::ios::trunc) << good;
    EXPECT_EQ(ReadKeyList(path).size(), 88u);
    const auto replaceLine = [&](int n, const std::string& line) {
        std::string text = good;
        const std::string old = std::to_string(n) + "|K|kay|emoji X|gif|dots|bmp24|3|30\n";
        text.replace(text.find("\n" + old) + 1, old.size(), line + "\n");
        return text;
    };
    EXPECT_TRUE(fails(replaceLine(5, "5|K|kay|emoji X|gif|dots|bmp24|14|30"), ":6: shape"));
    EXPECT_TRUE(fails(replaceLine(5, "5|K|kay|emoji X|gif|dots|bmp24|3|43"), ":6: shape colour"));
    EXPECT_TRUE(fails(replaceLine(7, "7|K|kay|emoji X|gif|dots|emf|3|30"), ":8: a pattern cannot be a metafile"));
    EXPECT_TRUE(fails(replaceLine(9, "9|K|kay|emoji X|png|dots|bmp24|3|30"), ":10: unknown picture format"));
    EXPECT_TRUE(fails(replaceLine(9, "10|K|kay|emoji X|gif|dots|bmp24|3|30"), ":10: entries must run"));
    EXPECT_TRUE(fails(good.substr(0, good.rfind("88|")), "87 entries"));
}

TEST(ContentGenerator, KeySoundsAreShortSoftAndDistinct)
{
    std::set<std::vector<float>> seen;
    for (int entry = 1; entry <= 88; ++entry) {
        const synth::TBuffer sound = KeySound(entry);
        EXPECT_GE(sound.Seconds(), 0.3) << entry;
        EXPECT_LE(sound.Seconds(), 0.8) << entry;
        float peak = 0;
        for (float s : sound.Samples)
            peak = std::max(peak, std::fabs(s));
        EXPECT_NEAR(peak, 0.7f, 0.001f) << entry; // loud enough, with headroom: never clips
        // no click where the sound starts or stops
        EXPECT_LT(std::fabs(sound.Samples.front()), 0.01f) << entry;
        EXPECT_LT(std::fabs(sound.Samples.back()), 0.01f) << entry;
        EXPECT_TRUE(seen.insert(sound.Samples).second) << "entry " << entry << " sounds like another key";
    }
}
