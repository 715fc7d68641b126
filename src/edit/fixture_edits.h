#pragma once

#include "model/tournament.h"

#include <QString>

#include <vector>

// Edits of several fixtures at once, as the fixture list makes them: every chosen fixture is
// checked first, and either all of them change or none does.
namespace kv {

// "You have selected several fixtures with the same team involved..." when two of the
// fixtures share a team; empty when none do.
QString CheckFixturesShareTeam(const std::vector<const TMatch*>& matches);

// The matchday all the fixtures have, -1 when they differ or have none.
int CommonMatchday(const std::vector<const TMatch*>& matches);

// Why the fixtures cannot all move to that matchday (a team already playing on it in another
// match), or empty. -1 (no matchday) is always allowed.
QString CheckFixturesMatchday(const TTournament& t, const std::vector<const TMatch*>& matches,
                              int matchday);
// The same for a date; two of the chosen fixtures of one team on the new date clash too.
QString CheckFixturesDate(const TTournament& t, const std::vector<const TMatch*>& matches,
                          bool hasDate, double date);

// What the fixture dialogs read from their fields; an empty field means none. Each returns the
// message for a text that does not convert ("'%s' is not valid time"), or empty.
QString ReadFixtureTime(const QString& text, bool& hasTime, double& time);
QString ReadFixtureMatchday(const QString& text, int& matchday);
QString ReadFixtureDate(const QString& text, bool& hasDate, double& date);

// The apply steps, by match id.
void SetFixturesMatchday(TTournament& t, const std::vector<int>& ids, int matchday);
void SetFixturesDate(TTournament& t, const std::vector<int>& ids, bool hasDate, double date);
void SetFixturesTime(TTournament& t, const std::vector<int>& ids, bool hasTime, double time);
void SetFixturesStadium(TTournament& t, const std::vector<int>& ids, int stadiumId);
// Removes the matches; true when one of them had been played (the standings change).
bool DeleteFixtures(TTournament& t, const std::vector<int>& ids);

} // namespace kv
