#include "standings/ranking.h"

#include "base/language.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/team_values.h"

#include <algorithm>

namespace kv {

namespace {

struct TRankKey {
    const TTeam* Team;
    size_t Index; // position in the list being ordered
    bool Played;
    int LeaderClass; // 0 division leader, 1 other, 2 no place
    std::vector<double> Values;
};

int CompareNames(const TTeam& a, const TTeam& b) {
    const int c = QString::localeAwareCompare(a.Name, b.Name);
    if (c != 0)
        return c;
    return a.Name.compare(b.Name);
}

int CompareKeys(const TTournament& t, const TRankKey& a, const TRankKey& b) {
    if (a.Team == b.Team)
        return 0;
    if (a.Played != b.Played)
        return a.Played ? -1 : 1;
    if (!a.Played) {
        if (const int c = CompareNames(*a.Team, *b.Team))
            return c;
    }
    if (a.LeaderClass != 2 && b.LeaderClass != 2 && a.LeaderClass != b.LeaderClass)
        return a.LeaderClass < b.LeaderClass ? -1 : 1;
    for (size_t i = 0; i < a.Values.size(); ++i) {
        const double x = a.Values[i];
        const double y = b.Values[i];
        if (x == y)
            continue;
        const bool descending = t.SortCriteria[i].Descending;
        return (x < y) == descending ? 1 : -1;
    }
    if (const int c = CompareNames(*a.Team, *b.Team))
        return c;
    return a.Team->Id < b.Team->Id ? -1 : (a.Team->Id > b.Team->Id ? 1 : 0);
}

TRankKey KeyOf(const TTournament& t, const TTeam* team, size_t index, int scope) {
    TRankKey k{team, index, MatchesPlayed(*team, scope) > 0, 2, {}};
    if (t.RankLeadersUp) {
        const int place = PlaceIn(*team, KindGroup, scope);
        k.LeaderClass = place == 0 ? 2 : (place == 1 ? 0 : 1);
    }
    k.Values.reserve(t.SortCriteria.size());
    for (const TSortColumn& c : t.SortCriteria)
        k.Values.push_back(ColumnValue(t, *team, c.Column, scope == ScopeOverall ? c.Scope : scope));
    return k;
}

bool AnyPlayed(const std::vector<TTeam*>& teams) {
    return std::any_of(teams.begin(), teams.end(),
                       [](const TTeam* team) { return MatchesPlayed(*team, ScopeOverall) > 0; });
}

} // namespace

int CompareStandings(const TTournament& t, const TTeam& a, const TTeam& b, int scope) {
    return CompareKeys(t, KeyOf(t, &a, 0, scope), KeyOf(t, &b, 1, scope));
}

void OrderByEntry(std::vector<TTeam*>& teams) {
    std::stable_sort(teams.begin(), teams.end(), [](const TTeam* a, const TTeam* b) {
        return a->OrderNumber < b->OrderNumber;
    });
}

void OrderByStandings(const TTournament& t, std::vector<TTeam*>& teams, int scope) {
    if (!AnyPlayed(teams)) {
        OrderByEntry(teams);
        return;
    }
    std::vector<TRankKey> keys;
    keys.reserve(teams.size());
    for (size_t i = 0; i < teams.size(); ++i)
        keys.push_back(KeyOf(t, teams[i], i, scope));
    std::sort(keys.begin(), keys.end(),
              [&](const TRankKey& a, const TRankKey& b) { return CompareKeys(t, a, b) < 0; });
    const std::vector<TTeam*> before = teams;
    for (size_t i = 0; i < keys.size(); ++i)
        teams[i] = before[keys[i].Index];
}

void OrderByColumn(const TTournament& t, std::vector<TTeam*>& teams, int column, int scope,
                   bool descending) {
    std::vector<std::pair<double, TTeam*>> keys;
    keys.reserve(teams.size());
    for (TTeam* team : teams)
        keys.emplace_back(ColumnValue(t, *team, column, scope), team);
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return descending ? a.first > b.first : a.first < b.first;
        const int c = CompareNames(*a.second, *b.second);
        return c != 0 ? c < 0 : a.second->Id < b.second->Id;
    });
    for (size_t i = 0; i < keys.size(); ++i)
        teams[i] = keys[i].second;
}

void SortTable(const TTournament& t, TGroup& table) {
    std::vector<TTeam*> order = table.Teams();
    const TSortState& s = t.SortState;
    if (s.Column == -2)
        OrderByEntry(order);
    else if (s.Column >= 0)
        OrderByColumn(t, order, s.Column, s.Venue, s.Descending);
    else
        OrderByStandings(t, order, s.Venue);
    table.SetTeamOrder(std::move(order));
}

TSortColumn MakeCriterion(int column, int scope, int sport, bool descending, bool hasConferences,
                          bool hasGroups) {
    TSortColumn c;
    c.Column = column;
    c.Scope = scope;
    c.Descending = descending;
    c.Name = ColumnFullName(column, sport, hasConferences, hasGroups);
    if (scope == ScopeAway)
        c.Name += QLatin1Char(' ') + LangText(7704, "Away from Home");
    return c;
}

TSortColumn MainCriterion(bool calculatePoints, int sport) {
    return MakeCriterion(calculatePoints ? kColumnPoints : kColumnPercentage, ScopeOverall, sport, true);
}

std::vector<TSortColumn> OfferedCriteria(int sport) {
    std::vector<std::pair<int, int>> list;
    switch (NormalizeSport(sport)) {
    case SportSoccer:
    case SportFutsal:
    case SportHockey:
    case SportBandy:
    case SportHandball:
    case SportWaterPolo:
        list = {{1, 1}, {13, 1}, {17, 1}, {17, 3}, {25, 1}, {25, 3}, {45, 1}, {19, 1}, {27, 1}};
        break;
    case SportBasketball:
    case SportUSFootball:
        list = {{13, 1}, {19, 1}, {27, 1}, {17, 1}, {17, 3}, {25, 1}, {25, 3}};
        break;
    case SportVolleyball:
    case SportTennis:
        list = {{45, 1}, {19, 1}, {27, 1}, {17, 1}, {17, 3}, {25, 1}, {25, 3}};
        break;
    case SportChess:
        list = {{45, 1}};
        break;
    case SportBaseball:
        list = {{13, 1}, {19, 1}, {17, 1}};
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
