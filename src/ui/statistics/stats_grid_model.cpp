#include "ui/statistics/stats_grid_model.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTableView>

#include <algorithm>

namespace kv {

void TStatsGridModel::SetGrid(const TStatsGrid& grid) {
    beginResetModel();
    grid_ = grid;
    endResetModel();
}

int TStatsGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.RowCount();
}

int TStatsGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.Data.ColumnCount();
}

QVariant TStatsGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return grid_.Data.Cell(index.row(), index.column());
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
        return section == 0 ? QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter)
                            : QVariant::fromValue(Qt::AlignCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ApplyGridWidths(QTableView& view, const TStatsGrid& grid) {
    const QFontMetrics fm(view.font());
    QHeaderView* header = view.horizontalHeader();
    for (int c = 0; c < grid.Widths.size(); ++c) {
        // The heading as the style draws it, with room for the sort arrow, which any column can
        // come to carry.
        QStyleOptionHeader option;
        option.initFrom(header);
        option.text = grid.Data.Captions.at(c);
        option.section = c;
        option.sortIndicator = QStyleOptionHeader::SortDown;
        const int heading =
            header->style()
                ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header)
                .width();
        int width = std::max(grid.Widths.at(c), heading);
        // Names are measured one by one; numbers by the longest of them, which is quicker on
        // a grid of hundreds of matchdays.
        if (c == 0) {
            for (int r = 0; r < grid.RowCount(); ++r)
                width = std::max(width, fm.horizontalAdvance(grid.Data.Cell(r, c)) + 10);
        } else {
            QString longest;
            for (int r = 0; r < grid.RowCount(); ++r)
                if (const QString text = grid.Data.Cell(r, c); text.size() > longest.size())
                    longest = text;
            width = std::max(width, fm.horizontalAdvance(longest) + 10);
        }
        view.setColumnWidth(c, width);
    }
}

} // namespace kv
