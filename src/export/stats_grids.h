#pragma once

#include "export/grid_data.h"
#include "model/tournament.h"

#include <QList>
#include <QString>

#include <vector>

// The statistics page's data: the kinds of statistics, the scopes they can be read in, and
// the grid of each kind for a scope, with its sorting. The page shows these grids as they
// are; charts, exports and the command line read the same grids.
namespace kv {

enum class TStatsKind { Basic, Progress, ByMatchday, ByDate, Scores, Referees };

// An entry of the tree of kinds; `Level` 1 is a child of the entry above it.
struct TStatsNode {
    TStatsKind Kind = TStatsKind::Basic;
    int Level = 0;
    QString Text;
};

// Points progress makes sense only when the table is ranked by points first.
bool HasPointsProgress(const TTournament& t);
std::vector<TStatsNode> StatsTree(const TTournament& t);

enum class TScopeKind { Joint, Conference, Group, Team };

// An entry of the scope selector.
struct TStatsScope {
    TScopeKind Kind = TScopeKind::Joint;
    int Id = -1; // the conference, group or team
    int Indent = 0;
    QString Caption;

    bool IsTeam() const { return Kind == TScopeKind::Team; }
    bool operator==(const TStatsScope& o) const { return Kind == o.Kind && Id == o.Id; }
};

// The whole tournament, then each conference with its groups and their teams (or the groups
// and their teams), indented.
std::vector<TStatsScope> StatsScopes(const TTournament& t);
// The table a scope reads (a team's own group for a team); null when it is gone.
const TGroup* ScopeTable(const TTournament& t, const TStatsScope& scope);
// The team of a team scope; null otherwise or when it is gone.
const TTeam* ScopeTeam(const TTournament& t, const TStatsScope& scope);

// Distinct scores of a table's counted matches other than technical results, each match
// counted once, in its home count, as (higher, lower).
QList<TStatsScore> TableScores(const TTournament& t, const TGroup& table);
// Referees of a table's counted matches: the first one as main, the others as assistants.
QList<TStatsReferee> TableReferees(const TTournament& t, const TGroup& table);
// "2:1" with the score separator.
QString ScoreEntryText(const TStatsScore& s);
// A date as the progress grid heads its column: the short date without the year.
QString DateCaptionWithoutYear(double days);

// The basic statistics rows of a table scope.
enum TBasicRow {
    RowPlayed = 0,
    RowMaxMatches = 1,
    RowWon = 2,
    RowWonOT = 3,
    RowWonNormal = 4,
    RowDrawn = 5,
    RowDecidedOT = 7,
    RowGoals = 8,
    RowPoints = 9,
    RowAveragePoints = 10,
    RowAttendance = 11,
    RowAverageAttendance = 12,
};

// How a grid is sorted: by a column, ascending or not; column -1 is the grid's own order.
struct TStatsSort {
    int Column = -1;
    bool Ascending = true;
    bool operator==(const TStatsSort&) const = default;
};
// One statistic for the chosen kind and scope, ready to be shown.
struct TStatsGrid {
    TStatsKind Kind = TStatsKind::Basic;
    TGridData Data;    // captions, alignments, texts and the numbers behind them
    QList<int> Widths; // per column, in pixels
    // What each row is: the basic row (table scope) or standings column (team scope), the
    // referee id, the team id (progress) or the index into `Scores`.
    QList<int> RowKeys;
    QList<TStatsScore> Scores; // the score entries (scores kind)
    QList<double> ColumnKeys;  // progress: the matchday or date of each column (0 for the first)
    bool Sortable = false;
    TStatsSort InitialSort; // the order the grid is built in
    bool TeamScope = false;
    // A team scope's basic statistics: why the team stands above the team below it.
    QString Note;

    int RowCount() const { return static_cast<int>(Data.Rows.size()); }
    int RowOfKey(int key) const { return static_cast<int>(RowKeys.indexOf(key)); }
};

// "2nd in Group A: Goal Difference: +4 against +2": the team's place in the table and what
// put it above the team below (empty while the table is sorted by a single column).
QString TeamPlaceNote(const TTournament& t, const TGroup& table, const TTeam& team);

// The basic statistics of a table from its matches alone.
TStatsGrid BasicTableGrid(const TTournament& t, const TGroup& table);

// Recomputes the scope's table first, as team figures are shared by every table.
TStatsGrid BuildStatsGrid(const TTournament& t, TStatsKind kind, const TStatsScope& scope);

// A click on a heading: the sorted column turns round, the first column sorts ascending and
// any other descending.
TStatsSort ClickedStatsSort(const TStatsSort& current, int column);
// Names by the locale ignoring case, scores by their sum then the higher score, numbers as
// numbers with an empty cell as -100000. Equal rows keep their order.
void SortStatsGrid(TStatsGrid& grid, const TStatsSort& sort);

// Which statistics commands can act: the chart's radio groups by kind (the conference and
// group comparisons for a table scope with more than one of them), the chart's outputs when
// it shows something, the grid's when it has rows.
struct TStatsCommands {
    bool CompareConferences = false;
    bool CompareGroups = false;
    bool CompareTeams = false;
    bool BasicVenues = false;
    bool ScoreVenues = false;
    bool RefereeRoles = false;
    bool Chart = false;
    bool Grid = false;
};
TStatsCommands StatsCommandsFor(const TTournament& t, const TStatsGrid& grid, bool onPage,
                                bool chartEmpty);

} // namespace kv
