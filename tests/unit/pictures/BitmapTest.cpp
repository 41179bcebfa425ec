#include "pictures/Bitmap.h"

#include "base/Exceptions.h"
#include "base/Stream.h"
#include "paint/Canvas.h"
#include "tests/support/FileContents.h"
#include "tests/support/LittleEndian.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;


// Builds bitmap files field by field: file header, one of the info headers, optional masks
// after a 40-byte header, colour table, then pixel data exactly as given.
struct TBmpBuilder {
    std::uint32_t HeaderSize { 40 };
    std::int32_t Width { 1 };
    std::int32_t Height { 1 }; // negative: top-down
    std::uint16_t BitCount { 24 };
    std::uint32_t Compression { 0 };
    std::uint32_t ColorsUsed { 0 };
    std::vector<QRgb> Palette;     // written as BGR0 (or BGR triples in a core header)
    std::array<std::uint32_t, 4> Masks {};
    std::optional<std::uint32_t> PixelOffset; // default: right after the colour table
    TBytes Pixels;

    std::vector<std::byte> Build() const
    {
        TBytes header;
        header.push_back('B');
        header.push_back('M');
        TBytes dib;
        Put32(dib, HeaderSize);
        if (HeaderSize == 12) {
            Put16(dib, std::uint16_t(Width));
            Put16(dib, std::uint16_t(Height));
            Put16(dib, 1);
            Put16(dib, BitCount);
        } else {
            Put32(dib, std::uint32_t(Width));
            Put32(dib, std::uint32_t(Height));
            Put16(dib, 1);           // planes
            Put16(dib, BitCount);
            Put32(dib, Compression);
            Put32(dib, std::uint32_t(Pixels.size()));
            Put32(dib, 2835);        // 72 dpi
            Put32(dib, 2835);
            Put32(dib, ColorsUsed);
            Put32(dib, 0);           // important colours
            if (HeaderSize >= 52)
                for (int i = 0; i < 3; ++i)
                    Put32(dib, Masks[i]);
            if (HeaderSize >= 56)
                Put32(dib, Masks[3]);
            dib.resize(HeaderSize, 0); // colour space, gamma, intent, profile: zero
            if (HeaderSize == 40 && Compression == 3)
                for (int i = 0; i < 3; ++i)
                    Put32(dib, Masks[i]);
        }
        for (QRgb c : Palette) {
            dib.push_back(std::uint8_t(qBlue(c)));
            dib.push_back(std::uint8_t(qGreen(c)));
            dib.push_back(std::uint8_t(qRed(c)));
            if (HeaderSize != 12)
                dib.push_back(0);
        }
        const std::uint32_t offset = PixelOffset.value_or(std::uint32_t(14 + dib.size()));
        Put32(header, std::uint32_t(14 + dib.size() + Pixels.size()));
        Put32(header, 0);
        Put32(header, offset);
        TBytes all = header;
        all.insert(all.end(), dib.begin(), dib.end());
        all.insert(all.end(), Pixels.begin(), Pixels.end());
        std::vector<std::byte> bytes(all.size());
        std::memcpy(bytes.data(), all.data(), all.size());
        return bytes;
    }
};

// Packs pixel values row by row in file order (bottom-up unless top-down), padded to 32 bits.
TBytes PackRows(int width, int height, bool topDown, int bitCount, const std::function<std::uint32_t(int, int)>& value)
{
    TBytes out;
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        TBytes line;
        std::uint32_t acc = 0;
        int bits = 0;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bitCount < 8) {
                acc = (acc << bitCount) | v;
                bits += bitCount;
                if (bits == 8) {
                    line.push_back(std::uint8_t(acc));
                    acc = 0;
                    bits = 0;
                }
                continue;
            }
            for (int b = 0; b < bitCount / 8; ++b)
                line.push_back(std::uint8_t(v >> (8 * b)));
        }
        if (bits > 0)
            line.push_back(std::uint8_t(acc << (8 - bits)));
        while (line.size() % 4 != 0)
            line.push_back(0);
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

QImage Load(const std::vector<std::byte>& bytes)
{
    TMemoryStream stream(bytes);
    TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    return bitmap.Image();
}

// Either a decoded picture or the bitmap error, nothing else.
void ExpectDecodesOrInvalid(const std::vector<std::byte>& bytes)
{
    TMemoryStream stream(bytes);
    TBitmap bitmap;
    try {
        bitmap.LoadFromStream(stream);
        EXPECT_FALSE(bitmap.Empty());
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
        EXPECT_EQ(stream.Position(), 0u);
        EXPECT_TRUE(bitmap.Empty());
    }
}

