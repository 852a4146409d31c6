#include "core/editor/SheetDuplication.h"

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
    Document document(Configuration{}, p);

    SheetDuplication window(1);
    EXPECT_EQ(window.copy(document, {"04", "07"}), std::nullopt);
    const Project& copied = document.project();
    EXPECT_EQ(copied.sheets[3], copied.sheets[1]);
    EXPECT_EQ(copied.sheets[6], copied.sheets[1]);
    EXPECT_EQ(copied.sheets[2].header.name, "sheet2");

    // One step: one undo gives both destinations back.
    EXPECT_TRUE(document.modified());
    document.undo();
    EXPECT_EQ(document.project().sheets, p.sheets);
    EXPECT_FALSE(document.modified());
}

TEST(SheetDuplication, NoDestinationOrNoSourceIsRefusedWith2094) {
    const Project before = projectWithNamedSheets();
    Document document(Configuration{}, before);
    SheetDuplication window(0);
    SheetDuplication noSource(-1);
    const CheckResult refusals[] = {
        window.copy(document, {}),
        window.copy(document, {"01"}),  // the source is not offered
        noSource.copy(document, {"02"}),
    };
    EXPECT_EQ(document.project().sheets, before.sheets);
    EXPECT_FALSE(document.modified());
    for (const auto& refusal : refusals) {
        ASSERT_TRUE(refusal);
        test::ScriptedDialogs dialogs;
        ShowRefusal(dialogs, *refusal);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "複製元・複製先を選択してください。");
        EXPECT_EQ(dialogs.shown[0].title, "確認");
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Warning);
    }
}

}  // namespace
}  // namespace vexa
