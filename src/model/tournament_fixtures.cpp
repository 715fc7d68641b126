#include "model/tournament.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/preferences.h"
#include "base/textformat.h"

// Fixture checks and texts of a tournament.
namespace kv {

bool TTournament::MayMeet(int teamA, int teamB, int leg) const {
    return leg >= 1 && leg <= LegsOfPair(teamA, teamB) && !MatchOfPairInLeg(teamA, teamB, leg);
}

int TTournament::FirstFreeLeg(int teamA, int teamB) const {
    const int legs = LegsOfPair(teamA, teamB);
    for (int leg = 1; leg <= legs; ++leg)
        if (!MatchOfPairInLeg(teamA, teamB, leg)) return leg;
    return -1;
}

bool TTournament::MayHost(int home, int visitor) const {
    const int legs = LegsOfPair(home, visitor);
    if (legs <= 0) return false;
    // Counted among all matches: teams of different divisions meet only in the conference
    // and joint tables, never in a group.
    int hosted = 0;
    for (const TMatch* m : joint_->Matches()) {
        if (hosted >= joint_->Legs) break;
        if (m->HomeTeamId == home && m->VisitorTeamId == visitor) ++hosted;
    }
    return hosted < (legs + 1) / 2;
}

QString TTournament::MatchdayClash(int teamA, int teamB, int matchday, int excludeMatchId) const {
    if (matchday == -1) return QString();
    for (const int team : {teamA, teamB}) {
        if (const TMatch* m = TeamMatchOnMatchday(team, matchday, excludeMatchId)) {
            TPairingOptions options;
            options.ForceHostFirst = true;
            const TTeam* t = TeamById(team);
            return Fmt(LangText(5108, "Team %s is already involved on matchday %d (%s)"),
                       t ? t->Name : QString(), matchday, PairingText(*m, options));
        }
    }
    return QString();
}

QString TTournament::DateClash(int teamA, int teamB, double date, int excludeMatchId) const {
    for (const int team : {teamA, teamB}) {
        if (const TMatch* m = TeamMatchOnDate(team, date, excludeMatchId)) {
            TPairingOptions options;
            options.ForceHostFirst = true;
            const TTeam* t = TeamById(team);
            return Fmt(LangText(5109, "Team %s is already involved in fixture on %s (%s)"),
                       t ? t->Name : QString(), ShortDateText(date), PairingText(*m, options));
        }
    }
    return QString();
}

QString TTournament::PairingText(const TMatch& match, const TPairingOptions& options) const {
    bool hostFirst = options.ForceHostFirst || PrefHostFirst();
    if (options.OppositeOrder && !options.ForceHostFirst) hostFirst = !hostFirst;
    const TTeam* home = TeamById(match.HomeTeamId);
    const TTeam* visitor = TeamById(match.VisitorTeamId);
    const QString homeName = home ? home->Name : QString();
    const QString visitorName = visitor ? visitor->Name : QString();
    const QString sep = QLatin1Char(' ') + PrefMatchSep() + QLatin1Char(' ');
    QString text = hostFirst ? homeName + sep + visitorName : visitorName + sep + homeName;
    if (options.WithDate && match.HasDate)
        text = ShortDateText(match.Date) + QStringLiteral("   ") + text;
    if (options.WithScore) text += QStringLiteral("   ") + match.GetScoreText(hostFirst, true);
    if (options.WithComments && match.HasComments())
        text += QStringLiteral("\r\n") + match.Comments;
    return text;
}

QString TTournament::TeamListName(const TTeam& team) const {
    return team.DisplayName();
}

} // namespace kv
