// The schedule generator, as properties over group sizes and legs: every pair gets exactly its
// legs, no team plays twice on a matchday, a single group needs only the fewest matchdays,
// home and away balance, breaks stay within n - 2 per leg, and what was there is kept.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/formats.h"
#include "model/sport.h"
#include "standings/fixture_rules.h"
#include "standings/schedule.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <map>

using namespace kv;

namespace {

QStringList Names(int n, const QString& prefix = QStringLiteral("T")) {
    QStringList names;
    for (int i = 0; i < n; ++i)
        names << prefix + QString::number(i + 1);
    return names;
}

qint64 Pair(int a, int b) {
    return (static_cast<qint64>(std::min(a, b)) << 32) | std::max(a, b);
}

// What holds for every schedule: each pair its legs, no team twice on a matchday, the venues
// split as the legs allow and each team's home and away games within one of each other.
void ExpectSound(const TTournament& t, const std::vector<int>& teams) {
    QSet<qint64> played; // (team, matchday)
    std::map<qint64, std::vector<int>> legs;
    QHash<int, int> homes, aways;
    for (const TMatch* m : t.JointTable().Matches()) {
        for (const int team : {m->HomeTeamId, m->VisitorTeamId}) {
            if (m->Matchday > 0) {
                const qint64 key = (static_cast<qint64>(team) << 32) | m->Matchday;
                EXPECT_FALSE(played.contains(key))
                    << "team " << team << " twice on matchday " << m->Matchday;
                played.insert(key);
            }
        }
        legs[Pair(m->HomeTeamId, m->VisitorTeamId)].push_back(m->Leg);
        ++homes[m->HomeTeamId];
        ++aways[m->VisitorTeamId];
    }
    for (size_t i = 0; i < teams.size(); ++i)
        for (size_t j = i + 1; j < teams.size(); ++j) {
            const int l = t.LegsOfPair(teams[i], teams[j]);
            std::vector<int> got = legs[Pair(teams[i], teams[j])];
            std::sort(got.begin(), got.end());
            std::vector<int> want;
            for (int leg = 1; leg <= l; ++leg)
                want.push_back(leg);
            EXPECT_EQ(got, want) << "pair " << teams[i] << "-" << teams[j];
            // No side hosts the other more often than the legs allow.
            int aHome = 0;
            for (const TMatch* m : t.JointTable().Matches())
                if (m->HomeTeamId == teams[i] && m->VisitorTeamId == teams[j]) ++aHome;
            EXPECT_LE(aHome, (l + 1) / 2);
            EXPECT_GE(aHome, l / 2);
        }
    for (const int team : teams)
        EXPECT_LE(std::abs(homes.value(team) - aways.value(team)), 1) << "team " << team;
}

// Two home or two away games in a row within one leg.
int Breaks(const TTournament& t, int team, int leg) {
    std::vector<std::pair<int, bool>> games;
    for (const TMatch* m : t.JointTable().Matches())
        if (m->Leg == leg && m->Involves(team))
            games.emplace_back(m->Matchday, m->HomeTeamId == team);
    std::sort(games.begin(), games.end());
    int breaks = 0;
    for (size_t i = 1; i < games.size(); ++i)
        breaks += games[i].second == games[i - 1].second ? 1 : 0;
    return breaks;
}

class Schedule : public kvtest::TTempHome {};

} // namespace

TEST_F(Schedule, ASingleGroupOfAnySizeInAnyLegs) {
    for (int n = 2; n <= 20; ++n) {
        for (int legs = 1; legs <= 4; ++legs) {
            SCOPED_TRACE(testing::Message() << n << " teams, " << legs << " legs");
            auto t = kvtest::MakeTournament(SportSoccer, legs, {{QStringLiteral("A"), Names(n)}});
            const TSchedule s = PlanSchedule(*t);
            EXPECT_EQ(s.FirstMatchday, 1);
            EXPECT_EQ(s.Matchdays, (n % 2 == 0 ? n - 1 : n) * legs); // the fewest there can be
            EXPECT_EQ(AddSchedule(*t, s), n * (n - 1) / 2 * legs);
            std::vector<int> teams;
            for (const TTeam* team : t->JointTable().Teams())
                teams.push_back(team->Id);
            ExpectSound(*t, teams);
            int breaks = 0;
            for (int leg = 1; leg <= legs; ++leg) {
                breaks = 0;
                for (const int team : teams)
                    breaks += Breaks(*t, team, leg);
                EXPECT_LE(breaks, std::max(0, n - 2)) << "leg " << leg;
            }
            // Grid positions are those a typed fixture would get.
            for (const TMatch* m : t->JointTable().Matches())
                EXPECT_GE(m->GridPosition, 1);
            // Nothing is left to plan.
            EXPECT_TRUE(PlanSchedule(*t).Matches.empty());
        }
    }
}

