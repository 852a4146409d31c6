#pragma once
// The table that shows the programme grid: editors open as soon as an
// editable cell becomes current or is clicked, clicks on the line number and
// picture columns ask for the line's test, and while a test runs other clicks
// are ignored. Japanese input on a cell without an open editor opens the
// editor and hands it the whole composition. The line number and the voice
// picture stay at the left edge while the other columns scroll sideways.
#include "core/editor/ProgramGrid.h"

#include <QTableView>

namespace vexa::gui {

class FrozenColumnsView;
class ProgramGridModel;

class ProgramTableView : public QTableView {
    Q_OBJECT

public:
    // Columns 0 (No.) and 1 (the voice picture) do not scroll sideways.
    static constexpr int kFrozenColumns = gridcol::kSoundPicture + 1;

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
    // The view of the frozen columns, laid over the left edge.
    FrozenColumnsView* frozenColumns() const { return frozen_; }

    // A cell of a scrolling column is brought out from under the frozen
    // ones; a frozen cell only scrolls the lines.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    // Grid coordinates; a header row or no cell is reported as (0, 0).
    void currentCellChanged(int row, int col);
    void lineTestClicked(int row);
    void clickState(vexa::CommandState state);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void updateGeometries() override;

private:
    void moveBy(int rows, int columns);
    // What a left press on `index` does before the view's own handling
    // (ignored while a test runs, a line test, a command state).
    GridClick pressLine(const QModelIndex& index, const QMouseEvent& event);
    void onFrozenPressed(const QModelIndex& index, QMouseEvent* event);

    ProgramGrid& grid_;
    ProgramGridModel& model_;
    bool testRunning_ = false;
    FrozenColumnsView* frozen_ = nullptr;
};

}  // namespace vexa::gui
