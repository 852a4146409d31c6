// The import pipeline driven through a backend of plain arithmetic: the
// gain, its ceiling, the trim, the mix of channels, the dithered samples,
// the stop and the failures, and what each leaves in the output folder.
#include "FakeAudioBackend.h"
#include "../wavetools/RecordingProgress.h"
#include "TestPaths.h"
#include "core/import/ImportBatch.h"
#include "core/import/ImportFile.h"
#include "core/import/PcmWriter.h"
#include "core/sound/WaveRegistrationCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace vexa {
namespace {

using test::FakeSource;
using test::Sine;
using ::testing::HasSubstr;

struct WrittenWave {
    std::uint32_t rate = 0;
    int channels = 0;
    int bits = 0;
    std::vector<int> samples;  // signed values (8-bit ones less 128)
};

WrittenWave readWritten(const std::filesystem::path& file) {
    const std::string bytes = test::readBytes(file);
    WrittenWave w;
    auto u16 = [&](std::size_t at) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8); };
    w.channels = static_cast<int>(u16(22));
    w.rate = u16(24) | u16(26) << 16;
    w.bits = static_cast<int>(u16(34));
    for (std::size_t at = 44; at < bytes.size(); at += static_cast<std::size_t>(w.bits / 8))
        w.samples.push_back(w.bits == 8 ? static_cast<unsigned char>(bytes[at]) - 128 : static_cast<std::int16_t>(u16(at)));
    return w;
}

double rmsDb(const std::vector<int>& samples, double fullScale) {
    double sum = 0;
    for (const int s : samples)
        sum += (s / fullScale) * (s / fullScale);
    return 10 * std::log10(sum / static_cast<double>(samples.size()));
}

std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class ImportFileTest : public ::testing::Test {
protected:
    ImportResult import(const FakeSource& source, const ImportOptions& options, const std::string& name = "OUT.WAV") {
        backend.sources["/src/in.flac"] = source;
        return ImportFile("/src/in.flac", out / name, options, backend, progress);
    }

    test::TempDir out;
    test::FakeAudioBackend backend;
    test::RecordingProgress progress;
};

TEST_F(ImportFileTest, ATwoSecondStereoSourceBecomesARegistrableMonoFileAtTheTargetLoudness) {
    FakeSource source;
    source.channels = 2;
    source.frames = 96000;
    source.signal = [](std::uint64_t f, int) { return Sine(f, 0.05, 1000, 48000); };
    const ImportResult r = import(source, ImportOptions{});
    ASSERT_TRUE(r.imported()) << r.failure;
    EXPECT_EQ(r.output, (out / "OUT.WAV").string());
    EXPECT_EQ(r.format, (ImportFormat{22050, 16, 1}));
    EXPECT_DOUBLE_EQ(r.seconds, 2.0);
    // Mean square of a 0.05 sine: -29.0 dB; the plain meter's target -18.
    ASSERT_TRUE(r.loudnessBefore && r.loudnessAfter && r.truePeakAfter);
    EXPECT_NEAR(*r.loudnessBefore, -29.03, 0.05);
    EXPECT_NEAR(r.gainDb, 11.03, 0.05);
    EXPECT_NEAR(*r.loudnessAfter, -18.0, 0.05);
    EXPECT_FALSE(r.limitedByPeak);
    EXPECT_TRUE(r.notes.empty());

    const WrittenWave w = readWritten(r.output);
    EXPECT_EQ(w.samples.size(), 44100u);
    EXPECT_NEAR(rmsDb(w.samples, 32768), -18.0, 0.05);
    EXPECT_TRUE(CheckWaveForRegistration(r.output, false).accepted());
    EXPECT_EQ(folderEntries(out.path()), std::vector<std::string>{"OUT.WAV"});
    EXPECT_EQ(progress.lastValue(), 100);
}

