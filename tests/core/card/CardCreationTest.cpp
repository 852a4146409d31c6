// Creating a card on disk: exactly the new set ends up in the Card Folder, and
// every failure leaves the old Card Folder byte for byte as it was.
#include "CardCreationFixture.h"
#include "../wavetools/RecordingProgress.h"
#include "ScriptedDialogs.h"
#include "TmpfsMount.h"
#include "core/card/CardCreation.h"
#include "core/card/WorkFolder.h"
#include "core/config/Messages.h"
#include "core/files/FileFaults.h"
#include "core/controlfile/ControlFileReader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using Contents = std::map<std::string, std::string>;

std::string caption(int message, const std::string& extra = {}) { return GetMsg(message, extra); }

class CardCreation : public CardCreationFixture {};

TEST_F(CardCreation, GathersTheControlFileAndEverySoundInTheCardFolder) {
    addSound("B.WAV", "second sound, first in the table");
    addSound("A.WAV", "first by name");
    RecordingProgress progress;

    const CardCreationResult result = CreateCard(job(), progress);

    ASSERT_TRUE(result.completed()) << result.problem;
    EXPECT_EQ(folderContents(cards), (Contents{{"SHOP/", ""},
                                               {"SHOP/SHOP.vxa", controlFileBytes()},
                                               {"SHOP/A.WAV", "first by name"},
                                               {"SHOP/B.WAV", "second sound, first in the table"}}));
    // (2 sounds + 1) × 2 steps, shown in percent.
    EXPECT_EQ(progress.values, (std::vector<int>{0, 16, 33, 50, 66, 83, 100}));
    EXPECT_EQ(progress.captions,
              (std::vector<std::string>{caption(msg::kCardInitialising), caption(msg::kCardWritingControl, "SHOP.vxa"),
                                        caption(msg::kCardCopying, "A.WAV"), caption(msg::kCardCopying, "B.WAV"),
                                        caption(msg::kCardCopying, "SHOP.vxa")}));
}

TEST_F(CardCreation, WithoutSoundsTheBarRunsToTwoStepsAndOnlyTheControlFileIsWritten) {
    addSound("A.WAV", "registered, but the Sound Present flag is off");
    project.soundPresent = false;
    RecordingProgress progress;

    ASSERT_TRUE(CreateCard(job(), progress).completed());

    EXPECT_EQ(progress.values, (std::vector<int>{0, 50, 100}));
    EXPECT_EQ(folderContents(cards), (Contents{{"SHOP/", ""}, {"SHOP/SHOP.vxa", controlFileBytes()}}));
}

