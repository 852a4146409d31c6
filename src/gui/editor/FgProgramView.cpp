#include "gui/editor/FgProgramView.h"

#include "gui/editor/ProgramGridModel.h"
#include "gui/editor/ProgramTableView.h"

#include <QAbstractItemDelegate>
#include <QItemSelectionModel>
#include <QVBoxLayout>

namespace vexa::gui {

FgProgramView::FgProgramView(Document& document, std::filesystem::path elementFile, UserDialogs& dialogs,
                             QWidget* parent, WaveLengthFunction measure)
    : QWidget(parent), grid_(document, std::move(elementFile), std::move(measure)), dialogs_(dialogs) {
    setObjectName("FgProgram");
    model_ = new ProgramGridModel(grid_, this);
    table_ = new ProgramTableView(grid_, *model_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    setFocusProxy(table_);

    connect(table_, &ProgramTableView::currentCellChanged, this, &FgProgramView::onCurrentCellChanged);
    connect(table_, &ProgramTableView::lineTestClicked, this, &FgProgramView::lineTestClicked);
    connect(table_, &ProgramTableView::clickState, this, &FgProgramView::commandStateRequested);
}

FgProgramView::~FgProgramView() {
    // The table and an open editor go first, while the grid still exists, and
    // without committing: an editor losing the focus as it is destroyed would
    // otherwise write into a grid (and a Project) already gone.
    if (QAbstractItemDelegate* delegate = table_->itemDelegate())
        delegate->blockSignals(true);
    delete table_;
}

void FgProgramView::setupGrid(int lineCount) {
    grid_.setup(lineCount);
    model_->reload();
    table_->fitColumns();  // the element lists were read again
}

void FgProgramView::showSheet() { model_->refreshAll(); }

void FgProgramView::rebuildVoiceLists() {
    model_->refreshAll();
    table_->fitColumns();
}

void FgProgramView::RefreshVoiceCell() {
    table_->finishEditing();
    grid_.RefreshVoiceCell();
    model_->refreshAll();
}

bool FgProgramView::checkSheet() {
    table_->finishEditing();
    const CheckResult refusal = grid_.checkSheet();
    if (!refusal)
        return true;
    ShowRefusal(dialogs_, *refusal);
    table_->placeCursor({refusal->row, refusal->col, true});
    return false;
}

void FgProgramView::endEdit() {
    // Moving the current cell commits and closes an open editor.
    table_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
}

void FgProgramView::editCellAt(int row, int col) { table_->placeCursor({row, col, true}); }

int FgProgramView::cursorRow() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? ProgramGridModel::gridRow(current) : 0;
}

int FgProgramView::cursorColumn() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? current.column() : 0;
}

void FgProgramView::setTestRunning(bool running) { table_->setTestRunning(running); }

void FgProgramView::setPicture(int row, int col, StatePicture picture) {
    grid_.setPicture(row, col, picture);
    const QModelIndex cell = model_->cell(row, col);
    if (cell.isValid())
        emit model_->dataChanged(cell, cell);
}

void FgProgramView::setPlaying(int row, bool playing) {
    if (playing)
        grid_.setPlayingRow(row);
    else if (grid_.playingRow() == row)
        grid_.setPlayingRow(0);
    model_->refreshRow(row);
}

void FgProgramView::scrollToTopRow(int row) {
    const QModelIndex cell = model_->cell(row, 0);
    if (cell.isValid())
        table_->scrollTo(cell, QAbstractItemView::PositionAtTop);
}

void FgProgramView::runLineCommand(int index) {
    table_->finishEditing();
    apply(grid_.runLineCommand(index, cursorRow(), cursorColumn(), dialogs_));
}

void FgProgramView::apply(const GridCommandResult& result) {
    if (result.gridReset)
        model_->reload();
    else
        model_->refreshAll();
    if (result.refusal)
        ShowRefusal(dialogs_, *result.refusal);
    if (result.state)
        emit commandStateRequested(*result.state);
    if (result.cursor)
        table_->placeCursor(*result.cursor);
}

void FgProgramView::onCurrentCellChanged(int row, int col) {
    if (const auto state = grid_.stateForCell(row, col, table_->testRunning()))
        emit commandStateRequested(*state);
}

}  // namespace vexa::gui
