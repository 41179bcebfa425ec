#include "pictures/GIFImage.h"

#include "base/Exceptions.h"
#include "base/Stream.h"
#include "paint/Canvas.h"
#include "paint/ColorData.h"
#include "tests/support/FileContents.h"
#include "tests/support/GIFTestData.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace giftest;

namespace {

struct TLoaded {
    std::unique_ptr<TGIFImage> Image;
    std::shared_ptr<std::vector<std::string>> Warnings;
};

TLoaded Load(const TBytes& data)
{
    TLoaded loaded { std::make_unique<TGIFImage>(), std::make_shared<std::vector<std::string>>() };
    loaded.Image->OnWarning = [warnings = loaded.Warnings](const std::string& text) { warnings->push_back(text); };
    loaded.Image->LoadFromBytes(AsBytes(data));
    return loaded;
}

// The text of the error that loading raises, or "" when it loads.
std::string LoadError(const TBytes& data)
{
    try {
        Load(data);
    } catch (const Exception& e) {
        return e.what();
    }
    return {};
}

// "GIF89a", a logical screen of width x height with a global table of 4 colours:
// 0 (10, 20, 30), 1 (200, 0, 0), 2 (0, 0, 250), 3 (40, 40, 40).
TBuilder Header(int width, int height)
{
    TBuilder g;
    g.Text("GIF89a")                 // signature, version
        .Word(width)                 // logical screen width
        .Word(height)                //   and height
        .Add({ 0x81, 0, 0 })         // global table, 2 << 1 = 4 entries; background; aspect
        .Add({ 10, 20, 30, 200, 0, 0, 0, 0, 250, 40, 40, 40 });
    return g;
}

// An image descriptor followed by the pixels, LZW-coded with minimum code size 2.
void AddFrame(TBuilder& g, int left, int top, int width, int height, const TBytes& pixels, int packed = 0)
{
    g.Add({ 0x2C }).Word(left).Word(top).Word(width).Word(height).Add({ packed });
    g.Add({ 2 }).Add(SubBlocks(LzwEncode(pixels, 2)));
}

// Graphic control extension: transparent flag and index.
void AddTransparency(TBuilder& g, int index)
{
    g.Add({ 0x21, 0xF9, 4, 0x01, 0, 0, index, 0 });
}

TBytes TwoByTwo(bool transparent = false)
{
    TBuilder g = Header(2, 2);
    if (transparent)
        AddTransparency(g, 1);
    AddFrame(g, 0, 0, 2, 2, { 0, 1, 1, 2 });
    g.Add({ 0x3B });
    return g.Data;
}

struct TScreenDepth {
    explicit TScreenDepth(int bits) : m_saved(ScreenBitsPerPixel) { ScreenBitsPerPixel = bits; }
    ~TScreenDepth() { ScreenBitsPerPixel = m_saved; }
    int m_saved;
};

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }

} // namespace

TEST(GIFImage, ReadsHeaderColorTableAndFrame)
{
    const auto loaded = Load(TwoByTwo());
    const TGIFImage& gif = *loaded.Image;
    EXPECT_EQ(gif.Width(), 2);
    EXPECT_EQ(gif.Height(), 2);
    EXPECT_EQ(gif.GlobalColorMap().Count(), 4);
    EXPECT_EQ(gif.GlobalColorMap()[1], (TGIFColor { 200, 0, 0 }));
    ASSERT_EQ(gif.Images().Count(), 1);
    EXPECT_EQ(gif.Images()[0].Pixels(), (TBytes { 0, 1, 1, 2 }));
    EXPECT_TRUE(loaded.Warnings->empty());
}

TEST(GIFImage, DataBehindFourByteLengthReadsTheSame)
{
    const TBytes plain = TwoByTwo();
    TBuilder prefixed;
    prefixed.Add({ int(plain.size()), 0, 0, 0 }).Add(plain);
    const auto loaded = Load(prefixed.Data);
    ASSERT_EQ(loaded.Image->Images().Count(), 1);
    EXPECT_EQ(loaded.Image->Images()[0].Pixels(), (TBytes { 0, 1, 1, 2 }));

    // Lower-case signatures are accepted too.
    TBytes lower = plain;
    lower[0] = 'g';
    EXPECT_EQ(Load(lower).Image->Images().Count(), 1);
}

TEST(GIFImage, ZeroWidthFrameTakesTheLogicalScreenSize)
{
    TBuilder g = Header(3, 2);
    g.Add({ 0x2C }).Word(0).Word(0).Word(0).Word(5).Add({ 0 }); // width 0
    g.Add({ 2 }).Add(SubBlocks(LzwEncode(TBytes { 1, 2, 3, 3, 2, 1 }, 2))).Add({ 0x3B });
    const auto loaded = Load(g.Data);
    const TGIFSubImage& frame = loaded.Image->Images()[0];
    EXPECT_EQ(frame.Width, 3);
    EXPECT_EQ(frame.Height, 2);
    EXPECT_EQ(frame.Pixels(), (TBytes { 1, 2, 3, 3, 2, 1 }));
    EXPECT_EQ(*loaded.Warnings, std::vector<std::string> { "Image exceeds Logical Screen size" });

    // A screen 0 pixels wide leaves an interlaced frame without pixels, and nothing to draw.
    TBuilder zero = Header(0, 5);
    AddFrame(zero, 0, 0, 0, 5, { 1 }, 0x40);
    const auto empty = Load(zero.Data);
    EXPECT_TRUE(empty.Image->Images()[0].Empty());
    EXPECT_THROW(empty.Image->ToImage(), EGIFException);
}

