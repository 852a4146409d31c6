#include "gui/editor/ProgramTableView.h"

#include "gui/editor/FrozenColumnsView.h"
#include "gui/editor/ProgramGridDelegate.h"
#include "gui/editor/ProgramGridModel.h"
#include "gui/editor/TwoRowHeaderView.h"

#include <QApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>

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
    // By pixel, so that a column comes out from under the frozen ones exactly.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    frozen_ = new FrozenColumnsView(
        *this, kFrozenColumns, new TwoRowHeaderView(ProgramGridModel::TopHeaderRole, kHeaderRowPixels));
    frozen_->setItemDelegate(new ProgramGridDelegate(grid_, frozen_));  // paints the pictures
    connect(frozen_, &FrozenColumnsView::pressed, this, &ProgramTableView::onFrozenPressed);
    // The grid's context menu, wherever it is asked for.
    frozen_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(frozen_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QPoint global = frozen_->viewport()->mapToGlobal(at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, viewport()->mapFromGlobal(global), global);
        QApplication::sendEvent(viewport(), &event);
    });
    fitColumns();
}

QString ProgramTableView::widestText(int col) const {
    const QFontMetrics metrics = fontMetrics();
    QStringList texts{QString::fromUtf8(gridColumn(col).bottom)};
    switch (gridColumn(col).kind) {
    case ColumnKind::Voice:
        texts << QStringLiteral("ABCDEFGH.WAV");  // a full 8.3 name; registered names below
        [[fallthrough]];
    case ColumnKind::Choice: {
        const ChoiceList list = grid_.choices(col);
        for (const ChoiceItem& item : list.items())
            texts << QString::fromStdString(item.name);
        break;
    }
    case ColumnKind::LineNumber: texts << QStringLiteral("000"); break;
    case ColumnKind::LineTime: texts << QStringLiteral("0000.0"); break;
    case ColumnKind::OutputTime: texts << QStringLiteral("300.0"); break;
    case ColumnKind::Picture: break;
    }
    return *std::max_element(texts.begin(), texts.end(), [&metrics](const QString& a, const QString& b) {
        return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
    });
}

void ProgramTableView::fitColumns() {
    const QFontMetrics metrics = fontMetrics();
    for (int c = 0; c < gridcol::kCount; ++c) {
        const int text = metrics.horizontalAdvance(widestText(c));
        const ColumnKind kind = gridColumn(c).kind;
        int needed = text == 0 ? 0 : text + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 6;
        if (kind == ColumnKind::Choice || kind == ColumnKind::Voice) {  // room for the list's arrow
            QStyleOptionComboBox option;
            option.initFrom(this);
            option.frame = false;
            needed = std::max(needed,
                              style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                                        QSize(text, metrics.height()), this).width() + 2);
        }
        horizontalHeader()->resizeSection(c, std::max(twipsToPixels(gridColumn(c).widthTwips), needed));
    }
    frozen_->follow();  // a reset model showed every column again
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

GridClick ProgramTableView::pressLine(const QModelIndex& index, const QMouseEvent& event) {
    if (!index.isValid() || event.button() != Qt::LeftButton)
        return {};
    const int row = ProgramGridModel::gridRow(index);
    const GridClick click = grid_.click(row, index.column(), testRunning_);
    if (click.ignored)
        return click;
    if (click.lineTest)
        emit lineTestClicked(row);
    if (click.state)
        emit clickState(*click.state);
    return click;
}

void ProgramTableView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const GridClick click = pressLine(index, *event);
    if (click.ignored) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    // A click on the current cell whose editor was closed opens it again.
    if (click.edit && currentIndex() == index && !isEditing())
        edit(index);
}

void ProgramTableView::onFrozenPressed(const QModelIndex& index, QMouseEvent* event) {
    // The frozen columns hold no editor: a press tests the line or places the cursor.
    if (pressLine(index, *event).ignored)
        return;
    setFocus(Qt::MouseFocusReason);
    if (index.isValid())
        setCurrentIndex(index);
}

void ProgramTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QScrollBar* across = horizontalScrollBar();
    const int before = across->value();
    QTableView::scrollTo(index, hint);
    if (!index.isValid())
        return;
    if (index.column() < kFrozenColumns) {
        across->setValue(before);
        return;
    }
    const int hidden = frozen_->frozenWidth() - visualRect(index).left();
    if (hidden > 0)
        across->setValue(across->value() - hidden);
}

void ProgramTableView::updateGeometries() {
    QTableView::updateGeometries();
    if (frozen_)
        frozen_->follow();
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
