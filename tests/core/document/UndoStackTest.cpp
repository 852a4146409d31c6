// The undo history: steps, merging, the clean point and what New and Load do.
#include "core/document/Document.h"
#include "core/document/SheetEdit.h"

#include <gtest/gtest.h>

#include <vector>

namespace vexa {
namespace {

// Sets the Select of line `line` of sheet 0 as a committed cell edit would.
std::unique_ptr<SheetEdit> selectEdit(const Project& project, int line, const std::string& value, long cell) {
    ProgramLine after = project.sheets[0].lines[static_cast<std::size_t>(line)];
    after.select = value;
    auto edit = std::make_unique<SheetEdit>(SheetEditKind::Cell);
    edit->addLine(0, line, project.sheets[0].lines[static_cast<std::size_t>(line)], after);
    edit->setMergeCell(cell);
    return edit;
}

const std::string& selectOf(const Document& d, int line) {
    return d.project().sheets[0].lines[static_cast<std::size_t>(line)].select;
}

TEST(UndoStack, EditsOfOneCellMergeButNotIntoTheCleanPoint) {
    Document d(Configuration{});
    d.apply(selectEdit(d.project(), 0, "2", 7));
    d.apply(selectEdit(d.project(), 0, "3", 7));  // same cell: one step
    d.apply(selectEdit(d.project(), 1, "2", 8));  // another cell: a step of its own
    d.undo();
    EXPECT_EQ(selectOf(d, 0), "3");
    d.undo();
    EXPECT_EQ(selectOf(d, 0), "1");
    EXPECT_FALSE(d.canUndo());

    // After the state becomes clean, the next edit of the same cell is new.
    d.redo();
    d.markWritten();
    d.apply(selectEdit(d.project(), 0, "4", 7));
    EXPECT_TRUE(d.modified());
    d.undo();
    EXPECT_EQ(selectOf(d, 0), "3");
    EXPECT_FALSE(d.modified());
}

TEST(UndoStack, EditsThatCancelOutLeaveNoStep) {
    Document d(Configuration{});
    d.apply(selectEdit(d.project(), 0, "2", 7));
    d.apply(selectEdit(d.project(), 0, "1", 7));  // back to what it was
    EXPECT_FALSE(d.canUndo());
    EXPECT_FALSE(d.modified());
    d.apply(selectEdit(d.project(), 0, "1", 7));  // changes nothing at all
    EXPECT_FALSE(d.canUndo());
}

TEST(UndoStack, ModifiedFollowsTheCleanPoint) {
    Document d(Configuration{});
    std::vector<DocumentChange::Kind> heard;
    const int id = d.subscribe([&heard](const DocumentChange& c) { heard.push_back(c.kind); });

    d.apply(selectEdit(d.project(), 0, "2", 1));
    d.apply(selectEdit(d.project(), 1, "2", 2));
    EXPECT_TRUE(d.modified());
    d.undo();
    d.undo();
    EXPECT_FALSE(d.modified());  // back at the start
    d.redo();
    EXPECT_TRUE(d.modified());

    // Card creation wrote this state: the clean point moves here and the
    // history stays.
    d.markWritten();
    EXPECT_FALSE(d.modified());
    ASSERT_TRUE(d.canUndo());
    d.undo();
    EXPECT_TRUE(d.modified());
    d.redo();
    EXPECT_FALSE(d.modified());

    Project fresh;
    fresh.sheets[0].lines[0].select = "5";
    d.replaceProject(fresh);  // New or Load
    EXPECT_FALSE(d.modified());
    EXPECT_FALSE(d.canUndo());
    EXPECT_FALSE(d.canRedo());
    EXPECT_EQ(selectOf(d, 0), "5");

    d.unsubscribe(id);
    d.apply(selectEdit(d.project(), 0, "6", 1));
    using K = DocumentChange::Kind;
    EXPECT_EQ(heard, (std::vector<K>{K::Applied, K::Applied, K::Undone, K::Undone, K::Redone, K::Clean, K::Undone, K::Redone,
                                     K::Replaced}));
}

TEST(UndoStack, ACleanPointThatWasUndoneAndOverwrittenCannotBeReachedAgain) {
    Project project;
    UndoStack history;
    history.push(selectEdit(project, 0, "2", 0), project);
    history.setClean();  // written with line 0 = "2"
    history.undo(project);
    EXPECT_FALSE(history.isClean());
    history.push(selectEdit(project, 1, "2", 1), project);  // the written step is dropped
    EXPECT_FALSE(history.isClean());
    history.undo(project);
    EXPECT_FALSE(history.isClean());  // line 0 "1" is not what was written
    EXPECT_FALSE(history.canUndo());
}

TEST(UndoStack, TheOldestStepsGoPastTheLimit) {
    Project project;
    UndoStack history(3);
    for (int i = 0; i < 5; ++i)
        history.push(selectEdit(project, i, "2", i), project);
    EXPECT_EQ(history.count(), 3u);
    while (history.canUndo())
        history.undo(project);
    EXPECT_EQ(project.sheets[0].lines[1].select, "2");  // beyond the limit: stays
    EXPECT_EQ(project.sheets[0].lines[2].select, "1");
    EXPECT_FALSE(history.isClean());  // the start is out of reach
}

TEST(UndoStack, StepsNameWhatTheUserDidAndTheSheet) {
    Document d(Configuration{});
    ProgramSheet after = d.project().sheets[5];
    after.header.memo = "メモ";
    d.apply(SheetEdit::between(SheetEditKind::Memo, 5, d.project().sheets[5], after));
    EXPECT_EQ(d.undoText(), "メモの変更");
    int sheet = -1;
    d.subscribe([&sheet](const DocumentChange& c) { sheet = c.sheet; });
    d.undo();
    EXPECT_EQ(sheet, 5);
    EXPECT_EQ(d.redoText(), "メモの変更");
    EXPECT_EQ(d.undoText(), "");
}

}  // namespace
}  // namespace vexa