TEST(GIFImage, EarlyEndKeepsTransparentIndexOrZero)
{
    // Codes for 2 of 4 pixels (clear, 3, 3, end), minimum code size 2.
    const TBytes codes = PackCodes({ { 4, 3 }, { 3, 3 }, { 3, 3 }, { 5, 3 } });
    for (bool transparent : { false, true }) {
        TBuilder g = Header(2, 2);
        if (transparent)
            AddTransparency(g, 2);
        g.Add({ 0x2C }).Word(0).Word(0).Word(2).Word(2).Add({ 0 });
        g.Add({ 2 }).Add(SubBlocks(codes)).Add({ 0x3B });
        const auto loaded = Load(g.Data);
        const int fill = transparent ? 2 : 0;
        EXPECT_EQ(loaded.Image->Images()[0].Pixels(), (TBytes { 3, 3, std::uint8_t(fill), std::uint8_t(fill) }));
    }

    // Without the end code, the missing bits are reported and the frame is kept: after
    // clear and 3 two bits are left, too few for a 3-bit code.
    TBuilder g = Header(2, 2);
    AddTransparency(g, 1);
    g.Add({ 0x2C }).Word(0).Word(0).Word(2).Word(2).Add({ 0 });
    g.Add({ 2, 1 }).Add(PackCodes({ { 4, 3 }, { 3, 3 } })).Add({ 0, 0x3B });
    const auto loaded = Load(g.Data);
    EXPECT_EQ(loaded.Image->Images()[0].Pixels(), (TBytes { 3, 1, 1, 1 }));
    EXPECT_EQ(*loaded.Warnings, std::vector<std::string> { "Decoder bit buffer under-run" });
}

TEST(GIFImage, EarlyEndInALargeFrameKeepsTheFillEverywhereAfter)
{
    // 40 x 10 (interlaced and not), transparent index 3; the data codes only the first 205
    // pixels, long runs among them, and then the end code.
    const TBytes all = PatternPixels(40, 10, 3, 21);
    const TBytes head(all.begin(), all.begin() + 205);
    for (int packed : { 0x00, 0x40 }) {
        TBuilder g = Header(40, 10);
        AddTransparency(g, 3);
        g.Add({ 0x2C }).Word(0).Word(0).Word(40).Word(10).Add({ packed });
        g.Add({ 2 }).Add(SubBlocks(LzwEncode(head, 2))).Add({ 0x3B });
        TBytes expected(400, 3);
        std::copy(head.begin(), head.end(), expected.begin());
        if (packed) {
            // Coded rows 0..4 and 5 pixels of row 5 land on rows 0, 8, 4, 2, 6, 1.
            const int rows[] = { 0, 8, 4, 2, 6, 1 };
            std::fill(expected.begin(), expected.end(), 3);
            for (int i = 0; i < 205; ++i)
                expected[std::size_t(rows[i / 40] * 40 + i % 40)] = head[std::size_t(i)];
        }
        EXPECT_EQ(Load(g.Data).Image->Images()[0].Pixels(), expected) << packed;
    }
}

TEST(GIFImage, InterlacedRowsComeInFourPasses)
{
    // 1 x 5, interlaced (packed 0x40): the coded rows fill rows 0, 4, 2, 1, 3.
    TBuilder g = Header(1, 5);
    AddFrame(g, 0, 0, 1, 5, { 0, 1, 2, 3, 0 }, 0x40);
    g.Add({ 0x3B });
    EXPECT_EQ(Load(g.Data).Image->Images()[0].Pixels(), (TBytes { 0, 3, 2, 0, 1 }));
}

TEST(GIFImage, StrayZerosBetweenBlocksAreSkippedSilently)
{
    TBuilder g = Header(2, 2);
    g.Add({ 0, 0, 0 });
    AddFrame(g, 0, 0, 2, 2, { 0, 1, 1, 2 });
    g.Add({ 0, 0 });
    AddFrame(g, 0, 0, 2, 2, { 3, 3, 3, 3 });
    g.Add({ 0, 0x3B });
    const auto loaded = Load(g.Data);
    ASSERT_EQ(loaded.Image->Images().Count(), 2);
    EXPECT_EQ(loaded.Image->Images()[1].Pixels(), (TBytes { 3, 3, 3, 3 }));
    EXPECT_TRUE(loaded.Warnings->empty());
}

