#include "base/ByteWriter.h"

#include "base/ByteReader.h"
#include "base/WaveWriter.h"

#include <gtest/gtest.h>

TEST(ByteWriter, ReadsBackAndGrowsWhereAValueIsPlacedPastTheEnd)
{
    TByteWriter w;
    w.U16(0x1234);
    w.I32(-2);
    w.Tag("RIFF");
    w.U32At(12, 0xAABBCCDDu); // past the end: the gap fills with zeros
    w.U16At(0, 0x5678);       // inside: overwrites
    ASSERT_EQ(w.Size(), 16u);
    TByteReader r(w.Bytes());
    EXPECT_EQ(r.U16(), 0x5678);
    EXPECT_EQ(r.I32(), -2);
    EXPECT_EQ(r.U32(), 0x46464952u); // "RIFF"
    EXPECT_EQ(r.U16(), 0);
    EXPECT_EQ(r.U32(), 0xAABBCCDDu);
}

TEST(WaveWriter, MonoPcmHeaderAndClippedSamples)
{
    const float samples[] = { 0.5f, -2.0f, 2.0f };
    const std::vector<std::byte> wave = MonoPcmWave(samples, 22050);
    ASSERT_EQ(wave.size(), 44u + 6u);
    const TByteReader r(wave);
    EXPECT_EQ(r.U32At(4), 36u + 6u); // RIFF size
    EXPECT_EQ(r.U32At(24), 22050u);  // sample rate
    EXPECT_EQ(r.U32At(28), 44100u);  // bytes per second
    EXPECT_EQ(r.U32At(40), 6u);      // data size
    EXPECT_EQ(std::int16_t(r.U16At(44)), 16384);
    EXPECT_EQ(std::int16_t(r.U16At(46)), -32767);
    EXPECT_EQ(std::int16_t(r.U16At(48)), 32767);
}
