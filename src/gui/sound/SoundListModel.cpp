#include "gui/sound/SoundListModel.h"

#include <QColor>

namespace vexa::gui {

SoundListModel::SoundListModel(SoundList& list, QObject* parent) : QAbstractTableModel(parent), list_(list) {}

int SoundListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kSoundRows; }

int SoundListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kShownColumns; }

QVariant SoundListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = listRow(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(list_.cell(row, index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == soundcol::kComment ? Qt::AlignLeft | Qt::AlignVCenter
                                                                         : Qt::AlignCenter);
    case Qt::BackgroundRole:
        return row == list_.highlightedRow() ? QColor(210, 225, 240) : QColor(Qt::white);
    default:
        return {};
    }
}

QVariant SoundListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(list_.cell(0, section));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags SoundListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == soundcol::kComment && listRow(index) <= list_.count())
        f |= Qt::ItemIsEditable;
    return f;
}

bool SoundListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() != soundcol::kComment)
        return false;
    list_.setComment(listRow(index), value.toString().toStdString());
    emit dataChanged(index, index);
    return true;
}

void SoundListModel::refresh() {
    emit dataChanged(index(0, 0), index(kSoundRows - 1, kShownColumns - 1));
}

}  // namespace vexa::gui
