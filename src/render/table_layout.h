#pragma once

#include "model/tournament.h"

#include <QHash>
#include <QString>

#include <vector>

// The sizes of a table picture, all in whole pixels.
namespace kv {

struct TTableLayout {
    int Teams = 0;
    int RowHeight = 18; // dimension RowHeight
    int PlaceWidth = 25;
    int TeamWidth = 130;
    int ScoreWidth = 30;
    int RowsPerTeam = 1;
    int SubRowHeight = 18;  // SRH
    int TeamRowHeight = 18; // RH
    int HeaderHeight = 18;  // HH
    int TableHeight = 0;
    std::vector<int> ColumnWidths; // the shown standings columns
    int StandingsWidth = 0;        // SW
    int StandingsSections = 0;
    int NaturalWidth = 0;
    int PictureWidth = 0;
    int TeamColumnWidth = 130;
    bool TwoHeaderRows = false;
};

// The standings sections a table shows, left to right: home, away, overall.
struct TStandingsSection {
    int Scope;
    QString Word; // the section's caption
};
std::vector<TStandingsSection> ShownSections(const TTableView& v);

// Rows a team takes: with the results grid, the legs when away results are shown, else
// (legs + 1) div 2; otherwise 1.
int RowsPerTeam(const TTournament& t, const TGroup& g);

// The layout of one table; alignment "Widest Table Justify" widens it to the tournament's
// widest shown table.
TTableLayout ComputeLayout(const TTournament& t, const TGroup& g);
int NaturalTableWidth(const TTournament& t, const TGroup& g);

// The name a table shows for the team at `place` (1-based): symbol or name, city and country
// as the view says, in capitals when the team or its place asks.
QString TeamDisplayName(const TTournament& t, const TGroup& g, const TTeam& team, int place);

// The match a results-grid cell shows: for the row team against the column team in a
// sub-row (by leg when away results are shown, else by grid position). Built once per table
// so that writing a whole grid does not search the matches for every cell.
class TGridCells {
public:
    explicit TGridCells(const TGroup& g);
    const TMatch* At(int rowTeamId, int columnTeamId, int subRow) const;

private:
    // Ids and sub-rows of real tables fit in 21 bits each; others are searched for.
    static bool Pack(int row, int column, int subRow, quint64& key);
    const TGroup& g_;
    QHash<quint64, const TMatch*> cells_;
};

// Row look resolved team first, then place.
bool RowBackground(const TGroup& g, const TTeam& team, int place, TColor& color);
TFontData RowFont(const TGroup& g, const TTeam& team, int place);
bool RowHasOwnLook(const TGroup& g, const TTeam& team, int place);

} // namespace kv
