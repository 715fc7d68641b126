// Standings checked against tables worked out by hand: head-to-head among teams level on
// points, three-way ties, forfeits with penalty, overtime and shoot-outs, division leaders
// ranked up, chess halves and the range filter.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "standings/statistics.h"
#include "standings/team_values.h"
#include "standings/tournament_setup.h"

using namespace kv;
using kvtest::AddResult;

namespace {

QStringList Order(const TGroup& g) {
    QStringList names;
    for (const TTeam* t : g.Teams())
        names << t->Name;
    return names;
}

QStringList L(std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* n : names)
        out << QString::fromLatin1(n);
    return out;
}

void SetCriteria(TTournament& t, std::initializer_list<std::pair<int, int>> tieBreaks) {
    t.SortCriteria = {MakeCriterion(kColumnPoints, ScopeOverall, t.Sport, true)};
    for (const auto& [column, scope] : tieBreaks)
        t.SortCriteria.push_back(
            MakeCriterion(column, scope, t.Sport, ColumnDescendingByDefault(column)));
}

class Ranking : public kvtest::TTempHome {
protected:
    double Value(const TTournament& t, const QString& team, int column, int scope = ScopeOverall) {
        return ColumnValue(t, *t.JointTable().TeamByName(team), column, scope);
    }

    // A beat B, B beat C, C thrashed A: B and C level on 4 points, C with the better difference.
    std::unique_ptr<TTournament> HeadToHead() {
        auto t = kvtest::MakeTournament(SportSoccer, 1,
                                        {{QStringLiteral("G"), L({"A", "B", "C", "D"})}});
        AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1:0"));
        AddResult(*t, QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("1:0"));
        AddResult(*t, QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("5:0"));
        AddResult(*t, QStringLiteral("A"), QStringLiteral("D"), QStringLiteral("2:0"));
        AddResult(*t, QStringLiteral("B"), QStringLiteral("D"), QStringLiteral("1:1"));
        AddResult(*t, QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("1:1"));
        return t;
    }
};

} // namespace

TEST_F(Ranking, HeadToHeadBeforeGoalDifference) {
    auto t = HeadToHead();
    SetCriteria(*t, {{kColumnAmongThemPoints, ScopeOverall},
                     {kColumnGoalDifference, ScopeOverall},
                     {kColumnGoalsFor, ScopeOverall}});
    RecomputeAll(*t);
    EXPECT_EQ(Order(*t->GroupById(0)), L({"A", "B", "C", "D"}));
    EXPECT_EQ(Value(*t, QStringLiteral("A"), kColumnPoints), 6);
    EXPECT_EQ(Value(*t, QStringLiteral("B"), kColumnPoints), 4);
    EXPECT_EQ(Value(*t, QStringLiteral("C"), kColumnGoalDifference), 4);
    EXPECT_EQ(Value(*t, QStringLiteral("B"), kColumnAmongThemPoints), 3);
    EXPECT_EQ(Value(*t, QStringLiteral("C"), kColumnAmongThemPoints), 0);
    // A and D are level with nobody: no among-them figures.
    EXPECT_EQ(Value(*t, QStringLiteral("A"), kColumnAmongThemWins), 0);
    EXPECT_EQ(Value(*t, QStringLiteral("A"), kColumnAmongThemGoalsFor), 0);
    SetCriteria(*t,
                {{kColumnGoalDifference, ScopeOverall}, {kColumnAmongThemPoints, ScopeOverall}});
    RecomputeAll(*t);
    EXPECT_EQ(Order(*t->GroupById(0)), L({"A", "C", "B", "D"}));
    // Places per kind of table.
    EXPECT_EQ(PlaceIn(*t->JointTable().TeamByName(QStringLiteral("C")), KindGroup, ScopeOverall),
              2);
    EXPECT_EQ(PlaceIn(*t->JointTable().TeamByName(QStringLiteral("C")), KindJoint, ScopeOverall),
              2);
}

