// The structure of a tournament stays consistent through adding and removing teams and
// matches, changing legs and changing the sport.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/sport.h"
#include "model/sport_matches.h"

#include <type_traits>
#include <utility>

using namespace kv;
using kvtest::AddResult;
using kvtest::TeamId;

namespace {

// A reader that holds the tournament read-only reaches every part of it read-only: only the
// edit layer, which holds it mutable, can change it.
template <typename Range> constexpr bool YieldsConst() {
    using Item = std::remove_reference_t<decltype(*std::declval<Range>().begin())>;
    return std::is_const_v<std::remove_pointer_t<std::remove_cvref_t<Item>>>;
}
static_assert(YieldsConst<decltype(std::declval<const TTournament&>().Groups())>());
static_assert(YieldsConst<decltype(std::declval<const TTournament&>().Conferences())>());
static_assert(YieldsConst<decltype(std::declval<const TTournament&>().AllTables())>());
static_assert(YieldsConst<decltype(std::declval<const TTournament&>().ShownTables())>());
static_assert(
    YieldsConst<decltype(std::declval<const TTournament&>().TeamMatches(0, 1, false, false))>());
static_assert(YieldsConst<decltype(std::declval<const TGroup&>().Teams())>());
static_assert(YieldsConst<decltype(std::declval<const TGroup&>().Matches())>());
static_assert(YieldsConst<decltype(std::declval<const TGroup&>().MatchesOfPair(0, 1, true))>());
static_assert(YieldsConst<decltype(std::declval<const TConference&>().Divisions())>());
static_assert(std::is_same_v<decltype(std::declval<const TConference&>().Table()), const TGroup*>);
static_assert(
    std::is_same_v<decltype(std::declval<const TTeam&>().Tournament), const TTournament*>);
// And a mutable one reaches them mutable.
static_assert(!YieldsConst<decltype(std::declval<TTournament&>().AllTables())>());
static_assert(!YieldsConst<decltype(std::declval<TGroup&>().Teams())>());

class TournamentStructure : public kvtest::TTempHome {
protected:
    // Checks invariants 2, 3 and 5 of every table.
    static void ExpectConsistent(const TTournament& t) {
        for (const TTeam* team : t.JointTable().Teams()) {
            const TGroup* g = t.GroupById(team->GroupId);
            ASSERT_NE(g, nullptr);
            EXPECT_GT(g->PlaceOf(team), 0);
            if (const TConference* c = t.ConferenceOfTeam(team->Id)) {
                EXPECT_GT(c->Table()->PlaceOf(team), 0);
            }
        }
        for (const TMatch* m : t.JointTable().Matches()) {
            const TGroup* a = t.GroupOfTeam(m->HomeTeamId);
            const TGroup* b = t.GroupOfTeam(m->VisitorTeamId);
            const auto& gm = a->Matches();
            EXPECT_EQ(a == b, std::find(gm.begin(), gm.end(), m) != gm.end());
            for (const auto& c : t.Conferences()) {
                const auto& cm = c->Table()->Matches();
                const bool inside = a->ConferenceId == c->Id && b->ConferenceId == c->Id;
                EXPECT_EQ(inside, std::find(cm.begin(), cm.end(), m) != cm.end());
            }
        }
        for (const TGroup* table : t.AllTables()) {
            EXPECT_EQ(table->PlaceFonts.size(), static_cast<size_t>(table->TeamCount()))
                << table->Name.toStdString();
            for (const TMatch* m : table->Matches()) {
                const auto& jm = t.JointTable().Matches();
                EXPECT_NE(std::find(jm.begin(), jm.end(), m), jm.end());
            }
        }
    }

    static std::unique_ptr<TTournament> Conferences() {
        // Two conferences; the east has two divisions.
        return kvtest::MakeTournament(
            SportBasketball, 2,
            {{QStringLiteral("Atlantic"), {QStringLiteral("A1"), QStringLiteral("A2")}, 0},
             {QStringLiteral("Central"), {QStringLiteral("C1"), QStringLiteral("C2")}, 0},
             {QStringLiteral("Pacific"), {QStringLiteral("P1"), QStringLiteral("P2")}, 1}},
            1, 1);
    }
};

} // namespace

TEST_F(TournamentStructure, MatchesGoIntoEveryTableThatHoldsBothTeams) {
    auto t = Conferences();
    ASSERT_TRUE(AddResult(*t, QStringLiteral("A1"), QStringLiteral("A2"), QString(), 1));
    ASSERT_TRUE(AddResult(*t, QStringLiteral("A1"), QStringLiteral("C1"), QString(), 1));
    ASSERT_TRUE(AddResult(*t, QStringLiteral("A1"), QStringLiteral("P1"), QString(), 1));
    EXPECT_EQ(t->MatchCount(), 3);
    EXPECT_EQ(t->GroupById(0)->MatchCount(), 1);
    EXPECT_EQ(t->ConferenceById(0)->Table()->MatchCount(), 2);
    EXPECT_EQ(t->ConferenceById(1)->Table()->MatchCount(), 0);
    ExpectConsistent(*t);
}

