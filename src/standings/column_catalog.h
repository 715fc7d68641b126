#pragma once

#include "model/tournament.h"

#include <QString>

// The fixed catalog of the standings columns (0..56): names and captions by sport, the value
// and text of a column for a team in a scope, default direction and width, and which columns a
// tournament may show. The ids are named in model/columns.h. Column 54, regulation and overtime
// wins (ice hockey's "ROW"), came after the first 54, and the best and worst possible places
// (55, 56) after it; files that do not name them are unchanged.
namespace kv {

inline constexpr int kColumnCount = kColumnWorstPlace + 1;

// What decides whether a column may be shown.
struct TColumnContext {
    int Sport = 0;
    bool Overtime = false;
    bool ShootOuts = false;
    bool CalculatesPoints = true;
    bool HasGroups = false;
    bool HasConferences = false;
    bool Outlook = false; // the first criterion is one the possible places follow

    static TColumnContext Of(const TTournament& t);
};

QString ColumnFullName(int column, int sport, bool hasConferences, bool hasGroups);
QString ColumnCaption(int column, int sport, bool hasConferences, bool hasGroups);
inline QString ColumnFullName(int column, const TTournament& t);
inline QString ColumnCaption(int column, const TTournament& t);

bool ColumnApplicable(int column, const TColumnContext& c);
// Larger values rank first unless the column is one of the "smaller is better" ones.
bool ColumnDescendingByDefault(int column);
// Built-in width in pixels.
int ColumnDefaultWidth(int column, int sport);
// The user's default width in pixels from the settings store (the built-in width when none).
int ColumnUserDefaultWidth(int column, int sport);

// The value of a column for a team in a scope, as ranking compares it.
double ColumnValue(const TTournament& t, const TTeam& team, int column, int scope);
// The text of a column as tables and exports show it.
QString ColumnText(const TTournament& t, const TTeam& team, int column, int scope);
// A value of the column written as the column writes it (a pair column writes its difference).
QString ColumnValueText(int column, double value);

// Whether a column may rank teams: every column but the possible places, which tell what the
// ranking can still become.
bool IsRankingColumn(int column);

// The columns read from the among-them (head-to-head) figures: 13 to 15, 24 to 27, 45 to 47.
bool IsAmongThemColumn(int column);
// The value of an among-them column from among-them figures (of any set of matches).
double AmongThemValue(const TVenueStats& v, int column);

// The tournament's "has groups" flag for the place columns: more than one group, or divisions.
bool TournamentHasGroups(const TTournament& t);

inline QString ColumnFullName(int column, const TTournament& t) {
    return ColumnFullName(column, t.Sport, t.HasConferences(), TournamentHasGroups(t));
}
inline QString ColumnCaption(int column, const TTournament& t) {
    return ColumnCaption(column, t.Sport, t.HasConferences(), TournamentHasGroups(t));
}

} // namespace kv
