// The fixture list's columns: which sets the list accepts, and where a new tournament's set
// comes from.
#include "support/builders.h"
#include "support/testenv.h"

#include "export/fixture_rows.h"
#include "model/sport.h"
#include "model/tournament.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {
class FixtureColumns : public kvtest::TTempHome {};
} // namespace

TEST_F(FixtureColumns, TheListMustShowBothTeams) {
    EXPECT_TRUE(CheckFixtureColumns({FixHome, FixVisitor}, false).isEmpty());
    EXPECT_EQ(CheckFixtureColumns({FixHome, FixScore}, false),
              "'Home Team' and 'Visitor Team' columns must be always visible");
    EXPECT_EQ(CheckFixtureColumns({}, false), "You should add at least one column");
}

TEST_F(FixtureColumns, NewTournamentsTakeTheSavedDefaultOrTheFirstNine) {
    const std::vector<int> builtIn{0, 1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(DefaultFixtureColumns(), builtIn);
    EXPECT_EQ(TTournamentDefaults::FromSettings().FixtureColumns, builtIn);

    SaveDefaultFixtureColumns({FixVisitor, FixHome, FixScore, 12});
    EXPECT_EQ(DefaultFixtureColumns(), (std::vector<int>{FixVisitor, FixHome, FixScore, 12}));
    EXPECT_EQ(TTournamentDefaults::FromSettings().FixtureColumns,
              (std::vector<int>{FixVisitor, FixHome, FixScore, 12}));
    EXPECT_EQ(TTournament(TTournamentDefaults::FromSettings()).FixtureColumns,
              (std::vector<int>{FixVisitor, FixHome, FixScore, 12}));
    // The tournament itself reads no settings: given the built-in defaults, it keeps them.
    EXPECT_EQ(TTournament(TTournamentDefaults{}).FixtureColumns, builtIn);

    // A list the program cannot use falls back to the built-in one.
    SaveDefaultFixtureColumns({});
    EXPECT_EQ(DefaultFixtureColumns(), builtIn);
}

TEST_F(FixtureColumns, TextColumnsSortWithoutCaseAndTiesGoByDate) {
    auto t = kvtest::MakeTournament(SportSoccer, 2,
                                    {{QStringLiteral("G"), {"beta", "Alpha", "gamma"}, -1}});
    const auto add = [&](const char* home, const char* visitor, double date, int leg) {
        TMatch* m =
            kvtest::AddResult(*t, QLatin1String(home), QLatin1String(visitor), QString(), leg);
        m->HasDate = true;
        m->Date = date;
        return m;
    };
    TMatch* late = add("beta", "gamma", 46010, 1);
    TMatch* early = add("beta", "Alpha", 46001, 1);
    TMatch* alpha = add("Alpha", "gamma", 46005, 1);
    TMatch* gamma = add("gamma", "beta", 46000, 2);
    std::vector<const TMatch*> list = FixtureMatches(*t);
    SortFixtures(*t, list, FixHome, false, TFixtureFormat::Current());
    EXPECT_EQ(list, (std::vector<const TMatch*>{alpha, early, late, gamma}));
    SortFixtures(*t, list, FixHome, true, TFixtureFormat::Current());
    EXPECT_EQ(list, (std::vector<const TMatch*>{gamma, late, early, alpha}));
}

TEST_F(FixtureColumns, ScoresSortByTheHomeScoreThenTheVisitorsAfterTheUnplayed) {
    auto t =
        kvtest::MakeTournament(SportSoccer, 2, {{QStringLiteral("G"), {"A", "B", "C", "D"}, -1}});
    TMatch* twoOne = kvtest::AddResult(*t, "A", "B", "2:1");
    TMatch* oneThree = kvtest::AddResult(*t, "C", "D", "1:3");
    TMatch* threeZero = kvtest::AddResult(*t, "A", "C", "3:0");
    TMatch* twoZero = kvtest::AddResult(*t, "B", "D", "2:0");
    TMatch* open = kvtest::AddResult(*t, "A", "D", "");
    std::vector<const TMatch*> list = FixtureMatches(*t);
    SortFixtures(*t, list, FixScore, false, TFixtureFormat::Current());
    EXPECT_EQ(list, (std::vector<const TMatch*>{open, oneThree, twoZero, twoOne, threeZero}));
}
