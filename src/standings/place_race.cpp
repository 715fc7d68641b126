#include "standings/place_race.h"

#include "standings/race_sets.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <tuple>

namespace kv {

namespace {

using TOutcome = std::pair<qint64, qint64>;

// The largest whole number n with n / divisor <= num / den (den and divisor above zero). Points
// and match counts of a tournament keep the product far inside 64 bits.
qint64 FloorShare(qint64 num, qint64 den, qint64 divisor) {
    const qint64 product = num * divisor;
    qint64 q = product / den;
    if (product % den != 0 && product < 0) --q;
    return q;
}

// The smallest whole number n with n / divisor >= num / den.
qint64 CeilShare(qint64 num, qint64 den, qint64 divisor) {
    const qint64 product = num * divisor;
    qint64 q = product / den;
    if (product % den != 0 && product > 0) ++q;
    return q;
}

// One team's search: the fewest teams that must finish above it (best place) or the most that
// can finish level with it or above (worst place).
class TRaceSearch {
public:
    TRaceSearch(const TPlaceRace& race, int team, bool best, const std::atomic<bool>* cancel)
        : race_(race), team_(team), best_(best), cancel_(cancel), points_(race.Points) {
        for (const TOutcome& o : race.Outcomes)
            if (std::find(outcomes_.begin(), outcomes_.end(), o) == outcomes_.end())
                outcomes_.push_back(o);
        if (outcomes_.empty()) outcomes_.push_back({0, 0});
        minSide_ = maxSide_ = outcomes_.front().first;
        minTotal_ = maxTotal_ = outcomes_.front().first + outcomes_.front().second;
        for (const TOutcome& o : outcomes_) {
            minSide_ = std::min({minSide_, o.first, o.second});
            maxSide_ = std::max({maxSide_, o.first, o.second});
            minTotal_ = std::min(minTotal_, o.first + o.second);
            maxTotal_ = std::max(maxTotal_, o.first + o.second);
        }
    }

    // The place, or 0 when cancelled.
    int Run() {
        if (Cancelled()) return 0;
        std::vector<std::pair<int, int>> own;
        std::vector<std::pair<int, int>> rest;
        for (const auto& m : race_.Remaining) {
            if (m.first == m.second) continue;
            (m.first == team_ || m.second == team_ ? own : rest).push_back(m);
        }
        // The team's own matches: the outcome best (or worst) for it is, under every sane set
        // of rules, also the one worst (or best) for its opponent, and then settles them all.
        // Otherwise every combination of them is tried.
        if (const TOutcome* o = DominantOwnOutcome()) {
            for (const auto& m : own)
                Apply(m, m.first == team_ ? *o : TOutcome{o->second, o->first});
            return Finish(rest);
        }
        int result = best_ ? std::numeric_limits<int>::max() : 0;
        bool done = true;
        EachOwnCombination(own, 0, rest, result, done);
        return done ? result : 0;
    }

private:
    const TOutcome* DominantOwnOutcome() const {
        const TOutcome* chosen = &outcomes_.front();
        for (const TOutcome& o : outcomes_) {
            const bool better = best_ ? (o.first > chosen->first ||
                                         (o.first == chosen->first && o.second < chosen->second))
                                      : (o.first < chosen->first ||
                                         (o.first == chosen->first && o.second > chosen->second));
            if (better) chosen = &o;
        }
        const qint64 wanted = best_ ? minSide_ : maxSide_;
        return chosen->second == wanted ? chosen : nullptr;
    }

    void EachOwnCombination(const std::vector<std::pair<int, int>>& own, size_t at,
                            const std::vector<std::pair<int, int>>& rest, int& result, bool& done) {
        if (Cancelled()) {
            done = false;
            return;
        }
        if (at == own.size()) {
            TRaceSearch inner(*this);
            const int found = inner.Finish(rest);
            if (found == 0) done = false;
            result = best_ ? std::min(result, found) : std::max(result, found);
            return;
        }
        const auto& m = own[at];
        for (const TOutcome& o : outcomes_) {
            const TOutcome mine = m.first == team_ ? o : TOutcome{o.second, o.first};
            Apply(m, mine);
            EachOwnCombination(own, at + 1, rest, result, done);
            Unapply(m, mine);
        }
    }

