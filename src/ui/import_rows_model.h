#pragma once

#include "export/csv_import.h"

#include <QAbstractTableModel>

#include <vector>

// The rows of a fixture import as a table: the cells, what each column holds in its heading,
// and each row's state (a mark for imported and failed rows, its last message as the hint).
namespace kv {

class TImportRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TImportRowsModel(std::vector<TImportRow>& rows, std::vector<int>& kinds, bool conferences,
                     QObject* parent = nullptr);

    // After the rows' states or the kinds changed.
    void Refresh();
    // Around a change of the rows themselves (another file, or the heading row left out).
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<TImportRow>& rows_;
    std::vector<int>& kinds_;
    bool conferences_ = false;
};

} // namespace kv
