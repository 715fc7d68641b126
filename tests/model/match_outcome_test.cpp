// Outcomes, forfeits and the texts a match writes of its score.
#include "support/testenv.h"

#include "model/sport.h"
#include "model/sport_matches.h"

#include <QRandomGenerator>

using namespace kv;

namespace {

std::unique_ptr<TMatch> Played(int sport, double home, double visitor, int decidedIn = 0) {
    auto m = CreateMatch(sport, 1, 10, 20, 1);
    m->HomeScore = home;
    m->VisitorScore = visitor;
    m->Played = true;
    m->DecidedIn = static_cast<quint8>(decidedIn);
    return m;
}

class MatchOutcome : public kvtest::TTempHome {};

} // namespace

TEST_F(MatchOutcome, PlainClassesKnowWinDrawLoss) {
    auto m = Played(SportSoccer, 2, 1, 1); // overtime does not change the soccer outcome
    EXPECT_EQ(m->GetOutcome(true), OutcomeWin);
    EXPECT_EQ(m->GetOutcome(false), OutcomeLoss);
    auto d = Played(SportBasketball, 80, 80);
    EXPECT_EQ(d->GetOutcome(true), OutcomeDraw);
}

TEST_F(MatchOutcome, HockeyOutcomesByDecision) {
    EXPECT_EQ(Played(SportHockey, 3, 2, 1)->GetOutcome(true), OutcomeWinOT);
    EXPECT_EQ(Played(SportHockey, 3, 2, 1)->GetOutcome(false), OutcomeLossOT);
    EXPECT_EQ(Played(SportHockey, 2, 2, 1)->GetOutcome(true), OutcomeDrawOT);
    EXPECT_EQ(Played(SportHockey, 3, 2, 2)->GetOutcome(true), OutcomeWinSO);
    EXPECT_EQ(Played(SportHockey, 3, 2, 2)->GetOutcome(false), OutcomeLossSO);
    EXPECT_EQ(Played(SportHockey, 2, 2, 2)->GetOutcome(true), OutcomeDraw);
}

TEST_F(MatchOutcome, ForfeitDecidesWhateverTheScore) {
    for (int sport : {SportSoccer, SportHockey, SportChess, SportOther}) {
        auto m = Played(sport, 5, 0);
        m->TechnicalLoss = 1; // the home team forfeited
        EXPECT_EQ(m->GetOutcome(true), OutcomeLoss) << sport;
        EXPECT_EQ(m->GetOutcome(false), OutcomeWin) << sport;
        EXPECT_EQ(m->GetScoreText(true, true), QStringLiteral("-:+")) << sport;
        EXPECT_EQ(m->GetScoreText(false, true), QStringLiteral("+:-")) << sport;
        EXPECT_EQ(m->GetFullScoreText(true, true), QStringLiteral("-:+")) << sport;
    }
}

TEST_F(MatchOutcome, SuffixesBySportFamily) {
    EXPECT_EQ(Played(SportSoccer, 2, 1, 1)->GetScoreText(true, true), QStringLiteral("2:1 aet"));
    EXPECT_EQ(Played(SportSoccer, 2, 1, 2)->GetScoreText(true, true), QStringLiteral("2:1 PSO"));
    EXPECT_EQ(Played(SportHockey, 2, 1, 2)->GetScoreText(true, true), QStringLiteral("2:1 SO"));
    EXPECT_EQ(Played(SportHockey, 2, 1, 2)->GetScoreText(true, false), QStringLiteral("2:1"));
    EXPECT_EQ(Played(SportOther, 2.5, 1, 1)->GetScoreText(true, true), QStringLiteral("2.5:1 OT"));
    EXPECT_EQ(Played(SportSoccer, 2, 1)->GetScoreText(false, false), QStringLiteral("1:2"));
}

TEST_F(MatchOutcome, PeriodAccessorsAndTexts) {
    auto m = CreateMatch(SportSoccer, 1, 10, 20, 1);
    ASSERT_TRUE(m->SetScoreText(QStringLiteral("3:1 (1:1, 2:0)"), false).Ok);
    EXPECT_EQ(m->GetPeriodHomeScore(0), 3);
    EXPECT_EQ(m->GetPeriodHomeScore(2), 2);
    EXPECT_EQ(m->GetPeriodHomeScore(3), -1);
    EXPECT_TRUE(m->HasPeriod(2));
    EXPECT_FALSE(m->HasPeriod(3));
    EXPECT_EQ(m->GetPeriodDifference(2), 2);
    EXPECT_EQ(m->GetPeriodScoreText(true, false, 1), QStringLiteral("1:1"));
    EXPECT_EQ(m->GetPeriodScoreText(false, false, 2), QStringLiteral("0:2"));
    EXPECT_EQ(m->GetPeriodScoreText(true, false, 3), QString());
    EXPECT_EQ(m->GetPeriodName(0, true), QStringLiteral("half"));
    EXPECT_EQ(m->GetPeriodName(2, true), QStringLiteral("2-th half"));
    EXPECT_EQ(m->GetPeriodName(4, false), QStringLiteral("2-th additional half"));
    auto chess = Played(SportChess, 1, 0);
    EXPECT_TRUE(chess->HasPeriod(0));
    EXPECT_FALSE(chess->HasPeriod(1));
    EXPECT_EQ(chess->GetPeriodHomeScore(5), 1);
    EXPECT_EQ(CreateMatch(SportHockey)->GetPeriodName(1, false), QStringLiteral("period"));
}

