#include "TestPaths.h"
#include "WaveFileBytes.h"
#include "core/config/Messages.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;
using test::chunk;
using test::chunkClaiming;
using test::pcmFormat;
using test::riff;

std::string stereoWave(const std::string& data) {
    return riff(chunk("fmt ", pcmFormat(2, 22050, 16)) + chunk("data", data));
}

class WaveToolsCommandTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path(const char* name) const { return (dir / name).string(); }
};

TEST_F(WaveToolsCommandTest, MonoConvertsAndReplacesAnExistingDestination) {
    test::writeBytes(path("in.wav"), stereoWave("\x01\x02\x03\x04\x05\x06\x07\x08"));
    test::writeBytes(path("out.wav"), "an older file");
    const auto r = test::runVexa({"mono", path("in.wav"), path("out.wav")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::readBytes(path("out.wav")),
              riff(chunk("fmt ", pcmFormat(1, 22050, 16)) + chunk("data", "\x01\x02\x05\x06")));
    EXPECT_EQ(r.err, "Conversion was completed.\n");  // no progress bar off a terminal
}

TEST_F(WaveToolsCommandTest, RefusalsBeforeTheJobExit2AndLeaveTheDestinationAlone) {
    test::writeBytes(path("mono.wav"), test::pcmWave(1, 22050, 16, 8));
    test::writeBytes(path("text.wav"), "only text");
    test::writeBytes(path("in.wav"), stereoWave(std::string(8, '\x11')));
    fs::create_hard_link(path("in.wav"), path("hard.wav"));
    fs::create_symlink(path("in.wav"), path("link.wav"));
    fs::create_directory(path("folder.wav"));
    ASSERT_EQ(::mkfifo(path("pipe.wav").c_str(), 0600), 0);
    const std::string sameFile = "変換するファイルと出力ファイル名が同じです。";
    const std::string folder = "出力ファイル名にフォルダが指定されています。";
    const struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"mono", path("mono.wav"), path("out.wav")}, "mono.wav はステレオではありません。"},
        {{"mono", path("text.wav"), path("out.wav")}, "「text.wav」 " + GetMsg(2801) + "\n情報の取得に失敗しました。処理を中止します。"},
        {{"mono", path("none.wav"), path("out.wav")}, "指定されたファイルが存在しません。"},
        {{"mono", path("in.wav"), path("in.wav")}, sameFile},
        // The same file under other names: found before any work starts.
        {{"mono", path("in.wav"), (dir / "." / "in.wav").string()}, sameFile},
        {{"mono", path("in.wav"), path("hard.wav")}, sameFile},
        {{"mono", path("in.wav"), path("link.wav")}, sameFile},
        {{"mono", path("link.wav"), path("in.wav")}, sameFile},
        {{"mono", path("in.wav"), path("folder.wav")}, folder},
        {{"mono", path("in.wav"), dir.path().string()}, folder},
        {{"silence", "--seconds", "1", path("folder.wav")}, folder},
        {{"mono", path("in.wav"), path("out")}, "出力ファイル名が正しくありません。"},
        {{"silence", "--seconds", "0", path("out.wav")}, "０秒以上の時間を指定してください。"},
        {{"silence", "--seconds", "1", path("out")}, "出力ファイル名が正しくありません。"},
        {{"silence", "--seconds", "3660", path("out.wav")}, "--seconds: Value 3660 not in range 1 to 3659"},
        {{"silence", "--seconds", "-1", path("out.wav")}, "--seconds: Value -1 not in range 1 to 3659"},
        {{"silence", "--seconds", "1", path("none/out.wav")}, "出力先のフォルダ「" + path("none") + "」が見つかりません。"},
        {{"mono", path("in.wav"), path("none/out.wav")}, "出力先のフォルダ「" + path("none") + "」が見つかりません。"},
        {{"mono", path("pipe.wav"), path("out.wav")}, "名前付きパイプ（FIFO）で、通常のファイルではありません。"},
        {{"silence", "--seconds", "1", "--rate", "8000", path("out.wav")}, "--rate"},
        {{"silence", "--seconds", "1", "--bits", "12", path("out.wav")}, "--bits"},
        {{"silence", path("out.wav")}, "--seconds"},
        {{"mono", path("in.wav")}, "DST"},
    };
    for (const auto& c : cases) {
        test::writeBytes(path("out.wav"), "keep me");
        const auto r = test::runVexa(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args[1];
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(test::readBytes(path("out.wav")), "keep me") << c.args[1];
        EXPECT_FALSE(fs::exists(path("out"))) << c.args[1];
    }
    EXPECT_EQ(test::readBytes(path("in.wav")), stereoWave(std::string(8, '\x11')));
}

