#pragma once

#include "model/tournament.h"

// The derived values of a team's statistics record in a scope (1 overall, 2 home, 3 away).
// Team additions (points, goals for and against) enter only the overall scope.
namespace kv {

// The stored counts of a scope: the venue's record, or home plus away for the overall scope.
TVenueStats VenueStats(const TTeamStats& stats, int scope);

int MatchesPlayed(const TTeam& team, int scope);
double GoalsFor(const TTeam& team, int scope);
double GoalsAgainst(const TTeam& team, int scope);
// Goals for minus against per venue; the overall value is the sum of the two venues and
// does not include the team's added goals.
double GoalDifference(const TTeam& team, int scope);
double Points(const TTournament& t, const TTeam& team, int scope);
double MaxPossiblePoints(const TTournament& t, const TTeam& team, int scope);
double Percentage(const TTournament& t, const TTeam& team, int scope);
double LostPoints(const TTournament& t, const TTeam& team, int scope);
// A value divided by the matches played; 0 when none was played.
double PerMatch(double value, int played);
// Among-them percentage: won among them ÷ played among them × 100.
double H2HPercentage(const TVenueStats& v);
int PlaceIn(const TTeam& team, int kind, int scope);
// The team's outlook in its table of a kind, and in the table whose figures it holds now.
const TPlaceOutlook& OutlookIn(const TTeam& team, int kind);
const TPlaceOutlook& CurrentOutlook(const TTeam& team);

// Points of one team in one match, for the progress: no penalty, 0 when the team did not play.
double PointsInMatch(const TTournament& t, const TMatch& m, int teamId);

} // namespace kv
