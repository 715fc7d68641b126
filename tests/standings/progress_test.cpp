// Points progress, score and referee statistics and table totals.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/sport.h"
#include "standings/statistics.h"
#include "standings/tournament_setup.h"

using namespace kv;
using kvtest::AddResult;

namespace {

class Progress : public kvtest::TTempHome {
protected:
    std::unique_ptr<TTournament> Make() {
        auto t = kvtest::MakeTournament(
            SportSoccer, 2,
            {{QStringLiteral("G"),
              {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}}});
        const auto add = [&](const char* h, const char* v, const char* score, int leg, int matchday,
                             double date) {
            TMatch* m = AddResult(*t, QString::fromLatin1(h), QString::fromLatin1(v),
                                  QString::fromLatin1(score), leg);
            m->Matchday = matchday;
            m->HasDate = date > 0;
            m->Date = date;
            return m;
        };
        add("A", "B", "2:0", 1, 1, 46001);
        add("C", "A", "1:1", 1, 2, 46005);
        add("A", "C", "0:1", 2, 2, 46005.5); // A plays twice on matchday 2 and on one day
        add("B", "C", "", 2, 3, 0);          // not played
        return t;
    }
};

} // namespace

TEST_F(Progress, ByMatchdayAndByDate) {
    auto t = Make();
    ComputeProgressByMatchday(*t);
    ComputeProgressByDate(*t);
    const TTeam& a = *t->JointTable().TeamByName(QStringLiteral("A"));
    EXPECT_EQ(a.Stats.ByMatchday.Keys, (QList<int>{1, 2}));
    EXPECT_EQ(a.Stats.ByMatchday.Points, (QList<double>{3, 4}));
    EXPECT_EQ(a.Stats.ByDate.Keys.size(), 2); // two matches on one day make one entry
    EXPECT_EQ(a.Stats.ByDate.Points.last(), 4);
    const TTeam& b = *t->JointTable().TeamByName(QStringLiteral("B"));
    EXPECT_EQ(b.Stats.ByMatchday.Points, (QList<double>{0}));
    const TTeam& c = *t->JointTable().TeamByName(QStringLiteral("C"));
    EXPECT_EQ(c.Stats.ByMatchday.Keys, (QList<int>{2}));
    EXPECT_EQ(c.Stats.ByMatchday.Points, (QList<double>{4}));
}

TEST_F(Progress, ScoresRefereesAndTotals) {
    auto t = Make();
    t->AddReferee(QStringLiteral("Main"), QString(), QString(), -1);
    t->AddReferee(QStringLiteral("Line"), QString(), QString(), -1);
    TMatch* first = t->MatchById(0);
    first->AddReferee(0);
    first->AddReferee(1);
    first->Attendance = 900;
    t->MatchById(1)->AddReferee(1);
    RecomputeAll(*t);
    ComputeScoreStatistics(*t);
    ComputeRefereeStatistics(*t);
    const TTeam& a = *t->JointTable().TeamByName(QStringLiteral("A"));
    ASSERT_EQ(a.Stats.Scores.size(), 3);
    EXPECT_EQ(a.Stats.Scores[0].High, 2);
    EXPECT_EQ(a.Stats.Scores[0].Low, 0);
    EXPECT_EQ(a.Stats.Scores[0].HomeCount, 1);
    EXPECT_EQ(a.Stats.Scores[1].AwayCount, 1); // 1:1
    const TTeam& b = *t->JointTable().TeamByName(QStringLiteral("B"));
    ASSERT_EQ(b.Stats.Referees.size(), 2);
    EXPECT_EQ(b.Stats.Referees[0].MainCount, 1);
    EXPECT_EQ(b.Stats.Referees[1].AssistantCount, 1);
    const TTeam& c = *t->JointTable().TeamByName(QStringLiteral("C"));
    EXPECT_EQ(c.Stats.Referees.size(), 1);
    EXPECT_EQ(c.Stats.Referees[0].MainCount, 1);
    const TTableTotals totals = TableTotals(*t, t->JointTable());
    EXPECT_EQ(totals.Matches, 3);
    EXPECT_EQ(totals.HomeWins, 1);
    EXPECT_EQ(totals.AwayWins, 1);
    EXPECT_EQ(totals.Draws, 1);
    EXPECT_EQ(totals.HomeScore, 3);
    EXPECT_EQ(totals.AwayScore, 2);
    EXPECT_EQ(totals.Attendance, 900);
}