QRgb PaletteColor(int i) { return qRgb((i * 37) & 0xFF, (i * 91 + 20) & 0xFF, (255 - i * 13) & 0xFF); }
QRgb TrueColor(int x, int y) { return qRgb(x * 30 + 5, y * 40 + 7, (x * y * 11 + 3) & 0xFF); }

constexpr int W = 7; // odd, so rows need padding and the last nibble/bits are partial
constexpr int H = 5;

struct TCase {
    std::uint32_t HeaderSize;
    int BitCount;
    bool TopDown;
};

class BitmapFormatTest : public ::testing::TestWithParam<TCase> {};

TEST_P(BitmapFormatTest, UncompressedDecodesToThePixels)
{
    const TCase c = GetParam();
    TBmpBuilder b;
    b.HeaderSize = c.HeaderSize;
    b.Width = W;
    b.Height = c.TopDown ? -H : H;
    b.BitCount = std::uint16_t(c.BitCount);
    const int colours = c.BitCount <= 8 ? 1 << c.BitCount : 0;
    for (int i = 0; i < colours; ++i)
        b.Palette.push_back(PaletteColor(i));
    auto index = [&](int x, int y) { return std::uint32_t((x + 3 * y) % colours); };
    b.Pixels = PackRows(W, H, c.TopDown, c.BitCount, [&](int x, int y) {
        if (c.BitCount <= 8)
            return index(x, y);
        return std::uint32_t(TrueColor(x, y) & 0xFFFFFF); // BGR(X) bytes, unused byte 0
    });

    const QImage image = Load(b.Build());
    ASSERT_EQ(image.width(), W);
    ASSERT_EQ(image.height(), H);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const QRgb expected = c.BitCount <= 8 ? PaletteColor(int(index(x, y))) : TrueColor(x, y);
            ASSERT_EQ(image.pixel(x, y), expected) << "at " << x << "," << y;
        }
}

std::vector<TCase> AllCases()
{
    std::vector<TCase> cases;
    for (int bits : { 1, 4, 8, 24 })
        cases.push_back({ 12, bits, false });
    for (std::uint32_t header : { 40u, 52u, 56u, 108u, 124u })
        for (int bits : { 1, 4, 8, 24, 32 })
            for (bool topDown : { false, true })
                cases.push_back({ header, bits, topDown });
    return cases;
}

INSTANTIATE_TEST_SUITE_P(HeadersAndDepths, BitmapFormatTest, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) {
                             return "H" + std::to_string(info.param.HeaderSize) + "_" + std::to_string(info.param.BitCount) +
                                 "bit" + (info.param.TopDown ? "_topdown" : "");
                         });

TEST(BitmapTest, SixteenBitDefaultsTo555)
{
    TBmpBuilder b;
    b.Width = 3;
    b.Height = 1;
    b.BitCount = 16;
    // 5-5-5: red 31, green 0, blue 0 | red 0, green 16, blue 1 | white (top bit unused)
    b.Pixels = PackRows(3, 1, false, 16, [](int x, int) { return std::array<std::uint32_t, 3> { 0x7C00, 0x0201, 0xFFFF }[x]; });
    const QImage image = Load(b.Build());
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 132, 8));
    EXPECT_EQ(image.pixel(2, 0), qRgb(255, 255, 255));
}

TEST(BitmapTest, BitFieldsOfAnyWidthScaleToFullRange)
{
    // 5-6-5 after a 40-byte header, in a V3 header, and 32-bit 10-10-10 and 2-bit fields.
    for (std::uint32_t header : { 40u, 56u, 108u }) {
        TBmpBuilder b;
        b.HeaderSize = header;
        b.Width = 2;
        b.BitCount = 16;
        b.Compression = 3;
        b.Masks = { 0xF800, 0x07E0, 0x001F, 0 };
        b.Pixels = PackRows(2, 1, false, 16, [](int x, int) { return x == 0 ? 0xF800u : 0x07FFu; });
        const QImage image = Load(b.Build());
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0)) << header;
        EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 255)) << header;
    }
    TBmpBuilder b;
    b.Width = 2;
    b.BitCount = 32;
    b.Compression = 3;
    b.Masks = { 0x3FF00000, 0x000FFC00, 0x00000003 }; // 10-bit red and green, 2-bit blue
    b.Pixels = PackRows(2, 1, false, 32, [](int x, int) { return x == 0 ? 0x3FF00002u : 0x00080001u; });
    const QImage image = Load(b.Build());
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 170));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 128, 85));
}

