#include "gui/editor/FrozenColumnsView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace vexa::gui {

FrozenColumnsView::FrozenColumnsView(QTableView& table, int columns, QHeaderView* header)
    : QTableView(&table), table_(table), columns_(columns) {
    setObjectName("FrozenColumns");
    setHorizontalHeader(header);
    setModel(table.model());
    setSelectionModel(table.selectionModel());
    setSelectionMode(table.selectionMode());
    setSelectionBehavior(table.selectionBehavior());
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(table.wordWrap());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(table.verticalScrollMode());
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setFrameShape(QFrame::NoFrame);
    table.viewport()->stackUnder(this);

    // One vertical position for both.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, table.verticalScrollBar(), &QScrollBar::setValue);
    connect(table.verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(table.horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        if (logical < columns_) {
            horizontalHeader()->resizeSection(logical, size);
            place();
        }
    });
    connect(table.verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { verticalHeader()->resizeSection(logical, size); });
    connect(table.horizontalHeader(), &QHeaderView::geometriesChanged, this, &FrozenColumnsView::place);
    follow();
    show();
}

int FrozenColumnsView::frozenWidth() const {
    int width = 0;
    for (int c = 0; c < columns_; ++c)
        width += table_.columnWidth(c);
    return width;
}

void FrozenColumnsView::follow() {
    const int count = model() ? model()->columnCount() : 0;
    for (int c = 0; c < count; ++c) {
        setColumnHidden(c, c >= columns_);
        if (c < columns_)
            horizontalHeader()->resizeSection(c, table_.columnWidth(c));
    }
    verticalHeader()->setDefaultSectionSize(table_.verticalHeader()->defaultSectionSize());
    horizontalHeader()->setFixedHeight(table_.horizontalHeader()->height());
    place();
}

void FrozenColumnsView::place() {
    const int frame = table_.frameWidth();
    const int header = table_.horizontalHeader()->isVisible() ? table_.horizontalHeader()->height() : 0;
    horizontalHeader()->setFixedHeight(header);
    setGeometry(frame + table_.verticalHeader()->width(), frame, frozenWidth(),
                table_.viewport()->height() + header);
    verticalScrollBar()->setValue(table_.verticalScrollBar()->value());
}

void FrozenColumnsView::mousePressEvent(QMouseEvent* event) {
    emit pressed(indexAt(event->position().toPoint()), event);
    event->accept();
}

void FrozenColumnsView::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void FrozenColumnsView::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

}  // namespace vexa::gui
