#pragma once

#include "model/tournament.h"

#include <QStringList>

// What is wrong in a tournament's structure, in words: teams outside every group, groups too
// small, missing conferences, stadiums or referees, legs beyond their limits, matches across
// groups or outside the tables that hold them, ids used twice. Empty for a sound tournament.
namespace kv {

QStringList TournamentProblems(const TTournament& t);

} // namespace kv