TEST_F(Ranking, ThreeTeamsLevelFormTheirOwnMiniTable) {
    auto t =
        kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("G"), L({"W", "X", "Y", "Z"})}});
    AddResult(*t, QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("3:0"));
    AddResult(*t, QStringLiteral("Y"), QStringLiteral("Z"), QStringLiteral("2:0"));
    AddResult(*t, QStringLiteral("Z"), QStringLiteral("X"), QStringLiteral("1:0"));
    AddResult(*t, QStringLiteral("X"), QStringLiteral("W"), QStringLiteral("0:0"));
    AddResult(*t, QStringLiteral("Y"), QStringLiteral("W"), QStringLiteral("3:3"));
    AddResult(*t, QStringLiteral("Z"), QStringLiteral("W"), QStringLiteral("2:2"));
    SetCriteria(*t, {{kColumnAmongThemPoints, ScopeOverall},
                     {kColumnAmongThemGoalDifference, ScopeOverall},
                     {kColumnAmongThemGoalsFor, ScopeOverall}});
    RecomputeAll(*t);
    EXPECT_EQ(Order(t->JointTable()), L({"X", "Y", "Z", "W"}));
    const TTeam& x = *t->JointTable().TeamByName(QStringLiteral("X"));
    const TVenueStats h2h = VenueStats(x.Stats, ScopeOverall);
    EXPECT_EQ(h2h.H2HPlayed(), 2); // W's match is not among them
    EXPECT_EQ(h2h.H2HPoints, 3);
    EXPECT_EQ(h2h.H2HGoalsFor, 3);
    EXPECT_EQ(h2h.H2HGoalsAgainst, 1);
    EXPECT_EQ(Value(*t, QStringLiteral("Y"), kColumnAmongThemGoalDifference), -1);
    EXPECT_EQ(Value(*t, QStringLiteral("Y"), kColumnAmongThemGoalsFor), 2);
    EXPECT_EQ(Value(*t, QStringLiteral("Z"), kColumnAmongThemGoalsFor), 1);
    EXPECT_EQ(Value(*t, QStringLiteral("W"), kColumnAmongThemPoints), 0);
    EXPECT_EQ(ColumnText(*t, x, kColumnAmongThemGoalsForAndAgainst, ScopeOverall),
              QStringLiteral("3-1"));
    // Goals for first after points puts Y (5) ahead; X and Z (3 each) fall back on the name.
    SetCriteria(*t, {{kColumnGoalsFor, ScopeOverall}});
    RecomputeAll(*t);
    EXPECT_EQ(Order(t->JointTable()), L({"Y", "X", "Z", "W"}));
}

TEST_F(Ranking, TwoTeamsThatEachWonAtHome) {
    auto t = kvtest::MakeTournament(SportSoccer, 2, {{QStringLiteral("G"), L({"A", "B", "C"})}});
    AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("3:1"), 1);
    AddResult(*t, QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("1:0"), 2);
    SetCriteria(*t, {{kColumnAmongThemPoints, ScopeOverall}});
    RecomputeAll(*t);
    const TVenueStats a =
        VenueStats(t->JointTable().TeamByName(QStringLiteral("A"))->Stats, ScopeOverall);
    const TVenueStats b =
        VenueStats(t->JointTable().TeamByName(QStringLiteral("B"))->Stats, ScopeOverall);
    EXPECT_EQ(a.H2HPoints, 3);
    EXPECT_EQ(b.H2HPoints, 3);
    EXPECT_EQ(a.H2HGoalsFor, 3);
    EXPECT_EQ(a.H2HGoalsAgainst, 2);
    EXPECT_EQ(b.H2HGoalsFor, 2);
    EXPECT_EQ(b.H2HGoalsAgainst, 3);
}

TEST_F(Ranking, ForfeitWithPenalty) {
    auto t = kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("G"), L({"Home", "Away"})}});
    t->ForfeitPenalty = 2;
    TMatch* m =
        AddResult(*t, QStringLiteral("Home"), QStringLiteral("Away"), QStringLiteral("0:3"));
    m->TechnicalLoss = 1;
    RecomputeAll(*t);
    const TTeam& home = *t->JointTable().TeamByName(QStringLiteral("Home"));
    const TTeam& away = *t->JointTable().TeamByName(QStringLiteral("Away"));
    EXPECT_EQ(Points(*t, away, ScopeOverall), 3);
    EXPECT_EQ(away.Stats.Away.Wins, 1);
    EXPECT_EQ(home.Stats.Home.Losses, 1);
    EXPECT_EQ(home.Stats.Home.PenaltyPoints, 2);
    EXPECT_EQ(Points(*t, home, ScopeHome), -2);
    EXPECT_EQ(Points(*t, home, ScopeAway), 0);
    EXPECT_EQ(GoalsFor(away, ScopeOverall), 3); // the stored score still counts as goals
    EXPECT_EQ(home.Stats.Home.ExtraTimeMatches, 0);
    EXPECT_EQ(Order(t->JointTable()), L({"Away", "Home"}));
}

