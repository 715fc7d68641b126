#pragma once

#include "model/tournament.h"

#include <limits>
#include <vector>

// Ordering a table's teams: by the ranking criteria (with head-to-head among level teams and
// division leaders first when asked), by one column, or in order of entry; and why each team
// stands above the next.
namespace kv {

// Why a team of a standings order stands above the team below it.
struct TPlaceReason {
    enum TKind {
        Last,           // the last team: nobody below
        Entry,          // nobody has played: the order of entry
        Played,         // the team below has played no match
        NoMatches,      // neither has played: by name
        DivisionLeader, // a division leader ranked up
        ByCriterion,    // the criterion `Criterion` separated them
        Recorded,       // level on every criterion: the order the user recorded
        Name,           // level on every criterion: by name
    };
    TKind Kind = Last;
    int Criterion = -1; // index into the tournament's SortCriteria
    double Value = 0;   // the criterion's value for the team and for the team below
    double NextValue = 0;
    int LevelTeams = 0; // head-to-head among the teams still level: how many they were
};

// A standings order and, for each team, why it stands above the next one.
struct TStandingsOrder {
    std::vector<const TTeam*> Teams;
    std::vector<TPlaceReason> Reasons; // one per team; the last one is Last
};

// The standings order of a table's teams for a scope (1 overall, 2 home, 3 away): teams with
// matches first, division leaders first when the tournament asks, then each criterion
// (head-to-head among the teams level on points, or still level, as the tournament ranks),
// then the table's recorded order, then the name. While no team of the list has played, the
// order of entry.
void OrderByStandings(const TTournament& t, const TGroup& table, std::vector<const TTeam*>& teams,
                      int scope);
TStandingsOrder RankStandings(const TTournament& t, const TGroup& table,
                              std::span<const TTeam* const> teams, int scope);
// The same for a list of teams that belongs to no table: head-to-head figures as the teams
// hold them, no recorded order.
void OrderByStandings(const TTournament& t, std::vector<const TTeam*>& teams, int scope);
// One column read in `scope`; equal values by name.
void OrderByColumn(const TTournament& t, std::vector<const TTeam*>& teams, int column, int scope,
                   bool descending);
// Ascending order number.
void OrderByEntry(std::vector<const TTeam*>& teams);

// The sort state after a click on the heading of `column` in `section` (1 home and away,
// 2 home, 3 away): the direction turns when both are the current ones and stays otherwise.
TSortState ClickedSort(const TSortState& current, int column, int section);

// Orders a table as the tournament's sort state says.
void SortTable(const TTournament& t, const TGroup& table);

// Negative when `a` ranks ahead of `b` in the standings order of `scope` (head-to-head as the
// teams' figures hold it).
int CompareStandings(const TTournament& t, const TTeam& a, const TTeam& b, int scope);

// "Goal Difference: +4 against +2", "Level on every criterion; by name" and the like.
QString PlaceReasonText(const TTournament& t, const TPlaceReason& reason);

// A value as ranking compares it: one that is no number at all (sums of absurd scores in a
// file from elsewhere) counts as the worst, so that every sort stays an order.
inline double RankableValue(double v, bool descending) {
    if (v == v) return v;
    return descending ? -std::numeric_limits<double>::infinity()
                      : std::numeric_limits<double>::infinity();
}

// The criteria a sport offers, in the order of the choice list. Ice hockey with overtime adds
// regulation and overtime wins (ROW) and regulation wins.
std::vector<TSortColumn> OfferedCriteria(int sport, bool overtime = false);
// What a new tournament of the sport is proposed: goal difference, goals and head-to-head for
// the goal sports, head-to-head wins first for basketball and the like; offered ones only.
std::vector<TSortColumn> ProposedCriteria(int sport, bool overtime = false);
// A criterion with its display name: the column's full name, " Away from Home" for scope 3.
TSortColumn MakeCriterion(int column, int scope, int sport, bool descending,
                          bool hasConferences = false, bool hasGroups = false);
// The criterion a points-rules frame implies: points (40) or percentage (43), overall, descending.
TSortColumn MainCriterion(bool calculatePoints, int sport);

} // namespace kv
