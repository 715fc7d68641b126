// The typed-score grammar of every sport: what is accepted, how it is stored and written
// back, and the exact refusal messages.
#include "support/testenv.h"

#include "base/settings.h"
#include "model/gmatch.h"
#include "model/match.h"
#include "model/sport.h"

using namespace kv;

namespace {

class ScoreGrammar : public kvtest::TTempHome {
protected:
    // Checks with the tournament-level rules, then stores into a match of the sport.
    static QString Check(int sport, const QString& text, bool ot = true, bool so = true) {
        const TCheckResult r = ValidateScoreText(sport, text, ot, so);
        return r.Ok ? QStringLiteral("ok") : r.Message;
    }
    static std::unique_ptr<TMatch> Store(int sport, const QString& text,
                                         bool visitorFirst = false) {
        auto m = CreateMatch(sport, 1, 10, 20, 1);
        const TSetScoreResult r = m->SetScoreText(text, visitorFirst);
        EXPECT_TRUE(r.Ok) << text.toStdString() << ": " << r.Message.toStdString();
        return m;
    }
    static QString StoreMessage(int sport, const QString& text) {
        auto m = CreateMatch(sport, 1, 10, 20, 1);
        const TSetScoreResult r = m->SetScoreText(text, false);
        return r.Ok ? QStringLiteral("ok") : r.Message;
    }
    static QList<int> HomePeriods(const TMatch& m) {
        const TPeriodList& p = dynamic_cast<const TGMatch&>(m).HomePeriods;
        return QList<int>(p.begin(), p.end());
    }
    static QList<int> VisitorPeriods(const TMatch& m) {
        const TPeriodList& p = dynamic_cast<const TGMatch&>(m).VisitorPeriods;
        return QList<int>(p.begin(), p.end());
    }
};

const QString kSoccerInvalid = QStringLiteral("The score you have entered is not a valid score. "
                                              "Examples of valid scores: 2-1, 2:1, 3:2 (1:2) etc");
const QString kHockeyInvalid = QStringLiteral(
    "The score you have entered is not a valid score. Examples of valid scores: 2-1, 2:1, 3:2 OT "
    "(1:2, 0:0, 1:0, 1:0) etc");
const QString kVolleyInvalid =
    QStringLiteral("The score you have entered is not a valid volleyball score. Examples of valid "
                   "scores: 3:1, 0-3, "
                   "3-2 (25-23, 27-25, 18-25, 23-25, 16-14) etc");
const QString kTennisInvalid = QStringLiteral(
    "The score you have entered is not a valid tennis score. Examples of valid scores: 3:1 or 3-2 "
    "(6-4, 6-7, 6-7, 6-3, 7-6) etc");
const QString kBasketInvalid =
    QStringLiteral("The score you have entered is not a valid basketball score. Examples of valid "
                   "scores: 93:89 or "
                   "98-102 (23-24, 23-19, 25-36, 27-23) etc");
const QString kChessInvalid = QStringLiteral("The score you have entered is not a valid chess "
                                             "score. Examples of valid scores: 0.5-0.5, 1-0, 0-1");
const QString kUsfInvalid = QStringLiteral("The score you have entered is not a valid US football "
                                           "score. Examples of valid scores: 32:11 or "
                                           "21-48 (3-3, 0-17, 6-14, 12-14) etc");
const QString kBaseballInvalid =
    QStringLiteral("The score you have entered is not a valid baseball score. Examples of valid "
                   "scores: 5:2, 4-7, 0-2 etc");

} // namespace

TEST_F(ScoreGrammar, SpacesDashesColonsAndBracketsAreEquivalent) {
    for (const char* text : {"2 - 1", "2-1", "2:1", " 2 :1 "}) {
        auto m = Store(SportSoccer, QString::fromLatin1(text));
        EXPECT_EQ(m->HomeScore, 2);
        EXPECT_EQ(m->VisitorScore, 1);
        EXPECT_TRUE(m->Played);
    }
    auto a = Store(SportHockey, QStringLiteral("3:2 [1:0; 1:1; 1-1]"));
    auto b = Store(SportHockey, QStringLiteral("3:2 {1:0, 1:1, 1:1}"));
    EXPECT_EQ(HomePeriods(*a), (QList<int>{1, 1, 1}));
    EXPECT_EQ(HomePeriods(*b), HomePeriods(*a));
    EXPECT_EQ(VisitorPeriods(*a), (QList<int>{0, 1, 1}));
}

