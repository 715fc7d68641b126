#pragma once

#include "model/tournament.h"

#include <QString>

#include <vector>

// The rules for creating and moving fixtures: adding rows of new fixtures in bulk under the
// legs and home-fixture limits, moving a match to another leg or grid position, and the
// checks of a typed date, time or matchday.
namespace kv {

// Legs the pair plays (0 when a team is unknown).
int PairLegs(const TTournament& t, int teamA, int teamB);
// The smallest leg 1..L without a match of the pair; -1 when all are taken.
int NextFreePairLeg(const TTournament& t, int teamA, int teamB);
// A match of the pair, in either venue, in that leg.
bool FixtureExists(const TTournament& t, int teamA, int teamB, int leg);
// Whether the tournament has a match of the team (home or away) on that matchday.
bool TeamPlaysOnMatchday(const TTournament& t, int teamId, int matchday);
// The results-grid position of a match of the ordered pair in leg `leg` (legs and home
// fixtures from the joint table); `matchId` is the match's own id or -1.
int GridPositionFor(const TTournament& t, int home, int visitor, int leg, int matchId);

// Refusal when a fixture row is completed with its second team; empty when accepted.
QString CheckFixturePair(const TTournament& t, int firstTeamId, int secondTeamId);

// One row of the "Add Fixtures" list.
struct TFixtureRow {
    int HomeTeamId = -1;
    int VisitorTeamId = -1;
    QString Number;   // typed; not an integer: not given
    QString Leg;      // typed; not an integer: the next free leg
    QString Matchday; // typed; not an integer: not given
    bool HasDate = false;
    double Date = 0;
    bool HasTime = false;
    double Time = 0;
    QString Score;
};

struct TAddFixturesOptions {
    bool AssignHomeStadiums = false;
    bool HostFirst = true; // a typed score is read home first
};

struct TAddFixturesResult {
    int Added = 0;              // rows processed successfully, from the first
    int FailedRow = -1;         // the row that stopped the processing
    QString Message;            // why it stopped
    std::vector<int> EmptyRows; // rows without any information (nothing is added then)
};

// Checks and creates the rows' matches in order; the first refused row stops the run.
TAddFixturesResult AddFixtures(TTournament& t, const std::vector<TFixtureRow>& rows,
                               const TAddFixturesOptions& options);

// The "Match Leg" list: one entry per leg 1..L of the pair, the match of that leg or null.
std::vector<const TMatch*> LegRows(const TTournament& t, int teamA, int teamB);
// Gives each listed match the leg of its row (1-based) and a new grid position; positions are
// handed out per orientation of the pair (`firstTeamId` at home, or the other team at home).
void ApplyLegRows(const std::vector<TMatch*>& rows, int firstTeamId);

// The "Match Position in Results Grid Cell" list: rows 1..H of the ordered pair.
std::vector<const TMatch*> GridRows(const TTournament& t, int home, int visitor);
// Gives each listed match the grid position of its row.
void ApplyGridRows(const std::vector<TMatch*>& rows);

// The fixture date/time/matchday dialog's checks. An empty field is accepted (value unset).
struct TFieldCheck {
    bool Ok = true;
    bool Given = false;
    double Value = 0;
    QString Message;
};
TFieldCheck CheckFixtureTime(const QString& text);
TFieldCheck CheckFixtureMatchday(const QString& text);
// A date, as its day count (the time of day left out).
TFieldCheck CheckFixtureDate(const QString& text);

} // namespace kv
