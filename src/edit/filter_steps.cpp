#include "edit/filter_steps.h"

#include "base/formats.h"

#include <algorithm>
#include <cmath>

namespace kv {

int FilterKindOf(const TMatchFilter& f) {
    if (f.LegRangeSet()) return FilterByLeg;
    if (f.DateRangeSet()) return FilterByDate;
    if (f.MatchdayRangeSet()) return FilterByMatchday;
    return FilterAll;
}

TMatchFilter WithFilterKind(const TMatchFilter& f, const TTournament& t, int kind) {
    if (FilterKindOf(f) == kind) return f;
    TMatchFilter n; // every bound cleared
    switch (kind) {
    case FilterByLeg:
        n.LegFrom = 1;
        n.LegTo = std::max(1, t.GroupLegs);
        break;
    case FilterByDate: {
        const double today = DayPart(NowDays());
        const double first = t.FirstMatchDate();
        const double last = t.LastMatchDate();
        n.DateFrom = first != 0 ? DayPart(first) : today;
        n.DateTo = last != 0 ? DayPart(last) : today;
        break;
    }
    case FilterByMatchday:
        n.MatchdayFrom = 1;
        n.MatchdayTo = std::max(1, t.LastMatchday());
        break;
    default:
        break;
    }
    return n;
}

TMatchFilter WithFilterBound(const TMatchFilter& f, bool from, double value) {
    TMatchFilter n = f;
    const auto keep = [from](auto& lo, auto& hi, auto v) {
        (from ? lo : hi) = v;
        if (lo > hi) (from ? hi : lo) = v;
    };
    switch (FilterKindOf(f)) {
    case FilterByLeg:
        keep(n.LegFrom, n.LegTo, static_cast<int>(std::lround(value)));
        break;
    case FilterByDate:
        keep(n.DateFrom, n.DateTo, DayPart(value));
        break;
    case FilterByMatchday:
        keep(n.MatchdayFrom, n.MatchdayTo, static_cast<int>(std::lround(value)));
        break;
    default:
        break;
    }
    return n;
}

int FilterUpperLimit(const TTournament& t, int kind) {
    return kind == FilterByLeg ? std::max(1, t.GroupLegs) : 999;
}

} // namespace kv