    void Apply(const std::pair<int, int>& m, const TOutcome& o) {
        points_[static_cast<size_t>(m.first)] += o.first;
        points_[static_cast<size_t>(m.second)] += o.second;
    }
    void Unapply(const std::pair<int, int>& m, const TOutcome& o) {
        points_[static_cast<size_t>(m.first)] -= o.first;
        points_[static_cast<size_t>(m.second)] -= o.second;
    }

    bool Cancelled() const { return cancel_ && cancel_->load(std::memory_order_relaxed); }

    // With the team's own points final: the other teams' matches.
    int Finish(const std::vector<std::pair<int, int>>& rest) {
        const size_t n = points_.size();
        const qint64 num = points_[static_cast<size_t>(team_)];
        const qint64 den = race_.Divisor[static_cast<size_t>(team_)];
        // A team is past the line when it finishes above the team (best place) or level with
        // it or above (worst place): its points beyond `line_`.
        line_.assign(n, 0);
        for (size_t j = 0; j < n; ++j)
            line_[j] = best_ ? FloorShare(num, den, race_.Divisor[j])
                             : CeilShare(num, den, race_.Divisor[j]) - 1;
        // Settle what needs no search: a team past the line whatever happens, or short of it
        // whatever happens, decides nothing; its matches against an undecided team go the
        // way that is worst for the counted side (best place) or best for it (worst place).
        std::vector<std::pair<int, int>> open = rest;
        std::vector<TState> state(n, kOpen);
        state[static_cast<size_t>(team_)] = kOut;
        for (bool changed = true; changed;) {
            changed = false;
            std::vector<qint64> low(points_), high(points_);
            for (const auto& m : open) {
                for (const int s : {m.first, m.second}) {
                    low[static_cast<size_t>(s)] += minSide_;
                    high[static_cast<size_t>(s)] += maxSide_;
                }
            }
            for (size_t j = 0; j < n; ++j) {
                if (state[j] != kOpen) continue;
                if (low[j] > line_[j]) {
                    state[j] = kPast;
                    changed = true;
                } else if (high[j] <= line_[j]) {
                    state[j] = kOut;
                    changed = true;
                }
            }
            std::vector<std::pair<int, int>> still;
            for (const auto& m : open) {
                const bool a = state[static_cast<size_t>(m.first)] == kOpen;
                const bool b = state[static_cast<size_t>(m.second)] == kOpen;
                if (a && b) {
                    still.push_back(m);
                } else if (a || b) {
                    const int side = a ? m.first : m.second;
                    points_[static_cast<size_t>(side)] += best_ ? minSide_ : maxSide_;
                    changed = true;
                }
            }
            open = std::move(still);
        }
        int settled = 0;
        for (size_t j = 0; j < n; ++j)
            if (state[j] == kPast) ++settled;
        // The open teams' matches, the tightest teams first.
        remaining_.assign(n, 0);
        for (const auto& m : open) {
            ++remaining_[static_cast<size_t>(m.first)];
            ++remaining_[static_cast<size_t>(m.second)];
        }
        std::stable_sort(open.begin(), open.end(),
                         [&](const auto& x, const auto& y) { return Margin(x) < Margin(y); });
        matches_ = std::move(open);
        // Settled, no open team stands past the line yet: its lowest total is short of it.
        past_.assign(n, false);
        settled_ = settled;
        open_.clear();
        for (size_t j = 0; j < n; ++j)
            if (state[j] == kOpen) open_.push_back(static_cast<int>(j));
        found_ = best_ ? std::numeric_limits<int>::max() : -1;
        // Worst place: a completion found at once gives the search a mark to beat, and is often
        // already the answer the bound allows.
        if (!best_) {
            const int greedy = GreedyPassing();
            const auto [bound, together] = TogetherPassing(greedy);
            found_ = settled + std::max(greedy, together);
            // Nothing can do better than the bound: the search has nothing left to show.
            if (std::max(greedy, together) >= bound) return found_ + 1;
            // Few sets of the sizes between: each is tried on its own.
            const int sets = BySets(std::max(greedy, together), bound);
            if (sets >= 0) return stopped_ ? 0 : settled + sets + 1;
        }
        stopped_ = false;
        Search(0, settled);
        if (stopped_) return 0;
        return found_ + 1; // the teams counted, then the team itself
    }

