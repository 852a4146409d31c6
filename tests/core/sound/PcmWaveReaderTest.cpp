// Reading PCM for the sound output: formats it plays and refuses, sizes that
// lie, and reads in whole frames that never pass the data.
#include "core/sound/PcmWaveReader.h"

#include "TestPaths.h"
#include "WaveFileBytes.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using namespace test;

class PcmReading : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path write(const std::string& bytes) {
        const auto path = dir / "T.WAV";
        writeBytes(path, bytes);
        return path;
    }
};

TEST_F(PcmReading, FormatsAndLengths) {
    struct Case {
        std::string bytes;
        PcmFormat format;
        std::uint64_t dataBytes;
        long long microseconds;
    };
    const std::string tone(100, '\x01');
    const std::vector<Case> cases = {
        {pcmWave(1, 8000, 8, 8000), {1, 8000, 8}, 8000, 1000000},
        {pcmWave(2, 44100, 16, 44100 * 4), {2, 44100, 16}, 176400, 1000000},
        // a LIST chunk (odd, padded) before "fmt "
        {riff(chunk("LIST", "abc") + chunk("fmt ", pcmFormat(1, 22050, 16)) + chunk("data", std::string(4410, '\0'))),
         {1, 22050, 16}, 4410, 100000},
        // a data size past the end of the file: the bytes present, whole frames only
        {riff(chunk("fmt ", pcmFormat(2, 11025, 16)) + chunkClaiming("data", 1000000, std::string(4411, '\0'))),
         {2, 11025, 16}, 4408, 99954},
    };
    for (const Case& c : cases) {
        PcmWaveReader reader;
        ASSERT_TRUE(reader.open(write(c.bytes)).ok());
        EXPECT_EQ(reader.format(), c.format);
        EXPECT_EQ(reader.dataBytes(), c.dataBytes);
        EXPECT_EQ(reader.durationMicroseconds(), c.microseconds);
    }
}

TEST_F(PcmReading, RefusesWhatItCannotPlay) {
    std::string floatFormat = pcmFormat(1, 22050, 32);
    floatFormat[0] = 3;
    const std::vector<std::string> cases = {
        "not a wave file at all",
        pcmWave(1, 22050, 24, 300),
        pcmWave(1, 48000, 16, 300),
        pcmWave(3, 22050, 16, 300),
        riff(chunk("fmt ", floatFormat) + chunk("data", std::string(8, '\0'))),
        riff(chunk("fmt ", pcmFormat(1, 22050, 16))),  // no data chunk
        riff(chunk("fmt ", pcmFormat(1, 22050, 16)) + chunk("data", "")) .substr(0, 20),
    };
    for (const auto& bytes : cases) {
        PcmWaveReader reader;
        const AudioResult result = reader.open(write(bytes));
        EXPECT_EQ(result.fault, AudioFault::Unplayable) << bytes.size();
        EXPECT_FALSE(result.detail.empty());
    }
    PcmWaveReader reader;
    EXPECT_EQ(reader.open(dir / "GONE.WAV"), (AudioResult{AudioFault::FileMissing, "GONE.WAV"}));
}

TEST_F(PcmReading, ReadsWholeFramesInBlocksToTheEnd) {
    std::string data;
    for (int i = 0; i < 1000; ++i)
        data += le16(static_cast<std::uint16_t>(i));
    PcmWaveReader reader;
    ASSERT_TRUE(reader.open(write(riff(chunk("fmt ", pcmFormat(2, 8000, 16)) + chunk("data", data) +
                                       chunk("LIST", "trailing")))).ok());
    std::string got;
    char block[30];
    std::size_t n = 0;
    while ((n = reader.read(block, sizeof block)) > 0) {
        EXPECT_EQ(n % 4, 0u);
        got.append(block, n);
    }
    EXPECT_EQ(got, data);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.read(block, 3), 0u);  // less than a frame never splits one
    reader.rewind();
    EXPECT_EQ(reader.read(block, 3), 0u);
    EXPECT_EQ(reader.read(block, 8), 8u);
    EXPECT_EQ(std::string(block, 8), data.substr(0, 8));
}

}  // namespace
}  // namespace vexa
