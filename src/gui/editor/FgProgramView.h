#pragma once
// The programme grid FgProgram as one widget for the main window: the table
// with its two-row header, the model over ProgramGrid (a view of the shown
// sheet of the Project), and the operations the window runs on it (set-up,
// showing the sheet, RefreshVoiceCell, the line commands, the check before a
// test, ending an edit). Edits reach the Project through the Document;
// messages go through the UserDialogs given.
#include "core/editor/ProgramGrid.h"

#include <QWidget>

#include <filesystem>

namespace vexa::gui {

class ProgramGridModel;
class ProgramTableView;

class FgProgramView : public QWidget {
    Q_OBJECT

public:
    // `elementFile`: the Element Pattern File; `measure`: the play length of a
    // WAVE file (GetWaveLength when empty).
    FgProgramView(Document& document, std::filesystem::path elementFile, UserDialogs& dialogs,
                  QWidget* parent = nullptr, WaveLengthFunction measure = {});
    ~FgProgramView() override;

    ProgramGrid& grid() { return grid_; }
    const ProgramGrid& grid() const { return grid_; }
    ProgramTableView* table() const { return table_; }

    // Setup Grid for the Line Count: layout, lists, set-up values. Does not
    // read the Project (Show Sheet follows where needed) and does not touch
    // the window caption.
    void setupGrid(int lineCount);
    // The line part of Show Sheet: the cells show the lines of the current
    // sheet as the Project holds them now.
    void showSheet();
    // The voice lists follow the Sound Table; this only redraws.
    void rebuildVoiceLists();
    void RefreshVoiceCell();
    // The check before a test: false after showing the message and moving
    // the cursor to the failing cell.
    bool checkSheet();
    // Ends any cell edit: the cursor goes to the top-left cell, the editor closes.
    void endEdit();
    // Gives the grid the focus, selects the cell and opens its editor.
    void editCellAt(int row, int col);

    // The cursor in grid coordinates: (0, 0) when it is on no line.
    int cursorRow() const;
    int cursorColumn() const;

    // The sheet shown and edited.
    void setCurrentSheet(int sheet) { grid_.setSheet(sheet); }
    int currentSheet() const { return grid_.sheet(); }
    // While a test runs, clicks outside the line-test columns are ignored and
    // moving the cursor asks for no command state.
    void setTestRunning(bool running);
    void setPicture(int row, int col, StatePicture picture);
    // The line a test plays in the playing colour, or back to its own colours.
    void setPlaying(int row, bool playing);
    // Scrolls so that grid row `row` is the top row shown.
    void scrollToTopRow(int row);

public slots:
    // Line command button 1 … 5, 7 or 8 (0, the line test, is the window's).
    void runLineCommand(int index);

signals:
    void commandStateRequested(vexa::CommandState state);
    // Left click on column 0, 1, 13 or 16 of a usable line (grid row).
    void lineTestClicked(int row);

private:
    void apply(const GridCommandResult& result);
    void onCurrentCellChanged(int row, int col);

    ProgramGrid grid_;
    UserDialogs& dialogs_;
    ProgramGridModel* model_ = nullptr;
    ProgramTableView* table_ = nullptr;
};

}  // namespace vexa::gui
