#include "model/columns.h"

#include "model/sport.h"

namespace kv {

bool IsCriterionKeptForSport(int sport, int column, int scope) {
    const bool overall = scope == ScopeOverall;
    const bool overallOrAway = scope == ScopeOverall || scope == ScopeAway;
    const int s = NormalizeSport(sport);
    // Ice hockey's regulation wins (4) and regulation and overtime wins (54).
    if (s == SportHockey &&
        (column == kColumnRegulationWins || column == kColumnRegulationOvertimeWins))
        return overall;
    switch (s) {
    case SportSoccer:
    case SportFutsal:
    case SportHockey:
    case SportBandy:
    case SportHandball:
    case SportWaterPolo:
        if (column == kColumnTotalWins || column == kColumnAmongThemWins ||
            column == kColumnAmongThemPoints || column == kColumnGoalDifference ||
            column == kColumnAmongThemGoalDifference)
            return overall;
        return (column == kColumnGoalsFor || column == kColumnAmongThemGoalsFor) && overallOrAway;
    case SportBasketball:
    case SportUSFootball:
        if (column == kColumnAmongThemWins || column == kColumnGoalDifference ||
            column == kColumnAmongThemGoalDifference)
            return overall;
        return (column == kColumnGoalsFor || column == kColumnAmongThemGoalsFor) && overallOrAway;
    case SportVolleyball:
    case SportTennis:
        if (column == kColumnGoalDifference || column == kColumnAmongThemGoalDifference)
            return overall;
        return (column == kColumnGoalsFor || column == kColumnAmongThemGoalsFor) && overallOrAway;
    case SportBaseball:
        return column == kColumnAmongThemWins && (scope == ScopeOverall || scope == ScopeHome);
    default:
        return false;
    }
}

std::vector<int> ColumnIdsOf(const std::vector<TTableColumn>& columns) {
    std::vector<int> ids;
    ids.reserve(columns.size());
    for (const TTableColumn& c : columns)
        ids.push_back(c.Id);
    return ids;
}

} // namespace kv
