#include "standings/team_values.h"

namespace kv {

namespace {

void AddInto(TVenueStats& sum, const TVenueStats& v) {
    sum.GoalsFor += v.GoalsFor;
    sum.GoalsAgainst += v.GoalsAgainst;
    sum.OTWins += v.OTWins;
    sum.OTDraws += v.OTDraws;
    sum.OTLosses += v.OTLosses;
    sum.SOWins += v.SOWins;
    sum.SOLosses += v.SOLosses;
    sum.Wins += v.Wins;
    sum.Draws += v.Draws;
    sum.Losses += v.Losses;
    sum.ExtraTimeMatches += v.ExtraTimeMatches;
    sum.PenaltyPoints += v.PenaltyPoints;
    sum.H2HPoints += v.H2HPoints;
    sum.H2HGoalsFor += v.H2HGoalsFor;
    sum.H2HGoalsAgainst += v.H2HGoalsAgainst;
    sum.H2HWins += v.H2HWins;
    sum.H2HDraws += v.H2HDraws;
    sum.H2HLosses += v.H2HLosses;
    sum.AttendanceSum += v.AttendanceSum;
}

double VenuePoints(const TTournament& t, const TVenueStats& v) {
    return v.Wins * t.WinPoints + v.OTWins * t.WinOTPoints + v.Draws * t.DrawPoints +
           v.OTDraws * t.DrawPoints + v.Losses * t.LossPoints + v.OTLosses * t.LossOTPoints +
           v.SOWins * t.WinSOPoints + v.SOLosses * t.LossSOPoints - v.PenaltyPoints;
}

} // namespace

TVenueStats VenueStats(const TTeamStats& stats, int scope) {
    if (scope == ScopeHome) return stats.Home;
    if (scope == ScopeAway) return stats.Away;
    TVenueStats sum = stats.Home;
    AddInto(sum, stats.Away);
    return sum;
}

int MatchesPlayed(const TTeam& team, int scope) {
    if (scope == ScopeHome) return team.Stats.Home.Played();
    if (scope == ScopeAway) return team.Stats.Away.Played();
    return team.Stats.Home.Played() + team.Stats.Away.Played();
}

double GoalsFor(const TTeam& team, int scope) {
    if (scope == ScopeHome) return team.Stats.Home.GoalsFor;
    if (scope == ScopeAway) return team.Stats.Away.GoalsFor;
    return team.AddedGoalsFor + team.Stats.Home.GoalsFor + team.Stats.Away.GoalsFor;
}

double GoalsAgainst(const TTeam& team, int scope) {
    if (scope == ScopeHome) return team.Stats.Home.GoalsAgainst;
    if (scope == ScopeAway) return team.Stats.Away.GoalsAgainst;
    return team.AddedGoalsAgainst + team.Stats.Home.GoalsAgainst + team.Stats.Away.GoalsAgainst;
}

double GoalDifference(const TTeam& team, int scope) {
    const TVenueStats& h = team.Stats.Home;
    const TVenueStats& a = team.Stats.Away;
    if (scope == ScopeHome) return h.GoalsFor - h.GoalsAgainst;
    if (scope == ScopeAway) return a.GoalsFor - a.GoalsAgainst;
    return (h.GoalsFor - h.GoalsAgainst) + (a.GoalsFor - a.GoalsAgainst);
}

double Points(const TTournament& t, const TTeam& team, int scope) {
    if (scope == ScopeHome) return VenuePoints(t, team.Stats.Home);
    if (scope == ScopeAway) return VenuePoints(t, team.Stats.Away);
    return VenuePoints(t, team.Stats.Home) + team.AddedPoints + VenuePoints(t, team.Stats.Away);
}

double MaxPossiblePoints(const TTournament& t, const TTeam& team, int scope) {
    return MatchesPlayed(team, scope) * t.MaxMatchPoints();
}

double Percentage(const TTournament& t, const TTeam& team, int scope) {
    const double most = MaxPossiblePoints(t, team, scope);
    if (MatchesPlayed(team, scope) == 0 || most == 0) return 0;
    return Points(t, team, scope) / most * 100.0;
}

double LostPoints(const TTournament& t, const TTeam& team, int scope) {
    return MaxPossiblePoints(t, team, scope) - Points(t, team, scope);
}

double PerMatch(double value, int played) {
    return played == 0 ? 0.0 : value / played;
}

double H2HPercentage(const TVenueStats& v) {
    const int played = v.H2HPlayed();
    return played == 0 ? 0.0 : v.H2HWins * 100.0 / played;
}

const TPlaceOutlook& OutlookIn(const TTeam& team, int kind) {
    const auto index = static_cast<size_t>(kind >= KindJoint && kind <= KindConference ? kind : 0);
    return team.Stats.Outlook[index];
}

const TPlaceOutlook& CurrentOutlook(const TTeam& team) {
    return OutlookIn(team, team.Stats.TableKind);
}

int PlaceIn(const TTeam& team, int kind, int scope) {
    const auto index =
        static_cast<size_t>(scope >= ScopeOverall && scope <= ScopeAway ? scope : ScopeOverall);
    switch (kind) {
    case KindGroup:
        return team.Stats.GroupPlace[index];
    case KindConference:
        return team.Stats.ConferencePlace[index];
    default:
        return team.Stats.JointPlace[index];
    }
}

double PointsInMatch(const TTournament& t, const TMatch& m, int teamId) {
    const bool home = m.HomeTeamId == teamId;
    if (!home && m.VisitorTeamId != teamId) return 0;
    if (m.IsForfeited()) {
        const bool forfeited = (home && m.TechnicalLoss == 1) || (!home && m.TechnicalLoss == 2);
        return forfeited ? t.LossPoints : t.WinPoints;
    }
    const double mine = home ? m.HomeScore : m.VisitorScore;
    const double theirs = home ? m.VisitorScore : m.HomeScore;
    switch (m.DecidedIn) {
    case 1:
        return mine > theirs ? t.WinOTPoints : (mine < theirs ? t.LossOTPoints : t.DrawPoints);
    case 2:
        return mine > theirs ? t.WinSOPoints : (mine < theirs ? t.LossSOPoints : 0.0);
    default:
        return mine > theirs ? t.WinPoints : (mine < theirs ? t.LossPoints : t.DrawPoints);
    }
}

} // namespace kv
