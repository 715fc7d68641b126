// Sort schemes, column sets, table and place styles, stadium and referee lists.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/programfolder.h"
#include "model/people_editor.h"
#include "model/sport.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"
#include "storage/named_files.h"
#include "storage/people_lists.h"

#include <QDir>
#include <QFileInfo>

using namespace kv;

namespace {
class NamedFileKinds : public kvtest::TTempHome {};
} // namespace

TEST_F(NamedFileKinds, SortSchemesKeepOnlyWhatTheSportOffers) {
    const QString path = SortSchemePath(QStringLiteral("Mine"), SportSoccer);
    EXPECT_TRUE(path.endsWith(QStringLiteral("SORTSEQS/Mine.ssoc")));
    ASSERT_TRUE(SaveSortScheme(
        path, {MakeCriterion(kColumnAmongThemPoints, ScopeOverall, SportSoccer, true),
               MakeCriterion(kColumnGoalsFor, ScopeAway, SportSoccer, true)}));
    EXPECT_EQ(ReadFile(path), QByteArray("45 1\r\n17 3\r\n"));
    WriteFile(path, "45 1\r\n18 1\r\n17 3\r\n45 1\r\n");
    std::vector<TSortColumn> criteria;
    ASSERT_TRUE(LoadSortScheme(path, SportSoccer, criteria));
    ASSERT_EQ(criteria.size(), 2u);
    EXPECT_EQ(criteria[1].Name, QStringLiteral("Goals For Away from Home"));
    EXPECT_EQ(NamedFiles(SortSeqsFolder(), SortSchemeExtension(SportSoccer)),
              QStringList{QStringLiteral("Mine")});
    EXPECT_TRUE(NamedFiles(SortSeqsFolder(), SortSchemeExtension(SportHockey)).isEmpty());
    ASSERT_TRUE(LoadSortScheme(path, SportChess, criteria));
    EXPECT_EQ(criteria.size(), 1u);
    EXPECT_FALSE(
        LoadSortScheme(SortSchemePath(QStringLiteral("Gone"), SportSoccer), SportSoccer, criteria));
    EXPECT_TRUE(DeleteNamedFile(path, {}));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(CheckFileName(QStringLiteral("a/b")).isEmpty());
    EXPECT_TRUE(CheckFileName(QStringLiteral("fine name")).isEmpty());
}

TEST_F(NamedFileKinds, ColumnSetsDropInapplicableAndRepeatedColumns) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    ResetColumns(*t);
    const QString path = ColumnSetPath(QStringLiteral("Short"), SportSoccer);
    ASSERT_TRUE(SaveColumnSet(path, {kColumnPlayed, kColumnPoints, kColumnOvertimeWins,
                                     kColumnPoints, 99, kColumnGoalDifference}));
    EXPECT_EQ(ReadFile(path), QByteArray("0 40 7 40 99 19\r\n"));
    std::vector<TTableColumn> shown, spare;
    ASSERT_TRUE(LoadColumnSet(path, *t, shown, spare));
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].Id, kColumnPoints);
    EXPECT_EQ(shown[2].Id, kColumnGoalDifference);
    EXPECT_EQ(spare.front().Id, kColumnTotalWins);
    EXPECT_EQ(shown.size() + spare.size(), t->Columns.size() + t->SpareColumns.size());
}

