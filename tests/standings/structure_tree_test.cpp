// The structure tree the wizard and the group management dialog edit: names with the smallest
// free number, where a node may go, what a drop does, importing team names, and the checks in
// tree order.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/sport.h"
#include "standings/structure_tree.h"
#include "standings/tournament_setup.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

class StructureTree : public kvtest::TTempHome {};

QStringList Names(const std::vector<std::unique_ptr<TStructureNode>>& nodes) {
    QStringList names;
    for (const auto& n : nodes)
        names << n->Name;
    return names;
}

} // namespace

TEST_F(StructureTree, NewNodesTakeTheSmallestFreeNumberAndGoWhereTheyMay) {
    TStructureTree tree(false);
    EXPECT_EQ(tree.AddTeam(nullptr).Message,
              QStringLiteral("You should add a team inside a group/division"));
    TStructureNode* group = tree.AddGroup(nullptr).Node;
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Name, QStringLiteral("New Group 1"));
    EXPECT_EQ(tree.AddConference().Node, nullptr); // not in the group system
    TStructureNode* one = tree.AddTeam(group).Node;
    TStructureNode* two = tree.AddTeam(one).Node; // a team selected: its group
    tree.AddTeam(group);
    EXPECT_EQ(Names(group->Children), (QStringList{"New Team 1", "New Team 2", "New Team 3"}));
    // "New Team 2" renamed: the next team fills the gap.
    EXPECT_TRUE(tree.Rename(two, QStringLiteral("Rovers")).isEmpty());
    EXPECT_EQ(tree.AddTeam(group).Node->Name, QStringLiteral("New Team 2"));
    // Team names are unique ignoring case; group names are not checked.
    EXPECT_EQ(tree.Rename(one, QStringLiteral("ROVERS")),
              QStringLiteral("A team with this name already exists"));
    EXPECT_EQ(one->Name, QStringLiteral("New Team 1"));
    TStructureNode* second = tree.AddGroup(group).Node;
    EXPECT_TRUE(tree.Rename(second, QStringLiteral("New Group 1")).isEmpty());

    TStructureTree conferences(true);
    EXPECT_EQ(conferences.AddGroup(nullptr).Message,
              QStringLiteral("You should add a division inside a conference"));
    TStructureNode* east = conferences.AddConference().Node;
    TStructureNode* division = conferences.AddGroup(east).Node;
    EXPECT_EQ(division->Name, QStringLiteral("New Division 1"));
    EXPECT_EQ(division->Parent, east);
    TStructureNode* team = conferences.AddTeam(division).Node;
    EXPECT_EQ(conferences.AddGroup(team).Node->Parent, east); // the conference holding the team
    EXPECT_EQ(conferences.AddConference().Node->Name, QStringLiteral("New Conference 2"));
}

TEST_F(StructureTree, TheChecksGoInTreeOrder) {
    TStructureTree tree(true);
    EXPECT_EQ(tree.Validate(), QStringLiteral("You have not added any groups/divisions and teams"));
    TStructureNode* east = tree.AddConference().Node;
    tree.Rename(east, QStringLiteral("East"));
    EXPECT_EQ(tree.Validate(), QStringLiteral("Conference 'East' does not contain any divisions"));
    TStructureNode* atlantic = tree.AddGroup(east).Node;
    tree.Rename(atlantic, QStringLiteral("Atlantic"));
    tree.AddTeam(atlantic);
    EXPECT_EQ(tree.Validate(), QStringLiteral("Division 'Atlantic' contains less than two teams. A "
                                              "division must contain at least two teams"));
    tree.AddTeam(atlantic);
    EXPECT_TRUE(tree.Validate().isEmpty());
    // To the group system and back: the divisions stand alone, then must go into conferences.
    tree.SwitchToGroupSystem();
    ASSERT_EQ(tree.Top().size(), 1u);
    EXPECT_EQ(tree.Top().front()->Name, QStringLiteral("Atlantic"));
    EXPECT_EQ(tree.Top().front()->Parent, nullptr);
    tree.SwitchToConferencesSystem();
    EXPECT_EQ(tree.Validate(), QStringLiteral("Division 'Atlantic' is not in a conference"));

    // 70 teams pass, 71 do not.
    TStructureTree big(false);
    TStructureNode* g = big.AddGroup(nullptr).Node;
    for (int i = 0; i < 70; ++i)
        big.AddTeam(g);
    EXPECT_TRUE(big.Validate().isEmpty());
    big.AddTeam(g);
    EXPECT_EQ(big.Validate(),
              QStringLiteral("It is not allowed to create more than 70 teams within a tournament"));
}

