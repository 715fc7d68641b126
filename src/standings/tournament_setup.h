#pragma once

#include "model/tournament.h"
#include "standings/points_rules.h"

#include <QString>
#include <QStringList>

#include <vector>

// Building and re-shaping a tournament where the standings rules are involved: default and
// spare columns, changing the sport, and keeping the tables computed and ranked.
namespace kv {

// The shown columns a new tournament of its sport starts with.
std::vector<TTableColumn> DefaultColumns(const TTournament& t);
// Every applicable column that is not shown, with its default width.
std::vector<TTableColumn> SpareColumnsFor(const TTournament& t,
                                          const std::vector<TTableColumn>& shown);
void ResetColumns(TTournament& t);
// The shown columns become `ids` in order and every other applicable column spare; columns the
// tournament had keep their widths, new ones get their default. A sort by a column no longer
// shown goes back to the format criteria. An empty list is refused with its message.
QString ApplyVisibleColumns(TTournament& t, const std::vector<int>& ids);
// A column with the user's default width in the tournament's unit.
TTableColumn MakeColumn(const TTournament& t, int id, int positionIndex);

// Changes the sport: match classes, criteria the sport does not keep, default columns,
// dimensions; then recomputes and ranks every table.
void ChangeSport(TTournament& t, int sport);

// Recomputes and ranks every table: groups first (their places rank division leaders in the
// other tables), then conference tables, then the joint table.
void RecomputeAll(TTournament& t);
// After a score or fixture change of a match between the two teams: the tables that hold it.
void RecomputeAfterMatchChange(TTournament& t, int homeTeamId, int visitorTeamId);
// Recomputes and ranks one table before it is shown or exported.
void PrepareTable(const TTournament& t, const TGroup& table);

// A new tournament as the wizard builds it.
struct TNewGroup {
    QString Name;
    QStringList Teams;
};
struct TNewConference {
    QString Name;
    std::vector<TNewGroup> Divisions;
};
struct TNewTournament {
    QString Name;
    QString FileName;
    int Sport = 1;
    int GroupLegs = 2;
    int ConferenceLegs = 0;
    int InterConferenceLegs = 0;
    TPointsRules Rules;
    bool ShootOuts = false; // switched on directly (the editor does not offer it)
    bool RankLeadersUp = false;
    std::vector<TSortColumn> TieBreaks;      // criteria after the main one
    std::vector<TNewGroup> Groups;           // the group system
    std::vector<TNewConference> Conferences; // the conferences system
};

struct TStructureCheck {
    bool Ok = true;
    QString Message;
};

inline constexpr int kMaxTeams = 70;

// The structure checks of the wizard: groups present, conferences with divisions, at least
// two teams per group, at most 70 teams, unique team names.
TStructureCheck CheckNewStructure(const TNewTournament& spec);

// The legs rule of the wizard for a conferences tournament: legs between divisions and
// between conferences may not exceed the legs inside a division, nor legs between conferences
// the legs inside a conference. A group tournament always passes.
TStructureCheck CheckNewLegs(const TNewTournament& spec);
std::unique_ptr<TTournament> CreateTournament(const TNewTournament& spec);

} // namespace kv
