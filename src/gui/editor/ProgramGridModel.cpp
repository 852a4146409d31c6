#include "gui/editor/ProgramGridModel.h"

#include <QBrush>
#include <QColor>
#include <QSize>

namespace vexa::gui {
namespace {

QColor shadeColour(CellShade shade) {
    switch (shade) {
    case CellShade::Grey: return {230, 230, 230};
    case CellShade::Pink: return {255, 230, 255};
    case CellShade::Playing: return {210, 225, 240};
    case CellShade::Header:
    case CellShade::White: break;
    }
    return Qt::white;
}

QString qt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ProgramGridModel::ProgramGridModel(ProgramGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

int ProgramGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.rowCount() - kGridHeaderRows;
}

int ProgramGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : gridcol::kCount; }

QVariant ProgramGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = gridRow(index);
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole: return qt(grid_.displayText(row, col));
    case Qt::EditRole: return qt(grid_.text(row, col));
    case Qt::BackgroundRole: return QBrush(shadeColour(grid_.shade(row, col)));
    case Qt::ForegroundRole: return QBrush(Qt::black);
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case PictureRole: return static_cast<int>(grid_.picture(row, col));
    default: return {};
    }
}

QVariant ProgramGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= gridcol::kCount)
        return {};
    const GridColumn& column = gridColumn(section);
    switch (role) {
    case Qt::DisplayRole: return qt(std::string(column.bottom));
    case TopHeaderRole: return qt(std::string(column.top));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::SizeHintRole: return QSize(twipsToPixels(column.widthTwips), twipsToPixels(2 * kGridHeaderRowTwips));
    default: return {};
    }
}

Qt::ItemFlags ProgramGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_.isEditable(gridRow(index), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ProgramGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !grid_.isEditable(gridRow(index), index.column()))
        return false;
    grid_.commitEdit(gridRow(index), index.column(), value.toString().toStdString());
    // Packing and TIME change other cells of the line.
    refreshRow(gridRow(index));
    return true;
}

void ProgramGridModel::reload() {
    beginResetModel();
    endResetModel();
}

void ProgramGridModel::refreshAll() {
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, gridcol::kCount - 1));
}

void ProgramGridModel::refreshRow(int gridRow) {
    const int row = gridRow - kGridHeaderRows;
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, gridcol::kCount - 1));
}

}  // namespace vexa::gui