TEST_F(ImportFileTest, TheCeilingHoldsTheGainBackAndSaysSo) {
    // A quiet tone with one loud click: the click reaches the ceiling first.
    FakeSource source;
    source.signal = [](std::uint64_t f, int) { return f >= 1000 && f < 1010 ? 0.5f : Sine(f, 0.01, 1000, 48000); };
    ImportOptions options;
    options.peakCeiling = -3.0;
    const ImportResult r = import(source, options);
    ASSERT_TRUE(r.imported()) << r.failure;
    EXPECT_TRUE(r.limitedByPeak);
    EXPECT_THAT(r.notes, ::testing::Contains(HasSubstr("−3.0 dBTP")));
    ASSERT_TRUE(r.truePeakAfter && r.loudnessAfter);
    EXPECT_LE(*r.truePeakAfter, -3.0);
    EXPECT_GT(*r.truePeakAfter, -3.1);
    EXPECT_LT(*r.loudnessAfter, -18.0);
}

TEST_F(ImportFileTest, WithoutNormalisationTheLevelStaysAndSilenceIsNotAmplified) {
    FakeSource tone;
    tone.signal = [](std::uint64_t f, int) { return Sine(f, 0.05, 1000, 48000); };
    ImportOptions off;
    off.loudnessTarget.reset();
    const ImportResult kept = import(tone, off);
    ASSERT_TRUE(kept.imported());
    EXPECT_EQ(kept.gainDb, 0.0);
    EXPECT_NEAR(*kept.loudnessAfter, *kept.loudnessBefore, 0.05);

    const ImportResult silent = import(FakeSource{}, ImportOptions{}, "SILENT.WAV");
    ASSERT_TRUE(silent.imported());
    EXPECT_FALSE(silent.loudnessBefore);
    EXPECT_EQ(silent.gainDb, 0.0);
    EXPECT_THAT(silent.notes, ::testing::Contains(HasSubstr("音量は揃えていません")));
    EXPECT_FALSE(silent.truePeakAfter);  // digital silence has no peak
}

TEST_F(ImportFileTest, TrimKeepsFiftyMillisecondsAroundWhatReachesMinusFiftyDecibelsInTheResult) {
    // 1 s of hiss at -60 dBFS, 0.5 s of tone, 1 s of hiss: after a gain of
    // about +6 dB the hiss is still below -50 dBFS and goes.
    FakeSource source;
    source.frames = 120000;
    source.signal = [](std::uint64_t f, int) {
        if (f >= 48000 && f < 72000)
            return Sine(f, 0.2, 1000, 48000);
        return (f % 2 ? 1.0f : -1.0f) * 0.001f;
    };
    ImportOptions options;
    options.trim = true;
    const ImportResult r = import(source, options);
    ASSERT_TRUE(r.imported()) << r.failure;
    EXPECT_NEAR(r.seconds, 0.6, 3.0 / 22050);
    EXPECT_THAT(r.notes, ::testing::Contains(HasSubstr("無音を切り詰めました")));

    options.trim = false;
    EXPECT_NEAR(import(source, options, "UNTRIM.WAV").seconds, 2.5, 1.0 / 22050);
}

TEST_F(ImportFileTest, ChannelsOppositeInPhaseAreNotAveragedAwaySilently) {
    FakeSource source;
    source.channels = 2;
    source.signal = [](std::uint64_t f, int c) { return (c == 0 ? 1.0f : -1.0f) * Sine(f, 0.1, 1000, 48000); };
    const ImportResult r = import(source, ImportOptions{});
    ASSERT_TRUE(r.imported()) << r.failure;
    EXPECT_THAT(r.notes, ::testing::Contains(HasSubstr("逆位相")));
    EXPECT_NEAR(rmsDb(readWritten(r.output).samples, 32768), -18.0, 0.1);

    // Channels that differ without cancelling are averaged as they are.
    source.signal = [](std::uint64_t f, int c) { return c == 0 ? Sine(f, 0.1, 1000, 48000) : 0.0f; };
    EXPECT_TRUE(import(source, ImportOptions{}, "HALF.WAV").notes.empty());
}

