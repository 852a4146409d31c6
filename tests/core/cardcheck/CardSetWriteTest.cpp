// Writing a card set to a card's top folder: the new set replaces the old one
// only once it is all there, other files stay, and a failure leaves the old
// set as it was with no temporaries behind.
#include "../card/CardCreationFixture.h"
#include "FatImageMount.h"
#include "TmpfsMount.h"
#include "WaveFileBytes.h"
#include "core/card/CardCreation.h"
#include "core/cardcheck/CardSetWrite.h"
#include "core/cardcheck/CardVerification.h"
#include "core/files/FileFaults.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

class CardSetWriteTest : public CardCreationFixture {
protected:
    CardSetWriteTest() {
        addSound("CHIME.WAV", pcmWave(1, 22050, 16, 3000));
        addSound("OPEN.WAV", pcmWave(1, 22050, 16, 200000));
        fs::create_directories(card);
    }
    ~CardSetWriteTest() override { ClearFileFaults(); }

    void makeCardFolder() {
        NoProgress progress;
        ASSERT_TRUE(CreateCard(job(), progress).completed());
    }

    // An old set on the card (OLD.vxa naming OLD1.WAV and OPEN.WAV) and a file of the user's.
    void putOldSet() {
        Project old = project;
        old.card.cardName = "OLD";
        writeBytes(card / "OLD1.WAV", pcmWave(1, 22050, 16, 100));
        writeBytes(card / "OPEN.WAV", pcmWave(1, 22050, 16, 50));
        old.sounds[0].fileName = "OLD1.WAV";
        ASSERT_TRUE(WriteControlFile(old, settings, card / "OLD.vxa"));
        writeBytes(card / "MINE.TXT", "the installer's notes");
    }

    CardSetWriteResult write() {
        NoProgress progress;
        return WriteCardSet({cardFolder, card, job().project, settings}, progress);
    }

    CardFindings verify() {
        NoProgress progress;
        return VerifyCard({card, job().project, {}, settings, std::nullopt}, progress).findings;
    }

    fs::path card = temp / "card";
};

TEST_F(CardSetWriteTest, TheNewSetReplacesTheOldOneAndOtherFilesStay) {
    makeCardFolder();
    putOldSet();
    const CardSetWriteResult result = write();
    ASSERT_TRUE(result.written()) << result.problem;
    EXPECT_THAT(result.removed, ElementsAre("OLD.vxa", "OLD1.WAV"));
    const auto contents = folderContents(card);
    EXPECT_EQ(contents, (std::map<std::string, std::string>{{"SHOP.vxa", controlFileBytes()},
                                                            {"CHIME.WAV", readBytes(sources / "CHIME.WAV")},
                                                            {"OPEN.WAV", readBytes(sources / "OPEN.WAV")},
                                                            {"MINE.TXT", "the installer's notes"}}));
    // what is left to say: the user's file, which stays
    const std::string findings = FindingsText(verify());
    EXPECT_THAT(findings, Not(HasSubstr("エラー"))) << findings;
    EXPECT_THAT(findings, HasSubstr("警告: " + (card / "MINE.TXT").string()));
}

TEST_F(CardSetWriteTest, AFailureLeavesTheOldSetAndNoTemporaries) {
    makeCardFolder();
    putOldSet();
    const auto before = folderContents(card);
    struct Case {
        FileCall call;
        int after;
        const char* names;
    };
    for (const Case& c : {Case{FileCall::Create, 1, "OPEN.WAV"}, Case{FileCall::Create, 2, "SHOP.vxa"}}) {
        InjectFileFault(c.call, ENOSPC, c.after);
        const CardSetWriteResult result = write();
        ClearFileFaults();
        ASSERT_FALSE(result.written());
        EXPECT_THAT(result.problem, HasSubstr((card / c.names).string()));
        EXPECT_EQ(folderContents(card), before);
    }
}

TEST_F(CardSetWriteTest, TooLittleRoomIsRefusedBeforeAnythingIsWritten) {
    TmpfsMount mount(card, "size=200k");
    if (!mount.mounted())
        GTEST_SKIP() << mount.reason();
    makeCardFolder();
    writeBytes(card / "OPEN.WAV", std::string(150000, 'x'));
    const auto before = folderContents(card);
    const CardSetWriteResult result = write();
    ASSERT_FALSE(result.written());
    EXPECT_THAT(result.problem, HasSubstr("置き換える古いファイル"));
    EXPECT_EQ(folderContents(card), before);
}

TEST_F(CardSetWriteTest, OnAFat16CardTheSetReadsBackAfterRemounting) {
    makeCardFolder();
    FatImageMount mount(temp / "card.img", card);
    if (!mount.mounted())
        GTEST_SKIP() << mount.reason();
    putOldSet();
    const CardSetWriteResult first = write();
    ASSERT_TRUE(first.written()) << first.problem;
    const CardSetWriteResult again = write();  // over its own set, on a file system that renames files only
    ASSERT_TRUE(again.written()) << again.problem;
    ASSERT_TRUE(mount.remount()) << mount.reason();
    const CardFindings findings = verify();
    EXPECT_THAT(FindingsText(findings), Not(HasSubstr("エラー"))) << FindingsText(findings);
    EXPECT_THAT(FindingsText(findings), HasSubstr("MINE.TXT"));
    EXPECT_FALSE(fs::exists(card / "OLD.vxa"));
}

}  // namespace
}  // namespace vexa::test
