#pragma once

#include "model/tournament.h"

// Recomputing the statistics records of a table's teams from the table's own matches.
// Records are shared by every table a team is in, so a table is recomputed before it is
// ranked, drawn or exported. Places of other table kinds are kept, so that a conference or
// joint table can rank division leaders first.
namespace kv {

// Whether a match counts in the statistics: played and inside the tournament's range filter.
bool MatchCounts(const TTournament& t, const TMatch& m);

// Adds one counted match to the among-them figures of its home team (in its home scope) and
// its visiting team (away scope).
void AddAmongThem(const TTournament& t, const TMatch& m, TVenueStats& home, TVenueStats& visitor);

// Reset, results pass, among-them pass and places of the table's teams.
void RecomputeTable(const TTournament& t, const TGroup& table);

// The places alone, for a table whose teams and matches are those of a table just recomputed
// (its teams' records already hold its figures).
void StoreTablePlaces(const TTournament& t, const TGroup& table);

// Whether at least one team of the table has played a match (overall scope).
bool HasResults(const TGroup& table);

// Per-team points after each matchday / each date of the joint table's played matches.
void ComputeProgressByMatchday(const TTournament& t);
void ComputeProgressByDate(const TTournament& t);
// Distinct scores of every team's matches with home and away counts.
void ComputeScoreStatistics(const TTournament& t);
// Referees of every team's matches with main and assistant counts.
void ComputeRefereeStatistics(const TTournament& t);

// Totals of a table's counted matches.
struct TTableTotals {
    int Matches = 0;
    int HomeWins = 0;
    int AwayWins = 0;
    int HomeWinsOT = 0;
    int AwayWinsOT = 0;
    int Draws = 0;
    int OvertimeMatches = 0;
    double HomeScore = 0;
    double AwayScore = 0;
    qint64 Attendance = 0;
};
TTableTotals TableTotals(const TTournament& t, const TGroup& table);

} // namespace kv