TEST_F(TournamentStructure, DuplicatePairAndLegIsRefusedUnnumbered) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    ASSERT_TRUE(AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1:0"), 1));
    auto swapped = CreateMatch(SportSoccer, -1, TeamId(*t, QStringLiteral("B")),
                               TeamId(*t, QStringLiteral("A")), 1);
    EXPECT_FALSE(t->AddMatch(swapped));
    ASSERT_TRUE(swapped);
    EXPECT_EQ(swapped->Id, -1);
    EXPECT_EQ(t->LastMatchId, 0);
    auto unknown = CreateMatch(SportSoccer, -1, 0, 99, 2);
    EXPECT_FALSE(t->AddMatch(unknown));
    auto second = CreateMatch(SportSoccer, -1, TeamId(*t, QStringLiteral("B")),
                              TeamId(*t, QStringLiteral("A")), 2);
    EXPECT_TRUE(t->AddMatch(second));
    EXPECT_EQ(t->LastMatchId, 1);
}

TEST_F(TournamentStructure, RemovingATeamRemovesAllItsMatchesEverywhere) {
    auto t = Conferences();
    AddResult(*t, QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("80:70"), 1);
    AddResult(*t, QStringLiteral("A2"), QStringLiteral("A1"), QString(), 2);
    AddResult(*t, QStringLiteral("A1"), QStringLiteral("C1"), QString(), 1);
    AddResult(*t, QStringLiteral("C1"), QStringLiteral("P2"), QStringLiteral("90:88"), 1);
    t->RemoveTeam(t->TeamById(TeamId(*t, QStringLiteral("A1"))), true);
    EXPECT_EQ(t->TeamCount(), 5);
    EXPECT_EQ(t->MatchCount(), 1);
    EXPECT_EQ(t->GroupById(0)->TeamCount(), 1);
    EXPECT_EQ(t->GroupById(0)->MatchCount(), 0);
    EXPECT_EQ(t->ConferenceById(0)->Table()->MatchCount(), 0);
    EXPECT_EQ(t->TeamById(0), nullptr);
    ExpectConsistent(*t);
}

TEST_F(TournamentStructure, LoweringGroupLegsRemovesLaterLegs) {
    auto t = kvtest::MakeTournament(
        SportHockey, 2,
        {{QStringLiteral("East"), {QStringLiteral("A"), QStringLiteral("B")}, 0},
         {QStringLiteral("West"), {QStringLiteral("C"), QStringLiteral("D")}, 1}},
        1, 1);
    AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QString(), 1);
    AddResult(*t, QStringLiteral("B"), QStringLiteral("A"), QString(), 2);
    AddResult(*t, QStringLiteral("C"), QStringLiteral("D"), QString(), 2);
    AddResult(*t, QStringLiteral("A"), QStringLiteral("C"), QString(), 1);
    t->ChangeLegs(1, 1, 1);
    EXPECT_EQ(t->MatchCount(), 2);
    for (const TMatch* m : t->JointTable().Matches())
        EXPECT_EQ(m->Leg, 1);
    for (const TGroup* table : t->AllTables())
        EXPECT_EQ(table->Legs, 1);
    ExpectConsistent(*t);
}

TEST_F(TournamentStructure, LoweringInterConferenceLegsKeepsDivisionMatches) {
    auto t = Conferences();
    t->ConferenceLegs = 2;
    t->InterConferenceLegs = 2;
    AddResult(*t, QStringLiteral("A1"), QStringLiteral("A2"), QString(), 2);
    AddResult(*t, QStringLiteral("A1"), QStringLiteral("C1"), QString(), 2);
    AddResult(*t, QStringLiteral("A1"), QStringLiteral("P1"), QString(), 2);
    t->ChangeLegs(2, 2, 1);
    EXPECT_EQ(t->MatchCount(), 2);
    EXPECT_EQ(t->InterConferenceLegs, 1);
    t->ChangeLegs(2, 1, 1);
    EXPECT_EQ(t->MatchCount(), 1);
    ExpectConsistent(*t);
}

