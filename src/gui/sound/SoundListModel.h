#pragma once
// The sound list FgWave as a table model over the window's SoundList: 255
// numbered rows, the eight shown columns, the highlighted row, and the
// comment column as the only editable one.
#include "core/sound/SoundList.h"

#include <QAbstractTableModel>

namespace vexa::gui {

class SoundListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kShownColumns = soundcol::kPath;  // "No." … "BYTES"

    explicit SoundListModel(SoundList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Shows the list again after it changed.
    void refresh();

    static int listRow(const QModelIndex& index) { return index.row() + 1; }

private:
    SoundList& list_;
};

}  // namespace vexa::gui
