#pragma once

#include "model/tournament.h"

#include <QString>

// The checks of a team's name and symbol as the team properties dialog takes them: each
// returns the message of a refusal, or empty.
namespace kv {

// Empty after trimming (8680), or another team's name ignoring case (8681).
QString CheckTeamName(const TTournament& t, int teamId, const QString& name);
// The symbol as it is kept: trimmed, upper-cased, at most five characters.
QString TeamSymbolOf(const QString& typed);
// Another team's symbol ignoring case (8682); an empty symbol is always allowed.
QString CheckTeamSymbol(const TTournament& t, int teamId, const QString& symbol);

} // namespace kv
