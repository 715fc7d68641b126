#pragma once

#include "model/tournament.h"
#include "standings/ranking.h"

#include <climits>
#include <vector>

// What the standings orders compare for one team, read once before sorting.
namespace kv {

struct TRankKey {
    const TTeam* Team = nullptr;
    size_t Index = 0; // position in the list being ordered
    bool Played = false;
    int LeaderClass = 2;        // 0 division leader, 1 other, 2 no place
    int TieRank = INT_MAX;      // position in the table's recorded order; unlisted teams last
    std::vector<double> Values; // one per ranking criterion
};

// The key of a team for the standings order of `scope`; `tieOrder` may be null.
TRankKey RankKeyOf(const TTournament& t, const TTeam* team, size_t index, int scope,
                   const std::vector<int>* tieOrder);
// Locale-aware, then exact.
int CompareTeamNames(const TTeam& a, const TTeam& b);
// Level on every criterion: the recorded order, then the name, then the id.
int CompareLevelTeams(const TRankKey& a, const TRankKey& b, TPlaceReason::TKind* why = nullptr);
// Whether at least one of the teams has played (overall).
bool AnyPlayed(std::span<const TTeam* const> teams);

// The standings order under the "still level" head-to-head rule: each head-to-head criterion
// counts the matches among the teams still level on every criterion before it, and every
// smaller set a criterion leaves level applies the criteria again among itself alone.
TStandingsOrder RankStillLevel(const TTournament& t, const TGroup& table,
                               std::span<const TTeam* const> teams, int scope);

} // namespace kv
