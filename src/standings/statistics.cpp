#include "standings/statistics.h"

#include "base/formats.h"
#include "standings/match_order.h"
#include "standings/ranking.h"
#include "standings/team_values.h"

#include <QHash>

#include <algorithm>

namespace kv {

namespace {

// Finds a team by id: a direct index when the ids are dense, else a hash.
class TTeamSlots {
public:
    explicit TTeamSlots(std::span<const TTeam* const> teams) : teams_(teams) {
        int lo = 0, hi = -1;
        for (const TTeam* team : teams) {
            if (hi < lo) {
                lo = hi = team->Id;
            } else {
                lo = std::min(lo, team->Id);
                hi = std::max(hi, team->Id);
            }
        }
        const qint64 span = static_cast<qint64>(hi) - lo + 1;
        if (!teams.empty() && span <= 4096) {
            base_ = lo;
            dense_.assign(static_cast<size_t>(span), -1);
            for (size_t i = 0; i < teams.size(); ++i)
                dense_[static_cast<size_t>(teams[i]->Id - lo)] = static_cast<int>(i);
        } else {
            for (size_t i = 0; i < teams.size(); ++i)
                sparse_.insert(teams[i]->Id, static_cast<int>(i));
        }
    }

    // The team's position in the list, -1 when it is not there.
    int IndexOf(int id) const {
        if (!dense_.empty()) {
            const qint64 i = static_cast<qint64>(id) - base_;
            return i >= 0 && i < static_cast<qint64>(dense_.size()) ? dense_[static_cast<size_t>(i)]
                                                                    : -1;
        }
        return sparse_.value(id, -1);
    }