TEST_F(Schedule, ExistingMatchesAreKeptAndMatchdaysNumberOn) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2,
        {{QStringLiteral("A"), Names(6)}, {QStringLiteral("B"), Names(5, QStringLiteral("U"))}});
    TMatch* kept =
        kvtest::AddResult(*t, QStringLiteral("T2"), QStringLiteral("T1"), QStringLiteral("2:1"), 1);
    ASSERT_NE(kept, nullptr);
    kept->Matchday = 4;
    TMatch* second =
        kvtest::AddResult(*t, QStringLiteral("T1"), QStringLiteral("T2"), QString(), 2);
    second->Matchday = 1;
    // T3 already hosts T4 in the second leg: the first leg must be at T4's ground.
    kvtest::AddResult(*t, QStringLiteral("T3"), QStringLiteral("T4"), QString(), 2);
    const int before = t->MatchCount();
    const TSchedule s = PlanSchedule(*t);
    EXPECT_EQ(s.FirstMatchday, 5);
    // The groups share matchdays: the odd group needs 5 per leg, more than the even one's 5.
    EXPECT_EQ(s.Matchdays, 10);
    ASSERT_EQ(AddSchedule(*t, s), 15 * 2 + 10 * 2 - 3);
    EXPECT_EQ(t->MatchCount(), before + 47);
    EXPECT_EQ(t->MatchById(kept->Id)->Matchday, 4);
    EXPECT_TRUE(t->MatchById(kept->Id)->Played);
    EXPECT_EQ(t->MatchById(kept->Id)->HomeScore, 2);
    const TMatch* firstLeg = t->MatchOfPairInLeg(2, 3, 1);
    ASSERT_NE(firstLeg, nullptr);
    EXPECT_EQ(firstLeg->HomeTeamId, 3);
    std::vector<int> groupA{0, 1, 2, 3, 4, 5}, groupB{6, 7, 8, 9, 10};
    for (const auto& g : {groupA, groupB}) {
        for (size_t i = 0; i < g.size(); ++i)
            for (size_t j = i + 1; j < g.size(); ++j)
                EXPECT_EQ(t->JointTable().MatchesOfPair(g[i], g[j], true).size(), 2u);
    }
    // No match between the groups.
    for (const TMatch* m : t->JointTable().Matches())
        EXPECT_EQ(t->GroupOfTeam(m->HomeTeamId), t->GroupOfTeam(m->VisitorTeamId));
}

TEST_F(Schedule, ASeasonUnderWayIsFinishedInTheFewestMatchdays) {
    // The first leg played, and one round of the second in an order of its own: the four
    // fixtures left fit on two matchdays, which the circle's rounds would spread over three.
    auto t = kvtest::MakeTournament(SportSoccer, 2, {{QStringLiteral("G"), Names(4)}});
    const QStringList n = Names(4);
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            kvtest::AddResult(*t, n[i], n[j], QStringLiteral("1:0"), 1);
    kvtest::AddResult(*t, n[1], n[0], QString(), 2);
    kvtest::AddResult(*t, n[3], n[2], QString(), 2);
    const TSchedule s = PlanSchedule(*t);
    EXPECT_EQ(s.LowerBound, 2);
    EXPECT_EQ(s.Matchdays, 2);
    AddSchedule(*t, s);
    std::vector<int> teams{0, 1, 2, 3};
    ExpectSound(*t, teams);
}

TEST_F(Schedule, DatesStepFromTheFirstMatchdayAndTheTimeIsKickOff) {
    auto t = kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("A"), Names(4)}});
    TScheduleDates d;
    d.HasDate = true;
    d.FirstDate = 46000;
    d.EveryDays = 7;
    d.HasTime = true;
    d.Time = 0.625;
    const TSchedule s = PlanSchedule(*t);
    AddSchedule(*t, s, d);
    for (const TMatch* m : t->JointTable().Matches()) {
        EXPECT_TRUE(m->HasDate);
        EXPECT_DOUBLE_EQ(m->Date, 46000 + 7.0 * (m->Matchday - 1));
        EXPECT_TRUE(m->HasTime);
        EXPECT_DOUBLE_EQ(m->Time, 0.625);
        EXPECT_FALSE(m->Played);
    }
    // Only one group's teams.
    auto u = kvtest::MakeTournament(
        SportSoccer, 1,
        {{QStringLiteral("A"), Names(4)}, {QStringLiteral("B"), Names(4, QStringLiteral("U"))}});
    const TSchedule one = PlanSchedule(*u, {4, 5, 6, 7});
    EXPECT_EQ(one.Matches.size(), 6u);
    for (const TPlannedMatch& m : one.Matches)
        EXPECT_GE(m.HomeTeamId, 4);
}

