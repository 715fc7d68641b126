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

TEST_F(Columns, IdsAreTheNumbersFilesStore) {
    // Tournament files, sort schemes, column sets and the settings store write these numbers:
    // every name keeps its number, and the names cover 0 to 54 in order.
    const std::pair<int, int> ids[] = {
        {kColumnPlayed, 0},
        {kColumnTotalWins, 1},
        {kColumnTotalDraws, 2},
        {kColumnTotalLosses, 3},
        {kColumnRegulationWins, 4},
        {kColumnRegulationDraws, 5},
        {kColumnRegulationLosses, 6},
        {kColumnOvertimeWins, 7},
        {kColumnOvertimeDraws, 8},
        {kColumnOvertimeLosses, 9},
        {kColumnShootOutWins, 10},
        {kColumnShootOutLosses, 11},
        {kColumnExtraTimeMatches, 12},
        {kColumnAmongThemWins, 13},
        {kColumnAmongThemDraws, 14},
        {kColumnAmongThemLosses, 15},
        {kColumnGoalsForAndAgainst, 16},
        {kColumnGoalsFor, 17},
        {kColumnGoalsAgainst, 18},
        {kColumnGoalDifference, 19},
        {kColumnAverageGoalsForAndAgainst, 20},
        {kColumnAverageGoalsFor, 21},
        {kColumnAverageGoalsAgainst, 22},
        {kColumnAverageGoalDifference, 23},
        {kColumnAmongThemGoalsForAndAgainst, 24},
        {kColumnAmongThemGoalsFor, 25},
        {kColumnAmongThemGoalsAgainst, 26},
        {kColumnAmongThemGoalDifference, 27},
        {kColumnReserved28, 28},
        {kColumnReserved29, 29},
        {kColumnReserved30, 30},
        {kColumnReserved31, 31},
        {kColumnReserved32, 32},
        {kColumnReserved33, 33},
        {kColumnReserved34, 34},
        {kColumnReserved35, 35},
        {kColumnReserved36, 36},
        {kColumnReserved37, 37},
        {kColumnReserved38, 38},
        {kColumnReserved39, 39},
        {kColumnPoints, 40},
        {kColumnAveragePoints, 41},
        {kColumnMaxPossiblePoints, 42},
        {kColumnPercentage, 43},
        {kColumnLostPoints, 44},
        {kColumnAmongThemPoints, 45},
        {kColumnAmongThemAveragePoints, 46},
        {kColumnAmongThemPercentage, 47},
        {kColumnRatio, 48},
        {kColumnGroupPlace, 49},
        {kColumnConferencePlace, 50},
        {kColumnJointPlace, 51},
        {kColumnAttendance, 52},
        {kColumnAverageAttendance, 53},
        {kColumnRegulationOvertimeWins, 54},
        {kColumnBestPlace, 55},
        {kColumnWorstPlace, 56},
    };
    ASSERT_EQ(std::size(ids), static_cast<size_t>(kColumnCount));
    for (size_t i = 0; i < std::size(ids); ++i) {
        EXPECT_EQ(ids[i].first, ids[i].second);
        EXPECT_EQ(ids[i].second, static_cast<int>(i));
    }
    EXPECT_EQ(kColumnCount, 57);
}

