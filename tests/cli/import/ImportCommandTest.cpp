// vexa import: files written with their figures (lines or JSON), refusals on
// stderr with the others still imported, usage errors, and Ctrl+C / SIGTERM
// stopping cleanly.
#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/sound/WaveRegistrationCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cmath>
#include <csignal>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// A 16-bit PCM WAVE file of a 1 kHz tone of amplitude 0.25 in every channel.
std::string toneWave(std::uint16_t channels, std::uint32_t rate, double seconds) {
    std::string data;
    const auto frames = static_cast<std::size_t>(seconds * rate);
    data.reserve(frames * channels * 2);
    for (std::size_t i = 0; i < frames; ++i) {
        const auto v = static_cast<std::int16_t>(std::lround(8192 * std::sin(2 * M_PI * 1000 * i / rate)));
        for (int c = 0; c < channels; ++c)
            data += test::le16(static_cast<std::uint16_t>(v));
    }
    return test::riff(test::chunk("fmt ", test::pcmFormat(channels, rate, 16)) + test::chunk("data", data));
}

std::size_t entries(const fs::path& folder) {
    std::error_code ec;
    return fs::exists(folder, ec) ? static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {})) : 0;
}

class ImportCommandTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (dir / name).string(); }

    test::TempDir dir;
};

