#include "base/Random.h"

#include <gtest/gtest.h>

TEST(Random, AdvancesStateAndScalesByUpperBits)
{
    RandSeed = 0;
    EXPECT_EQ(Random(100), 0); // state 1: (1 * 100) >> 32 == 0
    EXPECT_EQ(RandSeed, 1u);
    RandSeed = 1;
    Random(228);
    EXPECT_EQ(RandSeed, 0x08088406u);
    RandSeed = 0xFFFFFFFFu; // next state: 0xFFFFFFFF * 0x08088405 + 1 == 0xF7F77BFC
    EXPECT_EQ(Random(1000), int((std::uint64_t(0xF7F77BFCu) * 1000u) >> 32));
}

TEST(Random, RoundsHalvesToEven)
{
    EXPECT_EQ(Round(100.5), 100);
    EXPECT_EQ(Round(301.5), 302);
    EXPECT_EQ(Round(23.3), 23);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(0.7), 1);
}
