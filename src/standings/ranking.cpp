#include "standings/ranking.h"

#include "base/language.h"
#include "base/textformat.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/rank_keys.h"
#include "standings/team_values.h"

#include <algorithm>

namespace kv {

namespace {

// The default comparison: criteria read as the teams' figures hold them (head-to-head among
// all the teams level on points). `why`, when given, learns which step decided.
int CompareKeys(const TTournament& t, const TRankKey& a, const TRankKey& b,
                TPlaceReason* why = nullptr) {
    const auto decided = [&](TPlaceReason::TKind kind, int result) {
        if (why) why->Kind = kind;
        return result;
    };
    if (a.Team == b.Team) return 0;
    if (a.Played != b.Played) return decided(TPlaceReason::Played, a.Played ? -1 : 1);
    if (!a.Played) {
        if (const int c = CompareTeamNames(*a.Team, *b.Team))
            return decided(TPlaceReason::NoMatches, c);
    }
    if (a.LeaderClass != 2 && b.LeaderClass != 2 && a.LeaderClass != b.LeaderClass)
        return decided(TPlaceReason::DivisionLeader, a.LeaderClass < b.LeaderClass ? -1 : 1);
    for (size_t i = 0; i < a.Values.size(); ++i) {
        const double x = a.Values[i];
        const double y = b.Values[i];
        if (x == y) continue;
        if (why) {
            why->Kind = TPlaceReason::ByCriterion;
            why->Criterion = static_cast<int>(i);
            why->Value = x;
            why->NextValue = y;
        }
        const bool descending = t.SortCriteria[i].Descending;
        return (x < y) == descending ? 1 : -1;
    }
    TPlaceReason::TKind kind = TPlaceReason::Name;
    const int c = CompareLevelTeams(a, b, &kind);
    return decided(kind, c);
}

TStandingsOrder RankByKeys(const TTournament& t, std::span<const TTeam* const> teams, int scope,
                           const std::vector<int>* tieOrder, bool withReasons) {
    TStandingsOrder out;
    out.Teams.assign(teams.begin(), teams.end());
    if (!AnyPlayed(teams)) {
        OrderByEntry(out.Teams);
        if (withReasons) {
            out.Reasons.assign(out.Teams.size(), TPlaceReason{TPlaceReason::Entry});
            if (!out.Reasons.empty()) out.Reasons.back() = TPlaceReason{};
        }
        return out;
    }
    std::vector<TRankKey> keys;
    keys.reserve(teams.size());
    for (size_t i = 0; i < teams.size(); ++i)
        keys.push_back(RankKeyOf(t, teams[i], i, scope, tieOrder));
    std::sort(keys.begin(), keys.end(),
              [&](const TRankKey& a, const TRankKey& b) { return CompareKeys(t, a, b) < 0; });
    for (size_t i = 0; i < keys.size(); ++i)
        out.Teams[i] = teams[keys[i].Index];
    if (withReasons) {
        out.Reasons.resize(keys.size());
        for (size_t i = 0; i + 1 < keys.size(); ++i)
            CompareKeys(t, keys[i], keys[i + 1], &out.Reasons[i]);
    }
    return out;
}

} // namespace

TRankKey RankKeyOf(const TTournament& t, const TTeam* team, size_t index, int scope,
                   const std::vector<int>* tieOrder) {
    TRankKey k;
    k.Team = team;
    k.Index = index;
    k.Played = MatchesPlayed(*team, scope) > 0;
    if (t.RankLeadersUp) {
        const int place = PlaceIn(*team, KindGroup, scope);
        k.LeaderClass = place == 0 ? 2 : (place == 1 ? 0 : 1);
    }
    if (tieOrder) {
        const auto at = std::find(tieOrder->begin(), tieOrder->end(), team->Id);
        if (at != tieOrder->end()) k.TieRank = static_cast<int>(at - tieOrder->begin());
    }
    k.Values.reserve(t.SortCriteria.size());
    for (const TSortColumn& c : t.SortCriteria) {
        const double v = ColumnValue(t, *team, c.Column, scope == ScopeOverall ? c.Scope : scope);
        k.Values.push_back(RankableValue(v, c.Descending));
    }
    return k;
}

int CompareTeamNames(const TTeam& a, const TTeam& b) {
    const int c = QString::localeAwareCompare(a.Name, b.Name);
    if (c != 0) return c;
    return a.Name.compare(b.Name);
}

int CompareLevelTeams(const TRankKey& a, const TRankKey& b, TPlaceReason::TKind* why) {
    if (a.TieRank != b.TieRank) {
        if (why) *why = TPlaceReason::Recorded;
        return a.TieRank < b.TieRank ? -1 : 1;
    }
    if (why) *why = TPlaceReason::Name;
    if (const int c = CompareTeamNames(*a.Team, *b.Team)) return c;
    return a.Team->Id < b.Team->Id ? -1 : (a.Team->Id > b.Team->Id ? 1 : 0);
}

bool AnyPlayed(std::span<const TTeam* const> teams) {
    return std::any_of(teams.begin(), teams.end(),
                       [](const TTeam* team) { return MatchesPlayed(*team, ScopeOverall) > 0; });
}

int CompareStandings(const TTournament& t, const TTeam& a, const TTeam& b, int scope) {
    return CompareKeys(t, RankKeyOf(t, &a, 0, scope, nullptr), RankKeyOf(t, &b, 1, scope, nullptr));
}

void OrderByEntry(std::vector<const TTeam*>& teams) {
    std::stable_sort(teams.begin(), teams.end(), [](const TTeam* a, const TTeam* b) {
        return a->OrderNumber < b->OrderNumber;
    });
}

void OrderByStandings(const TTournament& t, std::vector<const TTeam*>& teams, int scope) {
    teams = RankByKeys(t, teams, scope, nullptr, false).Teams;
}

void OrderByStandings(const TTournament& t, const TGroup& table, std::vector<const TTeam*>& teams,
                      int scope) {
    if (t.HeadToHeadStillLevel)
        teams = RankStillLevel(t, table, teams, scope).Teams;
    else
        teams = RankByKeys(t, teams, scope, &table.TieOrder, false).Teams;
}

TStandingsOrder RankStandings(const TTournament& t, const TGroup& table,
                              std::span<const TTeam* const> teams, int scope) {
    if (t.HeadToHeadStillLevel) return RankStillLevel(t, table, teams, scope);
    return RankByKeys(t, teams, scope, &table.TieOrder, true);
}

void OrderByColumn(const TTournament& t, std::vector<const TTeam*>& teams, int column, int scope,
                   bool descending) {
    std::vector<std::pair<double, const TTeam*>> keys;
    keys.reserve(teams.size());
    for (const TTeam* team : teams)
        keys.emplace_back(RankableValue(ColumnValue(t, *team, column, scope), descending), team);
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first) return descending ? a.first > b.first : a.first < b.first;
        const int c = CompareTeamNames(*a.second, *b.second);
        return c != 0 ? c < 0 : a.second->Id < b.second->Id;
    });
    for (size_t i = 0; i < keys.size(); ++i)
        teams[i] = keys[i].second;
}