TEST(GIFImage, MissingTrailerOrStrayBytesAfterLastFrameStillLoad)
{
    TBytes noTrailer = TwoByTwo();
    noTrailer.pop_back();
    auto loaded = Load(noTrailer);
    EXPECT_EQ(loaded.Image->Images().Count(), 1);
    EXPECT_TRUE(loaded.Warnings->empty());

    TBytes stray = noTrailer;
    stray.insert(stray.end(), { 'j', 'u', 'n', 'k' });
    loaded = Load(stray);
    EXPECT_EQ(loaded.Image->Images().Count(), 1);
    EXPECT_EQ(*loaded.Warnings, (std::vector<std::string> { "Unknown GIF block type", "Invalid Image trailer" }));

    // The program sets no warning sink: such a picture loads and draws without a word.
    TGIFImage quiet;
    quiet.LoadFromBytes(AsBytes(stray));
    QImage target(2, 2, QImage::Format_RGB32);
    TCanvas canvas(&target);
    quiet.Draw(canvas, Rect(0, 0, 2, 2));
    EXPECT_EQ(At(target, 1, 1), qRgb(0, 0, 250));
}

TEST(GIFImage, ToleratedDefectsAreReportedAndReadingGoesOn)
{
    // A graphic control extension cut short by the end of the data: ignored.
    TBuilder cut = Header(2, 2);
    AddFrame(cut, 0, 0, 2, 2, { 0, 1, 1, 2 });
    cut.Add({ 0x21, 0xF9, 4, 0x01 });
    auto loaded = Load(cut.Data);
    EXPECT_EQ(loaded.Image->Images().Count(), 2);
    EXPECT_EQ(*loaded.Warnings, std::vector<std::string> { "Premature end of data" });
    EXPECT_FALSE(loaded.Image->Images()[1].Transparent());

    // A stray zero inside a frame's extension list ends the list; the image that follows
    // becomes a frame of its own and is the one drawn.
    TBuilder split = Header(2, 2);
    split.Add({ 0x21, 0xFE, 1, 'x', 0 }); // comment "x"
    split.Add({ 0 });
    AddFrame(split, 0, 0, 2, 2, { 3, 3, 3, 3 });
    split.Add({ 0x3B });
    loaded = Load(split.Data);
    EXPECT_EQ(*loaded.Warnings, std::vector<std::string> { "Invalid extension introducer" });
    ASSERT_EQ(loaded.Image->Images().Count(), 2);
    EXPECT_TRUE(loaded.Image->Images()[0].Empty());
    EXPECT_EQ(loaded.Image->ToImage().pixel(0, 0), qRgb(40, 40, 40));

    // A looping extension whose sub-block length byte is the last byte of the data.
    TBuilder lastByte = Header(2, 2);
    lastByte.Add({ 0x21, 0xFF, 11 }).Text("NETSCAPE2.0").Add({ 3 });
    loaded = Load(lastByte.Data);
    EXPECT_EQ(*loaded.Warnings, std::vector<std::string> { "Premature end of data" });

    // A sub-block longer than the data: cut, reported, decoded as far as it goes.
    TBuilder longBlock = Header(2, 2);
    longBlock.Add({ 0x2C }).Word(0).Word(0).Word(2).Word(2).Add({ 0 });
    longBlock.Add({ 2, 200 }).Add(PackCodes({ { 4, 3 }, { 2, 3 }, { 2, 3 } }));
    loaded = Load(longBlock.Data);
    EXPECT_EQ(loaded.Image->Images()[0].Pixels()[0], 2);
    EXPECT_EQ(loaded.Warnings->front(), "Premature end of data");
}

TEST(GIFImage, ApplicationExtensionCutShortAfterAnImageKeepsThePicture)
{
    // A whole picture, then a looping extension cut at every byte from its block size on:
    // the cut bytes are passed over with at most one report and the picture still draws.
    TBuilder whole = Header(2, 2);
    AddFrame(whole, 0, 0, 2, 2, { 0, 1, 1, 2 });
    const std::size_t imageEnd = whole.Data.size();
    whole.Add({ 0x21, 0xFF, 13 }).Text("NETSCAPE2.0").Add({ 'x', 'y' }).Add({ 3, 1, 5, 0, 0 });
    for (std::size_t length = imageEnd + 2; length < whole.Data.size() - 1; ++length) {
        const TBytes cut(whole.Data.begin(), whole.Data.begin() + std::ptrdiff_t(length));
        const auto loaded = Load(cut);
        ASSERT_GE(loaded.Image->Images().Count(), 1) << length;
        EXPECT_EQ(loaded.Image->Images()[0].Pixels(), (TBytes { 0, 1, 1, 2 })) << length;
        // A cut between sub-blocks reads like data without its terminator: nothing to report.
        EXPECT_LE(loaded.Warnings->size(), 1u) << length;
        if (!loaded.Warnings->empty()) {
            EXPECT_EQ(loaded.Warnings->front(), "Premature end of data") << length;
        }
        EXPECT_EQ(loaded.Image->ToImage().pixel(1, 1), qRgb(0, 0, 250)) << length;
    }

    // A complete sub-block that is too short for its kind is still invalid.
    TBuilder shortBlock = Header(2, 2);
    shortBlock.Add({ 0x21, 0xFF, 11 }).Text("NETSCAPE2.0").Add({ 2, 1, 5, 0 });
    AddFrame(shortBlock, 0, 0, 2, 2, { 0, 1, 1, 2 });
    EXPECT_EQ(LoadError(shortBlock.Data), "Invalid GIF data");
}

