#pragma once

#include "model/tournament.h"

#include <memory>

// The largest legal tournament for the benchmarks: 70 teams in one group, `legs` legs, every
// match played (19,320 matches with 8 legs).
std::unique_ptr<kv::TTournament> MakeLargest(int legs);
