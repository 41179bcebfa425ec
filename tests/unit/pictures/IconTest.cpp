#include "pictures/Icon.h"

#include "base/Exceptions.h"
#include "base/Stream.h"
#include "paint/Canvas.h"

#include "tests/support/LittleEndian.h"
#include "tests/support/TempDir.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;


// One image of an icon file: a bitmap (info header with doubled height, colour table, colour
// rows and mask rows, both bottom-up) or PNG bytes.
struct TIconImage {
    int Width { 2 };
    int Height { 2 };
    int Bits { 1 };
    TBytes Data;
};

// The colours are given top row first: palette indexes up to 8 bits, 0xAARRGGBB above. The
// mask too, top row first, 1 = canvas shows.
TIconImage BitmapImage(int width, int height, int bits, const std::vector<QRgb>& palette,
                       const std::vector<std::uint32_t>& pixels, const std::vector<int>& mask)
{
    TIconImage image { width, height, bits, {} };
    TBytes& d = image.Data;
    Put32(d, 40);             // header size
    Put32(d, width);          // width
    Put32(d, height * 2);     // height of colour and mask rows together
    Put16(d, 1);              // planes
    Put16(d, bits);           // bits per pixel
    Put32(d, 0);              // no compression
    Put32(d, 0);              // image size
    Put32(d, 0);              // pixels per metre x
    Put32(d, 0);              //   and y
    Put32(d, std::uint32_t(palette.size())); // colours used
    Put32(d, 0);              // important colours
    for (QRgb c : palette) {  // blue, green, red, reserved
        d.push_back(std::uint8_t(qBlue(c)));
        d.push_back(std::uint8_t(qGreen(c)));
        d.push_back(std::uint8_t(qRed(c)));
        d.push_back(0);
    }
    const std::size_t row = ((std::size_t(width) * std::size_t(bits) + 31) / 32) * 4;
    for (int y = height - 1; y >= 0; --y) {
        TBytes line(row, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[std::size_t(y * width + x)];
            switch (bits) {
            case 1: line[std::size_t(x / 8)] |= std::uint8_t((p & 1) << (7 - x % 8)); break;
            case 4: line[std::size_t(x / 2)] |= std::uint8_t((p & 15) << (x % 2 ? 0 : 4)); break;
            case 8: line[std::size_t(x)] = std::uint8_t(p); break;
            default:
                for (int i = 0; i < bits / 8; ++i)
                    line[std::size_t(x * (bits / 8) + i)] = std::uint8_t(p >> (8 * i));
            }
        }
        d.insert(d.end(), line.begin(), line.end());
    }
    const std::size_t maskRow = ((std::size_t(width) + 31) / 32) * 4;
    for (int y = height - 1; y >= 0; --y) {
        TBytes line(maskRow, 0);
        for (int x = 0; x < width; ++x)
            line[std::size_t(x / 8)] |= std::uint8_t((mask[std::size_t(y * width + x)] & 1) << (7 - x % 8));
        d.insert(d.end(), line.begin(), line.end());
    }
    return image;
}

TIconImage PngImage(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return { picture.width(), picture.height(), 32, TBytes(bytes.begin(), bytes.end()) };
}