TEST_F(Columns, WordsFollowTheSport) {
    EXPECT_EQ(ColumnFullName(kColumnGoalsFor, SportSoccer, false, false),
              QStringLiteral("Goals For"));
    EXPECT_EQ(ColumnFullName(kColumnGoalsFor, SportBasketball, false, false),
              QStringLiteral("Points Scored"));
    EXPECT_EQ(ColumnFullName(kColumnGoalsFor, SportVolleyball, false, false),
              QStringLiteral("Sets Won"));
    EXPECT_EQ(ColumnFullName(kColumnGoalsFor, SportUSFootball, false, false),
              QStringLiteral("Points For"));
    EXPECT_EQ(ColumnCaption(kColumnGoalsForAndAgainst, SportVolleyball, false, false),
              QStringLiteral("SW-SL"));
    EXPECT_EQ(ColumnCaption(kColumnAverageGoalsForAndAgainst, SportBaseball, false, false),
              QStringLiteral("Avg PF-PA"));
    EXPECT_EQ(ColumnFullName(kColumnAmongThemGoalsForAndAgainst, SportHockey, false, false),
              QStringLiteral("Goals For and Against in Matches Played among Them"));
    EXPECT_EQ(ColumnFullName(kColumnAmongThemGoalDifference, SportChess, false, false),
              QStringLiteral("Points Difference in Matches Played among Them"));
    EXPECT_EQ(ColumnFullName(kColumnAmongThemGoalDifference, SportTennis, false, false),
              QStringLiteral("Set Difference in Matches Played among Them"));
    EXPECT_EQ(ColumnFullName(kColumnTotalDraws, SportHockey, false, false),
              QStringLiteral("Total Matches Tied"));
    EXPECT_EQ(ColumnFullName(kColumnTotalDraws, SportUSFootball, false, false), QString());
    EXPECT_EQ(ColumnCaption(kColumnTotalDraws, SportChess, false, false), QStringLiteral("D"));
    EXPECT_EQ(ColumnCaption(kColumnTotalDraws, SportVolleyball, false, false), QString());
    EXPECT_EQ(ColumnCaption(kColumnTotalWins, SportUSFootball, false, false), QStringLiteral("TW"));
    EXPECT_EQ(ColumnFullName(kColumnOvertimeWins, SportSoccer, false, false),
              QStringLiteral("Matches Won in Expanded Time"));
    EXPECT_EQ(ColumnCaption(kColumnOvertimeWins, SportHockey, false, false), QStringLiteral("WO"));
    EXPECT_EQ(ColumnCaption(kColumnShootOutWins, SportHockey, false, false), QStringLiteral("WS"));
    EXPECT_EQ(ColumnCaption(kColumnExtraTimeMatches, SportBasketball, false, false), QString());
    EXPECT_EQ(ColumnFullName(kColumnPercentage, SportBaseball, false, false),
              QStringLiteral("Won-Lost Percentage"));
    EXPECT_EQ(ColumnFullName(kColumnPercentage, SportUSFootball, false, false),
              QStringLiteral("Won-Lost-Tied percentage"));
    EXPECT_EQ(ColumnFullName(kColumnGroupPlace, SportSoccer, true, true),
              QStringLiteral("Team Place in Division"));
    EXPECT_EQ(ColumnCaption(kColumnGroupPlace, SportSoccer, false, true), QStringLiteral("GP"));
    EXPECT_EQ(ColumnCaption(kColumnJointPlace, SportSoccer, false, false), QStringLiteral("P"));
    EXPECT_EQ(ColumnFullName(kColumnReserved30, SportSoccer, false, false), QString());
    // An away criterion names its scope.
    EXPECT_EQ(MakeCriterion(kColumnGoalsFor, ScopeAway, SportSoccer, true).Name,
              QStringLiteral("Goals For Away from Home"));
}

TEST_F(Columns, Applicability) {
    TColumnContext c;
    c.Sport = SportSoccer;
    EXPECT_FALSE(ColumnApplicable(kColumnRegulationWins, c)); // normal-time wins need overtime
    EXPECT_FALSE(ColumnApplicable(kColumnOvertimeWins, c));
    EXPECT_TRUE(ColumnApplicable(kColumnTotalDraws, c));
    EXPECT_TRUE(ColumnApplicable(kColumnPoints, c));
    EXPECT_FALSE(ColumnApplicable(kColumnGroupPlace, c));
    EXPECT_FALSE(ColumnApplicable(kColumnAmongThemWins, c));
    c.Overtime = true;
    EXPECT_TRUE(ColumnApplicable(kColumnRegulationWins, c));
    EXPECT_FALSE(ColumnApplicable(kColumnShootOutWins, c));
    c.ShootOuts = true;
    EXPECT_TRUE(ColumnApplicable(kColumnShootOutWins, c));
    c.Sport = SportBasketball;
    c.CalculatesPoints = false;
    for (int id :
         {kColumnPoints, kColumnAveragePoints, kColumnMaxPossiblePoints, kColumnLostPoints})
        EXPECT_FALSE(ColumnApplicable(id, c)) << id;
    EXPECT_TRUE(ColumnApplicable(kColumnPercentage, c));
    EXPECT_FALSE(ColumnApplicable(kColumnTotalDraws, c));
    c.Sport = SportUSFootball;
    EXPECT_FALSE(ColumnApplicable(kColumnOvertimeDraws, c));
    c.HasGroups = true;
    EXPECT_TRUE(ColumnApplicable(kColumnGroupPlace, c));
    EXPECT_FALSE(ColumnApplicable(kColumnConferencePlace, c));
    c.HasConferences = true;
    EXPECT_TRUE(ColumnApplicable(kColumnConferencePlace, c));
    c.Sport = SportChess;
    EXPECT_TRUE(ColumnApplicable(kColumnRatio, c));
}