    // Worst place: how many open teams one completion takes past the line. Built match by
    // match so that the teams still able to pass stay able, the one nearest to missing the line
    // keeping the most to spare (what its remaining matches can still give beyond what it
    // lacks). Teams that missed are then given up from the start, so that their matches serve
    // the others, and the completion is built again while that takes more teams past.
    int GreedyPassing() const {
        const size_t n = points_.size();
        std::vector<bool> given(n, false);
        int bestCount = 0;
        for (int round = 0; round < 8; ++round) {
            std::vector<qint64> points(points_);
            std::vector<int> left(remaining_);
            constexpr qint64 kNone = std::numeric_limits<qint64>::min();
            // The spare of a side after a gain: the largest value once past the line, none
            // once it can no longer reach it (or was given up).
            const auto spare = [&](size_t s, qint64 gain) {
                if (given[s]) return kNone;
                const qint64 lack = line_[s] + 1 - (points[s] + gain);
                if (lack <= 0) return std::numeric_limits<qint64>::max();
                const qint64 room = (left[s] - 1) * maxSide_ - lack;
                return room < 0 ? kNone : room;
            };
            for (const auto& m : matches_) {
                const auto a = static_cast<size_t>(m.first);
                const auto b = static_cast<size_t>(m.second);
                const TOutcome* chosen = nullptr;
                std::tuple<int, qint64, qint64> kept{};
                for (const TOutcome& o : outcomes_) {
                    const qint64 sa = spare(a, o.first);
                    const qint64 sb = spare(b, o.second);
                    const int alive = (sa != kNone ? 1 : 0) + (sb != kNone ? 1 : 0);
                    const qint64 low = sa == kNone ? sb : (sb == kNone ? sa : std::min(sa, sb));
                    const std::tuple<int, qint64, qint64> value{alive, low, std::max(sa, sb)};
                    if (!chosen || value > kept) {
                        chosen = &o;
                        kept = value;
                    }
                }
                points[a] += chosen->first;
                points[b] += chosen->second;
                --left[a];
                --left[b];
            }
            int passing = 0;
            bool more = false;
            for (const int j : open_) {
                const auto s = static_cast<size_t>(j);
                if (points[s] > line_[s]) {
                    ++passing;
                } else if (!given[s]) {
                    given[s] = true;
                    more = true;
                }
            }
            if (passing < bestCount || !more) {
                bestCount = std::max(bestCount, passing);
                break;
            }
            bestCount = passing;
        }
        return bestCount;
    }

    // Worst place, before any search: the most open teams that can pass the line together.
    // A set of teams that all pass takes what each lacks from the matches it plays: at most
    // the larger share from a match against a team outside the set, at most the larger total
    // from a match inside it. So the teams' spares (what their matches can give beyond what
    // they lack) must make up for the matches they play among themselves; each team plays at
    // least its matches but those against the teams it meets most often outside. A set that
    // passes leaves every smaller one passing too, so the largest size that can is a bound.
    // A set of that size that passes with wins alone, found by a flow of wins from the
    // matches to the teams that need them, is a completion that reaches the bound; smaller
    // sizes are tried down to `floor`. Returns {bound, teams a completion takes past}.
    std::pair<int, int> TogetherPassing(int floor) const {
        const size_t m = open_.size();
        if (m == 0) return {0, 0};
        std::vector<int> slot(points_.size(), -1);
        for (size_t i = 0; i < m; ++i)
            slot[static_cast<size_t>(open_[i])] = static_cast<int>(i);
        // Each open team's matches against each other open team, and the most it plays against
        // any j of them.
        std::vector<std::vector<int>> pairs(m, std::vector<int>(m, 0));
        for (const auto& match : matches_) {
            const int a = slot[static_cast<size_t>(match.first)];
            const int b = slot[static_cast<size_t>(match.second)];
            if (a < 0 || b < 0) continue;
            ++pairs[static_cast<size_t>(a)][static_cast<size_t>(b)];
            ++pairs[static_cast<size_t>(b)][static_cast<size_t>(a)];
        }
        std::vector<std::vector<qint64>> most(m);
        std::vector<qint64> plays(m, 0);
        for (size_t i = 0; i < m; ++i) {
            std::vector<int> row = pairs[i];
            row.erase(row.begin() + static_cast<std::ptrdiff_t>(i));
            std::sort(row.begin(), row.end(), std::greater<>());
            most[i].assign(1, 0);
            for (const int c : row) {
                most[i].push_back(most[i].back() + c);
                plays[i] += c;
            }
        }
        const qint64 inside = 2 * maxSide_ - maxTotal_; // what a match inside costs the set
        std::vector<std::pair<qint64, size_t>> value(m);
        const auto rank = [&](size_t k) {
            for (size_t i = 0; i < m; ++i) {
                const auto s = static_cast<size_t>(open_[i]);
                const qint64 lack = line_[s] + 1 - points_[s];
                const qint64 within = std::max<qint64>(0, plays[i] - most[i][m - k]);
                value[i] = {2 * (maxSide_ * plays[i] - lack) - inside * within, i};
            }
            std::sort(value.begin(), value.end(), std::greater<>());
            qint64 sum = 0;
            for (size_t i = 0; i < k; ++i)
                sum += value[i].first;
            return sum >= 0;
        };
        size_t bound = m;
        while (bound > 0 && !rank(bound))
            --bound;
        // Sets tried: the teams the bound ranks first, and the teams with the most to spare.
        std::vector<std::pair<qint64, size_t>> spare(m);
        for (size_t i = 0; i < m; ++i) {
            const auto s = static_cast<size_t>(open_[i]);
            spare[i] = {maxSide_ * plays[i] - (line_[s] + 1 - points_[s]), i};
        }
        std::sort(spare.begin(), spare.end(), std::greater<>());
        for (size_t k = bound; k > static_cast<size_t>(std::max(floor, 0)); --k) {
            rank(k);
            for (const auto* order : {&value, &spare}) {
                std::vector<bool> in(m, false);
                for (size_t i = 0; i < k; ++i)
                    in[(*order)[i].second] = true;
                if (PassWithWins(pairs, in)) return {static_cast<int>(bound), static_cast<int>(k)};
            }
        }
        return {static_cast<int>(bound), 0};
    }

