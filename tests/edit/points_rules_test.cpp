// Points rules: the defaults of every sport, what the editor shows, what is saved into a
// tournament and what each outcome is worth.
#include "support/testenv.h"

#include "edit/format_edit.h"
#include "model/gmatch.h"
#include "model/sport.h"
#include "model/tournament.h"
#include "standings/points_rules.h"

using namespace kv;

namespace {

class PointsRules : public kvtest::TTempHome {};

struct TRow {
    int Sport;
    double Win, Draw, Loss, WinOT, LossOT, WinSO, LossSO, ForfeitLoss, ForfeitWin;
    bool Overtime;
};

} // namespace

TEST_F(PointsRules, DefaultsOfEverySport) {
    const TRow rows[] = {
        {SportOther, 2, 1, 1, 3, 0, 3, 0, 0, 3, false},
        {SportSoccer, 3, 1, 0, 3, 0, 3, 0, 0, 3, false},
        {SportFutsal, 3, 1, 0, 3, 0, 3, 0, 0, 5, false},
        {SportHockey, 3, 1, 0, 3, 1, 3, 1, 0, 5, true},
        {SportBandy, 2, 1, 0, 3, 0, 3, 0, 0, 0, false},
        {SportBasketball, 2, 1, 0, 2, 0, 3, 0, 0, 0, true},
        {SportVolleyball, 2, 1, 1, 3, 0, 3, 0, 0, 3, false},
        {SportHandball, 2, 1, 0, 3, 0, 3, 0, 0, 10, false},
        {SportWaterPolo, 2, 1, 0, 3, 0, 3, 0, 0, 3, false},
        {SportTennis, 2, 1, 1, 3, 0, 3, 0, 0, 3, false},
        {SportChess, 1, 0.5, 0, 3, 0, 3, 0, 0, 1, false},
        {SportUSFootball, 2, 1, 0, 1, 1, 3, 0, 0, 0, true},
        {SportBaseball, 2, 1, 0, 3, 0, 3, 0, 0, 3, false},
    };
    for (const TRow& r : rows) {
        const TPointsDefaults d = PointsDefaults(r.Sport);
        EXPECT_EQ(d.Win, r.Win) << r.Sport;
        EXPECT_EQ(d.Draw, r.Draw) << r.Sport;
        EXPECT_EQ(d.Loss, r.Loss) << r.Sport;
        EXPECT_EQ(d.WinOT, r.WinOT) << r.Sport;
        EXPECT_EQ(d.LossOT, r.LossOT) << r.Sport;
        EXPECT_EQ(d.WinSO, r.WinSO) << r.Sport;
        EXPECT_EQ(d.LossSO, r.LossSO) << r.Sport;
        EXPECT_EQ(d.ForfeitLossScore, r.ForfeitLoss) << r.Sport;
        EXPECT_EQ(d.ForfeitWinScore, r.ForfeitWin) << r.Sport;
        EXPECT_EQ(d.Penalty, 0) << r.Sport;
        EXPECT_EQ(d.Overtime, r.Overtime) << r.Sport;
        const TPointsRules rules = TPointsRules::ForSport(r.Sport);
        EXPECT_EQ(rules.CalculatePoints,
                  r.Sport != SportChess && r.Sport != SportUSFootball && r.Sport != SportBaseball);
        EXPECT_EQ(rules.Overtime, r.Sport == SportHockey || r.Sport == SportBasketball);
        EXPECT_FALSE(rules.ShootOuts);
    }
}

TEST_F(PointsRules, HiddenOvertimeValuesEqualNormalTimeValues) {
    TPointsRules soccer = TPointsRules::ForSport(SportSoccer);
    soccer.WinOT = 7; // hidden while overtime is off
    soccer.LossOT = 5;
    TTournament t(TTournamentDefaults::FromSettings());
    SaveRulesInto(soccer, t);
    EXPECT_FALSE(t.Overtime);
    EXPECT_EQ(t.WinOTPoints, 3);
    EXPECT_EQ(t.LossOTPoints, 0);
    EXPECT_EQ(t.WinSOPoints, 3);
    EXPECT_EQ(t.LossSOPoints, 0);
    soccer.Overtime = true;
    SaveRulesInto(soccer, t);
    EXPECT_TRUE(t.Overtime);
    EXPECT_EQ(t.WinOTPoints, 7);
    EXPECT_EQ(t.LossOTPoints, 5);
}

TEST_F(PointsRules, BasketballAndUSFootballAlwaysHaveOvertime) {
    for (int sport : {SportBasketball, SportUSFootball}) {
        TPointsRules rules = TPointsRules::ForSport(sport);
        rules.Overtime = false;
        TTournament t(TTournamentDefaults::FromSettings());
        SaveRulesInto(rules, t);
        EXPECT_TRUE(t.Overtime) << sport;
    }
    // US football's overtime switch is hidden, so its overtime values are the normal ones.
    TTournament t(TTournamentDefaults::FromSettings());
    SaveRulesInto(TPointsRules::ForSport(SportUSFootball), t);
    EXPECT_EQ(t.WinOTPoints, 2);
    EXPECT_EQ(t.LossOTPoints, 0);
}

