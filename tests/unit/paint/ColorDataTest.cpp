#include "paint/ColorData.h"

#include "base/Random.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

namespace {

class ColorDataTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        FinalizeColorData();
        InitColorData(24, 0, 0);
    }
};

} // namespace

TEST_F(ColorDataTest, TableIsTheCubeThenTheTwelveExtras)
{
    EXPECT_EQ(ColorTable[1].Red, 0x33);
    EXPECT_EQ(ColorTable[6].Green, 0x33);
    EXPECT_EQ(ColorTable[36].Blue, 0x33);
    EXPECT_EQ(ColorTable[215].Red + ColorTable[215].Green + ColorTable[215].Blue, 3 * 0xFF);
    EXPECT_EQ(ColorTable[108].Red, 0);
    EXPECT_EQ(ColorTable[108].Green, 0);
    EXPECT_EQ(ColorTable[108].Blue, 153);
    EXPECT_EQ(ColorTable[216].Blue, 128);
    EXPECT_EQ(ColorTable[224].Red, 25);
    EXPECT_EQ(ColorTable[227].Green, 229);
    // Every palette-relative colour of the window layouts is an exact table entry.
    for (TColor layout : { 0x02993366u, 0x02CC9999u, 0x02FF6699u, 0x02660033u, 0x02FFCCCCu, 0x02999999u }) {
        bool found = false;
        for (const TColorEntry& e : ColorTable)
            found = found || RGB(e.Red, e.Green, e.Blue) == (layout & 0xFFFFFF);
        EXPECT_TRUE(found) << std::hex << layout;
    }
}

TEST_F(ColorDataTest, TrueColourDisplayGivesPlainColoursAndNoPalette)
{
    InitColorData(24, 0, 0);
    EXPECT_FALSE(PaletteDisplay);
    EXPECT_EQ(DisplayPalette, nullptr);
    EXPECT_EQ(ColorFromIndex(215), 0x00FFFFFFu);
    EXPECT_EQ(ColorFromIndex(0), 0x00000000u);
    EXPECT_EQ(BalloonHintColor(), 0x0299FFFFu);
    RandSeed = 99;
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(RandomColor() >> 24, 0u);
}

TEST_F(ColorDataTest, PaletteDisplayGivesPaletteRelativeColoursAndA228EntryPalette)
{
    InitColorData(8, 256, RC_PALETTE);
    ASSERT_TRUE(PaletteDisplay);
    ASSERT_NE(DisplayPalette, nullptr);
    EXPECT_EQ(DisplayPalette->Count, 228);
    EXPECT_EQ(DisplayPalette->Version, 0x300);
    for (int i = 0; i < ColorTableSize; ++i) {
        EXPECT_EQ(DisplayPalette->Entries[i].Red, ColorTable[i].Red);
        EXPECT_EQ(DisplayPalette->Entries[i].Flags, 0);
    }
    EXPECT_EQ(ColorFromIndex(215), 0x02FFFFFFu);
    EXPECT_EQ(BalloonHintColor(), 0x0000FFFFu);
    EXPECT_EQ(RandomColor() >> 24, 2u);
}

TEST_F(ColorDataTest, OnlyExactly256EntriesWithPaletteSupportMakeAPaletteDisplay)
{
    EXPECT_TRUE(IsPaletteDisplay(256, RC_PALETTE | 0x1));
    EXPECT_FALSE(IsPaletteDisplay(16, RC_PALETTE));
    EXPECT_FALSE(IsPaletteDisplay(256, 0));
    EXPECT_FALSE(IsPaletteDisplay(0, 0));
}

TEST_F(ColorDataTest, RandomColorNeverTakesAnExcludedIndexButReachesAllOthers)
{
    std::set<TColor> seen;
    RandSeed = 1;
    for (int i = 0; i < 50000; ++i) {
        const TColor c = RandomColor();
        ASSERT_NE(c, RGB(0, 0, 0));
        ASSERT_NE(c, RGB(51, 0, 0));
        ASSERT_NE(c, RGB(0, 51, 0));
        ASSERT_NE(c, RGB(25, 25, 25));
        ASSERT_NE(c, RGB(76, 76, 76));
        seen.insert(c);
    }
    EXPECT_EQ(seen.size(), 214u);
}

TEST_F(ColorDataTest, RandomColorRejectsExcludedDrawsAndDrawsAgain)
{
    // Find a seed whose first draw is excluded: the colour then comes from the second draw.
    for (std::uint32_t seed = 0; seed < 100000; ++seed) {
        RandSeed = seed;
        const int first = Random(ColorTableSize);
        if (!IsExcludedColorIndex(first))
            continue;
        const int second = Random(ColorTableSize);
        if (IsExcludedColorIndex(second))
            continue;
        RandSeed = seed;
        EXPECT_EQ(RandomColor(), ColorFromIndex(second));
        return;
    }
    FAIL() << "no seed with an excluded first draw";
}

TEST_F(ColorDataTest, IndexesOutsideTheTableWrapIntoIt)
{
    EXPECT_EQ(ColorFromIndex(228), ColorFromIndex(0));
    EXPECT_EQ(ColorFromIndex(228 + 108), ColorFromIndex(108));
    EXPECT_EQ(ColorFromIndex(-1), ColorFromIndex(227));
    EXPECT_EQ(ColorFromIndex(INT32_MIN), ColorFromIndex(((INT32_MIN % 228) + 228) % 228));
}