TEST_F(NamedFileKinds, TableAndPlaceStyles) {
    TGroupStyle style;
    style.Font = MakeFont(QStringLiteral("Verdana"), 9, true, 0x112233);
    style.BorderColor = 0x445566;
    style.HasBGColor = true;
    style.HasResultsColors = false;
    style.ResultColors[3] = 0x777777;
    style.Dividers = false;
    const QString path = TableStylePath(QStringLiteral("Blue"));
    ASSERT_TRUE(SaveTableStyle(path, style));
    TGroupStyle loaded;
    ASSERT_TRUE(LoadTableStyle(path, loaded));
    EXPECT_EQ(loaded.Font, style.Font);
    EXPECT_EQ(loaded.ResultColors, style.ResultColors);
    EXPECT_TRUE(loaded.Dividers); // not part of a table style file
    EXPECT_FALSE(loaded.HasResultsColors);
    // A file that ends early keeps what was read.
    WriteFile(path, TableStyleBytes(style).left(40));
    TGroupStyle partial;
    const TIoResult r = LoadTableStyle(path, partial);
    EXPECT_EQ(r.Message, QStringLiteral("Error opening style"));
    EXPECT_EQ(partial.Font.Name, QStringLiteral("Verdana"));

    std::vector<TPlaceFont> places(3);
    places[0].HasColor = true;
    places[0].Color = 0xABCDEF;
    places[2].HasFont = true;
    places[2].UpperCase = true;
    places[2].Font.Italic = true;
    ASSERT_TRUE(SavePlaceStyle(PlaceStylePath(QStringLiteral("Top")), places));
    std::vector<TPlaceFont> back;
    ASSERT_TRUE(LoadPlaceStyle(PlaceStylePath(QStringLiteral("Top")), back));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].Color, 0xABCDEF);
    EXPECT_TRUE(back[2].UpperCase);
    auto t = kvtest::MakeTournament(
        SportSoccer, 1, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    ApplyPlaceStyle(back, {t->GroupAt(0)});
    ASSERT_EQ(t->GroupAt(0)->PlaceFonts.size(), 2u); // only the places the table has
    EXPECT_EQ(t->GroupAt(0)->PlaceFonts[0].Color, 0xABCDEF);
}

TEST_F(NamedFileKinds, StadiumListsMergeWithoutDuplicates) {
    TTournament t(TTournamentDefaults::FromSettings());
    t.AddStadium(QStringLiteral("Arena"), QStringLiteral("Norway"), QStringLiteral("Oslo"), 500);
    TPeopleEditor editor(TPeopleKind::Stadiums, t);
    ASSERT_TRUE(editor
                    .Add(QStringLiteral("Arena"), QStringLiteral("Norway"),
                         QStringLiteral("Bergen"), QStringLiteral(""))
                    .Ok);
    EXPECT_EQ(editor
                  .Add(QStringLiteral("Arena"), QStringLiteral("Norway"), QStringLiteral("Oslo"),
                       QStringLiteral("9"))
                  .Message,
              QStringLiteral("This stadium already exists"));
    const TEditResult bad =
        editor.Add(QStringLiteral("Hall"), QString(), QString(), QStringLiteral("1e3"));
    EXPECT_EQ(bad.Message, QStringLiteral("Field 'Capacity' requires a positive integer number"));
    EXPECT_TRUE(bad.IsError);
    const QString path = HomePath(QStringLiteral("list.sdm"));
    ASSERT_TRUE(SavePeopleList(path, TPeopleKind::Stadiums, editor.Entries()));
    EXPECT_TRUE(ReadFile(path).startsWith(
        "Kelvorandine / Stadium List 2.0\r\nArena\r\nNorway\r\nOslo\r\n500\r\n"));

    TTournament empty(TTournamentDefaults::FromSettings());
    TPeopleEditor fresh(TPeopleKind::Stadiums, empty);
    TPeopleLoad load = LoadPeopleList(path, fresh);
    EXPECT_TRUE(load.Ok);
    EXPECT_EQ(load.Information, QString());
    EXPECT_EQ(fresh.Entries().size(), 2u);
    load = LoadPeopleList(path, fresh);
    EXPECT_EQ(load.Information, QStringLiteral("All stadiums from this file already exist"));
    EXPECT_EQ(fresh.Entries().size(), 2u);
    TPeopleEditor partly(TPeopleKind::Stadiums, t);
    load = LoadPeopleList(path, partly);
    EXPECT_EQ(load.Information, QStringLiteral("Stadiums loaded: 1 of 2."));
    // A wrong header, and a file that ends inside an entry.
    WriteFile(path, "Something else\r\nArena\r\n");
    load = LoadPeopleList(path, fresh);
    EXPECT_EQ(load.Error, QStringLiteral("This file was not created by Kelvorandine 2.2 and does "
                                         "not contain any valid stadium list"));
    WriteFile(path, "Kelvorandine / Stadium List 2.0\r\nNew\r\nX\r\nY\r\n10\r\nHalf\r\nX\r\n");
    TPeopleEditor truncated(TPeopleKind::Stadiums, empty);
    load = LoadPeopleList(path, truncated);
    EXPECT_FALSE(load.Ok);
    EXPECT_EQ(truncated.Entries().size(), 1u);
}

