// What an edit of a cell does: LED and BUZZER time forms, voice packing, the
// TIME of a line from measured lengths, RefreshVoiceCell and the Modified flag,
// all read back from the Project the grid shows.
#include "GridFixture.h"

namespace vexa {
namespace {
using test::rowOf;

class GridEdit : public test::GridFixture {
protected:
    void SetUp() override {
        grid.setup(30);
        addSound("a.wav", 1240);
        addSound("b.wav", 760);
        addSound("c.wav", 2000);
        addSound("d.wav", 1000);
    }
};

TEST_F(GridEdit, OutputTimesAreFormattedWhenNumeric) {
    struct Case {
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {{"3", "3.0"}, {"", "0.0"}, {"2.25", "2.3"}, {"0.04", "0.0"},
                          {"abc", "abc"}, {"1.2.3", "1.2.3"}, {"-1", "-1.0"}, {"300", "300.0"}};
    for (int col : {gridcol::kLedTime, gridcol::kBuzzerTime}) {
        for (const Case& c : cases) {
            grid.commitEdit(rowOf(0), col, c.typed);
            EXPECT_EQ(grid.text(rowOf(0), col), c.expected) << col << " " << c.typed;
        }
    }
    // A line beyond the Line Count holds nothing and takes no edit.
    grid.commitEdit(rowOf(40), gridcol::kLedTime, "3");
    EXPECT_EQ(grid.text(rowOf(40), gridcol::kLedTime), "");
    EXPECT_EQ(project().sheets[0].lines[40].ledTime, "0.0");
}

TEST_F(GridEdit, AVoiceTypedRightOfAGapMovesIntoTheLeftmostEmptyCell) {
    const int row = rowOf(2);
    setVoices(row, {"a.wav"});
    grid.commitEdit(row, 8, "b.wav");  // Voice 4 of a line whose only voice is Voice 1
    EXPECT_EQ(voices(row), voiceRow({"a.wav", "b.wav"}));
    EXPECT_EQ(grid.text(row, gridcol::kTime), "2.0");  // 1.2 + 0.8

    grid.commitEdit(row, 12, "c.wav");  // into the blank " " left by the list's first item too
    setText(row, 6, " ");
    grid.commitEdit(row, 10, "d.wav");
    EXPECT_EQ(voices(row), voiceRow({"a.wav", "d.wav", "c.wav"}));
}

TEST_F(GridEdit, ChoosingTheBlankItemClosesTheGapInOnePass) {
    const int row = rowOf(0);
    setVoices(row, {"a.wav", "b.wav", "c.wav", "d.wav"});
    grid.commitEdit(row, 6, " ");
    EXPECT_EQ(voices(row), voiceRow({"a.wav", "c.wav", "d.wav"}));
    EXPECT_EQ(grid.text(row, gridcol::kTime), "4.2");  // 1.2 + 2.0 + 1.0
}

TEST_F(GridEdit, TimeIsRepeatTimesTheSumOfRoundedMeasuredLengths) {
    const int row = rowOf(0);
    setVoices(row, {"a.wav"});
    setText(row, gridcol::kRepeat, "2");
    grid.commitEdit(row, 6, "b.wav");
    EXPECT_EQ(grid.text(row, gridcol::kTime), "4.0");  // (1.2 + 0.8) × 2, not 2.0 × 2 by chance

    struct Case {
        const char* repeat;
        const char* expected;
    };
    const Case cases[] = {{"3", "6.0"}, {"", "2.0"}, {"1", "2.0"}, {"x", "0.0"}};
    for (const Case& c : cases) {
        grid.commitEdit(row, gridcol::kRepeat, c.repeat);  // an edit of R recomputes too
        EXPECT_EQ(grid.text(row, gridcol::kTime), c.expected) << c.repeat;
    }
}

TEST_F(GridEdit, LengthsAreMeasuredAtEveryEditAndAFailedMeasurementAddsNothing) {
    const int row = rowOf(0);
    grid.commitEdit(row, 5, "a.wav");
    EXPECT_EQ(grid.text(row, gridcol::kTime), "1.2");
    lengthsMs["/sounds/a.wav"] = 3460;  // the file changed on disk
    grid.commitEdit(row, 6, "b.wav");
    EXPECT_EQ(grid.text(row, gridcol::kTime), "4.3");  // 3.5 + 0.8

    lengthsMs["/sounds/a.wav"] = -1;  // cannot be measured any more
    grid.commitEdit(row, 6, "b.wav");
    EXPECT_EQ(grid.text(row, gridcol::kTime), "0.8");
    grid.commitEdit(row, 6, " ");
    EXPECT_EQ(grid.text(row, gridcol::kTime), "0.0");  // not "-0.0"
}

TEST_F(GridEdit, VoiceRulesNeedTheSoundPresentFlagAndAUsableCell) {
    const int row = rowOf(0);
    changeProject([](Project& p) { p.soundPresent = false; });
    setText(row, 5, "");
    grid.commitEdit(row, 8, "a.wav");
    EXPECT_EQ(grid.text(row, 8), "a.wav");
    EXPECT_EQ(grid.text(row, gridcol::kTime), "0.0");
    EXPECT_EQ(measurements, 0);

    changeProject([](Project& p) { p.soundPresent = true; });
    grid.commitEdit(rowOf(35), 8, "a.wav");  // grey line
    EXPECT_EQ(grid.text(rowOf(35), 8), "");
    EXPECT_EQ(project().sheets[0].lines[35], ProgramLine{});
}

TEST_F(GridEdit, EachCommittedCellIsOneStepAndRepeatedEditsOfACellMerge) {
    EXPECT_FALSE(document.modified());
    grid.commitEdit(rowOf(0), gridcol::kLedTime, "3");
    grid.commitEdit(rowOf(0), gridcol::kLedTime, "4");  // same cell: merges
    grid.commitEdit(rowOf(0), 6, "a.wav");               // packed into Voice 1, TIME 1.2
    EXPECT_TRUE(document.modified());
    const ProgramLine& line = project().sheets[0].lines[0];
    EXPECT_EQ(line.ledTime, "4.0");
    EXPECT_EQ(line.voices[0], "a.wav");
    EXPECT_EQ(line.time, "1.2");

    document.undo();  // the voice, with its packing and TIME
    EXPECT_EQ(project().sheets[0].lines[0].voices[0], "");
    EXPECT_EQ(project().sheets[0].lines[0].time, "0.0");
    EXPECT_EQ(project().sheets[0].lines[0].ledTime, "4.0");
    document.undo();  // both LED time edits at once
    EXPECT_EQ(project().sheets[0].lines[0], ProgramLine{});
    EXPECT_FALSE(document.modified());
    EXPECT_FALSE(document.canUndo());

    // An edit that changes nothing is no step.
    grid.commitEdit(rowOf(0), gridcol::kRepeat, "1");
    EXPECT_FALSE(document.modified());
    EXPECT_TRUE(document.canRedo());

    // Edits go to the sheet shown.
    grid.setSheet(3);
    grid.commitEdit(rowOf(2), gridcol::kSelect, "2");
    EXPECT_EQ(project().sheets[3].lines[2].select, "2");
    EXPECT_EQ(project().sheets[0].lines[2].select, "1");
}

TEST_F(GridEdit, RefreshVoiceCellDropsUnknownVoicesPacksAndRetimes) {
    const int full = rowOf(0);
    setVoices(full, {"gone.wav", "a.wav", " ", "b.wav", "", "", "", "c.wav"});
    setText(full, gridcol::kRepeat, "2");
    const int last = rowOf(29);
    setVoices(last, {"", "", "", "", "", "", "", "d.wav"});
    changeProject([](Project& p) { p.sheets[0].lines[30].voices[0] = "gone.wav"; });  // grey row: left alone

    grid.RefreshVoiceCell();
    EXPECT_EQ(voices(full), voiceRow({"a.wav", "b.wav", "c.wav"}));  // packed fully, not in one pass
    EXPECT_EQ(grid.text(full, gridcol::kTime), "8.0");                 // (1.2 + 0.8 + 2.0) × 2
    EXPECT_EQ(voices(last), voiceRow({"d.wav"}));
    EXPECT_EQ(grid.text(last, gridcol::kTime), "1.0");
    EXPECT_EQ(grid.text(rowOf(1), gridcol::kTime), "0.0");
    EXPECT_EQ(project().sheets[0].lines[30].voices[0], "gone.wav");
    EXPECT_EQ(grid.lineAt(full), project().sheets[0].lines[0]);
    // One step of its own, which undo takes back whole.
    EXPECT_EQ(document.undoText(), "音声セルの更新");
    document.undo();
    EXPECT_EQ(grid.text(full, 5), "gone.wav");
    document.redo();

    changeProject([](Project& p) { p.soundPresent = false; });  // every voice goes
    grid.RefreshVoiceCell();
    EXPECT_EQ(voices(full), voiceRow({}));
    EXPECT_EQ(grid.text(full, gridcol::kTime), "0.0");

    // Nothing left to change: no step; one undo gives the voices back.
    grid.RefreshVoiceCell();
    document.undo();
    EXPECT_EQ(voices(full), voiceRow({"a.wav", "b.wav", "c.wav"}));
    EXPECT_FALSE(document.canUndo());
}

TEST_F(GridEdit, FileNamesMatchExactly) {
    const int row = rowOf(0);
    setVoices(row, {"A.WAV", "a.wav "});
    grid.RefreshVoiceCell();
    EXPECT_EQ(voices(row), voiceRow({}));
}

}  // namespace
}  // namespace vexa
