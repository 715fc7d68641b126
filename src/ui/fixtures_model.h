#pragma once

#include "export/fixture_rows.h"

#include <QAbstractTableModel>

#include <vector>

// The fixture list as an item model: one row per listed match, the tournament's fixture
// columns in their order. Cells are made when the view asks for them, so the largest
// tournament's list is built in the time it takes to filter and sort its matches.
namespace kv {

class TTournamentDocument;

class TFixturesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TFixturesModel(const TTournamentDocument& doc, QObject* parent = nullptr);

    // Lists, filters and sorts the matches anew, in the tournament's columns.
    void Rebuild();
    // Empties the list: the matches it pointed to may be gone (an undo replaces the tournament).
    void Clear();

    // Whether the list's dates and scores are written in the format the preferences now give.
    bool FormatIsCurrent() const;

    const TFixtureFilter& Filter() const { return filter_; }
    void SetFilter(const TFixtureFilter& filter) { filter_ = filter; }

    const TMatch* MatchAt(int row) const;
    // The id of a row's match, read without the match: the rows may point to matches an edit
    // has just taken away, until the list is built again.
    int IdAt(int row) const;
    int RowOfMatch(int matchId) const;
    // The column id (0..18) shown in a section.
    int ColumnId(int section) const;
    int SectionOf(int columnId) const;
    // The rows' texts, a line each, cells separated by tabs.
    QString RowsText(const std::vector<int>& rows) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString CellText(int row, int section) const;

    const TTournamentDocument& doc_;
    TFixtureFilter filter_;
    std::vector<TMatch*> rows_;
    std::vector<int> ids_; // the rows' match ids
    std::vector<int> columns_;
    TFixtureFormat format_;
    bool homeLeft_ = true;
};

} // namespace kv
