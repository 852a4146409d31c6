#include "editor/ProgramTableView.h"

#include "editor/ProgramGridDelegate.h"
#include "editor/ProgramGridModel.h"
#include "editor/TwoRowHeaderView.h"

#include <QApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QMouseEvent>

#include <algorithm>

namespace vexa::gui {
namespace {

constexpr int kHeaderRowPixels = twipsToPixels(kGridHeaderRowTwips);
constexpr int kLineRowPixels = 22;  // room for a list editor

}  // namespace

ProgramTableView::ProgramTableView(ProgramGrid& grid, ProgramGridModel& model, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(model) {
    setHorizontalHeader(new TwoRowHeaderView(ProgramGridModel::TopHeaderRole, kHeaderRowPixels, this));
    setModel(&model_);
    auto* delegate = new ProgramGridDelegate(grid_, this);
    setItemDelegate(delegate);
    connect(delegate, &ProgramGridDelegate::moveRequested, this, &ProgramTableView::moveBy);

    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // CurrentChanged opens the editor on entering an editable cell; typing
    // (AnyKeyPressed, which also lets input-method events start an edit),
    // F2 and a double click open it on the current cell.
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kLineRowPixels);
    for (int c = 0; c < gridcol::kCount; ++c)
        horizontalHeader()->resizeSection(c, twipsToPixels(gridColumn(c).widthTwips));
}

QWidget* ProgramTableView::currentEditor() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? indexWidget(current) : nullptr;
}

void ProgramTableView::finishEditing() {
    if (QWidget* editor = currentEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ProgramTableView::placeCursor(const CursorMove& move) {
    const QModelIndex target = model_.cell(move.row, move.col);
    if (!target.isValid()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
        return;
    }
    setFocus();
    if (target != currentIndex())
        setCurrentIndex(target);  // opens the editor of an editable cell
    scrollTo(target);
    if (move.openEditor && !isEditing() && (model_.flags(target) & Qt::ItemIsEditable))
        edit(target);
}

void ProgramTableView::moveBy(int rows, int columns) {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    const int row = std::clamp(current.row() + rows, 0, model_.rowCount() - 1);
    const int col = std::clamp(current.column() + columns, 0, gridcol::kCount - 1);
    setFocus();
    setCurrentIndex(model_.index(row, col));
}

void ProgramTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        emit currentCellChanged(ProgramGridModel::gridRow(current), current.column());
    else
        emit currentCellChanged(0, 0);
}

void ProgramTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || event->button() != Qt::LeftButton) {
        QTableView::mousePressEvent(event);
        return;
    }
    const int row = ProgramGridModel::gridRow(index);
    const GridClick click = grid_.click(row, index.column(), testRunning_);
    if (click.ignored) {
        event->accept();
        return;
    }
    if (click.lineTest)
        emit lineTestClicked(row);
    if (click.state)
        emit clickState(*click.state);
    QTableView::mousePressEvent(event);
    // A click on the current cell whose editor was closed opens it again.
    if (click.edit && currentIndex() == index && !isEditing())
        edit(index);
}

void ProgramTableView::inputMethodEvent(QInputMethodEvent* event) {
    const bool composing = !event->preeditString().isEmpty() || !event->commitString().isEmpty();
    const QModelIndex current = currentIndex();
    if (composing && current.isValid() && !isEditing() && (model_.flags(current) & Qt::ItemIsEditable))
        edit(current);  // opens without the event: it is handed over below, once
    if (QWidget* editor = currentEditor()) {
        QWidget* receiver = editor->focusProxy() ? editor->focusProxy() : editor;
        receiver->setFocus();
        QApplication::sendEvent(receiver, event);
        return;
    }
    QTableView::inputMethodEvent(event);
}

}  // namespace vexa::gui