TEST(BitmapTest, AlphaMaskGivesTranslucencyUnlessAllZero)
{
    TBmpBuilder b;
    b.HeaderSize = 108;
    b.Width = 2;
    b.BitCount = 32;
    b.Compression = 3;
    b.Masks = { 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000 };
    b.Pixels = PackRows(2, 1, false, 32, [](int x, int) { return x == 0 ? 0x80FF0000u : 0xFF00FF00u; });
    QImage image = Load(b.Build());
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image.pixel(0, 0), qRgba(255, 0, 0, 0x80));
    EXPECT_EQ(image.pixel(1, 0), qRgba(0, 255, 0, 255));

    // Writers that leave alpha at zero everywhere mean an opaque picture.
    b.Pixels = PackRows(2, 1, false, 32, [](int x, int) { return x == 0 ? 0x00FF0000u : 0x0000FF00u; });
    image = Load(b.Build());
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
}

// The RLE test pictures are 6 x 4; palette index i is PaletteColor(i).
std::vector<QRgb> RlePalette(int count)
{
    std::vector<QRgb> palette;
    for (int i = 0; i < count; ++i)
        palette.push_back(PaletteColor(i));
    return palette;
}

TEST(BitmapTest, RunLength8WithAbsoluteRunsDeltaAndEscapes)
{
    TBmpBuilder b;
    b.Width = 6;
    b.Height = 4;
    b.BitCount = 8;
    b.Compression = 1;
    b.ColorsUsed = 8;
    b.Palette = RlePalette(8);
    b.Pixels = {
        4, 1, 0, 3, 2, 3, 4, 0, // row 0: 1 1 1 1, absolute 2 3 4 (padded), runs past the edge: clipped
        0, 0,                   // end of line
        0, 2, 2, 1,             // delta: right 2, up 1 -> row 2, x 2
        2, 5,                   // row 2: x 2..3 = 5
        0, 0,                   // end of line: row 3
        6, 7,                   // row 3: all 7
        0, 1,                   // end of bitmap
        9, 9,                   // never read
    };
    const QImage image = Load(b.Build());
    const QRgb black = qRgb(0, 0, 0);
    auto at = [&](int x, int fileRow) { return image.pixel(x, 3 - fileRow); };
    const std::array<int, 6> row0 { 1, 1, 1, 1, 2, 3 };
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(at(x, 0), PaletteColor(row0[x])) << x;
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(at(x, 1), black) << "skipped by the delta";
    EXPECT_EQ(at(1, 2), black);
    EXPECT_EQ(at(2, 2), PaletteColor(5));
    EXPECT_EQ(at(3, 2), PaletteColor(5));
    EXPECT_EQ(at(4, 2), black);
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(at(x, 3), PaletteColor(7));
}

TEST(BitmapTest, RunLength4AlternatesNibbles)
{
    TBmpBuilder b;
    b.Width = 6;
    b.Height = -2; // top-down
    b.BitCount = 4;
    b.Compression = 2;
    b.Palette = RlePalette(16);
    b.Pixels = {
        5, 0x12,          // 1 2 1 2 1
        0, 0,             // end of line
        0, 3, 0xAB, 0xC0, // absolute 3 nibbles: A B C, 2 bytes (already even)
        0, 2, 1, 0,       // delta right 1
        2, 0xEE,          // E E at x 4..5
        // the data ends without an end-of-bitmap: fine
    };
    const QImage image = Load(b.Build());
    const std::array<int, 6> row0 { 1, 2, 1, 2, 1, -1 };
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(image.pixel(x, 0), row0[x] < 0 ? qRgb(0, 0, 0) : PaletteColor(row0[x])) << x;
    const std::array<int, 6> row1 { 10, 11, 12, -1, 14, 14 };
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(image.pixel(x, 1), row1[x] < 0 ? qRgb(0, 0, 0) : PaletteColor(row1[x])) << x;
}