TEST_F(Ranking, HockeyOvertimeAndShootOuts) {
    auto t = kvtest::MakeTournament(SportHockey, 2, {{QStringLiteral("G"), L({"H1", "H2", "H3"})}});
    t->Overtime = true;
    t->ShootOuts = true;
    t->WinOTPoints = 2;
    t->LossOTPoints = 1;
    t->WinSOPoints = 2;
    t->LossSOPoints = 1;
    AddResult(*t, QStringLiteral("H1"), QStringLiteral("H2"), QStringLiteral("3:2 OT"));
    TMatch* so = AddResult(*t, QStringLiteral("H2"), QStringLiteral("H3"), QStringLiteral("2:1"));
    so->DecidedIn = 2;
    AddResult(*t, QStringLiteral("H3"), QStringLiteral("H1"), QStringLiteral("4:1"));
    RecomputeAll(*t);
    EXPECT_EQ(Order(t->JointTable()), L({"H3", "H2", "H1"}));
    EXPECT_EQ(Value(*t, QStringLiteral("H1"), kColumnPoints), 2);
    EXPECT_EQ(Value(*t, QStringLiteral("H2"), kColumnPoints), 3);
    EXPECT_EQ(Value(*t, QStringLiteral("H3"), kColumnPoints), 4);
    EXPECT_EQ(Value(*t, QStringLiteral("H1"), kColumnOvertimeWins), 1);
    EXPECT_EQ(Value(*t, QStringLiteral("H2"), kColumnOvertimeLosses), 1);
    EXPECT_EQ(Value(*t, QStringLiteral("H2"), kColumnShootOutWins), 1);
    EXPECT_EQ(Value(*t, QStringLiteral("H3"), kColumnShootOutLosses), 1);
    EXPECT_EQ(Value(*t, QStringLiteral("H2"), kColumnExtraTimeMatches), 2);
    EXPECT_EQ(Value(*t, QStringLiteral("H3"), kColumnRegulationWins), 1);
    EXPECT_EQ(Value(*t, QStringLiteral("H3"), kColumnTotalWins), 1); // the shoot-out went to H2
    EXPECT_EQ(Value(*t, QStringLiteral("H3"), kColumnTotalLosses), 1);
    EXPECT_EQ(Value(*t, QStringLiteral("H2"), kColumnMaxPossiblePoints),
              6); // two matches, at most 3 a match
    EXPECT_EQ(ColumnText(*t, *t->JointTable().TeamByName(QStringLiteral("H2")), kColumnPercentage,
                         ScopeOverall),
              QStringLiteral("50.0"));
    // A draw after overtime.
    ASSERT_TRUE(
        AddResult(*t, QStringLiteral("H2"), QStringLiteral("H1"), QStringLiteral("1:1 OT"), 2));
    RecomputeAll(*t);
    EXPECT_EQ(Value(*t, QStringLiteral("H1"), kColumnOvertimeDraws), 1);
    EXPECT_EQ(Value(*t, QStringLiteral("H1"), kColumnPoints), 3);
}

