#pragma once

#include "export/stats_grids.h"

#include <QAbstractTableModel>

class QTableView;

// A statistics grid for a table view: the texts, alignment and captions of the grid as built.
namespace kv {

class TStatsGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TStatsGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void SetGrid(const TStatsGrid& grid);
    const TStatsGrid& Grid() const { return grid_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TStatsGrid grid_;
};

// The grid's own column widths, wider where a caption or a text would not fit.
void ApplyGridWidths(QTableView& view, const TStatsGrid& grid);

} // namespace kv
