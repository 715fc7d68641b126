#include "standings/race_sets.h"

#include "standings/max_flow.h"

#include <algorithm>
#include <limits>

namespace kv {

TSetReach::TSetReach(const std::vector<TOutcome>& outcomes, const std::atomic<bool>* cancel)
    : outcomes_(outcomes), cancel_(cancel) {
    if (outcomes_.empty()) outcomes_.push_back({0, 0});
    minSide_ = maxSide_ = outcomes_.front().first;
    maxTotal_ = outcomes_.front().first + outcomes_.front().second;
    for (const TOutcome& o : outcomes_) {
        minSide_ = std::min({minSide_, o.first, o.second});
        maxSide_ = std::max({maxSide_, o.first, o.second});
        maxTotal_ = std::max(maxTotal_, o.first + o.second);
    }
}

bool TSetReach::AllReach(const std::vector<std::pair<int, int>>& inner, std::vector<qint64> lack) {
    stopped_ = false;
    return Search(inner, 0, lack);
}

bool TSetReach::WinsCover(const std::vector<std::tuple<int, int, qint64>>& pairs,
                          const std::vector<qint64>& need) {
    qint64 wanted = 0;
    for (const qint64 n : need)
        wanted += std::max<qint64>(0, n);
    if (wanted == 0) return true;
    // Source, a node per pair, a node per member, sink.
    const int firstMember = 1 + static_cast<int>(pairs.size());
    const int sink = firstMember + static_cast<int>(need.size());
    TMaxFlow flow(sink + 1);
    for (size_t k = 0; k < pairs.size(); ++k) {
        const auto& [a, b, count] = pairs[k];
        const int node = 1 + static_cast<int>(k);
        flow.AddEdge(0, node, count);
        flow.AddEdge(node, firstMember + a, count);
        flow.AddEdge(node, firstMember + b, count);
    }
    for (size_t i = 0; i < need.size(); ++i)
        if (need[i] > 0) flow.AddEdge(firstMember + static_cast<int>(i), sink, need[i]);
    return flow.Run(0, sink) == wanted;
}

// What a team must give away, at least, to take `lack` or more from `r` matches inside a
// set: twice the points it takes beyond its lack, plus what its outcomes fall short of a
// match's largest total (each match's shortfall is counted by both its sides). Summed over
// a set's teams it cannot exceed twice what the matches can hand out beyond all the teams
// lack: so a set needing draws to land on its marks (3-1-0) runs out of them. -1 when the
// lack is out of reach.
qint64 TSetReach::GiveAway(int r, qint64 lack) {
    const qint64 top = maxSide_ * r;
    if (lack > top) return -1;
    if (minSide_ < 0) return 0; // rules that take points away: no such count
    const auto need = static_cast<size_t>(std::max<qint64>(0, lack));
    while (giveAway_.size() <= static_cast<size_t>(r)) {
        // Shortfall of exactly p points in k matches, the least, from k - 1 matches.
        const size_t k = giveAway_.size();
        const qint64 inf = std::numeric_limits<qint64>::max() / 4;
        std::vector<qint64> exact(static_cast<size_t>(maxSide_) * k + 1, inf);
        if (k == 0) {
            exact[0] = 0;
        } else {
            const std::vector<qint64>& before = shortfall_[k - 1];
            for (size_t p = 0; p < before.size(); ++p) {
                if (before[p] >= inf) continue;
                for (const TOutcome& o : outcomes_) {
                    if (o.first < 0) continue;
                    const size_t to = p + static_cast<size_t>(o.first);
                    if (to >= exact.size()) continue;
                    exact[to] = std::min(exact[to], before[p] + maxTotal_ - o.first - o.second);
                }
            }
        }
        // Then the least give-away for each lack: the best p at or above it.
        std::vector<qint64> least(exact.size(), inf);
        qint64 best = inf;
        for (size_t p = exact.size(); p-- > 0;) {
            if (exact[p] < inf) best = std::min(best, exact[p] + 2 * static_cast<qint64>(p));
            least[p] = best;
        }
        for (size_t p = 0; p < least.size(); ++p)
            if (least[p] < inf) least[p] -= 2 * static_cast<qint64>(p);
        shortfall_.push_back(std::move(exact));
        giveAway_.push_back(std::move(least));
    }
    const std::vector<qint64>& row = giveAway_[static_cast<size_t>(r)];
    return need < row.size() && row[need] < std::numeric_limits<qint64>::max() / 8 ? row[need] : -1;
}

// Whether the matches inside the set from `at` on can cover what its teams lack.
bool TSetReach::Search(const std::vector<std::pair<int, int>>& inner, size_t at,
                       std::vector<qint64>& lack) {
    if ((++nodes_ & 0x3FF) == 0 && cancel_ && cancel_->load(std::memory_order_relaxed))
        stopped_ = true;
    if (stopped_) return false;
    // What the matches left can hand out, as a flow, against what is lacking.
    qint64 wanted = 0;
    for (const qint64 l : lack)
        wanted += std::max<qint64>(0, l);
    if (wanted == 0) return true;
    if (at == inner.size()) return false;
    {
        std::vector<int> plays(lack.size(), 0);
        for (size_t k = at; k < inner.size(); ++k) {
            ++plays[static_cast<size_t>(inner[k].first)];
            ++plays[static_cast<size_t>(inner[k].second)];
        }
        qint64 given = 0;
        for (size_t i = 0; i < lack.size(); ++i) {
            const qint64 g = GiveAway(plays[i], lack[i]);
            if (g < 0) return false;
            given += g;
        }
        if (given > 2 * (maxTotal_ * static_cast<qint64>(inner.size() - at) - wanted)) return false;
    }
    const int teams = static_cast<int>(lack.size());
    const int sink = 1 + static_cast<int>(inner.size() - at) + teams;
    TMaxFlow flow(sink + 1);
    for (size_t k = at; k < inner.size(); ++k) {
        const int node = 1 + static_cast<int>(k - at);
        flow.AddEdge(0, node, maxTotal_);
        for (const int side : {inner[k].first, inner[k].second})
            if (lack[static_cast<size_t>(side)] > 0)
                flow.AddEdge(node, sink - teams + side, maxSide_);
    }
    for (int i = 0; i < teams; ++i)
        if (lack[static_cast<size_t>(i)] > 0)
            flow.AddEdge(sink - teams + i, sink, lack[static_cast<size_t>(i)]);
    if (flow.Run(0, sink) < wanted) return false;
    const auto [a, b] = inner[at];
    const auto sa = static_cast<size_t>(a);
    const auto sb = static_cast<size_t>(b);
    // The outcomes that help the side lacking more first.
    std::vector<TOutcome> order = outcomes_;
    std::stable_sort(order.begin(), order.end(), [&](const TOutcome& x, const TOutcome& y) {
        const qint64 gx = std::min(x.first, std::max<qint64>(0, lack[sa])) +
                          std::min(x.second, std::max<qint64>(0, lack[sb]));
        const qint64 gy = std::min(y.first, std::max<qint64>(0, lack[sa])) +
                          std::min(y.second, std::max<qint64>(0, lack[sb]));
        return gx > gy;
    });
    for (const TOutcome& o : order) {
        lack[sa] -= o.first;
        lack[sb] -= o.second;
        const bool found = Search(inner, at + 1, lack);
        lack[sa] += o.first;
        lack[sb] += o.second;
        if (found) return true;
        if (stopped_) return false;
    }
    return false;
}

} // namespace kv
