// vexa play: usage and files it cannot play everywhere; real playback where a
// sound server runs (scripts/test starts a private one with a null sink): the
// null sink's monitor is recorded and must hold the tone, at its frequency and
// for its length.
#include "SinkRecording.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vexa {
namespace {

using namespace std::chrono_literals;
using test::kRecordingRate;

struct Heard {
    double seconds = 0;  // from the first to the last loud sample
    double hertz = 0;    // from the zero crossings between them
    int peak = 0;
};

Heard analyse(const std::vector<std::int16_t>& s) {
    Heard h;
    constexpr int kLoud = 3000;
    std::size_t first = s.size(), last = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        h.peak = std::max(h.peak, std::abs(static_cast<int>(s[i])));
        if (std::abs(static_cast<int>(s[i])) > kLoud) {
            first = std::min(first, i);
            last = i;
        }
    }
    if (first >= last)
        return h;
    int crossings = 0;
    for (std::size_t i = first + 1; i <= last; ++i)
        if ((s[i - 1] < 0) != (s[i] < 0))
            ++crossings;
    h.seconds = static_cast<double>(last - first) / kRecordingRate;
    h.hertz = crossings / 2.0 / h.seconds;
    return h;
}

TEST(PlayCommand, UsageErrorsAndFilesItCannotPlay) {
    test::TempDir dir;
    EXPECT_EQ(test::runVexa({"play"}).exitCode, 2);
    test::writeBytes(dir / "TEXT.WAV", "not a wave file");
    const auto r = test::runVexa({"play", (dir / "GONE.WAV").string(), (dir / "TEXT.WAV").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("GONE.WAV: この音声は再生できません。ファイルが見つかりません。"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("TEXT.WAV: この音声は再生できません。再生できないWAVEファイルです。"), std::string::npos)
        << r.err;
}

class RealPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = test::RecordingUnavailable(); !why.empty())
            GTEST_SKIP() << why;
    }
    test::TempDir dir;
};

TEST_F(RealPlayback, TheRecordedSinkHoldsTheToneAtItsFrequencyAndLength) {
    test::writeBytes(dir / "TONE.WAV", test::ToneWave(1000, 1.0));
    test::SinkRecording recording(dir / "heard.raw");
    std::this_thread::sleep_for(500ms);
    const auto played = test::runVexa({"play", (dir / "TONE.WAV").string()});
    std::this_thread::sleep_for(500ms);

    ASSERT_EQ(played.exitCode, 0) << played.err;
    EXPECT_EQ(played.out, "TONE.WAV: PCM 44.1KHz, 16bit, Mono, 1.000 秒, 86.0KB \n");
    const Heard heard = analyse(recording.stop());
    ASSERT_GT(heard.peak, 3000) << "nothing was heard on the sink";
    std::cout << "heard " << heard.seconds << " s at " << heard.hertz << " Hz\n";
    EXPECT_NEAR(heard.seconds, 1.0, 0.150);
    EXPECT_NEAR(heard.hertz, 1000.0, 10.0);
}

TEST_F(RealPlayback, CtrlCStopsAtOnce) {
    // Silence: the recording test may be listening to the same sink meanwhile.
    test::writeBytes(dir / "LONG.WAV", test::pcmWave(1, kRecordingRate, 16, 20 * kRecordingRate * 2));
    const pid_t player = test::Spawn({VEXA_CLI_PATH, "play", (dir / "LONG.WAV").string()}, dir / "out");
    std::this_thread::sleep_for(1s);
    const auto asked = std::chrono::steady_clock::now();
    ::kill(player, SIGINT);
    EXPECT_EQ(test::WaitFor(player), 130);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 2s);
}

}  // namespace
}  // namespace vexa
