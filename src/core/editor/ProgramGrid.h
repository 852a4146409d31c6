#pragma once
// The programme grid FgProgram without its window: a view of the shown sheet
// of the Project and the rules on it (layout, choice lists, which cells may be
// edited, what an edit does, the line commands and the check before a test).
// Row 0 and 1 are the header rows, row r ≥ 2 is Program Line r - 2. The grid
// keeps no copy of the lines: each cell's text is read from
// Document::project(), and every change the user makes is computed from the
// Project's lines and reaches it as one undoable step through the edit
// functions (core/document/Edits). Each operation says where the cursor goes
// next; a view only applies it.
#include "core/editor/ChoiceList.h"
#include "core/editor/GridColumns.h"
#include "core/editor/LineCommandState.h"
#include "core/document/Document.h"
#include "core/document/Edits.h"
#include "core/model/ProgramLineRules.h"
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

inline constexpr int kGridRowsShort = 97;  // 2 header rows and 95 lines
inline constexpr int kGridRowsLong = 257;  // for a Line Count of 255

enum class CellShade { Header, White, Pink, Grey, Playing };  // Playing: the line a test plays

// Pictures of columns 1, 13 and 16.
enum class StatePicture { None, Idle, Voice, Led, Buzzer };

// Where the cursor goes, and whether the cell's editor opens there.
struct CursorMove {
    int row = 0;
    int col = 0;
    bool openEditor = false;

    bool operator==(const CursorMove&) const = default;
};

// What the window must do after a line command.
struct GridCommandResult {
    std::optional<CursorMove> cursor;   // move there (and open the editor)
    std::optional<CommandState> state;  // set the line command state
    bool gridReset = false;             // every cell may have changed, rows too
    CheckResult refusal;                // to show before the cursor moves

    bool operator==(const GridCommandResult&) const = default;
};

// What a left mouse click on a cell does.
struct GridClick {
    bool ignored = false;               // swallow the click (a test is running)
    bool lineTest = false;              // start or stop the test of the line
    bool edit = false;                  // select the cell and open its editor
    std::optional<CommandState> state;  // set before the editor opens

    bool operator==(const GridClick&) const = default;
};

// Play length of a WAVE file in milliseconds, -1 when it cannot be measured.
using WaveLengthFunction = MeasureWave;

class ProgramGrid {
public:
    // `elementFile` is the Element Pattern File, read at every set-up;
    // `measure` defaults to GetWaveLength.
    ProgramGrid(Document& document, std::filesystem::path elementFile, WaveLengthFunction measure = {});

    // The sheet shown (0 … 8): the one edits change.
    void setSheet(int sheet) { sheet_ = sheet; }
    int sheet() const { return sheet_; }

    // --- Layout -------------------------------------------------------------
    // Setup Grid: rows for the Line Count, headers, the element lists and
    // idle pictures on the usable lines; the unusable lines show nothing.
    void setup(int lineCount);
    int lineCount() const { return lineCount_; }
    int rowCount() const { return rows_; }
    bool isUsableRow(int row) const { return row >= kGridHeaderRows && row < kGridHeaderRows + lineCount_; }

    // The text of a cell: the headers, the line number, or the value the
    // Project holds for the shown sheet's line ("" elsewhere).
    std::string text(int row, int col) const;
    // The text shown: the item's name in a choice column, else the text.
    std::string displayText(int row, int col) const;
    CellShade shade(int row, int col) const;
    StatePicture picture(int row, int col) const;
    void setPicture(int row, int col, StatePicture picture);  // columns 1, 13, 16 of a usable line
    // The line a test plays: columns 1 … 22 of `row` in the playing colour
    // (0 for none).
    void setPlayingRow(int row) { playingRow_ = row; }
    int playingRow() const { return playingRow_; }

    // The list of a column: an element list, the voice list of the current
    // Sound Table (empty while the Sound Present flag is 0), or empty for a
    // free column.
    ChoiceList choices(int col) const;

    // The Program Line a usable row shows (a cleared line for other rows).
    ProgramLine lineAt(int row) const;

    // --- Editing ------------------------------------------------------------
    // Whether entering or clicking the cell opens an editor.
    bool isEditable(int row, int col) const;
    // Longest text an editor takes in a column; 0 = unlimited.
    static int maxLength(int col);
    // The editor's text goes into the Project's line, then the after-edit
    // rules run on it; the line reaches the Project as one step (repeated
    // edits of one cell merge).
    void commitEdit(int row, int col, std::string text);
    // Checks the voices of the shown sheet's usable lines against the Sound
    // Table: drops those that name no Sound Entry, packs them and measures
    // TIME again (RefreshedLine). What changes is one step of its own.
    void RefreshVoiceCell();

    // --- Cursor -------------------------------------------------------------
    // The state for a new current cell, none when it stays as it is.
    std::optional<CommandState> stateForCell(int row, int col, bool testRunning) const;
    GridClick click(int row, int col, bool testRunning) const;

    // --- Line commands (cursor at row, col) ---------------------------------
    GridCommandResult moveVoiceLeft(int row, int col);
    GridCommandResult moveVoiceRight(int row, int col);
    GridCommandResult moveVoiceUp(int row, int col);
    GridCommandResult moveVoiceDown(int row, int col);
    GridCommandResult deleteVoice(int row, int col);
    GridCommandResult batchFill(UserDialogs& dialogs);
    // Clears the shown sheet of the Project and this grid after the question.
    GridCommandResult clearSheet(UserDialogs& dialogs);
    // Button 1 … 5, 7 or 8; nothing for the others. `dialogs` asks the
    // questions; refusals come back in the result.
    GridCommandResult runLineCommand(int index, int row, int col, UserDialogs& dialogs);

    // --- Check before a test ------------------------------------------------
    // None when the sheet may be tested; otherwise what is refused, at the
    // failing cell (where the cursor goes, with its editor open).
    CheckResult checkSheet() const;

private:
    using Pictures = std::array<StatePicture, 3>;

    const Project& project() const { return document_.project(); }
    // The Project's line at `row`, nullptr for rows that show no line.
    const ProgramLine* shownLine(int row) const;
    // Hands the changed lines of the shown sheet (by row) to the Document.
    void commitRows(SheetEditKind kind, const std::vector<std::pair<int, ProgramLine>>& rows, long mergeCell = -1);
    void buildElementLists();
    bool holdsVoice(int row, int col) const;
    void afterEdit(ProgramLine& line, int col) const;
    GridCommandResult moveVoiceVertical(int row, int col, int target);
    GridCommandResult moveVoiceSideways(int row, int col, int neighbour);
    void updateMeasuredTime(ProgramLine& line) const;
    void updateRegisteredTime(ProgramLine& line) const;
    static int pictureSlot(int col);

    Document& document_;
    int sheet_ = 0;
    std::filesystem::path elementFile_;
    WaveLengthFunction measure_;
    int lineCount_ = 0;
    int playingRow_ = 0;
    int rows_ = 0;
    std::vector<Pictures> pictures_;
    std::array<ChoiceList, gridcol::kCount> elementLists_;  // empty for non-choice columns
};

}  // namespace vexa
