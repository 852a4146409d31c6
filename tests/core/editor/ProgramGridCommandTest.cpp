// The line commands (move, delete, batch fill, clear), the command states,
// cursor and click rules, and the check before a test.
#include "GridFixture.h"

#include "core/config/Messages.h"

namespace vexa {
namespace {
using test::rowOf;

class GridCommand : public test::GridFixture {
protected:
    void SetUp() override {
        grid.setup(30);
        addSound("a.wav", 1240, "1.240");
        addSound("b.wav", 760, "0.760");
        addSound("c.wav", 2000, "2.000");
        addSound("d.wav", 1000, "1.000");
    }

    MessageRequest warning(int number) const {
        return {GetMsg(number), GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::Ok};
    }
    MessageRequest question(int number) const {
        return {GetMsg(number), GetMsg(msg::kTitleConfirm), MessageIcon::Question, MessageButtons::YesNo};
    }
};

TEST_F(GridCommand, MoveLeftAndRightSwapWithANeighbour) {
    const int row = rowOf(0);
    setVoices(row, {"a.wav", "b.wav", "c.wav"});
    EXPECT_EQ(grid.moveVoiceLeft(row, 7).cursor, (CursorMove{row, 6, true}));
    EXPECT_EQ(voices(row), voiceRow({"a.wav", "c.wav", "b.wav"}));
    EXPECT_EQ(grid.moveVoiceRight(row, 5).cursor, (CursorMove{row, 6, true}));
    EXPECT_EQ(voices(row), voiceRow({"c.wav", "a.wav", "b.wav"}));

    // Nothing moves at the ends, from an empty cell or into an empty cell.
    const std::vector<std::string> before = voices(row);
    EXPECT_EQ(grid.moveVoiceLeft(row, 5).cursor, (CursorMove{row, 5, true}));
    EXPECT_EQ(grid.moveVoiceRight(row, 7).cursor, (CursorMove{row, 7, true}));
    EXPECT_EQ(grid.moveVoiceLeft(row, 9).cursor, (CursorMove{row, 9, true}));
    setVoices(rowOf(1), {"", "", "", "", "", "", "", "d.wav"});
    EXPECT_EQ(grid.moveVoiceRight(rowOf(1), 12).cursor, (CursorMove{rowOf(1), 12, true}));
    EXPECT_EQ(voices(row), before);
    // Not a voice column: only the editor reopens.
    EXPECT_EQ(grid.moveVoiceLeft(row, gridcol::kLedTime).cursor, (CursorMove{row, gridcol::kLedTime, true}));
    EXPECT_EQ(grid.text(row, gridcol::kLedTime), "0.0");
    EXPECT_EQ(grid.text(row, gridcol::kLedType), "0");
}

TEST_F(GridCommand, MoveUpIntoAnEmptyCellTakesTheLeftmostGap) {
    const int upper = rowOf(3);
    const int lower = rowOf(4);
    setVoices(upper, {"a.wav"});
    setVoices(lower, {"b.wav", "c.wav", "d.wav"});
    setText(upper, gridcol::kRepeat, "2");
    const GridCommandResult r = grid.moveVoiceUp(lower, 7);  // d.wav; cell (upper, 7) is empty
    EXPECT_EQ(r.cursor, (CursorMove{upper, 6, true}));
    EXPECT_EQ(voices(upper), voiceRow({"a.wav", "d.wav"}));
    EXPECT_EQ(voices(lower), voiceRow({"b.wav", "c.wav"}));
    EXPECT_EQ(grid.text(upper, gridcol::kTime), "4.4");  // (1.2 + 1.0) × 2
    EXPECT_EQ(grid.text(lower, gridcol::kTime), "2.8");  // 0.8 + 2.0
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(GridCommand, MoveDownIntoAnOccupiedCellShiftsTheTargetLineRight) {
    const int upper = rowOf(3);
    const int lower = rowOf(4);
    setVoices(upper, {"a.wav", "b.wav", "c.wav"});
    setVoices(lower, {"d.wav", "c.wav"});
    const GridCommandResult r = grid.moveVoiceDown(upper, 6);
    EXPECT_EQ(r.cursor, (CursorMove{lower, 6, true}));
    EXPECT_EQ(voices(lower), voiceRow({"d.wav", "b.wav", "c.wav"}));
    EXPECT_EQ(voices(upper), voiceRow({"a.wav", "c.wav"}));  // gap closed
    EXPECT_EQ(grid.text(lower, gridcol::kTime), "3.8");  // 1.0 + 0.8 + 2.0
    EXPECT_EQ(grid.text(upper, gridcol::kTime), "3.2");
}

TEST_F(GridCommand, MovingIntoAFullLineIsRefusedWith2088AndChangesNothing) {
    const int upper = rowOf(3);
    const int lower = rowOf(4);
    setVoices(upper, {"a.wav", "b.wav", "c.wav", "d.wav", "a.wav", "b.wav", "c.wav", "d.wav"});
    setVoices(lower, {"a.wav"});
    setText(upper, gridcol::kTime, "keep");
    const ProgramLine upperBefore = grid.lineAt(upper);
    const ProgramLine lowerBefore = grid.lineAt(lower);

    const GridCommandResult r = grid.moveVoiceUp(lower, 5);
    EXPECT_EQ(r.cursor, (CursorMove{lower, 5, true}));
    EXPECT_EQ(r.refusal, Refusal::warning(msg::kVoiceMoveRefused));
    EXPECT_EQ(GetMsg(msg::kVoiceMoveRefused), "ファイルの移動は出来ません。　　");
    EXPECT_EQ(grid.lineAt(upper), upperBefore);
    EXPECT_EQ(grid.lineAt(lower), lowerBefore);
    EXPECT_FALSE(document.canUndo());
}

TEST_F(GridCommand, VerticalMovesStopAtTheFirstAndLastUsableLine) {
    setVoices(rowOf(0), {"a.wav"});
    setVoices(rowOf(29), {"b.wav"});
    EXPECT_EQ(grid.moveVoiceUp(rowOf(0), 5).cursor, (CursorMove{rowOf(0), 5, true}));
    EXPECT_EQ(grid.moveVoiceDown(rowOf(29), 5).cursor, (CursorMove{rowOf(29), 5, true}));
    EXPECT_EQ(grid.text(rowOf(0), 5), "a.wav");
    EXPECT_EQ(grid.text(rowOf(29), 5), "b.wav");
    EXPECT_EQ(grid.text(rowOf(30), 5), "");
    // From an empty cell nothing moves either.
    EXPECT_EQ(grid.moveVoiceDown(rowOf(0), 6).cursor, (CursorMove{rowOf(0), 6, true}));
    EXPECT_EQ(voices(rowOf(1)), voiceRow({}));
}

TEST_F(GridCommand, DeleteVoicePacksRetimesAndReportsTheNewState) {
    const int row = rowOf(0);
    setVoices(row, {"a.wav", "b.wav", "c.wav", "d.wav"});
    setText(row, gridcol::kTime, "5.0");
    GridCommandResult r = grid.deleteVoice(row, 6);
    EXPECT_EQ(voices(row), voiceRow({"a.wav", "c.wav", "d.wav"}));
    EXPECT_EQ(grid.text(row, gridcol::kTime), "4.2");
    EXPECT_EQ(r.cursor, (CursorMove{row, 6, true}));
    EXPECT_EQ(r.state, CommandState::VoiceCell);  // c.wav is under the cursor now
    EXPECT_TRUE(document.modified());  // a delete is an edit like any other
    EXPECT_EQ(project().sheets[0].lines[0].voices[1], "c.wav");

    r = grid.deleteVoice(row, 7);  // the last voice
    EXPECT_EQ(voices(row), voiceRow({"a.wav", "c.wav"}));
    EXPECT_EQ(r.state, CommandState::Idle);
}

TEST_F(GridCommand, BatchFillPutsOneSoundPerLineUpToTheLineCount) {
    changeProject([](Project& p) {
        p.sounds.clear();
        for (int i = 0; i < 200; ++i) {
            SoundEntry entry;
            entry.fileName = "s" + std::to_string(i) + ".wav";
            entry.length = i == 1 ? "0.250" : "1.240";
            p.sounds.push_back(entry);
        }
    });
    grid.setup(95);
    setVoices(rowOf(0), {"x.wav", "y.wav"});
    setText(rowOf(0), gridcol::kLedType, "2");

    const GridCommandResult r = grid.runLineCommand(linecmd::kBatchFill, rowOf(0), 5, dialogs);
    EXPECT_TRUE(r.gridReset);
    EXPECT_EQ(dialogs.shown, (std::vector<MessageRequest>{question(2521)}));
    EXPECT_EQ(voices(rowOf(0)), voiceRow({"s0.wav"}));  // the rest of the line set up again
    EXPECT_EQ(grid.text(rowOf(0), gridcol::kLedType), "0");
    EXPECT_EQ(grid.text(rowOf(0), gridcol::kTime), "1.2");
    EXPECT_EQ(grid.text(rowOf(1), gridcol::kTime), "0.3");  // 0.25 rounds away from zero
    EXPECT_EQ(grid.text(rowOf(94), 5), "s94.wav");
    EXPECT_EQ(grid.rowCount(), 97);
    // One step that reached the Project, and one undo takes it back.
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(project().sheets[0].lines[94].voices[0], "s94.wav");
    document.undo();
    EXPECT_EQ(project().sheets[0].lines[94].voices[0], "");
    EXPECT_FALSE(document.modified());
}

TEST_F(GridCommand, BatchFillRefusedWithoutSoundsOrAfterNo) {
    setVoices(rowOf(0), {"a.wav"});
    dialogs.answers = {MessageAnswer::No};
    EXPECT_EQ(grid.batchFill(dialogs), GridCommandResult{});
    EXPECT_EQ(grid.text(rowOf(0), 5), "a.wav");

    changeProject([](Project& p) { p.resetSoundTable(); });
    GridCommandResult refused;
    refused.refusal = Refusal::warning(msg::kNoSounds);
    EXPECT_EQ(grid.batchFill(dialogs), refused);
    EXPECT_EQ(dialogs.shown, (std::vector<MessageRequest>{question(2521)}));
    EXPECT_EQ(grid.text(rowOf(0), 5), "a.wav");
    EXPECT_FALSE(document.modified());
}

TEST_F(GridCommand, ClearSheetClearsTheProjectSheetAndTheGrid) {
    changeProject([](Project& p) {
        p.sheets[2].lines[0].select = "2";
        p.sheets[2].lines[0].voices[0] = "a.wav";
        p.sheets[2].header.name = "朝";
        p.sheets[1].lines[0].select = "2";
    });
    grid.setSheet(2);

    dialogs.answers = {MessageAnswer::No};
    EXPECT_EQ(grid.runLineCommand(linecmd::kClearSheet, rowOf(0), 5, dialogs), GridCommandResult{});
    EXPECT_EQ(project().sheets[2].lines[0].select, "2");
    EXPECT_FALSE(document.modified());

    const GridCommandResult r = grid.runLineCommand(linecmd::kClearSheet, rowOf(0), 5, dialogs);
    EXPECT_EQ(dialogs.shown, (std::vector<MessageRequest>{question(2032), question(2032)}));
    EXPECT_EQ(r.state, CommandState::Idle);
    EXPECT_TRUE(r.gridReset);
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(project().sheets[2].lines[0].select, "1");
    EXPECT_EQ(project().sheets[2].header.name, "");
    EXPECT_EQ(project().sheets[1].lines[0].select, "2");
    EXPECT_EQ(grid.text(rowOf(0), 5), "");

    document.undo();  // header and lines come back together
    EXPECT_EQ(project().sheets[2].header.name, "朝");
    EXPECT_EQ(project().sheets[2].lines[0].voices[0], "a.wav");
    EXPECT_FALSE(document.modified());
}

TEST_F(GridCommand, CheckSheetStopsAtTheFirstFailureInLineAndColumnOrder) {
    struct Case {
        const char* name;
        int line;
        int col;
        const char* text;
        const char* type;  // type cell left of a time cell
        int message;       // 0: passes
    };
    const Case cases[] = {
        {"empty select", 3, gridcol::kSelect, "", nullptr, 2003},
        {"blank repeat", 3, gridcol::kRepeat, " ", nullptr, 2003},
        {"empty LED type", 3, gridcol::kLedType, "", nullptr, 2003},
        {"empty BUZZER type", 3, gridcol::kBuzzerType, "", nullptr, 2003},
        {"LED time abc, type 1", 3, gridcol::kLedTime, "abc", "1", 2004},
        {"LED time abc, type 0", 3, gridcol::kLedTime, "abc", "0", 0},
        {"BUZZER time over 300", 3, gridcol::kBuzzerTime, "300.1", "2", 2005},
        {"BUZZER time 300", 3, gridcol::kBuzzerTime, "300", "2", 0},
        {"LED time below 0", 3, gridcol::kLedTime, "-0.1", "1", 2005},
        {"empty time", 3, gridcol::kLedTime, "", "1", 0},
        {"type blank, time abc", 3, gridcol::kLedTime, "abc", " ", 2003},  // the type fails first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        changeProject([](Project& p) { p.clearSheets(30); });
        dialogs.shown.clear();
        const int row = rowOf(c.line);
        setText(row, c.col, c.text);
        if (c.type)
            setText(row, c.col - 1, c.type);
        setText(rowOf(20), gridcol::kSelect, "");  // a later failure
        const CheckResult failure = grid.checkSheet();
        ASSERT_TRUE(failure);
        if (c.message == 0) {
            EXPECT_EQ(*failure, Refusal::warning(msg::kRequiredMissing).atCell(rowOf(20), gridcol::kSelect));
            continue;
        }
        const int col = c.message == 2003 && c.type ? c.col - 1 : c.col;
        EXPECT_EQ(*failure, Refusal::warning(c.message).atCell(row, col));
        ShowRefusal(dialogs, *failure);
        EXPECT_EQ(dialogs.shown.back(), warning(c.message));
    }
    changeProject([](Project& p) { p.clearSheets(30); });
    setText(rowOf(30), gridcol::kSelect, "");  // grey rows are not checked
    EXPECT_FALSE(grid.checkSheet());
}

TEST_F(GridCommand, TypedLedTimeThreeBecomesThreePointZeroAndAbcIsRefusedOnlyWithAType) {
    const int row = rowOf(0);
    grid.commitEdit(row, gridcol::kLedTime, "3");
    EXPECT_EQ(grid.text(row, gridcol::kLedTime), "3.0");
    grid.commitEdit(row, gridcol::kLedTime, "abc");
    EXPECT_FALSE(grid.checkSheet());  // type "0"
    setText(row, gridcol::kLedType, "1");
    EXPECT_EQ(grid.checkSheet(), Refusal::warning(msg::kEnterNumber).atCell(row, gridcol::kLedTime));
}

TEST_F(GridCommand, StateOfACurrentCell) {
    const int row = rowOf(0);
    setVoices(row, {"a.wav", " "});
    EXPECT_EQ(grid.stateForCell(row, 5, false), CommandState::VoiceCell);
    EXPECT_EQ(grid.stateForCell(row, 6, false), CommandState::Idle);
    EXPECT_EQ(grid.stateForCell(row, 3, false), CommandState::Idle);
    EXPECT_EQ(grid.stateForCell(rowOf(40), 5, false), CommandState::Idle);  // grey rows count too
    EXPECT_EQ(grid.stateForCell(row, 0, false), std::nullopt);
    EXPECT_EQ(grid.stateForCell(1, 5, false), std::nullopt);
    EXPECT_EQ(grid.stateForCell(row, 5, true), std::nullopt);
}

TEST_F(GridCommand, Clicks) {
    const int row = rowOf(0);
    setVoices(row, {"a.wav"});
    struct Case {
        int row;
        int col;
        bool testRunning;
        GridClick expected;
    };
    const Case cases[] = {
        {row, 0, false, {false, true, false, {}}},
        {row, 13, true, {false, true, false, {}}},
        {row, 16, false, {false, true, false, {}}},
        {row, 2, false, {}},
        {row, 5, false, {false, false, true, CommandState::VoiceCell}},
        {row, 6, false, {false, false, true, {}}},
        {row, 14, false, {false, false, true, {}}},
        {row, 14, true, {true, false, false, {}}},
        {rowOf(40), 0, false, {}},
        {1, 5, false, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(grid.click(c.row, c.col, c.testRunning), c.expected) << c.row << "," << c.col;
    changeProject([](Project& p) { p.resetSoundTable(); });
    EXPECT_EQ(grid.click(row, 5, false), GridClick{});
}

TEST(LineCommandStates, EnabledControlsAndCaptions) {
    const LineCommandControls voice = CommandControls(CommandState::VoiceCell);
    EXPECT_EQ(voice.buttons, (std::array<bool, 9>{true, true, true, true, true, true, false, true, true}));
    EXPECT_FALSE(voice.playCaption);
    EXPECT_TRUE(voice.memo && voice.tabStrip && voice.header);

    const LineCommandControls idle = CommandControls(CommandState::Idle);
    EXPECT_EQ(idle.buttons, (std::array<bool, 9>{true, false, false, false, false, false, false, true, true}));
    EXPECT_EQ(idle.playCaption, "再生");
    EXPECT_TRUE(idle.memo && idle.tabStrip && idle.header);

    EXPECT_EQ(CommandControls(CommandState::SheetTest), LineCommandControls{});

    const LineCommandControls line = CommandControls(CommandState::LineTest);
    EXPECT_EQ(line.buttons, (std::array<bool, 9>{true, false, false, false, false, false, false, false, false}));
    EXPECT_EQ(line.playCaption, "停止");
    EXPECT_FALSE(line.memo || line.tabStrip || line.header);

    EXPECT_EQ(LineCommandCaption(8), "全ｸﾘｱ");
    EXPECT_EQ(LineCommandCaption(6), "");
}

}  // namespace
}  // namespace vexa
