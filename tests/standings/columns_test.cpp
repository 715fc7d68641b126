// The column catalog: names and captions by sport, applicability, widths, the default and
// spare columns of a tournament.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/settings.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"

using namespace kv;

namespace {

class Columns : public kvtest::TTempHome {};

std::vector<int> Ids(const std::vector<TTableColumn>& columns) {
    std::vector<int> ids;
    for (const TTableColumn& c : columns)
        ids.push_back(c.Id);
    return ids;
}

} // namespace

TEST_F(Columns, WordsFollowTheSport) {
    EXPECT_EQ(ColumnFullName(17, SportSoccer, false, false), QStringLiteral("Goals For"));
    EXPECT_EQ(ColumnFullName(17, SportBasketball, false, false), QStringLiteral("Points Scored"));
    EXPECT_EQ(ColumnFullName(17, SportVolleyball, false, false), QStringLiteral("Sets Won"));
    EXPECT_EQ(ColumnFullName(17, SportUSFootball, false, false), QStringLiteral("Points For"));
    EXPECT_EQ(ColumnCaption(16, SportVolleyball, false, false), QStringLiteral("SW-SL"));
    EXPECT_EQ(ColumnCaption(20, SportBaseball, false, false), QStringLiteral("Avg PF-PA"));
    EXPECT_EQ(ColumnFullName(24, SportHockey, false, false),
              QStringLiteral("Goals For and Against in Matches Played among Them"));
    EXPECT_EQ(ColumnFullName(27, SportChess, false, false),
              QStringLiteral("Points Difference in Matches Played among Them"));
    EXPECT_EQ(ColumnFullName(27, SportTennis, false, false),
              QStringLiteral("Set Difference in Matches Played among Them"));
    EXPECT_EQ(ColumnFullName(2, SportHockey, false, false), QStringLiteral("Total Matches Tied"));
    EXPECT_EQ(ColumnFullName(2, SportUSFootball, false, false), QString());
    EXPECT_EQ(ColumnCaption(2, SportChess, false, false), QStringLiteral("D"));
    EXPECT_EQ(ColumnCaption(2, SportVolleyball, false, false), QString());
    EXPECT_EQ(ColumnCaption(1, SportUSFootball, false, false), QStringLiteral("TW"));
    EXPECT_EQ(ColumnFullName(7, SportSoccer, false, false),
              QStringLiteral("Matches Won in Expanded Time"));
    EXPECT_EQ(ColumnCaption(7, SportHockey, false, false), QStringLiteral("WO"));
    EXPECT_EQ(ColumnCaption(10, SportHockey, false, false), QStringLiteral("WS"));
    EXPECT_EQ(ColumnCaption(12, SportBasketball, false, false), QString());
    EXPECT_EQ(ColumnFullName(43, SportBaseball, false, false),
              QStringLiteral("Won-Lost Percentage"));
    EXPECT_EQ(ColumnFullName(43, SportUSFootball, false, false),
              QStringLiteral("Won-Lost-Tied percentage"));
    EXPECT_EQ(ColumnFullName(49, SportSoccer, true, true),
              QStringLiteral("Team Place in Division"));
    EXPECT_EQ(ColumnCaption(49, SportSoccer, false, true), QStringLiteral("GP"));
    EXPECT_EQ(ColumnCaption(51, SportSoccer, false, false), QStringLiteral("P"));
    EXPECT_EQ(ColumnFullName(30, SportSoccer, false, false), QString());
    // An away criterion names its scope.
    EXPECT_EQ(MakeCriterion(17, ScopeAway, SportSoccer, true).Name,
              QStringLiteral("Goals For Away from Home"));
}

