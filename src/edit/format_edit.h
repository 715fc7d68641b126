#pragma once

#include "model/tournament.h"
#include "standings/points_rules.h"

#include <vector>

// The format dialog's changes to a tournament: sport, legs, points rules and ranking criteria,
// with the questions to ask before matches go.
namespace kv {

struct TFormatEdit {
    int Sport = 1;
    int GroupLegs = 2;
    int ConferenceLegs = 0;
    int InterConferenceLegs = 0;
    TPointsRules Rules;
    // The points or ranking page changed: the criteria are rebuilt from them.
    bool CriteriaChanged = false;
    std::vector<TSortColumn> TieBreaks; // after the main criterion
    bool LeadersUp = false;
    bool StillLevel = false;

    static TFormatEdit Of(const TTournament& t);
};

// The legs differ and there are matches that may go: "Number of legs has been changed..."
bool LegsQuestionNeeded(const TTournament& t, const TFormatEdit& e);
// Shoot-outs switched on while played matches stand drawn: those would be deleted.
bool ShootOutsDropDraws(const TTournament& t, const TFormatEdit& e);
// Shoot-outs switched off while results were decided by them: how many become draws.
int ShootOutsDrawResults(const TTournament& t, const TFormatEdit& e);
// A result decided in a shoot-out as it stood before it: level at the loser's score (the
// winner's shoot-out goal taken off), decided in overtime when the tournament has it, without
// the shoot-out's period.
void DrawShootOut(TMatch& m, int sport, bool overtime);
// Sport, legs, rules and criteria, then every table counted and ranked again.
void ApplyFormat(TTournament& t, const TFormatEdit& e);

} // namespace kv