TEST_F(MatchOutcome, FullScoreShowsHalfTimeOnlyBelowThreePeriods) {
    auto m = CreateMatch(SportHandball, 1, 10, 20, 1);
    ASSERT_TRUE(m->SetScoreText(QStringLiteral("30:28 (15:14, 15:14)"), false).Ok);
    EXPECT_EQ(m->GetFullScoreText(true, true), QStringLiteral("30:28 (15:14)"));
    auto h = CreateMatch(SportHockey, 1, 10, 20, 1);
    ASSERT_TRUE(h->SetScoreText(QStringLiteral("2:1 (1:0, 0:1, 1:0)"), false).Ok);
    EXPECT_EQ(h->GetFullScoreText(false, true), QStringLiteral("1:2 (0:1, 1:0, 0:1)"));
}

TEST_F(MatchOutcome, RefereesAndEmptiness) {
    auto m = CreateMatch(SportSoccer, 1, 10, 20, 1);
    EXPECT_TRUE(m->IsEmpty(true));
    EXPECT_FALSE(m->AddReferee(-1));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(m->AddReferee(i));
    EXPECT_FALSE(m->AddReferee(9));
    EXPECT_EQ(m->RefereeCount(), 5);
    EXPECT_EQ(m->FirstRefereeId(), 0);
    EXPECT_EQ(m->RefereePosition(3), 3);
    EXPECT_FALSE(m->IsEmpty(false));
    auto s = CreateMatch(SportSoccer, 1, 10, 20, 1);
    s->StadiumId = 4;
    EXPECT_TRUE(s->IsEmpty(false));
    EXPECT_FALSE(s->IsEmpty(true));
}

TEST_F(MatchOutcome, CopiesKeepEveryFieldAcrossClasses) {
    auto m = CreateMatch(SportHockey, 7, 10, 20, 2);
    ASSERT_TRUE(m->SetScoreText(QStringLiteral("3:2 OT (1:0, 1:1, 0:1, 1:0)"), false).Ok);
    m->Comments = QStringLiteral("line one\r\nline two");
    m->AddReferee(3);
    m->Matchday = 4;
    auto copy = CreateMatch(SportHockey, *m);
    EXPECT_EQ(copy->GetFullScoreText(true, true), m->GetFullScoreText(true, true));
    EXPECT_EQ(copy->Comments, m->Comments);
    EXPECT_EQ(copy->RefereeIds, m->RefereeIds);
    EXPECT_EQ(copy->Matchday, 4);
    EXPECT_NE(dynamic_cast<THockeyMatch*>(copy.get()), nullptr);
    auto chess = CreateMatch(SportChess, *m);
    EXPECT_EQ(chess->HomeScore, 3);
    EXPECT_EQ(dynamic_cast<TGMatch*>(chess.get()), nullptr);
}

// Random text must never crash the checker or the parser, and a refused text never changes
// the match.
TEST_F(MatchOutcome, RandomTextNeverCrashesTheParsers) {
    QRandomGenerator rng(20261208);
    const QString alphabet = QStringLiteral("0123456789:-;,()[]{} OTot=.\u00a0x+");
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const int length = rng.bounded(1, 24);
        for (int k = 0; k < length; ++k)
            text += alphabet.at(rng.bounded(static_cast<int>(alphabet.size())));
        const int sport = rng.bounded(0, 15);
        ValidateScoreText(sport, text, rng.bounded(2) == 1, rng.bounded(2) == 1);
        auto m = CreateMatch(sport, 1, 1, 2, 1);
        m->HomeScore = 7;
        const TSetScoreResult r = m->SetScoreText(text, rng.bounded(2) == 1);
        if (!r.Ok) {
            EXPECT_EQ(m->HomeScore, 7);
            EXPECT_FALSE(m->Played);
        }
        m->GetFullScoreText(true, true);
        m->GetPeriodScoreText(false, true, rng.bounded(-1, 8));
    }
}