TEST_F(Columns, Applicability) {
    TColumnContext c;
    c.Sport = SportSoccer;
    EXPECT_FALSE(ColumnApplicable(4, c)); // normal-time wins need overtime
    EXPECT_FALSE(ColumnApplicable(7, c));
    EXPECT_TRUE(ColumnApplicable(2, c));
    EXPECT_TRUE(ColumnApplicable(40, c));
    EXPECT_FALSE(ColumnApplicable(49, c));
    EXPECT_FALSE(ColumnApplicable(13, c));
    c.Overtime = true;
    EXPECT_TRUE(ColumnApplicable(4, c));
    EXPECT_FALSE(ColumnApplicable(10, c));
    c.ShootOuts = true;
    EXPECT_TRUE(ColumnApplicable(10, c));
    c.Sport = SportBasketball;
    c.CalculatesPoints = false;
    for (int id : {40, 41, 42, 44})
        EXPECT_FALSE(ColumnApplicable(id, c)) << id;
    EXPECT_TRUE(ColumnApplicable(43, c));
    EXPECT_FALSE(ColumnApplicable(2, c));
    c.Sport = SportUSFootball;
    EXPECT_FALSE(ColumnApplicable(8, c));
    c.HasGroups = true;
    EXPECT_TRUE(ColumnApplicable(49, c));
    EXPECT_FALSE(ColumnApplicable(50, c));
    c.HasConferences = true;
    EXPECT_TRUE(ColumnApplicable(50, c));
    c.Sport = SportChess;
    EXPECT_TRUE(ColumnApplicable(48, c));
}

TEST_F(Columns, WidthsAndDirections) {
    EXPECT_EQ(ColumnDefaultWidth(16, SportBasketball), 65);
    EXPECT_EQ(ColumnDefaultWidth(16, SportSoccer), 45);
    EXPECT_EQ(ColumnDefaultWidth(20, SportSoccer), 60);
    EXPECT_EQ(ColumnDefaultWidth(17, SportChess), 30);
    EXPECT_EQ(ColumnDefaultWidth(40, SportChess), 30);
    EXPECT_EQ(ColumnDefaultWidth(43, SportSoccer), 35);
    EXPECT_EQ(ColumnDefaultWidth(52, SportSoccer), 60);
    EXPECT_EQ(ColumnDefaultWidth(0, SportSoccer), 25);
    RegWriteInteger(QStringLiteral("TableDimensions\\Soccer"), QStringLiteral("40"), 33);
    EXPECT_EQ(ColumnUserDefaultWidth(40, SportSoccer), 33);
    EXPECT_EQ(ColumnUserDefaultWidth(40, SportHockey), 25);
    for (int id : {0, 3, 6, 9, 11, 15, 18, 22, 26, 44, 49, 50, 51})
        EXPECT_FALSE(ColumnDescendingByDefault(id)) << id;
    for (int id : {1, 17, 19, 40, 43, 45})
        EXPECT_TRUE(ColumnDescendingByDefault(id)) << id;
}

TEST_F(Columns, DefaultColumnsBySport) {
    TTournament t;
    t.Sport = SportSoccer;
    t.WinPoints = 3;
    t.WinOTPoints = 3;
    t.SortCriteria = {MainCriterion(true, SportSoccer)};
    EXPECT_EQ(Ids(DefaultColumns(t)), (std::vector<int>{0, 1, 2, 3, 16, 40}));
    t.Sport = SportHockey;
    t.Overtime = true;
    t.WinOTPoints = 2;
    t.LossOTPoints = 1;
    EXPECT_EQ(Ids(DefaultColumns(t)), (std::vector<int>{0, 4, 7, 2, 9, 6, 16, 40}));
    t.ShootOuts = true;
    t.WinSOPoints = 2;
    t.LossSOPoints = 1;
    EXPECT_EQ(Ids(DefaultColumns(t)), (std::vector<int>{0, 4, 7, 10, 11, 9, 6, 16, 40}));
    t.Sport = SportBasketball;
    t.SortCriteria = {MainCriterion(false, SportBasketball)};
    EXPECT_EQ(Ids(DefaultColumns(t)), (std::vector<int>{0, 1, 3, 20, 43}));
    t.Sport = SportUSFootball;
    EXPECT_EQ(Ids(DefaultColumns(t)), (std::vector<int>{0, 4, 6, 12, 43, 17, 18}));
    t.Sport = SportOther;
    EXPECT_TRUE(DefaultColumns(t).empty());
    t.Sport = SportChess;
    const std::vector<TTableColumn> chess = DefaultColumns(t);
    EXPECT_EQ(Ids(chess), (std::vector<int>{0, 1, 2, 3, 40}));
    EXPECT_EQ(chess.back().Width, 30);
    EXPECT_EQ(chess.back().PositionIndex, 4);
}

