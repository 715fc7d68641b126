#include "standings/column_catalog.h"
#include "standings/rank_keys.h"
#include "standings/ranking.h"
#include "standings/statistics.h"
#include "standings/team_values.h"

#include <QHash>

#include <algorithm>
#include <numeric>

// Head-to-head among the teams still level, as FIFA group stages and UEFA competitions rank:
// a set of level teams is split criterion by criterion; a head-to-head criterion counts only
// the matches among the set's own teams, and every smaller set that is still level starts
// again, among itself alone.
namespace kv {

namespace {

class TLevelRanker {
public:
    TLevelRanker(const TTournament& t, const TGroup& table, std::span<const TTeam* const> teams,
                 int scope)
        : t_(t), teams_(teams), scope_(scope) {
        keys_.reserve(teams.size());
        QHash<int, int> byId;
        for (size_t i = 0; i < teams.size(); ++i) {
            keys_.push_back(RankKeyOf(t, teams[i], i, scope, &table.TieOrder));
            byId.insert(teams[i]->Id, static_cast<int>(i));
        }
        for (const TMatch* m : table.Matches()) {
            if (!MatchCounts(t, *m)) continue;
            const int home = byId.value(m->HomeTeamId, -1);
            const int visitor = byId.value(m->VisitorTeamId, -1);
            if (home >= 0 && visitor >= 0 && home != visitor)
                matches_.push_back({m, home, visitor});
        }
        order_.resize(teams.size());
        std::iota(order_.begin(), order_.end(), size_t{0});
        reasons_.resize(teams.size());
        slot_.assign(teams.size(), -1);
    }

    TStandingsOrder Rank() {
        const size_t n = order_.size();
        if (!AnyPlayed(teams_)) {
            std::stable_sort(order_.begin(), order_.end(), [&](size_t a, size_t b) {
                return teams_[a]->OrderNumber < teams_[b]->OrderNumber;
            });
            for (size_t p = 0; p + 1 < n; ++p)
                reasons_[p].Kind = TPlaceReason::Entry;
            return Result();
        }
        const auto playedEnd = std::stable_partition(order_.begin(), order_.end(),
                                                     [&](size_t k) { return keys_[k].Played; });
        const auto played = static_cast<size_t>(playedEnd - order_.begin());
        std::sort(playedEnd, order_.end(), [&](size_t a, size_t b) { return Unplayed(a, b) < 0; });
        if (played > 0 && played < n) reasons_[played - 1].Kind = TPlaceReason::Played;
        for (size_t p = played; p + 1 < n; ++p)
            Unplayed(order_[p], order_[p + 1], &reasons_[p].Kind);
        if (t_.RankLeadersUp) {
            const auto leadersEnd = std::stable_partition(
                order_.begin(), playedEnd, [&](size_t k) { return keys_[k].LeaderClass == 0; });
            const auto leaders = static_cast<size_t>(leadersEnd - order_.begin());
            if (leaders > 0 && leaders < played)
                reasons_[leaders - 1].Kind = TPlaceReason::DivisionLeader;
            Levels(0, leaders);
            Levels(leaders, played);
        } else {
            Levels(0, played);
        }
        return Result();
    }

private:
    struct TCounted {
        const TMatch* Match;
        int Home;
        int Visitor;
    };
    struct TAmong {
        TVenueStats Home;
        TVenueStats Away;
    };

    // Teams without matches: by name.
    int Unplayed(size_t a, size_t b, TPlaceReason::TKind* why = nullptr) const {
        if (const int c = CompareTeamNames(*teams_[a], *teams_[b])) {
            if (why) *why = TPlaceReason::NoMatches;
            return c;
        }
        return CompareLevelTeams(keys_[a], keys_[b], why);
    }

    // The among-them figures of the teams at positions lo..hi - 1, from their matches alone.
    std::vector<TAmong> AmongThem(size_t lo, size_t hi) {
        std::vector<TAmong> among(hi - lo);
        for (size_t p = lo; p < hi; ++p)
            slot_[order_[p]] = static_cast<int>(p - lo);
        for (const TCounted& c : matches_) {
            const int home = slot_[static_cast<size_t>(c.Home)];
            const int visitor = slot_[static_cast<size_t>(c.Visitor)];
            if (home >= 0 && visitor >= 0)
                AddAmongThem(t_, *c.Match, among[static_cast<size_t>(home)].Home,
                             among[static_cast<size_t>(visitor)].Away);
        }
        for (size_t p = lo; p < hi; ++p)
            slot_[order_[p]] = -1;
        return among;
    }

