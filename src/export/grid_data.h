#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

enum class TCellAlign { Left, Center, Right };

// A list grid as the exports see it: captions, alignment per column and the rows' texts in
// the grid's current order.
struct TGridData {
    QStringList Captions;
    QList<TCellAlign> Alignments;
    QList<QStringList> Rows;
    QList<int> ColumnIds; // what each column shows, when the grid knows it (fixture columns)

    int ColumnCount() const { return static_cast<int>(Captions.size()); }
    QString Cell(int row, int column) const {
        const QStringList& r = Rows.at(row);
        return column < r.size() ? r.at(column) : QString();
    }
};

} // namespace kv