TEST(GIFImage, OnlyTheShownFrameKeepsItsPixels)
{
    // 130 full-HD frames of a few bytes each (clear code, then end code: every pixel takes
    // the fill), as a long animation of one colour compresses to; 270 megapixels unfolded.
    TBuilder g = Header(1920, 1080);
    for (int i = 0; i < 130; ++i) {
        g.Add({ 0x2C }).Word(0).Word(0).Word(1920).Word(1080).Add({ 0 });
        g.Add({ 2 }).Add(SubBlocks(PackCodes({ { 4, 3 }, { 5, 3 } })));
    }
    g.Add({ 0x3B });
    ASSERT_LT(g.Data.size(), 4000u);
    const auto loaded = Load(g.Data);
    ASSERT_EQ(loaded.Image->Images().Count(), 130);
    EXPECT_TRUE(loaded.Warnings->empty());
    EXPECT_TRUE(loaded.Image->Images()[0].PixelsHeld());
    for (int i = 1; i < 130; ++i)
        ASSERT_FALSE(loaded.Image->Images()[i].PixelsHeld()) << i;
    QImage target(576, 324, QImage::Format_RGB32);
    target.fill(qRgb(1, 1, 1));
    TCanvas canvas(&target);
    loaded.Image->Draw(canvas, Rect(0, 0, 576, 324));
    EXPECT_EQ(At(target, 300, 200), qRgb(10, 20, 30));

    // A later frame is still there to be read when asked for, decoded from its codes.
    TBuilder two = Header(2, 2);
    AddFrame(two, 0, 0, 2, 2, { 0, 1, 1, 2 });
    AddFrame(two, 0, 0, 2, 2, { 3, 2, 1, 0 }, 0x40); // interlaced
    two.Add({ 0x3B });
    const auto both = Load(two.Data);
    const TGIFSubImage& second = both.Image->Images()[1];
    EXPECT_FALSE(second.Empty());
    EXPECT_FALSE(second.PixelsHeld());
    EXPECT_EQ(second.Pixels(), (TBytes { 3, 2, 1, 0 }));
    const std::unique_ptr<TGraphic> copy = both.Image->Clone();
    EXPECT_EQ(dynamic_cast<TGIFImage&>(*copy).Images()[1].Pixels(), (TBytes { 3, 2, 1, 0 }));

    // Damage in a later frame is still found and reported.
    TBuilder damaged = Header(2, 2);
    AddFrame(damaged, 0, 0, 2, 2, { 0, 1, 1, 2 });
    damaged.Add({ 0x2C }).Word(0).Word(0).Word(2).Word(2).Add({ 0 });
    damaged.Add({ 2, 1 }).Add(PackCodes({ { 4, 3 } })).Add({ 0 }); // clear code, then nothing
    damaged.Add({ 0x3B });
    const auto reported = Load(damaged.Data);
    EXPECT_EQ(*reported.Warnings, std::vector<std::string> { "Decoder bit buffer under-run" });
}

TEST(GIFImage, ExtensionsAreKeptWithTheirFrame)
{
    TBuilder g = Header(2, 2);
    g.Add({ 0x21, 0xFF, 11 }).Text("NETSCAPE2.0").Add({ 3, 1, 5, 0, 0 });       // loop 5 times
    g.Add({ 0x21, 0xFF, 11 }).Text("XMP DataXMP").Add({ 2, 'a', 'b', 1, 'c', 0 }); // two blocks
    g.Add({ 0x21, 0xFE, 3 }).Text("hi ").Add({ 2 }).Text("yo").Add({ 0 });        // comment
    g.Add({ 0x21, 0x01, 12 }).Word(1).Word(2).Word(30).Word(40).Add({ 8, 9, 1, 0 }); // plain text
    g.Add({ 4 }).Text("text").Add({ 0 });
    g.Add({ 0x21, 0xF9, 4, 0x09, 10, 0, 3, 0 }); // disposal 2, transparent 3, delay 10
    AddFrame(g, 0, 0, 2, 2, { 0, 1, 1, 2 });
    g.Add({ 0x3B });
    const auto loaded = Load(g.Data);
    const TGIFSubImage& frame = loaded.Image->Images()[0];
    ASSERT_EQ(frame.Extensions.size(), 5u);
    const auto& loop = dynamic_cast<const TGIFAppExtNSLoop&>(*frame.Extensions[0]);
    EXPECT_EQ(loop.Loops, 5);
    const auto& unknown = dynamic_cast<const TGIFUnknownAppExtension&>(*frame.Extensions[1]);
    EXPECT_EQ(unknown.Identifier, "XMP Data");
    ASSERT_EQ(unknown.Blocks.size(), 2u);
    EXPECT_EQ(unknown.Blocks[1].Data, TBytes { 'c' });
    EXPECT_EQ(dynamic_cast<const TGIFCommentExtension&>(*frame.Extensions[2]).Text, "hi yo");
    const auto& text = dynamic_cast<const TGIFTextExtension&>(*frame.Extensions[3]);
    EXPECT_EQ(text.GridWidth(), 30);
    EXPECT_EQ(text.Text, "text");
    EXPECT_TRUE(frame.Transparent());
    EXPECT_EQ(frame.TransparentColorIndex(), 3);
    EXPECT_EQ(frame.GraphicControlExtension()->Disposal(), 2);
    EXPECT_EQ(frame.GraphicControlExtension()->Delay, 10);

    // An application block size of 10 reads the eleventh identifier byte again as the first
    // sub-block's length.
    TBuilder ten = Header(2, 2);
    ten.Add({ 0x21, 0xFF, 10 }).Text("ANIMEXTS1.").Add({ 3, 1, 2, 0, 0 });
    AddFrame(ten, 0, 0, 2, 2, { 0, 1, 1, 2 });
    const auto tenLoaded = Load(ten.Data);
    const auto& short10 = dynamic_cast<const TGIFUnknownAppExtension&>(*tenLoaded.Image->Images()[0].Extensions[0]);
    EXPECT_EQ(short10.Identifier, "ANIMEXTS");
    ASSERT_EQ(short10.Blocks.size(), 1u);
    EXPECT_EQ(short10.Blocks[0].Data, (TBytes { 1, 2, 0 }));
    EXPECT_EQ(tenLoaded.Image->Images()[0].Pixels(), (TBytes { 0, 1, 1, 2 }));
}

