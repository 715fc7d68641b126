// The appearance dialog's copies of the tables' looks, applied back to a tournament.
#include "support/builders.h"
#include "support/testenv.h"

#include "model/appearance_edit.h"
#include "model/group.h"
#include "model/sport.h"
#include "model/team.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {
class AppearanceEdit : public kvtest::TTempHome {};
} // namespace

TEST_F(AppearanceEdit, ChangedLooksGoBackAndTeamFontsFollowTheJointTable) {
    auto t = kvtest::MakeTournament(SportSoccer, 1,
                                    {{QStringLiteral("North"), {"Ajax", "Bern"}, -1},
                                     {QStringLiteral("South"), {"Cork", "Derby", "Eton"}, -1}});
    TTeam* ajax = t->TeamById(kvtest::TeamId(*t, "Ajax"));
    ajax->Font.Color = clRed;
    ajax->Font.Bold = true;
    TAppearance a = AppearanceOf(*t);
    ASSERT_EQ(a.Tables.size(), 3u); // the joint table, then the groups
    EXPECT_EQ(a.OfKind(KindGroup).size(), 2u);
    EXPECT_FALSE(ApplyAppearance(*t, a)); // nothing changed

    for (TTableLook& look : a.Tables)
        look.Style.Font = MakeFont(QStringLiteral("Verdana"), 11, false);
    TTableLook& south = *a.OfKind(KindGroup)[1];
    south.PlaceFonts[2].HasColor = true;
    south.PlaceFonts[2].Color = clBlue;
    a.ShowCity = true;
    ASSERT_TRUE(ApplyAppearance(*t, a));
    EXPECT_EQ(t->GroupById(south.Id)->PlaceFonts[2].Color, clBlue);
    EXPECT_TRUE(t->View.ShowCity);
    EXPECT_EQ(t->JointTable().Style.Font.Name, QStringLiteral("Verdana"));
    // The team's own font takes name and size, and keeps its colour and styles.
    EXPECT_EQ(ajax->Font.Name, QStringLiteral("Verdana"));
    EXPECT_EQ(ajax->Font.Size, 11);
    EXPECT_EQ(ajax->Font.Color, clRed);
    EXPECT_TRUE(ajax->Font.Bold);
    EXPECT_TRUE(AppearanceOf(*t) == a);
}

TEST_F(AppearanceEdit, APlaceStyleFillsOnlyThePlacesATableHas) {
    std::vector<TPlaceFont> style(5);
    for (size_t i = 0; i < style.size(); ++i) {
        style[i].HasColor = true;
        style[i].Color = static_cast<TColor>(i + 1);
        style[i].Font.Name = QStringLiteral("Ignored");
    }
    std::vector<TPlaceFont> table(3);
    const TFontData font = MakeFont(QStringLiteral("Arial"), 9, false);
    ApplyPlaceStyle(style, table, font);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[2].Color, 3);
    EXPECT_EQ(table[0].Font.Name, QStringLiteral("Arial")); // the table's font, not the file's
    EXPECT_EQ(table[0].Font.Size, 9);
}

TEST_F(AppearanceEdit, TheDisplaySampleShowsTheChosenParts) {
    EXPECT_EQ(TeamDisplaySample(false, true, true), QStringLiteral("Team (City, Country)"));
    EXPECT_EQ(TeamDisplaySample(true, false, true), QStringLiteral("Symbol (Country)"));
    EXPECT_EQ(TeamDisplaySample(false, false, false), QStringLiteral("Team"));
}

TEST_F(AppearanceEdit, AnEditOfAllTablesChangesOnlyWhatWasEdited) {
    TGroupStyle own;
    own.Dividers = false;
    own.BorderColor = clBlue;
    TGroupStyle before;
    TGroupStyle after = before;
    after.BoldBorders = true;
    after.ResultColors[ResultDraw] = clRed;
    ApplyStyleChange(own, before, after);
    EXPECT_TRUE(own.BoldBorders);
    EXPECT_EQ(own.ResultColors[ResultDraw], clRed);
    EXPECT_FALSE(own.Dividers);
    EXPECT_EQ(own.BorderColor, clBlue);
}
