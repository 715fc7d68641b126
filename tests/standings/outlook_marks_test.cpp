// What the places still possible say: the columns, in the kind of table shown, the words of the
// hint and the marks of decided places and bands.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/outlook.h"
#include "standings/outlook_marks.h"
#include "standings/ranking.h"
#include "standings/team_values.h"
#include "standings/tournament_setup.h"

using namespace kv;
using kvtest::AddResult;

namespace {

class OutlookMarks : public kvtest::TTempHome {};

QStringList L(const char* names) {
    return QString::fromLatin1(names).split(QLatin1Char(' '));
}

TPlaceOutlook O(int best, int worst) {
    return {best, worst, 0};
}

TEST_F(OutlookMarks, OrdinalsAndWords) {
    const std::vector<std::pair<int, const char*>> ordinals{
        {1, "1st"},   {2, "2nd"},     {3, "3rd"},    {4, "4th"},   {11, "11th"},
        {12, "12th"}, {13, "13th"},   {21, "21st"},  {22, "22nd"}, {23, "23rd"},
        {70, "70th"}, {101, "101st"}, {111, "111th"}};
    for (const auto& [place, text] : ordinals)
        EXPECT_EQ(PlaceOrdinal(place), QLatin1String(text)) << place;
    EXPECT_EQ(OutlookWords(O(1, 1)), QStringLiteral("Champion"));
    EXPECT_EQ(OutlookWords(O(20, 20)), QStringLiteral("Will finish 20th"));
    EXPECT_EQ(OutlookWords(O(1, 4)), QStringLiteral("Can still finish 1st to 4th"));
    EXPECT_EQ(OutlookWords(O(2, 3)), QStringLiteral("Can still finish 2nd to 3rd"));
    EXPECT_EQ(OutlookWords(TPlaceOutlook{}), QString()); // not worked out yet
}

TEST_F(OutlookMarks, BandsAndMarks) {
    auto t = kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("G"), L("A B C D E F")}});
    TGroup& g = *t->GroupAt(0);
    ASSERT_EQ(g.PlaceFonts.size(), 6u);
    for (TPlaceFont& p : g.PlaceFonts)
        p = TPlaceFont{};
    EXPECT_TRUE(PlaceBands(g).empty());
    // Places 1 and 2 green, 3 plain, 5 and 6 red.
    for (const int place : {1, 2}) {
        g.PlaceFonts[place - 1].HasColor = true;
        g.PlaceFonts[place - 1].Color = 0x00FF00;
    }
    for (const int place : {5, 6}) {
        g.PlaceFonts[place - 1].HasColor = true;
        g.PlaceFonts[place - 1].Color = 0x0000FF;
    }
    EXPECT_EQ(PlaceBands(g), (std::vector<TPlaceBand>{{1, 2}, {5, 6}}));
    EXPECT_EQ(OutlookMark(g, O(1, 1)), QStringLiteral("C"));
    EXPECT_EQ(OutlookMark(g, O(3, 3)), QStringLiteral("3"));
    EXPECT_EQ(OutlookMark(g, O(6, 6)), QStringLiteral("6")); // a sure place wins over its band
    EXPECT_EQ(OutlookMark(g, O(1, 2)), QStringLiteral("Q"));
    EXPECT_EQ(OutlookMark(g, O(5, 6)), QStringLiteral("R"));
    EXPECT_EQ(OutlookMark(g, O(2, 3)), QString()); // leaves the band
    EXPECT_EQ(OutlookMark(g, O(4, 6)), QString());
    EXPECT_EQ(OutlookMark(g, TPlaceOutlook{}), QString());
    // A bold font makes a band too, and two styles side by side are two bands.
    g.PlaceFonts[3].HasFont = true;
    g.PlaceFonts[3].Font.Bold = true;
    g.PlaceFonts[4].Color = 0x0000FE;
    EXPECT_EQ(PlaceBands(g), (std::vector<TPlaceBand>{{1, 2}, {4, 4}, {5, 5}, {6, 6}}));
    EXPECT_EQ(OutlookMark(g, O(5, 6)), QString());
}

