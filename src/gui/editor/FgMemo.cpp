#include "gui/editor/FgMemo.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <array>

namespace vexa::gui {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kWidthsTwips[4] = {1530, 4630, 1530, 4900};
constexpr int kRowHeightTwips = 300;
constexpr char16_t kFullWidthSample = u'\u3042';  // a full-width character, as wide as any other

QTableWidgetItem* labelItem(const char* text) {
    auto* item = new QTableWidgetItem(QString::fromUtf8(text));
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(QColor(0xE0, 0xE0, 0xE0));
    return item;
}

// The Name or the Memo; its tooltip is always its whole text.
class TextItem : public QTableWidgetItem {
public:
    QVariant data(int role) const override {
        return role == Qt::ToolTipRole ? QTableWidgetItem::data(Qt::DisplayRole) : QTableWidgetItem::data(role);
    }
};

QTableWidgetItem* textItem() {
    auto* item = new TextItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    item->setBackground(Qt::white);
    return item;
}

}  // namespace

FgMemo::FgMemo(QWidget* parent) : QTableWidget(1, 4, parent) {
    setObjectName("FgMemo");
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Any key (Japanese input included) starts an edit in the Name and Memo cells.
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setAttribute(Qt::WA_InputMethodEnabled, true);
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int, int) { onCurrentCellChanged(row, column); });
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* changed) {
        if (!settingTexts_ && (changed->column() == kNameColumn || changed->column() == kMemoColumn))
            emit edited(changed->column());
    });
    resetMemo();
}

void FgMemo::resetMemo() {
    settingTexts_ = true;
    clearContents();
    setItem(0, 0, labelItem("名称"));
    setItem(0, kNameColumn, textItem());
    setItem(0, 2, labelItem("メモ"));
    setItem(0, kMemoColumn, textItem());
    setRowHeight(0, kRowHeightTwips / kTwipsPerPixel + 4);
    setFixedHeight(rowHeight(0) + 2 * frameWidth());
    fitColumns();
    updateGeometry();
    settingTexts_ = false;
}

int FgMemo::cellWidthFor(int fullWidth) const {
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return fontMetrics().horizontalAdvance(QString(fullWidth, QChar(kFullWidthSample))) + 2 * margin + 6;
}

QSize FgMemo::sizeHint() const {
    const int width = kWidthsTwips[0] / kTwipsPerPixel + std::max(kWidthsTwips[1] / kTwipsPerPixel,
                                                                  cellWidthFor(kNameFullWidth)) +
                      kWidthsTwips[2] / kTwipsPerPixel +
                      std::max(kWidthsTwips[3] / kTwipsPerPixel, cellWidthFor(kMemoFullWidth));
    return {width + 2 * frameWidth(), height()};
}

QSize FgMemo::minimumSizeHint() const {
    int width = 0;
    for (int twips : kWidthsTwips)
        width += twips / kTwipsPerPixel;
    return {width + 2 * frameWidth(), height()};
}

void FgMemo::fitColumns() {
    std::array<int, 4> widths{};
    for (std::size_t c = 0; c < widths.size(); ++c)
        widths[c] = kWidthsTwips[c] / kTwipsPerPixel;
    widths[kNameColumn] = std::max(widths[kNameColumn], cellWidthFor(kNameFullWidth));
    widths[kMemoColumn] = std::max(widths[kMemoColumn], cellWidthFor(kMemoFullWidth));
    // Too little room: the labels shrink to their captions, then the Memo to
    // its set width, then the Name.
    int excess = widths[0] + widths[1] + widths[2] + widths[3] - (width() - 2 * frameWidth());
    const int labelLeast = fontMetrics().horizontalAdvance(QStringLiteral("名称")) + 16;
    for (int c : {0, 2}) {
        const int give = std::clamp(excess, 0, widths[c] - labelLeast);
        widths[c] -= give;
        excess -= give;
    }
    for (int c : {kMemoColumn, kNameColumn}) {
        const int give = std::clamp(excess, 0, widths[c] - kWidthsTwips[c] / kTwipsPerPixel);
        widths[c] -= give;
        excess -= give;
    }
    for (int c = 0; c < 4; ++c)
        setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
}

void FgMemo::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    fitColumns();
}


QString FgMemo::name() const { return item(0, kNameColumn)->text(); }
QString FgMemo::memo() const { return item(0, kMemoColumn)->text(); }

void FgMemo::setTexts(const QString& nameText, const QString& memoText) {
    settingTexts_ = true;
    item(0, kNameColumn)->setText(nameText);
    item(0, kMemoColumn)->setText(memoText);
    settingTexts_ = false;
}

void FgMemo::editCell(int column) {
    setFocus();
    if (currentRow() != 0 || currentColumn() != column)
        setCurrentCell(0, column);  // entering the cell opens its editor
    if (!isEditing())
        edit(currentIndex());
}

void FgMemo::endEdit() {
    // Leaving the cell commits what its editor holds.
    if (isEditing())
        setCurrentIndex(QModelIndex());
}

void FgMemo::onCurrentCellChanged(int row, int column) {
    // The labels pass the cursor on to the editable cell beside them.
    if (row == 0 && (column == 0 || column == 2))
        QTimer::singleShot(0, this, [this, column] { editCell(column + 1); });
}

void FgMemo::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() &&
        (index.column() == kNameColumn || index.column() == kMemoColumn)) {
        editCell(index.column());
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void FgMemo::tab(bool forward) {
    const int column = currentColumn();
    if (forward) {
        if (column == kNameColumn)
            editCell(kMemoColumn);
        else
            emit leftForward();
    } else {
        if (column == kMemoColumn)
            editCell(kNameColumn);
        else
            emit leftBackward();
    }
}

void FgMemo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        tab(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool FgMemo::focusNextPrevChild(bool next) {
    tab(next);
    return true;
}

void FgMemo::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Tab and Shift+Tab inside an editor follow the grid's own order.
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        tab(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    QTableWidget::closeEditor(editor, hint);
}

}  // namespace vexa::gui