    static double AmongValue(const TAmong& a, int scope, int column) {
        if (scope == ScopeHome) return AmongThemValue(a.Home, column);
        if (scope == ScopeAway) return AmongThemValue(a.Away, column);
        TVenueStats both = a.Home;
        both.H2HPoints += a.Away.H2HPoints;
        both.H2HGoalsFor += a.Away.H2HGoalsFor;
        both.H2HGoalsAgainst += a.Away.H2HGoalsAgainst;
        both.H2HWins += a.Away.H2HWins;
        both.H2HDraws += a.Away.H2HDraws;
        both.H2HLosses += a.Away.H2HLosses;
        return AmongThemValue(both, column);
    }

    // Orders positions lo..hi - 1, teams level on every criterion before them.
    void Levels(size_t lo, size_t hi) {
        if (hi - lo < 2) return;
        std::vector<TAmong> among;
        bool amongKnown = false;
        std::vector<std::pair<double, size_t>> values(hi - lo);
        for (size_t i = 0; i < t_.SortCriteria.size(); ++i) {
            const TSortColumn& c = t_.SortCriteria[i];
            const bool headToHead = IsAmongThemColumn(c.Column);
            if (headToHead && !amongKnown) {
                among = AmongThem(lo, hi);
                amongKnown = true;
            }
            const int scope = scope_ == ScopeOverall ? c.Scope : scope_;
            for (size_t p = lo; p < hi; ++p) {
                const size_t k = order_[p];
                values[p - lo] = {
                    headToHead
                        ? RankableValue(AmongValue(among[p - lo], scope, c.Column), c.Descending)
                        : keys_[k].Values[i],
                    k};
            }
            std::stable_sort(values.begin(), values.end(), [&](const auto& a, const auto& b) {
                return c.Descending ? a.first > b.first : a.first < b.first;
            });
            if (values.front().first == values.back().first)
                continue; // nobody separated: the next criterion
            for (size_t p = lo; p < hi; ++p)
                order_[p] = values[p - lo].second;
            size_t runStart = lo;
            for (size_t p = lo + 1; p <= hi; ++p) {
                if (p < hi && values[p - lo].first == values[p - 1 - lo].first) continue;
                if (p < hi) {
                    TPlaceReason& r = reasons_[p - 1];
                    r.Kind = TPlaceReason::ByCriterion;
                    r.Criterion = static_cast<int>(i);
                    r.Value = values[p - 1 - lo].first;
                    r.NextValue = values[p - lo].first;
                    r.LevelTeams = headToHead ? static_cast<int>(hi - lo) : 0;
                }
                Levels(runStart, p); // a smaller set still level: again, among itself alone
                runStart = p;
            }
            return;
        }
        std::sort(order_.begin() + static_cast<std::ptrdiff_t>(lo),
                  order_.begin() + static_cast<std::ptrdiff_t>(hi),
                  [&](size_t a, size_t b) { return CompareLevelTeams(keys_[a], keys_[b]) < 0; });
        for (size_t p = lo; p + 1 < hi; ++p)
            CompareLevelTeams(keys_[order_[p]], keys_[order_[p + 1]], &reasons_[p].Kind);
    }

    TStandingsOrder Result() const {
        TStandingsOrder out;
        out.Teams.reserve(order_.size());
        for (const size_t k : order_)
            out.Teams.push_back(teams_[k]);
        out.Reasons = reasons_;
        if (!out.Reasons.empty()) out.Reasons.back() = TPlaceReason{};
        return out;
    }

    const TTournament& t_;
    std::span<const TTeam* const> teams_;
    const int scope_;
    std::vector<TRankKey> keys_;
    std::vector<TCounted> matches_;
    std::vector<size_t> order_;         // key indexes in standings order
    std::vector<TPlaceReason> reasons_; // by position: against the team below
    std::vector<int> slot_;             // key index -> position in the set being counted
};

} // namespace

TStandingsOrder RankStillLevel(const TTournament& t, const TGroup& table,
                               std::span<const TTeam* const> teams, int scope) {
    return TLevelRanker(t, table, teams, scope).Rank();
}

} // namespace kv
