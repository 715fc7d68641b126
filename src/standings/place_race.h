#pragma once

#include <QtGlobal>

#include <atomic>
#include <utility>
#include <vector>

// What can still happen in a points race: each team's best and worst final place over every
// way the remaining matches can end. Places count only the first criterion (points, or a
// percentage of them): for its best place a team is put above every team level with it, for
// its worst place below every one. The answer is exact: a branch and bound search that only
// branches on matches whose result can still matter, with bounds that settle most teams
// without any search at all.
namespace kv {

// One race reduced to whole numbers. A team's final value is its points divided by its
// divisor (1 when points rank; the final number of matches when a percentage does). Points
// are in whole units of the smallest step the rules use.
struct TPlaceRace {
    std::vector<qint64> Points;                 // so far, per team
    std::vector<qint64> Divisor;                // per team, above zero
    std::vector<std::pair<int, int>> Remaining; // the matches still to play, as team indices
    // What a remaining match can give its two sides: every outcome the rules allow, each also
    // with the sides swapped.
    std::vector<std::pair<qint64, qint64>> Outcomes;
};

struct TPlaceRange {
    int Best = 0;  // 1-based
    int Worst = 0; // 1-based

    bool operator==(const TPlaceRange&) const = default;
};

// Every team's range. `cancel`, when given, is read now and then; once it is set the search
// stops and the ranges not yet found are left at zero.
std::vector<TPlaceRange> PlaceRanges(const TPlaceRace& race,
                                     const std::atomic<bool>* cancel = nullptr);
TPlaceRange PlaceRangeOf(const TPlaceRace& race, int team,
                         const std::atomic<bool>* cancel = nullptr);

} // namespace kv