TEST_F(ImportFileTest, EightBitOutputIsDitheredAroundTheUnsignedMidLevel) {
    FakeSource source;
    source.signal = [](std::uint64_t f, int) { return Sine(f, 0.3, 1000, 48000); };
    ImportOptions options;
    options.bits = 8;
    options.rate = 8000;
    options.loudnessTarget.reset();
    const ImportResult r = import(source, options);
    ASSERT_TRUE(r.imported());
    const WrittenWave w = readWritten(r.output);
    EXPECT_EQ(w.bits, 8);
    EXPECT_EQ(w.rate, 8000u);
    EXPECT_EQ(w.samples.size(), 8000u);
    // The written values follow the tone within the dither's reach.
    for (std::size_t i = 0; i < w.samples.size(); ++i)
        ASSERT_LE(std::fabs(w.samples[i] - 128 * Sine(i * 6, 0.3, 1000, 48000)), 1.5) << i;
    EXPECT_TRUE(CheckWaveForRegistration(r.output, false).accepted());
}

TEST(DitheredQuantizer, EightBitsAreDitheredSoLevelsBelowOneStepSurviveOnAverageSixteenAreRounded) {
    // Without dither a level of 0.3 steps would round to 0 every time.
    struct Case {
        int bits;
        double mean, low, high;  // in steps
    };
    for (const Case c : {Case{8, 0.3, -1, 1}, Case{16, 0.0, 0, 0}}) {
        const double step = c.bits == 8 ? 1.0 / 128 : 1.0 / 32768;
        DitheredQuantizer quantizer(c.bits);
        const std::vector<float> in(200000, static_cast<float>(0.3 * step));
        std::vector<float> quantized(in.size());
        std::vector<std::uint8_t> bytes;
        quantizer.convert(in.data(), in.size(), 1.0f, bytes, quantized.data());
        EXPECT_EQ(bytes.size(), in.size() * static_cast<std::size_t>(c.bits / 8));
        const double mean = std::accumulate(quantized.begin(), quantized.end(), 0.0) / static_cast<double>(in.size());
        EXPECT_NEAR(mean / step, c.mean, 0.02) << c.bits;
        const auto [low, high] = std::minmax_element(quantized.begin(), quantized.end());
        EXPECT_EQ(*low / step, c.low) << c.bits;
        EXPECT_EQ(*high / step, c.high) << c.bits;
        EXPECT_EQ(quantizer.clipped(), 0u);
    }
    // Digital silence stays silent; full scale and beyond is clipped and counted.
    DitheredQuantizer eight(8);
    const std::vector<float> edge = {0.0f, 0.0f, 1.0f, -1.5f};
    std::vector<float> quantized(edge.size());
    std::vector<std::uint8_t> bytes;
    eight.convert(edge.data(), edge.size(), 1.0f, bytes, quantized.data());
    EXPECT_EQ(bytes[0], 128);
    EXPECT_EQ(bytes[1], 128);
    EXPECT_GE(bytes[2], 254);
    EXPECT_EQ(bytes[3], 0);
    EXPECT_GE(eight.clipped(), 1u);
}

TEST_F(ImportFileTest, FailuresNameTheFileAndLeaveNothingBehind) {
    FakeSource broken;
    broken.failAfter = 30000;
    const ImportResult midway = import(broken, ImportOptions{});
    EXPECT_EQ(midway.status, ImportStatus::Failed);
    EXPECT_THAT(midway.failure, HasSubstr("/src/in.flac"));
    EXPECT_THAT(midway.failure, HasSubstr("0.63 秒"));
    EXPECT_THAT(midway.failure, HasSubstr("Invalid data"));

    const ImportResult unreadable = ImportFile(out / "nothing.mp3", out / "X.WAV", ImportOptions{}, backend, progress);
    EXPECT_EQ(unreadable.status, ImportStatus::Failed);
    EXPECT_THAT(unreadable.failure, HasSubstr("nothing.mp3"));

    FakeSource empty;
    empty.frames = 0;
    EXPECT_THAT(import(empty, ImportOptions{}).failure, HasSubstr("音声がありません"));

    test::writeBytes(out / "SRC.WAV", "RIFF");
    const ImportResult onto = ImportFile(out / "SRC.WAV", out / "SRC.WAV", ImportOptions{}, backend, progress);
    EXPECT_EQ(onto.status, ImportStatus::Failed);
    EXPECT_EQ(test::readBytes(out / "SRC.WAV"), "RIFF");

    EXPECT_EQ(folderEntries(out.path()), std::vector<std::string>{"SRC.WAV"});
}