    // Whether every team of the set `in` (open team slots) can pass the line, winning every
    // match against a team outside it and, inside it, as a flow of wins allows.
    bool PassWithWins(const std::vector<std::vector<int>>& pairs,
                      const std::vector<bool>& in) const {
        const TOutcome* win = nullptr;
        for (const TOutcome& o : outcomes_)
            if (o.first == maxSide_ && (!win || o.second > win->second)) win = &o;
        if (!win || win->first <= win->second) return false;
        const qint64 lose = win->second;
        const size_t m = in.size();
        std::vector<std::pair<int, int>> inner;
        std::vector<qint64> need(m, 0);
        qint64 wanted = 0;
        for (size_t i = 0; i < m; ++i) {
            if (!in[i]) continue;
            const auto s = static_cast<size_t>(open_[i]);
            qint64 lack = line_[s] + 1 - points_[s];
            qint64 within = 0;
            for (size_t j = 0; j < m; ++j) {
                if (j == i) continue;
                if (in[j]) {
                    within += pairs[i][j];
                    if (j > i && pairs[i][j] > 0)
                        inner.push_back({static_cast<int>(i), static_cast<int>(j)});
                } else {
                    lack -= pairs[i][j] * maxSide_;
                }
            }
            lack -= within * lose;
            if (lack <= 0) continue;
            const qint64 step = win->first - lose;
            need[i] = (lack + step - 1) / step;
            if (need[i] > within) return false;
            wanted += need[i];
        }
        if (wanted == 0) return true;
        std::vector<std::tuple<int, int, qint64>> counted;
        for (const auto& [a, b] : inner)
            counted.emplace_back(a, b, pairs[static_cast<size_t>(a)][static_cast<size_t>(b)]);
        return TSetReach::WinsCover(counted, need);
    }

    // Worst place, between what a completion reached (`reached` open teams past the line) and
    // the bound: every set of open teams of each size from the bound down is tried on its own,
    // while there are few enough of them. The size of the first set that can pass, or
    // `reached`; -1 when there are too many sets to try.
    int BySets(int reached, int bound) {
        const int m = static_cast<int>(open_.size());
        const auto choose = [](int n, int k) {
            double c = 1;
            for (int i = 0; i < k; ++i)
                c = c * (n - i) / (i + 1);
            return c;
        };
        double total = 0;
        for (int k = bound; k > reached; --k)
            total += choose(m, k);
        if (total > 4000) return -1;
        for (int k = bound; k > reached; --k) {
            // The sets of k teams, as the k positions left out of m... in lexicographic order.
            std::vector<int> pick(static_cast<size_t>(k));
            for (int i = 0; i < k; ++i)
                pick[static_cast<size_t>(i)] = i;
            while (true) {
                std::vector<bool> in(open_.size(), false);
                for (const int i : pick)
                    in[static_cast<size_t>(i)] = true;
                if (AllCanPass(in)) return k;
                if (stopped_) return reached;
                int i = k - 1;
                while (i >= 0 && pick[static_cast<size_t>(i)] == m - k + i)
                    --i;
                if (i < 0) break;
                ++pick[static_cast<size_t>(i)];
                for (int j = i + 1; j < k; ++j)
                    pick[static_cast<size_t>(j)] = pick[static_cast<size_t>(j - 1)] + 1;
            }
        }
        return reached;
    }

