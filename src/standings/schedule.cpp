#include "standings/schedule.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <set>
#include <unordered_map>

namespace kv {

namespace {

struct TPair {
    int A = -1; // the lower id
    int B = -1;
    int Legs = 0;
    std::vector<int> FreeLegs; // legs without a match yet, ascending
    int HomesA = 0;            // existing matches with A at home
    int HomesB = 0;
};

qint64 PairKey(int a, int b) {
    return (static_cast<qint64>(std::min(a, b)) << 32) | static_cast<quint32>(std::max(a, b));
}

// Pairs by their key; a node map, so that the pointers the planners keep stay valid while
// pairs are added.
using TPairMap = std::unordered_map<qint64, TPair>;

// What the tournament already has of each pair among the teams.
TPairMap ExistingPairs(const TTournament& t) {
    TPairMap pairs;
    for (const TMatch* m : t.JointTable().Matches()) {
        TPair& p = pairs[PairKey(m->HomeTeamId, m->VisitorTeamId)];
        if (m->HomeTeamId < m->VisitorTeamId)
            ++p.HomesA;
        else
            ++p.HomesB;
    }
    return pairs;
}

std::vector<int> FreeLegsOf(const TPairLegIndex& existing, int a, int b, int legs) {
    std::vector<int> free;
    for (int leg = 1; leg <= legs; ++leg)
        if (!existing.Contains(a, b, leg)) free.push_back(leg);
    return free;
}

// Rounds of a single round robin by the circle method: team m - 1 stays put, the others turn
// round it. With this choice of venues every team but two has exactly one break.
std::vector<std::vector<std::pair<int, int>>> CircleRounds(int n) {
    const int m = n % 2 == 0 ? n : n + 1; // an odd group gets a resting slot
    const int turning = m - 1;
    std::vector<std::vector<std::pair<int, int>>> rounds(static_cast<size_t>(turning));
    for (int r = 0; r < turning; ++r) {
        auto& round = rounds[static_cast<size_t>(r)];
        const auto add = [&](int home, int visitor) {
            if (home < n && visitor < n) round.emplace_back(home, visitor);
        };
        if (r % 2 == 0)
            add(r, turning);
        else
            add(turning, r);
        for (int k = 1; k < m / 2; ++k) {
            const int a = (r + k) % turning;
            const int b = (r - k + turning) % turning;
            if (k % 2 == 1)
                add(a, b);
            else
                add(b, a);
        }
    }
    return rounds;
}

// The venues of a pair's missing legs: each side hosts half the legs, and an odd leg left
// over goes to `oddHome` (the Euler tour's choice), or to the side hosting less so far.
std::vector<std::pair<int, int>> PairVenues(const TPair& p, int oddHome) {
    const int half = p.Legs / 2;
    const int limit = (p.Legs + 1) / 2;
    int hostedA = p.HomesA;
    int hostedB = p.HomesB;
    bool aNext = hostedA <= hostedB;
    std::vector<std::pair<int, int>> venues;
    for (size_t i = 0; i < p.FreeLegs.size(); ++i) {
        const bool needA = hostedA < half;
        const bool needB = hostedB < half;
        bool aHome = needA && needB ? aNext : needA ? true : needB ? false : oddHome != p.B;
        if (aHome && hostedA >= limit)
            aHome = false;
        else if (!aHome && hostedB >= limit)
            aHome = true;
        ++(aHome ? hostedA : hostedB);
        venues.emplace_back(aHome ? p.A : p.B, aHome ? p.B : p.A);
        aNext = !aHome;
    }
    return venues;
}

// Orients the edges so that no vertex has more than one edge out than in, or the reverse:
// walk Euler circuits, with the odd vertices first joined to a virtual one. Returns, per
// edge, its first end when the edge points from it.
std::vector<int> EulerOrientation(const std::vector<std::pair<int, int>>& edges) {
    QHash<int, std::vector<size_t>> around; // edge indices at each vertex
    std::vector<std::pair<int, int>> all = edges;
    for (size_t i = 0; i < all.size(); ++i) {
        around[all[i].first].push_back(i);
        around[all[i].second].push_back(i);
    }
    constexpr int kVirtual = -1000000;
    std::vector<int> odd;
    for (auto it = around.cbegin(); it != around.cend(); ++it)
        if (it.value().size() % 2 == 1) odd.push_back(it.key());
    std::sort(odd.begin(), odd.end());
    for (const int v : odd) {
        around[v].push_back(all.size());
        around[kVirtual].push_back(all.size());
        all.emplace_back(v, kVirtual);
    }
    std::vector<char> used(all.size(), 0);
    std::vector<int> from(all.size(), 0);
    QHash<int, size_t> next; // how far each vertex's list has been walked
    std::vector<int> starts;
    for (auto it = around.cbegin(); it != around.cend(); ++it)
        starts.push_back(it.key());
    std::sort(starts.begin(), starts.end());
    for (const int start : starts) {
        int v = start;
        for (;;) {
            auto& list = around[v];
            size_t& at = next[v];
            while (at < list.size() && used[list[at]])
                ++at;
            if (at == list.size()) break;
            const size_t e = list[at];
            used[e] = 1;
            from[e] = v;
            v = all[e].first == v ? all[e].second : all[e].first;
        }
    }
    from.resize(edges.size());
    return from;
}

// The planned matches of one group tournament: the groups' rounds side by side.
std::vector<std::vector<TPlannedMatch>> GroupRounds(const TTournament& t,
                                                    const TPairLegIndex& existing,
                                                    const std::vector<std::vector<int>>& groups,
                                                    TPairMap& pairs) {
    std::vector<std::vector<TPlannedMatch>> days;
    for (const std::vector<int>& teams : groups) {
        const int n = static_cast<int>(teams.size());
        if (n < 2) continue;
        const int legs = t.LegsOfPair(teams[0], teams[1]);
        if (legs <= 0) continue;
        const auto rounds = CircleRounds(n);
        size_t slot = 0;
        for (int leg = 1; leg <= legs; ++leg) {
            for (const auto& round : rounds) {
                if (days.size() <= slot) days.resize(slot + 1);
                for (const auto& [h, v] : round) {
                    int home = teams[static_cast<size_t>(h)];
                    int visitor = teams[static_cast<size_t>(v)];
                    if (leg % 2 == 0) std::swap(home, visitor);
                    TPair& p = pairs[PairKey(home, visitor)];
                    if (existing.Contains(home, visitor, leg)) continue; // kept as it is
                    // A side that already hosts the pair as often as it may gives up the venue.
                    const int hosted = home == p.A ? p.HomesA : p.HomesB;
                    if (hosted >= (legs + 1) / 2) std::swap(home, visitor);
                    (home == p.A ? p.HomesA : p.HomesB) += 1;
                    days[slot].push_back({home, visitor, leg, 0});
                }
                ++slot;
            }
        }
    }
    return days;
}

// The planned matches of a tournament with conferences: greedily, one matchday at a time.
std::vector<std::vector<TPlannedMatch>> GreedyRounds(const TTournament& t,
                                                     const TPairLegIndex& existing,
                                                     const std::vector<int>& teams, TPairMap& pairs,
                                                     int& lowerBound) {
    std::vector<TPair*> open;
    for (size_t i = 0; i < teams.size(); ++i) {
        for (size_t j = i + 1; j < teams.size(); ++j) {
            const int a = std::min(teams[i], teams[j]);
            const int b = std::max(teams[i], teams[j]);
            const int legs = t.LegsOfPair(a, b);
            if (legs <= 0) continue;
            TPair& p = pairs[PairKey(a, b)];
            p.A = a;
            p.B = b;
            p.Legs = legs;
            p.FreeLegs = FreeLegsOf(existing, a, b, legs);
            if (!p.FreeLegs.empty()) open.push_back(&p);
        }
    }
    // Venues: the legs a pair plays an even number of times are split; the odd ones left over
    // are oriented along an Euler tour.
    std::vector<std::pair<int, int>> oddEdges;
    std::vector<TPair*> oddPairs;
    for (TPair* p : open) {
        const int half = p->Legs / 2;
        const int forced = std::max(0, half - p->HomesA) + std::max(0, half - p->HomesB);
        if (static_cast<int>(p->FreeLegs.size()) > forced) {
            oddEdges.emplace_back(p->A, p->B);
            oddPairs.push_back(p);
        }
    }
    const std::vector<int> oddFrom = EulerOrientation(oddEdges);
    QHash<TPair*, int> oddHome;
    for (size_t i = 0; i < oddPairs.size(); ++i)
        oddHome.insert(oddPairs[i], oddFrom[i]);

    struct TOpenFixture {
        int Home, Visitor, Leg;
    };
    std::vector<std::vector<TOpenFixture>> queue; // per pair, legs in order
    QHash<int, std::vector<size_t>> pairsOfTeam;
    QHash<int, int> left;
    for (TPair* p : open) {
        const auto venues = PairVenues(*p, oddHome.value(p, -1));
        std::vector<TOpenFixture> q;
        for (size_t i = 0; i < venues.size(); ++i)
            q.push_back({venues[i].first, venues[i].second, p->FreeLegs[i]});
        pairsOfTeam[p->A].push_back(queue.size());
        pairsOfTeam[p->B].push_back(queue.size());
        left[p->A] += static_cast<int>(q.size());
        left[p->B] += static_cast<int>(q.size());
        std::reverse(q.begin(), q.end()); // taken from the back
        queue.push_back(std::move(q));
    }
    lowerBound = 0;
    for (auto it = left.cbegin(); it != left.cend(); ++it)
        lowerBound = std::max(lowerBound, it.value());

    std::vector<int> order = teams;
    std::vector<std::vector<TPlannedMatch>> days;
    std::vector<int> lastSlotOfPair(queue.size(), -1);
    size_t remaining = 0;
    for (const auto& q : queue)
        remaining += q.size();
    while (remaining > 0) {
        const int slot = static_cast<int>(days.size());
        days.emplace_back();
        std::set<int> busy;
        std::stable_sort(order.begin(), order.end(),
                         [&](int x, int y) { return left.value(x) > left.value(y); });
        for (const int u : order) {
            if (busy.count(u) || left.value(u) == 0) continue;
            size_t best = queue.size();
            int bestLeft = -1;
            for (const size_t q : pairsOfTeam.value(u)) {
                if (queue[q].empty() || lastSlotOfPair[q] == slot) continue;
                const TOpenFixture& f = queue[q].back();
                const int v = f.Home == u ? f.Visitor : f.Home;
                if (busy.count(v)) continue;
                if (left.value(v) > bestLeft) {
                    bestLeft = left.value(v);
                    best = q;
                }
            }
            if (best == queue.size()) continue;
            const TOpenFixture f = queue[best].back();
            queue[best].pop_back();
            lastSlotOfPair[best] = slot;
            busy.insert(f.Home);
            busy.insert(f.Visitor);
            --left[f.Home];
            --left[f.Visitor];
            --remaining;
            days.back().push_back({f.Home, f.Visitor, f.Leg, 0});
        }
    }
    return days;
}

} // namespace

TSchedule PlanSchedule(const TTournament& t, const std::vector<int>& teams) {
    std::vector<int> scope = teams;
    if (scope.empty())
        for (const TTeam* team : t.JointTable().Teams())
            scope.push_back(team->Id);
    std::set<int> inScope(scope.begin(), scope.end());
    TPairMap pairs = ExistingPairs(t);
    TPairLegIndex existing;
    for (const TMatch* m : t.JointTable().Matches())
        existing.Insert(m->HomeTeamId, m->VisitorTeamId, m->Leg);
    for (auto& [key, p] : pairs) {
        p.A = static_cast<int>(key >> 32);
        p.B = static_cast<int>(key & 0xffffffff);
    }

    // The teams of each group within the scope, in the group's order.
    std::vector<std::vector<int>> groups;
    for (const auto& g : t.Groups()) {
        std::vector<int> members;
        for (const TTeam* team : g->Teams())
            if (inScope.count(team->Id)) members.push_back(team->Id);
        if (!members.empty()) groups.push_back(std::move(members));
    }
    for (const std::vector<int>& g : groups)
        for (size_t i = 0; i < g.size(); ++i)
            for (size_t j = i + 1; j < g.size(); ++j) {
                TPair& p = pairs[PairKey(g[i], g[j])];
                p.A = std::min(g[i], g[j]);
                p.B = std::max(g[i], g[j]);
            }

    TSchedule s;
    s.FirstMatchday = std::max(t.LastMatchday(), 0) + 1;
    std::vector<std::vector<TPlannedMatch>> days;
    if (!t.HasConferences() || groups.size() <= 1) {
        const bool partial = t.MatchCount() > 0;
        TPairMap greedyPairs = pairs; // the circle method changes the venue counts
        days = GroupRounds(t, existing, groups, pairs);
        QHash<int, int> games;
        for (const auto& slot : days)
            for (const TPlannedMatch& m : slot) {
                ++games[m.HomeTeamId];
                ++games[m.VisitorTeamId];
            }
        for (auto it = games.cbegin(); it != games.cend(); ++it)
            s.LowerBound = std::max(s.LowerBound, it.value());
        // Around matches already there the circle's rounds may be left half full: the greedy
        // plan is taken when it needs fewer matchdays.
        if (partial) {
            int bound = 0;
            auto greedy = GreedyRounds(t, existing, scope, greedyPairs, bound);
            const auto used = [](const std::vector<std::vector<TPlannedMatch>>& plan) {
                return std::count_if(plan.begin(), plan.end(),
                                     [](const auto& day) { return !day.empty(); });
            };
            if (used(greedy) < used(days)) days = std::move(greedy);
        }
    } else {
        days = GreedyRounds(t, existing, scope, pairs, s.LowerBound);
    }
    int matchday = s.FirstMatchday;
    for (auto& slot : days) {
        if (slot.empty()) continue; // every match of that round is there already
        for (TPlannedMatch& m : slot) {
            m.Matchday = matchday;
            s.Matches.push_back(m);
        }
        ++matchday;
        ++s.Matchdays;
    }
    return s;
}

double MatchdayDate(const TScheduleDates& dates, const TSchedule& schedule, int matchday) {
    const double step = std::max(1, dates.EveryDays);
    const auto skipped = [&dates](double day) {
        for (const auto& [first, last] : dates.Skipped)
            if (day >= first && day <= last) return true;
        return false;
    };
    double date = dates.FirstDate;
    // Each range is finite, so the steps out of skipped days end.
    while (skipped(date))
        date += step;
    for (int d = schedule.FirstMatchday; d < matchday; ++d) {
        date += step;
        while (skipped(date))
            date += step;
    }
    return date;
}

bool ParseSkippedDates(const QString& text, std::vector<std::pair<double, double>>& ranges,
                       QString& error) {
    ranges.clear();
    const QRegularExpression entries(QStringLiteral("[,;\\n]"));
    // A range's dash stands between blanks, so that ISO dates keep theirs.
    const QRegularExpression dash(
        QStringLiteral("\\s+[-\u2013\u2014]\\s+|\\s*\\.\\.\\s*|\\s+to\\s+|\\s+bis\\s+"),
        QRegularExpression::CaseInsensitiveOption);
    const auto read = [&dash](const QString& entry, double& first, double& last) {
        const QStringList ends = entry.split(dash);
        return ends.size() <= 2 && ParseDateText(ends.front().trimmed(), first) &&
               ParseDateText(ends.back().trimmed(), last);
    };
    const QStringList pieces = text.split(entries);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QString entry = pieces[i].trimmed();
        if (entry.isEmpty()) continue;
        double first = 0;
        double last = 0;
        bool ok = read(entry, first, last);
        // A comma inside a date ("Aug 13, 2026") joins it with the next piece.
        if (!ok && i + 1 < pieces.size() &&
            read(entry + QLatin1Char(',') + pieces[i + 1], first, last)) {
            entry += QLatin1Char(',') + pieces[++i];
            ok = true;
        }
        if (!ok) {
            error = Fmt(LangText(2043, "'%s' is not a date or a range of dates"), entry);
            return false;
        }
        if (last < first) {
            error = Fmt(LangText(2044, "The range '%s' ends before it begins"), entry.trimmed());
            return false;
        }
        ranges.emplace_back(DayPart(first), DayPart(last));
    }
    return true;
}

