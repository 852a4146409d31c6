#include "core/wavetools/ConvertToMono.h"

#include "RecordingProgress.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"

#include "core/files/FileFaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace vexa {
namespace {

namespace fs = std::filesystem;
using test::chunk;
using test::chunkClaiming;
using test::le16;
using test::le32;
using test::pcmFormat;
using test::riff;

// Sample bytes that are never zero and differ between neighbours, so a kept
// channel, a swapped channel and zero filling all show.
std::string sampleBytes(std::size_t count) {
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>(1 + (i * 37) % 251);
    return bytes;
}

// The channel the conversion keeps, taken out independently of the code.
std::string leftOf16Bit(const std::string& data) {
    std::string mono;
    for (std::size_t f = 0; f + 3 < data.size(); f += 4)
        mono += data.substr(f, 2);
    return mono;
}
std::string rightOf8Bit(const std::string& data, std::size_t monoSize) {
    std::string mono;
    for (std::size_t j = 0; j < monoSize; ++j)
        mono += data[2 * j + 1];
    return mono;
}

std::string stereo16(std::uint32_t rate, const std::string& data) {
    return riff(chunk("fmt ", pcmFormat(2, rate, 16)) + chunk("data", data));
}
std::string mono16(std::uint32_t rate, const std::string& data) {
    return riff(chunk("fmt ", pcmFormat(1, rate, 16)) + chunk("data", data));
}

class ConvertToMonoTest : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path source = dir / "stereo.wav";
    fs::path destination = dir / "mono.wav";
    test::RecordingProgress progress;

    JobResult convert(const std::string& bytes, std::uint64_t total = 0) {
        test::writeBytes(source, bytes);
        ProgressLink link(progress, total ? total : bytes.size());
        return ConvertToMono(source, destination, link);
    }
    std::string output() const { return test::readBytes(destination); }
    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir.path()), {}));
    }
};

TEST_F(ConvertToMonoTest, Canonical16BitKeepsLeftChannelAndHalvesTheHeaderFields) {
    const std::string data = sampleBytes(4000);  // 1000 frames
    ASSERT_EQ(convert(stereo16(44100, data)), JobResult::Completed);

    const std::string out = output();
    ASSERT_EQ(out.size(), 44u + 2000);
    EXPECT_EQ(out.substr(4, 4), le32(2036));           // RIFF size
    EXPECT_EQ(out.substr(22, 2), le16(1));             // channels
    EXPECT_EQ(out.substr(24, 4), le32(44100));         // rate kept
    EXPECT_EQ(out.substr(28, 4), le32(2 * 44100));     // byte rate
    EXPECT_EQ(out.substr(32, 2), le16(2));             // block align
    EXPECT_EQ(out.substr(34, 2), le16(16));            // bits kept
    EXPECT_EQ(out.substr(40, 4), le32(2000));          // data size
    EXPECT_EQ(out, mono16(44100, leftOf16Bit(data)));  // every sample the left one
    EXPECT_EQ(filesInFolder(), 2u);                    // no temporary file left
}

TEST_F(ConvertToMonoTest, Small8BitFileKeepsRightChannel) {
    // 244 bytes: shorter than a fixed 512-byte search for "data" would need.
    const std::string data = sampleBytes(200);
    ASSERT_EQ(convert(riff(chunk("fmt ", pcmFormat(2, 22050, 8)) + chunk("data", data))),
              JobResult::Completed);
    EXPECT_EQ(output(), riff(chunk("fmt ", pcmFormat(1, 22050, 8)) +
                             chunk("data", rightOf8Bit(data, 100))));  // byte rate 22050, align 1
}