TEST_F(StructureTree, DropsReorderSiblingsOrMoveIntoAParent) {
    TStructureTree tree(false);
    TStructureNode* north = tree.AddGroup(nullptr).Node;
    TStructureNode* south = tree.AddGroup(nullptr).Node;
    ASSERT_TRUE(tree.ImportTeams(north, {QStringLiteral(" A "), QString(), QStringLiteral("B"),
                                         QStringLiteral("C")})
                    .isEmpty());
    TStructureNode* a = north->Children[0].get();
    TStructureNode* c = north->Children[2].get();
    // Dragged from above: after the target; from below: before it.
    tree.Drop(a, c);
    EXPECT_EQ(Names(north->Children), (QStringList{"B", "C", "A"}));
    tree.Drop(a, north->Children[0].get());
    EXPECT_EQ(Names(north->Children), (QStringList{"A", "B", "C"}));
    // A team onto a group: its last team. A team onto its own group, a group onto a team: nothing.
    EXPECT_FALSE(tree.CanDrop(a, north));
    EXPECT_FALSE(tree.CanDrop(south, a));
    EXPECT_FALSE(tree.CanDrop(a, a));
    tree.Drop(a, south);
    EXPECT_EQ(Names(south->Children), (QStringList{"A"}));
    EXPECT_EQ(a->Parent, south);
    // Groups reorder among themselves; moving up and down swaps with a neighbour.
    tree.Drop(south, north);
    EXPECT_EQ(tree.Top().front().get(), south);
    EXPECT_FALSE(tree.CanMove(south, -1));
    tree.Move(south, 1);
    EXPECT_EQ(tree.Top().front().get(), north);
    // Importing names already there: the others come in, and it says so.
    EXPECT_EQ(tree.ImportTeams(a, {QStringLiteral("b"), QStringLiteral("D")}),
              QStringLiteral("Some teams have not been imported because they already exist"));
    EXPECT_EQ(Names(south->Children), (QStringList{"A", "D"}));
    EXPECT_EQ(tree.ImportTeams(nullptr, {QStringLiteral("E")}),
              QStringLiteral("To import teams select a group/division first"));
    tree.Delete(south);
    EXPECT_EQ(tree.TeamCount(), 2);
}

TEST_F(StructureTree, ATournamentsTreeKeepsItsIdsAndBuildsTheSameStructure) {
    auto t = kvtest::MakeTournament(SportHockey, 2,
                                    {{QStringLiteral("Atlantic"), {"A1", "A2"}, 0},
                                     {QStringLiteral("Metro"), {"M1", "M2", "M3"}, 0},
                                     {QStringLiteral("Pacific"), {"P1", "P2"}, 1}},
                                    1, 1);
    const TStructureTree tree = TStructureTree::Of(*t);
    ASSERT_TRUE(tree.ConferencesSystem());
    ASSERT_EQ(tree.Top().size(), 2u);
    const TStructureNode& metro = *tree.Top()[0]->Children[1];
    EXPECT_EQ(metro.SourceId, t->GroupOfTeam(kvtest::TeamId(*t, "M1"))->Id);
    EXPECT_EQ(metro.Children[2]->SourceId, kvtest::TeamId(*t, "M3"));
    EXPECT_TRUE(tree.Validate().isEmpty());
    TNewTournament spec;
    tree.FillNew(spec);
    ASSERT_EQ(spec.Conferences.size(), 2u);
    EXPECT_EQ(spec.Conferences[0].Divisions[1].Teams, (QStringList{"M1", "M2", "M3"}));
    EXPECT_EQ(spec.Conferences[1].Divisions[0].Name, QStringLiteral("Pacific"));
}

