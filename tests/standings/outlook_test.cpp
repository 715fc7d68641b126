// A table's race is read from the tournament as its standings count it: points so far with
// adjustments, each pair's legs minus the matches played (a fixture without a result and a leg
// without a fixture both still to play), and the outcomes the rules allow.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/sport.h"
#include "standings/outlook.h"

using namespace kv;
using kvtest::AddResult;

namespace {

class Outlook : public kvtest::TTempHome {};

QStringList L(const char* names) {
    return QString::fromLatin1(names).split(QLatin1Char(' '));
}

TEST_F(Outlook, RaceOfATableAndItsPlaces) {
    auto t = kvtest::MakeTournament(SportSoccer, 2, {{QStringLiteral("G"), L("A B C D")}});
    AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("2:0"));
    AddResult(*t, QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("1:1"));
    AddResult(*t, QStringLiteral("A"), QStringLiteral("C"), QString()); // a fixture, no result
    t->TeamById(kvtest::TeamId(*t, QStringLiteral("D")))->AddedPoints = -1;
    const TGroup& g = *t->GroupAt(0);
    std::vector<int> remaining;
    const TPlaceRace race = TableRace(*t, g, &remaining);
    EXPECT_EQ(race.Points, (std::vector<qint64>{3, 0, 1, 0}));
    // Twelve matches in two legs, two played: ten to play, five for each team but A and C.
    EXPECT_EQ(race.Remaining.size(), 10u);
    EXPECT_EQ(remaining, (std::vector<int>{5, 5, 5, 5}));
    EXPECT_EQ(race.Outcomes.size(), 3u); // win, loss, draw

    const std::vector<TTeamOutlook> outlook = TableOutlook(*t, g);
    ASSERT_EQ(outlook.size(), 4u);
    for (const TTeamOutlook& o : outlook) {
        EXPECT_EQ(o.Best, 1) << o.TeamId; // five matches to play: anyone can still win it
        EXPECT_EQ(o.Worst, 4) << o.TeamId;
    }

    // Ranked by something else than points or a percentage, there is nothing to say.
    t->SortCriteria.front().Column = kColumnGoalDifference;
    EXPECT_FALSE(OutlookAvailable(*t));
    EXPECT_TRUE(TableOutlook(*t, g).empty());
}

TEST_F(Outlook, TheRaceCountsWhatTheTableCounts) {
    auto t = kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("G"), L("A B C")}});
    t->ForfeitPenalty = 1;
    TMatch* forfeit =
        AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("3:0"));
    forfeit->TechnicalLoss = 2; // the visitor forfeited: a win for A, and B loses a point
    TMatch* late = AddResult(*t, QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("1:0"));
    late->Matchday = 5;
    forfeit->Matchday = 1;
    std::vector<int> remaining;
    EXPECT_EQ(TableRace(*t, *t->GroupAt(0), &remaining).Points, (std::vector<qint64>{6, -1, 0}));
    // With a range filter, the season as it stood then: the later match is still to play.
    t->MatchFilter.MatchdayTo = 2;
    EXPECT_EQ(TableRace(*t, *t->GroupAt(0), &remaining).Points, (std::vector<qint64>{3, -1, 0}));
    EXPECT_EQ(remaining, (std::vector<int>{1, 1, 2}));
    // Ranked by home points, the outlook has nothing to say.
    t->MatchFilter = {};
    t->SortCriteria.front().Scope = ScopeHome;
    EXPECT_FALSE(OutlookAvailable(*t));
}

TEST_F(Outlook, AFinishedSeasonIsItsTable) {
    auto t = kvtest::MakeTournament(SportSoccer, 1, {{QStringLiteral("G"), L("A B C")}});
    AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1:0"));
    AddResult(*t, QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("1:0"));
    AddResult(*t, QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("0:0"));
    const std::vector<TTeamOutlook> outlook = TableOutlook(*t, *t->GroupAt(0));
    ASSERT_EQ(outlook.size(), 3u);
    EXPECT_EQ(outlook[0], (TTeamOutlook{kvtest::TeamId(*t, QStringLiteral("A")), 1, 1, 0}));
    EXPECT_EQ(outlook[1], (TTeamOutlook{kvtest::TeamId(*t, QStringLiteral("B")), 2, 3, 0}));
    EXPECT_EQ(outlook[2], (TTeamOutlook{kvtest::TeamId(*t, QStringLiteral("C")), 2, 3, 0}));
}

} // namespace