    // Whether every open team of the set `in` can pass the line at once: it wins its matches
    // against the other teams, and the matches inside the set are searched, each step checked
    // by a flow of the points those matches can still hand out against what the teams lack.
    bool AllCanPass(const std::vector<bool>& in) {
        const size_t m = open_.size();
        std::vector<int> slot(points_.size(), -1);
        for (size_t i = 0; i < m; ++i)
            if (in[i]) slot[static_cast<size_t>(open_[i])] = static_cast<int>(i);
        std::vector<qint64> lack(m, 0);
        for (size_t i = 0; i < m; ++i)
            if (in[i]) {
                const auto s = static_cast<size_t>(open_[i]);
                lack[i] = line_[s] + 1 - points_[s];
            }
        std::vector<std::pair<int, int>> inner;
        for (const auto& match : matches_) {
            const int a = slot[static_cast<size_t>(match.first)];
            const int b = slot[static_cast<size_t>(match.second)];
            if (a >= 0 && b >= 0)
                inner.push_back({a, b});
            else if (a >= 0)
                lack[static_cast<size_t>(a)] -= maxSide_;
            else if (b >= 0)
                lack[static_cast<size_t>(b)] -= maxSide_;
        }
        if (!reach_) reach_ = std::make_shared<TSetReach>(outcomes_, cancel_);
        const bool all = reach_->AllReach(inner, std::move(lack));
        if (reach_->Stopped()) stopped_ = true;
        return all;
    }

    qint64 Margin(const std::pair<int, int>& m) const {
        return std::min(
            std::abs(line_[static_cast<size_t>(m.first)] - points_[static_cast<size_t>(m.first)]),
            std::abs(line_[static_cast<size_t>(m.second)] -
                     points_[static_cast<size_t>(m.second)]));
    }

    // Best place: how many more open teams must pass the line, at least. Worst place: how many
    // more can, at most. Each team on its own, then all of them together: the points the open
    // matches hand out must fit under the line (best), or cover what the teams lack (worst).
    int Bound(size_t at, int counted) {
        int extra = 0;
        gains_.clear();
        for (const int j : open_) {
            const auto s = static_cast<size_t>(j);
            if (past_[s]) continue;
            const qint64 reach = points_[s] + remaining_[s] * (best_ ? minSide_ : maxSide_);
            if (reach > line_[s]) {
                ++extra;
                if (!best_) gains_.push_back(line_[s] + 1 - points_[s]); // what it lacks
            }
        }
        if (best_) return counted + extra + ShareBound(at);
        // Worst place: the teams that can each pass, by what they lack, against the points the
        // open matches can hand out to teams short of the line at all.
        qint64 available = 0;
        for (size_t k = at; k < matches_.size(); ++k) {
            const bool a = !past_[static_cast<size_t>(matches_[k].first)];
            const bool b = !past_[static_cast<size_t>(matches_[k].second)];
            available += a && b ? maxTotal_ : (a || b ? maxSide_ : 0);
        }
        std::sort(gains_.begin(), gains_.end());
        int fit = 0;
        for (const qint64 lack : gains_) {
            if (lack > available) break;
            available -= lack;
            ++fit;
        }
        if (fit == 0) return counted;
        return counted + std::min(fit, TogetherAt(at, fit));
    }