TEST_F(StructureTree, AppliedToATournamentKeepsIdsAndDropsWhatTheLegsNoLongerAllow) {
    auto t = kvtest::MakeTournament(SportSoccer, 2,
                                    {{QStringLiteral("North"), {"A1", "A2", "A3"}, -1},
                                     {QStringLiteral("South"), {"B1", "B2"}, -1}});
    kvtest::AddResult(*t, "A1", "A2", "1:0");
    kvtest::AddResult(*t, "A2", "A3", "2:2");
    kvtest::AddResult(*t, "B1", "B2", "0:3");
    RecomputeAll(*t);
    const int a1 = kvtest::TeamId(*t, "A1");
    const int north = t->Groups()[0]->Id;
    TStructureTree tree = TStructureTree::Of(*t);
    TStructureNode* northNode = tree.Top()[0].get();
    TStructureNode* southNode = tree.Top()[1].get();
    tree.Delete(northNode->Children[2].get()); // A3 goes, with A2-A3
    tree.Drop(northNode->Children[0].get(),
              southNode);    // A1 to the South: A1-A2 is across groups now
    tree.AddTeam(northNode); // "New Team 1"
    tree.Rename(southNode->Children[0].get(), QStringLiteral("Bravo"));
    ASSERT_TRUE(tree.Validate().isEmpty()) << tree.Validate().toStdString();
    ApplyStructure(*t, tree);

    ASSERT_EQ(t->Groups().size(), 2u);
    EXPECT_EQ(t->Groups()[0]->Id, north);
    EXPECT_EQ(t->TeamCount(), 5);
    EXPECT_EQ(t->TeamById(a1)->GroupId, t->Groups()[1]->Id); // kept its id, in its new group
    EXPECT_EQ(t->JointTable().TeamByName(QStringLiteral("New Team 1"))->Id,
              5); // above the largest id
    EXPECT_NE(t->JointTable().TeamByName(QStringLiteral("Bravo")), nullptr);
    ASSERT_EQ(t->MatchCount(), 1);
    EXPECT_EQ(t->JointTable().Matches().front()->HomeTeamId, kvtest::TeamId(*t, "Bravo"));
    for (const TGroup* table : t->AllTables())
        EXPECT_EQ(table->PlaceFonts.size(), table->Teams().size()) << table->Name.toStdString();
    EXPECT_EQ(t->SelectedGroups, (std::vector<int>{t->Groups()[0]->Id, t->Groups()[1]->Id}));
    EXPECT_EQ(t->Groups()[1]->MatchCount(), 1);
}

TEST_F(StructureTree, TheGroupSystemDropsTheMatchesAcrossDivisions) {
    auto t = kvtest::MakeTournament(SportHockey, 2,
                                    {{QStringLiteral("Atlantic"), {"A1", "A2"}, 0},
                                     {QStringLiteral("Metro"), {"M1", "M2"}, 0},
                                     {QStringLiteral("Pacific"), {"P1", "P2"}, 1}},
                                    1, 1);
    kvtest::AddResult(*t, "A1", "M1", "1:0"); // across divisions
    kvtest::AddResult(*t, "A1", "P1", "2:1"); // across conferences
    kvtest::AddResult(*t, "M1", "M2", "3:1"); // inside a division
    RecomputeAll(*t);
    TStructureTree tree = TStructureTree::Of(*t);
    // Kept as they are: every match stays, the conference tables keep theirs.
    ApplyStructure(*t, tree);
    EXPECT_EQ(t->MatchCount(), 3);
    EXPECT_EQ(t->ConferenceById(0)->Table()->MatchCount(), 2);
    EXPECT_EQ(t->ConferenceById(0)->Divisions().size(), 2u);
    tree.SwitchToGroupSystem();
    ApplyStructure(*t, tree);
    EXPECT_FALSE(t->HasConferences());
    EXPECT_EQ(t->ConferenceLegs, 0);
    EXPECT_EQ(t->InterConferenceLegs, 0);
    ASSERT_EQ(t->MatchCount(), 1);
    EXPECT_EQ(t->JointTable().Matches().front()->HomeTeamId, kvtest::TeamId(*t, "M1"));
    EXPECT_EQ(t->Groups().size(), 3u);
}