    const TTeam* Find(int id) const {
        const int i = IndexOf(id);
        return i < 0 ? nullptr : teams_[static_cast<size_t>(i)];
    }

private:
    std::span<const TTeam* const> teams_;
    int base_ = 0;
    std::vector<int> dense_;
    QHash<int, int> sparse_;
};

void ClearOwnPlaces(TTeamStats& s, TGroupKind kind) {
    switch (kind) {
    case KindGroup:
        s.GroupPlace.fill(0);
        break;
    case KindConference:
        s.ConferencePlace.fill(0);
        break;
    default:
        s.JointPlace.fill(0);
        break;
    }
}

void ResultsPass(const TTournament& t, const TMatch& m, TVenueStats& h, TVenueStats& v) {
    h.GoalsFor += m.HomeScore;
    h.GoalsAgainst += m.VisitorScore;
    v.GoalsFor += m.VisitorScore;
    v.GoalsAgainst += m.HomeScore;
    if (m.HasAttendance()) {
        h.AttendanceSum += m.Attendance;
        v.AttendanceSum += m.Attendance;
    }
    if (m.TechnicalLoss == 1) {
        v.Wins += 1;
        h.Losses += 1;
        h.PenaltyPoints += t.ForfeitPenalty;
        return;
    }
    if (m.TechnicalLoss == 2) {
        h.Wins += 1;
        v.Losses += 1;
        v.PenaltyPoints += t.ForfeitPenalty;
        return;
    }
    if (m.HomeScore == m.VisitorScore || m.DecidedIn == 1 || m.DecidedIn == 2) {
        h.ExtraTimeMatches += 1;
        v.ExtraTimeMatches += 1;
    }
    TVenueStats* winner = nullptr;
    TVenueStats* loser = nullptr;
    if (m.HomeScore > m.VisitorScore) {
        winner = &h;
        loser = &v;
    } else if (m.VisitorScore > m.HomeScore) {
        winner = &v;
        loser = &h;
    }
    if (winner) {
        switch (m.DecidedIn) {
        case 1:
            winner->OTWins += 1;
            loser->OTLosses += 1;
            break;
        case 2:
            winner->SOWins += 1;
            loser->SOLosses += 1;
            break;
        default:
            winner->Wins += 1;
            loser->Losses += 1;
            break;
        }
    } else if (m.DecidedIn == 0) {
        h.Draws += 1;
        v.Draws += 1;
    } else if (m.DecidedIn == 1) {
        h.OTDraws += 1;
        v.OTDraws += 1;
    }
}

} // namespace

void AddAmongThem(const TTournament& t, const TMatch& m, TVenueStats& h, TVenueStats& v) {
    h.H2HGoalsFor += m.HomeScore;
    h.H2HGoalsAgainst += m.VisitorScore;
    v.H2HGoalsFor += m.VisitorScore;
    v.H2HGoalsAgainst += m.HomeScore;
    if (m.TechnicalLoss == 1) {
        v.H2HWins += 1;
        h.H2HLosses += 1;
        return;
    }
    if (m.TechnicalLoss == 2) {
        h.H2HWins += 1;
        v.H2HLosses += 1;
        return;
    }
    const double win[3] = {t.WinPoints, t.WinOTPoints, t.WinSOPoints};
    const double loss[3] = {t.LossPoints, t.LossOTPoints, t.LossSOPoints};
    const int d = m.DecidedIn <= 2 ? m.DecidedIn : 0;
    if (m.HomeScore != m.VisitorScore) {
        TVenueStats& winner = m.HomeScore > m.VisitorScore ? h : v;
        TVenueStats& loser = m.HomeScore > m.VisitorScore ? v : h;
        winner.H2HWins += 1;
        winner.H2HPoints += win[d];
        loser.H2HLosses += 1;
        loser.H2HPoints += loss[d];
    } else {
        h.H2HDraws += 1;
        v.H2HDraws += 1;
        if (d != 2) {
            h.H2HPoints += t.DrawPoints;
            v.H2HPoints += t.DrawPoints;
        }
    }
}

namespace {

void StorePlaces(const TTournament& t, const TGroup& table) {
    std::vector<const TTeam*> order = ListOf(table.Teams());
    for (const int scope : {ScopeHome, ScopeAway, ScopeOverall}) {
        OrderByStandings(t, table, order, scope);
        for (size_t i = 0; i < order.size(); ++i) {
            TTeamStats& s = order[i]->Stats;
            const auto place = static_cast<int>(i) + 1;
            const auto index = static_cast<size_t>(scope);
            switch (table.Kind) {
            case KindGroup:
                s.GroupPlace[index] = place;
                break;
            case KindConference:
                s.ConferencePlace[index] = place;
                break;
            default:
                s.JointPlace[index] = place;
                break;
            }
        }
    }
}

} // namespace

bool MatchCounts(const TTournament& t, const TMatch& m) {
    return m.Played && t.MatchFilter.Passes(m);
}

void RecomputeTable(const TTournament& t, const TGroup& table) {
    const std::span<const TTeam* const> teams = table.Teams();
    for (const TTeam* team : teams) {
        team->Stats.Home = TVenueStats{};
        team->Stats.Away = TVenueStats{};
        team->Stats.TableKind = table.Kind;
        ClearOwnPlaces(team->Stats, table.Kind);
    }
    const TTeamSlots teamIndex(teams);
    const bool filtered = t.MatchFilter.IsSet();
    struct TCounted {
        const TMatch* Match;
        int Home;
        int Visitor;
    };
    std::vector<TCounted> counted;
    counted.reserve(table.Matches().size());
    for (const TMatch* m : table.Matches()) {
        if (!m->Played || (filtered && !t.MatchFilter.Passes(*m))) continue;
        const int home = teamIndex.IndexOf(m->HomeTeamId);
        const int visitor = teamIndex.IndexOf(m->VisitorTeamId);
        if (home < 0 || visitor < 0 || home == visitor) continue;
        ResultsPass(t, *m, teams[static_cast<size_t>(home)]->Stats.Home,
                    teams[static_cast<size_t>(visitor)]->Stats.Away);
        counted.push_back({m, home, visitor});
    }
    // Among them: only matches between teams exactly level on overall points take part,
    // so the figures of every group of level teams form their own mini-table.
    std::vector<double> points(teams.size());
    for (size_t i = 0; i < teams.size(); ++i)
        points[i] = Points(t, *teams[i], ScopeOverall);
    for (const TCounted& c : counted) {
        const auto h = static_cast<size_t>(c.Home);
        const auto v = static_cast<size_t>(c.Visitor);
        if (points[h] == points[v])
            AddAmongThem(t, *c.Match, teams[h]->Stats.Home, teams[v]->Stats.Away);
    }
    StorePlaces(t, table);
}

void StoreTablePlaces(const TTournament& t, const TGroup& table) {
    for (const TTeam* team : table.Teams()) {
        team->Stats.TableKind = table.Kind;
        ClearOwnPlaces(team->Stats, table.Kind);
    }
    StorePlaces(t, table);
}

bool HasResults(const TGroup& table) {
    return std::any_of(table.Teams().begin(), table.Teams().end(), [](const TTeam* team) {
        return team->Stats.Home.Played() + team->Stats.Away.Played() > 0;
    });
}

namespace {

template <typename Key, typename Progress, typename KeyOf, typename Has>
void ComputeProgress(const TTournament& t, int orderKey, Progress TTeamStats::*member, KeyOf keyOf,
                     Has has) {
    const TGroup& joint = t.JointTable();
    for (const TTeam* team : joint.Teams())
        (team->Stats.*member).Clear();
    std::vector<const TMatch*> matches = ListOf(joint.Matches());
    OrderMatches(matches, {orderKey}, false);
    const TTeamSlots teamIndex(joint.Teams());
    for (const TMatch* m : matches) {
        if (!m->Played || !has(*m)) continue;
        for (const int id : {m->HomeTeamId, m->VisitorTeamId}) {
            const TTeam* team = teamIndex.Find(id);
            if (!team) continue;
            Progress& p = team->Stats.*member;
            p.Record(static_cast<Key>(keyOf(*m)), p.Last() + PointsInMatch(t, *m, id));
        }
    }
}

} // namespace

void ComputeProgressByMatchday(const TTournament& t) {
    ComputeProgress<int>(
        t, MatchKeyMatchday, &TTeamStats::ByMatchday, [](const TMatch& m) { return m.Matchday; },
        [](const TMatch& m) { return m.HasMatchday(); });
}

void ComputeProgressByDate(const TTournament& t) {
    ComputeProgress<double>(
        t, MatchKeyDate, &TTeamStats::ByDate, [](const TMatch& m) { return DayPart(m.Date); },
        [](const TMatch& m) { return m.HasDate; });
}

void ComputeScoreStatistics(const TTournament& t) {
    const TGroup& joint = t.JointTable();
    for (const TTeam* team : joint.Teams())
        team->Stats.Scores.clear();
    const TTeamSlots teamIndex(joint.Teams());
    const auto record = [](const TTeam* team, double a, double b, bool home) {
        const double high = std::max(a, b);
        const double low = std::min(a, b);
        for (TStatsScore& s : team->Stats.Scores) {
            if (s.High == high && s.Low == low) {
                (home ? s.HomeCount : s.AwayCount) += 1;
                return;
            }
        }
        team->Stats.Scores.push_back({high, low, home ? 1 : 0, home ? 0 : 1});
    };
    for (const TMatch* m : joint.Matches()) {
        if (!MatchCounts(t, *m) || m->IsForfeited()) continue;
        if (const TTeam* home = teamIndex.Find(m->HomeTeamId))
            record(home, m->VisitorScore, m->HomeScore, true);
        if (const TTeam* visitor = teamIndex.Find(m->VisitorTeamId))
            record(visitor, m->HomeScore, m->VisitorScore, false);
    }
}

void ComputeRefereeStatistics(const TTournament& t) {
    const TGroup& joint = t.JointTable();
    if (t.Referees.empty()) return;
    for (const TTeam* team : joint.Teams())
        team->Stats.Referees.clear();
    const TTeamSlots teamIndex(joint.Teams());
    for (const TMatch* m : joint.Matches()) {
        if (!MatchCounts(t, *m) || m->RefereeIds.isEmpty()) continue;
        for (const int id : {m->HomeTeamId, m->VisitorTeamId}) {
            const TTeam* team = teamIndex.Find(id);
            if (!team) continue;
            for (qsizetype i = 0; i < m->RefereeIds.size(); ++i) {
                const int referee = m->RefereeIds[i];
                auto& list = team->Stats.Referees;
                auto it = std::find_if(list.begin(), list.end(), [referee](const TStatsReferee& r) {
                    return r.RefereeId == referee;
                });
                if (it == list.end()) {
                    list.push_back({referee, 0, 0});
                    it = list.end() - 1;
                }
                (i == 0 ? it->MainCount : it->AssistantCount) += 1;
            }
        }
    }
}

TTableTotals TableTotals(const TTournament& t, const TGroup& table) {
    TTableTotals totals;
    for (const TMatch* m : table.Matches()) {
        if (!MatchCounts(t, *m)) continue;
        totals.Matches += 1;
        totals.HomeScore += m->HomeScore;
        totals.AwayScore += m->VisitorScore;
        if (m->HasAttendance()) totals.Attendance += m->Attendance;
        if (m->HomeScore == m->VisitorScore) {
            totals.Draws += 1;
            if (m->DecidedIn == 1) totals.OvertimeMatches += 1;
            continue;
        }
        const bool homeWon = m->HomeScore > m->VisitorScore;
        if (m->DecidedIn == 0) {
            (homeWon ? totals.HomeWins : totals.AwayWins) += 1;
        } else if (m->DecidedIn == 1) {
            (homeWon ? totals.HomeWinsOT : totals.AwayWinsOT) += 1;
            totals.OvertimeMatches += 1;
        }
    }
    return totals;
}

} // namespace kv
