// Which fixtures a pair of teams may still have, where a new match sits in its grid cell,
// and the clash messages.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/formats.h"
#include "base/settings.h"
#include "model/sport.h"

using namespace kv;
using kvtest::AddResult;
using kvtest::TeamId;

namespace {

class FixtureChecks : public kvtest::TTempHome {
protected:
    std::unique_ptr<TTournament> Make(int legs) {
        return kvtest::MakeTournament(
            SportSoccer, legs,
            {{QStringLiteral("G"),
              {QStringLiteral("Ajax"), QStringLiteral("Bern"), QStringLiteral("Cork")}}});
    }
};

} // namespace

TEST_F(FixtureChecks, TwoLegsAllowOneHomeFixtureEach) {
    auto t = Make(2);
    const int a = TeamId(*t, QStringLiteral("Ajax"));
    const int b = TeamId(*t, QStringLiteral("Bern"));
    EXPECT_TRUE(t->MayHost(a, b));
    AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QString(), 1);
    EXPECT_FALSE(t->MayHost(a, b)); // even though leg 2 is free
    EXPECT_TRUE(t->MayHost(b, a));
    EXPECT_TRUE(t->MayMeet(a, b, 2));
    EXPECT_FALSE(t->MayMeet(a, b, 1));
    EXPECT_FALSE(t->MayMeet(a, b, 3));
    EXPECT_EQ(t->FirstFreeLeg(a, b), 2);
    AddResult(*t, QStringLiteral("Bern"), QStringLiteral("Ajax"), QString(), 2);
    EXPECT_EQ(t->FirstFreeLeg(b, a), -1);
    EXPECT_FALSE(t->MayHost(a, 99));
}

TEST_F(FixtureChecks, ThreeLegsAllowTwoHomeFixturesOnPositionsOneAndTwo) {
    auto t = Make(3);
    const int a = TeamId(*t, QStringLiteral("Ajax"));
    const int b = TeamId(*t, QStringLiteral("Bern"));
    TGroup* g = t->GroupById(0);
    TMatch* first = AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QString(), 1);
    first->GridPosition = g->ProposedGridPosition(a, b, 1, first->Id);
    EXPECT_EQ(first->GridPosition, 1);
    EXPECT_TRUE(t->MayHost(a, b));
    TMatch* second = AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QString(), 2);
    second->GridPosition = g->ProposedGridPosition(a, b, 2, second->Id);
    EXPECT_EQ(second->GridPosition, 2);
    EXPECT_FALSE(t->MayHost(a, b));
}

TEST_F(FixtureChecks, FourLegsPutLegThreeOnPositionTwoUnlessTaken) {
    auto t = Make(4);
    const int a = TeamId(*t, QStringLiteral("Ajax"));
    const int b = TeamId(*t, QStringLiteral("Bern"));
    TGroup* g = t->GroupById(0);
    EXPECT_EQ(g->ProposedGridPosition(a, b, 3, -1), 2);
    TMatch* m = AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QString(), 4);
    m->GridPosition = 2;
    EXPECT_EQ(g->ProposedGridPosition(a, b, 3, -1), 1);
    // The match's own position does not block it.
    EXPECT_EQ(g->ProposedGridPosition(a, b, 3, m->Id), 2);
    TMatch* n = AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QString(), 1);
    n->GridPosition = 1;
    EXPECT_EQ(g->ProposedGridPosition(a, b, 3, -1), -1);
}

TEST_F(FixtureChecks, MatchdayAndDateClashMessages) {
    auto t = Make(2);
    TMatch* m = AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QString(), 1);
    m->Matchday = 3;
    m->HasDate = true;
    m->Date = DateToDays(QDate(2026, 5, 17)) + 0.75;
    RegWriteBool(QString(), QStringLiteral("HostFirst"), false); // messages stay home first
    const int b = TeamId(*t, QStringLiteral("Bern"));
    const int c = TeamId(*t, QStringLiteral("Cork"));
    EXPECT_EQ(t->MatchdayClash(c, b, 3),
              QStringLiteral("Team Bern is already involved on matchday 3 (Ajax vs Bern)"));
    EXPECT_EQ(t->MatchdayClash(c, b, 4), QString());
    EXPECT_EQ(t->MatchdayClash(c, b, -1), QString());
    EXPECT_EQ(t->MatchdayClash(c, b, 3, m->Id), QString());
    EXPECT_EQ(t->DateClash(c, b, DateToDays(QDate(2026, 5, 17))),
              QStringLiteral("Team Bern is already involved in fixture on %1 (Ajax vs Bern)")
                  .arg(ShortDateText(m->Date)));
    EXPECT_EQ(t->DateClash(c, b, DateToDays(QDate(2026, 5, 18))), QString());
}

TEST_F(FixtureChecks, PairingTextFollowsHostFirstAndSeparator) {
    auto t = Make(2);
    TMatch* m =
        AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QStringLiteral("2:1"), 1);
    m->Comments = QStringLiteral("Cold night");
    EXPECT_EQ(t->PairingText(*m), QStringLiteral("Ajax vs Bern"));
    TPairingOptions all;
    all.WithScore = true;
    all.WithComments = true;
    EXPECT_EQ(t->PairingText(*m, all), QStringLiteral("Ajax vs Bern   2:1\r\nCold night"));
    RegWriteBool(QString(), QStringLiteral("HostFirst"), false);
    RegWriteString(QString(), QStringLiteral("MatchSep"), QStringLiteral("-"));
    EXPECT_EQ(t->PairingText(*m, all), QStringLiteral("Bern - Ajax   1:2\r\nCold night"));
    TPairingOptions opposite;
    opposite.OppositeOrder = true;
    EXPECT_EQ(t->PairingText(*m, opposite), QStringLiteral("Ajax - Bern"));
}

TEST_F(FixtureChecks, RangeFilter) {
    TMatchFilter f;
    auto m = CreateMatch(SportSoccer, 1, 1, 2, 2);
    EXPECT_TRUE(f.Passes(*m));
    f.LegFrom = 1;
    f.LegTo = 1;
    EXPECT_FALSE(f.Passes(*m));
    f.LegTo = 2;
    EXPECT_TRUE(f.Passes(*m));
    f.MatchdayFrom = 1;
    EXPECT_FALSE(f.Passes(*m)); // no matchday
    m->Matchday = 5;
    EXPECT_TRUE(f.Passes(*m));
    f.DateFrom = DateToDays(QDate(2026, 1, 1));
    EXPECT_FALSE(f.Passes(*m));
    m->HasDate = true;
    m->Date = DateToDays(QDate(2026, 1, 1)) + 0.5;
    EXPECT_TRUE(f.Passes(*m));
    f.DateTo = DateToDays(QDate(2026, 1, 1));
    EXPECT_TRUE(f.Passes(*m));
}
