#pragma once

#include "model/tournament.h"

#include <vector>

// Ordering a table's teams: by the ranking criteria (with head-to-head among level teams and
// division leaders first when asked), by one column, or in order of entry.
namespace kv {

// The standings order for a scope (1 overall, 2 home, 3 away): teams with matches first,
// division leaders first when the tournament asks, then each criterion, then the name.
// While no team of the list has played, the order of entry.
void OrderByStandings(const TTournament& t, std::vector<TTeam*>& teams, int scope);
// One column read in `scope`; equal values by name.
void OrderByColumn(const TTournament& t, std::vector<TTeam*>& teams, int column, int scope,
                   bool descending);
// Ascending order number.
void OrderByEntry(std::vector<TTeam*>& teams);

// Orders a table as the tournament's sort state says.
void SortTable(const TTournament& t, TGroup& table);

// Negative when `a` ranks ahead of `b` in the standings order of `scope`.
int CompareStandings(const TTournament& t, const TTeam& a, const TTeam& b, int scope);

// The criteria a sport offers, in the order of the choice list.
std::vector<TSortColumn> OfferedCriteria(int sport);
// A criterion with its display name: the column's full name, " Away from Home" for scope 3.
TSortColumn MakeCriterion(int column, int scope, int sport, bool descending,
                          bool hasConferences = false, bool hasGroups = false);
// The criterion a points-rules frame implies: points (40) or percentage (43), overall, descending.
TSortColumn MainCriterion(bool calculatePoints, int sport);

} // namespace kv
