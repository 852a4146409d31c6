#pragma once
// The left columns of a table held in place while the rest scroll sideways,
// as a spreadsheet freezes them: a second view laid over the table's left
// edge, showing only those columns of the same model, with the same
// selection, the same header kind and the same vertical scroll. It takes no
// focus; presses on it are handed to the table through pressed().
#include <QTableView>

namespace vexa::gui {

class FrozenColumnsView : public QTableView {
    Q_OBJECT

public:
    // Freezes columns 0 … `columns` - 1 of `table` (which owns this view).
    // `header` becomes this view's horizontal header.
    FrozenColumnsView(QTableView& table, int columns, QHeaderView* header);

    int frozenColumns() const { return columns_; }
    // The width the frozen columns cover on the table.
    int frozenWidth() const;
    // Columns, widths, row height and place again from the table (after its
    // model was reset or its columns resized).
    void follow();

signals:
    void pressed(const QModelIndex& index, QMouseEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void place();

    QTableView& table_;
    int columns_;
};

}  // namespace vexa::gui
