#include "ui/import_rows_model.h"

#include "base/language.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QStyle>

namespace kv {

TImportRowsModel::TImportRowsModel(std::vector<TImportRow>& rows, std::vector<int>& kinds,
                                   bool conferences, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows), kinds_(kinds), conferences_(conferences) {}

// The rows stay the rows: only their texts change, so the selection in the list stays.
void TImportRowsModel::Refresh() {
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int TImportRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TImportRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kinds_.size());
}

QVariant TImportRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const TImportRow& row = rows_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() < row.Cells.size() ? row.Cells.at(index.column()) : QString();
    case Qt::ToolTipRole:
        return row.Message.isEmpty() ? QVariant() : QVariant(row.Message);
    case Qt::DecorationRole:
        if (index.column() != 0 || row.Status == TRowStatus::NotImported) return {};
        return QApplication::style()->standardIcon(row.Status == TRowStatus::Imported
                                                       ? QStyle::SP_DialogApplyButton
                                                       : QStyle::SP_DialogCancelButton);
    case Qt::ForegroundRole:
        return row.Status == TRowStatus::Imported ? QVariant(QBrush(QColor(Qt::darkGray)))
                                                  : QVariant();
    default:
        return {};
    }
}

QVariant TImportRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= static_cast<int>(kinds_.size())) return {};
    if (role == Qt::DisplayRole)
        return ImportKindCaption(kinds_[static_cast<size_t>(section)], conferences_);
    if (role == Qt::ToolTipRole) return LangText(11567, "Click to choose what the column holds");
    return {};
}

} // namespace kv
