// Edits of several fixtures at once: the checks come before any change, and a refusal names the
// first team that would play twice.
#include "support/builders.h"
#include "support/testenv.h"

#include "edit/fixture_edits.h"
#include "model/sport.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

class FixtureEdits : public kvtest::TTempHome {
protected:
    void SetUp() override {
        kvtest::TTempHome::SetUp();
        t = kvtest::MakeTournament(SportSoccer, 2,
                                   {{QStringLiteral("G"), {"A", "B", "C", "D"}, -1}});
        ab = kvtest::AddResult(*t, "A", "B", "");
        cd = kvtest::AddResult(*t, "C", "D", "");
        ac = kvtest::AddResult(*t, "A", "C", "2:1");
        bd = kvtest::AddResult(*t, "B", "D", "");
        ab->Matchday = 1;
        cd->Matchday = 1;
        ac->Matchday = 2;
        bd->Matchday = 2;
    }
    std::unique_ptr<TTournament> t;
    TMatch* ab = nullptr;
    TMatch* cd = nullptr;
    TMatch* ac = nullptr;
    TMatch* bd = nullptr;
};

} // namespace

TEST_F(FixtureEdits, MatchdayMovesAreRefusedWhenATeamWouldPlayTwice) {
    // Two chosen fixtures of one team can never share a matchday.
    EXPECT_FALSE(CheckFixturesShareTeam({ab, ac}).isEmpty());
    EXPECT_TRUE(CheckFixturesShareTeam({ab, cd}).isEmpty());
    EXPECT_EQ(CheckFixturesMatchday(*t, {ab, ac}, 5), CheckFixturesShareTeam({ab, ac}));

    EXPECT_EQ(CommonMatchday({ab, cd}), 1);
    EXPECT_EQ(CommonMatchday({ab, ac}), -1);
    EXPECT_EQ(CommonMatchday({}), -1);

    // A-B onto matchday 2 meets A-C there; the message names A and the clashing pairing.
    const QString clash = CheckFixturesMatchday(*t, {ab}, 2);
    EXPECT_TRUE(clash.contains("Team A is already involved on matchday 2")) << clash.toStdString();
    EXPECT_TRUE(clash.contains("A") && clash.contains("C"));
    // With two of A's matches on matchday 2, the first in the tournament is named.
    TMatch* ad = kvtest::AddResult(*t, "A", "D", "", 2);
    ad->Matchday = 2;
    TPairingOptions homeFirst;
    homeFirst.ForceHostFirst = true;
    EXPECT_TRUE(CheckFixturesMatchday(*t, {ab}, 2).endsWith(t->PairingText(*ac, homeFirst) + ")"))
        << CheckFixturesMatchday(*t, {ab}, 2).toStdString();
    ad->Matchday = 7;
    // Swapping two whole matchdays' fixtures is fine: the chosen ones do not clash with themselves.
    EXPECT_TRUE(CheckFixturesMatchday(*t, {ab, cd}, 3).isEmpty());
    EXPECT_TRUE(CheckFixturesMatchday(*t, {ab}, 1).isEmpty());
    EXPECT_TRUE(CheckFixturesMatchday(*t, {ab}, -1).isEmpty());

    SetFixturesMatchday(*t, {ab->Id, cd->Id}, 3);
    EXPECT_EQ(ab->Matchday, 3);
    EXPECT_EQ(cd->Matchday, 3);
    EXPECT_EQ(ac->Matchday, 2);
}

TEST_F(FixtureEdits, DatesClashByDayWithOthersAndAmongTheChosen) {
    ac->HasDate = true;
    ac->Date = 46000.75; // evening of that day
    EXPECT_TRUE(CheckFixturesDate(*t, {ab}, true, 46000.25)
                    .startsWith("Team A is already involved in fixture on"));
    EXPECT_TRUE(CheckFixturesDate(*t, {ab}, true, 46001).isEmpty());
    EXPECT_TRUE(CheckFixturesDate(*t, {ab}, false, 0).isEmpty());
    // The chosen A-C moves away with A-B: they then meet each other on the new day.
    EXPECT_FALSE(CheckFixturesDate(*t, {ab, ac}, true, 46005).isEmpty());
    EXPECT_TRUE(CheckFixturesDate(*t, {ab, cd}, true, 46005).isEmpty());

    SetFixturesDate(*t, {ab->Id, cd->Id}, true, 46005);
    EXPECT_TRUE(ab->HasDate && cd->HasDate);
    EXPECT_DOUBLE_EQ(cd->Date, 46005);
    SetFixturesDate(*t, {ab->Id}, false, 46005);
    EXPECT_FALSE(ab->HasDate);
    EXPECT_DOUBLE_EQ(ab->Date, 0);

    SetFixturesTime(*t, {bd->Id}, true, 0.75);
    EXPECT_TRUE(bd->HasTime);
    SetFixturesStadium(*t, {bd->Id, ac->Id}, 7);
    EXPECT_EQ(bd->StadiumId, 7);
    EXPECT_EQ(ac->StadiumId, 7);
    EXPECT_NE(ab->StadiumId, 7);
}

TEST_F(FixtureEdits, DeletingSaysWhetherAPlayedMatchWent) {
    const size_t before = t->JointTable().Matches().size();
    EXPECT_FALSE(DeleteFixtures(*t, {ab->Id, cd->Id}));
    EXPECT_EQ(t->JointTable().Matches().size(), before - 2);
    EXPECT_TRUE(DeleteFixtures(*t, {ac->Id, 9999}));
    EXPECT_EQ(t->JointTable().Matches().size(), before - 3);
    EXPECT_FALSE(DeleteFixtures(*t, {}));
}

TEST_F(FixtureEdits, TypedValuesOfTheFixtureDialogs) {
    int matchday = 5;
    EXPECT_TRUE(ReadFixtureMatchday(QStringLiteral(" 12 "), matchday).isEmpty());
    EXPECT_EQ(matchday, 12);
    // A matchday is set only above 0: 0 and below mean none, as an empty field does.
    EXPECT_TRUE(ReadFixtureMatchday(QStringLiteral("0"), matchday).isEmpty());
    EXPECT_EQ(matchday, -1);
    EXPECT_TRUE(ReadFixtureMatchday(QStringLiteral("-3"), matchday).isEmpty());
    EXPECT_EQ(matchday, -1);
    EXPECT_EQ(ReadFixtureMatchday(QStringLiteral("3.5"), matchday),
              QStringLiteral("'3.5' is not a valid matchday"));
    bool has = true;
    double value = 1;
    EXPECT_TRUE(ReadFixtureTime(QString(), has, value).isEmpty());
    EXPECT_FALSE(has);
    EXPECT_TRUE(ReadFixtureTime(QStringLiteral("19:30"), has, value).isEmpty());
    EXPECT_TRUE(has);
    EXPECT_NEAR(value, 19.5 / 24, 1e-9);
    EXPECT_EQ(ReadFixtureTime(QStringLiteral("7 pm-ish"), has, value),
              QStringLiteral("'7 pm-ish' is not valid time"));
}
