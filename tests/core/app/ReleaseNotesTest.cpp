#include "TestPaths.h"
#include "core/app/ReleaseNotes.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>

namespace vexa::test {
namespace {

TEST(ReleaseNotes, LinesAreJoinedWithoutABreakAfterTheLast) {
    TempDir temp;
    writeBytes(temp / "Release.txt", cp932::fromUtf8("Ver 2.0\r\n更新履歴の一行目\r\n最後の行\r\n"));
    EXPECT_EQ(ReleaseNotesText(temp / "Release.txt"), "Ver 2.0\n更新履歴の一行目\n最後の行");
}

TEST(ReleaseNotes, AMissingOrEmptyFileGivesAnEmptyText) {
    TempDir temp;
    EXPECT_EQ(ReleaseNotesText(temp / "Release.txt"), "");
    writeBytes(temp / "Empty.txt", "");
    EXPECT_EQ(ReleaseNotesText(temp / "Empty.txt"), "");
}

}  // namespace
}  // namespace vexa::test
