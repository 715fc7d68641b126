#include "standings/match_order.h"

#include <algorithm>

namespace kv {

namespace {

template <typename T> int Cmp(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

int CompareMatches(const TMatch& a, const TMatch& b, int key) {
    switch (key) {
    case MatchKeyId:
        return Cmp(a.Id, b.Id);
    case MatchKeyLeg:
        return Cmp(a.Leg, b.Leg);
    case MatchKeyMatchday:
        return Cmp(a.Matchday, b.Matchday);
    case MatchKeyDate:
        return Cmp(a.Date, b.Date);
    case MatchKeyTime:
        return Cmp(a.Time, b.Time);
    case MatchKeyHome:
        return Cmp(a.HomeTeamId, b.HomeTeamId);
    case MatchKeyVisitor:
        return Cmp(a.VisitorTeamId, b.VisitorTeamId);
    case MatchKeyScore: {
        if (!a.Played || !b.Played) return Cmp(a.Played, b.Played);
        if (const int c = Cmp(a.TotalScore(), b.TotalScore())) return c;
        if (const int c = Cmp(a.GoalDifference(), b.GoalDifference())) return c;
        return Cmp(std::max(a.HomeScore, a.VisitorScore), std::max(b.HomeScore, b.VisitorScore));
    }
    case MatchKeyTotal:
        return Cmp(a.TotalScore(), b.TotalScore());
    default:
        return 0;
    }
}

void OrderMatches(std::vector<const TMatch*>& matches, const std::vector<int>& keys,
                  bool descending) {
    const auto before = [&](const TMatch* a, const TMatch* b) {
        for (const int key : keys) {
            const int c = CompareMatches(*a, *b, key);
            if (c != 0) return descending ? c > 0 : c < 0;
        }
        return false;
    };
    // Fixtures are mostly entered in the order they are played: a list already in order costs
    // one pass.
    if (std::is_sorted(matches.begin(), matches.end(), before)) return;
    std::stable_sort(matches.begin(), matches.end(), before);
}

} // namespace kv
