#include "core/sound/WaveInspection.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/config/Messages.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

using test::chunk;
using test::chunkClaiming;
using test::le16;
using test::le32;
using test::pcmFormat;
using test::pcmWave;
using test::riff;

// The catalogue text under the name of the file it concerns.
std::string namedText(const std::string& name, const std::string& text) { return "「" + name + "」\n" + text; }

struct ReadCase {
    const char* what;
    std::string bytes;
    int message;  // 0: read succeeds
};

const std::string kFmt = chunk("fmt ", pcmFormat(1, 22050, 16));
const std::string kData = chunk("data", std::string(10, '\0'));

TEST(ReadWaveFormat, RefusesWithItsMessage) {
    const ReadCase cases[] = {
        {"canonical", pcmWave(1, 22050, 16, 100), 0},
        {"odd LIST chunk before fmt, padded", riff(chunk("LIST", "abc") + kFmt + kData), 0},
        {"fmt after data", riff(kData + kFmt), 0},
        {"form type not examined", riff(kFmt + kData, "AVI "), 0},
        {"text file", "This is not a WAVE file at all.\r\n", 2801},
        {"empty file", "", 2801},
        {"RIFF cut inside its header", "RIFF" + le32(100), 2801},
        {"RIFF without fmt", riff(kData), 2802},
        {"chunk size past the end before fmt", riff(chunkClaiming("LIST", 0xFFFFFFF0, "xx") + kFmt), 2802},
        {"fmt outside the RIFF size",
         "RIFF" + le32(4 + static_cast<std::uint32_t>(kData.size())) + "WAVE" + kData + kFmt, 2802},
        {"extensible fmt of 40 bytes",
         riff(chunk("fmt ", pcmFormat(1, 22050, 16) + le16(22) + std::string(22, '\0'))), 2803},
        {"fmt of 19 bytes", riff(chunk("fmt ", pcmFormat(1, 22050, 16) + "abc")), 2803},
    };
    test::TempDir dir;
    const auto file = dir / "t.wav";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::writeBytes(file, c.bytes);
        test::ScriptedDialogs dialogs;
        const auto format = ReadWaveFormat(file, dialogs);
        EXPECT_EQ(format.has_value(), c.message == 0);
        if (c.message == 0) {
            EXPECT_TRUE(dialogs.shown.empty());
            continue;
        }
        ASSERT_EQ(dialogs.shown.size(), 1U);
        EXPECT_EQ(dialogs.shown[0], (MessageRequest{namedText("t.wav", GetMsg(c.message)), "エラー", MessageIcon::Error,
                                                    MessageButtons::Ok}));
        EXPECT_EQ(ReadWaveFormat(file).reason, GetMsg(c.message));
    }
}