    // Worst place, during the search: the most teams not yet past the line that can pass it
    // together with the matches from `at` on (as TogetherPassing bounds it at the start), at
    // most `limit`.
    int TogetherAt(size_t at, int limit) {
        const size_t n = points_.size();
        slot_.assign(n, -1);
        std::vector<int> candidates;
        for (const int j : open_)
            if (!past_[static_cast<size_t>(j)]) {
                slot_[static_cast<size_t>(j)] = static_cast<int>(candidates.size());
                candidates.push_back(j);
            }
        const size_t m = candidates.size();
        pairCounts_.assign(m * m, 0);
        std::vector<qint64> plays(m, 0);
        for (size_t k = at; k < matches_.size(); ++k) {
            const int a = slot_[static_cast<size_t>(matches_[k].first)];
            const int b = slot_[static_cast<size_t>(matches_[k].second)];
            if (a >= 0) ++plays[static_cast<size_t>(a)];
            if (b >= 0) ++plays[static_cast<size_t>(b)];
            if (a >= 0 && b >= 0) {
                ++pairCounts_[static_cast<size_t>(a) * m + static_cast<size_t>(b)];
                ++pairCounts_[static_cast<size_t>(b) * m + static_cast<size_t>(a)];
            }
        }
        // Per candidate: its matches against the others, the most first, summed; and what it
        // plays against teams that can never be in the set.
        std::vector<std::vector<qint64>> most(m);
        std::vector<qint64> against(m, 0);
        std::vector<int> row;
        for (size_t i = 0; i < m; ++i) {
            row.assign(pairCounts_.begin() + static_cast<std::ptrdiff_t>(i * m),
                       pairCounts_.begin() + static_cast<std::ptrdiff_t>(i * m + m));
            row.erase(row.begin() + static_cast<std::ptrdiff_t>(i));
            std::sort(row.begin(), row.end(), std::greater<>());
            most[i].assign(1, 0);
            for (const int c : row) {
                most[i].push_back(most[i].back() + c);
                against[i] += c;
            }
        }
        const qint64 inside = 2 * maxSide_ - maxTotal_;
        std::vector<qint64> value(m);
        for (size_t k = std::min(m, static_cast<size_t>(limit)); k > 0; --k) {
            for (size_t i = 0; i < m; ++i) {
                const auto s = static_cast<size_t>(candidates[i]);
                const qint64 lack = line_[s] + 1 - points_[s];
                const qint64 within = std::max<qint64>(0, against[i] - most[i][m - k]);
                value[i] = 2 * (maxSide_ * plays[i] - lack) - inside * within;
            }
            std::nth_element(value.begin(), value.begin() + static_cast<std::ptrdiff_t>(k - 1),
                             value.end(), std::greater<>());
            qint64 sum = 0;
            for (size_t i = 0; i < k; ++i)
                sum += value[i];
            if (sum >= 0) return static_cast<int>(k);
        }
        return 0;
    }

    // Best place: the open matches hand at least their smallest total to teams short of the
    // line (or their smallest share, against a team past it). What does not fit under the line
    // must go to teams that pass it; each team that passes takes its room away but relieves at
    // most the points of its own matches.
    int ShareBound(size_t at) {
        const size_t n = points_.size();
        relief_.assign(n, 0);
        qint64 forced = 0;
        for (size_t k = at; k < matches_.size(); ++k) {
            const auto a = static_cast<size_t>(matches_[k].first);
            const auto b = static_cast<size_t>(matches_[k].second);
            if (past_[a] && past_[b]) continue;
            if (past_[a] || past_[b]) {
                const size_t side = past_[a] ? b : a;
                forced += minSide_;
                relief_[side] += minSide_;
            } else {
                forced += minTotal_;
                relief_[a] += minTotal_ - minSide_;
                relief_[b] += minTotal_ - minSide_;
            }
        }
        qint64 room = 0;
        gains_.clear();
        for (const int j : open_) {
            const auto s = static_cast<size_t>(j);
            if (past_[s]) continue;
            room += line_[s] - points_[s];
            gains_.push_back(relief_[s] - (line_[s] - points_[s]));
        }
        qint64 excess = forced - room;
        if (excess <= 0) return 0;
        std::sort(gains_.begin(), gains_.end(), std::greater<>());
        int must = 0;
        for (const qint64 g : gains_) {
            if (excess <= 0 || g <= 0) break;
            excess -= g;
            ++must;
        }
        return excess > 0 ? must + 1 : must;
    }