TEST_F(CardCreation, ReplacesTheOldFilesAndKeepsSubFoldersWhicheverWayTheFolderIsSwapped) {
    for (const SwapMethod method : {SwapMethod::Exchange, SwapMethod::FileByFile}) {
        SCOPED_TRACE(method == SwapMethod::Exchange ? "exchange" : "file by file");
        fs::remove_all(cardFolder);
        makeOldCard();
        fs::permissions(cardFolder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
        project.resetSoundTable();
        addSound("A.WAV", "new sound");
        NoProgress progress;

        ASSERT_TRUE(CreateCard(job(), progress, method).completed());

        EXPECT_EQ(folderContents(cards), (Contents{{"SHOP/", ""},
                                                   {"SHOP/SHOP.vxa", controlFileBytes()},
                                                   {"SHOP/A.WAV", "new sound"},
                                                   {"SHOP/keep/", ""},
                                                   {"SHOP/keep/notes.txt", "the installer's notes"}}));
        EXPECT_EQ(fs::status(cardFolder).permissions() & fs::perms::all,
                  fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    }
}

TEST_F(CardCreation, ACardFolderThatIsALinkIsRefusedAndLeftAlone) {
    fs::create_directories(temp / "elsewhere");
    writeBytes(temp / "elsewhere" / "OLD.WAV", "old");
    fs::create_directory_symlink(temp / "elsewhere", cardFolder);
    NoProgress progress;

    const CardCreationResult result = CreateCard(job(), progress);

    EXPECT_EQ(result.outcome, CardCreationResult::Outcome::Failed);
    EXPECT_THAT(result.problem, HasSubstr("「" + cardFolder.string() + "」はフォルダーへのシンボリックリンクです"));
    EXPECT_TRUE(fs::is_symlink(cardFolder));
    EXPECT_EQ(folderContents(temp / "elsewhere"), (Contents{{"OLD.WAV", "old"}}));
}

struct FailureCase {
    const char* what;
    std::function<void(CardCreationFixture&)> arrange;
    std::string problemPart;  // the reason, besides the file's name
    std::string namedFile;    // relative to the test's folder
};

class CardCreationFailure : public CardCreation {
public:
    void expectFailureLeavesOldCard(const FailureCase& c, bool withOldCard) {
        project.resetSoundTable();
        addSound("A.WAV", "new sound A");
        addSound("B.WAV", "new sound B");
        if (withOldCard)
            makeOldCard();
        c.arrange(*this);
        const Contents before = folderContents(cards);
        RecordingProgress progress;

        const CardCreationResult result = CreateCard(job(), progress);
        ClearFileFaults();
        if (fs::exists(cardFolder))
            fs::permissions(cardFolder, fs::perms::owner_all);

        EXPECT_EQ(result.outcome, CardCreationResult::Outcome::Failed);
        EXPECT_THAT(result.problem, HasSubstr(c.problemPart));
        EXPECT_THAT(result.problem, HasSubstr((temp / c.namedFile).string()));
        EXPECT_EQ(folderContents(cards), before);  // no new file, no leftover work folder
    }
};

TEST_F(CardCreationFailure, EachFaultStopsWithItsReasonAndLeavesTheCardFolderAsItWas) {
    const FailureCase cases[] = {
        {"a WAVE source is missing", [](CardCreationFixture& f) { fs::remove(f.sources / "B.WAV"); },
         "ファイルが見つかりません", "src/B.WAV"},
        {"a WAVE source is a folder",
         [](CardCreationFixture& f) {
             fs::remove(f.sources / "A.WAV");
             fs::create_directory(f.sources / "A.WAV");
         },
         "フォルダーです", "src/A.WAV"},
        {"the Card Folder is read-only",
         [](CardCreationFixture& f) {
             fs::create_directories(f.cardFolder);
             fs::permissions(f.cardFolder, fs::perms::owner_read | fs::perms::owner_exec);
         },
         "読み取り専用", "cards/SHOP"},
        {"a sub-folder has the name of a card file",
         [](CardCreationFixture& f) { fs::create_directories(f.cardFolder / "A.WAV"); }, "同じ名前のフォルダー",
         "cards/SHOP/A.WAV"},
        {"the disk fills while the files are gathered",
         [](CardCreationFixture&) { InjectFileFault(FileCall::Write, ENOSPC); }, "空き容量が足りません",
         "cards/SHOP/SHOP.vxa"},
        {"the Control File cannot be created", [](CardCreationFixture&) { InjectFileFault(FileCall::Create, EIO); },
         "エラー番号 5", "cards/SHOP/SHOP.vxa"},
        {"the swap's first rename fails", [](CardCreationFixture&) { InjectFileFault(FileCall::Rename, EIO); },
         "エラー番号 5", "cards/SHOP"},
        {"the swap record cannot be flushed", [](CardCreationFixture&) { InjectFileFault(FileCall::Sync, EIO); },
         "", "cards/SHOP"},
    };
    for (const bool withOldCard : {true, false}) {
        for (const FailureCase& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (withOldCard ? ", old card present" : ", no old card"));
            fs::remove_all(cards);
            fs::remove_all(sources);
            fs::create_directories(cards);
            fs::create_directories(sources);
            if (!withOldCard && std::string(c.what) == "the swap record cannot be flushed")
                continue;  // a new Card Folder is renamed into place without a record
            expectFailureLeavesOldCard(c, withOldCard);
        }
    }
}

TEST_F(CardCreation, AStopRequestLeavesTheOldCard) {
    addSound("A.WAV", "new sound A");
    makeOldCard();
    const Contents before = folderContents(cards);
    RecordingProgress progress;
    progress.stopWhen = [](const RecordingProgress& p) { return p.values.size() >= 2; };  // after the Control File

    EXPECT_EQ(CreateCard(job(), progress).outcome, CardCreationResult::Outcome::Stopped);
    EXPECT_EQ(folderContents(cards), before);
}

TEST_F(CardCreation, TooLittleSpaceIsRefusedBeforeAnythingIsCopied) {
    TmpfsMount small(cards, "size=256k");
    if (!small.mounted())
        GTEST_SKIP() << small.reason();
    makeOldCard();
    // The work folder of a creation still running (its process lives) takes room too.
    const std::string running = WorkFolderName("SHOP", ::getppid(), "Xy12ab");
    fs::create_directories(cards / running);
    addSound("BIG.WAV", std::string(512 * 1024, 'x'));
    const Contents before = folderContents(cards);
    RecordingProgress progress;

    const CardCreationResult result = CreateCard(job(), progress);

    EXPECT_EQ(result.outcome, CardCreationResult::Outcome::Failed);
    EXPECT_THAT(result.problem, HasSubstr("「" + cardFolder.string() + "」の空き容量が足りません"));
    EXPECT_THAT(result.problem, HasSubstr("作業フォルダ「" + (cards / running).string() + "」が残っています"));
    EXPECT_EQ(progress.captions, std::vector<std::string>{caption(msg::kCardInitialising)});  // nothing gathered
    EXPECT_EQ(folderContents(cards), before);
}

TEST_F(CardCreation, AFileSystemThatFillsHalfWayLeavesTheOldCard) {
    // Bytes enough for the check, but inodes for only part of the new set:
    // the root, the old card (folder, 3 entries), the work folder, the Control
    // File and one sound.
    TmpfsMount small(cards, "size=4m,nr_inodes=8");
    if (!small.mounted())
        GTEST_SKIP() << small.reason();
    makeOldCard();
    for (const char* name : {"A.WAV", "B.WAV", "C.WAV"})
        addSound(name, std::string(64 * 1024, name[0]));
    const Contents before = folderContents(cards);
    RecordingProgress progress;

    const CardCreationResult result = CreateCard(job(), progress);

    EXPECT_EQ(result.outcome, CardCreationResult::Outcome::Failed);
    EXPECT_THAT(result.problem, HasSubstr("空き容量が足りません"));
    EXPECT_GE(progress.lastValue(), 1) << "the failure should come after part of the set was gathered";
    EXPECT_EQ(folderContents(cards), before);
}

TEST_F(CardCreation, TheCardsControlFileLoadsBackAsTheSameProject) {
    for (const char* name : {"SAMPLE.vxa", "CHIME.WAV", "OPEN.WAV", "CLOSE.WAV", "NOTICE.WAV"})
        fs::copy_file(fs::path(VEXA_SAMPLE_DIR) / name, sources / name);
    settings.maxLine = 95;
    settings.addFunction1 = 1;  // the sample has two sheets
    ScriptedDialogs dialogs;
    ASSERT_TRUE(LoadKtrFile(sources / "SAMPLE.vxa", project, settings));
    project.card.folder = "SHOP";
    project.card.cardName = "SHOP";
    NoProgress progress;
    ASSERT_TRUE(CreateCard(job(), progress).completed());

    Project loaded;
    ASSERT_TRUE(LoadKtrFile(cardFolder / "SHOP.vxa", loaded, settings));

    for (int s = 0; s < kSheetCount; ++s)
        EXPECT_TRUE(loaded.sheets[static_cast<std::size_t>(s)] == project.sheets[static_cast<std::size_t>(s)])
            << "sheet " << s;
    EXPECT_EQ(loaded.card, project.card);
    EXPECT_EQ(loaded.patterns, project.patterns);
    ASSERT_EQ(loaded.sounds.size(), project.sounds.size());
    for (std::size_t i = 0; i < loaded.sounds.size(); ++i) {
        SoundEntry expected = project.sounds[i];
        expected.sourcePath = (cardFolder / expected.fileName).string();
        EXPECT_EQ(loaded.sounds[i], expected);
        EXPECT_EQ(readBytes(cardFolder / expected.fileName), readBytes(sources / expected.fileName));
    }
}

// Whatever the Folder, CardName and sound names hold — through the checks,
// or handed to the file work directly as a forged job — nothing outside the
// card data folder, and no other folder in it, is ever touched.
TEST_F(CardCreation, NoFolderOrNameReachesOutsideTheCardDataFolder) {
    const std::vector<std::string> hostile = {
        ".", "..", "../..", "../victim", "../../x", "/", "/tmp", "..\\..", "\\", "a/../..", "OTHER/../..", "OTHER/",
        std::string("..\0x", 4), "\n", " ", "..   ", ".\u3000", "z.txt", "SHOP/..", "",
    };
    const std::string pieces[] = {".", "..", "/", "\\", std::string(1, '\0'), " ", "A", "x", "\n", "\u3000", "-", "z.txt"};
    std::filesystem::create_directories(temp / "victim");
    std::filesystem::create_directories(cards / "OTHER");
    writeBytes(temp / "above.txt", "above");
    writeBytes(temp / "victim" / "beside.txt", "beside");  // writeBytes makes the folder
    writeBytes(cards / "z.txt", "in the card data folder");
    writeBytes(cards / "OTHER" / "y.txt", "another card");
    addSound("A.WAV", "a sound");
    const CardJob valid = job();
    const auto sentinels = [&] {
        Contents all = folderContents(temp.path());
        std::erase_if(all, [](const auto& entry) {
            return entry.first.starts_with("cards/") && !entry.first.starts_with("cards/z.txt") &&
                   !entry.first.starts_with("cards/OTHER");
        });
        return all;
    };
    const Contents before = sentinels();
    std::mt19937 random(20261211);
    const auto randomName = [&] {
        if (random() % 3 == 0)
            return hostile[random() % hostile.size()];
        std::string name;
        for (auto n = random() % 6; n > 0; --n)
            name += pieces[random() % std::size(pieces)];
        return name;
    };
    for (int run = 0; run < 300; ++run) {
        CardJob forged = valid;
        forged.folderName = randomName();
        forged.cardFolder = CardFolderPath(settings.cardPath, forged.folderName);
        forged.controlFileName = ControlFileName(randomName());
        forged.sounds[0].fileName = randomName();
        SCOPED_TRACE(::testing::PrintToString(forged.folderName) + " " +
                     ::testing::PrintToString(forged.controlFileName) + " " +
                     ::testing::PrintToString(forged.sounds[0].fileName));
        project.card.folder = forged.folderName;
        project.card.cardName = forged.controlFileName.substr(0, forged.controlFileName.size() - 4);
        const CardCheck check = CheckCardCreation(project, settings);
        NoProgress progress;
        if (check.outcome == CardCheckOutcome::Ready)
            CreateCard(*check.job, progress);
        CreateCard(forged, progress);
        ASSERT_EQ(sentinels(), before);
        for (const auto& entry : std::filesystem::directory_iterator(cards))
            if (entry.path().filename() != "z.txt" && entry.path().filename() != "OTHER")
                std::filesystem::remove_all(entry.path());
    }
}

}  // namespace
}  // namespace vexa::test