TSortState ClickedSort(const TSortState& current, int column, int section) {
    TSortState next = current;
    if (current.Column == column && current.Venue == section) next.Descending = !current.Descending;
    next.Column = column;
    next.Venue = section;
    return next;
}

void SortTable(const TTournament& t, const TGroup& table) {
    std::vector<const TTeam*> order = ListOf(table.Teams());
    const TSortState& s = t.SortState;
    if (s.Column == -2)
        OrderByEntry(order);
    else if (s.Column >= 0)
        OrderByColumn(t, order, s.Column, s.Venue, s.Descending);
    else
        OrderByStandings(t, table, order, s.Venue);
    table.SetTeamOrder(order);
}

namespace {

// A criterion's value as its column writes it, differences with their sign.
QString ReasonValue(int column, double value) {
    const bool difference =
        column == kColumnGoalsForAndAgainst || column == kColumnGoalDifference ||
        column == kColumnAverageGoalsForAndAgainst || column == kColumnAverageGoalDifference ||
        column == kColumnAmongThemGoalsForAndAgainst || column == kColumnAmongThemGoalDifference;
    const QString text = ColumnValueText(column, value);
    return difference && value > 0 ? QLatin1Char('+') + text : text;
}

} // namespace

QString PlaceReasonText(const TTournament& t, const TPlaceReason& r) {
    switch (r.Kind) {
    case TPlaceReason::Entry:
        return LangText(7720, "No matches played: order of entry");
    case TPlaceReason::Played:
        return LangText(7721, "The team below has played no match");
    case TPlaceReason::NoMatches:
        return LangText(7722, "No matches played: by name");
    case TPlaceReason::DivisionLeader:
        return LangText(7723, "Division leader");
    case TPlaceReason::ByCriterion: {
        if (r.Criterion < 0 || r.Criterion >= static_cast<int>(t.SortCriteria.size()))
            return QString();
        const TSortColumn& c = t.SortCriteria[static_cast<size_t>(r.Criterion)];
        // Named in the language of now: the criterion's own name was given when it was read.
        const QString name = MakeCriterion(c.Column, c.Scope, t.Sport, c.Descending).Name;
        QString text = Fmt(LangText(7724, "%s: %s against %s"), name,
                           ReasonValue(c.Column, r.Value), ReasonValue(c.Column, r.NextValue));
        if (r.LevelTeams > 0)
            text += QLatin1Char(' ') +
                    Fmt(LangText(7725, "(among the %d teams still level)"), r.LevelTeams);
        return text;
    }
    case TPlaceReason::Recorded:
        return LangText(7726, "Level on every criterion: recorded order");
    case TPlaceReason::Name:
        return LangText(7727, "Level on every criterion: by name");
    case TPlaceReason::Last:
        break;
    }
    return QString();
}