TEST_F(Columns, WidthsAndDirections) {
    EXPECT_EQ(ColumnDefaultWidth(kColumnGoalsForAndAgainst, SportBasketball), 65);
    EXPECT_EQ(ColumnDefaultWidth(kColumnGoalsForAndAgainst, SportSoccer), 45);
    EXPECT_EQ(ColumnDefaultWidth(kColumnAverageGoalsForAndAgainst, SportSoccer), 60);
    EXPECT_EQ(ColumnDefaultWidth(kColumnGoalsFor, SportChess), 30);
    EXPECT_EQ(ColumnDefaultWidth(kColumnPoints, SportChess), 30);
    EXPECT_EQ(ColumnDefaultWidth(kColumnPercentage, SportSoccer), 35);
    EXPECT_EQ(ColumnDefaultWidth(kColumnAttendance, SportSoccer), 60);
    EXPECT_EQ(ColumnDefaultWidth(kColumnPlayed, SportSoccer), 25);
    RegWriteInteger(QStringLiteral("TableDimensions\\Soccer"), QString::number(kColumnPoints), 33);
    EXPECT_EQ(ColumnUserDefaultWidth(kColumnPoints, SportSoccer), 33);
    EXPECT_EQ(ColumnUserDefaultWidth(kColumnPoints, SportHockey), 25);
    for (int id : {kColumnPlayed, kColumnTotalLosses, kColumnRegulationLosses,
                   kColumnOvertimeLosses, kColumnShootOutLosses, kColumnAmongThemLosses,
                   kColumnGoalsAgainst, kColumnAverageGoalsAgainst, kColumnAmongThemGoalsAgainst,
                   kColumnLostPoints, kColumnGroupPlace, kColumnConferencePlace, kColumnJointPlace})
        EXPECT_FALSE(ColumnDescendingByDefault(id)) << id;
    for (int id : {kColumnTotalWins, kColumnGoalsFor, kColumnGoalDifference, kColumnPoints,
                   kColumnPercentage, kColumnAmongThemPoints})
        EXPECT_TRUE(ColumnDescendingByDefault(id)) << id;
}

