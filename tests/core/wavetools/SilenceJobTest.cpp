#include "core/wavetools/SilenceJob.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(SilenceJob, ChoicesGiveRateAndWidthAndTheBytesOfTheFile) {
    EXPECT_EQ(kSampleChoices[kDefaultSampleChoice], "22.05KHz");
    EXPECT_EQ(kBitChoices[kDefaultBitChoice], "16Bit");
    const struct {
        std::string_view sample, bits;
        int rate, width;
        std::uint64_t bytes;  // for 61 seconds
    } cases[] = {
        {"22.05KHz", "16Bit", 22050, 16, 44 + 61 * 44100},
        {"44.1KHz", "16Bit", 44100, 16, 44 + 61 * 88200},
        {"44.1KHz", "8Bit", 44100, 8, 44 + 61 * 44100},
        {"22.05KHz", "8Bit", 22050, 8, 44 + 61 * 22050},
    };
    for (const auto& c : cases) {
        const SilenceJob job = SilenceJobFor("/tmp/p.wav", 61, c.sample, c.bits);
        EXPECT_EQ(job.rate, c.rate) << c.sample;
        EXPECT_EQ(job.bits, c.width) << c.bits;
        EXPECT_EQ(job.totalBytes(), c.bytes) << c.sample << " " << c.bits;
    }
}

}  // namespace
}  // namespace vexa
