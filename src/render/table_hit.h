#pragma once

#include "model/tournament.h"
#include "render/table_layout.h"

#include <QPoint>
#include <QString>

// Where a point of a table picture falls: which region, team, results cell and line, or which
// standings column of which section. The tournament window's hints, cursors and clicks all
// start from this.
namespace kv {

enum class TTableRegion {
    None,           // outside the picture
    PlaceHeading,   // the heading above the place column: back to the tournament's order
    Title,          // the heading above the team-name column
    ColumnTeam,     // the heading above a results-grid column
    SectionHeading, // the upper heading row above a standings section
    ColumnHeading,  // the column heading row above a standings column
    TeamName,       // a team's name cell
    Diagonal,       // the results cell of a team against itself
    ResultCell,     // any other results cell
    Standings,      // a standings value cell
    Place,          // the place column below the heading
};

struct TTableHit {
    TTableRegion Region = TTableRegion::None;
    int Row = -1;      // team row (0-based, standings order)
    int Column = -1;   // results-grid column (0-based) or standings column index
    int Line = 0;      // results line, 1..RowsPerTeam
    int Scope = 0;     // section of a standings column: 1 overall, 2 home, 3 away
    int ColumnId = -1; // standings column identifier
    const TTeam* RowTeam = nullptr;
    const TTeam* ColumnTeam = nullptr;
};

// The hit of point `p` (picture coordinates, logical pixels) on table `g` laid out as `l`.
TTableHit HitTestTable(const TTournament& t, const TGroup& g, const TTableLayout& l, QPoint p);

// The centre of a region, for tests that click where a user would: the results cell of rows
// `row` against column `column` at `line`, a team's name cell, a standings column heading.
QPoint ResultCellCentre(const TTableLayout& l, int row, int column, int line);
QPoint TeamNameCentre(const TTableLayout& l, int row);
QPoint ColumnHeadingCentre(const TTournament& t, const TTableLayout& l, int scope, int columnIndex);
QPoint TitleCentre(const TTableLayout& l);
QPoint PlaceHeadingCentre(const TTableLayout& l);

// The hint of a hit: the table title, a team's details, the match or pairing of a results
// cell, the sort hint of a column heading ("name|name - click to sort": the part before the
// bar is the short hint, the part after it goes to the status bar). Empty for no hint.
QString TableHint(const TTournament& t, const TGroup& g, const TTableHit& hit);

// The cursor a hit shows: 0 the normal one, 5 team, 6 score, 7 sort (the place heading only
// while the standings are sorted by a heading).
int TableCursor(const TTournament& t, const TGroup& g, const TTableHit& hit);

// Where a new match of an empty results cell is proposed: the row team at home in the short
// grid view; in the full view the row team while it hosts the column team fewer than
// (legs + 1) / 2 times, else the column team.
bool ProposedRowAtHome(const TTournament& t, const TGroup& g, const TTeam& rowTeam,
                       const TTeam& columnTeam);

// The leg a results cell stands for: its match's leg; else, with away results shown, its line;
// else (home matches by position) the position's own leg or the nearest one the pair has free,
// -1 when it has none.
int ResultCellLeg(const TGroup& g, const TTeam& rowTeam, const TTeam& columnTeam, int line);

// Whether a results cell may hold a match (the permission check of the results grid), with
// the message a click on a refused cell shows.
struct TCellPermission {
    bool Allowed = true;
    QString Message;
};
TCellPermission ResultCellPermission(const TTournament& t, const TTeam& rowTeam,
                                     const TTeam& columnTeam, int line);

// Whether a click on a results cell may edit it: the permission check, and for a new match a
// leg the pair has free (and, in the short grid, a home match the row team may still play),
// with the message a refused click shows.
TCellPermission ResultCellAccess(const TTournament& t, const TGroup& g, const TTeam& rowTeam,
                                 const TTeam& columnTeam, int line);

} // namespace kv