TEST_F(ImportFileTest, AStopInEitherPassLeavesTheOldFileAndNoTemporary) {
    test::writeBytes(out / "OUT.WAV", "old");
    FakeSource source;
    source.frames = 48000 * 20;
    source.signal = [](std::uint64_t f, int) { return Sine(f, 0.1, 1000, 48000); };
    for (const int stopAt : {10, 90}) {  // in the first pass, in the second
        progress.values.clear();
        progress.stopWhen = [stopAt](const test::RecordingProgress& p) { return p.lastValue() >= stopAt; };
        const ImportResult r = import(source, ImportOptions{});
        EXPECT_EQ(r.status, ImportStatus::Stopped) << stopAt;
        EXPECT_LT(progress.lastValue(), stopAt + 2);
        EXPECT_EQ(test::readBytes(out / "OUT.WAV"), "old");
        EXPECT_EQ(folderEntries(out.path()), std::vector<std::string>{"OUT.WAV"});
    }
}

TEST_F(ImportFileTest, ABatchStoppedInItsSecondFileKeepsTheFirst) {
    FakeSource source;
    source.frames = 48000 * 4;
    source.signal = [](std::uint64_t f, int) { return Sine(f, 0.1, 1000, 48000); };
    backend.sources["/src/a.mp3"] = source;
    backend.sources["/src/b.mp3"] = source;
    backend.sources["/src/c.mp3"] = source;
    progress.stopWhen = [](const test::RecordingProgress& p) { return p.lastValue() >= 40; };
    const auto items = PlanImportNames({"/src/a.mp3", "/src/b.mp3", "/src/c.mp3"}, {});
    const ImportBatchResult batch = RunImportBatch(items, out.path(), ImportOptions{}, backend, progress);
    EXPECT_TRUE(batch.stopped);
    ASSERT_EQ(batch.results.size(), 2u);
    EXPECT_TRUE(batch.results[0].imported());
    EXPECT_EQ(batch.results[1].status, ImportStatus::Stopped);
    EXPECT_EQ(folderEntries(out.path()), std::vector<std::string>{"A.WAV"});
    EXPECT_EQ(progress.captions.front(), "取り込み中… a.mp3（1/3）");
    EXPECT_EQ(progress.captions.back(), kImportStopped);
}

TEST_F(ImportFileTest, ABatchGoesOnPastARefusedFile) {
    FakeSource source;
    backend.sources["/src/a.mp3"] = source;
    backend.sources["/src/c.mp3"] = source;
    test::writeBytes(out / "B.WAV", "someone else's");
    std::vector<ImportItem> items = {{"/src/a.mp3", "A.WAV"}, {"/src/missing.mp3", "M.WAV"}, {"/src/c.mp3", "B.WAV"},
                                     {"/src/c.mp3", "C.WAV"}};
    const ImportBatchResult batch = RunImportBatch(items, out.path(), ImportOptions{}, backend, progress);
    EXPECT_FALSE(batch.stopped);
    EXPECT_FALSE(batch.allImported());
    ASSERT_EQ(batch.results.size(), 4u);
    EXPECT_TRUE(batch.results[0].imported());
    EXPECT_THAT(batch.results[1].failure, HasSubstr("missing.mp3"));
    EXPECT_THAT(batch.results[2].failure, HasSubstr("既にあります"));
    EXPECT_TRUE(batch.results[3].imported());
    EXPECT_EQ(test::readBytes(out / "B.WAV"), "someone else's");
    EXPECT_EQ(progress.captions.back(), kImportCompleted);
}

}  // namespace
}  // namespace vexa
