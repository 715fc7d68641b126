// The tie rules of real leagues worked out by hand: head-to-head among the teams still level
// (FIFA, UEFA), a recorded order for teams nothing separates, why each team stands where it
// does, and ice hockey's regulation and overtime wins.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "standings/statistics.h"
#include "standings/tournament_setup.h"

using namespace kv;

namespace {

QStringList Names(std::span<const TTeam* const> teams) {
    QStringList names;
    for (const TTeam* t : teams)
        names << t->Name;
    return names;
}

QStringList Order(const TGroup& g) {
    return Names(g.Teams());
}

QStringList L(const char* names) {
    return QString::fromLatin1(names).split(QLatin1Char(' '));
}

void SetCriteria(TTournament& t, std::initializer_list<int> tieBreaks) {
    t.SortCriteria = {MakeCriterion(kColumnPoints, ScopeOverall, t.Sport, true)};
    for (const int column : tieBreaks)
        t.SortCriteria.push_back(
            MakeCriterion(column, ScopeOverall, t.Sport, ColumnDescendingByDefault(column)));
}

void Results(TTournament& t, std::initializer_list<std::array<const char*, 3>> results) {
    for (const auto& [home, visitor, score] : results)
        ASSERT_TRUE(
            kvtest::AddResult(t, QLatin1String(home), QLatin1String(visitor), QLatin1String(score)))
            << home << " " << visitor;
}

class TieRules : public kvtest::TTempHome {
protected:
    // A, B and C level on 4 points. A and B also level on goal difference (+1), C behind (-2);
    // B beat A. Among all three, head-to-head points are equal (3 each).
    std::unique_ptr<TTournament> ThreeWay() {
        auto t = kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("G"), L("A B C D")}});
        Results(*t, {{"B", "A", "2:0"},
                     {"A", "C", "3:0"},
                     {"C", "B", "1:0"},
                     {"A", "D", "0:0"},
                     {"B", "D", "0:0"},
                     {"C", "D", "0:0"}});
        SetCriteria(
            *t, {kColumnGoalDifference, kColumnAmongThemPoints, kColumnAmongThemGoalDifference});
        return t;
    }

    // All four level on 4 points and on head-to-head points. Head-to-head goal difference
    // puts A first and C last and leaves B and D level; B beat D, though D scored more goals
    // among the four.
    std::unique_ptr<TTournament> FourWay() {
        auto t = kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("G"), L("A B C D")}});
        Results(*t, {{"A", "B", "1:1"},
                     {"C", "D", "0:0"},
                     {"A", "C", "3:0"},
                     {"D", "A", "3:2"},
                     {"B", "D", "1:0"},
                     {"C", "B", "1:0"}});
        SetCriteria(
            *t, {kColumnAmongThemPoints, kColumnAmongThemGoalDifference, kColumnAmongThemGoalsFor});
        return t;
    }

    static TStandingsOrder Ranked(const TTournament& t, const TGroup& g) {
        return RankStandings(t, g, g.Teams(), ScopeOverall);
    }
};

} // namespace

TEST_F(TieRules, StillLevelRuleDecidesThePairByItsOwnMatch) {
    auto t = ThreeWay();
    RecomputeAll(*t);
    // Among all three level on points nothing separates A and B: their names do.
    EXPECT_EQ(Order(*t->GroupAt(0)), L("A B C D"));
    const TStandingsOrder before = Ranked(*t, *t->GroupAt(0));
    EXPECT_EQ(PlaceReasonText(*t, before.Reasons[0]),
              QStringLiteral("Level on every criterion: by name"));

    t->HeadToHeadStillLevel = true;
    RecomputeAll(*t);
    EXPECT_EQ(Order(*t->GroupAt(0)), L("B A C D"));
    EXPECT_EQ(Order(t->JointTable()), L("B A C D"));
    const TStandingsOrder after = Ranked(*t, *t->GroupAt(0));
    ASSERT_EQ(Names(after.Teams), L("B A C D"));
    EXPECT_EQ(after.Reasons[0].Kind, TPlaceReason::ByCriterion);
    EXPECT_EQ(after.Reasons[0].Criterion, 2);
    EXPECT_EQ(PlaceReasonText(*t, after.Reasons[0]),
              QStringLiteral("Points Obtained in Matches Played among Them: 3 against 0 (among the "
                             "2 teams still level)"));
    EXPECT_EQ(PlaceReasonText(*t, after.Reasons[1]),
              QStringLiteral("Goal Difference: +1 against -2"));
    EXPECT_EQ(PlaceReasonText(*t, after.Reasons[2]),
              QStringLiteral("Points Obtained: 4 against 3"));
    EXPECT_EQ(after.Reasons[3].Kind, TPlaceReason::Last);
    // Places follow the same order.
    EXPECT_EQ(t->JointTable().TeamByName(QStringLiteral("B"))->Stats.GroupPlace[ScopeOverall], 1);
}

