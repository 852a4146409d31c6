#include "core/files/FileFaults.h"
#include "core/files/FileReplacement.h"
#include "core/files/TemporaryName.h"

#include "TestPaths.h"
#include "TmpfsMount.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <regex>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vexa {
namespace {
namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// The names in `folder`: a temporary left behind shows in a failure message.
std::set<std::string> entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

mode_t modeOf(const fs::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The hidden temporary of a replacement of `name` by this process.
bool isTemporaryOf(const std::string& entry, const std::string& name) {
    const std::string quoted = std::regex_replace(name, std::regex("\\."), "\\.");
    const std::regex pattern("\\." + quoted + "\\.vexa-" + std::to_string(::getpid()) + "-[0-9]+\\.tmp");
    return std::regex_match(entry, pattern);
}

TEST(FileReplacement, WritesANewFileAndReplacesAnOldOneKeepingItsMode) {
    TempDir dir;
    const fs::path fresh = dir / "new.ini";
    ASSERT_TRUE(ReplaceFileContents(fresh, "first"));
    EXPECT_EQ(readBytes(fresh), "first");
    EXPECT_EQ(modeOf(fresh), 0666 & ~currentUmask());

    for (const mode_t mode : {0600, 0640, 0604, 0755, 0620, 02664}) {
        const fs::path old = dir / "old.ini";
        writeBytes(old, "old bytes that are longer than the new ones");
        ASSERT_EQ(::chmod(old.c_str(), mode), 0);
        const WriteResult written = ReplaceFileContents(old, "new");
        ASSERT_TRUE(written) << std::oct << mode << " " << written.message;
        EXPECT_TRUE(written.message.empty());
        EXPECT_EQ(readBytes(old), "new") << std::oct << mode;
        EXPECT_EQ(modeOf(old), mode) << std::oct << mode;
    }
    EXPECT_EQ(entries(dir.path()), (std::set<std::string>{"new.ini", "old.ini"}));
}

TEST(FileReplacement, WritesThroughSymbolicLinksAndKeepsThem) {
    TempDir dir;
    fs::create_directories(dir / "real");
    fs::create_directories(dir / "links");
    const fs::path real = dir / "real" / "card.vxa";
    writeBytes(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    fs::create_symlink("../real/card.vxa", dir / "links" / "card.vxa");
    fs::create_symlink("card.vxa", dir / "links" / "chain.vxa");  // a link to the link

    {
        FileReplacement out(dir / "links" / "chain.vxa");
        ASSERT_TRUE(out.isOpen()) << out.result().message;
        ASSERT_TRUE(out.write("new"));
        // The temporary lives beside the file it replaces, not beside the link.
        const auto beside = entries(dir / "real");
        ASSERT_EQ(beside.size(), 2u);
        EXPECT_TRUE(isTemporaryOf(*beside.begin(), "card.vxa")) << *beside.begin();
        EXPECT_EQ(entries(dir / "links"), (std::set<std::string>{"card.vxa", "chain.vxa"}));
        ASSERT_TRUE(out.commit());
    }
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "chain.vxa"));
    EXPECT_EQ(fs::read_symlink(dir / "links" / "card.vxa"), "../real/card.vxa");
    EXPECT_EQ(readBytes(real), "new");
    EXPECT_EQ(modeOf(real), 0640u);
    EXPECT_EQ(entries(dir / "real"), std::set<std::string>{"card.vxa"});

    // A link to a file that does not exist yet creates that file.
    fs::create_symlink("../real/later.vxa", dir / "links" / "later.vxa");
    ASSERT_TRUE(ReplaceFileContents(dir / "links" / "later.vxa", "later"));
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "later.vxa"));
    EXPECT_EQ(readBytes(dir / "real" / "later.vxa"), "later");
}

