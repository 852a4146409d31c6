// Putting the new set in place: a failure half-way through the swap puts the
// old files back, whichever way the swap runs.
#include "FolderContents.h"
#include "TestPaths.h"
#include "card/CardFolderSwap.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vexa::test {
namespace {

namespace fs = std::filesystem;
using Contents = std::map<std::string, std::string>;

TEST(CardFolderSwap, AFailureHalfWayPutsTheOldFilesBack) {
    for (const SwapMethod method : {SwapMethod::Exchange, SwapMethod::FileByFile}) {
        SCOPED_TRACE(method == SwapMethod::Exchange ? "exchange" : "file by file");
        TempDir temp;
        const fs::path card = temp / "SHOP";
        const fs::path newSet = temp / ".SHOP.new";
        fs::create_directories(card / "B.WAV");  // a sub-folder where a new file must go
        writeBytes(card / "B.WAV" / "inside", "kept");
        writeBytes(card / "OLD.WAV", "old");
        fs::create_directories(newSet);
        writeBytes(newSet / "A.WAV", "new a");
        writeBytes(newSet / "B.WAV", "new b");
        const Contents before = folderContents(card);

        const std::string problem = SwapCardFiles(newSet, card, method);

        EXPECT_THAT(problem, ::testing::HasSubstr((card / "B.WAV").string()));
        EXPECT_EQ(folderContents(card), before);
    }
}

TEST(CardFolderSwap, ANewCardFolderAppearsWhole) {
    TempDir temp;
    const fs::path newSet = temp / ".SHOP.new";
    fs::create_directories(newSet);
    writeBytes(newSet / "A.WAV", "new a");

    EXPECT_EQ(SwapCardFiles(newSet, temp / "SHOP", SwapMethod::Exchange), "");

    EXPECT_FALSE(fs::exists(newSet));
    EXPECT_EQ(folderContents(temp / "SHOP"), (Contents{{"A.WAV", "new a"}}));
    // An ordinary folder for the user, not the work folder's private mode.
    EXPECT_NE(fs::status(temp / "SHOP").permissions() & fs::perms::others_read, fs::perms::none);
}

}  // namespace
}  // namespace vexa::test