TEST_F(ScoreGrammar, SoccerHalvesImplyTheSecondHalf) {
    for (int sport : {SportSoccer, SportFutsal, SportBandy, SportHandball, SportWaterPolo}) {
        auto m = Store(sport, QStringLiteral("3:2 (1:2)"));
        EXPECT_EQ(HomePeriods(*m), (QList<int>{1, 2}));
        EXPECT_EQ(VisitorPeriods(*m), (QList<int>{2, 0}));
        EXPECT_EQ(m->GetFullScoreText(true, true), QStringLiteral("3:2 (1:2)"));
    }
}

TEST_F(ScoreGrammar, SoccerRefusals) {
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("3:2 (2:3)")),
              QStringLiteral("Invalid Score. Score in halfs does not fit full-time score"));
    EXPECT_EQ(StoreMessage(SportSoccer, QStringLiteral("3:2 (2:3)")),
              QStringLiteral("Invalid Score. Score in periods does not fit full-time score"));
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("6:6 (1:1,1:1,1:1,1:1,1:1,1:1)")),
              QStringLiteral("Too many periods"));
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("2:2 (1:1,1:1,0:0)"), false, true),
              QStringLiteral("Too many periods"));
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("3:2 (1:1,1:1,0:0,0:0,1:0)"), true, false),
              QStringLiteral("Too many periods"));
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("3:2 (1:1,1:1,0:0,0:0,1:0)"), true, true),
              QStringLiteral("ok"));
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("3:2 (1:2")), kSoccerInvalid);
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("3:2 (1:x)")), kSoccerInvalid);
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("three:two")), kSoccerInvalid);
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("32")), kSoccerInvalid);
}

TEST_F(ScoreGrammar, ScoresOutsideZeroTo999AreRefusedEverywhere) {
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("1000:1")), kSoccerInvalid);
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("-1:1")), kSoccerInvalid);
    EXPECT_EQ(Check(SportSoccer, QStringLiteral("999:0")), QStringLiteral("ok"));
    EXPECT_EQ(Check(SportHockey, QStringLiteral("1:0 (1:0, 0:0, 1000:0)")), kHockeyInvalid);
    EXPECT_EQ(Check(SportBasketball, QStringLiteral("1000:999")), kBasketInvalid);
    EXPECT_EQ(Check(SportBaseball, QStringLiteral("1000:2")), kBaseballInvalid);
    EXPECT_EQ(Check(SportChess, QStringLiteral("1000:0")), kChessInvalid);
}

TEST_F(ScoreGrammar, HockeyOvertimeMarkAndPeriods) {
    auto m = Store(SportHockey, QStringLiteral("3:2 OT (1:2, 0:0, 1:0, 1:0)"));
    EXPECT_EQ(m->DecidedIn, 1);
    EXPECT_EQ(HomePeriods(*m).size(), 4);
    EXPECT_EQ(m->GetScoreText(true, true), QStringLiteral("3:2 OT"));
    EXPECT_EQ(Check(SportHockey, QStringLiteral("3:2 ot (1:2, 0:0, 1:0, 1:0)"), true),
              QStringLiteral("ok"));
    EXPECT_EQ(Check(SportHockey, QStringLiteral("3:2 OT (1:2, 0:0, 1:0, 1:0)"), false),
              kHockeyInvalid);
    EXPECT_EQ(Check(SportHockey, QStringLiteral("3:2 (1:2, 2:0)")), kHockeyInvalid);
    EXPECT_EQ(Check(SportHockey, QStringLiteral("3:2 (1:2, 0:0, 1:0, 1:0)"), false),
              QStringLiteral("Too many periods"));
    EXPECT_EQ(Check(SportHockey, QStringLiteral("3:2 (1:2, 0:0, 1:1)")),
              QStringLiteral("Invalid Score. Score in periods does not fit full-time score"));
    // Without the mark the match is decided in normal time.
    auto plain = Store(SportHockey, QStringLiteral("2:1"));
    EXPECT_EQ(plain->DecidedIn, 0);
}