TSortColumn MakeCriterion(int column, int scope, int sport, bool descending, bool hasConferences,
                          bool hasGroups) {
    TSortColumn c;
    c.Column = column;
    c.Scope = scope;
    c.Descending = descending;
    c.Name = ColumnFullName(column, sport, hasConferences, hasGroups);
    if (scope == ScopeAway) c.Name += QLatin1Char(' ') + LangText(7704, "Away from Home");
    return c;
}

TSortColumn MainCriterion(bool calculatePoints, int sport) {
    return MakeCriterion(calculatePoints ? kColumnPoints : kColumnPercentage, ScopeOverall, sport,
                         true);
}

std::vector<TSortColumn> OfferedCriteria(int sport, bool overtime) {
    std::vector<std::pair<int, int>> list;
    switch (NormalizeSport(sport)) {
    case SportSoccer:
    case SportFutsal:
    case SportHockey:
    case SportBandy:
    case SportHandball:
    case SportWaterPolo:
        list = {{kColumnTotalWins, ScopeOverall},
                {kColumnAmongThemWins, ScopeOverall},
                {kColumnGoalsFor, ScopeOverall},
                {kColumnGoalsFor, ScopeAway},
                {kColumnAmongThemGoalsFor, ScopeOverall},
                {kColumnAmongThemGoalsFor, ScopeAway},
                {kColumnAmongThemPoints, ScopeOverall},
                {kColumnGoalDifference, ScopeOverall},
                {kColumnAmongThemGoalDifference, ScopeOverall}};
        // The NHL ranks by regulation wins first (since 2019-20), and before that by
        // regulation and overtime wins.
        if (NormalizeSport(sport) == SportHockey && overtime)
            list.insert(list.end(), {{kColumnRegulationOvertimeWins, ScopeOverall},
                                     {kColumnRegulationWins, ScopeOverall}});
        break;
    case SportBasketball:
    case SportUSFootball:
        list = {{kColumnAmongThemWins, ScopeOverall},
                {kColumnGoalDifference, ScopeOverall},
                {kColumnAmongThemGoalDifference, ScopeOverall},
                {kColumnGoalsFor, ScopeOverall},
                {kColumnGoalsFor, ScopeAway},
                {kColumnAmongThemGoalsFor, ScopeOverall},
                {kColumnAmongThemGoalsFor, ScopeAway}};
        break;
    case SportVolleyball:
    case SportTennis:
        list = {{kColumnAmongThemPoints, ScopeOverall},
                {kColumnGoalDifference, ScopeOverall},
                {kColumnAmongThemGoalDifference, ScopeOverall},
                {kColumnGoalsFor, ScopeOverall},
                {kColumnGoalsFor, ScopeAway},
                {kColumnAmongThemGoalsFor, ScopeOverall},
                {kColumnAmongThemGoalsFor, ScopeAway}};
        break;
    case SportChess:
        list = {{kColumnAmongThemPoints, ScopeOverall}};
        break;
    case SportBaseball:
        list = {{kColumnAmongThemWins, ScopeOverall},
                {kColumnGoalDifference, ScopeOverall},
                {kColumnGoalsFor, ScopeOverall}};
        break;
    default:
        break;
    }
    std::vector<TSortColumn> out;
    for (const auto& [column, scope] : list)
        out.push_back(MakeCriterion(column, scope, sport, true));
    return out;
}

} // namespace kv

namespace kv {

std::vector<TSortColumn> ProposedCriteria(int sport, bool overtime) {
    std::vector<int> columns;
    switch (NormalizeSport(sport)) {
    case SportSoccer:
    case SportFutsal:
    case SportHockey:
    case SportBandy:
    case SportHandball:
    case SportWaterPolo:
        columns = {kColumnGoalDifference, kColumnGoalsFor, kColumnAmongThemPoints,
                   kColumnAmongThemGoalDifference, kColumnAmongThemGoalsFor};
        break;
    case SportBasketball:
    case SportUSFootball:
        columns = {kColumnAmongThemWins, kColumnAmongThemGoalDifference, kColumnGoalDifference,
                   kColumnGoalsFor};
        break;
    case SportVolleyball:
    case SportTennis:
        columns = {kColumnAmongThemPoints, kColumnGoalDifference, kColumnGoalsFor};
        break;
    case SportChess:
        columns = {kColumnAmongThemPoints};
        break;
    case SportBaseball:
        columns = {kColumnAmongThemWins, kColumnGoalDifference};
        break;
    default:
        break;
    }
    const std::vector<TSortColumn> offered = OfferedCriteria(sport, overtime);
    std::vector<TSortColumn> out;
    for (const int column : columns)
        for (const TSortColumn& c : offered)
            if (c.Column == column && c.Scope == ScopeOverall) out.push_back(c);
    return out;
}

} // namespace kv
