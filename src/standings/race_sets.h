#pragma once

#include <QtGlobal>

#include <atomic>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

// Whether a set of teams can all take what each lacks from the matches they still play among
// themselves: the exact check behind the worst place, when few sets of teams are left to
// try. A search over the matches, each step checked by a flow of the points the matches left
// can hand out, and by what the set must give away on the way.
namespace kv {

class TSetReach {
public:
    using TOutcome = std::pair<qint64, qint64>;

    // `outcomes`: what a match can give its two sides, each also with the sides swapped.
    TSetReach(const std::vector<TOutcome>& outcomes, const std::atomic<bool>* cancel);

    // The matches among the set's members (as member indices) and what each member lacks.
    bool AllReach(const std::vector<std::pair<int, int>>& inner, std::vector<qint64> lack);
    // Whether it stopped because it was cancelled (its answer is then false).
    bool Stopped() const { return stopped_; }

    // Whether wins alone can give each member its `need` of wins: (a, b, matches) for each
    // pair of members that still meet.
    static bool WinsCover(const std::vector<std::tuple<int, int, qint64>>& pairs,
                          const std::vector<qint64>& need);

private:
    qint64 GiveAway(int r, qint64 lack);
    bool Search(const std::vector<std::pair<int, int>>& inner, size_t at,
                std::vector<qint64>& lack);

    std::vector<TOutcome> outcomes_;
    const std::atomic<bool>* cancel_ = nullptr;
    qint64 minSide_ = 0;
    qint64 maxSide_ = 0;
    qint64 maxTotal_ = 0;
    std::vector<std::vector<qint64>> shortfall_; // by matches, by exact points
    std::vector<std::vector<qint64>> giveAway_;  // by matches, by lack
    quint64 nodes_ = 0;
    bool stopped_ = false;
};

} // namespace kv
