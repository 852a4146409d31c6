// Every edit of a sheet, made as the user makes it, is one step: undo gives
// back exactly the Project before it, redo exactly the Project after it.
#include "GridFixture.h"

#include "core/editor/SheetDuplication.h"
#include "core/editor/SheetHeaderControls.h"

#include <functional>

namespace vexa {
namespace {
using test::rowOf;

class UndoTable : public test::GridFixture {
protected:
    void SetUp() override {
        grid.setup(30);
        addSound("a.wav", 1240, "1.240");
        addSound("b.wav", 760, "0.760");
        changeProject([](Project& p) {
            p.sheets[0].header.name = "朝";
            p.sheets[0].header.weekdays[7] = 3;  // kept as a file gave it
            p.sheets[0].header.seasons = {1, 0, 0, 0, 0, 1};
            p.sheets[0].lines[0].voices = {"a.wav", "b.wav"};
            p.sheets[0].lines[0].time = "2.0";
            p.sheets[0].lines[1].voices[0] = "b.wav";
            p.sheets[0].lines[1].time = "0.8";
            p.sheets[0].lines[200].voices[0] = "far.wav";  // past the Line Count
            p.sheets[4].lines[0].select = "2";
        });
    }

    static void expectSameProject(const Project& actual, const Project& expected) {
        EXPECT_EQ(actual.sheets, expected.sheets);
        EXPECT_EQ(actual.sounds, expected.sounds);
        EXPECT_EQ(actual.soundPresent, expected.soundPresent);
        EXPECT_EQ(actual.patterns, expected.patterns);
        EXPECT_EQ(actual.card, expected.card);
        EXPECT_EQ(actual.user, expected.user);
    }
};

TEST_F(UndoTable, EveryEditIsOneStepThatUndoesAndRedoesExactly) {
    SheetHeaderControls header = ShowHeader(project().sheets[0].header);
    struct Case {
        const char* name;
        std::function<void()> edit;
    };
    const Case cases[] = {
        {"cell", [&] { grid.commitEdit(rowOf(2), 6, "a.wav"); }},
        {"move up", [&] { grid.runLineCommand(linecmd::kMoveUp, rowOf(1), 5, dialogs); }},
        {"move down", [&] { grid.runLineCommand(linecmd::kMoveDown, rowOf(0), 6, dialogs); }},
        {"move left", [&] { grid.runLineCommand(linecmd::kMoveLeft, rowOf(0), 6, dialogs); }},
        {"move right", [&] { grid.runLineCommand(linecmd::kMoveRight, rowOf(0), 5, dialogs); }},
        {"delete", [&] { grid.runLineCommand(linecmd::kDelete, rowOf(0), 5, dialogs); }},
        {"batch fill", [&] { grid.runLineCommand(linecmd::kBatchFill, rowOf(0), 5, dialogs); }},
        {"clear sheet", [&] { grid.runLineCommand(linecmd::kClearSheet, rowOf(0), 5, dialogs); }},
        {"header list and box",
         [&] {
             SheetHeaderControls c = header;
             c.volume = 2;
             c.endHour = "17";
             c.seasons[5] = false;
             ApplyHeaderControls(document, 0, c, SheetEditKind::Header);
         }},
        {"name",
         [&] {
             SheetHeaderControls c = header;
             c.name = "夕方の放送";
             ApplyHeaderControls(document, 0, c, SheetEditKind::Name);
         }},
        {"memo",
         [&] {
             SheetHeaderControls c = header;
             c.memo = "メモ";
             ApplyHeaderControls(document, 0, c, SheetEditKind::Memo);
         }},
        {"duplication", [&] { EXPECT_FALSE(SheetDuplication(0).copy(document, {"03", "05", "08"})); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Project before = project();
        ASSERT_FALSE(document.modified());
        c.edit();
        const Project after = project();
        EXPECT_NE(after.sheets, before.sheets);
        EXPECT_TRUE(document.modified());

        document.undo();
        expectSameProject(project(), before);
        EXPECT_FALSE(document.modified());
        EXPECT_FALSE(document.canUndo());
        document.redo();
        expectSameProject(project(), after);
        EXPECT_TRUE(document.modified());
        EXPECT_FALSE(document.canRedo());

        document.undo();  // the next case starts from the same Project
    }
}

TEST_F(UndoTable, ARefusedOrDeclinedCommandIsNoStep) {
    dialogs.answers = {MessageAnswer::No, MessageAnswer::No};
    grid.runLineCommand(linecmd::kBatchFill, rowOf(0), 5, dialogs);
    grid.runLineCommand(linecmd::kClearSheet, rowOf(0), 5, dialogs);
    grid.runLineCommand(linecmd::kMoveLeft, rowOf(0), 5, dialogs);  // nothing left of Voice 1
    EXPECT_FALSE(SheetDuplication(0).copy(document, {}) == std::nullopt);
    ApplyHeaderControls(document, 0, ShowHeader(project().sheets[0].header), SheetEditKind::Header);
    EXPECT_FALSE(document.canUndo());
    EXPECT_FALSE(document.modified());
}

}  // namespace
}  // namespace vexa
