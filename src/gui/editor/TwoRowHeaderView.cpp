#include "gui/editor/TwoRowHeaderView.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace vexa::gui {

TwoRowHeaderView::TwoRowHeaderView(int topRole, int rowHeight, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), topRole_(topRole), rowHeight_(rowHeight) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setDefaultAlignment(Qt::AlignCenter);
}

QSize TwoRowHeaderView::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(2 * rowHeight_);
    return size;
}

QString TwoRowHeaderView::topText(int logical) const {
    return model() ? model()->headerData(logical, Qt::Horizontal, topRole_).toString() : QString();
}

std::pair<int, int> TwoRowHeaderView::groupOf(int logical) const {
    const QString text = topText(logical);
    int first = logical;
    int last = logical;
    while (first > 0 && !isSectionHidden(first - 1) && topText(first - 1) == text)
        --first;
    while (last + 1 < count() && !isSectionHidden(last + 1) && topText(last + 1) == text)
        ++last;
    return {first, last};
}

void TwoRowHeaderView::paintCell(QPainter* painter, const QRect& rect, int logical, const QString& text) const {
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = logical;
    // A caption wider than its cell is left out rather than cut.
    opt.text = fontMetrics().horizontalAdvance(text) + 4 <= rect.width() ? text : QString();
    opt.textAlignment = Qt::AlignCenter;
    opt.position = QStyleOptionHeader::Middle;
    opt.state |= QStyle::State_Enabled;
    painter->save();
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
    painter->restore();
}

void TwoRowHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const int half = rect.height() / 2;
    // Upper row: the whole group's cell, so that its caption is centred over
    // all its columns (every section of the group paints the same cell).
    const auto [first, last] = groupOf(logicalIndex);
    const int left = sectionViewportPosition(first);
    const int right = sectionViewportPosition(last) + sectionSize(last);
    paintCell(painter, QRect(left, rect.top(), right - left, half), logicalIndex, topText(logicalIndex));
    // Lower row: the column's own caption.
    const QString bottom = model() ? model()->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString()
                                   : QString();
    paintCell(painter, QRect(rect.left(), rect.top() + half, rect.width(), rect.height() - half), logicalIndex,
              bottom);
}

}  // namespace vexa::gui
