// The fixture list's columns: which sets the list accepts, and where a new tournament's set
// comes from.
#include "support/testenv.h"

#include "export/fixture_rows.h"
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
    EXPECT_EQ(TTournament().FixtureColumns, builtIn);

    SaveDefaultFixtureColumns({FixVisitor, FixHome, FixScore, 12});
    EXPECT_EQ(DefaultFixtureColumns(), (std::vector<int>{FixVisitor, FixHome, FixScore, 12}));
    EXPECT_EQ(TTournament().FixtureColumns, (std::vector<int>{FixVisitor, FixHome, FixScore, 12}));

    // A list the program cannot use falls back to the built-in one.
    SaveDefaultFixtureColumns({});
    EXPECT_EQ(DefaultFixtureColumns(), builtIn);
}