TEST_F(ImportCommandTest, WritesEachFileUnderItsOwnNameAndPrintsItsFigures) {
    test::writeBytes(dir / "Morning Call.wav", toneWave(2, 48000, 2.0));
    test::writeBytes(dir / "chime.wav", toneWave(1, 16000, 1.0));
    const std::string out = path("new/import");  // made when missing
    auto r = test::runVexa({"import", path("Morning Call.wav"), path("chime.wav"), "--out", out});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr(out + "/MORNINGC.WAV ← " + path("Morning Call.wav")));
    EXPECT_THAT(r.out, ::testing::ContainsRegex("22.05KHz・16bit・Mono、2.000 秒、音量 −15\\.[01] LUFS → −1[78]\\.[09] LUFS"));
    EXPECT_THAT(r.out, HasSubstr(out + "/CHIME.WAV ← "));
    // Not above the source's rate, and said so.
    EXPECT_THAT(r.out, HasSubstr("16KHz・16bit・Mono、1.000 秒"));
    EXPECT_THAT(r.out, HasSubstr("注：元の周波数（16KHz）より上げないため 16KHz にしました。"));
    EXPECT_THAT(r.err, HasSubstr("取り込みが終わりました。"));
    EXPECT_TRUE(CheckWaveForRegistration(out + "/MORNINGC.WAV", false).accepted());
    EXPECT_TRUE(CheckWaveForRegistration(out + "/CHIME.WAV", false).accepted());

    // The same again: the names are taken now.
    r = test::runVexa({"import", path("chime.wav"), "--out", out, "--json", "--rate", "8000", "--bits", "8",
                       "--loudness", "-23", "--peak", "-3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);
    ASSERT_EQ(json.size(), 1u);
    const auto& f = json[0];
    EXPECT_EQ(f["source"], path("chime.wav"));
    EXPECT_EQ(f["output"], out + "/CHIME001.WAV");
    EXPECT_EQ(f["rate"], 8000);
    EXPECT_EQ(f["bits"], 8);
    EXPECT_EQ(f["channels"], 1);
    EXPECT_NEAR(f["seconds"].get<double>(), 1.0, 0.001);
    EXPECT_NEAR(f["loudness_before"].get<double>(), -15.0, 0.2);
    EXPECT_NEAR(f["loudness_after"].get<double>(), -23.0, 0.5);
    EXPECT_LE(f["true_peak_after"].get<double>(), -3.0);
    EXPECT_NEAR(f["gain_db"].get<double>(), -8.0, 0.2);
    EXPECT_EQ(f["limited_by_peak"], false);
    EXPECT_TRUE(f["notes"].is_array());
}

TEST_F(ImportCommandTest, NameNoLoudnessStereoAndAFolderOfSources) {
    fs::create_directory(dir / "sources");
    test::writeBytes(dir / "sources" / "b.wav", toneWave(2, 44100, 0.5));
    test::writeBytes(dir / "sources" / "a.wav", toneWave(1, 22050, 0.5));
    test::writeBytes(dir / "sources" / "readme.txt", "not audio");
    const std::string out = path("out");
    auto r = test::runVexa({"import", path("sources"), "--out", out, "--json", "--no-loudness"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto json = nlohmann::json::parse(r.out);
    ASSERT_EQ(json.size(), 2u);
    EXPECT_EQ(json[0]["output"], out + "/A.WAV");
    EXPECT_EQ(json[1]["output"], out + "/B.WAV");
    EXPECT_EQ(json[0]["gain_db"], 0.0);

    r = test::runVexa({"import", path("sources/b.wav"), "--out", out, "--name", "bell", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)[0]["output"], out + "/BELL.WAV");

    // Stereo when the settings allow it.
    test::TempDir home;
    test::writeBytes(home / "vexacontrol.ini", "[System]\r\nAddFunction2=1\r\n");
    r = test::runVexa({"import", "--home", home.path().string(), path("sources/b.wav"), "--out", out, "--stereo",
                       "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json[0]["channels"], 2);
    EXPECT_TRUE(CheckWaveForRegistration(json[0]["output"].get<std::string>(), true).accepted());
}

TEST_F(ImportCommandTest, ARefusedFileIsNamedOnStderrAndTheOthersAreStillImported) {
    test::writeBytes(dir / "good.wav", toneWave(1, 48000, 0.5));
    test::writeBytes(dir / "bad.mp3", "this is no sound at all");
    test::writeBytes(dir / "late.wav", toneWave(1, 48000, 0.5));
    ASSERT_EQ(::mkfifo(path("pipe.wav").c_str(), 0600), 0);  // read by nobody: opening it must not wait
    const std::string out = path("out");
    const auto r = test::runVexa({"import", path("good.wav"), path("bad.mp3"), path("missing.flac"),
                                  path("pipe.wav"), path("late.wav"), "--out", out, "--json"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("「" + path("pipe.wav") + "」は取り込めません。 理由：名前付きパイプ"));
    EXPECT_THAT(r.err, HasSubstr("「" + path("bad.mp3") + "」は取り込めません。 理由："));
    EXPECT_THAT(r.err, HasSubstr("「" + path("missing.flac") + "」は取り込めません。"));
    const auto json = nlohmann::json::parse(r.out);
    ASSERT_EQ(json.size(), 5u);
    EXPECT_EQ(json[1]["output"], nullptr);
    EXPECT_THAT(json[1]["error"].get<std::string>(), HasSubstr("bad.mp3"));
    EXPECT_EQ(json[4]["output"], out + "/LATE.WAV");
    EXPECT_EQ(entries(out), 2u);
}

TEST_F(ImportCommandTest, UsageErrorsExit2BeforeAnythingIsWritten) {
    test::writeBytes(dir / "a.wav", toneWave(1, 48000, 0.2));
    test::writeBytes(dir / "b.wav", toneWave(1, 48000, 0.2));
    test::writeBytes(dir / "file", "x");
    const std::string out = path("out");
    const std::vector<std::vector<std::string>> cases = {
        {"import", path("a.wav")},
        {"import", path("a.wav"), "--out", out, "--rate", "48000"},
        {"import", path("a.wav"), "--out", out, "--bits", "24"},
        {"import", path("a.wav"), "--out", out, "--loudness", "-5"},
        {"import", path("a.wav"), "--out", out, "--loudness", "-20", "--no-loudness"},
        {"import", path("a.wav"), "--out", out, "--peak", "1"},
        {"import", path("a.wav"), path("b.wav"), "--out", out, "--name", "ONE"},
        {"import", path("a.wav"), "--out", out, "--name", "TOO-LONG-NAME"},
        {"import", path("a.wav"), "--out", out, "--stereo"},
        {"import", path("a.wav"), "--out", path("file/sub")},
    };
    for (const auto& args : cases) {
        const auto r = test::runVexa(args);
        EXPECT_EQ(r.exitCode, 2) << args.back() << "\n" << r.err;
        EXPECT_FALSE(r.err.empty());
    }
    EXPECT_EQ(entries(out), 0u);
}

// Starts `vexa` without waiting for it.
pid_t startVexa(const std::vector<std::string>& args, const fs::path& errFile) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<std::string> copy = args;
        std::string exe = VEXA_CLI_PATH;
        std::vector<char*> argv{exe.data()};
        for (auto& a : copy)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (!std::freopen(errFile.c_str(), "wb", stderr) || !std::freopen("/dev/null", "wb", stdout))
            ::_exit(127);
        ::execv(exe.c_str(), argv.data());
        ::_exit(127);
    }
    return pid;
}

// Whether the process has a handler of its own for SIGINT yet (the import
// installs it when its work begins).
bool catchesInterrupt(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) & (1ULL << (SIGINT - 1))) != 0;
    return false;
}

TEST_F(ImportCommandTest, CtrlCAndSigtermStopCleanlyWithNothingLeft) {
    // Ten minutes at 44.1 kHz take the import long enough to be stopped midway.
    test::writeBytes(dir / "long.wav", test::pcmWave(1, 44100, 16, 44100 * 2 * 600));
    for (const auto& [signal, code] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 1}}) {
        SCOPED_TRACE(::strsignal(signal));
        test::TempDir out;
        const pid_t pid = startVexa({"import", path("long.wav"), "--out", out.path().string()}, dir / "err");
        ASSERT_GT(pid, 0);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!catchesInterrupt(pid) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ::kill(pid, signal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), code);
        EXPECT_THAT(test::readBytes(dir / "err"), HasSubstr("取り込みを中止しました。"));
        EXPECT_EQ(entries(out.path()), 0u);
    }
}

}  // namespace
}  // namespace vexa