TEST_F(WaveToolsCommandTest, SilenceHelpGivesTheRangeTheErrorGives) {
    const auto help = test::runVexa({"silence", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("INT in [1 - 3659]"), std::string::npos) << help.out;
    const auto refused = test::runVexa({"silence", "--seconds", "4000", path("out.wav")});
    EXPECT_NE(refused.err.find("not in range 1 to 3659"), std::string::npos) << refused.err;
}

TEST_F(WaveToolsCommandTest, FailedConversionExits2AndKeepsTheDestination) {
    // The format reads well, but the data chunk claims more than the file holds.
    test::writeBytes(path("cut.wav"), riff(chunk("fmt ", pcmFormat(2, 22050, 16)) + chunkClaiming("data", 4000, "abcd")));
    auto r = test::runVexa({"mono", path("cut.wav"), path("out.wav")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("変換処理中に異常が発生しました。処理を中止します。"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(path("out.wav")));
    // An older file, and the file a link points at, stay as they were.
    test::writeBytes(path("old.wav"), "an older file");
    fs::create_symlink(path("old.wav"), path("link.wav"));
    for (const char* destination : {"old.wav", "link.wav"}) {
        r = test::runVexa({"mono", path("cut.wav"), path(destination)});
        EXPECT_EQ(r.exitCode, 2) << destination;
        EXPECT_EQ(test::readBytes(path("old.wav")), "an older file") << destination;
    }
    EXPECT_TRUE(fs::is_symlink(path("link.wav")));
}

TEST_F(WaveToolsCommandTest, SilenceUsesTheWindowsDefaultsAndTakesRateAndBits) {
    auto r = test::runVexa({"silence", "--seconds", "2", path("a.wav")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "Makeing was completed.\n");
    const std::string a = test::readBytes(path("a.wav"));
    EXPECT_EQ(a, riff(chunk("fmt ", pcmFormat(1, 22050, 16)) + chunk("data", std::string(2 * 44100, '\0'))));

    r = test::runVexa({"silence", "--seconds", "1", "--rate", "44100", "--bits", "8", path("b.wav")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::readBytes(path("b.wav")),
              riff(chunk("fmt ", pcmFormat(1, 44100, 8)) + chunk("data", std::string(44100, '\x80'))));
}

// Starts `vexa` without waiting; stderr goes to `errFile`.
pid_t startVexa(const std::vector<std::string>& args, const fs::path& errFile) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<std::string> copy = args;
        std::string exe = VEXA_CLI_PATH;
        std::vector<char*> argv{exe.data()};
        for (auto& a : copy)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (!std::freopen(errFile.c_str(), "wb", stderr))
            ::_exit(127);
        ::execv(exe.c_str(), argv.data());
        ::_exit(127);
    }
    return pid;
}

TEST_F(WaveToolsCommandTest, CtrlCTermAndHupStopTheJobWithFullLengthAndExit1) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(::strsignal(signal));
        test::TempDir work;
        const fs::path out = work / "long.wav";
        const fs::path err = dir / "err";
        // The longest silence takes long enough to be interrupted once its
        // temporary file has appeared beside the destination.
        const pid_t pid = startVexa({"silence", "--seconds", "3659", "--rate", "44100", out.string()}, err);
        ASSERT_GT(pid, 0);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (fs::is_empty(work.path()) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        ::kill(pid, signal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_EQ(test::readBytes(err), "Makeing was stopped.\nユーザーにより処理を中断しました。\n");
        EXPECT_EQ(fs::file_size(out), 44u + 3659u * 2 * 44100);
        EXPECT_EQ(std::distance(fs::directory_iterator(work.path()), {}), 1);  // no temporary file left
    }
}

}  // namespace
}  // namespace vexa