TEST_F(ConvertToMonoTest, CopiesEveryChunkBeforeTheDataAndNothingAfterIt) {
    const std::string data = sampleBytes(64);
    // An odd LIST body (padded) that itself holds the letters "data".
    const std::string list = chunk("LIST", "INFOICMT" + le32(13) + "data in text");
    const std::string fmt18 = chunk("fmt ", pcmFormat(2, 22050, 16) + le16(0));
    const std::string mono18 = chunk("fmt ", pcmFormat(1, 22050, 16) + le16(0));
    const std::string monoData = chunk("data", leftOf16Bit(data));
    struct Case {
        const char* what;
        std::string in;
        std::string expected;
    } cases[] = {
        {"LIST before data is kept", riff(chunk("fmt ", pcmFormat(2, 22050, 16)) + list + chunk("data", data)),
         riff(chunk("fmt ", pcmFormat(1, 22050, 16)) + list + monoData)},
        {"LIST after data is dropped", riff(chunk("fmt ", pcmFormat(2, 22050, 16)) + chunk("data", data) + list),
         mono16(22050, leftOf16Bit(data))},
        {"18-byte fmt: data found at 38, samples start at 46", riff(fmt18 + chunk("data", data)),
         riff(mono18 + monoData)},
        {"LIST before fmt: fields rewritten where fmt lies", riff(list + chunk("fmt ", pcmFormat(2, 22050, 16)) + chunk("data", data)),
         riff(list + chunk("fmt ", pcmFormat(1, 22050, 16)) + monoData)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(convert(c.in), JobResult::Completed) << c.what;
        EXPECT_EQ(output(), c.expected) << c.what;
    }
    EXPECT_EQ(riff(fmt18 + chunk("data", data)).find("data"), 38u);
}

TEST_F(ConvertToMonoTest, Odd8BitDataDropsTheLastHalfFrame) {
    const std::string data = sampleBytes(9);  // four frames and a lone left sample
    ASSERT_EQ(convert(riff(chunk("fmt ", pcmFormat(2, 11025, 8)) + chunk("data", data))),
              JobResult::Completed);
    EXPECT_EQ(output(), riff(chunk("fmt ", pcmFormat(1, 11025, 8)) + chunk("data", rightOf8Bit(data, 4))));
}

TEST_F(ConvertToMonoTest, UnsuitableSourcesFailAndLeaveTheDestinationAsItWas) {
    const std::string fmt16 = chunk("fmt ", pcmFormat(2, 22050, 16));
    const std::string fmt8 = chunk("fmt ", pcmFormat(2, 22050, 8));
    const struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"no data chunk", riff(fmt16 + chunk("LIST", "INFO"))},
        {"data size past the end of the file", riff(fmt16 + chunkClaiming("data", 1000, sampleBytes(16)))},
        {"data size of 2 GiB", riff(fmt16 + chunkClaiming("data", 0x80000000u, sampleBytes(16)))},
        {"16-bit data of 4k+2 bytes", riff(fmt16 + chunk("data", sampleBytes(14)))},
        {"16-bit data of 4k+1 bytes", riff(fmt16 + chunk("data", sampleBytes(13)))},
        {"8-bit data of 4k+3 bytes (last kept byte outside)", riff(fmt8 + chunk("data", sampleBytes(11)))},
        {"mono source", mono16(22050, sampleBytes(16))},
        {"24-bit source", riff(chunk("fmt ", pcmFormat(2, 22050, 24)) + chunk("data", sampleBytes(12)))},
        {"four channels", riff(chunk("fmt ", pcmFormat(4, 22050, 16)) + chunk("data", sampleBytes(16)))},
        {"fmt after data", riff(chunk("data", sampleBytes(16)) + fmt16)},
        {"fmt chunk shorter than 16 bytes", riff(chunk("fmt ", pcmFormat(2, 22050, 16).substr(0, 12)) + chunk("data", sampleBytes(16)))},
        {"not a RIFF file", "This is not a WAVE file at all, only text."},
        {"empty file", ""},
    };
    for (const auto& c : cases) {
        test::writeBytes(destination, "an older file");
        EXPECT_EQ(convert(c.bytes), JobResult::Failed) << c.what;
        EXPECT_EQ(test::readBytes(destination), "an older file") << c.what;
        EXPECT_EQ(filesInFolder(), 2u) << c.what;
        fs::remove(destination);
        EXPECT_EQ(convert(c.bytes), JobResult::Failed) << c.what;
        EXPECT_FALSE(fs::exists(destination)) << c.what;  // none made
    }
}

