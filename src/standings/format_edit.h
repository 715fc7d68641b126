#pragma once

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
// Sport, legs, rules and criteria, then every table counted and ranked again.
void ApplyFormat(TTournament& t, const TFormatEdit& e);

} // namespace kv