TEST_F(NamedFileKinds, RefereeListsMergeWithoutDuplicates) {
    TTournament t(TTournamentDefaults::FromSettings());
    t.AddReferee(QStringLiteral("Ann Lee"), QStringLiteral("Norway"), QStringLiteral("Oslo"), 1980);
    const QString path = HomePath(QStringLiteral("refs.rfr"));
    TPeopleEditor editor(TPeopleKind::Referees, t);
    ASSERT_TRUE(
        editor.Add(QStringLiteral("Bo Ek"), QString(), QString(), QStringLiteral("1975")).Ok);
    EXPECT_EQ(editor.Add(QStringLiteral("Bo Ek"), QString(), QString(), QString()).Message,
              QStringLiteral("This referee already exists"));
    ASSERT_TRUE(SavePeopleList(path, TPeopleKind::Referees, editor.Entries()));
    EXPECT_TRUE(ReadFile(path).startsWith("Kelvorandine / Referee List 2.0\r\nAnn Lee\r\n"));
    TTournament empty(TTournamentDefaults::FromSettings());
    TPeopleEditor fresh(TPeopleKind::Referees, empty);
    EXPECT_EQ(LoadPeopleList(path, fresh).Information, QString());
    EXPECT_EQ(LoadPeopleList(path, fresh).Information,
              QStringLiteral("All referees from this file already exist"));
    TPeopleEditor partly(TPeopleKind::Referees, t);
    EXPECT_EQ(LoadPeopleList(path, partly).Information, QStringLiteral("Referees loaded: 1 of 2."));
    EXPECT_EQ(partly.Entries().back().Id, 2); // every entry read takes the next id
    const QString stadiumList = HomePath(QStringLiteral("s.sdm"));
    ASSERT_TRUE(SavePeopleList(stadiumList, TPeopleKind::Stadiums, {}));
    EXPECT_EQ(LoadPeopleList(stadiumList, fresh).Error,
              QStringLiteral("This file was not created by Kelvorandine 2.2 and does not contain "
                             "any valid referee list"));
}

// A stadium or referee deleted while matches or teams still name it never lends its id to a
// new one: those matches keep naming the deleted one, not the newcomer.
TEST_F(NamedFileKinds, ADeletedIdIsNeverGivenToANewEntry) {
    auto t = kvtest::MakeTournament(
        SportBasketball, 1,
        {{QStringLiteral("East"), {QStringLiteral("A"), QStringLiteral("B")}, 0},
         {QStringLiteral("West"), {QStringLiteral("C"), QStringLiteral("D")}, 1}});
    t->AddStadium(QStringLiteral("Dome"), QString(), QString(), -1);
    const int arena = t->AddStadium(QStringLiteral("Arena"), QString(), QString(), -1);
    const int ref = t->AddReferee(QStringLiteral("Ann"), QString(), QString(), -1);
    // A match between conferences, which no group holds, played at the arena with Ann.
    TMatch* m =
        kvtest::AddResult(*t, QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("80:70"));
    ASSERT_TRUE(m);
    m->StadiumId = arena;
    m->AddReferee(ref);
    for (const TPeopleKind kind : {TPeopleKind::Stadiums, TPeopleKind::Referees}) {
        TPeopleEditor editor(kind, *t);
        const int index = kind == TPeopleKind::Stadiums ? 1 : 0;
        ASSERT_TRUE(editor.Delete(index).Ok);
        editor.ApplyTo(*t);
        TPeopleEditor again(kind, *t);
        ASSERT_TRUE(again.Add(QStringLiteral("New"), QString(), QString(), QString()).Ok);
        EXPECT_GT(again.Entries().back().Id, kind == TPeopleKind::Stadiums ? arena : ref);
    }
    EXPECT_GT(t->AddStadium(QStringLiteral("Later"), QString(), QString(), -1), arena);
    EXPECT_GT(t->AddReferee(QStringLiteral("Bo"), QString(), QString(), -1), ref);
    EXPECT_EQ(t->StadiumName(m->StadiumId), QString());
    EXPECT_EQ(t->RefereeName(m->RefereeIds.front()), QString());
}