TEST_F(Schedule, ConferencesMeetAcrossDivisionsWithinTheGreedyBound) {
    // Two conferences of two divisions each, the legs as a North American league plays them.
    std::vector<kvtest::TGroupSpec> groups{
        {QStringLiteral("N1"), Names(4, QStringLiteral("a")), 0},
        {QStringLiteral("N2"), Names(5, QStringLiteral("b")), 0},
        {QStringLiteral("S1"), Names(4, QStringLiteral("c")), 1},
        {QStringLiteral("S2"), Names(4, QStringLiteral("d")), 1}};
    for (const auto& legs : {std::array<int, 3>{2, 1, 1}, {4, 2, 1}, {3, 3, 2}}) {
        SCOPED_TRACE(testing::Message() << legs[0] << "/" << legs[1] << "/" << legs[2]);
        auto t = kvtest::MakeTournament(SportSoccer, legs[0], groups, legs[1], legs[2]);
        const TSchedule s = PlanSchedule(*t);
        std::vector<int> teams;
        for (const TTeam* team : t->JointTable().Teams())
            teams.push_back(team->Id);
        AddSchedule(*t, s);
        ExpectSound(*t, teams);
        EXPECT_GE(s.Matchdays, s.LowerBound);
        EXPECT_LE(s.Matchdays, s.LowerBound + s.LowerBound / 4 + 2) << "greedy far from the bound";
        // A pair's legs come in order.
        for (const TMatch* m : t->JointTable().Matches())
            if (m->Leg > 1) {
                const TMatch* before =
                    t->MatchOfPairInLeg(m->HomeTeamId, m->VisitorTeamId, m->Leg - 1);
                ASSERT_NE(before, nullptr);
                EXPECT_LT(before->Matchday, m->Matchday);
            }
    }
}

TEST(ScheduleDates, SkippedDaysMoveTheMatchdaysOnByWholeSteps) {
    std::vector<std::pair<double, double>> ranges;
    QString error;
    ASSERT_TRUE(ParseSkippedDates(
        QStringLiteral("2026-12-24 - 2027-01-06; 2/4/2027\nApr 16, 2027 .. 18 April 2027"), ranges,
        error))
        << qPrintable(error);
    ASSERT_EQ(ranges.size(), 3u);
    EXPECT_EQ(DaysToDate(ranges[0].first), QDate(2026, 12, 24));
    EXPECT_EQ(DaysToDate(ranges[0].second), QDate(2027, 1, 6));
    EXPECT_EQ(ranges[1].first, ranges[1].second);
    EXPECT_EQ(DaysToDate(ranges[2].first), QDate(2027, 4, 16));
    EXPECT_EQ(DaysToDate(ranges[2].second), QDate(2027, 4, 18));
    EXPECT_TRUE(ParseSkippedDates(QStringLiteral("  ;\n"), ranges, error));
    EXPECT_TRUE(ranges.empty());
    EXPECT_FALSE(ParseSkippedDates(QStringLiteral("1/1/2027, holidays"), ranges, error));
    EXPECT_EQ(error, QStringLiteral("'holidays' is not a date or a range of dates"));
    EXPECT_FALSE(ParseSkippedDates(QStringLiteral("6/1/2027 - 24/12/2026"), ranges, error));
    EXPECT_EQ(error, QStringLiteral("The range '6/1/2027 - 24/12/2026' ends before it begins"));

    // Saturdays from 12 December; the break takes two of them, the first date none.
    TScheduleDates dates;
    dates.HasDate = true;
    dates.FirstDate = DateToDays(QDate(2026, 12, 12));
    dates.EveryDays = 7;
    ASSERT_TRUE(ParseSkippedDates(QStringLiteral("24/12/2026 - 6/1/2027"), dates.Skipped, error));
    TSchedule s;
    s.FirstMatchday = 3;
    const auto on = [&](int matchday) { return DaysToDate(MatchdayDate(dates, s, matchday)); };
    EXPECT_EQ(on(3), QDate(2026, 12, 12));
    EXPECT_EQ(on(4), QDate(2026, 12, 19));
    EXPECT_EQ(on(5), QDate(2027, 1, 9)); // 26 Dec and 2 Jan skipped
    EXPECT_EQ(on(6), QDate(2027, 1, 16));
    // A first date inside a break moves too.
    dates.FirstDate = DateToDays(QDate(2026, 12, 26));
    EXPECT_EQ(on(3), QDate(2027, 1, 9));
}