TEST(BitmapTest, ShortColourTableAndPixelOffsetFallback)
{
    TBmpBuilder b;
    b.Width = 4;
    b.Height = 1;
    b.BitCount = 8;
    b.ColorsUsed = 3;
    b.Palette = RlePalette(3);
    b.Pixels = { 0, 1, 2, 200 }; // 200 is beyond the table: black
    for (std::optional<std::uint32_t> offset : { std::optional<std::uint32_t>(), std::optional<std::uint32_t>(0u),
                                                 std::optional<std::uint32_t>(0xFFFFFFF0u) }) {
        b.PixelOffset = offset;
        const QImage image = Load(b.Build());
        EXPECT_EQ(image.pixel(0, 0), PaletteColor(0));
        EXPECT_EQ(image.pixel(2, 0), PaletteColor(2));
        EXPECT_EQ(image.pixel(3, 0), qRgb(0, 0, 0));
    }

    // An offset that skips a gap after the table is honoured.
    b.PixelOffset = 14 + 40 + 12 + 4;
    b.Pixels.insert(b.Pixels.begin(), { 0xEE, 0xEE, 0xEE, 0xEE });
    const QImage image = Load(b.Build());
    EXPECT_EQ(image.pixel(1, 0), PaletteColor(1));
}

TEST(BitmapTest, InvalidHeadersRaiseTheBitmapError)
{
    TBmpBuilder good;
    good.Width = 2;
    good.Height = 2;
    good.Pixels = PackRows(2, 2, false, 24, [](int, int) { return 0x123456u; });
    ASSERT_NO_THROW(Load(good.Build()));

    std::vector<std::function<void(TBmpBuilder&)>> breakages {
        [](TBmpBuilder& b) { b.HeaderSize = 64; },                   // unknown header
        [](TBmpBuilder& b) { b.Width = 0; },
        [](TBmpBuilder& b) { b.Width = -2; },
        [](TBmpBuilder& b) { b.Height = 0; },
        [](TBmpBuilder& b) { b.BitCount = 7; },
        [](TBmpBuilder& b) { b.Compression = 1; },                   // RLE8 on 24 bits
        [](TBmpBuilder& b) { b.Compression = 4; },                   // embedded JPEG
        [](TBmpBuilder& b) { b.Width = 100000; b.Height = 100000; }, // far beyond the limit
        [](TBmpBuilder& b) { b.Height = std::numeric_limits<std::int32_t>::min(); },
        [](TBmpBuilder& b) { b.Pixels.resize(6); },                  // a row short
    };
    for (std::size_t i = 0; i < breakages.size(); ++i) {
        TBmpBuilder b = good;
        breakages[i](b);
        EXPECT_THROW(Load(b.Build()), EInvalidGraphic) << "breakage " << i;
    }

    std::vector<std::byte> bytes = good.Build();
    bytes[1] = std::byte('A');
    EXPECT_THROW(Load(bytes), EInvalidGraphic);
    // A missing last-row padding is tolerated, as writers often leave it out.
    bytes = good.Build();
    bytes.resize(bytes.size() - 2);
    EXPECT_EQ(Load(bytes).pixel(1, 0), qRgb(0x12, 0x34, 0x56));
}

