// Adding fixtures in bulk, moving matches between legs and grid positions, and match orders.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/sport.h"
#include "standings/fixture_rules.h"
#include "standings/match_order.h"

using namespace kv;
using kvtest::AddResult;
using kvtest::TeamId;

namespace {

class FixtureRules : public kvtest::TTempHome {
protected:
    std::unique_ptr<TTournament> Make(int legs) {
        auto t = kvtest::MakeTournament(
            SportSoccer, legs,
            {{QStringLiteral("G1"),
              {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}},
             {QStringLiteral("G2"), {QStringLiteral("D"), QStringLiteral("E")}}});
        t->TeamById(TeamId(*t, QStringLiteral("A")))->HomeStadiumId = 4;
        return t;
    }
    TFixtureRow Row(const TTournament& t, const char* home, const char* visitor) {
        TFixtureRow r;
        r.HomeTeamId = TeamId(t, QString::fromLatin1(home));
        r.VisitorTeamId = TeamId(t, QString::fromLatin1(visitor));
        r.Matchday = QStringLiteral("1");
        return r;
    }
};

} // namespace

TEST_F(FixtureRules, RowsWithoutInformationAreRefusedTogether) {
    auto t = Make(2);
    std::vector<TFixtureRow> rows{Row(*t, "A", "B"), Row(*t, "B", "C")};
    rows[1].Matchday.clear();
    const TAddFixturesResult r = AddFixtures(*t, rows, {});
    EXPECT_EQ(r.Added, 0);
    EXPECT_EQ(r.EmptyRows, (std::vector<int>{1}));
    EXPECT_EQ(r.Message, QStringLiteral("Highlighted fixtures contain no information"));
    EXPECT_EQ(t->MatchCount(), 0);
}

TEST_F(FixtureRules, TheFirstRefusedRowStopsTheRun) {
    auto t = Make(2);
    std::vector<TFixtureRow> rows{Row(*t, "A", "B"), Row(*t, "C", "B")};
    rows[0].Score = QStringLiteral("2:1");
    rows[0].Number = QStringLiteral("17");
    TAddFixturesOptions options;
    options.AssignHomeStadiums = true;
    const TAddFixturesResult r = AddFixtures(*t, rows, options);
    EXPECT_EQ(r.Added, 1);
    EXPECT_EQ(r.FailedRow, 1);
    EXPECT_EQ(r.Message, QStringLiteral("Team 'B' have already played on matchday 1"));
    ASSERT_EQ(t->MatchCount(), 1);
    const TMatch* m = t->MatchAt(0);
    EXPECT_EQ(m->Leg, 1);
    EXPECT_EQ(m->GridPosition, 1);
    EXPECT_EQ(m->Number, 17);
    EXPECT_EQ(m->StadiumId, 4);
    EXPECT_TRUE(m->Played);
}

TEST_F(FixtureRules, LegsAndHomeFixtures) {
    auto t = Make(2);
    AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QString(), 1);
    TFixtureRow again = Row(*t, "A", "B");
    again.Matchday = QStringLiteral("5");
    TAddFixturesResult r = AddFixtures(*t, {again}, {});
    EXPECT_EQ(r.Message,
              QStringLiteral(
                  "The tournament already contains all possible home fixtures of 'A' against 'B'"));
    TFixtureRow sameLeg = Row(*t, "B", "A");
    sameLeg.Leg = QStringLiteral("1");
    r = AddFixtures(*t, {sameLeg}, {});
    EXPECT_EQ(r.Message, QStringLiteral("Fixture already exists"));
    TFixtureRow freeLeg = Row(*t, "B", "A"); // the leg field is empty: the next free leg
    r = AddFixtures(*t, {freeLeg}, {});
    EXPECT_EQ(r.Added, 1);
    EXPECT_EQ(t->MatchAt(1)->Leg, 2);
    TFixtureRow third = Row(*t, "B", "A");
    third.Matchday = QStringLiteral("9");
    r = AddFixtures(*t, {third}, {});
    EXPECT_EQ(r.Message,
              QStringLiteral("Invalid match leg. A valid leg for this fixtures is 1 to 2"));
}

TEST_F(FixtureRules, ScoresAreCheckedAndReadVisitorFirstWhenAsked) {
    auto t = Make(2);
    TFixtureRow bad = Row(*t, "A", "B");
    bad.Score = QStringLiteral("3:2 (2:3)");
    EXPECT_EQ(AddFixtures(*t, {bad}, {}).Message,
              QStringLiteral("Invalid Score. Score in halfs does not fit full-time score"));
    TFixtureRow row = Row(*t, "A", "B");
    row.Score = QStringLiteral("1:3");
    TAddFixturesOptions options;
    options.HostFirst = false;
    ASSERT_EQ(AddFixtures(*t, {row}, options).Added, 1);
    EXPECT_EQ(t->MatchAt(0)->HomeScore, 3);
}