TEST_F(TournamentStructure, TeamsOfDifferentGroupsNeverMeetInAGroupTournament) {
    // An older file stores the group legs between groups too; they are not used.
    auto t = kvtest::MakeTournament(
        SportSoccer, 2,
        {{QStringLiteral("G1"), {QStringLiteral("A"), QStringLiteral("B")}},
         {QStringLiteral("G2"), {QStringLiteral("C"), QStringLiteral("D")}}});
    ASSERT_EQ(t->ConferenceLegs, 2);
    EXPECT_EQ(t->LegsOfPair(0, 1), 2);
    EXPECT_EQ(t->LegsOfPair(0, 2), 0);
    EXPECT_EQ(t->FirstFreeLeg(0, 2), -1);
    EXPECT_FALSE(t->MayHost(0, 2));
    t->ChangeLegs(4, 1, 1);
    EXPECT_EQ(t->GroupLegs, 4);
    EXPECT_EQ(t->ConferenceLegs, 0);
    EXPECT_EQ(t->InterConferenceLegs, 0);
    EXPECT_EQ(t->LegsOfPair(0, 1), 4);
    EXPECT_EQ(t->LegsOfPair(1, 3), 0);
}

TEST_F(TournamentStructure, RemoveDrawnMatchesOnlyTouchesGroups) {
    auto t = Conferences();
    AddResult(*t, QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("80:80"), 1);
    AddResult(*t, QStringLiteral("A2"), QStringLiteral("A1"), QStringLiteral("81:80"), 2);
    AddResult(*t, QStringLiteral("A1"), QStringLiteral("C1"), QStringLiteral("70:70"), 1);
    t->RemoveDrawnMatches();
    EXPECT_EQ(t->MatchCount(), 2);
    ExpectConsistent(*t);
}

TEST_F(TournamentStructure, ConvertingMatchesChangesTheirClassEverywhere) {
    auto t = Conferences();
    AddResult(*t, QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("80:70"), 1);
    AddResult(*t, QStringLiteral("A1"), QStringLiteral("C1"), QStringLiteral("70:60"), 1);
    t->ConvertMatches(SportHockey);
    for (const TGroup* table : t->AllTables())
        for (const TMatch* m : table->Matches())
            EXPECT_NE(dynamic_cast<const THockeyMatch*>(m), nullptr);
    EXPECT_EQ(t->MatchById(0)->HomeScore, 80);
    ExpectConsistent(*t);
}

TEST_F(TournamentStructure, LookupsAndLegsOfPairs) {
    auto t = Conferences();
    t->ConferenceLegs = 1;
    t->InterConferenceLegs = 1;
    t->GroupLegs = 3;
    const int a1 = TeamId(*t, QStringLiteral("A1"));
    EXPECT_EQ(t->LegsOfPair(a1, TeamId(*t, QStringLiteral("A2"))), 3);
    EXPECT_EQ(t->LegsOfPair(a1, TeamId(*t, QStringLiteral("C2"))), 1);
    EXPECT_EQ(t->LegsOfPair(a1, 99), 0);
    EXPECT_EQ(t->CommonConference(a1, TeamId(*t, QStringLiteral("C1"))), t->ConferenceById(0));
    EXPECT_EQ(t->CommonConference(a1, TeamId(*t, QStringLiteral("P1"))), nullptr);
    EXPECT_EQ(t->TableOfTeam(99), &t->JointTable());
    EXPECT_EQ(t->LargestTeamId(), 5);
    EXPECT_EQ(t->LargestRefereeId(), -1);
    EXPECT_EQ(t->FirstMatchDate(), 0);
    EXPECT_EQ(t->LastMatchDate(), 0);
    EXPECT_EQ(t->LastMatchday(), -1);
    EXPECT_EQ(t->JointTable().TeamByName(QStringLiteral("a1"))->Id, a1);
}

TEST_F(TournamentStructure, PlannedMatches) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2,
        {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}}});
    EXPECT_EQ(t->GroupById(0)->PlannedMatchCount(), 6);
    auto u = kvtest::MakeTournament(
        SportSoccer, 1,
        {{QStringLiteral("G1"), {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}},
         {QStringLiteral("G2"),
          {QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("H")}}});
    EXPECT_EQ(u->JointTable().PlannedMatchCount(), 9);
}

TEST_F(TournamentStructure, StadiumsAndRefereesByNameAndId) {
    TTournament t(TTournamentDefaults::FromSettings());
    EXPECT_EQ(t.AddStadium(QStringLiteral("Arena"), QString(), QStringLiteral("Oslo"), 5000), 0);
    EXPECT_EQ(t.AddStadium(QStringLiteral("Park"), QString(), QString(), -1), 1);
    EXPECT_EQ(t.StadiumIdByName(QStringLiteral("ARENA")), 0);
    EXPECT_EQ(t.StadiumName(-1), QString());
    EXPECT_EQ(t.StadiumName(7), QString());
    EXPECT_EQ(t.AddReferee(QStringLiteral("Ann Lee"), QString(), QString(), 1980), 0);
    EXPECT_EQ(t.RefereeIdByName(QStringLiteral("ann lee")), -1); // referees compare exactly
    EXPECT_EQ(t.RefereeIdByName(QStringLiteral("Ann Lee")), 0);
    EXPECT_EQ(DisplayText(t.Stadiums[0]), QStringLiteral("Arena (Oslo)"));
}