// A team's home stadium is not deleted behind its back: the refusal names the team.
TEST_F(NamedFileKinds, AHomeStadiumIsNotDeleted) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 1, {{QStringLiteral("G"), {QStringLiteral("Ajax"), QStringLiteral("Bern")}}});
    const int arena = t->AddStadium(QStringLiteral("Arena"), QString(), QString(), -1);
    t->AddStadium(QStringLiteral("Field"), QString(), QString(), -1);
    t->JointTable().TeamByName(QStringLiteral("Bern"))->HomeStadiumId = arena;
    TPeopleEditor editor(TPeopleKind::Stadiums, *t);
    const TEditResult refused = editor.Delete(0);
    EXPECT_FALSE(refused.Ok);
    EXPECT_EQ(
        refused.Message,
        QStringLiteral("This stadium cannot be deleted because it is the home stadium of Bern"));
    EXPECT_TRUE(editor.Delete(1).Ok);
}

TEST_F(NamedFileKinds, RefereeEditingRules) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 1, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    t->AddReferee(QStringLiteral("Zed"), QString(), QString(), 1970);
    t->AddReferee(QStringLiteral("Amy"), QString(), QString(), 1985);
    kvtest::AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1:0"))
        ->AddReferee(0);
    TPeopleEditor editor(TPeopleKind::Referees, *t);
    EXPECT_EQ(editor.Delete(0).Message,
              QStringLiteral(
                  "This referee cannot be deleted because the referee served one or more matches"));
    ASSERT_TRUE(editor.Replace(1, QStringLiteral("Amy"), QString(), QString(), QString()).Ok);
    EXPECT_EQ(editor.Entries()[1].Number, 1985); // a blank birth year keeps the year
    ASSERT_TRUE(
        editor.Replace(1, QStringLiteral("Amy"), QString(), QString(), QStringLiteral("1960")).Ok);
    editor.SortBy(PeopleByNumber);
    EXPECT_EQ(editor.Entries()[0].Name, QStringLiteral("Amy"));
    editor.SortBy(PeopleByNumber);
    EXPECT_EQ(editor.Entries()[0].Name, QStringLiteral("Zed"));
    editor.SortBy(PeopleByName);
    EXPECT_EQ(editor.Entries()[0].Name, QStringLiteral("Amy"));
    ASSERT_TRUE(editor.Delete(0).Ok);
    editor.ApplyTo(*t);
    ASSERT_EQ(t->Referees.size(), 1u);
    EXPECT_EQ(t->Referees[0].Name, QStringLiteral("Zed"));
    // A stadium used only by a match between groups can go: no group holds that match.
    auto u = kvtest::MakeTournament(
        SportSoccer, 1,
        {{QStringLiteral("G1"), {QStringLiteral("A"), QStringLiteral("B")}},
         {QStringLiteral("G2"), {QStringLiteral("C"), QStringLiteral("D")}}});
    u->AddStadium(QStringLiteral("Far"), QString(), QString(), -1);
    kvtest::AddResult(*u, QStringLiteral("A"), QStringLiteral("C"), QString())->StadiumId = 0;
    TPeopleEditor stadiums(TPeopleKind::Stadiums, *u);
    EXPECT_TRUE(stadiums.Delete(0).Ok);
}
