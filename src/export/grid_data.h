#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <limits>

namespace kv {

enum class TCellAlign { Left, Center, Right };

// A list grid as the exports see it: captions, alignment per column and the rows' texts in
// the grid's current order.
struct TGridData {
    QStringList Captions;
    QList<TCellAlign> Alignments;
    QList<QStringList> Rows;
    QList<int> ColumnIds; // what each column shows, when the grid knows it (fixture columns)
    // Per row and column, the number behind a cell that shows one, NaN elsewhere; empty when
    // the grid does not know. Spreadsheets store these as numbers, so they sort and sum.
    QList<QList<double>> Values;
    QList<bool> DateColumns; // columns whose values are day counts (dates)

    int ColumnCount() const { return static_cast<int>(Captions.size()); }
    QString Cell(int row, int column) const {
        const QStringList& r = Rows.at(row);
        return column < r.size() ? r.at(column) : QString();
    }
    // NaN when the cell holds no number (or the grid does not know).
    double Value(int row, int column) const {
        if (row >= Values.size() || column >= Values.at(row).size())
            return std::numeric_limits<double>::quiet_NaN();
        return Values.at(row).at(column);
    }
    bool IsDateColumn(int column) const {
        return column < DateColumns.size() && DateColumns.at(column);
    }
};

} // namespace kv
