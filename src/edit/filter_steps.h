#pragma once

#include "model/tournament.h"

// Changing the tournament's main filter as the filter tool window does: one kind at a time
// (all matches, by leg, by date, by matchday), with bounds that keep from <= to.
namespace kv {

enum TFilterKind : int { FilterAll = 0, FilterByLeg = 1, FilterByDate = 2, FilterByMatchday = 3 };

int FilterKindOf(const TMatchFilter& f);

// Another kind: the other kinds' bounds are cleared and this kind's set to the whole range
// (legs 1 to GroupLegs; the first to the last match date, today for one that is missing;
// matchdays 1 to the highest used, at least 1). Nothing changes for the kind already set.
TMatchFilter WithFilterKind(const TMatchFilter& f, const TTournament& t, int kind);

// A bound of the kind set; the other bound moves when it would pass this one. A date is a
// day count, legs and matchdays whole numbers.
TMatchFilter WithFilterBound(const TMatchFilter& f, bool from, double value);

// The "To:" field's upper limit for legs and matchdays.
int FilterUpperLimit(const TTournament& t, int kind);

} // namespace kv