TEST_F(ConvertToMonoTest, MissingSourceMakesNoDestination) {
    ProgressLink link(progress, 100);
    EXPECT_EQ(ConvertToMono(dir / "missing.wav", destination, link), JobResult::Failed);
    EXPECT_FALSE(fs::exists(destination));
}

TEST_F(ConvertToMonoTest, WriteFailureKeepsTheOldFileAndALinksTarget) {
    const std::string bytes = stereo16(22050, sampleBytes(4000));
    // A full disk in the middle of the samples.
    test::writeBytes(destination, "an older file");
    InjectFileFault(FileCall::Write, ENOSPC);
    EXPECT_EQ(convert(bytes), JobResult::Failed);
    ClearFileFaults();
    EXPECT_EQ(test::readBytes(destination), "an older file");
    EXPECT_EQ(filesInFolder(), 2u);  // no temporary left

    // Through a symbolic link: the file it points at is neither truncated nor replaced.
    const fs::path target = dir / "kept.wav";
    test::writeBytes(target, "the user's file");
    fs::remove(destination);
    fs::create_symlink(target, destination);
    InjectFileFault(FileCall::Rename, EIO);
    EXPECT_EQ(convert(bytes), JobResult::Failed);
    ClearFileFaults();
    EXPECT_EQ(test::readBytes(target), "the user's file");
    EXPECT_TRUE(fs::is_symlink(destination));
    // A truncated source is a failure too, with the link's target untouched.
    EXPECT_EQ(convert(bytes.substr(0, bytes.size() / 2)), JobResult::Failed);
    EXPECT_EQ(test::readBytes(target), "the user's file");
}

TEST_F(ConvertToMonoTest, ConvertingAFileOntoItselfFailsAndKeepsIt) {
    const std::string bytes = stereo16(22050, sampleBytes(400));
    test::writeBytes(source, bytes);
    ProgressLink link(progress, bytes.size());
    EXPECT_EQ(ConvertToMono(source, dir.path() / "." / "stereo.wav", link), JobResult::Failed);
    EXPECT_EQ(test::readBytes(source), bytes);
}

TEST_F(ConvertToMonoTest, MissingDestinationFolderFails) {
    test::writeBytes(source, stereo16(22050, sampleBytes(400)));
    ProgressLink link(progress, 444);
    EXPECT_EQ(ConvertToMono(source, dir / "no-such-folder" / "mono.wav", link), JobResult::Failed);
    EXPECT_FALSE(fs::exists(dir / "no-such-folder"));
}

TEST_F(ConvertToMonoTest, CaptionsCountUnitsOfTheStepAndEndCompleted) {
    const std::string bytes = stereo16(44100, sampleBytes(4000));
    ASSERT_EQ(convert(bytes), JobResult::Completed);

    auto expected = test::stepCaptions(kConvertingCaption, bytes.size(), 44, 1000, 4);
    expected.push_back("Conversion was completed.");
    EXPECT_EQ(progress.captions, expected);
    EXPECT_EQ(expected.front(), "Converting, Please wait... 0%");
    ASSERT_FALSE(progress.values.empty());
    for (std::size_t i = 0; i < progress.values.size(); ++i)
        EXPECT_EQ(progress.values[i], static_cast<int>(i));  // one unit at a time
    EXPECT_LE(progress.lastValue(), 100);
}

// The frame that passes the step at which the stop is heard is still converted.
std::size_t framesAtStep(std::uint64_t total, std::uint64_t header, std::uint64_t frameBytes, int stepNumber) {
    const std::uint64_t step = total / 100;
    std::uint64_t counter = header;
    int steps = 0;
    for (std::size_t frame = 1;; ++frame) {
        counter += frameBytes;
        if (counter > step && ++steps == stepNumber)
            return frame;
        if (counter > step)
            counter = 0;
    }
}

