#pragma once
// The programme grid's lines as a Qt table model over ProgramGrid: model row
// i is grid row i + 2 (the two header rows are drawn by the header view). Shows
// the choice names, the colours and the state pictures the grid decides, and
// hands edits to the grid's after-edit rules.
#include "core/editor/ProgramGrid.h"

#include <QAbstractTableModel>

namespace vexa::gui {

class ProgramGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Role {
        PictureRole = Qt::UserRole + 1,  // StatePicture as int (data)
        TopHeaderRole,                   // header row 0 text (headerData)
    };

    explicit ProgramGridModel(ProgramGrid& grid, QObject* parent = nullptr);

    static int gridRow(const QModelIndex& index) { return index.row() + kGridHeaderRows; }
    QModelIndex cell(int gridRow, int col) const { return index(gridRow - kGridHeaderRows, col); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The grid was set up again: rows and every cell may differ.
    void reload();
    // Cells changed in place.
    void refreshAll();
    void refreshRow(int gridRow);

private:
    ProgramGrid& grid_;
};

}  // namespace vexa::gui