TEST_F(TieRules, FourWayTieSplitsTwice) {
    auto t = FourWay();
    RecomputeAll(*t);
    // Among all four, D's three goals against B's two put D ahead.
    EXPECT_EQ(Order(*t->GroupAt(0)), L("A D B C"));
    t->HeadToHeadStillLevel = true;
    RecomputeAll(*t);
    // First split: head-to-head goal difference among the four, A | B D | C. Then B and D
    // alone: B won their match.
    EXPECT_EQ(Order(*t->GroupAt(0)), L("A B D C"));
    const TStandingsOrder r = Ranked(*t, *t->GroupAt(0));
    EXPECT_EQ(PlaceReasonText(*t, r.Reasons[0]),
              QStringLiteral("Goal Difference in Matches Played among Them: +2 against 0 (among "
                             "the 4 teams still level)"));
    EXPECT_EQ(PlaceReasonText(*t, r.Reasons[1]),
              QStringLiteral("Points Obtained in Matches Played among Them: 3 against 0 (among the "
                             "2 teams still level)"));
    EXPECT_EQ(r.Reasons[2].LevelTeams, 4);
    // Home and away tables use the rule too, each with its own matches.
    std::vector<const TTeam*> home(t->GroupAt(0)->Teams().begin(), t->GroupAt(0)->Teams().end());
    OrderByStandings(*t, *t->GroupAt(0), home, ScopeHome);
    EXPECT_EQ(home.size(), 4u);
}

TEST_F(TieRules, RuleOffRanksAsTheTeamsFiguresSay) {
    // The default rule is the one the files and tables have always used: the order equals the
    // plain comparison of the teams' own figures.
    std::unique_ptr<TTournament> both[] = {ThreeWay(), FourWay()};
    for (auto& t : both) {
        RecomputeAll(*t);
        std::vector<const TTeam*> plain(t->GroupAt(0)->Teams().begin(),
                                        t->GroupAt(0)->Teams().end());
        std::sort(plain.begin(), plain.end(), [&](const TTeam* a, const TTeam* b) {
            return CompareStandings(*t, *a, *b, ScopeOverall) < 0;
        });
        EXPECT_EQ(Order(*t->GroupAt(0)), Names(plain));
    }
}

TEST_F(TieRules, RecordedOrderDecidesOnlyWhileTeamsAreLevel) {
    auto t = kvtest::MakeTournament(SportSoccer, 2, {{QStringLiteral("G"), L("Ajax Bern Cork")}});
    Results(*t, {{"Ajax", "Cork", "1:0"}, {"Bern", "Cork", "1:0"}, {"Ajax", "Bern", "0:0"}});
    SetCriteria(*t, {kColumnGoalDifference, kColumnGoalsFor});
    TGroup& g = *t->GroupAt(0);
    RecomputeAll(*t);
    EXPECT_EQ(Order(g), L("Ajax Bern Cork"));
    g.TieOrder = {kvtest::TeamId(*t, QStringLiteral("Bern")),
                  kvtest::TeamId(*t, QStringLiteral("Ajax"))};
    for (const bool stillLevel : {false, true}) {
        t->HeadToHeadStillLevel = stillLevel;
        RecomputeAll(*t);
        EXPECT_EQ(Order(g), L("Bern Ajax Cork")) << stillLevel;
        EXPECT_EQ(PlaceReasonText(*t, Ranked(*t, g).Reasons[0]),
                  QStringLiteral("Level on every criterion: recorded order"));
        // The joint table has no record of its own: names decide there.
        EXPECT_EQ(Order(t->JointTable()), L("Ajax Bern Cork"));
    }
    // A result that separates them overrides the record.
    ASSERT_TRUE(kvtest::AddResult(*t, QStringLiteral("Cork"), QStringLiteral("Ajax"),
                                  QStringLiteral("0:2"), 2));
    for (const bool stillLevel : {false, true}) {
        t->HeadToHeadStillLevel = stillLevel;
        RecomputeAll(*t);
        EXPECT_EQ(Order(g), L("Ajax Bern Cork")) << stillLevel;
    }
    // Removing a team drops it from the record.
    t->RemoveTeam(t->JointTable().TeamByName(QStringLiteral("Bern")), true);
    EXPECT_EQ(g.TieOrder, std::vector<int>{kvtest::TeamId(*t, QStringLiteral("Ajax"))});
}