TEST_F(ConvertToMonoTest, StopKeepsFullLengthWithZerosAfterTheStoppedFrame) {
    const std::string data = sampleBytes(4000);
    const std::string bytes = stereo16(44100, data);
    progress.stopWhen = [](const test::RecordingProgress& p) { return p.lastValue() >= 50; };
    ASSERT_EQ(convert(bytes), JobResult::Stopped);

    const std::string complete = mono16(44100, leftOf16Bit(data));
    const std::string out = output();
    ASSERT_EQ(out.size(), complete.size());
    EXPECT_EQ(out.substr(0, 44), complete.substr(0, 44));  // the header of a complete file
    const std::size_t kept = 2 * framesAtStep(bytes.size(), 44, 4, 51);
    EXPECT_EQ(out.substr(44, kept), complete.substr(44, kept));
    EXPECT_EQ(out.substr(44 + kept), std::string(2000 - kept, '\0'));
    EXPECT_EQ(progress.captions.back(), "Conversion was stopped.");
    EXPECT_EQ(progress.lastValue(), 50);
    EXPECT_EQ(filesInFolder(), 2u);
}

TEST_F(ConvertToMonoTest, LargeFileIsConvertedAcrossBlocks) {
    const std::string data = sampleBytes(4 * 700'001);  // about 2.7 MiB of frames
    const std::string bytes = stereo16(22050, data);
    ASSERT_EQ(convert(bytes), JobResult::Completed);
    EXPECT_EQ(output(), mono16(22050, leftOf16Bit(data)));
    auto expected = test::stepCaptions(kConvertingCaption, bytes.size(), 44, 700'001, 4);
    expected.push_back(kConversionCompleted);
    EXPECT_EQ(progress.captions, expected);
}

TEST_F(ConvertToMonoTest, StopInALargeFileZeroesEverythingAfterTheStoppedPoint) {
    const std::string data = sampleBytes(4 * 700'001);
    const std::string bytes = riff(chunk("fmt ", pcmFormat(2, 22050, 8)) + chunk("data", data));
    progress.stopWhen = [](const test::RecordingProgress& p) { return p.lastValue() >= 50; };
    ASSERT_EQ(convert(bytes), JobResult::Stopped);

    const std::string out = output();
    const std::string complete = riff(chunk("fmt ", pcmFormat(1, 22050, 8)) + chunk("data", rightOf8Bit(data, data.size() / 2)));
    ASSERT_EQ(out.size(), complete.size());
    const std::size_t lastNonZero = out.find_last_not_of('\0');
    ASSERT_NE(lastNonZero, std::string::npos);
    const std::size_t kept = lastNonZero + 1;
    EXPECT_EQ(out.substr(0, kept), complete.substr(0, kept));
    EXPECT_GT(kept, complete.size() * 45 / 100);
    EXPECT_LT(kept, complete.size() * 60 / 100);
    EXPECT_EQ(progress.captions.back(), kConversionStopped);
}

TEST_F(ConvertToMonoTest, ProgressRunsOnAcrossTheFilesOfOneJob) {
    const std::string bytes = stereo16(22050, sampleBytes(40'000));
    test::writeBytes(dir / "a.wav", bytes);
    test::writeBytes(dir / "b.wav", bytes);
    ProgressLink link(progress, 2 * bytes.size());
    ASSERT_EQ(ConvertToMono(dir / "a.wav", dir / "a-mono.wav", link), JobResult::Completed);
    const int afterFirst = progress.lastValue();
    ASSERT_EQ(ConvertToMono(dir / "b.wav", dir / "b-mono.wav", link), JobResult::Completed);
    EXPECT_GE(afterFirst, 45);
    EXPECT_LE(afterFirst, 50);
    EXPECT_GE(progress.lastValue(), 95);
    EXPECT_LE(progress.lastValue(), 100);
    EXPECT_EQ(std::count(progress.captions.begin(), progress.captions.end(), "Converting, Please wait... 0%"), 2);
}

}  // namespace
}  // namespace vexa
