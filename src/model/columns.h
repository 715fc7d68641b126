#pragma once

#include <QString>

#include <vector>

namespace kv {

// Scopes (venues) of statistics, columns and criteria.
enum TScope : int { ScopeOverall = 1, ScopeHome = 2, ScopeAway = 3 };

// A shown or spare standings column of a tournament.
struct TTableColumn {
    int PositionIndex = 0; // the list length when the column was created
    int Id = 0;            // standings column identifier 0..54
    double Width = 25;     // in the unit of the tournament's dimensions

    bool operator==(const TTableColumn&) const = default;
};

// The ids of the columns, in their order.
std::vector<int> ColumnIdsOf(const std::vector<TTableColumn>& columns);

// One ranking criterion: a column read in a scope, with its direction.
struct TSortColumn {
    int Column = 40;
    int Scope = ScopeOverall;
    QString Name;
    bool Descending = true;

    bool operator==(const TSortColumn&) const = default;
};

// Column identifiers the ranking criteria and the tournament rules refer to.
inline constexpr int kColumnPoints = 40;
inline constexpr int kColumnPercentage = 43;

// Whether a criterion survives a change to `sport`.
bool IsCriterionKeptForSport(int sport, int column, int scope);

} // namespace kv