TEST(GIFImage, EveryRaisedErrorHasItsText)
{
    const TBytes good = TwoByTwo();
    EXPECT_EQ(LoadError({ 'P', 'N', 'G', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }), "Invalid GIF signature");
    EXPECT_EQ(LoadError({ 'G', 'I', 'F', '8' }), "Premature end of data");             // header
    EXPECT_EQ(LoadError(TBytes(good.begin(), good.begin() + 10)), "Premature end of data"); // screen
    EXPECT_EQ(LoadError(TBytes(good.begin(), good.begin() + 20)), "Premature end of data"); // colours
    TBuilder descriptor = Header(2, 2);
    descriptor.Add({ 0x2C, 0, 0, 0 });
    EXPECT_EQ(LoadError(descriptor.Data), "Premature end of data");

    TBuilder unknown = Header(2, 2);
    unknown.Add({ 0x21, 0x42, 0 });
    EXPECT_EQ(LoadError(unknown.Data), "Unknown extension type");

    TBuilder blockSize = Header(2, 2);
    blockSize.Add({ 0x21, 0xFF, 9 }).Text("NETSCAPE2").Add({ 0 });
    EXPECT_EQ(LoadError(blockSize.Data), "Unsupported Application Extension block size");

    for (const TBytes& block : { TBytes { 2, 1, 5 }, TBytes { 4, 2, 0, 0, 1 } }) {
        TBuilder loop = Header(2, 2);
        loop.Add({ 0x21, 0xFF, 11 }).Text("NETSCAPE2.0").Add(block).Add({ 0 });
        EXPECT_EQ(LoadError(loop.Data), "Invalid GIF data");
    }

    TBuilder circular = Header(2, 5);
    circular.Add({ 0x2C }).Word(0).Word(0).Word(2).Word(5).Add({ 0 });
    circular.Add({ 2 }).Add(SubBlocks(PackCodes({ { 4, 3 }, { 1, 3 }, { 7, 3 }, { 0, 3 }, { 7, 4 } }))).Add({ 0x3B });
    EXPECT_EQ(LoadError(circular.Data), "Circular decoder table entry");

    // Extensions read on their own check their introducer and label.
    const auto readExtension = [](TGIFExtension& extension, const TBytes& bytes) -> std::string {
        TGIFReader reader(AsBytes(bytes));
        try {
            extension.LoadFromReader(reader);
        } catch (const EGIFException& e) {
            return e.what();
        }
        return {};
    };
    TGIFGraphicControlExtension control;
    EXPECT_EQ(readExtension(control, { 0x2C, 0xF9, 4, 0, 0, 0, 0, 0 }), "Invalid extension introducer");
    EXPECT_EQ(readExtension(control, { 0x21, 0xFE, 1, 'x', 0 }),
              "Internal error: Extension Instance does not match Extension Label");

    TGIFColorMap empty;
    try {
        empty.Color(0);
        ADD_FAILURE();
    } catch (const EGIFException& e) {
        EXPECT_STREQ(e.what(), "Color table is empty");
    }
}

