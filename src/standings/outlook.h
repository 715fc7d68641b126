#pragma once

#include "model/tournament.h"
#include "standings/place_race.h"

#include <atomic>
#include <functional>
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

// One table's race, taken from the tournament where it lives, to be solved on any thread.
struct TOutlookJob {
    int Kind = KindJoint;
    std::vector<int> TeamIds;   // the table's teams, in its order
    std::vector<int> Remaining; // each team's matches still to play
    TPlaceRace Race;
    int SameAs = -1; // an earlier job with the very same race, whose answer serves this one
};

// The races of every table: the joint table, the conference tables and the groups. The teams'
// records are left as they were.
std::vector<TOutlookJob> OutlookJobs(const TTournament& t);

// The ranges of every job's teams, team by team; `progress` hears of each team done (teams
// done, teams in all). Once `cancel` is set the rest is left at zero. Touches no tournament.
std::vector<std::vector<TPlaceRange>>
SolveOutlook(const std::vector<TOutlookJob>& jobs, const std::atomic<bool>* cancel = nullptr,
             const std::function<void(int, int)>& progress = {});

// Writes solved ranges into the teams' outlook of each table kind; teams gone since are
// skipped. Ranges left at zero leave the team's outlook unknown.
void StoreOutlook(const TTournament& t, const std::vector<TOutlookJob>& jobs,
                  const std::vector<std::vector<TPlaceRange>>& ranges);
// Every team's outlook unknown, in every kind of table.
void ClearOutlook(const TTournament& t);
// The whole outlook worked out at once where it is asked for (exports, the command line):
// jobs, solved and stored. When it is not available, every outlook is cleared.
void UpdateOutlook(const TTournament& t, const std::atomic<bool>* cancel = nullptr);

} // namespace kv
