#pragma once
// The table that shows the programme grid: editors open as soon as an
// editable cell becomes current or is clicked, clicks on the line number and
// picture columns ask for the line's test, and while a test runs other clicks
// are ignored. Japanese input on a cell without an open editor opens the
// editor and hands it the whole composition.
#include "editor/ProgramGrid.h"

#include <QTableView>

namespace vexa::gui {

class ProgramGridModel;

class ProgramTableView : public QTableView {
    Q_OBJECT

public:
    ProgramTableView(ProgramGrid& grid, ProgramGridModel& model, QWidget* parent = nullptr);

    void setTestRunning(bool running) { testRunning_ = running; }
    bool testRunning() const { return testRunning_; }

    // Commits and closes the editor of the current cell, if one is open.
    void finishEditing();
    // Makes (row, col) of the grid current (none for a header row) and, when
    // asked and the cell is editable, opens its editor.
    void placeCursor(const CursorMove& move);
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // Columns at least their set widths and wide enough for their header, the
    // longest name of their list (with the list's arrow: for the voice
    // columns every registered name) and a full 12-character 8.3 name, in the
    // current font.
    void fitColumns();
    // The widest text a column shows, as fitColumns measures it.
    QString widestText(int col) const;
    QWidget* currentEditor() const;

signals:
    // Grid coordinates; a header row or no cell is reported as (0, 0).
    void currentCellChanged(int row, int col);
    void lineTestClicked(int row);
    void clickState(vexa::CommandState state);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void moveBy(int rows, int columns);

    ProgramGrid& grid_;
    ProgramGridModel& model_;
    bool testRunning_ = false;
};

}  // namespace vexa::gui