TEST_F(Ranking, DivisionLeadersRankedUpInTheConferenceTable) {
    auto t = kvtest::MakeTournament(SportBasketball, 1,
                                    {{QStringLiteral("East"), L({"E1", "E2"}), 0},
                                     {QStringLiteral("West"), L({"W1", "W2"}), 0}});
    t->WinPoints = 2;
    t->DrawPoints = 1;
    t->LossPoints = 0;
    t->Overtime = true;
    t->WinOTPoints = 2;
    t->LossOTPoints = 0;
    t->SortCriteria = {MakeCriterion(kColumnPercentage, ScopeOverall, SportBasketball, true),
                       MakeCriterion(kColumnAmongThemWins, ScopeOverall, SportBasketball, true)};
    AddResult(*t, QStringLiteral("E1"), QStringLiteral("E2"), QStringLiteral("80:70"));
    AddResult(*t, QStringLiteral("W1"), QStringLiteral("W2"), QStringLiteral("90:80"));
    AddResult(*t, QStringLiteral("E2"), QStringLiteral("W1"), QStringLiteral("85:84"));
    AddResult(*t, QStringLiteral("E2"), QStringLiteral("W2"), QStringLiteral("77:70"));
    AddResult(*t, QStringLiteral("W1"), QStringLiteral("E1"), QStringLiteral("100:99"));
    AddResult(*t, QStringLiteral("W2"), QStringLiteral("E1"), QStringLiteral("66:60"));
    RecomputeAll(*t);
    const TGroup& conference = *t->ConferenceById(0)->Table();
    EXPECT_EQ(Order(conference), L({"E2", "W1", "W2", "E1"}));
    EXPECT_EQ(ColumnText(*t, *conference.TeamByName(QStringLiteral("E2")), kColumnPercentage,
                         ScopeOverall),
              QStringLiteral("66.7"));
    t->RankLeadersUp = true;
    RecomputeAll(*t);
    EXPECT_EQ(Order(conference), L({"W1", "E1", "E2", "W2"}));
    EXPECT_EQ(Order(*t->GroupById(0)), L({"E1", "E2"}));
    EXPECT_EQ(PlaceIn(*conference.TeamByName(QStringLiteral("E1")), KindConference, ScopeOverall),
              2);
    EXPECT_EQ(PlaceIn(*conference.TeamByName(QStringLiteral("E1")), KindGroup, ScopeOverall), 1);
}

TEST_F(Ranking, ChessHalves) {
    auto t =
        kvtest::MakeTournament(SportChess, 1, {{QStringLiteral("G"), L({"Ann", "Bob", "Cid"})}});
    t->WinPoints = 1;
    t->DrawPoints = 0.5;
    t->LossPoints = 0;
    AddResult(*t, QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("="));
    AddResult(*t, QStringLiteral("Ann"), QStringLiteral("Cid"), QStringLiteral("1"));
    AddResult(*t, QStringLiteral("Bob"), QStringLiteral("Cid"), QStringLiteral("0"));
    RecomputeAll(*t);
    EXPECT_EQ(Order(t->JointTable()), L({"Ann", "Cid", "Bob"}));
    EXPECT_EQ(ColumnText(*t, *t->JointTable().TeamByName(QStringLiteral("Ann")), kColumnPoints,
                         ScopeOverall),
              QStringLiteral("1.5"));
    EXPECT_EQ(ColumnText(*t, *t->JointTable().TeamByName(QStringLiteral("Bob")), kColumnGoalsFor,
                         ScopeOverall),
              QStringLiteral("0.5"));
}

TEST_F(Ranking, RangeFilterByLegMatchdayAndDate) {
    auto t = HeadToHead();
    SetCriteria(*t,
                {{kColumnAmongThemPoints, ScopeOverall}, {kColumnGoalDifference, ScopeOverall}});
    int matchday = 1;
    for (TMatch* m : t->JointTable().Matches()) {
        m->Matchday = matchday;
        m->HasDate = true;
        m->Date = 46000 + matchday;
        ++matchday;
    }
    t->MatchFilter.MatchdayFrom = 1;
    t->MatchFilter.MatchdayTo = 2; // A 1:0 B and B 1:0 C only
    RecomputeAll(*t);
    EXPECT_EQ(Value(*t, QStringLiteral("A"), kColumnPlayed), 1);
    EXPECT_EQ(Value(*t, QStringLiteral("B"), kColumnPlayed), 2);
    EXPECT_EQ(Value(*t, QStringLiteral("D"), kColumnPlayed), 0);
    EXPECT_EQ(Order(t->JointTable()).first(), QStringLiteral("A"));
    t->MatchFilter = {};
    t->MatchFilter.DateFrom = 46003;
    RecomputeAll(*t);
    EXPECT_EQ(Value(*t, QStringLiteral("A"), kColumnPlayed), 2); // matchdays 3 and 4
    t->MatchFilter = {};
    t->MatchFilter.LegFrom = 2;
    RecomputeAll(*t);
    EXPECT_FALSE(HasResults(t->JointTable()));
    EXPECT_EQ(Order(t->JointTable()), L({"A", "B", "C", "D"})); // order of entry
}