    void Search(size_t at, int counted) {
        if (stopped_) return;
        if ((++nodes_ & 0x3FF) == 0 && Cancelled()) {
            stopped_ = true;
            return;
        }
        const int bound = Bound(at, counted);
        if (best_ ? bound >= found_ : bound <= found_) return;
        if (at == matches_.size()) {
            found_ = counted;
            return;
        }
        const auto& m = matches_[at];
        const auto a = static_cast<size_t>(m.first);
        const auto b = static_cast<size_t>(m.second);
        --remaining_[a];
        --remaining_[b];
        if (past_[a] || past_[b]) {
            // The side past the line is counted already: the other one takes what suits the
            // search, and the counted side's share does not matter.
            const qint64 give = best_ ? minSide_ : maxSide_;
            const size_t other = past_[a] ? b : a;
            if (past_[other]) {
                Search(at + 1, counted);
            } else {
                points_[other] += give;
                const bool passes = points_[other] > line_[other];
                past_[other] = passes;
                Search(at + 1, counted + (passes ? 1 : 0));
                past_[other] = false;
                points_[other] -= give;
            }
        } else {
            // Outcomes in the order most likely to be right: for the best place the one that
            // keeps both sides short of the line with the most room, for the worst place the
            // one that takes the most sides past it.
            std::vector<TOutcome> order = outcomes_;
            const auto score = [&](const TOutcome& o) {
                const qint64 ra = line_[a] - points_[a] - o.first;
                const qint64 rb = line_[b] - points_[b] - o.second;
                const int passing = (ra < 0 ? 1 : 0) + (rb < 0 ? 1 : 0);
                return best_ ? std::pair<qint64, qint64>{passing, -std::min(ra, rb)}
                             : std::pair<qint64, qint64>{-passing, std::max(ra, rb)};
            };
            std::stable_sort(order.begin(), order.end(), [&](const TOutcome& x, const TOutcome& y) {
                return score(x) < score(y);
            });
            for (const TOutcome& o : order) {
                points_[a] += o.first;
                points_[b] += o.second;
                const bool pa = points_[a] > line_[a];
                const bool pb = points_[b] > line_[b];
                past_[a] = pa;
                past_[b] = pb;
                Search(at + 1, counted + (pa ? 1 : 0) + (pb ? 1 : 0));
                past_[a] = false;
                past_[b] = false;
                points_[a] -= o.first;
                points_[b] -= o.second;
                if (stopped_) break;
                // Nothing beats only the settled teams above (best place), or every open team
                // level or above too (worst place).
                if (best_ ? found_ <= settled_
                          : found_ >= settled_ + static_cast<int>(open_.size()))
                    break;
            }
        }
        ++remaining_[a];
        ++remaining_[b];
    }

    enum TState : quint8 { kOpen, kPast, kOut };

    const TPlaceRace& race_;
    int team_ = 0;
    bool best_ = true;
    const std::atomic<bool>* cancel_ = nullptr;
    std::vector<qint64> points_;
    std::vector<TOutcome> outcomes_;
    qint64 minSide_ = 0;
    qint64 maxSide_ = 0;
    qint64 minTotal_ = 0;
    qint64 maxTotal_ = 0;
    std::vector<qint64> gains_;
    std::shared_ptr<TSetReach> reach_; // made when a worst place first tries sets
    std::vector<int> slot_;
    std::vector<int> pairCounts_;
    std::vector<qint64> relief_;
    std::vector<qint64> line_;
    std::vector<int> remaining_;
    std::vector<std::pair<int, int>> matches_;
    std::vector<bool> past_;
    std::vector<int> open_;
    int found_ = 0;
    int settled_ = 0;
    bool stopped_ = false;
    quint64 nodes_ = 0;
};

} // namespace

TPlaceRange PlaceRangeOf(const TPlaceRace& race, int team, const std::atomic<bool>* cancel) {
    TPlaceRange range;
    if (team < 0 || static_cast<size_t>(team) >= race.Points.size()) return range;
    range.Best = TRaceSearch(race, team, true, cancel).Run();
    if (range.Best == 0) return {};
    range.Worst = TRaceSearch(race, team, false, cancel).Run();
    if (range.Worst == 0) return {};
    return range;
}

std::vector<TPlaceRange> PlaceRanges(const TPlaceRace& race, const std::atomic<bool>* cancel) {
    std::vector<TPlaceRange> ranges(race.Points.size());
    for (size_t i = 0; i < ranges.size(); ++i) {
        ranges[i] = PlaceRangeOf(race, static_cast<int>(i), cancel);
        if (ranges[i].Best == 0) break;
    }
    return ranges;
}

} // namespace kv