TEST(GIFImage, FailedReadLeavesStreamWhereItWasAndPictureEmpty)
{
    TBuilder data;
    data.Add({ 'x', 'y', 'z' }).Text("NOTAGIF-AT-ALL");
    TMemoryStream stream(std::vector<std::byte>(AsBytes(data.Data).begin(), AsBytes(data.Data).end()));
    stream.SetPosition(3);
    TGIFImage gif;
    gif.LoadFromBytes(AsBytes(TwoByTwo()));
    EXPECT_THROW(gif.LoadFromStream(stream), EGIFException);
    EXPECT_EQ(stream.Position(), 3u);
    EXPECT_TRUE(gif.Empty());
    EXPECT_EQ(gif.Width(), 0);

    // A good read leaves the stream after the trailer.
    TBytes twice = TwoByTwo();
    const std::size_t first = twice.size();
    twice.insert(twice.end(), { 1, 2, 3 });
    TMemoryStream good(std::vector<std::byte>(AsBytes(twice).begin(), AsBytes(twice).end()));
    gif.LoadFromStream(good);
    EXPECT_EQ(good.Position(), first);
}

TEST(GIFImage, OversizedFramesFailWithOutOfMemory)
{
    // 65535 x 65535 and 8193 x 8193 are both beyond any screen; no allocation is tried.
    for (int side : { 65535, 8193 }) {
        TBuilder g = Header(side, side);
        g.Add({ 0x2C }).Word(0).Word(0).Word(side).Word(side).Add({ 0, 2, 0, 0x3B });
        try {
            Load(g.Data);
            ADD_FAILURE() << side;
        } catch (const EOutOfMemory& e) {
            EXPECT_STREQ(e.what(), "Failed to allocate memory for GIF DIB");
        }
    }

    // Only the first frame with pixels holds them and draws on the allowance, so many large
    // frames of a few bytes each cannot add up: two 30 x 30 frames against 1000 pixels.
    TBuilder frames;
    for (int i = 0; i < 2; ++i)
        frames.Add({ 0x2C }).Word(0).Word(0).Word(30).Word(30).Add({ 0, 2, 0 });
    TGIFReader reader(AsBytes(frames.Data));
    reader.PixelBudget = 1000;
    TGIFSubImage first;
    first.LoadFromReader(reader);
    EXPECT_EQ(first.Pixels().size(), 900u);
    TGIFSubImage second;
    second.LoadFromReader(reader);
    EXPECT_FALSE(second.PixelsHeld());
    EXPECT_EQ(reader.PixelBudget, 100u);
    // A first frame beyond the allowance fails.
    TGIFReader small(AsBytes(frames.Data));
    small.PixelBudget = 899;
    TGIFSubImage tooLarge;
    EXPECT_THROW(tooLarge.LoadFromReader(small), EOutOfMemory);
}

TEST(GIFImage, EveryTruncationGivesAnErrorOrAPicture)
{
    TBuilder g = Header(6, 5);
    g.Add({ 0x21, 0xFF, 11 }).Text("NETSCAPE2.0").Add({ 3, 1, 0, 0, 0 });
    g.Add({ 0x21, 0xFE, 4 }).Text("note").Add({ 0 });
    AddTransparency(g, 2);
    AddFrame(g, 0, 0, 6, 5, PatternPixels(6, 5, 4, 3));
    g.Add({ 0x21, 0xFF, 11 }).Text("MYAPP   1.0").Add({ 2, 7, 7, 0 });
    g.Add({ 0x2C }).Word(1).Word(1).Word(4).Word(4).Add({ 0xC0 }) // local table of 2, interlaced
        .Add({ 1, 2, 3, 4, 5, 6 });
    g.Add({ 2 }).Add(SubBlocks(LzwEncode(PatternPixels(4, 4, 2, 4), 2), 5));
    g.Add({ 0x3B });

    const std::set<std::string> allowed { "Premature end of data", "Invalid GIF data" };
    for (std::size_t length = 0; length <= g.Data.size(); ++length) {
        const TBytes prefix(g.Data.begin(), g.Data.begin() + std::ptrdiff_t(length));
        TGIFImage gif;
        try {
            gif.LoadFromBytes(AsBytes(prefix));
        } catch (const EGIFException& e) {
            EXPECT_TRUE(allowed.count(e.what())) << length << ": " << e.what();
            continue;
        }
        QImage target(12, 10, QImage::Format_RGB32);
        TCanvas canvas(&target);
        try {
            gif.Draw(canvas, Rect(0, 0, 12, 10));
            gif.ToImage();
        } catch (const EGIFException& e) {
            EXPECT_STREQ(e.what(), "Image is empty") << length;
        }
    }
}

