#pragma once

#include "model/match.h"

#include <vector>

namespace kv {

// Keys that order match lists.
enum TMatchKey : int {
    MatchKeyId = 1,
    MatchKeyLeg = 2,
    MatchKeyMatchday = 3,
    MatchKeyDate = 4,
    MatchKeyTime = 5,
    MatchKeyHome = 6,
    MatchKeyVisitor = 7,
    MatchKeyScore = 8, // unplayed first; total, then difference, then the larger score
    MatchKeyTotal = 9,
};

// Negative when `a` comes first in ascending order.
int CompareMatches(const TMatch& a, const TMatch& b, int key);

// Orders by the keys in turn until one differs; the direction applies to every key.
// Matches equal on every key keep their order.
void OrderMatches(std::vector<const TMatch*>& matches, const std::vector<int>& keys,
                  bool descending);

} // namespace kv