TEST_F(Columns, DefaultColumnsBySport) {
    TTournament t(TTournamentDefaults::FromSettings());
    t.Sport = SportSoccer;
    t.WinPoints = 3;
    t.WinOTPoints = 3;
    t.SortCriteria = {MainCriterion(true, SportSoccer)};
    EXPECT_EQ(Ids(DefaultColumns(t)),
              (std::vector<int>{kColumnPlayed, kColumnTotalWins, kColumnTotalDraws,
                                kColumnTotalLosses, kColumnGoalsForAndAgainst, kColumnPoints}));
    t.Sport = SportHockey;
    t.Overtime = true;
    t.WinOTPoints = 2;
    t.LossOTPoints = 1;
    EXPECT_EQ(Ids(DefaultColumns(t)),
              (std::vector<int>{kColumnPlayed, kColumnRegulationWins, kColumnOvertimeWins,
                                kColumnTotalDraws, kColumnOvertimeLosses, kColumnRegulationLosses,
                                kColumnGoalsForAndAgainst, kColumnPoints}));
    t.ShootOuts = true;
    t.WinSOPoints = 2;
    t.LossSOPoints = 1;
    EXPECT_EQ(
        Ids(DefaultColumns(t)),
        (std::vector<int>{kColumnPlayed, kColumnRegulationWins, kColumnOvertimeWins,
                          kColumnShootOutWins, kColumnShootOutLosses, kColumnOvertimeLosses,
                          kColumnRegulationLosses, kColumnGoalsForAndAgainst, kColumnPoints}));
    t.Sport = SportBasketball;
    t.SortCriteria = {MainCriterion(false, SportBasketball)};
    EXPECT_EQ(Ids(DefaultColumns(t)),
              (std::vector<int>{kColumnPlayed, kColumnTotalWins, kColumnTotalLosses,
                                kColumnAverageGoalsForAndAgainst, kColumnPercentage}));
    t.Sport = SportUSFootball;
    EXPECT_EQ(Ids(DefaultColumns(t)),
              (std::vector<int>{kColumnPlayed, kColumnRegulationWins, kColumnRegulationLosses,
                                kColumnExtraTimeMatches, kColumnPercentage, kColumnGoalsFor,
                                kColumnGoalsAgainst}));
    t.Sport = SportOther;
    EXPECT_TRUE(DefaultColumns(t).empty());
    t.Sport = SportChess;
    const std::vector<TTableColumn> chess = DefaultColumns(t);
    EXPECT_EQ(Ids(chess), (std::vector<int>{kColumnPlayed, kColumnTotalWins, kColumnTotalDraws,
                                            kColumnTotalLosses, kColumnPoints}));
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
    EXPECT_EQ(spare, (std::vector<int>{
                         kColumnGoalsFor, kColumnGoalsAgainst, kColumnGoalDifference,
                         kColumnAverageGoalsForAndAgainst, kColumnAverageGoalsFor,
                         kColumnAverageGoalsAgainst, kColumnAverageGoalDifference,
                         kColumnAveragePoints, kColumnMaxPossiblePoints, kColumnPercentage,
                         kColumnLostPoints, kColumnGroupPlace, kColumnJointPlace, kColumnAttendance,
                         kColumnAverageAttendance, kColumnBestPlace, kColumnWorstPlace}));
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
    EXPECT_EQ(ColumnText(*t, a, kColumnGoalsForAndAgainst, ScopeOverall), QStringLiteral("6-1"));
    EXPECT_EQ(ColumnText(*t, a, kColumnAverageGoalsForAndAgainst, ScopeOverall),
              QStringLiteral("3.0-0.5"));
    EXPECT_EQ(ColumnText(*t, a, kColumnAverageGoalsFor, ScopeAway), QStringLiteral("3.0"));
    EXPECT_EQ(ColumnText(*t, a, kColumnPlayed, ScopeHome), QStringLiteral("1"));
    const TTeam& b = *t->JointTable().TeamByName(QStringLiteral("B"));
    EXPECT_EQ(ColumnText(*t, b, kColumnAttendance, ScopeOverall), QStringLiteral("1500"));
    EXPECT_EQ(ColumnText(*t, b, kColumnAverageAttendance, ScopeOverall), QStringLiteral("750.0"));
    EXPECT_EQ(ColumnValue(*t, b, kColumnAttendance, ScopeAway), 0);
    EXPECT_EQ(ColumnText(*t, b, kColumnRatio, ScopeOverall), QStringLiteral("0.0"));
    // A team without a match has zeros everywhere.
    auto u = kvtest::MakeTournament(
        SportSoccer, 1, {{QStringLiteral("G"), {QStringLiteral("X"), QStringLiteral("Y")}}});
    RecomputeAll(*u);
    const TTeam& x = *u->JointTable().TeamByName(QStringLiteral("X"));
    for (int id = 0; id < kColumnCount; ++id) {
        if (id < kColumnGroupPlace || id > kColumnJointPlace) {
            EXPECT_EQ(ColumnValue(*u, x, id, ScopeOverall), 0) << id;
        }
    }
    // Added goals count in goals for, not in the difference.
    TTeam& mx = *u->JointTable().TeamByName(QStringLiteral("X"));
    mx.AddedGoalsFor = 4;
    mx.AddedPoints = -3;
    EXPECT_EQ(ColumnValue(*u, mx, kColumnGoalsFor, ScopeOverall), 4);
    EXPECT_EQ(ColumnValue(*u, mx, kColumnGoalDifference, ScopeOverall), 0);
    EXPECT_EQ(ColumnValue(*u, mx, kColumnPoints, ScopeOverall), -3);
    EXPECT_EQ(ColumnValue(*u, mx, kColumnPoints, ScopeHome), 0);
}

TEST_F(Columns, ChangingTheSportKeepsOnlyItsCriteria) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    t->SortCriteria.push_back(
        MakeCriterion(kColumnAmongThemPoints, ScopeOverall, SportSoccer, true));
    t->SortCriteria.push_back(MakeCriterion(kColumnGoalsFor, ScopeAway, SportSoccer, true));
    t->SortCriteria.push_back(MakeCriterion(kColumnTotalWins, ScopeOverall, SportSoccer, true));
    kvtest::AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("2:1"));
    ChangeSport(*t, SportVolleyball);
    ASSERT_EQ(t->SortCriteria.size(), 2u);
    EXPECT_EQ(t->SortCriteria[0].Column, kColumnPoints);
    EXPECT_EQ(t->SortCriteria[1].Column, kColumnGoalsFor);
    EXPECT_EQ(Ids(t->Columns),
              (std::vector<int>{kColumnPlayed, kColumnTotalWins, kColumnTotalLosses,
                                kColumnGoalsForAndAgainst, kColumnPoints}));
    EXPECT_EQ(t->Dimensions.ScoreWidth, 30);
    ChangeSport(*t, SportHockey);
    EXPECT_EQ(t->Dimensions.ScoreWidth, 40);
}