TEST_F(Columns, SpareColumnsAreTheOtherApplicableOnes) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2,
        {{QStringLiteral("G1"), {QStringLiteral("A"), QStringLiteral("B")}},
         {QStringLiteral("G2"), {QStringLiteral("C"), QStringLiteral("D")}}});
    ResetColumns(*t);
    const std::vector<int> spare = Ids(t->SpareColumns);
    EXPECT_EQ(spare,
              (std::vector<int>{17, 18, 19, 20, 21, 22, 23, 41, 42, 43, 44, 49, 51, 52, 53}));
}

TEST_F(Columns, ValuesAndTexts) {
    auto t = kvtest::MakeTournament(
        SportVolleyball, 1,
        {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}}});
    kvtest::AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("3:1"));
    kvtest::AddResult(*t, QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("0:3"));
    TMatch* m =
        kvtest::AddResult(*t, QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("3:2"));
    m->Attendance = 1500;
    RecomputeAll(*t);
    const TTeam& a = *t->JointTable().TeamByName(QStringLiteral("A"));
    EXPECT_EQ(ColumnText(*t, a, 16, ScopeOverall), QStringLiteral("6-1"));
    EXPECT_EQ(ColumnText(*t, a, 20, ScopeOverall), QStringLiteral("3.0-0.5"));
    EXPECT_EQ(ColumnText(*t, a, 21, ScopeAway), QStringLiteral("3.0"));
    EXPECT_EQ(ColumnText(*t, a, 0, ScopeHome), QStringLiteral("1"));
    const TTeam& b = *t->JointTable().TeamByName(QStringLiteral("B"));
    EXPECT_EQ(ColumnText(*t, b, 52, ScopeOverall), QStringLiteral("1500"));
    EXPECT_EQ(ColumnText(*t, b, 53, ScopeOverall), QStringLiteral("750.0"));
    EXPECT_EQ(ColumnValue(*t, b, 52, ScopeAway), 0);
    EXPECT_EQ(ColumnText(*t, b, 48, ScopeOverall), QStringLiteral("0.0"));
    // A team without a match has zeros everywhere.
    auto u = kvtest::MakeTournament(
        SportSoccer, 1, {{QStringLiteral("G"), {QStringLiteral("X"), QStringLiteral("Y")}}});
    RecomputeAll(*u);
    const TTeam& x = *u->JointTable().TeamByName(QStringLiteral("X"));
    for (int id = 0; id < kColumnCount; ++id) {
        if (id < 49 || id > 51) {
            EXPECT_EQ(ColumnValue(*u, x, id, ScopeOverall), 0) << id;
        }
    }
    // Added goals count in goals for, not in the difference.
    TTeam& mx = *u->JointTable().TeamByName(QStringLiteral("X"));
    mx.AddedGoalsFor = 4;
    mx.AddedPoints = -3;
    EXPECT_EQ(ColumnValue(*u, mx, 17, ScopeOverall), 4);
    EXPECT_EQ(ColumnValue(*u, mx, 19, ScopeOverall), 0);
    EXPECT_EQ(ColumnValue(*u, mx, 40, ScopeOverall), -3);
    EXPECT_EQ(ColumnValue(*u, mx, 40, ScopeHome), 0);
}

TEST_F(Columns, ChangingTheSportKeepsOnlyItsCriteria) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    t->SortCriteria.push_back(MakeCriterion(45, ScopeOverall, SportSoccer, true));
    t->SortCriteria.push_back(MakeCriterion(17, ScopeAway, SportSoccer, true));
    t->SortCriteria.push_back(MakeCriterion(1, ScopeOverall, SportSoccer, true));
    kvtest::AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("2:1"));
    ChangeSport(*t, SportVolleyball);
    ASSERT_EQ(t->SortCriteria.size(), 2u);
    EXPECT_EQ(t->SortCriteria[0].Column, kColumnPoints);
    EXPECT_EQ(t->SortCriteria[1].Column, 17);
    EXPECT_EQ(Ids(t->Columns), (std::vector<int>{0, 1, 3, 16, 40}));
    EXPECT_EQ(t->Dimensions.ScoreWidth, 30);
    ChangeSport(*t, SportHockey);
    EXPECT_EQ(t->Dimensions.ScoreWidth, 40);
}
