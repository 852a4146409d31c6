#include "core/sound/WaveTexts.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(WaveTexts, RateInKilohertz) {
    EXPECT_EQ(RateText(22050), "22.05KHz");
    EXPECT_EQ(RateText(11025), "11.025KHz");
    EXPECT_EQ(RateText(12800), "12.8KHz");
    EXPECT_EQ(RateText(44100), "44.1KHz");
    EXPECT_EQ(RateText(8000), "8.KHz");
    EXPECT_EQ(RateText(16000), "16.KHz");
}

TEST(WaveTexts, BitsChannelsAndLength) {
    EXPECT_EQ(BitsText(16), "16bit");
    EXPECT_EQ(ChannelsText(1), "Mono");
    EXPECT_EQ(ChannelsText(2), "Stereo");
    EXPECT_EQ(ChannelsText(0), "Stereo");
    EXPECT_EQ(LengthText(1000), "1.000");
    EXPECT_EQ(LengthText(1234), "1.234");
    EXPECT_EQ(LengthText(-1), "-0.001");
}

}  // namespace
}  // namespace vexa
