// Best and worst possible places are exact: on small races every way the remaining matches can
// end is tried, and the search must find the same places, under the points rules of every
// sport, with adjustments and with percentages.
#include "standings/place_race.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>
#include <sstream>
#include <string>

using namespace kv;

namespace {

// Every completion of the remaining matches; places by the first criterion alone.
std::vector<TPlaceRange> ByEnumeration(const TPlaceRace& race) {
    std::vector<std::pair<qint64, qint64>> outcomes;
    for (const auto& o : race.Outcomes)
        if (std::find(outcomes.begin(), outcomes.end(), o) == outcomes.end()) outcomes.push_back(o);
    const size_t n = race.Points.size();
    std::vector<TPlaceRange> ranges(n, TPlaceRange{static_cast<int>(n) + 1, 0});
    std::vector<size_t> choice(race.Remaining.size(), 0);
    for (;;) {
        std::vector<qint64> points = race.Points;
        for (size_t k = 0; k < choice.size(); ++k) {
            const auto& o = outcomes[choice[k]];
            points[static_cast<size_t>(race.Remaining[k].first)] += o.first;
            points[static_cast<size_t>(race.Remaining[k].second)] += o.second;
        }
        for (size_t x = 0; x < n; ++x) {
            int above = 0, level = 0;
            for (size_t j = 0; j < n; ++j) {
                if (j == x) continue;
                const qint64 l = points[j] * race.Divisor[x];
                const qint64 r = points[x] * race.Divisor[j];
                if (l > r) ++above;
                if (l == r) ++level;
            }
            ranges[x].Best = std::min(ranges[x].Best, above + 1);
            ranges[x].Worst = std::max(ranges[x].Worst, above + level + 1);
        }
        size_t k = 0;
        while (k < choice.size() && ++choice[k] == outcomes.size())
            choice[k++] = 0;
        if (k == choice.size()) break;
    }
    return ranges;
}

struct TRules {
    const char* Name;
    std::vector<std::pair<qint64, qint64>> Outcomes;
};

// The points rules of the sports, in whole units (chess's half points doubled).
std::vector<TRules> EveryRule() {
    return {
        {"3-1-0", {{3, 0}, {0, 3}, {1, 1}}},
        {"2-1-0", {{2, 0}, {0, 2}, {1, 1}}},
        {"chess 1-0.5-0", {{2, 0}, {0, 2}, {1, 1}}},
        {"no draws 2-0", {{2, 0}, {0, 2}}},
        {"no draws 2-1", {{2, 1}, {1, 2}}},
        {"hockey 2-2-1-0", {{2, 0}, {0, 2}, {2, 1}, {1, 2}, {2, 1}, {1, 2}}},
        {"hockey 3-2-1-0", {{3, 0}, {0, 3}, {2, 1}, {1, 2}, {2, 1}, {1, 2}}},
        {"hockey with draws after overtime", {{2, 0}, {0, 2}, {1, 1}, {2, 1}, {1, 2}}},
        {"volleyball 3-2-1-0", {{3, 0}, {0, 3}, {2, 1}, {1, 2}}},
        // A rule no sport has, where losing can pay more than winning: the search may not take
        // its shortcuts for the team's own matches.
        {"upside down", {{0, 2}, {2, 0}, {1, 1}, {3, 3}}},
    };
}

TPlaceRace RandomRace(QRandomGenerator& r, const TRules& rules, bool percentage) {
    TPlaceRace race;
    race.Outcomes = rules.Outcomes;
    size_t distinct = 0;
    for (size_t i = 0; i < rules.Outcomes.size(); ++i)
        if (std::find(rules.Outcomes.begin(), rules.Outcomes.begin() + static_cast<long>(i),
                      rules.Outcomes[i]) == rules.Outcomes.begin() + static_cast<long>(i))
            ++distinct;
    const int teams = 2 + static_cast<int>(r.bounded(5)); // 2 to 6
    // Up to 12 matches, fewer where many outcomes would make the enumeration too long.
    int most = 12;
    double completions = 1;
    for (int k = 1; k <= 12; ++k) {
        completions *= static_cast<double>(distinct);
        if (completions > 300000) {
            most = k - 1;
            break;
        }
    }
    const int matches = static_cast<int>(r.bounded(most + 1));
    std::vector<int> games(static_cast<size_t>(teams), 0);
    for (int k = 0; k < matches; ++k) {
        const int a = static_cast<int>(r.bounded(teams));
        int b = static_cast<int>(r.bounded(teams - 1));
        if (b >= a) ++b;
        race.Remaining.push_back({a, b});
        ++games[static_cast<size_t>(a)];
        ++games[static_cast<size_t>(b)];
    }
    for (int i = 0; i < teams; ++i) {
        // Results so far, an adjustment now and then (a deduction too).
        const int played = static_cast<int>(r.bounded(7));
        qint64 points = 0;
        for (int k = 0; k < played; ++k)
            points += rules.Outcomes[r.bounded(static_cast<int>(rules.Outcomes.size()))].first;
        if (r.bounded(5) == 0) points += static_cast<qint64>(r.bounded(7)) - 4;
        race.Points.push_back(points);
        const int all = played + games[static_cast<size_t>(i)];
        race.Divisor.push_back(percentage && all > 0 ? all : 1);
    }
    return race;
}

std::string Describe(const TPlaceRace& race) {
    std::ostringstream s;
    s << "points";
    for (size_t i = 0; i < race.Points.size(); ++i)
        s << ' ' << race.Points[i] << '/' << race.Divisor[i];
    s << "; remaining";
    for (const auto& m : race.Remaining)
        s << ' ' << m.first << '-' << m.second;
    return s.str();
}

TEST(PlaceRace, EqualsEnumerationUnderEveryPointsRule) {
    QRandomGenerator r(20111);
    for (const TRules& rules : EveryRule()) {
        for (const bool percentage : {false, true}) {
            for (int round = 0; round < 60; ++round) {
                const TPlaceRace race = RandomRace(r, rules, percentage);
                const std::vector<TPlaceRange> expected = ByEnumeration(race);
                const std::vector<TPlaceRange> found = PlaceRanges(race);
                ASSERT_EQ(found.size(), expected.size());
                for (size_t i = 0; i < found.size(); ++i) {
                    ASSERT_EQ(found[i].Best, expected[i].Best)
                        << rules.Name << (percentage ? " by percentage" : "") << ", team " << i
                        << ": " << Describe(race);
                    ASSERT_EQ(found[i].Worst, expected[i].Worst)
                        << rules.Name << (percentage ? " by percentage" : "") << ", team " << i
                        << ": " << Describe(race);
                }
            }
        }
    }
}

TEST(PlaceRace, SettledSeasonsAndLevelTeams) {
    TPlaceRace race;
    race.Outcomes = {{3, 0}, {0, 3}, {1, 1}};
    // Nothing left: the places as they stand, level teams spanning their places.
    race.Points = {10, 7, 7, 2};
    race.Divisor = {1, 1, 1, 1};
    const std::vector<TPlaceRange> done = PlaceRanges(race);
    EXPECT_EQ(done[0], (TPlaceRange{1, 1}));
    EXPECT_EQ(done[1], (TPlaceRange{2, 3}));
    EXPECT_EQ(done[2], (TPlaceRange{2, 3}));
    EXPECT_EQ(done[3], (TPlaceRange{4, 4}));
    // One match left between the two level teams: its winner draws level with the leader.
    race.Remaining = {{1, 2}};
    const std::vector<TPlaceRange> open = PlaceRanges(race);
    EXPECT_EQ(open[0], (TPlaceRange{1, 2}));
    EXPECT_EQ(open[1], (TPlaceRange{1, 3}));
    EXPECT_EQ(open[3], (TPlaceRange{4, 4}));
    // A team alone: first.
    const TPlaceRace alone{{0}, {1}, {}, {{3, 0}, {0, 3}}};
    EXPECT_EQ(PlaceRanges(alone).front(), (TPlaceRange{1, 1}));
}

TEST(PlaceRace, ACancelledSearchLeavesItsPlacesUnknown) {
    TPlaceRace race;
    race.Outcomes = {{3, 0}, {0, 3}, {1, 1}};
    for (int i = 0; i < 20; ++i) {
        race.Points.push_back(0);
        race.Divisor.push_back(1);
        for (int j = i + 1; j < 20; ++j)
            race.Remaining.push_back({i, j});
    }
    const std::atomic<bool> cancel{true};
    for (const TPlaceRange& range : PlaceRanges(race, &cancel))
        EXPECT_EQ(range, TPlaceRange{});
}

} // namespace