TEST_F(Ranking, TotalOrderEndsWithTheName) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 1, {{QStringLiteral("G"), L({"Delta", "Alpha", "Charlie", "Bravo"})}});
    AddResult(*t, QStringLiteral("Delta"), QStringLiteral("Alpha"), QStringLiteral("1:1"));
    AddResult(*t, QStringLiteral("Charlie"), QStringLiteral("Bravo"), QStringLiteral("1:1"));
    RecomputeAll(*t);
    EXPECT_EQ(Order(t->JointTable()), L({"Alpha", "Bravo", "Charlie", "Delta"}));
    // A team without home matches comes after those with, in the home table.
    auto u = kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("G"), L({"A", "B", "C"})}});
    AddResult(*u, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("0:5"));
    AddResult(*u, QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("0:0"));
    RecomputeAll(*u);
    std::vector<const TTeam*> home(u->JointTable().Teams().begin(), u->JointTable().Teams().end());
    OrderByStandings(*u, home, ScopeHome);
    EXPECT_EQ(home.back()->Name, QStringLiteral("B"));
}

TEST_F(Ranking, AwayCriterionReadsTheAwayValueInTheAwayTable) {
    auto t = HeadToHead();
    SetCriteria(*t, {{kColumnGoalsFor, ScopeAway}});
    RecomputeAll(*t);
    const TTeam& c = *t->JointTable().TeamByName(QStringLiteral("C"));
    std::vector<const TTeam*> away(t->JointTable().Teams().begin(), t->JointTable().Teams().end());
    OrderByStandings(*t, away, ScopeAway);
    EXPECT_EQ(ColumnValue(*t, c, kColumnGoalsFor, ScopeAway), 0);
    t->SortCriteria[1].Scope = ScopeOverall;
    std::vector<const TTeam*> again(t->JointTable().Teams().begin(), t->JointTable().Teams().end());
    OrderByStandings(*t, again, ScopeAway);
    EXPECT_EQ(away, again);
}

// A criterion of one venue, in the overall table, ranks by that venue's figure, not the
// overall one, with head-to-head among the teams level on points and among those still level
// alike. P and Q end level on points; P scores more in all, Q more in the criterion's venue.
TEST_F(Ranking, AVenueCriterionRanksTheOverallTableByThatVenue) {
    for (const int scope : {ScopeHome, ScopeAway})
        for (const bool stillLevel : {false, true}) {
            SCOPED_TRACE(testing::Message() << "scope " << scope << " still level " << stillLevel);
            auto t = kvtest::MakeTournament(SportSoccer, 1,
                                            {{QStringLiteral("G"), L({"A", "B", "P", "Q"})}});
            const bool away = scope == ScopeAway;
            // P: 5 goals in one venue, 1 in the criterion's; Q: 2 and 1 the other way round.
            const auto play = [&](const char* team, const char* other, const char* score,
                                  bool teamAtHome) {
                const QString a = QLatin1String(team), b = QLatin1String(other);
                const QStringList goals = QString::fromLatin1(score).split(QLatin1Char(':'));
                AddResult(*t, teamAtHome ? a : b, teamAtHome ? b : a,
                          teamAtHome ? QString::fromLatin1(score)
                                     : goals[1] + QLatin1Char(':') + goals[0]);
            };
            play("P", "A", "5:0", away);  // out of the criterion's venue
            play("P", "B", "1:1", !away); // in it
            play("Q", "A", "2:0", !away); // in it
            play("Q", "B", "1:1", away);  // out of it
            t->HeadToHeadStillLevel = stillLevel;
            SetCriteria(*t, {{kColumnGoalsFor, scope}});
            RecomputeAll(*t);
            EXPECT_EQ(Value(*t, QStringLiteral("P"), kColumnPoints),
                      Value(*t, QStringLiteral("Q"), kColumnPoints));
            EXPECT_GT(Value(*t, QStringLiteral("P"), kColumnGoalsFor),
                      Value(*t, QStringLiteral("Q"), kColumnGoalsFor));
            EXPECT_EQ(Order(t->JointTable()), L({"Q", "P", "B", "A"}));
            // The same criterion over all matches puts P first.
            SetCriteria(*t, {{kColumnGoalsFor, ScopeOverall}});
            RecomputeAll(*t);
            EXPECT_EQ(Order(t->JointTable()), L({"P", "Q", "B", "A"}));
        }
}

TEST_F(Ranking, SingleColumnAndEntryOrders) {
    auto t = HeadToHead();
    RecomputeAll(*t);
    t->SortState.Column = kColumnGoalsAgainst;
    t->SortState.Descending = false;
    SortTable(*t, t->JointTable());
    EXPECT_EQ(Order(t->JointTable()).first(),
              QStringLiteral("B")); // 2 against, equal to C; B by name
    t->SortState.Column = -2;
    SortTable(*t, t->JointTable());
    EXPECT_EQ(Order(t->JointTable()), L({"A", "B", "C", "D"}));
}

