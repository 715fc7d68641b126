#pragma once

#include "model/tournament.h"
#include "standings/place_race.h"

#include <atomic>
#include <vector>

// What can still happen in a table: each team's best and worst final place, from the table's
// results so far and the matches its teams still have to play, under the tournament's own
// points rules.
namespace kv {

struct TTeamOutlook {
    int TeamId = -1;
    int Best = 0;      // 1-based; 0 while unknown (not computed, or cancelled)
    int Worst = 0;     // 1-based; 0 while unknown
    int Remaining = 0; // the team's matches still to play in the table

    bool operator==(const TTeamOutlook&) const = default;
};

// Whether the tournament ranks first by a value the outlook follows: points or percentage.
bool OutlookAvailable(const TTournament& t);

// The race of a table's teams, in the table's team order: points so far as the table counts
// them and, for every pair, the legs the tournament gives it minus the matches the table
// counts. A fixture without a result, and a leg without a fixture, are still to play; with a
// range filter set, so is every match outside it. `remaining`, when given, receives each
// team's number of remaining matches.
TPlaceRace TableRace(const TTournament& t, const TGroup& table,
                     std::vector<int>* remaining = nullptr);

// Every team's outlook in the table's team order. Empty when the outlook is not available.
std::vector<TTeamOutlook> TableOutlook(const TTournament& t, const TGroup& table,
                                       const std::atomic<bool>* cancel = nullptr);

} // namespace kv