TEST_F(TieRules, ReasonsBeforeAndWithoutResults) {
    auto t = kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("G"), L("Cork Ajax Bern")}});
    SetCriteria(*t, {kColumnGoalDifference});
    RecomputeAll(*t);
    TStandingsOrder r = Ranked(*t, *t->GroupAt(0));
    EXPECT_EQ(Names(r.Teams), L("Cork Ajax Bern")); // the order of entry
    EXPECT_EQ(PlaceReasonText(*t, r.Reasons[0]),
              QStringLiteral("No matches played: order of entry"));
    EXPECT_EQ(PlaceReasonText(*t, r.Reasons[2]), QString());
    Results(*t, {{"Bern", "Cork", "1:1"}});
    for (const bool stillLevel : {false, true}) {
        t->HeadToHeadStillLevel = stillLevel;
        RecomputeAll(*t);
        r = Ranked(*t, *t->GroupAt(0));
        EXPECT_EQ(Names(r.Teams), L("Bern Cork Ajax")) << stillLevel;
        EXPECT_EQ(PlaceReasonText(*t, r.Reasons[0]),
                  QStringLiteral("Level on every criterion: by name"));
        EXPECT_EQ(PlaceReasonText(*t, r.Reasons[1]),
                  QStringLiteral("The team below has played no match"));
    }
}

TEST_F(TieRules, RegulationAndOvertimeWinsOfIceHockey) {
    auto t = kvtest::MakeTournament(SportHockey, 2, {{QStringLiteral("G"), L("Bears Owls Pike")}});
    t->Overtime = true;
    t->ShootOuts = true;
    t->WinOTPoints = 2;
    t->LossOTPoints = 1;
    t->WinSOPoints = 2;
    t->LossSOPoints = 1;
    // Bears win in overtime and in a shoot-out (2 + 2 points); Owls lose in overtime and win in
    // regulation (1 + 3). Both have 4 points and one regulation-or-overtime win; only Owls have
    // a regulation win.
    Results(*t, {{"Bears", "Owls", "3:2 OT"}, {"Owls", "Pike", "4:1"}});
    // A hockey score has no shoot-out mark: the score dialog sets it.
    kvtest::AddResult(*t, QStringLiteral("Pike"), QStringLiteral("Bears"), QStringLiteral("1:2"))
        ->DecidedIn = 2;
    RecomputeAll(*t);
    const TTeam& bears = *t->JointTable().TeamByName(QStringLiteral("Bears"));
    const TTeam& owls = *t->JointTable().TeamByName(QStringLiteral("Owls"));
    EXPECT_EQ(ColumnValue(*t, bears, kColumnRegulationOvertimeWins, ScopeOverall),
              1); // OT yes, SO no
    EXPECT_EQ(ColumnValue(*t, owls, kColumnRegulationOvertimeWins, ScopeOverall), 1);
    EXPECT_EQ(ColumnValue(*t, bears, kColumnRegulationWins, ScopeOverall), 0);
    EXPECT_EQ(ColumnValue(*t, owls, kColumnRegulationWins, ScopeOverall), 1);
    EXPECT_EQ(ColumnText(*t, bears, kColumnRegulationOvertimeWins, ScopeAway), QStringLiteral("0"));
    EXPECT_EQ(ColumnFullName(kColumnRegulationOvertimeWins, *t),
              QStringLiteral("Regulation and Overtime Wins"));
    EXPECT_EQ(ColumnCaption(kColumnRegulationOvertimeWins, *t), QStringLiteral("ROW"));

    TColumnContext c = TColumnContext::Of(*t);
    EXPECT_TRUE(ColumnApplicable(kColumnRegulationOvertimeWins, c));
    c.Overtime = false;
    EXPECT_FALSE(ColumnApplicable(kColumnRegulationOvertimeWins, c));
    c.Overtime = true;
    c.Sport = SportSoccer;
    EXPECT_FALSE(ColumnApplicable(kColumnRegulationOvertimeWins, c));
    EXPECT_EQ(ColumnFullName(kColumnRegulationOvertimeWins, SportSoccer, false, false), QString());

    const auto offers = [](int sport, bool overtime, int column) {
        const auto offered = OfferedCriteria(sport, overtime);
        return std::any_of(offered.begin(), offered.end(),
                           [&](const TSortColumn& s) { return s.Column == column; });
    };
    EXPECT_TRUE(offers(SportHockey, true, kColumnRegulationOvertimeWins));
    EXPECT_TRUE(offers(SportHockey, true, kColumnRegulationWins));
    EXPECT_FALSE(offers(SportHockey, false, kColumnRegulationOvertimeWins));
    EXPECT_FALSE(offers(SportSoccer, true, kColumnRegulationOvertimeWins));

    // Level on points and on ROW: regulation wins decide, as the NHL ranks since 2019-20.
    SetCriteria(*t, {kColumnRegulationOvertimeWins, kColumnRegulationWins});
    EXPECT_EQ(t->SortCriteria[1].Name, QStringLiteral("Regulation and Overtime Wins"));
    RecomputeAll(*t);
    const TStandingsOrder r =
        RankStandings(*t, *t->GroupAt(0), t->GroupAt(0)->Teams(), ScopeOverall);
    EXPECT_EQ(Names(r.Teams), L("Owls Bears Pike"));
}
