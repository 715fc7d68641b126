// Which match a results cell stands for and whether a click may edit it: the legs a cell offers
// in the short grid, the home matches a row team may still play, and the legs of pairs from
// different divisions and conferences.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/sport.h"
#include "render/table_hit.h"

using namespace kv;
using kvtest::AddResult;

namespace {

class ResultCells : public kvtest::TTempHome {
protected:
    static const TTeam& Team(const TTournament& t, const char* name) {
        return *t.JointTable().TeamByName(QLatin1String(name));
    }
};

} // namespace

// One leg, A hosted B: the short grid's cell of B at home against A offers no leg 2.
TEST_F(ResultCells, TheShortGridOffersOnlyLegsThatExist) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 1, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    TGroup& g = *t->GroupAt(0);
    g.Style.ShowAwayResults = false;
    ASSERT_TRUE(AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1:0"), 1));
    const TTeam& a = Team(*t, "A");
    const TTeam& b = Team(*t, "B");
    EXPECT_EQ(ResultCellLeg(g, b, a, 1), -1);
    const TCellPermission refused = ResultCellAccess(*t, g, b, a, 1);
    EXPECT_FALSE(refused.Allowed);
    EXPECT_EQ(refused.Message,
              QStringLiteral("Invalid match leg. A valid leg for this fixtures is 1 to 1"));
    // The cell that holds the match is edited as ever.
    EXPECT_EQ(ResultCellLeg(g, a, b, 1), 1);
    EXPECT_TRUE(ResultCellAccess(*t, g, a, b, 1).Allowed);
}

// Three legs (two home matches each way): the cell's lines take the legs of their own position
// first, then the next free one; a line past the pair's home matches offers nothing.
TEST_F(ResultCells, ThreeLegsGiveEachLineAFreeLegOrNone) {
    auto t = kvtest::MakeTournament(
        SportBaseball, 3, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    TGroup& g = *t->GroupAt(0);
    g.Style.ShowAwayResults = false;
    const TTeam& a = Team(*t, "A");
    const TTeam& b = Team(*t, "B");
    EXPECT_EQ(ResultCellLeg(g, a, b, 1), 1);
    EXPECT_EQ(ResultCellLeg(g, a, b, 2), 3);
    ASSERT_TRUE(AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("2:1"), 1));
    ASSERT_TRUE(AddResult(*t, QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("2:1"), 3));
    // B's match of leg 3 sits on its second line; its first line can only be leg 2.
    EXPECT_EQ(ResultCellLeg(g, b, a, 2), 3);
    EXPECT_EQ(ResultCellLeg(g, b, a, 1), 2);
    EXPECT_TRUE(ResultCellAccess(*t, g, b, a, 1).Allowed);
    ASSERT_TRUE(AddResult(*t, QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("2:1"), 2));
    // Every leg is played: A's second home line has none left.
    EXPECT_EQ(ResultCellLeg(g, a, b, 2), -1);
    EXPECT_EQ(ResultCellAccess(*t, g, a, b, 2).Message,
              QStringLiteral("Invalid match leg. A valid leg for this fixtures is 1 to 3"));
}

// A row team that already hosts its share may not host again, even where a leg is free.
TEST_F(ResultCells, AHostWithAllItsHomeMatchesIsRefused) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    TGroup& g = *t->GroupAt(0);
    g.Style.ShowAwayResults = false;
    TMatch* m = AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QString(), 1);
    ASSERT_TRUE(m);
    m->GridPosition = 5; // kept from an older file: the cell does not show it
    const TCellPermission refused = ResultCellAccess(*t, g, Team(*t, "A"), Team(*t, "B"), 1);
    EXPECT_FALSE(refused.Allowed);
    EXPECT_EQ(refused.Message,
              QStringLiteral(
                  "The tournament already contains all possible home fixtures of 'A' against 'B'"));
}

// In the joint table of conferences, the cell of two teams of one conference's divisions takes
// the conference legs, and that of two conferences the inter-conference legs.
TEST_F(ResultCells, PairsBetweenDivisionsAndConferencesTakeTheirOwnLegs) {
    auto t = kvtest::MakeTournament(
        SportBasketball, 4,
        {{QStringLiteral("East"), {QStringLiteral("A"), QStringLiteral("B")}, 0},
         {QStringLiteral("Central"), {QStringLiteral("C"), QStringLiteral("D")}, 0},
         {QStringLiteral("West"), {QStringLiteral("E"), QStringLiteral("F")}, 1}},
        2, 1);
    t->View.TableMode = TableModeJoint;
    TGroup& joint = t->JointTable();
    joint.Style.ShowAwayResults = true;
    const TTeam& a = Team(*t, "A");
    const TTeam& c = Team(*t, "C");
    const TTeam& e = Team(*t, "E");
    EXPECT_TRUE(ResultCellAccess(*t, joint, a, c, 2).Allowed);
    EXPECT_EQ(
        ResultCellAccess(*t, joint, a, c, 3).Message,
        QStringLiteral(
            "Cannot enter score into this cell. Teams from different divisions play 2 time(s) "
            "against each other."));
    EXPECT_TRUE(ResultCellAccess(*t, joint, a, e, 1).Allowed);
    EXPECT_EQ(
        ResultCellAccess(*t, joint, a, e, 2).Message,
        QStringLiteral(
            "Cannot enter score into this cell. Teams from different conferences play 1 time(s) "
            "against each other."));
    // The short grid: the division pair has one home match each way, the conference pair one
    // match in all.
    joint.Style.ShowAwayResults = false;
    EXPECT_TRUE(ResultCellAccess(*t, joint, a, c, 1).Allowed);
    EXPECT_FALSE(ResultCellAccess(*t, joint, a, c, 2).Allowed);
    EXPECT_EQ(ResultCellLeg(joint, a, e, 1), 1);
    ASSERT_TRUE(
        AddResult(*t, QStringLiteral("E"), QStringLiteral("A"), QStringLiteral("80:70"), 1));
    EXPECT_EQ(ResultCellAccess(*t, joint, a, e, 1).Message,
              QStringLiteral("Invalid match leg. A valid leg for this fixtures is 1 to 1"));
}
