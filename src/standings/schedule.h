#pragma once

#include "model/tournament.h"

#include <utility>
#include <vector>

// A season's fixtures drawn up at once: every pair that may meet gets its legs, spread over
// matchdays on which no team plays twice, with home and away balanced.
//
// A group (or a single division) is scheduled by the circle method: n - 1 matchdays per leg
// for an even n, n for an odd n (one team rests each matchday). The later legs repeat the
// first with the venues swapped, so in two legs every pair meets once at each ground, and a
// team has at most one break (two home or two away games running) per leg. Groups play on
// the same matchdays; around matches already there the greedy plan below is taken when it needs
// fewer matchdays. A tournament with conferences meets across divisions and conferences
// too; its fixtures are placed greedily, one matchday at a time, the teams with most games
// left first, and its venues follow an Euler tour, which leaves no team more than one home
// game ahead of or behind its away games.
namespace kv {

struct TPlannedMatch {
    int HomeTeamId = -1;
    int VisitorTeamId = -1;
    int Leg = 0;
    int Matchday = 0;
};

struct TSchedule {
    std::vector<TPlannedMatch> Matches; // in matchday order
    int FirstMatchday = 1;              // the one after the highest the tournament has
    int Matchdays = 0;                  // matchdays used
    int LowerBound = 0; // the most new games one team has: no plan needs fewer matchdays
};

// The fixtures missing among `teams` (every team when empty). Pairs that already have a match
// in a leg keep it; the rest is planned on matchdays after the tournament's highest.
TSchedule PlanSchedule(const TTournament& t, const std::vector<int>& teams = {});

// When the matchdays are played: a date for the first and a step in days, and a kick-off time.
struct TScheduleDates {
    bool HasDate = false;
    double FirstDate = 0;
    int EveryDays = 7;
    bool HasTime = false;
    double Time = 0;
    bool HomeStadiums = false; // each fixture at its home team's stadium
    // Days without matches (holidays, a winter break), first and last day of each range.
    std::vector<std::pair<double, double>> Skipped;
};

// The date of a planned matchday: the first date, then a step of EveryDays per matchday; a
// date that falls on a skipped day moves on by whole steps, and so do the matchdays after it.
double MatchdayDate(const TScheduleDates& dates, const TSchedule& schedule, int matchday);

// Days to skip as typed: dates and ranges of dates ("24/12/2026 - 6/1/2027", "2026-12-24 to
// 2027-01-06", "1.5.2027..3.5.2027") separated by commas, semicolons or lines, each date in
// any form ParseDateText reads. False with the message for the first entry that does not read
// or whose range ends before it begins.
bool ParseSkippedDates(const QString& text, std::vector<std::pair<double, double>>& ranges,
                       QString& error);

// Adds the planned matches with their matchdays, dates and times; returns how many were added.
int AddSchedule(TTournament& t, const TSchedule& schedule, const TScheduleDates& dates = {});

} // namespace kv
