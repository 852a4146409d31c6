// vexa card into a FAT16 card mounted with fusefat, whose folder rename loses
// the folder's contents: never 作成完了, and the files are named.
#include "FatImageMount.h"
#include "TestPaths.h"
#include "core/config/Messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(CardOnFat, ALostCardFolderIsAFailureNamingItsFiles) {
    TempDir temp;
    FatImageMount mount(temp / "card.img", temp / "card");
    if (!mount.mounted())
        GTEST_SKIP() << mount.reason();
    fs::copy(VEXA_SAMPLE_DIR, temp / "src");

    const CommandResult result = runVexa({"card", (temp / "src" / "SAMPLE.vxa").string(), "--card-path",
                                          (temp / "card").string(), "--home", programFolder().string()});

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, Not(HasSubstr(GetMsg(msg::kCardCreated))));
    EXPECT_THAT(result.err, HasSubstr((temp / "card" / "SAMPLE" / "OPEN.WAV").string()));
    EXPECT_THAT(result.err, HasSubstr("このままカードに使わないでください"));
    EXPECT_TRUE(result.out.empty()) << result.out;
}

TEST(CardOnFat, ToWritesTheSetToTheCardsTopFolderAndChecksIt) {
    TempDir temp;
    FatImageMount mount(temp / "card.img", temp / "card");
    if (!mount.mounted())
        GTEST_SKIP() << mount.reason();
    fs::copy(VEXA_SAMPLE_DIR, temp / "src");
    fs::create_directories(temp / "cards");
    writeBytes(temp / "card" / "MINE.TXT", "kept");

    const CommandResult result =
        runVexa({"card", (temp / "src" / "SAMPLE.vxa").string(), "--card-path", (temp / "cards").string(), "--verify",
                 "--to", (temp / "card").string(), "--home", programFolder().string()});

    // the one foreign file is a warning: exit 1, and it stays
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_EQ(result.out, (temp / "cards" / "SAMPLE").string() + "\n");
    EXPECT_THAT(result.err, HasSubstr("問題はありません：" + (temp / "cards" / "SAMPLE").string()));
    EXPECT_THAT(result.err, HasSubstr("警告: " + (temp / "card" / "MINE.TXT").string()));
    EXPECT_THAT(result.err, Not(HasSubstr("エラー: ")));
    ASSERT_TRUE(mount.remount());
    for (const char* name : {"CHIME.WAV", "OPEN.WAV", "CLOSE.WAV", "NOTICE.WAV"})
        EXPECT_EQ(readBytes(temp / "card" / name), readBytes(temp / "src" / name)) << name;
    EXPECT_EQ(readBytes(temp / "card" / "MINE.TXT"), "kept");

    fs::remove(temp / "card" / "MINE.TXT");
    ASSERT_TRUE(mount.remount());
    const CommandResult verified = runVexa({"verify", (temp / "card").string(), "--against",
                                            (temp / "src" / "SAMPLE.vxa").string(), "--home", programFolder().string()});
    EXPECT_EQ(verified.exitCode, 0) << verified.out << verified.err;
}

TEST(CardsCommand, ListsNoFixedDisk) {
    const CommandResult result = runVexa({"cards", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const auto& volume : nlohmann::json::parse(result.out))
        EXPECT_NE(volume["mountPoint"], "/") << result.out;
}

}  // namespace
}  // namespace vexa::test
