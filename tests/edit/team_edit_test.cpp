// A team's name and symbol as the team properties dialog checks them.
#include "support/builders.h"
#include "support/testenv.h"

#include "edit/team_edit.h"
#include "model/sport.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {
class TeamEdit : public kvtest::TTempHome {};
} // namespace

TEST_F(TeamEdit, NamesAreUniqueIgnoringCaseAndSymbolsMayBeEmpty) {
    auto t = kvtest::MakeTournament(SportSoccer, 1,
                                    {{QStringLiteral("G"), {"Ajax", "Bern", "Cork"}, -1}});
    const int ajax = kvtest::TeamId(*t, "Ajax");
    const int bern = kvtest::TeamId(*t, "Bern");
    EXPECT_EQ(CheckTeamName(*t, ajax, QStringLiteral("   ")),
              QStringLiteral("Empty team name is not allowed"));
    EXPECT_EQ(CheckTeamName(*t, ajax, QStringLiteral("BERN")),
              QStringLiteral("Team with this name already exists"));
    EXPECT_TRUE(
        CheckTeamName(*t, ajax, QStringLiteral("AJAX")).isEmpty()); // its own name, other case
    EXPECT_TRUE(CheckTeamName(*t, ajax, QStringLiteral(" Ajax Amsterdam ")).isEmpty());

    EXPECT_EQ(TeamSymbolOf(QStringLiteral(" ajaxam ")), QStringLiteral("AJAXA"));
    t->TeamById(bern)->Symbol = QStringLiteral("BER");
    EXPECT_EQ(CheckTeamSymbol(*t, ajax, QStringLiteral("ber")),
              QStringLiteral("Team with this symbol already exists"));
    EXPECT_TRUE(CheckTeamSymbol(*t, bern, QStringLiteral("ber")).isEmpty());
    // Two teams may both have no symbol.
    EXPECT_TRUE(CheckTeamSymbol(*t, ajax, QString()).isEmpty());
    EXPECT_TRUE(CheckTeamSymbol(*t, kvtest::TeamId(*t, "Cork"), QStringLiteral("  ")).isEmpty());
}

// The dialog's copies: names are checked against what has been typed, so two teams may trade
// names, and applying gives the tournament only what differs.
TEST_F(TeamEdit, CopiesTradeNamesAndApplyOnlyWhatChanged) {
    auto t = kvtest::MakeTournament(SportSoccer, 1,
                                    {{QStringLiteral("G"), {"Ajax", "Bern", "Cork"}, -1}});
    const int ajax = kvtest::TeamId(*t, "Ajax");
    const int bern = kvtest::TeamId(*t, "Bern");
    TTeamEdits edits(*t);
    EXPECT_FALSE(edits.ChangedFrom(*t));
    EXPECT_EQ(edits.CheckName(ajax, QStringLiteral("bern")),
              QStringLiteral("Team with this name already exists"));
    edits.Team(bern)->Name = QStringLiteral("Bern Old");
    EXPECT_TRUE(edits.CheckName(ajax, QStringLiteral("Bern")).isEmpty());
    edits.Team(ajax)->Name = QStringLiteral("Bern");
    // A name only typed for another team counts as taken.
    EXPECT_EQ(edits.CheckName(kvtest::TeamId(*t, "Cork"), QStringLiteral("BERN OLD")),
              QStringLiteral("Team with this name already exists"));
    edits.Team(bern)->Symbol = QStringLiteral("BRN");
    EXPECT_EQ(edits.CheckSymbol(ajax, QStringLiteral("brn")),
              QStringLiteral("Team with this symbol already exists"));
    edits.Team(ajax)->AddedPoints = -3;
    ASSERT_TRUE(edits.ChangedFrom(*t));
    edits.ApplyTo(*t);
    EXPECT_FALSE(edits.ChangedFrom(*t));
    EXPECT_EQ(t->TeamById(ajax)->Name, QStringLiteral("Bern"));
    EXPECT_EQ(t->TeamById(ajax)->AddedPoints, -3);
    EXPECT_EQ(t->TeamById(bern)->Name, QStringLiteral("Bern Old"));
    EXPECT_EQ(t->TeamById(bern)->Symbol, QStringLiteral("BRN"));
    EXPECT_EQ(edits.Team(12345), nullptr);
}
