// Cards on a real FAT16 file system (an image mounted with fusefat), whose
// folder rename loses the folder's contents: creation must not call such a
// card complete, and the check finds what is wrong on the card.
#include "../card/CardCreationFixture.h"
#include "FatImageMount.h"
#include "WaveFileBytes.h"
#include "core/card/CardCreation.h"
#include "core/cardcheck/CardVerification.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class FusefatCard : public CardCreationFixture {
protected:
    FusefatCard() : mount(temp / "card.img", cards) {
        addSound("CHIME.WAV", pcmWave(1, 22050, 16, 3000));
        addSound("OPEN.WAV", pcmWave(1, 22050, 16, 200000));
    }

    FatImageMount mount;
};

TEST_F(FusefatCard, ACardFolderLostInTheSwapFailsNamingItsFiles) {
    if (!mount.mounted())
        GTEST_SKIP() << mount.reason();
    NoProgress progress;
    const CardCreationResult result = CreateCard(job(), progress);

    ASSERT_FALSE(result.completed());
    EXPECT_TRUE(result.folderChanged);
    for (const char* name : {"SHOP.vxa", "CHIME.WAV", "OPEN.WAV"})
        EXPECT_THAT(result.problem, HasSubstr((cardFolder / name).string())) << result.problem;
    EXPECT_THAT(CardFailureRefusal(result.problem, true).text, HasSubstr("このままカードに使わないでください"));
}

TEST_F(FusefatCard, ASetCopiedToTheTopFolderIsCleanAndDamageIsFoundAfterRemounting) {
    if (!mount.mounted())
        GTEST_SKIP() << mount.reason();
    // the set copied file by file to the card's top folder, as a user would
    writeBytes(cards / "SHOP.vxa", controlFileBytes());
    for (const char* name : {"CHIME.WAV", "OPEN.WAV"})
        writeBytes(cards / name, readBytes(sources / name));
    ASSERT_TRUE(mount.remount()) << mount.reason();

    CardVerifyRequest request{cards, project, {}, settings, std::nullopt};
    NoProgress progress;
    const CardFindings clean = VerifyCardFolder(request, nullptr, progress).findings;
    EXPECT_TRUE(IsClean(clean)) << FindingsText(clean);
    // fusefat names no device: the FAT type cannot be told, and says so
    EXPECT_THAT(FindingsText(clean), HasSubstr("確かめられませんでした"));

    std::string bytes = readBytes(cards / "OPEN.WAV");
    bytes[100000] ^= 0x10;
    fs::remove(cards / "OPEN.WAV");  // fusefat does not truncate a file on opening
    writeBytes(cards / "OPEN.WAV", bytes);
    fs::remove(cards / "CHIME.WAV");
    writeBytes(cards / "EXTRA.TXT", "x");
    ASSERT_TRUE(mount.remount()) << mount.reason();
    const std::string found = FindingsText(VerifyCardFolder(request, nullptr, progress).findings);
    EXPECT_THAT(found, HasSubstr("エラー: " + (cards / "OPEN.WAV").string() + ": 内容が元のファイル"));
    EXPECT_THAT(found, HasSubstr("エラー: " + (cards / "CHIME.WAV").string() + ": ありません"));
    EXPECT_THAT(found, HasSubstr("警告: " + (cards / "EXTRA.TXT").string()));
}

}  // namespace
}  // namespace vexa::test
