// Putting the new set in place: whatever happens at any step of the swap — a
// failing call, or the process killed there — the Card Folder ends with
// exactly its old set or exactly the new one (after the next run's recovery),
// its sub-folders still in it, and nothing of the work left behind.
#include "CardCreationFixture.h"
#include "TmpfsMount.h"
#include "core/card/CardCreation.h"
#include "core/card/CardFolderSwap.h"
#include "core/card/CardSwapRecovery.h"
#include "core/card/WorkFolder.h"
#include "core/files/FileFaults.h"
#include "core/files/FolderAt.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using Contents = std::map<std::string, std::string>;

const char* nameOf(SwapMethod method) { return method == SwapMethod::Exchange ? "exchange" : "file by file"; }

TEST(CardFolderSwap, AFailureHalfWayPutsTheOldFilesBack) {
    for (const SwapMethod method : {SwapMethod::Exchange, SwapMethod::FileByFile}) {
        SCOPED_TRACE(nameOf(method));
        TempDir temp;
        const fs::path card = temp / "SHOP";
        const std::string work = WorkFolderName("SHOP", ::getpid(), "abcdef");
        fs::create_directories(card / "B.WAV");  // a sub-folder where a new file must go
        writeBytes(card / "B.WAV" / "inside", "kept");
        writeBytes(card / "OLD.WAV", "old");
        fs::create_directories(temp / work);
        writeBytes(temp / work / "A.WAV", "new a");
        writeBytes(temp / work / "B.WAV", "new b");
        const Contents before = folderContents(card);
        const UniqueFd place = OpenFolder(temp.path());

        const std::string problem = SwapCardFiles({place.get(), work, "SHOP", card}, method);

        EXPECT_THAT(problem, ::testing::HasSubstr((card / "B.WAV").string()));
        EXPECT_EQ(folderContents(card), before);
        EXPECT_FALSE(fs::exists(temp / work));
        EXPECT_FALSE(fs::exists(temp / SwapRecordName(work)));
    }
}

TEST(CardFolderSwap, ANewCardFolderAppearsWhole) {
    TempDir temp;
    const std::string work = WorkFolderName("SHOP", ::getpid(), "abcdef");
    fs::create_directories(temp / work);
    writeBytes(temp / work / "A.WAV", "new a");
    const UniqueFd place = OpenFolder(temp.path());

    EXPECT_EQ(SwapCardFiles({place.get(), work, "SHOP", temp / "SHOP"}, SwapMethod::Exchange), "");

    EXPECT_EQ(folderContents(temp.path()), (Contents{{"SHOP/", ""}, {"SHOP/A.WAV", "new a"}}));
    // An ordinary folder for the user, not the work folder's private mode.
    EXPECT_NE(fs::status(temp / "SHOP").permissions() & fs::perms::others_read, fs::perms::none);
}

class CardSwapInterruption : public CardCreationFixture {
protected:
    void SetUp() override {
        addSound("A.WAV", "new sound A");
        addSound("B.WAV", "new sound B");
    }

    // The old card again (the Card Folder itself may be a mount point).
    void resetOldCard() {
        if (fs::exists(cardFolder))
            for (const auto& entry : fs::directory_iterator(cardFolder))
                fs::remove_all(entry.path());
        makeOldCard();
        writeBytes(cardFolder / "B.WAV", "old B, replaced by the new one");
    }

    Contents newCard() const {
        return {{"SHOP/", ""},
                {"SHOP/SHOP.vxa", controlFileBytes()},
                {"SHOP/A.WAV", "new sound A"},
                {"SHOP/B.WAV", "new sound B"},
                {"SHOP/keep/", ""},
                {"SHOP/keep/notes.txt", "the installer's notes"}};
    }

    // Creates the card in a child process halted at its `step`-th rename and
    // killed there; false when the creation had fewer renames and ended.
    bool killAtRename(const CardJob& card, SwapMethod method, int step) {
        const pid_t child = ::fork();
        if (child == 0) {
            InjectFileFault(FileCall::Rename, kStopProcessFault, step);
            NoProgress progress;
            ::_exit(CreateCard(card, progress, method).completed() ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, WUNTRACED);
        if (!WIFSTOPPED(status)) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the uninterrupted creation failed";
            return false;
        }
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return true;
    }

    void expectOldOrNew(const Contents& old) {
        const Contents now = folderContents(cards);
        EXPECT_TRUE(now == old || now == newCard()) << "a mixed card: " << ::testing::PrintToString(now);
    }

    // Every step of the swap, each way it can go wrong.
    void interruptEveryStep(SwapMethod method) {
        const CardJob card = job();
        int crashes = 0;
        for (int step = 0;; ++step) {
            SCOPED_TRACE("rename " + std::to_string(step));
            resetOldCard();
            const Contents old = folderContents(cards);

            InjectFileFault(FileCall::Rename, EIO, step);
            NoProgress progress;
            const CardCreationResult failed = CreateCard(card, progress, method);
            ClearFileFaults();
            if (!failed.completed()) {
                EXPECT_EQ(folderContents(cards), old) << failed.problem;
            }

            resetOldCard();
            if (!killAtRename(card, method, step)) {
                EXPECT_TRUE(failed.completed()) << "a fault past the last rename cannot fail the creation";
                expectOldOrNew(old);
                break;
            }
            ++crashes;
            const CardRecovery recovery = RecoverInterruptedCards(cards);
            EXPECT_TRUE(recovery.problems.empty()) << ::testing::PrintToString(recovery.problems);
            expectOldOrNew(old);
        }
        EXPECT_GE(crashes, 2) << "the swap should have been cut at several steps";
    }
};

TEST_F(CardSwapInterruption, ExchangeEndsWithTheOldSetOrTheNewAtEveryStep) {
    interruptEveryStep(SwapMethod::Exchange);
}

TEST_F(CardSwapInterruption, FileByFileEndsWithTheOldSetOrTheNewAtEveryStep) {
    interruptEveryStep(SwapMethod::FileByFile);
}

TEST_F(CardSwapInterruption, ACardFolderOfItsOwnEndsWithTheOldSetOrTheNewAtEveryStep) {
    fs::create_directories(cardFolder);
    TmpfsMount own(cardFolder, "size=1m");
    if (!own.mounted())
        GTEST_SKIP() << own.reason();
    // The work folder lives inside the Card Folder, which cannot be exchanged.
    interruptEveryStep(SwapMethod::Exchange);
}

TEST_F(CardSwapInterruption, TheNextCreationRemovesWorkFoldersOfEndedProcesses) {
    resetOldCard();
    const pid_t ended = [] {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }();
    const std::string leftover = WorkFolderName("SHOP", ended, "Xy12ab");
    const std::string running = WorkFolderName("SHOP", ::getppid(), "Xy12ab");  // a process that still runs
    for (const std::string& name : {leftover, running}) {
        fs::create_directories(cards / name);
        writeBytes(cards / name / "A.WAV", std::string(4096, 'a'));
    }
    NoProgress progress;

    const CardCreationResult result = CreateCard(job(), progress);

    ASSERT_TRUE(result.completed()) << result.problem;
    EXPECT_FALSE(fs::exists(cards / leftover));
    EXPECT_TRUE(fs::exists(cards / running / "A.WAV"));
    EXPECT_THAT(result.recovery, ::testing::HasSubstr((cards / leftover).string()));
}

}  // namespace
}  // namespace vexa::test
