// The score dialog's checks and what applying its fields does, without the dialog: each check
// in its order with its message, page and field.
#include "support/builders.h"
#include "support/testenv.h"

#include "edit/match_edit.h"
#include "model/sport.h"

using namespace kv;

namespace {

class MatchEdit : public kvtest::TTempHome {
protected:
    std::unique_ptr<TTournament> Make(int sport) {
        auto t = kvtest::MakeTournament(
            sport, 2,
            {{QStringLiteral("G"),
              {QStringLiteral("Ajax"), QStringLiteral("Bern"), QStringLiteral("Cork")}}});
        t->ForfeitWinScore = 3;
        t->ForfeitLossScore = 0;
        return t;
    }
    // A new match of Ajax (home) against Bern in leg 1.
    static std::unique_ptr<TMatch> NewMatch(const TTournament& t) {
        return CreateMatch(t.Sport, -1, kvtest::TeamId(t, QStringLiteral("Ajax")),
                           kvtest::TeamId(t, QStringLiteral("Bern")), 1);
    }
    static TMatchCheck Apply(const TTournament& t, const TMatchFields& f, TMatch& m,
                             bool hostFirst = true) {
        return ApplyMatchFields(t, f, hostFirst, m.Id, m);
    }
};

} // namespace

TEST_F(MatchEdit, ScoresTiesAndForfeits) {
    auto basket = Make(SportBasketball);
    auto m = NewMatch(*basket);
    TMatchFields f;
    f.Score = QStringLiteral("80:80");
    TMatchCheck c = Apply(*basket, f, *m);
    EXPECT_FALSE(c.Ok);
    EXPECT_EQ(c.Message, QStringLiteral("Ties are not allowed"));
    EXPECT_EQ(c.Page, PageScore);
    EXPECT_EQ(c.Field, QStringLiteral("ScoreEdit"));

    auto soccer = Make(SportSoccer);
    m = NewMatch(*soccer);
    f.Score = QStringLiteral("1:1");
    EXPECT_TRUE(Apply(*soccer, f, *m).Ok) << "a soccer draw without shoot-outs";
    soccer->ShootOuts = true;
    soccer->Overtime = true;
    EXPECT_EQ(Apply(*soccer, f, *m).Message, QStringLiteral("Ties are not allowed"));
    soccer->ShootOuts = false;

    // A forfeit by the home team that the score has the home team win.
    f.Forfeited = true;
    f.ForfeitedTeam = 1;
    f.Score = QStringLiteral("2:1");
    EXPECT_EQ(Apply(*soccer, f, *m).Message,
              QStringLiteral("Score does not go with selected technical lost conditions"));
    f.Score = ForfeitScoreText(*soccer, 1, true);
    EXPECT_EQ(f.Score, QStringLiteral("0:3"));
    ASSERT_TRUE(Apply(*soccer, f, *m).Ok);
    EXPECT_EQ(m->TechnicalLoss, 1);
    EXPECT_EQ(m->VisitorScore, 3);
    EXPECT_EQ(m->DecidedIn, 0);
    EXPECT_EQ(ForfeitScoreText(*soccer, 2, false), QStringLiteral("0:3"))
        << "visitor first: the forfeiting visitor's 0 first";

    // The text states overtime: the choice follows it.
    auto hockey = Make(SportHockey);
    hockey->Overtime = true;
    m = NewMatch(*hockey);
    TMatchFields ot;
    ot.Score = QStringLiteral("3:2 OT");
    ASSERT_TRUE(Apply(*hockey, ot, *m).Ok);
    EXPECT_EQ(m->DecidedIn, 1);
    ot.Score = QStringLiteral("3:2");
    ot.DecidedIn = 2;
    hockey->ShootOuts = true;
    ASSERT_TRUE(Apply(*hockey, ot, *m).Ok);
    EXPECT_EQ(m->DecidedIn, 2) << "no mark in the text: the chosen one";
}

