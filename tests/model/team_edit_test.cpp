// A team's name and symbol as the team properties dialog checks them.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/sport.h"
#include "model/team_edit.h"

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
