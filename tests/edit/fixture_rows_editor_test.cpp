// Building the rows of new fixtures as the "Add Fixtures" dialog does, then adding them.
#include "support/builders.h"
#include "support/testenv.h"

#include "edit/fixture_rows_editor.h"
#include "model/sport.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

class FixtureRowsEditor : public kvtest::TTempHome {
protected:
    void SetUp() override {
        kvtest::TTempHome::SetUp();
        t = kvtest::MakeTournament(SportSoccer, 2,
                                   {{QStringLiteral("North"), {"A", "B", "C"}, -1},
                                    {QStringLiteral("South"), {"D", "E"}, -1}});
    }
    int Id(const char* name) const { return kvtest::TeamId(*t, QLatin1String(name)); }
    std::unique_ptr<TTournament> t;
};

} // namespace

TEST_F(FixtureRowsEditor, DoubleClicksAlternateAndTheNumberCountsOn) {
    TFixtureRowsEditor editor(true);
    TFixtureFields fields;
    fields.Number = QStringLiteral("7");
    fields.Matchday = QStringLiteral("3");
    fields.Score = QStringLiteral("1:0");
    EXPECT_TRUE(editor.ChooseTeam(*t, Id("A"), fields).isEmpty());
    EXPECT_TRUE(editor.Completing());
    EXPECT_EQ(fields.Number, QStringLiteral("7")); // the first row takes the number as it is
    EXPECT_TRUE(fields.Score.isEmpty());
    // The same team, or one of another group: refused, and the row still waits.
    EXPECT_EQ(editor.ChooseTeam(*t, Id("A"), fields),
              QStringLiteral("Home and visitor teams cannot be the same"));
    EXPECT_EQ(editor.ChooseTeam(*t, Id("D"), fields),
              QStringLiteral("Home and visitor teams must belong to the same group"));
    EXPECT_TRUE(editor.Completing());
    EXPECT_TRUE(editor.ChooseTeam(*t, Id("B"), fields).isEmpty());
    EXPECT_FALSE(editor.Completing());
    // The next row: number raised by one; a number that is no number is cleared.
    editor.ChooseTeam(*t, Id("C"), fields);
    EXPECT_EQ(fields.Number, QStringLiteral("8"));
    EXPECT_EQ(editor.Rows().back().Fields.Number, QStringLiteral("8"));
    editor.ChooseTeam(*t, Id("A"), fields);
    fields.Number = QStringLiteral("x");
    editor.ChooseTeam(*t, Id("D"), fields);
    EXPECT_TRUE(fields.Number.isEmpty());
    ASSERT_EQ(editor.Rows().size(), 3u);
    EXPECT_EQ(editor.HomeTeamOf(editor.Rows()[0]), Id("A"));
    EXPECT_EQ(editor.VisitorTeamOf(editor.Rows()[0]), Id("B"));

    // Fields typed go into the chosen rows; a leg that is no integer is passed over.
    editor.SetField(TFixtureFieldKind::Leg, QStringLiteral("2"), {0, 1});
    editor.SetField(TFixtureFieldKind::Leg, QStringLiteral("two"), {0});
    editor.SetField(TFixtureFieldKind::Score, QStringLiteral("3:3"), {1});
    EXPECT_EQ(editor.Rows()[0].Fields.Leg, QStringLiteral("2"));
    EXPECT_EQ(editor.Rows()[1].Fields.Score, QStringLiteral("3:3"));
    EXPECT_TRUE(editor.Rows()[2].Fields.Leg.isEmpty());

    // Every row holds the matchday it was started with.
    EXPECT_TRUE(editor.EmptyRows().empty());
    // The last row has no second team: it cannot be built.
    std::vector<TFixtureRow> rows;
    int bad = -1;
    QString message;
    EXPECT_FALSE(editor.Build(rows, bad, message));
    EXPECT_EQ(bad, 2);
    editor.Delete({2});
    editor.SetField(TFixtureFieldKind::Date, QStringLiteral("31.02.2026"), {1});
    EXPECT_FALSE(editor.Build(rows, bad, message));
    EXPECT_EQ(bad, 1);
    EXPECT_EQ(message, QStringLiteral("'31.02.2026' is not a valid date"));
    editor.SetField(TFixtureFieldKind::Date, QString(), {1});
    ASSERT_TRUE(editor.Build(rows, bad, message)) << message.toStdString();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].Score, QStringLiteral("3:3"));
}

TEST_F(FixtureRowsEditor, VisitorFirstAndTheRowChecksWhenAdded) {
    // With the host named second, the first team chosen is the visitor and the score reads
    // visitor first.
    TFixtureRowsEditor editor(false);
    TFixtureFields fields;
    fields.Matchday = QStringLiteral("1");
    editor.ChooseTeam(*t, Id("A"), fields);
    editor.ChooseTeam(*t, Id("B"), fields);
    editor.SetField(TFixtureFieldKind::Score, QStringLiteral("0:2"), {0});
    editor.ChooseTeam(*t, Id("C"), fields); // C on matchday 1 too...
    editor.ChooseTeam(*t, Id("A"), fields); // ...against A, who plays on it already
    std::vector<TFixtureRow> rows;
    int bad = -1;
    QString message;
    ASSERT_TRUE(editor.Build(rows, bad, message));
    EXPECT_EQ(rows[0].HomeTeamId, Id("B"));
    TAddFixturesOptions options;
    options.HostFirst = false;
    const TAddFixturesResult r = AddFixtures(*t, rows, options);
    EXPECT_EQ(r.Added, 1);
    EXPECT_EQ(r.FailedRow, 1);
    EXPECT_EQ(r.Message, QStringLiteral("Team 'A' have already played on matchday 1"));
    const TMatch* added = t->JointTable().MatchOfPairInLeg(Id("A"), Id("B"), 1);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->HomeTeamId, Id("B"));
    EXPECT_EQ(added->HomeScore, 2); // "0:2" read visitor first
    editor.DropFirst(r.Added);
    EXPECT_EQ(editor.Rows().size(), 1u);
}

TEST_F(FixtureRowsEditor, RowsWithoutAnyInformationAreFound) {
    TFixtureRowsEditor editor(true);
    TFixtureFields fields;
    editor.ChooseTeam(*t, Id("A"), fields);
    editor.ChooseTeam(*t, Id("B"), fields);
    fields.Time = QStringLiteral("18:00");
    editor.ChooseTeam(*t, Id("C"), fields); // waits for its second team, but holds a time
    EXPECT_FALSE(editor.ChooseTeam(*t, Id("D"), fields).isEmpty()); // D is of the other group
    EXPECT_EQ(editor.EmptyRows(), (std::vector<int>{0}));
}