TEST_F(PointsRules, EditorLayout) {
    TPointsRules basketball = TPointsRules::ForSport(SportBasketball);
    TPointsLayout l = ApplyPointsLayout(basketball);
    EXPECT_TRUE(l.CalculatePointsShown);
    EXPECT_TRUE(l.PointsPanelShown);
    EXPECT_FALSE(l.DrawShown);
    EXPECT_TRUE(l.OvertimeSwitchShown);
    EXPECT_EQ(l.OvertimeCaption, QStringLiteral("&Overtime:"));
    basketball.CalculatePoints = false;
    l = ApplyPointsLayout(basketball);
    EXPECT_FALSE(l.PointsPanelShown);
    EXPECT_EQ(ImpliedMainCriterion(basketball).Column, kColumnPercentage);

    TPointsRules volley = TPointsRules::ForSport(SportVolleyball);
    volley.Overtime = true;
    l = ApplyPointsLayout(volley);
    EXPECT_FALSE(l.OvertimeSwitchShown);
    EXPECT_FALSE(volley.Overtime); // a hidden switch is off
    volley.ShootOuts = true;
    EXPECT_FALSE(ApplyPointsLayout(volley).ShootOutSwitchShown);
    EXPECT_FALSE(volley.ShootOuts);
    EXPECT_EQ(l.FirstRowLabel, QStringLiteral("&Points awarded:"));

    TPointsRules soccer = TPointsRules::ForSport(SportSoccer);
    l = ApplyPointsLayout(soccer);
    EXPECT_EQ(l.FirstRowLabel, QStringLiteral("Norma&l Time:")); // Alt+N is the wizard's Next
    EXPECT_EQ(l.OvertimeCaption, QStringLiteral("&Expanded Time:"));
    EXPECT_TRUE(l.DrawShown);
    EXPECT_FALSE(l.OvertimeFieldsShown);
    EXPECT_TRUE(l.ShootOutSwitchShown);
    EXPECT_FALSE(l.ShootOutFieldsShown);
    EXPECT_TRUE(l.ForfeitPanelShown);
    EXPECT_EQ(ImpliedMainCriterion(soccer).Column, kColumnPoints);
    EXPECT_EQ(ImpliedMainCriterion(soccer).Name, QStringLiteral("Points Obtained"));

    TPointsRules chess = TPointsRules::ForSport(SportChess);
    EXPECT_FALSE(ApplyPointsLayout(chess).PointsPanelShown);
}

TEST_F(PointsRules, PointsOfEveryOutcome) {
    TTournament t(TTournamentDefaults::FromSettings());
    t.WinPoints = 3;
    t.DrawPoints = 1;
    t.LossPoints = 0.5;
    t.WinOTPoints = 2;
    t.LossOTPoints = 1;
    t.WinSOPoints = 1.5;
    t.LossSOPoints = 0.25;
    t.ForfeitPenalty = 2;
    EXPECT_EQ(PointsForOutcome(t, OutcomeWin), 3);
    EXPECT_EQ(PointsForOutcome(t, OutcomeDraw), 1);
    EXPECT_EQ(PointsForOutcome(t, OutcomeLoss), 0.5);
    EXPECT_EQ(PointsForOutcome(t, OutcomeWinOT), 2);
    EXPECT_EQ(PointsForOutcome(t, OutcomeDrawOT), 1);
    EXPECT_EQ(PointsForOutcome(t, OutcomeLossOT), 1);
    EXPECT_EQ(PointsForOutcome(t, OutcomeWinSO), 1.5);
    EXPECT_EQ(PointsForOutcome(t, OutcomeLossSO), 0.25);
    EXPECT_EQ(PointsForOutcome(t, OutcomeWin, 2), 3);     // awarded: the opponent forfeited
    EXPECT_EQ(PointsForOutcome(t, OutcomeLoss, 1), -1.5); // forfeited: loss minus the penalty
    TTournament chess(TTournamentDefaults::FromSettings());
    SaveRulesInto(TPointsRules::ForSport(SportChess), chess);
    EXPECT_EQ(PointsForOutcome(chess, OutcomeDraw), 0.5);
}

// A result decided by a shoot-out, as it stood before it: level at the loser's score, without
// the shoot-out's period, decided in overtime where the tournament has it.
TEST_F(PointsRules, AShootOutTakenAwayLeavesADraw) {
    const auto make = [](int sport, const QString& score) {
        auto m = CreateMatch(sport, 1, 0, 1, 1);
        EXPECT_TRUE(m->SetScoreText(score, false).Ok) << qPrintable(score);
        m->DecidedIn = 2;
        return m;
    };
    // Hockey: the shoot-out goal sits in a last period of its own.
    auto hockey = make(SportHockey, QStringLiteral("3:2 (1:1, 0:1, 1:0, 0:0, 1:0)"));
    DrawShootOut(*hockey, SportHockey, true);
    EXPECT_EQ(hockey->GetFullScoreText(true, true), QStringLiteral("2:2 OT (1:1, 0:1, 1:0, 0:0)"));
    EXPECT_EQ(hockey->GetOutcome(true), 4);
    // Without periods, and the visitor winning.
    auto plain = make(SportHockey, QStringLiteral("1:2"));
    DrawShootOut(*plain, SportHockey, false);
    EXPECT_EQ(plain->GetFullScoreText(true, true), QStringLiteral("1:1"));
    EXPECT_EQ(plain->GetOutcome(false), 1);
    // Soccer: the fifth period is the shoot-out.
    auto soccer = make(SportSoccer, QStringLiteral("2:1 (0:0, 1:1, 0:0, 0:0, 1:0)"));
    DrawShootOut(*soccer, SportSoccer, false);
    EXPECT_EQ(soccer->HomeScore, 1);
    EXPECT_EQ(soccer->VisitorScore, 1);
    EXPECT_EQ(dynamic_cast<const TGMatch&>(*soccer).PeriodCount(), 4);
    EXPECT_EQ(soccer->DecidedIn, 0);
    // A forfeit is a result in normal time; its score stays.
    auto forfeit = make(SportHockey, QStringLiteral("5:0"));
    forfeit->TechnicalLoss = 2;
    DrawShootOut(*forfeit, SportHockey, true);
    EXPECT_EQ(forfeit->HomeScore, 5);
    EXPECT_EQ(forfeit->DecidedIn, 0);
}
