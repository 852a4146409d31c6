#pragma once
// Editors and painting of the programme grid's cells: a list of names for
// the choice and voice columns (the cell stores the item's value), a line
// edit of at most 5 characters for the LED and BUZZER times, pictures centred
// in columns 1, 13 and 16. Keys in an editor behave as in a grid: Enter
// commits and moves down, Up/Down leave a line edit, Left/Right leave a list.
#include "core/editor/ProgramGrid.h"

#include <QStyledItemDelegate>

namespace vexa::gui {

class ProgramGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit ProgramGridDelegate(ProgramGrid& grid, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    // The editor was committed and closed by a key that moves the cursor.
    void moveRequested(int rows, int columns);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void commitAndMove(QWidget* editor, int rows, int columns);

    ProgramGrid& grid_;
};

}  // namespace vexa::gui
