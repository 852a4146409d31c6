#include "core/wavetools/MakeSilence.h"

#include "RecordingProgress.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"

#include "core/files/FileFaults.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace vexa {
namespace {

namespace fs = std::filesystem;
using test::le16;
using test::le32;

std::string expectedHeader(std::uint32_t dataSize, std::uint32_t rate, std::uint32_t byteRate,
                           std::uint16_t blockAlign, std::uint16_t bits) {
    return "RIFF" + le32(dataSize + 36) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(rate) +
           le32(byteRate) + le16(blockAlign) + le16(bits) + "data" + le32(dataSize);
}

class MakeSilenceTest : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir / "silent.wav";
    test::RecordingProgress progress;

    JobResult make(int seconds, int rate, int bits) {
        ProgressLink link(progress, SilenceFileSize(seconds, rate, bits));
        return MakeSilence(file, seconds, rate, bits, link);
    }
};

TEST_F(MakeSilenceTest, WritesCanonicalHeaderAndSilentLevel) {
    const struct Case {
        int seconds, rate, bits;
        std::string header;
        char level;
    } cases[] = {
        // 0 min 1 s, 22.05 kHz, 8 bits: 22094 bytes, RIFF size 22086, mid level 128.
        {1, 22050, 8, expectedHeader(22050, 22050, 22050, 1, 8), '\x80'},
        {60, 44100, 16, expectedHeader(60 * 2 * 44100, 44100, 2 * 44100, 2, 16), '\0'},
        {1, 44100, 8, expectedHeader(44100, 44100, 44100, 1, 8), '\x80'},
        {2, 22050, 16, expectedHeader(2 * 44100, 22050, 44100, 2, 16), '\0'},
        {1, 8000, 16, expectedHeader(44100, 22050, 44100, 2, 16), '\0'},  // other rates mean 22050
    };
    for (const auto& c : cases) {
        ASSERT_EQ(make(c.seconds, c.rate, c.bits), JobResult::Completed) << c.seconds << " " << c.rate << " " << c.bits;
        const std::string bytes = test::readBytes(file);
        const std::size_t dataSize = bytes.size() - 44;
        EXPECT_EQ(bytes.substr(0, 44), c.header) << c.rate << " " << c.bits;
        EXPECT_EQ(bytes.substr(44), std::string(dataSize, c.level)) << c.rate << " " << c.bits;
        EXPECT_EQ(bytes.size(), SilenceFileSize(c.seconds, c.rate, c.bits));
    }
    EXPECT_EQ(SilenceFileSize(1, 22050, 8), 22094u);
    EXPECT_EQ(static_cast<std::size_t>(std::distance(fs::directory_iterator(dir.path()), {})), 1u);
}

TEST_F(MakeSilenceTest, CaptionsCountUnitsOfTheStepAndEndCompleted) {
    ASSERT_EQ(make(1, 22050, 8), JobResult::Completed);
    auto expected = test::stepCaptions(kMakingCaption, 22094, 44, 22050, 1);
    expected.push_back("Makeing was completed.");
    EXPECT_EQ(progress.captions, expected);
    EXPECT_EQ(expected.front(), "Makeing, Please wait... 0%");
    EXPECT_EQ(progress.lastValue(), static_cast<int>(expected.size()) - 2);
}

TEST_F(MakeSilenceTest, StopKeepsFullLengthWithZerosWhereTheLoopDidNotReach) {
    for (const int bits : {8, 16}) {
        progress = {};
        progress.stopWhen = [](const test::RecordingProgress& p) { return p.lastValue() >= 30; };
        ASSERT_EQ(make(120, 44100, bits), JobResult::Stopped) << bits;
        EXPECT_EQ(progress.captions.back(), "Makeing was stopped.") << bits;
        const std::string bytes = test::readBytes(file);
        ASSERT_EQ(bytes.size(), SilenceFileSize(120, 44100, bits)) << bits;
        EXPECT_EQ(bytes.substr(0, 8), "RIFF" + le32(static_cast<std::uint32_t>(bytes.size() - 8)));
        if (bits == 8) {
            const std::size_t reached = bytes.find('\0', 44);
            ASSERT_NE(reached, std::string::npos);
            EXPECT_EQ(bytes.find_first_not_of('\x80', 44), reached);
            EXPECT_EQ(bytes.find_first_not_of('\0', reached), std::string::npos);
            EXPECT_GT(reached, bytes.size() * 30 / 100);
            EXPECT_LT(reached, bytes.size() * 35 / 100);
        } else {
            EXPECT_EQ(bytes.find_first_not_of('\0', 44), std::string::npos);
        }
    }
}

TEST_F(MakeSilenceTest, FailuresLeaveTheFileAsItWas) {
    test::writeBytes(file, "an older file");
    EXPECT_EQ(make(1, 22050, 12), JobResult::Failed);  // a width the header cannot describe
    EXPECT_EQ(test::readBytes(file), "an older file");
    InjectFileFault(FileCall::Write, ENOSPC);  // a full disk
    EXPECT_EQ(make(1, 22050, 16), JobResult::Failed);
    ClearFileFaults();
    EXPECT_EQ(test::readBytes(file), "an older file");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);

    // Through a symbolic link, the file it points at stays whole.
    const fs::path target = dir / "kept.wav";
    test::writeBytes(target, "the user's file");
    fs::remove(file);
    fs::create_symlink(target, file);
    InjectFileFault(FileCall::Sync, EIO);
    EXPECT_EQ(make(1, 22050, 16), JobResult::Failed);
    ClearFileFaults();
    EXPECT_EQ(test::readBytes(target), "the user's file");
    EXPECT_TRUE(fs::is_symlink(file));
    fs::remove(file);

    ProgressLink link(progress, 100);
    EXPECT_EQ(MakeSilence(dir / "missing" / "s.wav", 1, 22050, 16, link), JobResult::Failed);
    EXPECT_FALSE(fs::exists(dir / "missing"));

    // A destination the replacement refuses is not emptied either (even for root).
    test::writeBytes(file, "read-only");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(make(1, 22050, 16), JobResult::Failed);
    fs::permissions(file, fs::perms::owner_all);
    EXPECT_EQ(test::readBytes(file), "read-only");
}

TEST_F(MakeSilenceTest, ReplacesAnExistingFile) {
    test::writeBytes(file, std::string(100'000, 'x'));
    ASSERT_EQ(make(1, 22050, 16), JobResult::Completed);
    EXPECT_EQ(fs::file_size(file), 44u + 44100);
}

}  // namespace
}  // namespace vexa
