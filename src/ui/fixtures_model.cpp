#include "ui/fixtures_model.h"

#include "ui/tournament_document.h"

#include <algorithm>

namespace kv {

TFixturesModel::TFixturesModel(const TTournamentDocument& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc) {}

void TFixturesModel::Rebuild() {
    const TTournament& t = doc_.Tournament();
    beginResetModel();
    format_ = TFixtureFormat::Current();
    columns_ = t.FixtureColumns;
    const auto home = std::find(columns_.begin(), columns_.end(), FixHome);
    const auto visitor = std::find(columns_.begin(), columns_.end(), FixVisitor);
    homeLeft_ = home <= visitor;
    rows_ = FixtureMatches(t, filter_);
    // Without a sort column the list stands in date order (dated matches first).
    SortFixtures(t, rows_, t.FixtureSort.Column,
                 t.FixtureSort.Column >= 0 && t.FixtureSort.Descending, format_);
    ids_.clear();
    ids_.reserve(rows_.size());
    for (const TMatch* m : rows_)
        ids_.push_back(m->Id);
    endResetModel();
}

void TFixturesModel::Clear() {
    beginResetModel();
    rows_.clear();
    ids_.clear();
    endResetModel();
}

bool TFixturesModel::FormatIsCurrent() const {
    return TFixtureFormat::Current() == format_;
}

const TMatch* TFixturesModel::MatchAt(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(row)]
                                                            : nullptr;
}

int TFixturesModel::IdAt(int row) const {
    return row >= 0 && row < static_cast<int>(ids_.size()) ? ids_[static_cast<size_t>(row)] : -1;
}

int TFixturesModel::RowOfMatch(int matchId) const {
    const auto it = std::find(ids_.begin(), ids_.end(), matchId);
    return it == ids_.end() ? -1 : static_cast<int>(it - ids_.begin());
}

int TFixturesModel::ColumnId(int section) const {
    return section >= 0 && section < static_cast<int>(columns_.size())
               ? columns_[static_cast<size_t>(section)]
               : -1;
}

int TFixturesModel::SectionOf(int columnId) const {
    const auto it = std::find(columns_.begin(), columns_.end(), columnId);
    return it == columns_.end() ? -1 : static_cast<int>(it - columns_.begin());
}

QString TFixturesModel::CellText(int row, int section) const {
    return FixtureCellText(doc_.Tournament(), *rows_[static_cast<size_t>(row)],
                           columns_[static_cast<size_t>(section)], format_, homeLeft_);
}

QString TFixturesModel::RowsText(const std::vector<int>& rows) const {
    QString text;
    for (const int row : rows) {
        if (!MatchAt(row)) continue;
        for (int c = 0; c < columnCount(); ++c) {
            if (c > 0) text += QLatin1Char('\t');
            text += CellText(row, c).trimmed(); // the Score cell's leading no-break space stays out
        }
        text += QLatin1Char('\n');
    }
    return text;
}

int TFixturesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TFixturesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TFixturesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !MatchAt(index.row()) || index.column() >= columnCount()) return {};
    if (role == Qt::DisplayRole) return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        switch (FixtureColumnAlignment(ColumnId(index.column()))) {
        case TCellAlign::Center:
            return QVariant::fromValue(Qt::AlignCenter);
        case TCellAlign::Right:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case TCellAlign::Left:
            break;
        }
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant TFixturesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || ColumnId(section) < 0)
        return QAbstractTableModel::headerData(section, orientation, role);
    return FixtureColumnCaption(ColumnId(section), doc_.Tournament().HasConferences());
}

} // namespace kv
