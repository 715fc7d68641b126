#include "model/columns.h"

#include "model/sport.h"

namespace kv {

bool IsCriterionKeptForSport(int sport, int column, int scope) {
    const bool overall = scope == ScopeOverall;
    const bool overallOrAway = scope == ScopeOverall || scope == ScopeAway;
    const int s = NormalizeSport(sport);
    // Ice hockey's regulation wins (4) and regulation and overtime wins (54).
    if (s == SportHockey && (column == 4 || column == 54)) return overall;
    switch (s) {
    case SportSoccer:
    case SportFutsal:
    case SportHockey:
    case SportBandy:
    case SportHandball:
    case SportWaterPolo:
        if (column == 1 || column == 13 || column == 45 || column == 19 || column == 27)
            return overall;
        return (column == 17 || column == 25) && overallOrAway;
    case SportBasketball:
    case SportUSFootball:
        if (column == 13 || column == 19 || column == 27) return overall;
        return (column == 17 || column == 25) && overallOrAway;
    case SportVolleyball:
    case SportTennis:
        if (column == 19 || column == 27) return overall;
        return (column == 17 || column == 25) && overallOrAway;
    case SportBaseball:
        return column == 13 && (scope == ScopeOverall || scope == ScopeHome);
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
