#include "pictures/GIFLzw.h"

#include "base/Exceptions.h"
#include "tests/support/GIFTestData.h"

#include <gtest/gtest.h>

#include <random>

using namespace giftest;

namespace {

struct TDecoded {
    TGIFLzwDecoder::TResult Result;
    TBytes Pixels;
};

// Decodes `compressed` into room for `count` pixels; Pixels holds those decoded.
TDecoded Decode(TBytes compressed, int minCodeSize, std::size_t count)
{
    const std::size_t size = compressed.size();
    compressed.resize(size + TGIFLzwDecoder::InputPadding, 0);
    TBytes pixels(count, 0xEE);
    TGIFLzwDecoder decoder;
    const auto result = decoder.Decode({ compressed.data(), size }, minCodeSize, pixels);
    pixels.resize(result.Count);
    return { result, pixels };
}

} // namespace

TEST(GIFLzw, RoundTripsWithEveryMinimumCodeSize)
{
    // 2 is the smallest minimum code size GIF allows: with 1, the first new code would not
    // fit the starting width.
    for (int m = 2; m <= 8; ++m) {
        const int colors = 1 << m;
        const TBytes pixels = PatternPixels(97, 53, colors, unsigned(m));
        const auto decoded = Decode(LzwEncode(pixels, m), m, pixels.size());
        EXPECT_EQ(decoded.Result.Stop, TGIFLzwDecoder::TStop::Filled) << m;
        EXPECT_EQ(decoded.Pixels, pixels) << m;
    }
}

TEST(GIFLzw, CodeEqualToNextFreeCodeRepeatsThePreviousString)
{
    // Minimum code size 2: clear 4, end 5, first free code 6, codes 3 bits wide.
    // clear; 1 -> "1"; 6 is not in the table yet -> "1" + its first pixel "1"; end.
    const TBytes codes = PackCodes({ { 4, 3 }, { 1, 3 }, { 6, 3 }, { 5, 3 } });
    const auto decoded = Decode(codes, 2, 4);
    EXPECT_EQ(decoded.Result.Stop, TGIFLzwDecoder::TStop::EndCode);
    EXPECT_EQ(decoded.Pixels, (TBytes { 1, 1, 1 }));
}

TEST(GIFLzw, FullTableKeepsTwelveBitCodesUntilTheNextClear)
{
    // Noise with 256 colours fills all 4096 entries well before the end; the encoder then
    // goes on with 12-bit codes and no clear code, which a decoder that grew a 13th bit or
    // kept adding entries would misread.
    std::mt19937 random(7);
    TBytes pixels(200 * 200);
    for (auto& p : pixels)
        p = std::uint8_t(random() % 256);
    const TBytes compressed = LzwEncode(pixels, 8, false);
    const auto decoded = Decode(compressed, 8, pixels.size());
    EXPECT_EQ(decoded.Result.Stop, TGIFLzwDecoder::TStop::Filled);
    EXPECT_EQ(decoded.Pixels, pixels);

    // The same data with clear codes whenever the table fills.
    const auto cleared = Decode(LzwEncode(pixels, 8, true), 8, pixels.size());
    EXPECT_EQ(cleared.Pixels, pixels);
}

TEST(GIFLzw, DataWithoutLeadingClearCodeDecodes)
{
    // Minimum code size 2, 3-bit codes: 2, 3, end.
    const auto decoded = Decode(PackCodes({ { 2, 3 }, { 3, 3 }, { 5, 3 } }), 2, 2);
    EXPECT_EQ(decoded.Pixels, (TBytes { 2, 3 }));
}

TEST(GIFLzw, StopsAtEndCodeOrMissingBits)
{
    // clear, 1, 2, end: two pixels of four.
    auto decoded = Decode(PackCodes({ { 4, 3 }, { 1, 3 }, { 2, 3 }, { 5, 3 } }), 2, 4);
    EXPECT_EQ(decoded.Result.Stop, TGIFLzwDecoder::TStop::EndCode);
    EXPECT_EQ(decoded.Pixels, (TBytes { 1, 2 }));

    // clear, 1, 2 and no end code: 9 bits in two bytes. The 7 zero bits left read as the
    // codes 0 and 0; the table then reaches 8 entries, codes grow to 4 bits, and the one bit
    // left is too few.
    decoded = Decode(PackCodes({ { 4, 3 }, { 1, 3 }, { 2, 3 } }), 2, 6);
    EXPECT_EQ(decoded.Result.Stop, TGIFLzwDecoder::TStop::UnderRun);
    EXPECT_EQ(decoded.Pixels, (TBytes { 1, 2, 0, 0 }));
}

TEST(GIFLzw, LastStringIsCutAtTheEndOfTheOutput)
{
    // clear, 1, 1, 6 ("1 1") -> 1 1 1 1, but only three pixels fit; no end code needed.
    const auto decoded = Decode(PackCodes({ { 4, 3 }, { 1, 3 }, { 1, 3 }, { 6, 3 } }), 2, 3);
    EXPECT_EQ(decoded.Result.Stop, TGIFLzwDecoder::TStop::Filled);
    EXPECT_EQ(decoded.Pixels, (TBytes { 1, 1, 1 }));
}

TEST(GIFLzw, EntryLinkingToItselfIsCircular)
{
    // clear; 1 -> "1"; 7 lies beyond the next free code 6: "1 1", entry 6, and 7 becomes the
    // previous code; 0 -> entry 7 gets prefix 7, itself; the table reaches 8 entries, codes
    // grow to 4 bits; 7 must now be unrolled through itself.
    const TBytes codes = PackCodes({ { 4, 3 }, { 1, 3 }, { 7, 3 }, { 0, 3 }, { 7, 4 } });
    try {
        Decode(codes, 2, 20);
        FAIL() << "no error";
    } catch (const EGIFException& e) {
        EXPECT_STREQ(e.what(), "Circular decoder table entry");
    }
}

TEST(GIFLzw, RandomCodesNeverRunWild)
{
    // Whatever the bits, the decoder either finishes or raises its one error.
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        TBytes noise(1 + random() % 64);
        for (auto& b : noise)
            b = std::uint8_t(random());
        const int m = int(random() % 12);
        try {
            const std::size_t room = 1 + random() % 300;
            EXPECT_LE(Decode(noise, m, room).Result.Count, room);
        } catch (const EGIFException&) {
        }
    }
}