TEST_F(MatchEdit, PlaceFieldsAndUniqueness) {
    auto t = Make(SportSoccer);
    TMatch* other = kvtest::AddResult(*t, QStringLiteral("Cork"), QStringLiteral("Bern"),
                                      QStringLiteral("1:0"));
    other->Number = 7;
    other->Matchday = 3;
    auto m = NewMatch(*t);
    TMatchFields f;
    f.Number = QStringLiteral("1a");
    TMatchCheck c = Apply(*t, f, *m);
    EXPECT_EQ(c.Message, QStringLiteral("'1a' is not a valid match number"));
    EXPECT_EQ(c.Page, PagePlace);
    EXPECT_EQ(c.Field, QStringLiteral("NumberEdit"));
    f.Number = QStringLiteral("7");
    EXPECT_EQ(Apply(*t, f, *m).Message,
              QStringLiteral("A match with this number already exists: Cork vs Bern"));
    f.Number = QString();
    f.Matchday = QStringLiteral("3");
    c = Apply(*t, f, *m);
    EXPECT_EQ(c.Message,
              QStringLiteral("Team Bern is already involved on matchday 3 (Cork vs Bern)"));
    EXPECT_EQ(c.Field, QStringLiteral("MatchdayEdit"));
    f.Matchday = QString();
    f.Date = QStringLiteral("31.02.x");
    EXPECT_EQ(Apply(*t, f, *m).Message, QStringLiteral("'31.02.x' is not a valid date"));
    f.Date = QString();
    f.Attendance = QStringLiteral("-5");
    EXPECT_EQ(Apply(*t, f, *m).Message, QStringLiteral("'-5' is not a valid attendance"));
    f.Attendance = QStringLiteral("41250");
    f.Temperature = QStringLiteral("-7");
    f.Time = QStringLiteral("19:45");
    f.Date = QStringLiteral("2026-05-17");
    ASSERT_TRUE(Apply(*t, f, *m).Ok);
    EXPECT_EQ(m->Attendance, 41250);
    EXPECT_EQ(m->Temperature, -7);
    EXPECT_TRUE(m->HasTime);
    EXPECT_TRUE(m->HasDate);
    // The order: the score is checked before the place fields.
    f.Number = QStringLiteral("x");
    f.Score = QStringLiteral("nonsense");
    EXPECT_EQ(Apply(*t, f, *m).Page, PageScore);
}

TEST_F(MatchEdit, VisitorFirstEmptyMatchesAndWhatCountsAgain) {
    auto t = Make(SportSoccer);
    auto m = NewMatch(*t);
    TMatchFields f;
    f.Score = QStringLiteral("1:3");
    ASSERT_TRUE(ApplyMatchFields(*t, f, false, -1, *m).Ok);
    EXPECT_EQ(m->HomeScore, 3);
    EXPECT_EQ(m->VisitorScore, 1);
    EXPECT_EQ(FieldsOf(*t, *m, false).Score, QStringLiteral("1:3"));
    EXPECT_EQ(FieldsOf(*t, *m, true).Score, QStringLiteral("3:1"));

    auto empty = NewMatch(*t);
    EXPECT_TRUE(IsEmptyMatch(*t, *empty));
    t->JointTable().TeamByName(QStringLiteral("Ajax"))->HomeStadiumId = 4;
    empty->StadiumId = 4;
    EXPECT_TRUE(IsEmptyMatch(*t, *empty)) << "the home team's own stadium is no entry";
    empty->StadiumId = 5;
    EXPECT_FALSE(IsEmptyMatch(*t, *empty));

    auto before = CreateMatch(SportSoccer, *m);
    before->Played = m->Played;
    before->DecidedIn = m->DecidedIn;
    before->Leg = m->Leg;
    before->Attendance = m->Attendance;
    EXPECT_FALSE(ChangesStandings(*before, *m));
    m->Comments = QStringLiteral("Rain");
    EXPECT_FALSE(ChangesStandings(*before, *m));
    m->Attendance = 100;
    EXPECT_TRUE(ChangesStandings(*before, *m));
    EXPECT_EQ(MatchEditName(*t, *m, true, false), QStringLiteral("Score 3:1 Ajax vs Bern"));
    EXPECT_EQ(MatchEditName(*t, *m, false, true), QStringLiteral("Delete Ajax vs Bern"));
}

TEST_F(MatchEdit, ApplyingAddsStoresOrTakesOut) {
    auto t = Make(SportSoccer);
    auto fresh = NewMatch(*t);
    EXPECT_EQ(PlanMatchApply(*t, nullptr, *fresh).Action, TMatchApplyPlan::Nothing)
        << "an empty new match";

    TMatchFields f;
    f.Score = QStringLiteral("2:0");
    ASSERT_TRUE(Apply(*t, f, *fresh).Ok);
    TMatchApplyPlan plan = PlanMatchApply(*t, nullptr, *fresh);
    EXPECT_EQ(plan.Action, TMatchApplyPlan::Store);
    EXPECT_TRUE(plan.Recount);
    EXPECT_EQ(plan.StepName, QStringLiteral("Score 2:0 Ajax vs Bern"));

    // Only a comment more: stored, not counted again, and named a change.
    auto commented = CreateMatch(t->Sport, *fresh);
    commented->Comments = QStringLiteral("Rain");
    plan = PlanMatchApply(*t, fresh.get(), *commented);
    EXPECT_EQ(plan.Action, TMatchApplyPlan::Store);
    EXPECT_FALSE(plan.Recount);
    EXPECT_FALSE(plan.StepName.startsWith(QStringLiteral("Score")));

    // Every field cleared: taken out, and the tables counted again.
    auto emptied = NewMatch(*t);
    plan = PlanMatchApply(*t, fresh.get(), *emptied);
    EXPECT_EQ(plan.Action, TMatchApplyPlan::Remove);
    EXPECT_TRUE(plan.Recount);
    EXPECT_EQ(plan.StepName, QStringLiteral("Delete Ajax vs Bern"));
}