TEST(FileReplacement, RefusesWhatItMustNotReplaceAndWritesNothing) {
    TempDir dir;
    writeBytes(dir / "readonly.ini", "kept");
    ::chmod((dir / "readonly.ini").c_str(), 0444);
    writeBytes(dir / "owneronly.ini", "kept");
    ::chmod((dir / "owneronly.ini").c_str(), 0500);
    fs::create_symlink("readonly.ini", dir / "to-readonly.ini");
    fs::create_directory(dir / "folder.ini");
    fs::create_symlink("loop-b", dir / "loop-a");
    fs::create_symlink("loop-a", dir / "loop-b");
    const std::set<std::string> before = entries(dir.path());

    const struct Case {
        fs::path path;
        WriteProblem problem;
        std::string reason;
    } cases[] = {
        {dir / "readonly.ini", WriteProblem::ReadOnlyFile, "読み取り専用のファイルです。"},
        {dir / "owneronly.ini", WriteProblem::ReadOnlyFile, "読み取り専用のファイルです。"},
        {dir / "to-readonly.ini", WriteProblem::ReadOnlyFile, "読み取り専用のファイルです。"},
        {dir / "folder.ini", WriteProblem::NotAFile, "ファイルでないもの"},
        {dir / "missing" / "a.ini", WriteProblem::MissingFolder, "フォルダーが見つかりません。"},
        {dir / "readonly.ini" / "a.ini", WriteProblem::MissingFolder, "フォルダーが見つかりません。"},
        {dir / "loop-a", WriteProblem::LinkLoop, "循環"},
        {"", WriteProblem::NotAFile, "ファイルでないもの"},
    };
    for (const Case& c : cases) {
        FileReplacement out(c.path);
        EXPECT_FALSE(out.isOpen()) << c.path;
        EXPECT_FALSE(out.write("new"));
        const WriteResult result = out.commit();
        EXPECT_FALSE(result) << c.path;
        EXPECT_EQ(result.problem, c.problem) << c.path;
        EXPECT_TRUE(result.message.starts_with("「" + c.path.string() + "」に書き込めません：")) << result.message;
        EXPECT_NE(result.message.find(c.reason), std::string::npos) << result.message;
    }
    EXPECT_EQ(entries(dir.path()), before);
    EXPECT_EQ(readBytes(dir / "readonly.ini"), "kept");
    EXPECT_EQ(modeOf(dir / "readonly.ini"), 0444u);
    EXPECT_EQ(readBytes(dir / "owneronly.ini"), "kept");
}

