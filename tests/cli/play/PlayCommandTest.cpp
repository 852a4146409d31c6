// vexa play: usage and files it cannot play everywhere; real playback where a
// sound server runs (scripts/test starts a private one with a null sink): the
// null sink's monitor is recorded and must hold the tone, at its frequency and
// for its length.
#include "TestPaths.h"
#include "WaveFileBytes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <numbers>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vexa {
namespace {

using namespace std::chrono_literals;
constexpr std::uint32_t kRate = 44100;

// A 16-bit mono sine tone.
std::string toneWave(double hertz, double seconds) {
    std::string data;
    const auto samples = static_cast<std::size_t>(seconds * kRate);
    for (std::size_t i = 0; i < samples; ++i) {
        const double v = 12000.0 * std::sin(2.0 * std::numbers::pi * hertz * static_cast<double>(i) / kRate);
        data += test::le16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v))));
    }
    return test::riff(test::chunk("fmt ", test::pcmFormat(1, kRate, 16)) + test::chunk("data", data));
}

bool soundServerRuns() { return std::system("pactl info >/dev/null 2>&1") == 0; }

// Starts `argv` with stdout into `out` (stderr dropped); returns its PID.
pid_t spawn(std::vector<std::string> argv, const std::filesystem::path& out) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> args;
        for (auto& a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        if (!std::freopen(out.c_str(), "wb", stdout) || !std::freopen("/dev/null", "wb", stderr))
            ::_exit(127);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Heard {
    double seconds = 0;  // from the first to the last loud sample
    double hertz = 0;    // from the zero crossings between them
    int peak = 0;
};

Heard analyse(const std::string& raw) {
    std::vector<int> s(raw.size() / 2);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<std::int16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                         (static_cast<unsigned char>(raw[2 * i + 1]) << 8));
    Heard h;
    constexpr int kLoud = 3000;
    std::size_t first = s.size(), last = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        h.peak = std::max(h.peak, std::abs(s[i]));
        if (std::abs(s[i]) > kLoud) {
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
    h.seconds = static_cast<double>(last - first) / kRate;
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
        if (!soundServerRuns())
            GTEST_SKIP() << "no sound server: start the tests through scripts/with-sound-server (scripts/test does)";
        if (std::system("command -v parec >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "parec (pulseaudio-utils) is not installed";
    }
    test::TempDir dir;
};

TEST_F(RealPlayback, TheRecordedSinkHoldsTheToneAtItsFrequencyAndLength) {
    test::writeBytes(dir / "TONE.WAV", toneWave(1000, 1.0));
    const auto recording = dir / "heard.raw";
    const pid_t recorder = spawn({"parec", "--device=@DEFAULT_MONITOR@", "--raw", "--format=s16le", "--rate=44100",
                                  "--channels=1", "--latency-msec=20"},
                                 recording);
    std::this_thread::sleep_for(500ms);
    const auto played = test::runVexa({"play", (dir / "TONE.WAV").string()});
    std::this_thread::sleep_for(500ms);
    ::kill(recorder, SIGTERM);
    waitFor(recorder);

    ASSERT_EQ(played.exitCode, 0) << played.err;
    EXPECT_EQ(played.out, "TONE.WAV: PCM 44.1KHz, 16bit, Mono, 1.000 秒, 86.0KB \n");
    const Heard heard = analyse(test::readBytes(recording));
    ASSERT_GT(heard.peak, 3000) << "nothing was heard on the sink";
    std::cout << "heard " << heard.seconds << " s at " << heard.hertz << " Hz\n";
    EXPECT_NEAR(heard.seconds, 1.0, 0.150);
    EXPECT_NEAR(heard.hertz, 1000.0, 10.0);
}

TEST_F(RealPlayback, CtrlCStopsAtOnce) {
    // Silence: the recording test may be listening to the same sink meanwhile.
    test::writeBytes(dir / "LONG.WAV", test::pcmWave(1, kRate, 16, 20 * kRate * 2));
    const pid_t player = spawn({VEXA_CLI_PATH, "play", (dir / "LONG.WAV").string()}, dir / "out");
    std::this_thread::sleep_for(1s);
    const auto asked = std::chrono::steady_clock::now();
    ::kill(player, SIGINT);
    EXPECT_EQ(waitFor(player), 130);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 2s);
}

}  // namespace
}  // namespace vexa
