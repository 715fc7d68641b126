#pragma once

#include <QString>

#include <vector>

namespace kv {

// Scopes (venues) of statistics, columns and criteria.
enum TScope : int { ScopeOverall = 1, ScopeHome = 2, ScopeAway = 3 };

// The standings column identifiers, 0..56; files store them, so they never change. "Goals"
// stands for whatever the sport scores (points, sets); "among them" for the matches played
// among the teams compared (head-to-head); "regulation" for normal time.
inline constexpr int kColumnPlayed = 0;
inline constexpr int kColumnTotalWins = 1;
inline constexpr int kColumnTotalDraws = 2;
inline constexpr int kColumnTotalLosses = 3;
inline constexpr int kColumnRegulationWins = 4;
inline constexpr int kColumnRegulationDraws = 5;
inline constexpr int kColumnRegulationLosses = 6;
inline constexpr int kColumnOvertimeWins = 7;
inline constexpr int kColumnOvertimeDraws = 8;
inline constexpr int kColumnOvertimeLosses = 9;
inline constexpr int kColumnShootOutWins = 10;
inline constexpr int kColumnShootOutLosses = 11;
inline constexpr int kColumnExtraTimeMatches = 12; // overtimes; matches level after normal time
inline constexpr int kColumnAmongThemWins = 13;
inline constexpr int kColumnAmongThemDraws = 14;
inline constexpr int kColumnAmongThemLosses = 15;
inline constexpr int kColumnGoalsForAndAgainst = 16; // a pair, ranked by its difference
inline constexpr int kColumnGoalsFor = 17;
inline constexpr int kColumnGoalsAgainst = 18;
inline constexpr int kColumnGoalDifference = 19;
inline constexpr int kColumnAverageGoalsForAndAgainst = 20;
inline constexpr int kColumnAverageGoalsFor = 21;
inline constexpr int kColumnAverageGoalsAgainst = 22;
inline constexpr int kColumnAverageGoalDifference = 23;
inline constexpr int kColumnAmongThemGoalsForAndAgainst = 24;
inline constexpr int kColumnAmongThemGoalsFor = 25;
inline constexpr int kColumnAmongThemGoalsAgainst = 26;
inline constexpr int kColumnAmongThemGoalDifference = 27;
// 28 to 39 are reserved: no name, no value, never shown nor offered as criteria. Their widths
// and directions follow 20 to 23 (28 to 31) and 16 to 19 (32 to 35 and 36 to 39).
inline constexpr int kColumnReserved28 = 28;
inline constexpr int kColumnReserved29 = 29;
inline constexpr int kColumnReserved30 = 30;
inline constexpr int kColumnReserved31 = 31;
inline constexpr int kColumnReserved32 = 32;
inline constexpr int kColumnReserved33 = 33;
inline constexpr int kColumnReserved34 = 34;
inline constexpr int kColumnReserved35 = 35;
inline constexpr int kColumnReserved36 = 36;
inline constexpr int kColumnReserved37 = 37;
inline constexpr int kColumnReserved38 = 38;
inline constexpr int kColumnReserved39 = 39;
inline constexpr int kColumnPoints = 40;
inline constexpr int kColumnAveragePoints = 41;
inline constexpr int kColumnMaxPossiblePoints = 42;
inline constexpr int kColumnPercentage = 43; // point or won-lost percentage, by sport
inline constexpr int kColumnLostPoints = 44;
inline constexpr int kColumnAmongThemPoints = 45;
inline constexpr int kColumnAmongThemAveragePoints = 46;
inline constexpr int kColumnAmongThemPercentage = 47;
inline constexpr int kColumnRatio = 48;
inline constexpr int kColumnGroupPlace = 49; // the division's place when there are conferences
inline constexpr int kColumnConferencePlace = 50;
inline constexpr int kColumnJointPlace = 51; // the team's place when there is one table
inline constexpr int kColumnAttendance = 52;
inline constexpr int kColumnAverageAttendance = 53;
// Regulation and overtime wins (ice hockey's "ROW"), added after the first 54.
inline constexpr int kColumnRegulationOvertimeWins = 54;
// The best and the worst final place the team can still reach in its table, added after 54.
// They show what the season can still bring and never rank.
inline constexpr int kColumnBestPlace = 55;
inline constexpr int kColumnWorstPlace = 56;

// A shown or spare standings column of a tournament.
struct TTableColumn {
    int PositionIndex = 0; // the list length when the column was created
    int Id = 0;            // standings column identifier 0..56
    double Width = 25;     // in the unit of the tournament's dimensions

    bool operator==(const TTableColumn&) const = default;
};

// The ids of the columns, in their order.
std::vector<int> ColumnIdsOf(const std::vector<TTableColumn>& columns);

// One ranking criterion: a column read in a scope, with its direction.
struct TSortColumn {
    int Column = kColumnPoints;
    int Scope = ScopeOverall;
    QString Name;
    bool Descending = true;

    bool operator==(const TSortColumn&) const = default;
};

// Whether a criterion survives a change to `sport`.
bool IsCriterionKeptForSport(int sport, int column, int scope);

} // namespace kv