TEST_F(Ranking, OnlyTheTablesOfTheMatchAreRecomputed) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 1,
        {{QStringLiteral("G1"), L({"A", "B"})}, {QStringLiteral("G2"), L({"C", "D"})}});
    TMatch* m = AddResult(*t, QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("0:2"));
    RecomputeAll(*t);
    EXPECT_EQ(Order(*t->GroupById(1)), L({"D", "C"}));
    m->HomeScore = 3;
    RecomputeAfterMatchChange(*t, m->HomeTeamId, m->VisitorTeamId);
    EXPECT_EQ(Order(*t->GroupById(1)), L({"C", "D"}));
    EXPECT_EQ(Order(t->JointTable()).first(), QStringLiteral("C"));
}

// A table holding exactly the teams and matches of a table inside it (the joint table of a
// one-group tournament, a one-division conference, a one-conference joint table) is ranked from
// the inner table's figures; it must come out as a table recomputed on its own would.
TEST_F(Ranking, NestedTablesWithTheSameContentsRankAsIfRecomputedAlone) {
    const auto places = [](const TTournament& t) {
        QStringList out;
        const TConference* conference = t.ConferenceById(0);
        for (const TGroup* table : std::initializer_list<const TGroup*>{
                 t.GroupById(0), conference ? conference->Table() : nullptr, &t.JointTable()}) {
            if (!table) continue;
            out << Order(*table).join(u',');
            for (const TTeam* team : table->Teams())
                for (const int scope : {ScopeOverall, ScopeHome, ScopeAway})
                    out << QStringLiteral("%1:%2/%3/%4")
                               .arg(team->Name)
                               .arg(PlaceIn(*team, KindGroup, scope))
                               .arg(PlaceIn(*team, KindConference, scope))
                               .arg(PlaceIn(*team, KindJoint, scope));
        }
        return out;
    };
    const auto fullRecompute = [](TTournament& t) {
        for (const auto& g : t.Groups())
            PrepareTable(t, *g);
        for (const auto& c : t.Conferences())
            PrepareTable(t, *c->Table());
        PrepareTable(t, t.JointTable());
    };
    auto oneGroup = HeadToHead();
    SetCriteria(*oneGroup, {{kColumnAmongThemPoints, ScopeOverall},
                            {kColumnGoalDifference, ScopeOverall},
                            {kColumnGoalsFor, ScopeHome}});
    auto oneDivision =
        kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("D"), L({"A", "B", "C", "D"}), 0}});
    auto twoDivisions = kvtest::MakeTournament(
        SportSoccer, 1,
        {{QStringLiteral("North"), L({"A", "B"}), 0}, {QStringLiteral("South"), L({"C", "D"}), 0}});
    for (TTournament* t : {oneDivision.get(), twoDivisions.get()}) {
        SetCriteria(
            *t, {{kColumnAmongThemPoints, ScopeOverall}, {kColumnGoalDifference, ScopeOverall}});
        t->RankLeadersUp = t == twoDivisions.get();
        AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1:0"));
        AddResult(*t, QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("1:0"));
        AddResult(*t, QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("5:0"));
        AddResult(*t, QStringLiteral("D"), QStringLiteral("A"), QStringLiteral("0:2"));
    }
    for (TTournament* t : {oneGroup.get(), oneDivision.get(), twoDivisions.get()}) {
        SCOPED_TRACE(t->Groups().size() * 10 + t->Conferences().size());
        RecomputeAll(*t);
        const QStringList shortcut = places(*t);
        fullRecompute(*t);
        EXPECT_EQ(shortcut, places(*t));
        // After one score: the changed match's tables, then the tables around them.
        TMatch* m = t->JointTable().Matches().front();
        ASSERT_TRUE(m->SetScoreText(QStringLiteral("0:3"), false).Ok);
        RecomputeAfterMatchChange(*t, m->HomeTeamId, m->VisitorTeamId);
        const QStringList afterScore = places(*t);
        fullRecompute(*t);
        EXPECT_EQ(afterScore, places(*t));
        EXPECT_NE(afterScore, shortcut);
    }
}
