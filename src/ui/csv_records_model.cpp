#include "ui/csv_records_model.h"

#include <algorithm>

namespace kv {

int WidestRecord(const TCsvRecords& records) {
    qsizetype widest = 0;
    for (const QStringList& r : records)
        widest = std::max(widest, r.size());
    return static_cast<int>(widest);
}

TCsvRecordsModel::TCsvRecordsModel(QObject* parent) : QAbstractTableModel(parent) {}

void TCsvRecordsModel::SetRecords(TCsvRecords records, int limit) {
    beginResetModel();
    records_ = std::move(records);
    limit_ = limit;
    columns_ = WidestRecord(records_);
    endResetModel();
}

int TCsvRecordsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    const int rows = static_cast<int>(records_.size());
    return limit_ >= 0 ? std::min(rows, limit_) : rows;
}

int TCsvRecordsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant TCsvRecordsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const QStringList& r = records_.at(index.row());
    return index.column() < r.size() ? r.at(index.column()) : QString();
}

QVariant TCsvRecordsModel::headerData(int section, Qt::Orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    return section + 1;
}

} // namespace kv