TEST(GIFImage, DecodesLikeGiflib)
{
    struct TCase {
        int Width, Height, Colors;
        bool Interlaced;
    };
    const TCase cases[] = { { 1, 1, 2, false }, { 3, 7, 2, true }, { 17, 5, 4, false }, { 17, 9, 8, true },
                            { 64, 64, 16, false }, { 100, 37, 32, true }, { 255, 3, 64, false },
                            { 301, 199, 128, true }, { 320, 240, 256, false }, { 33, 250, 256, true } };
    unsigned seed = 1;
    for (const TCase& c : cases) {
        TGiflibFrame frame;
        frame.Width = c.Width;
        frame.Height = c.Height;
        frame.Interlaced = c.Interlaced;
        frame.Pixels = PatternPixels(c.Width, c.Height, c.Colors, seed++);
        const TBytes gif = GiflibEncode(c.Width, c.Height, c.Colors, { frame });
        const auto loaded = Load(gif);
        ASSERT_EQ(loaded.Image->Images().Count(), 1);
        EXPECT_EQ(loaded.Image->Images()[0].Pixels(), frame.Pixels) << c.Width << "x" << c.Height;
        EXPECT_EQ(loaded.Image->Images()[0].Pixels(), GiflibDecode(gif).at(0));
        EXPECT_TRUE(loaded.Warnings->empty());
    }

    // Several frames, placed, with local tables and transparency.
    std::vector<TGiflibFrame> frames(3);
    frames[0] = { 0, 0, 40, 30, false, 0, -1, PatternPixels(40, 30, 16, 90) };
    frames[1] = { 5, 3, 20, 11, true, 4, 2, PatternPixels(20, 11, 4, 91) };
    // giflib loses a local table that a frame without one follows, so the last frame has one.
    frames[2] = { 39, 29, 1, 1, false, 8, 7, { 7 } };
    const TBytes gif = GiflibEncode(40, 30, 16, frames);
    const auto loaded = Load(gif);
    const auto reference = GiflibDecode(gif);
    ASSERT_EQ(loaded.Image->Images().Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const TGIFSubImage& frame = loaded.Image->Images()[i];
        EXPECT_EQ(frame.Pixels(), reference.at(std::size_t(i))) << i;
        EXPECT_EQ(frame.Left, frames[std::size_t(i)].Left);
        EXPECT_EQ(frame.Interlaced(), frames[std::size_t(i)].Interlaced);
        EXPECT_EQ(frame.TransparentColorIndex(), frames[std::size_t(i)].TransparentIndex);
    }
    EXPECT_EQ(loaded.Image->Images()[1].ColorMap.Count(), 4);
}

TEST(GIFImage, TransparentPixelsLeaveTheCanvasAndKeepTheirColourInABitmap)
{
    const auto loaded = Load(TwoByTwo(true)); // pixels 0 1 / 1 2, index 1 transparent
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(qRgb(0, 255, 0));
    TCanvas canvas(&target);
    loaded.Image->Draw(canvas, Rect(0, 0, 4, 4));
    EXPECT_EQ(At(target, 0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(At(target, 1, 1), qRgb(10, 20, 30));
    EXPECT_EQ(At(target, 2, 0), qRgb(0, 255, 0));
    EXPECT_EQ(At(target, 0, 3), qRgb(0, 255, 0));
    EXPECT_EQ(At(target, 3, 3), qRgb(0, 0, 250));

    const QImage bitmap = loaded.Image->ToImage();
    ASSERT_EQ(bitmap.size(), QSize(2, 2));
    EXPECT_EQ(At(bitmap, 1, 0), qRgb(200, 0, 0));
}

TEST(GIFImage, FrameIsPlacedOnTheLogicalScreen)
{
    // A 4 x 4 screen with a 2 x 2 frame at (2, 1), drawn into an 8 x 8 rectangle at (1, 1).
    TBuilder g = Header(4, 4);
    AddFrame(g, 2, 1, 2, 2, { 1, 1, 1, 1 });
    g.Add({ 0x3B });
    const auto loaded = Load(g.Data);
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(qRgb(255, 255, 255));
    TCanvas canvas(&target);
    loaded.Image->Draw(canvas, Rect(1, 1, 9, 9));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 5 && x < 9 && y >= 3 && y < 7;
            EXPECT_EQ(At(target, x, y), inside ? qRgb(200, 0, 0) : qRgb(255, 255, 255)) << x << "," << y;
        }
    }

    // As a bitmap, the frame sits on a black screen of 4 x 4.
    const QImage bitmap = loaded.Image->ToImage();
    ASSERT_EQ(bitmap.size(), QSize(4, 4));
    EXPECT_EQ(At(bitmap, 2, 1), qRgb(200, 0, 0));
    EXPECT_EQ(At(bitmap, 0, 0), qRgb(0, 0, 0));
}

