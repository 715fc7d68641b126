#pragma once

#include "export/csv_reader.h"

#include <QAbstractTableModel>

// The records of a delimited text file as a table, for the import options' preview: one row a
// record, as many columns as the widest record has, at most `limit` rows when one is set.
namespace kv {

class TCsvRecordsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TCsvRecordsModel(QObject* parent = nullptr);

    void SetRecords(TCsvRecords records, int limit);
    const TCsvRecords& Records() const { return records_; }
    // The widest record's field count.
    int Columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TCsvRecords records_;
    int limit_ = -1;
    int columns_ = 0;
};

// The widest record's field count.
int WidestRecord(const TCsvRecords& records);

} // namespace kv