TEST(FileReplacement, StreamsIntoAHiddenTemporaryUntilCommit) {
    TempDir dir;
    const fs::path target = dir / "out.wav";
    writeBytes(target, "old");

    FileReplacement out(target);
    ASSERT_TRUE(out.isOpen());
    ASSERT_TRUE(out.write("RIFF"));
    ASSERT_TRUE(out.writeZeros(70'000));  // more than one block of zeros
    ASSERT_TRUE(out.write("end"));
    ASSERT_TRUE(out.writeAt(2, "xy", 2));
    ASSERT_TRUE(out.writeAt(70'003, "Z", 1));
    {
        FileReplacement second(target);  // a second writer gets a name of its own
        ASSERT_TRUE(second.isOpen());
        const auto names = entries(dir.path());
        ASSERT_EQ(names.size(), 3u);
        for (const std::string& name : names)
            EXPECT_TRUE(name == "out.wav" || isTemporaryOf(name, "out.wav")) << name;
    }  // dropped without commit: its temporary goes
    EXPECT_EQ(entries(dir.path()).size(), 2u);
    EXPECT_EQ(readBytes(target), "old");

    ASSERT_TRUE(out.commit());
    EXPECT_EQ(readBytes(target), "RIxy" + std::string(69'999, '\0') + "Zend");
    EXPECT_EQ(entries(dir.path()), std::set<std::string>{"out.wav"});

    FileReplacement abandoned(target);
    ASSERT_TRUE(abandoned.write("never"));
    abandoned.abandon();
    EXPECT_FALSE(abandoned.commit());
    EXPECT_EQ(entries(dir.path()), std::set<std::string>{"out.wav"});
    EXPECT_EQ(readBytes(target).size(), 70'007u);
}

// Failures a real file system gives seldom, or not to root: each leaves the
// old file as it was and no temporary.
class InjectedFault : public ::testing::Test {
protected:
    void TearDown() override { ClearFileFaults(); }
};

TEST_F(InjectedFault, LeavesTheOldFileAndNoTemporary) {
    const struct Case {
        FileCall call;
        int error;
        WriteProblem problem;
        std::string reason;
    } cases[] = {
        {FileCall::Create, EACCES, WriteProblem::NoPermission, "書き込む権限がありません。"},
        {FileCall::Create, EROFS, WriteProblem::ReadOnlyPlace, "読み取り専用の場所です。"},
        {FileCall::Write, ENOSPC, WriteProblem::NoSpace, "ディスクの空き容量が足りません。"},
        {FileCall::Write, EDQUOT, WriteProblem::NoSpace, "ディスクの空き容量が足りません。"},
        {FileCall::Write, EIO, WriteProblem::Failed, "エラー番号 " + std::to_string(EIO)},
        {FileCall::Sync, EIO, WriteProblem::Failed, "エラー番号 " + std::to_string(EIO)},
        {FileCall::Rename, EXDEV, WriteProblem::Failed, "エラー番号 " + std::to_string(EXDEV)},
        {FileCall::Rename, EACCES, WriteProblem::NoPermission, "書き込む権限がありません。"},
    };
    TempDir dir;
    const fs::path target = dir / "settings.ini";
    writeBytes(target, "old");
    for (const Case& c : cases) {
        InjectFileFault(c.call, c.error);
        const WriteResult result = ReplaceFileContents(target, "new");
        EXPECT_EQ(result.problem, c.problem) << c.error;
        EXPECT_NE(result.message.find("「" + target.string() + "」に書き込めません："), std::string::npos);
        EXPECT_NE(result.message.find(c.reason), std::string::npos) << result.message;
        EXPECT_EQ(readBytes(target), "old");
        EXPECT_EQ(entries(dir.path()), std::set<std::string>{"settings.ini"});
    }
    ASSERT_TRUE(ReplaceFileContents(target, "new"));  // every fault was used up
    EXPECT_EQ(readBytes(target), "new");
}

TEST_F(InjectedFault, AFailedStreamingWriteStopsTheReplacement) {
    TempDir dir;
    const fs::path target = dir / "out.wav";
    writeBytes(target, "old");
    FileReplacement out(target);
    ASSERT_TRUE(out.write("header"));
    InjectFileFault(FileCall::Write, ENOSPC);
    EXPECT_FALSE(out.writeAt(0, "H", 1));
    EXPECT_FALSE(out.isOpen());
    EXPECT_EQ(entries(dir.path()), std::set<std::string>{"out.wav"});  // gone at once
    EXPECT_FALSE(out.write("more"));
    EXPECT_EQ(out.commit().problem, WriteProblem::NoSpace);
    EXPECT_EQ(readBytes(target), "old");
}

TEST(FileReplacement, FullFileSystemKeepsTheOldFile) {
    TempDir dir;
    const test::TmpfsMount disk(dir.path(), "size=64k");
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason();
    const fs::path target = dir / "card.vxa";
    const std::string old(4096, 'o');
    writeBytes(target, old);

    const WriteResult result = ReplaceFileContents(target, std::string(200 * 1024, 'n'));
    EXPECT_EQ(result.problem, WriteProblem::NoSpace);
    EXPECT_EQ(result.message, "「" + target.string() + "」に書き込めません：ディスクの空き容量が足りません。");
    EXPECT_EQ(readBytes(target), old);
    EXPECT_EQ(entries(dir.path()), std::set<std::string>{"card.vxa"});

    // The failed temporary gave its room back: a file that fits is written.
    const std::string fits(24 * 1024, 'f');
    ASSERT_TRUE(ReplaceFileContents(target, fits));
    EXPECT_EQ(readBytes(target), fits);
}

TEST(FileReplacement, ReadOnlyPlaceIsRefusedAndNothingIsLeft) {
    TempDir dir;
    const test::TmpfsMount disk(dir.path(), "size=64k");
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason();
    writeBytes(dir / "card.vxa", "old");
    ASSERT_TRUE(disk.makeReadOnly()) << std::strerror(errno);

    for (const char* name : {"card.vxa", "new.vxa"}) {
        const WriteResult result = ReplaceFileContents(dir / name, "new");
        EXPECT_EQ(result.problem, WriteProblem::ReadOnlyPlace) << name;
        EXPECT_EQ(result.message, "「" + (dir / name).string() + "」に書き込めません：読み取り専用の場所です。");
    }
    EXPECT_EQ(readBytes(dir / "card.vxa"), "old");
    EXPECT_EQ(entries(dir.path()), std::set<std::string>{"card.vxa"});
}

// Runs `child` in a forked process and gives its wait status.
template <typename Child>
int runForked(Child child) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        child();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

TEST(FileReplacement, EndingSignalRemovesTheTemporary) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        TempDir dir;
        const fs::path target = dir / "card.vxa";
        writeBytes(target, "old");
        const int status = runForked([&] {
            std::signal(signal, SIG_DFL);
            FileReplacement out(target);
            if (!out.isOpen() || !out.write("half of the new file"))
                ::_exit(2);
            ::raise(signal);
            ::_exit(3);  // the signal should have ended the process
        });
        ASSERT_TRUE(WIFSIGNALED(status)) << "signal " << signal << ", status " << status;
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(readBytes(target), "old");
        EXPECT_EQ(entries(dir.path()), std::set<std::string>{"card.vxa"}) << "signal " << signal;
    }
}

TEST(FileReplacement, SignalsTheProgramHandlesOrIgnoresAreLeftToIt) {
    TempDir dir;
    const fs::path target = dir / "out.wav";
    writeBytes(target, "old");
    // As the command line does: Ctrl+C asks the job to stop, and the stopped
    // job still commits. A first replacement installs the cleaning handlers
    // while every action is the default; the program's own come after.
    static volatile std::sig_atomic_t stopAsked = 0;
    const int status = runForked([&] {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGHUP, SIG_DFL);
        if (!ReplaceFileContents(dir / "first.ini", "x"))
            ::_exit(2);
        std::signal(SIGINT, [](int) { stopAsked = 1; });
        std::signal(SIGHUP, SIG_IGN);
        FileReplacement out(target);
        if (!out.write("stopped job"))
            ::_exit(3);
        ::raise(SIGINT);
        ::raise(SIGHUP);
        ::_exit(stopAsked == 1 && out.commit() ? 0 : 4);
    });
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readBytes(target), "stopped job");
    EXPECT_EQ(entries(dir.path()), (std::set<std::string>{"first.ini", "out.wav"}));
}

TEST(FileReplacement, AForkedChildNeverRemovesItsParentsTemporary) {
    TempDir dir;
    const fs::path target = dir / "card.vxa";
    FileReplacement out(target);
    ASSERT_TRUE(out.write("parent's"));
    // The child has the cleaning handler that the parent's replacement installed.
    const int status = runForked([] { ::raise(SIGTERM); });
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    ASSERT_TRUE(out.commit());
    EXPECT_EQ(readBytes(target), "parent's");
}

TEST(FileReplacement, TheNextReplacementRemovesAKilledProcesssLeftovers) {
    TempDir dir;
    const fs::path target = dir / "out.wav";
    // A process that wrote half a file and was killed: no handler ran.
    const pid_t killed = ::fork();
    if (killed == 0) {
        FileReplacement out(target);
        out.write("half");
        ::raise(SIGKILL);
    }
    int status = 0;
    ::waitpid(killed, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::set<std::string> leftovers = entries(dir.path());
    ASSERT_EQ(leftovers.size(), 1u);
    ASSERT_EQ(TemporaryOwner(*leftovers.begin()), killed) << *leftovers.begin();
    // What must stay: a running process's temporary (ours, through another
    // name, and pid 1's), files that only look alike, and a folder.
    const std::set<std::string> kept = {TemporaryName("other.wav", ::getpid(), 99), TemporaryName("a.wav", 1, 0),
                                        ".out.wav.vexa-x-1.tmp", "out.wav.vexa-1-1.tmp", ".out.wav.12-0.tmp"};
    for (const std::string& name : kept)
        writeBytes(dir / name, "kept");
    fs::create_directory(dir / TemporaryName("folder", killed, 1));

    ASSERT_TRUE(ReplaceFileContents(dir / "silence.wav", "new"));
    std::set<std::string> expected = kept;
    expected.insert({"silence.wav", TemporaryName("folder", killed, 1)});
    EXPECT_EQ(entries(dir.path()), expected);
}

TEST(TemporaryName, TellsTheOwnerOfItsOwnFormOnly) {
    EXPECT_EQ(TemporaryOwner(TemporaryName("card.vxa", 1234, 7)), 1234);
    EXPECT_EQ(TemporaryOwner(TemporaryName(std::string(300, 'x'), 55, 0)), 55);  // name cut to 200 bytes
    for (const char* other : {".card.vxa.1234-7.tmp", ".vexa-12-1.tmp", ".a.vexa-12-1.tm", ".a.vexa--1.tmp",
                              ".a.vexa-0-1.tmp", ".a.vexa-99999999999999-1.tmp", ".a.vexa-12-.tmp"})
        EXPECT_EQ(TemporaryOwner(other), std::nullopt) << other;
}

}  // namespace
}  // namespace vexa
