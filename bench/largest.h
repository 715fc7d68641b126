#pragma once

#include "model/tournament.h"

#include <memory>

// The largest legal tournament for the benchmarks: 70 teams in one group, `legs` legs, every
// match played (19,320 matches with 8 legs).
std::unique_ptr<kv::TTournament> MakeLargest(int legs);

// 70 teams playing `legs` legs on the schedule the generator draws up (69 matchdays a leg, a
// matchday every few days), every match played with a crowd and two referees: the statistics
// page's worst case.
std::unique_ptr<kv::TTournament> MakeScheduledSeason(int legs);

// `teams` teams playing `legs` legs on the generator's schedule, every match with a result;
// the outlook benchmarks cut it at a matchday by marking the later matches unplayed.
std::unique_ptr<kv::TTournament> MakeRaceSeason(int teams, int legs);