TEST_F(ScoreGrammar, BasketballPeriodCounts) {
    const QString tooMany = QStringLiteral("Too many periods");
    EXPECT_EQ(Check(SportBasketball, QStringLiteral("93:89 (93:89)"), false), QStringLiteral("ok"));
    EXPECT_EQ(Check(SportBasketball, QStringLiteral("93:89 (45:40, 48:49)"), false),
              QStringLiteral("ok"));
    EXPECT_EQ(Check(SportBasketball, QStringLiteral("93:89 (23-24, 23-19, 25-36)"), false),
              tooMany);
    EXPECT_EQ(Check(SportBasketball, QStringLiteral("93:89 (23-24, 23-19, 25-36, 22-10)"), false),
              QStringLiteral("ok"));
    // Storing takes halves or four and more periods.
    EXPECT_EQ(StoreMessage(SportBasketball, QStringLiteral("93:89 (93:89)")), kBasketInvalid);
    EXPECT_EQ(StoreMessage(SportBasketball, QStringLiteral("93:89 (45:40, 40:40, 8:9)")),
              kBasketInvalid);
    auto m =
        Store(SportBasketball, QStringLiteral("100:98 OT (20:20, 20:20, 20:20, 20:20, 20:18)"));
    EXPECT_EQ(m->DecidedIn, 1);
    EXPECT_EQ(m->GetFullScoreText(true, true),
              QStringLiteral("100:98 OT (20:20, 20:20, 20:20, 20:20, 20:18)"));
    auto halves = Store(SportBasketball, QStringLiteral("93:89 (45:40, 48:49)"));
    // Basketball shows every period even when there are only two.
    EXPECT_EQ(halves->GetFullScoreText(true, true), QStringLiteral("93:89 (45:40, 48:49)"));
    m->DecidedIn = 2;
    EXPECT_EQ(m->GetScoreText(true, true), QStringLiteral("100:98 SO"));
    EXPECT_EQ(Check(SportBasketball, QStringLiteral("93:89 (45:40, 40:40)")),
              QStringLiteral("Invalid Score. Score in periods does not fit full-time score"));
}

TEST_F(ScoreGrammar, BasketballWordsItsOwnSuffixOnlyInTheFullForm) {
    auto m =
        Store(SportBasketball, QStringLiteral("101:99 OT (20:20, 20:20, 20:20, 20:20, 21:19)"));
    TScoreTexts words = TScoreTexts::Current();
    words.OvertimeAbbrev = QStringLiteral("n.V.");
    words.ShootoutAbbrev = QStringLiteral("n.P.");
    words.BasketballOvertimeAbbrev = QStringLiteral("Vl.");
    EXPECT_EQ(m->GetScoreText(true, true, words), QStringLiteral("101:99 n.V."));
    EXPECT_EQ(m->GetFullScoreText(true, true, words),
              QStringLiteral("101:99 Vl. (20:20, 20:20, 20:20, 20:20, 21:19)"));
    m->DecidedIn = 2;
    EXPECT_EQ(m->GetScoreText(true, true, words), QStringLiteral("101:99 n.P."));
    EXPECT_EQ(m->GetFullScoreText(false, true, words).left(10), QStringLiteral("99:101 SO "));
}