int AddSchedule(TTournament& t, const TSchedule& schedule, const TScheduleDates& dates) {
    // Grid positions handed out per ordered pair, as a results-grid cell lists them.
    QHash<qint64, std::vector<int>> positions;
    const auto orderedKey = [](int home, int visitor) {
        return (static_cast<qint64>(home) << 32) | static_cast<quint32>(visitor);
    };
    TPairLegIndex index;
    for (const TMatch* m : t.JointTable().Matches()) {
        index.Insert(m->HomeTeamId, m->VisitorTeamId, m->Leg);
        positions[orderedKey(m->HomeTeamId, m->VisitorTeamId)].push_back(m->GridPosition);
    }
    const int hosts = (t.JointTable().Legs + 1) / 2;
    int added = 0;
    for (const TPlannedMatch& p : schedule.Matches) {
        auto m = CreateMatch(t.Sport, -1, p.HomeTeamId, p.VisitorTeamId, p.Leg);
        std::vector<int>& taken = positions[orderedKey(p.HomeTeamId, p.VisitorTeamId)];
        const auto isTaken = [&](int pos) {
            return std::find(taken.begin(), taken.end(), pos) != taken.end();
        };
        int position = (p.Leg + 1) / 2;
        if (isTaken(position)) {
            position = -1;
            for (int k = std::max(1, p.Leg - hosts); k <= std::min(p.Leg, hosts); ++k)
                if (!isTaken(k)) {
                    position = k;
                    break;
                }
        }
        m->GridPosition = position;
        m->Matchday = p.Matchday;
        if (dates.HasDate) {
            m->HasDate = true;
            m->Date = MatchdayDate(dates, schedule, p.Matchday);
        }
        if (dates.HasTime) {
            m->HasTime = true;
            m->Time = dates.Time;
        }
        if (dates.HomeStadiums)
            if (const TTeam* home = t.TeamById(p.HomeTeamId)) m->StadiumId = home->HomeStadiumId;
        if (t.AddMatch(m, &index)) {
            taken.push_back(position);
            ++added;
        }
    }
    return added;
}

} // namespace kv
