#include "standings/tournament_check.h"

#include "model/sport.h"
#include "standings/tournament_setup.h"

#include <QSet>

namespace kv {

QStringList TournamentProblems(const TTournament& t) {
    QStringList problems;
    for (const TTeam* team : t.JointTable().Teams())
        if (!t.GroupById(team->GroupId))
            problems << QStringLiteral("team '%1' belongs to no group (group id %2)")
                            .arg(team->Name, QString::number(team->GroupId));
    for (const auto& g : t.Groups())
        if (g->TeamCount() < 2)
            problems << QStringLiteral("group '%1' has fewer than two teams").arg(g->Name);
    for (const auto& g : t.Groups())
        if (g->ConferenceId != -1 && !t.ConferenceById(g->ConferenceId))
            problems << QStringLiteral("division '%1' names a missing conference %2")
                            .arg(g->Name, QString::number(g->ConferenceId));
    if (t.TeamCount() > kMaxTeams)
        problems << QStringLiteral("%1 teams: more than %2").arg(t.TeamCount()).arg(kMaxTeams);
    const int maxLegs = t.Sport == SportBaseball ? 16 : 8;
    if (t.GroupLegs < 1 || t.GroupLegs > maxLegs)
        problems << QStringLiteral("group legs %1 outside 1..%2").arg(t.GroupLegs).arg(maxLegs);
    if (t.HasConferences() &&
        (t.ConferenceLegs > t.GroupLegs || t.InterConferenceLegs > t.ConferenceLegs))
        problems << QStringLiteral(
            "legs between divisions or conferences exceed the legs inside them");
    for (const TMatch* m : t.JointTable().Matches()) {
        const TGroup* home = t.GroupOfTeam(m->HomeTeamId);
        const TGroup* visitor = t.GroupOfTeam(m->VisitorTeamId);
        if (!t.HasConferences() && home && visitor && home != visitor)
            problems << QStringLiteral(
                            "match %1 is between teams of different groups ('%2' and '%3')")
                            .arg(m->Id)
                            .arg(home->Name, visitor->Name);
        else if (m->Leg < 1 || m->Leg > t.LegsOfPair(m->HomeTeamId, m->VisitorTeamId))
            problems << QStringLiteral("match %1 is in leg %2, beyond the legs of its pair")
                            .arg(m->Id)
                            .arg(m->Leg);
        if (m->HasStadium() && !t.StadiumById(m->StadiumId))
            problems << QStringLiteral("match %1 names a missing stadium %2")
                            .arg(m->Id)
                            .arg(m->StadiumId);
        for (const int r : m->RefereeIds)
            if (!t.RefereeById(r))
                problems << QStringLiteral("match %1 names a missing referee %2").arg(m->Id).arg(r);
    }
    // Every id once; every match in the joint table is in the group of its teams (or, across
    // groups, in no group at all), and every group's match is in the joint table.
    QSet<int> ids;
    for (const TTeam* team : t.JointTable().Teams())
        if (ids.contains(team->Id))
            problems << QStringLiteral("team id %1 is used twice").arg(team->Id);
        else
            ids.insert(team->Id);
    ids.clear();
    for (const TMatch* m : t.JointTable().Matches())
        if (ids.contains(m->Id))
            problems << QStringLiteral("match id %1 is used twice").arg(m->Id);
        else
            ids.insert(m->Id);
    for (const auto& g : t.Groups()) {
        for (const TMatch* m : g->Matches()) {
            if (!ids.contains(m->Id))
                problems << QStringLiteral("match %1 of group '%2' is not in the joint table")
                                .arg(m->Id)
                                .arg(g->Name);
            if (!g->TeamById(m->HomeTeamId) || !g->TeamById(m->VisitorTeamId))
                problems << QStringLiteral("match %1 is in group '%2' without its teams")
                                .arg(m->Id)
                                .arg(g->Name);
        }
    }
    return problems;
}

} // namespace kv