TEST_F(ScoreGrammar, VolleyballAndTennisSets) {
    EXPECT_EQ(Check(SportVolleyball, QStringLiteral("3:0")), QStringLiteral("ok"));
    EXPECT_EQ(Check(SportVolleyball, QStringLiteral("2:2")),
              QStringLiteral("Ties are not allowed"));
    EXPECT_EQ(StoreMessage(SportVolleyball, QStringLiteral("2:2")),
              QStringLiteral("Ties in sets are not allowed"));
    EXPECT_EQ(Check(SportVolleyball, QStringLiteral("4:1")), kVolleyInvalid);
    EXPECT_EQ(Check(SportVolleyball, QStringLiteral("4:0")), kVolleyInvalid);
    EXPECT_EQ(Check(SportVolleyball, QStringLiteral("1:0")), kVolleyInvalid);
    EXPECT_EQ(Check(SportVolleyball, QStringLiteral("3:1 (25:20, 25:20, 20:25)")),
              QStringLiteral("Invalid score. Score in sets does not fit total score"));
    EXPECT_EQ(Check(SportVolleyball, QStringLiteral("3:1 (25:20, 25:20, 20:25, 25:25)")),
              QStringLiteral("Ties are not allowed"));
    EXPECT_EQ(Check(SportVolleyball, QStringLiteral("3:0 (25:20)")), kVolleyInvalid);
    auto v = Store(SportVolleyball, QStringLiteral("3-2 (25-23, 27-25, 18-25, 23-25, 16-14)"));
    EXPECT_EQ(HomePeriods(*v), (QList<int>{25, 27, 18, 23, 16}));
    EXPECT_EQ(v->GetFullScoreText(true, false),
              QStringLiteral("3:2 (25:23, 27:25, 18:25, 23:25, 16:14)"));

    EXPECT_EQ(Check(SportTennis, QStringLiteral("1:1")), QStringLiteral("Ties are not allowed"));
    EXPECT_EQ(StoreMessage(SportTennis, QStringLiteral("1:1")),
              QStringLiteral("Ties are not allowed"));
    EXPECT_EQ(Check(SportTennis, QStringLiteral("2:0 (6:6, 6:3)")),
              QStringLiteral("Ties in sets are not allowed"));
    EXPECT_EQ(Check(SportTennis, QStringLiteral("2:1 (6:4, 6:3)")),
              QStringLiteral("Invalid score. Score in sets does not fit total score"));
    EXPECT_EQ(Check(SportTennis, QStringLiteral("6:0")), kTennisInvalid);
    EXPECT_EQ(Check(SportTennis, QStringLiteral("3:1 (6-4, 6-7, 6-3, 7-6)")), QStringLiteral("ok"));
}

TEST_F(ScoreGrammar, ChessShorthandsAndHalves) {
    auto draw = Store(SportChess, QStringLiteral("="));
    EXPECT_EQ(draw->HomeScore, 0.5);
    EXPECT_EQ(draw->VisitorScore, 0.5);
    EXPECT_EQ(draw->GetScoreText(true, true), QStringLiteral("="));
    auto win = Store(SportChess, QStringLiteral("1"));
    EXPECT_EQ(win->HomeScore, 1);
    EXPECT_EQ(win->GetScoreText(true, false), QStringLiteral("1"));
    EXPECT_EQ(win->GetScoreText(false, false), QStringLiteral("0"));
    auto loss = Store(SportChess, QStringLiteral("0"));
    EXPECT_EQ(loss->VisitorScore, 1);
    auto pair = Store(SportChess, QStringLiteral("0.5-0.5"));
    EXPECT_EQ(pair->HomeScore, 0.5);
    EXPECT_EQ(Check(SportChess, QStringLiteral("1:1")), kChessInvalid);
    EXPECT_EQ(Check(SportChess, QStringLiteral("0.5:0")), kChessInvalid);
    // The shorthands are always home first; a typed pair follows the visitor-first flag.
    auto shorthand = Store(SportChess, QStringLiteral("1"), true);
    EXPECT_EQ(shorthand->HomeScore, 1);
    auto typed = Store(SportChess, QStringLiteral("1:0"), true);
    EXPECT_EQ(typed->HomeScore, 0);
    EXPECT_EQ(typed->VisitorScore, 1);
}

TEST_F(ScoreGrammar, USFootballQuartersAndOvertime) {
    auto m = Store(SportUSFootball, QStringLiteral("21:14 (7:0, 0:7, 7:7, 7:0)"));
    EXPECT_EQ(m->DecidedIn, 0);
    auto ot = Store(SportUSFootball, QStringLiteral("27:21 (7:0, 0:7, 7:7, 7:7, 6:0)"));
    EXPECT_EQ(ot->DecidedIn, 1);
    auto mark = Store(SportUSFootball, QStringLiteral("24:21 OT"));
    EXPECT_EQ(mark->DecidedIn, 1);
    EXPECT_EQ(Check(SportUSFootball, QStringLiteral("24:21 OT"), false), QStringLiteral("ok"));
    EXPECT_EQ(Check(SportUSFootball, QStringLiteral("21:21")),
              QStringLiteral("Ties are not allowed"));
    EXPECT_EQ(Check(SportUSFootball, QStringLiteral("21:14 (7:0, 7:7, 7:7)")), kUsfInvalid);
    EXPECT_EQ(Check(SportUSFootball, QStringLiteral("21:14 (7:0, 0:7, 7:7, 0:0)")),
              QStringLiteral("Invalid Score. Score in quarters does not fit total score"));
}