// A two-group tournament: each table kind keeps its own outlook, and the columns read the one
// of the table the records were last worked out for.
TEST_F(OutlookMarks, ColumnsFollowTheTableShown) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 1,
        {{QStringLiteral("North"), L("A B C")}, {QStringLiteral("South"), L("D E")}});
    AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1:0"));
    AddResult(*t, QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("1:0"));
    AddResult(*t, QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("2:0"));
    RecomputeAll(*t);
    const TTeam& a = *t->TeamById(kvtest::TeamId(*t, QStringLiteral("A")));
    const TTeam& d = *t->TeamById(kvtest::TeamId(*t, QStringLiteral("D")));
    EXPECT_EQ(ColumnText(*t, a, kColumnBestPlace, ScopeOverall), QString()); // not yet known
    UpdateOutlook(*t);
    // A has won its group with 6 points. In the joint table D has 3, and B or C can still
    // reach 3 in their match: D is second or third there, though sure of its own group.
    PrepareTable(*t, *t->GroupAt(0));
    EXPECT_EQ(ColumnText(*t, a, kColumnBestPlace, ScopeOverall), QStringLiteral("1"));
    EXPECT_EQ(ColumnText(*t, a, kColumnWorstPlace, ScopeOverall), QStringLiteral("1"));
    EXPECT_EQ(TeamMark(*t->GroupAt(0), a), QStringLiteral("C"));
    // The season's places, not the home or away matches': blank in those sections.
    EXPECT_EQ(ColumnText(*t, a, kColumnBestPlace, ScopeHome), QString());
    EXPECT_EQ(ColumnText(*t, a, kColumnWorstPlace, ScopeAway), QString());
    PrepareTable(*t, *t->GroupAt(1));
    EXPECT_EQ(ColumnValue(*t, d, kColumnWorstPlace, ScopeOverall), 1);
    PrepareTable(*t, t->JointTable());
    EXPECT_EQ(ColumnValue(*t, d, kColumnBestPlace, ScopeOverall), 2);
    EXPECT_EQ(ColumnValue(*t, d, kColumnWorstPlace, ScopeOverall), 3);
    EXPECT_EQ(TeamMark(t->JointTable(), d), QString());
    EXPECT_EQ(OutlookIn(d, KindGroup), (TPlaceOutlook{1, 1, 0}));
    EXPECT_EQ(OutlookIn(d, KindJoint), (TPlaceOutlook{2, 3, 0}));
    EXPECT_EQ(OutlookIn(*t->TeamById(kvtest::TeamId(*t, QStringLiteral("B"))), KindGroup).Remaining,
              1);
    // Cancelled, every place is unknown again.
    std::atomic<bool> cancel{true};
    UpdateOutlook(*t, &cancel);
    EXPECT_EQ(ColumnText(*t, a, kColumnBestPlace, ScopeOverall), QString());
    EXPECT_EQ(TeamMark(t->JointTable(), a), QString());
}

// The places are shown, never ranked by: not offered, and not taken from a file.
TEST_F(OutlookMarks, ThePlacesNeverRank) {
    for (int sport = 0; sport < 13; ++sport)
        for (const bool overtime : {false, true})
            for (const TSortColumn& c : OfferedCriteria(sport, overtime)) {
                EXPECT_TRUE(IsRankingColumn(c.Column));
                EXPECT_NE(c.Column, kColumnBestPlace);
                EXPECT_NE(c.Column, kColumnWorstPlace);
            }
    EXPECT_FALSE(IsRankingColumn(kColumnBestPlace));
    EXPECT_FALSE(IsRankingColumn(kColumnWorstPlace));
    EXPECT_TRUE(IsRankingColumn(kColumnRegulationOvertimeWins));
    EXPECT_FALSE(IsRankingColumn(kColumnCount));
    // Offered as columns only where the outlook has something to say.
    auto t = kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("G"), L("A B")}});
    EXPECT_TRUE(ColumnApplicable(kColumnBestPlace, TColumnContext::Of(*t)));
    EXPECT_EQ(ColumnCaption(kColumnBestPlace, *t), QStringLiteral("Best"));
    EXPECT_EQ(ColumnFullName(kColumnWorstPlace, *t), QStringLiteral("Worst Possible Place"));
    t->SortCriteria.front().Column = kColumnGoalDifference;
    EXPECT_FALSE(ColumnApplicable(kColumnWorstPlace, TColumnContext::Of(*t)));
}

// A one-group tournament's joint table is the group's race: solved once.
TEST_F(OutlookMarks, TheSameRaceIsSolvedOnce) {
    auto t = kvtest::MakeTournament(SportSoccer, 2, {{QStringLiteral("G"), L("A B C D")}});
    AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1:0"));
    const std::vector<TOutlookJob> jobs = OutlookJobs(*t);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].SameAs, -1);
    EXPECT_EQ(jobs[1].SameAs, 0);
    std::vector<std::pair<int, int>> heard;
    const auto ranges = SolveOutlook(jobs, nullptr, [&](int done, int total) {
        heard.push_back({done, total});
    });
    EXPECT_EQ(ranges[0], ranges[1]);
    EXPECT_EQ(heard.size(), 4u);
    EXPECT_EQ(heard.back(), std::make_pair(4, 4));
}

} // namespace
