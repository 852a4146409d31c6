// The texts a report box lays out are bounded, whatever the Project holds.
#include "printlayout/ReportPainter.h"

#include <gtest/gtest.h>

namespace vexa::printlayout {
namespace {

TEST(ShownText, AHugeTextIsCutOnACharacterBoundaryBeforeLayout) {
    EXPECT_EQ(ShownText("店内放送"), QString::fromUtf8("店内放送"));
    const std::string exact(kMostShownBytes, 'a');
    EXPECT_EQ(ShownText(exact), QString::fromStdString(exact));  // nothing to cut

    // 40 MB of three-byte characters: the cut falls inside one of them.
    std::string comment;
    for (int i = 0; i < 40 * 1000 * 1000 / 3; ++i)
        comment += "あ";
    const QString shown = ShownText(comment);
    EXPECT_EQ(shown.size(), static_cast<qsizetype>(kMostShownBytes / 3 + 1));
    EXPECT_EQ(shown.back(), QChar(0x2026));
    EXPECT_FALSE(shown.contains(QChar::ReplacementCharacter));
    EXPECT_EQ(shown.left(3), QString::fromUtf8("あああ"));
}

}  // namespace
}  // namespace vexa::printlayout