TEST(ReadWaveFormat, FillsTheRecordFromTheChunkSize) {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    const auto file = dir / "t.wav";

    test::writeBytes(file, pcmWave(2, 44100, 16, 8));
    EXPECT_EQ(ReadWaveFormat(file, dialogs), (WaveFormat{1, 2, 44100, 176400, 4, 16, 0}));

    test::writeBytes(file, riff(chunk("fmt ", pcmFormat(1, 8000, 8) + le16(0x1234)) + kData));
    EXPECT_EQ(ReadWaveFormat(file, dialogs), (WaveFormat{1, 1, 8000, 8000, 1, 8, 0x1234}));

    // 14 bytes: BitsPerSample lies beyond the chunk and stays 0.
    test::writeBytes(file, riff(chunk("fmt ", pcmFormat(1, 8000, 8).substr(0, 14)) + kData));
    EXPECT_EQ(ReadWaveFormat(file, dialogs), (WaveFormat{1, 1, 8000, 8000, 1, 0, 0}));

    // A body cut short by the end of the file is read as far as it goes.
    test::writeBytes(file, riff(chunkClaiming("fmt ", 16, le16(1) + le16(2))));
    EXPECT_EQ(ReadWaveFormat(file, dialogs), (WaveFormat{1, 2, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(ReadWaveFormat, EmptyFmtBodyReportsTheFailedRead) {
    test::TempDir dir;
    const auto file = dir / "t.wav";
    for (const std::string& bytes : {riff(chunk("fmt ", "")), riff(chunkClaiming("fmt ", 16, ""))}) {
        test::writeBytes(file, bytes);
        test::ScriptedDialogs dialogs;
        EXPECT_FALSE(ReadWaveFormat(file, dialogs));
        ASSERT_EQ(dialogs.shown.size(), 1U);
        EXPECT_EQ(dialogs.shown[0].text, namedText("t.wav", "mmioRead failed - 0"));
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
    }
}

TEST(ReadWaveFormat, MissingFileOrFolderCannotBeOpened) {
    test::TempDir dir;
    for (const auto& path : {dir / "missing.wav", dir.path()}) {
        test::ScriptedDialogs dialogs;
        EXPECT_FALSE(ReadWaveFormat(path, dialogs));
        ASSERT_EQ(dialogs.texts(), std::vector<std::string>{namedText(path.filename().string(), GetMsg(2800))});
    }
}

struct FormatCase {
    std::string path;
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint16_t bits;
    bool stereoAllowed;
    bool accepted;
    int message;  // 0: none
};

TEST(CheckWaveFormat, NameThenChannelsThenRate) {
    const FormatCase cases[] = {
        {"/snd/a-b(c)/ABCDEFGH.wav", 1, 22050, 16, false, true, 0},  // only the name is tested
        {"/snd/ABCDEFGHI.wav", 1, 22050, 16, false, false, 0},      // 13 bytes
        {"/snd/a-b.wav", 1, 22050, 16, false, false, 0},
        {"/snd/a(1).wav", 1, 22050, 16, false, false, 0},
        {"/snd/x[1].wav", 1, 22050, 16, false, false, 0},
        {"/snd/あ.wav", 1, 22050, 16, false, false, 0},
        {"/snd/ｱ.wav", 1, 22050, 16, false, true, 0},  // half-width kana is one byte
        // Names whose CP932 form differs from them: the file would be stored
        // as "\.wav", "~.wav" or "?.wav"; and a comma, which splits the line.
        {"/snd/¥.wav", 1, 22050, 16, false, false, 0},
        {"/snd/‾.wav", 1, 22050, 16, false, false, 0},
        {"/snd/é.wav", 1, 22050, 16, false, false, 0},
        {"/snd/A,B.WAV", 1, 22050, 16, false, false, 0},
        {"/snd/~.wav", 1, 22050, 16, false, true, 0},
        {"/snd/a-b.wav", 2, 48000, 16, false, false, 0},  // the name refusal comes first
        {"/snd/s.wav", 2, 22050, 16, false, false, 2805},
        {"/snd/s.wav", 2, 22050, 16, true, true, 0},
        {"/snd/s.wav", 2, 48000, 16, false, false, 2805},  // channels before rate
        {"/snd/s.wav", 0, 22050, 16, false, false, 2805},
        {"/snd/r.wav", 1, 11025, 16, false, true, 0},
        {"/snd/r.wav", 1, 12800, 8, false, true, 0},
        {"/snd/r.wav", 1, 11000, 16, false, false, 2806},
        {"/snd/r.wav", 1, 48000, 16, false, false, 2806},
        {"/snd/b.wav", 1, 44100, 24, false, true, 0},  // bits are not examined here
        {"", 1, 8000, 8, false, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " " + std::to_string(c.channels) + " " + std::to_string(c.rate));
        WaveFormat format{1, c.channels, c.rate, 0, 0, c.bits, 0};
        const CheckResult refusal = CheckWaveFormat(format, c.path, c.stereoAllowed);
        EXPECT_EQ(!refusal, c.accepted);
        if (c.accepted)
            continue;
        if (c.message == 0) {  // the name: a warning that names the file
            ASSERT_TRUE(refusal);
            EXPECT_EQ(refusal->field, "name");
            EXPECT_NE(refusal->text.find("「" + std::filesystem::path(c.path).filename().string() + "」"),
                      std::string::npos);
            EXPECT_EQ(refusal->icon, MessageIcon::Warning);
        } else {
            const std::string name = std::filesystem::path(c.path).filename().string();
            EXPECT_EQ(refusal, NamingTheFile(Refusal::warning(c.message), name));
            EXPECT_EQ(refusal->text, namedText(name, GetMsg(c.message)));
        }
    }
    // The comma has a reason of its own.
    const CheckResult comma = CheckWaveFormat(WaveFormat{1, 1, 22050, 0, 0, 16, 0}, "/snd/A,B.WAV", false);
    ASSERT_TRUE(comma);
    EXPECT_NE(comma->text.find("「,」"), std::string::npos) << comma->text;
}

struct HeaderCase {
    const char* what;
    std::string bytes;
    bool stereoAllowed;
    bool accepted;
};

TEST(CheckWaveHeader, ScansTheFirstBytes) {
    // A LIST chunk of n body bytes moves "fmt " to 20 + n.
    auto withList = [](std::size_t n) {
        return riff(chunk("LIST", std::string(n, 'x')) + kFmt + kData);
    };
    const HeaderCase cases[] = {
        {"mono 16 bit", pcmWave(1, 22050, 16, 4), false, true},
        {"mono 8 bit", pcmWave(1, 8000, 8, 4), false, true},
        {"24 bit", pcmWave(1, 22050, 24, 6), false, false},
        {"stereo refused", pcmWave(2, 22050, 16, 4), false, false},
        {"stereo allowed", pcmWave(2, 22050, 16, 4), true, true},
        {"rate 48000", pcmWave(1, 48000, 16, 4), false, false},
        {"18-byte fmt: data found further on", riff(chunk("fmt ", pcmFormat(1, 22050, 16) + le16(0)) + kData),
         false, true},
        {"fmt at 220, data at 244", withList(200), false, true},
        {"fmt at 230, data at 254", withList(210), false, true},
        {"fmt at 232, data at 256", withList(212), false, false},
        {"no data chunk", riff(kFmt), false, false},
        {"not RIFF", "RIFX" + pcmWave(1, 22050, 16, 4).substr(4), false, false},
        {"only RIFF", "RIFF", false, false},
        {"empty", "", false, false},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto file = dir / "h.wav";
        test::writeBytes(file, c.bytes);
        EXPECT_EQ(CheckWaveHeader(file, c.stereoAllowed), c.accepted);
    }
    EXPECT_FALSE(CheckWaveHeader(dir / "missing.wav", true));
}

struct LengthCase {
    const char* what;
    std::string bytes;
    long long milliseconds;
};

TEST(GetWaveLength, FromDataSizeAndByteRate) {
    auto withFormat = [](std::uint16_t channels, std::uint32_t avg, std::uint16_t align) {
        return riff(chunk("fmt ", le16(1) + le16(channels) + le32(22050) + le32(avg) + le16(align) +
                                      le16(16)) +
                    chunk("data", std::string(100, '\0')));
    };
    const LengthCase cases[] = {
        {"one second, 22050 Hz mono 16 bit", pcmWave(1, 22050, 16, 44100), 1000},
        {"half a second, stereo", pcmWave(2, 44100, 16, 88200), 500},
        {"rounded down", pcmWave(1, 8000, 8, 7999), 999},
        {"LIST before fmt, odd size", riff(chunk("LIST", "abc") + kFmt + chunk("data", std::string(4410, '\0'))),
         100},
        {"data size past the end counts what is there",
         riff(kFmt + chunkClaiming("data", 0xFFFFFFFF, std::string(22050, '\0'))), 500},
        {"AvgBytesPerSec 0", withFormat(1, 0, 2), -1},
        {"channels 0", withFormat(0, 44100, 2), -1},
        {"BlockAlign 0", withFormat(1, 44100, 0), -1},
        {"fmt shorter than 16 bytes", riff(chunk("fmt ", pcmFormat(1, 22050, 16).substr(0, 12)) + kData), -1},
        {"no data chunk", riff(kFmt), -1},
        {"no fmt chunk", riff(kData), -1},
        {"not a WAVE form", riff(kFmt + kData, "AVI "), -1},
        {"text file", "hello", -1},
        {"empty", "", -1},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto file = dir / "l.wav";
        test::writeBytes(file, c.bytes);
        EXPECT_EQ(GetWaveLength(file), c.milliseconds);
    }
    EXPECT_EQ(GetWaveLength(dir / "missing.wav"), -1);
    EXPECT_EQ(GetWaveLength(dir.path()), -1);
}

// Every prefix of a file, and a file with garbage sizes, gives a refusal or a
// result within bounds: never a crash or a hang.
TEST(WaveInspection, TruncatedFilesAreRefusedCleanly) {
    test::TempDir dir;
    const auto file = dir / "cut.wav";
    const std::string whole = riff(chunk("LIST", "abc") + kFmt + chunk("data", std::string(441, '\0')));
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        SCOPED_TRACE(n);
        test::writeBytes(file, whole.substr(0, n));
        test::ScriptedDialogs dialogs;
        const auto format = ReadWaveFormat(file, dialogs);
        // The fmt body starts at 12 + 12 + 8 = 32.
        EXPECT_EQ(format.has_value(), n > 32);
        EXPECT_EQ(dialogs.shown.size(), format ? 0U : 1U);
        const long long ms = GetWaveLength(file);
        EXPECT_LE(ms, 10);
        EXPECT_GE(ms, -1);
        EXPECT_EQ(CheckWaveHeader(file, false), n >= 52);  // "data" ends at 52
    }
}

}  // namespace
}  // namespace vexa