// The icon file: header (reserved 0, type 1, count), 16-byte directory entries, then images.
TBytes IconFile(const std::vector<TIconImage>& images, std::uint16_t type = 1)
{
    TBytes f;
    Put16(f, 0);
    Put16(f, type);
    Put16(f, std::uint16_t(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (const TIconImage& image : images) {
        f.push_back(std::uint8_t(image.Width & 0xFF));  // 0 means 256
        f.push_back(std::uint8_t(image.Height & 0xFF));
        f.push_back(0);                                 // colour count
        f.push_back(0);                                 // reserved
        Put16(f, 1);                                    // planes
        Put16(f, std::uint16_t(image.Bits));            // bits per pixel
        Put32(f, std::uint32_t(image.Data.size()));     // bytes of the image
        Put32(f, offset);                               //   and where they start
        offset += std::uint32_t(image.Data.size());
    }
    for (const TIconImage& image : images)
        f.insert(f.end(), image.Data.begin(), image.Data.end());
    return f;
}

TIcon Load(const TBytes& file)
{
    TMemoryStream stream(std::vector<std::byte>(reinterpret_cast<const std::byte*>(file.data()),
                                                reinterpret_cast<const std::byte*>(file.data()) + file.size()));
    TIcon icon;
    icon.LoadFromStream(stream);
    return icon;
}

std::string LoadError(const TBytes& file)
{
    try {
        Load(file);
    } catch (const Exception& e) {
        return e.what();
    }
    return "";
}

// An icon drawn over a grey canvas of the given size.
QImage DrawnOnGrey(TIcon& icon, int width, int height)
{
    QImage target(width, height, QImage::Format_RGB32);
    target.fill(qRgb(100, 100, 100));
    TCanvas canvas(&target);
    canvas.StretchDraw(Rect(0, 0, width, height), icon);
    return target;
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

const std::vector<QRgb> TwoColours { qRgb(0, 0, 0), qRgb(255, 0, 0) };

} // namespace

TEST(Icon, KeepsTheLargestThenTheDeepestImage)
{
    const TIconImage small1 = BitmapImage(2, 2, 1, TwoColours, { 1, 1, 1, 1 }, { 0, 0, 0, 0 });
    const std::vector<QRgb> sixteen(16, qRgb(0, 128, 0));
    const TIconImage large4 = BitmapImage(4, 4, 4, sixteen, std::vector<std::uint32_t>(16, 3), std::vector<int>(16, 0));
    std::vector<QRgb> gray(256);
    for (int i = 0; i < 256; ++i)
        gray[std::size_t(i)] = qRgb(i, i, i);
    const TIconImage large8 = BitmapImage(4, 4, 8, gray, std::vector<std::uint32_t>(16, 200), std::vector<int>(16, 0));

    TIcon icon = Load(IconFile({ small1, large8, large4 }));
    EXPECT_EQ(icon.Width(), 4);
    EXPECT_EQ(icon.Height(), 4);
    EXPECT_EQ(icon.BitsPerPixel(), 8);
    EXPECT_EQ(At(icon.Image(), 3, 3), qRgb(200, 200, 200));

    // A PNG entry larger than the rest wins, whatever its order in the directory.
    QImage png(6, 5, QImage::Format_ARGB32);
    png.fill(qRgba(0, 0, 255, 255));
    png.setPixel(0, 0, qRgba(0, 0, 0, 0));
    icon = Load(IconFile({ PngImage(png), small1, large8 }));
    EXPECT_EQ(icon.Width(), 6);
    EXPECT_EQ(icon.Height(), 5);
    const QImage drawn = DrawnOnGrey(icon, 6, 5);
    EXPECT_EQ(At(drawn, 0, 0), qRgb(100, 100, 100));
    EXPECT_EQ(At(drawn, 5, 4), qRgb(0, 0, 255));
}

TEST(Icon, EachDepthReadsItsColoursRowsBottomUp)
{
    // Top row: colour 1 then 0; bottom row: 0 then 1.
    const std::vector<std::uint32_t> diagonal { 1, 0, 0, 1 };
    const std::vector<int> opaque(4, 0);
    TIcon one = Load(IconFile({ BitmapImage(2, 2, 1, TwoColours, diagonal, opaque) }));
    EXPECT_EQ(At(one.Image(), 0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(At(one.Image(), 1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(At(one.Image(), 1, 1), qRgb(255, 0, 0));

    std::vector<QRgb> sixteen(16, qRgb(1, 2, 3));
    sixteen[9] = qRgb(9, 90, 250);
    TIcon four = Load(IconFile({ BitmapImage(3, 1, 4, sixteen, { 0, 9, 0 }, { 0, 0, 0 }) }));
    EXPECT_EQ(At(four.Image(), 1, 0), qRgb(9, 90, 250));
    EXPECT_EQ(At(four.Image(), 2, 0), qRgb(1, 2, 3));

    TIcon true24 = Load(IconFile({ BitmapImage(2, 1, 24, {}, { 0x112233, 0xA0B0C0 }, { 0, 0 }) }));
    EXPECT_EQ(At(true24.Image(), 0, 0), qRgb(0x11, 0x22, 0x33));
    EXPECT_EQ(At(true24.Image(), 1, 0), qRgb(0xA0, 0xB0, 0xC0));
}

TEST(Icon, MaskKeepsTheCanvasAndInvertsUnderColour)
{
    // Mask set on the left column: black there keeps the canvas, white inverts it.
    const std::vector<QRgb> blackWhite { qRgb(0, 0, 0), qRgb(255, 255, 255) };
    TIcon icon = Load(IconFile({ BitmapImage(2, 2, 1, blackWhite, { 0, 1, 1, 0 }, { 1, 0, 1, 0 }) }));
    const QImage drawn = DrawnOnGrey(icon, 4, 4); // each pixel drawn 2 x 2
    EXPECT_EQ(At(drawn, 0, 0), qRgb(100, 100, 100));       // masked, black: canvas
    EXPECT_EQ(At(drawn, 1, 1), qRgb(100, 100, 100));
    EXPECT_EQ(At(drawn, 2, 0), qRgb(255, 255, 255));       // unmasked white
    EXPECT_EQ(At(drawn, 0, 2), qRgb(155, 155, 155));       // masked white: inverted canvas
    EXPECT_EQ(At(drawn, 3, 3), qRgb(0, 0, 0));             // unmasked black

    // A 32-bit image with alpha shows through its alpha, not its mask.
    TIcon alpha = Load(IconFile({ BitmapImage(2, 1, 32, {}, { 0xFF00FF00u, 0x00FF0000u }, { 1, 0 }) }));
    const QImage blended = DrawnOnGrey(alpha, 2, 1);
    EXPECT_EQ(At(blended, 0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(At(blended, 1, 0), qRgb(100, 100, 100));

    // A 32-bit image without any alpha falls back to the mask.
    TIcon noAlpha = Load(IconFile({ BitmapImage(2, 1, 32, {}, { 0x0000FF00u, 0x000000FFu }, { 0, 1 }) }));
    const QImage masked = DrawnOnGrey(noAlpha, 2, 1);
    EXPECT_EQ(At(masked, 0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(At(masked, 1, 0), qRgb(100, 100, 100 ^ 255));
}

TEST(Icon, DoesNotConvertIntoABitmap)
{
    TIcon icon = Load(IconFile({ BitmapImage(2, 2, 1, TwoColours, { 1, 1, 1, 1 }, { 0, 0, 0, 0 }) }));
    try {
        icon.ToImage();
        FAIL() << "an icon converted into a bitmap";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TIcon to a TBitmap");
    }
}

TEST(Icon, DamageGivesTheIconTextAndKeepsTheStream)
{
    const TBytes good = IconFile({ BitmapImage(2, 2, 1, TwoColours, { 1, 1, 1, 1 }, { 0, 0, 0, 0 }) });
    EXPECT_EQ(LoadError(good), "");
    EXPECT_EQ(LoadError({}), "Icon image is not valid");
    EXPECT_EQ(LoadError(IconFile({}, 1)), "Icon image is not valid");                 // no images
    EXPECT_EQ(LoadError(IconFile({ BitmapImage(2, 2, 1, TwoColours, { 1, 1, 1, 1 }, { 0, 0, 0, 0 }) }, 2)),
              "Icon image is not valid");                                             // a cursor file
    TBytes outside = good;
    outside[18] = 0xFF; // the image's offset points past the end
    outside[19] = 0xFF;
    EXPECT_EQ(LoadError(outside), "Icon image is not valid");
    TBytes badPng = IconFile({ { 4, 4, 32, { 0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 4, 0, 0, 0, 4, 8, 6, 0, 0, 0, 1, 2, 3, 4 } } });
    EXPECT_EQ(LoadError(badPng), "Icon image is not valid");
    // Cut anywhere: the icon text or a picture, never anything else.
    for (std::size_t length = 0; length < good.size(); ++length) {
        const std::string error = LoadError(TBytes(good.begin(), good.begin() + std::ptrdiff_t(length)));
        EXPECT_TRUE(error.empty() || error == "Icon image is not valid") << length << ": " << error;
    }

    // A failed read leaves the stream where it was.
    TMemoryStream stream(std::vector<std::byte>(4, std::byte { 0 }));
    TIcon icon;
    EXPECT_THROW(icon.LoadFromStream(stream), EInvalidGraphic);
    EXPECT_EQ(stream.Position(), 0u);
}

TEST(Icon, LoadsThroughThePictureHolderByExtension)
{
    RegisterIconFileFormats();
    TTempDir dir;
    const std::string path = (dir.Path() / "Smile.ICO").string();
    const TBytes file = IconFile({ BitmapImage(2, 2, 1, TwoColours, { 1, 0, 0, 1 }, { 0, 0, 0, 0 }) });
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    TPicture picture;
    picture.LoadFromFile(path);
    ASSERT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 2);
    TPicture::UnregisterFileFormats();
}
