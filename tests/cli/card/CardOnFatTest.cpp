// vexa card into a FAT16 card mounted with fusefat, whose folder rename loses
// the folder's contents: never 作成完了, and the files are named.
#include "FatImageMount.h"
#include "TestPaths.h"
#include "core/config/Messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vexa::test
