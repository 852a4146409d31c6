#include "ui/SheetDuplication.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

Project projectWithNamedSheets() {
    Project p;
    for (int s = 0; s < kSheetCount; ++s)
        p.sheets[static_cast<std::size_t>(s)].header.name = "sheet" + std::to_string(s);
    return p;
}

TEST(SheetDuplication, SourceIsPresetAndNeverADestination) {
    SheetDuplication window(2);
    EXPECT_EQ(window.source(), "03");
    EXPECT_EQ(window.destinations(), (std::vector<std::string>{"01", "02", "04", "05", "06", "07", "08"}));
    window.chooseSource("08");
    EXPECT_EQ(window.destinations().size(), 7u);
    EXPECT_EQ(window.destinations().back(), "07");
}

TEST(SheetDuplication, CopiesTheWholeSheetOntoEachDestination) {
    Project p = projectWithNamedSheets();
    auto& source = p.sheets[1];
    source.header.weekdays[7] = 1;
    source.header.seasons[13] = 1;
    source.lines[255].voices[0] = "far.wav";  // beyond any Line Count
    source.lines[0].ledTime = "2.5";

    test::ScriptedDialogs dialogs;
    SheetDuplication window(1);
    EXPECT_TRUE(window.copy(p, {"04", "07"}, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(p.sheets[3], p.sheets[1]);
    EXPECT_EQ(p.sheets[6], p.sheets[1]);
    EXPECT_EQ(p.sheets[2].header.name, "sheet2");

    // The copies are independent values.
    p.sheets[3].lines[0].ledTime = "9.9";
    EXPECT_EQ(p.sheets[6].lines[0].ledTime, "2.5");
    EXPECT_EQ(p.sheets[1].lines[0].ledTime, "2.5");
}

TEST(SheetDuplication, NoDestinationOrNoSourceIsRefusedWith2094) {
    const Project before = projectWithNamedSheets();
    Project p = before;
    test::ScriptedDialogs dialogs;

    SheetDuplication window(0);
    EXPECT_FALSE(window.copy(p, {}, dialogs));
    EXPECT_FALSE(window.copy(p, {"01"}, dialogs));  // the source is not offered
    SheetDuplication noSource(-1);
    EXPECT_FALSE(noSource.copy(p, {"02"}, dialogs));

    EXPECT_EQ(p.sheets, before.sheets);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    for (const auto& m : dialogs.shown) {
        EXPECT_EQ(m.text, "複製元・複製先を選択してください。");
        EXPECT_EQ(m.title, "確認");
        EXPECT_EQ(m.icon, MessageIcon::Warning);
    }
}

}  // namespace
}  // namespace vexa