TEST(BitmapTest, FailedLoadKeepsPictureAndStreamPosition)
{
    TBmpBuilder b;
    b.Pixels = { 1, 2, 3, 0 };
    TBitmap bitmap;
    TMemoryStream good(b.Build());
    bitmap.LoadFromStream(good);
    EXPECT_EQ(good.Position(), good.Size());

    TMemoryStream bad(std::vector<std::byte>(10, std::byte('B')));
    bad.SetPosition(3);
    try {
        bitmap.LoadFromStream(bad);
        FAIL() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
    EXPECT_EQ(bad.Position(), 3u);
    EXPECT_EQ(bitmap.Image().pixel(0, 0), qRgb(3, 2, 1));
}

std::vector<std::vector<std::byte>> SampleFiles()
{
    std::vector<std::vector<std::byte>> files;
    for (TCase c : std::vector<TCase> { { 12, 8, false }, { 40, 4, false }, { 124, 24, true }, { 56, 32, false } }) {
        TBmpBuilder b;
        b.HeaderSize = c.HeaderSize;
        b.Width = 5;
        b.Height = 3;
        b.BitCount = std::uint16_t(c.BitCount);
        if (c.BitCount <= 8)
            b.Palette = RlePalette(1 << c.BitCount);
        b.Pixels = PackRows(5, 3, c.TopDown, c.BitCount, [](int x, int y) { return std::uint32_t(x + y); });
        files.push_back(b.Build());
    }
    TBmpBuilder rle;
    rle.Width = 6;
    rle.Height = 4;
    rle.BitCount = 8;
    rle.Compression = 1;
    rle.ColorsUsed = 4;
    rle.Palette = RlePalette(4);
    rle.Pixels = { 4, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 1 };
    files.push_back(rle.Build());
    rle.BitCount = 4;
    rle.Compression = 2;
    files.push_back(rle.Build());
    TBmpBuilder fields;
    fields.HeaderSize = 40;
    fields.Width = 3;
    fields.BitCount = 16;
    fields.Compression = 3;
    fields.Masks = { 0xF800, 0x07E0, 0x001F, 0 };
    fields.Pixels = PackRows(3, 1, false, 16, [](int x, int) { return std::uint32_t(x * 0x1234); });
    files.push_back(fields.Build());
    return files;
}

TEST(BitmapTest, EveryTruncationDecodesOrRaises)
{
    for (const auto& file : SampleFiles()) {
        for (std::size_t length = 0; length < file.size(); ++length)
            ExpectDecodesOrInvalid(std::vector<std::byte>(file.begin(), file.begin() + std::ptrdiff_t(length)));
        // Cut inside the headers it is always the error.
        EXPECT_THROW(Load(std::vector<std::byte>(file.begin(), file.begin() + 20)), EInvalidGraphic);
    }
}

TEST(BitmapTest, EveryCorruptedByteDecodesOrRaises)
{
    for (const auto& file : SampleFiles()) {
        for (std::size_t i = 0; i < file.size(); ++i) {
            for (std::uint8_t value : { std::uint8_t(0x00), std::uint8_t(0xFF), std::uint8_t(0x80), std::uint8_t(0x7F) }) {
                std::vector<std::byte> corrupted = file;
                corrupted[i] = std::byte(value);
                ExpectDecodesOrInvalid(corrupted);
            }
        }
    }
}

TEST(BitmapTest, HugeRunLengthClaimsStayWithinTheLimit)
{
    // 8192 x 8192 = the limit exactly: allowed, all black but the first pixel.
    TBmpBuilder b;
    b.Width = 8192;
    b.Height = 8192;
    b.BitCount = 8;
    b.Compression = 1;
    b.Palette = RlePalette(2);
    b.Pixels = { 1, 1 };
    const QImage image = Load(b.Build());
    EXPECT_EQ(image.pixel(0, 8191), PaletteColor(1));
    EXPECT_EQ(image.pixel(1, 8191), qRgb(0, 0, 0));
    b.Width = 8193;
    EXPECT_THROW(Load(b.Build()), EInvalidGraphic);
}

TEST(BitmapTest, DrawScalesIntoTheRectangle)
{
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 0, 255));
    TBitmap bitmap(source);

    QImage target(6, 4, QImage::Format_RGB32);
    target.fill(qRgb(0, 255, 0));
    {
        TCanvas canvas(&target);
        canvas.StretchDraw(Rect(1, 1, 5, 3), bitmap);
    }
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(target.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(3, 1), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(4, 2), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(5, 2), qRgb(0, 255, 0));
    EXPECT_EQ(target.pixel(4, 3), qRgb(0, 255, 0));
}

TEST(BitmapTest, CopiesShareNothingVisible)
{
    QImage indexed(2, 2, QImage::Format_Indexed8);
    indexed.setColorTable({ qRgb(1, 2, 3), qRgb(4, 5, 6) });
    indexed.fill(1);
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    bitmap.SetImage(indexed);
    EXPECT_EQ(bitmap.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(bitmap.Width(), 2);

    std::unique_ptr<TGraphic> clone = bitmap.Clone();
    EXPECT_STREQ(clone->ClassName(), "TBitmap");
    EXPECT_EQ(clone->ToImage().pixel(1, 1), qRgb(4, 5, 6));

    TBitmap other;
    other.Assign(*clone);
    bitmap.SetImage(QImage());
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(other.ToImage().pixel(0, 0), qRgb(4, 5, 6));
}

TEST(BitmapTest, RegisteredExtensionsLoadBitmaps)
{
    RegisterBitmapFileFormats();
    QTemporaryDir dir;
    TBmpBuilder b;
    b.Pixels = { 9, 8, 7, 0 };
    const std::vector<std::byte> bytes = b.Build();
    for (const char* name : { "picture.BMP", "picture.dib" }) {
        const std::string path = QDir(dir.path()).filePath(name).toStdString();
        ASSERT_TRUE(WriteAll(path, bytes));
        TPicture picture;
        picture.LoadFromFile(path);
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_STREQ(picture.Graphic()->ClassName(), "TBitmap");
        EXPECT_EQ(picture.Graphic()->ToImage().pixel(0, 0), qRgb(7, 8, 9));
    }
}

} // namespace