TEST_F(ScoreGrammar, BaseballTakesOnlyTheFinalScore) {
    auto m = Store(SportBaseball, QStringLiteral("5:2"));
    EXPECT_EQ(HomePeriods(*m), (QList<int>{5}));
    EXPECT_EQ(Check(SportBaseball, QStringLiteral("4:4")), QStringLiteral("Ties are not allowed"));
    EXPECT_EQ(Check(SportBaseball, QStringLiteral("5:2 (3:1, 2:1)")), kBaseballInvalid);
    // An empty text clears the result and the periods.
    EXPECT_TRUE(m->SetScoreText(QString(), false).Ok);
    EXPECT_FALSE(m->Played);
    EXPECT_EQ(m->HomeScore, 0);
    EXPECT_TRUE(HomePeriods(*m).isEmpty());
}

TEST_F(ScoreGrammar, OtherSportIsNeverTyped) {
    EXPECT_FALSE(ValidateScoreText(SportOther, QStringLiteral("2:1"), true, true).Ok);
    EXPECT_FALSE(ValidateScoreText(13, QStringLiteral("2:1"), true, true).Ok);
    auto m = CreateMatch(SportOther, 1, 1, 2, 1);
    EXPECT_FALSE(m->SetScoreText(QStringLiteral("2:1"), false).Ok);
    EXPECT_FALSE(m->Played);
}

TEST_F(ScoreGrammar, EmptyTextMeansNotPlayed) {
    auto m = Store(SportHockey, QStringLiteral("3:2 OT"));
    m->TechnicalLoss = 1;
    EXPECT_TRUE(m->SetScoreText(QStringLiteral("   "), false).Ok);
    EXPECT_FALSE(m->Played);
    EXPECT_EQ(m->TechnicalLoss, 0);
    EXPECT_EQ(m->DecidedIn, 0);
    EXPECT_EQ(m->GetScoreText(true, true), QString());
}

TEST_F(ScoreGrammar, VisitorFirstReadsAndWritesTheOtherWayRound) {
    auto m = Store(SportSoccer, QStringLiteral("1:3 (0:2)"), true);
    EXPECT_EQ(m->HomeScore, 3);
    EXPECT_EQ(m->VisitorScore, 1);
    EXPECT_EQ(HomePeriods(*m), (QList<int>{2, 1}));
    EXPECT_EQ(m->GetScoreText(false, false), QStringLiteral("1:3"));
    EXPECT_EQ(m->GetFullScoreText(false, false), QStringLiteral("1:3 (0:2)"));
}

TEST_F(ScoreGrammar, SeparatorPreference) {
    RegWriteString(QString(), QStringLiteral("ScoreSep"), QStringLiteral("-"));
    auto m = Store(SportSoccer, QStringLiteral("2:1"));
    EXPECT_EQ(m->GetScoreText(true, false), QStringLiteral("2-1"));
    // A separator of two characters is read as ":" when parsing, written as it is.
    RegWriteString(QString(), QStringLiteral("ScoreSep"), QStringLiteral("::"));
    auto n = Store(SportSoccer, QStringLiteral("4-0"));
    EXPECT_EQ(n->HomeScore, 4);
    EXPECT_EQ(n->GetScoreText(true, false), QStringLiteral("4::0"));
}

TEST_F(ScoreGrammar, FailedParseLeavesTheMatchAlone) {
    auto m = Store(SportHockey, QStringLiteral("2:1 (1:0, 0:1, 1:0)"));
    const TSetScoreResult r = m->SetScoreText(QStringLiteral("5:2 OT (1:1)"), false);
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(m->HomeScore, 2);
    EXPECT_EQ(m->DecidedIn, 0);
    EXPECT_EQ(HomePeriods(*m), (QList<int>{1, 0, 1}));
}