TEST(GIFImage, PaletteScreensGetCubeColoursByErrorDiffusion)
{
    const TScreenDepth depth(8);
    // Grey 40 on one line: 0 (error 40), 40 + 18 = 58 -> 51 (error 7), 40 + 3 -> 0 (error 43),
    // 40 + 19 -> 51.
    TBuilder grey;
    grey.Text("GIF89a").Word(4).Word(1).Add({ 0x80, 0, 0, 40, 40, 40, 0, 0, 0 });
    AddFrame(grey, 0, 0, 4, 1, { 0, 0, 0, 0 });
    const QImage line = Load(grey.Data).Image->ToImage();
    EXPECT_EQ(At(line, 0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(At(line, 1, 0), qRgb(51, 51, 51));
    EXPECT_EQ(At(line, 2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(At(line, 3, 0), qRgb(51, 51, 51));

    // The second line runs right to left: greys 100 100 200 / 100 40 20 give 102 102 153 /
    // 102 51 0 (left to right it would end 0 51).
    TBuilder serpentine;
    serpentine.Text("GIF89a").Word(3).Word(2).Add({ 0x81, 0, 0 })
        .Add({ 100, 100, 100, 200, 200, 200, 40, 40, 40, 20, 20, 20 });
    AddFrame(serpentine, 0, 0, 3, 2, { 0, 0, 1, 0, 2, 3 });
    const QImage lines = Load(serpentine.Data).Image->ToImage();
    const int expected[2][3] = { { 102, 102, 153 }, { 102, 51, 0 } };
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(qRed(lines.pixel(x, y)), expected[y][x]) << x << "," << y;

    // A 256-colour picture drawn scaled shows only cube colours.
    TGiflibFrame frame;
    frame.Width = 50;
    frame.Height = 40;
    frame.Pixels = PatternPixels(50, 40, 256, 5);
    const auto loaded = Load(GiflibEncode(50, 40, 256, { frame }));
    QImage target(73, 61, QImage::Format_RGB32);
    TCanvas canvas(&target);
    loaded.Image->Draw(canvas, Rect(0, 0, 73, 61));
    std::set<QRgb> colours;
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const QRgb c = target.pixel(x, y);
            colours.insert(c);
            ASSERT_EQ(qRed(c) % 51, 0);
            ASSERT_EQ(qGreen(c) % 51, 0);
            ASSERT_EQ(qBlue(c) % 51, 0);
        }
    }
    EXPECT_GT(colours.size(), 20u);

    // On a true-colour screen the frame keeps its own colours.
    const TScreenDepth deep(24);
    EXPECT_EQ(At(Load(grey.Data).Image->ToImage(), 0, 0), qRgb(40, 40, 40));
}

TEST(GIFImage, DrawingProblemsAreReportedOrRaised)
{
    // Index 5 beyond a 4-entry table: black, reported.
    TBuilder g = Header(2, 1);
    g.Add({ 0x2C }).Word(0).Word(0).Word(2).Word(1).Add({ 0 });
    g.Add({ 3 }).Add(SubBlocks(LzwEncode(TBytes { 1, 5 }, 3))).Add({ 0x3B });
    auto loaded = Load(g.Data);
    const QImage bitmap = loaded.Image->ToImage();
    EXPECT_EQ(At(bitmap, 0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(At(bitmap, 1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(*loaded.Warnings, std::vector<std::string> { "Invalid color index" });

    // No colour table anywhere.
    TBuilder bare;
    bare.Text("GIF89a").Word(2).Word(1).Add({ 0, 0, 0 });
    AddFrame(bare, 0, 0, 2, 1, { 1, 0 });
    loaded = Load(bare.Data);
    QImage target(2, 1, QImage::Format_RGB32);
    TCanvas canvas(&target);
    try {
        loaded.Image->Draw(canvas, Rect(0, 0, 2, 1));
        ADD_FAILURE();
    } catch (const EGIFException& e) {
        EXPECT_STREQ(e.what(), "No global or local color table defined");
    }

    // Only extensions: the picture has a frame without pixels.
    TBuilder comment = Header(2, 1);
    comment.Add({ 0x21, 0xFE, 1, 'x', 0, 0x3B });
    loaded = Load(comment.Data);
    ASSERT_EQ(loaded.Image->Images().Count(), 1);
    try {
        loaded.Image->ToImage();
        ADD_FAILURE();
    } catch (const EGIFException& e) {
        EXPECT_STREQ(e.what(), "Image is empty");
    }

    // No frames at all draws nothing.
    TBuilder none = Header(2, 1);
    none.Add({ 0x3B });
    loaded = Load(none.Data);
    target.fill(qRgb(1, 2, 3));
    loaded.Image->Draw(canvas, Rect(0, 0, 2, 1));
    EXPECT_EQ(At(target, 0, 0), qRgb(1, 2, 3));
}

TEST(GIFImage, CloneIsIndependent)
{
    auto loaded = Load(TwoByTwo(true));
    const std::unique_ptr<TGraphic> copy = loaded.Image->Clone();
    loaded.Image->Clear();
    auto& gif = dynamic_cast<TGIFImage&>(*copy);
    EXPECT_STREQ(gif.ClassName(), "TGIFImage");
    ASSERT_EQ(gif.Images().Count(), 1);
    EXPECT_EQ(gif.Images()[0].TransparentColorIndex(), 1);
    EXPECT_EQ(At(gif.ToImage(), 1, 1), qRgb(0, 0, 250));
}

TEST(GIFImage, LoadsThroughThePictureHolderByExtension)
{
    TGIFImage::RegisterFileFormat();
    const std::string path = testing::TempDir() + "/Sample.Gif";
    ASSERT_TRUE(WriteAll(path, TwoByTwo()));
    TPicture picture;
    picture.LoadFromFile(path);
    ASSERT_TRUE(picture.Graphic());
    EXPECT_STREQ(picture.Graphic()->ClassName(), "TGIFImage");
    EXPECT_EQ(picture.Width(), 2);
    std::remove(path.c_str());
}