TEST_F(FixtureRules, PairsMustShareAGroupWithoutConferences) {
    auto t = Make(2);
    EXPECT_EQ(CheckFixturePair(*t, 0, 0),
              QStringLiteral("Home and visitor teams cannot be the same"));
    EXPECT_EQ(
        CheckFixturePair(*t, TeamId(*t, QStringLiteral("A")), TeamId(*t, QStringLiteral("D"))),
        QStringLiteral("Home and visitor teams must belong to the same group"));
    EXPECT_EQ(
        CheckFixturePair(*t, TeamId(*t, QStringLiteral("A")), TeamId(*t, QStringLiteral("B"))),
        QString());
}

TEST_F(FixtureRules, MovingLegsRenumbersAndHandsOutGridPositions) {
    auto t = Make(4);
    const int a = TeamId(*t, QStringLiteral("A"));
    const int b = TeamId(*t, QStringLiteral("B"));
    TMatch* first = AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QString(), 1);
    TMatch* second = AddResult(*t, QStringLiteral("B"), QStringLiteral("A"), QString(), 2);
    TMatch* fourth = AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QString(), 4);
    std::vector<TMatch*> rows;
    for (const TMatch* m : LegRows(*t, a, b))
        rows.push_back(m ? t->MatchById(m->Id) : nullptr);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[2], nullptr);
    std::swap(rows[2], rows[3]); // move leg 4 up to leg 3
    std::swap(rows[0], rows[1]);
    ApplyLegRows(rows, a);
    EXPECT_EQ(second->Leg, 1);
    EXPECT_EQ(first->Leg, 2);
    EXPECT_EQ(fourth->Leg, 3);
    EXPECT_EQ(second->GridPosition, 1);
    EXPECT_EQ(first->GridPosition, 1);
    EXPECT_EQ(fourth->GridPosition, 2);
    std::vector<TMatch*> grid;
    for (const TMatch* m : GridRows(*t, a, b))
        grid.push_back(t->MatchById(m->Id));
    ASSERT_EQ(grid.size(), 2u);
    EXPECT_EQ(grid[0], first);
    std::swap(grid[0], grid[1]);
    ApplyGridRows(grid);
    EXPECT_EQ(fourth->GridPosition, 1);
    EXPECT_EQ(first->GridPosition, 2);
}

TEST_F(FixtureRules, TimeAndMatchdayFields) {
    EXPECT_TRUE(CheckFixtureTime(QString()).Ok);
    EXPECT_FALSE(CheckFixtureTime(QString()).Given);
    const TFieldCheck time = CheckFixtureTime(QStringLiteral("18:30"));
    EXPECT_TRUE(time.Ok);
    EXPECT_DOUBLE_EQ(time.Value, 18.5 / 24);
    EXPECT_EQ(CheckFixtureTime(QStringLiteral("half past six")).Message,
              QStringLiteral("'half past six' is not valid time"));
    EXPECT_EQ(CheckFixtureMatchday(QStringLiteral("x3")).Message,
              QStringLiteral("'x3' is not a valid matchday"));
    EXPECT_EQ(CheckFixtureMatchday(QStringLiteral(" 7 ")).Value, 7);
}

TEST_F(FixtureRules, MatchOrders) {
    auto a = CreateMatch(SportSoccer, 1, 1, 2, 1);
    auto b = CreateMatch(SportSoccer, 2, 1, 2, 2);
    auto c = CreateMatch(SportSoccer, 3, 1, 2, 3);
    ASSERT_TRUE(a->SetScoreText(QStringLiteral("5:1"), false).Ok);
    ASSERT_TRUE(b->SetScoreText(QStringLiteral("3:3"), false).Ok);
    std::vector<const TMatch*> list{b.get(), c.get(), a.get()};
    OrderMatches(list, {MatchKeyScore}, true);
    EXPECT_EQ(list[0], a.get());
    EXPECT_EQ(list[1], b.get());
    EXPECT_EQ(list[2], c.get()); // unplayed last when descending
    a->Matchday = 2;
    b->Matchday = 1;
    c->Matchday = 2;
    OrderMatches(list, {MatchKeyMatchday, MatchKeyId}, false);
    EXPECT_EQ(list, (std::vector<const TMatch*>{b.get(), a.get(), c.get()}));
    EXPECT_EQ(CompareMatches(*a, *b, MatchKeyTotal), 0);
}
