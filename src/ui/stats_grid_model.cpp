#include "ui/stats_grid_model.h"

namespace kv {

void TStatsGridModel::SetGrid(const TStatsGrid& grid) {
    beginResetModel();
    grid_ = grid;
    endResetModel();
}

QString TStatsGridModel::RowsText(const std::vector<int>& rows) const {
    QStringList lines{grid_.Data.Captions.join(QLatin1Char('\t'))};
    for (const int r : rows)
        if (r >= 0 && r < grid_.RowCount())
            lines << grid_.Data.Rows.at(r).join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

int TStatsGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.RowCount();
}

int TStatsGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.Data.ColumnCount();
}

QVariant TStatsGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return grid_.Data.Cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const TCellAlign a = grid_.Data.Alignments.value(index.column(), TCellAlign::Left);
        const Qt::Alignment h = a == TCellAlign::Right    ? Qt::AlignRight
                                : a == TCellAlign::Center ? Qt::AlignHCenter
                                                          : Qt::AlignLeft;
        return QVariant::fromValue(h | Qt::AlignVCenter);
    }
    return {};
}

QVariant TStatsGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return grid_.Data.Captions.value(section);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return section == 0 ? QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter) : QVariant::fromValue(Qt::AlignCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace kv
