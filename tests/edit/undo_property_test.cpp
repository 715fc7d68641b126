// Every edit function, in random sequences on the samples: undoing them all gives back the file
// byte for byte, and redoing them all gives back the edited one; each change is announced.
#include "support/testenv.h"

#include "edit/edits.h"
#include "export/fixture_rows.h"
#include "model/sport.h"
#include "standings/ranking.h"
#include "storage/tournament_file.h"

#include <QRandomGenerator>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>

using namespace kv;

namespace {

class UndoProperty : public kvtest::TTempHome {
protected:
    std::unique_ptr<TTournamentDocument> Open(const char* sample) {
        auto t = std::make_unique<TTournament>(TTournamentDefaults::FromSettings());
        const TIoResult loaded = LoadTournament(*t, QStringLiteral(KV_SAMPLES "/") + sample);
        EXPECT_TRUE(loaded.Ok) << loaded.Message.toStdString();
        return std::make_unique<TTournamentDocument>(std::move(t));
    }
};

int Pick(QRandomGenerator& r, size_t n) {
    return n == 0 ? 0 : static_cast<int>(r.bounded(static_cast<quint32>(n)));
}

// The ids of a few of the tournament's matches, next to each other in the file.
std::vector<int> SomeMatches(const TTournament& t, QRandomGenerator& r) {
    const auto& matches = t.JointTable().Matches();
    std::vector<int> ids;
    if (matches.empty()) return ids;
    const size_t first = static_cast<size_t>(Pick(r, matches.size()));
    for (size_t i = first; i < matches.size() && ids.size() < 3; ++i)
        ids.push_back(matches[i]->Id);
    return ids;
}

// One random edit, by the functions the windows call.
void RandomEdit(TTournamentDocument& doc, QRandomGenerator& r) {
    const TTournament& t = doc.Tournament();
    const std::vector<const TGroup*> tables = t.AllTables();
    const TGroup& table = *tables[static_cast<size_t>(Pick(r, tables.size()))];
    switch (r.bounded(24)) {
    case 0:
        edit::SetSort(doc, {kColumnGoalDifference, ScopeOverall + Pick(r, 3), true},
                      QStringLiteral("GD"));
        break;
    case 1:
        edit::SetSortDescending(doc, !t.SortState.Descending);
        break;
    case 2:
        edit::RestoreTournamentOrder(doc);
        break;
    case 3:
        edit::RenameTable(doc, table, QStringLiteral("Table %1").arg(r.bounded(100)));
        break;
    case 4: {
        TTableView view = t.View;
        view.Results = !view.Results;
        view.Alignment = Pick(r, 4);
        edit::SetView(doc, view);
        break;
    }
    case 5: {
        std::vector<int> ids = ColumnIdsOf(t.Columns);
        if (ids.size() > 2) ids.erase(ids.begin() + 1 + Pick(r, ids.size() - 1));
        edit::SetVisibleColumns(doc, ids, QString());
        break;
    }
    case 6: {
        std::vector<int> order;
        for (const TTeam* team : table.Teams())
            order.insert(order.begin(), team->Id);
        edit::SetTieOrder(doc, table, r.bounded(2) ? order : std::vector<int>());
        break;
    }
    case 7: {
        TAppearance a = AppearanceOf(t);
        a.ShowCity = !a.ShowCity;
        edit::SetAppearance(doc, a);
        break;
    }
    case 8: {
        TDimensionsEdit d = DimensionsEditOf(t);
        if (!d.Rows.empty()) d.Rows[static_cast<size_t>(Pick(r, d.Rows.size()))].Size += 3;
        edit::SetDimensions(doc, d);
        break;
    }
    case 9:
        edit::SetFilterBound(doc, r.bounded(2) == 0, 1 + r.bounded(3));
        break;
    case 10:
        edit::RenameTournament(doc, QStringLiteral("Cup %1").arg(r.bounded(100)));
        break;
    case 11:
        edit::SetTournamentProperties(doc, t.Name, QStringLiteral("Notes %1").arg(r.bounded(9)));
        break;
    case 12: {
        TFormatEdit f = TFormatEdit::Of(t);
        f.Rules.Win = 2 + Pick(r, 2);
        f.CriteriaChanged = true;
        edit::SetFormat(doc, f);
        break;
    }
    case 13: {
        TTeamEdits teams(t);
        if (!teams.Teams().empty()) {
            const int id = teams.Teams()[static_cast<size_t>(Pick(r, teams.Teams().size()))]->Id;
            teams.Team(id)->City = QStringLiteral("Town %1").arg(r.bounded(50));
        }
        edit::SetTeams(doc, teams);
        break;
    }
    case 14: {
        TPeopleEditor stadiums(TPeopleKind::Stadiums, t);
        stadiums.Add(QStringLiteral("Arena %1").arg(r.bounded(1000)), QString(), QString(),
                     QString());
        edit::SetStadiums(doc, stadiums);
        break;
    }
    case 15:
        edit::SetFixtureSort(doc, {FixDate, r.bounded(2) == 0});
        break;
    case 16: {
        std::vector<int> columns = t.FixtureColumns;
        std::reverse(columns.begin(), columns.end());
        edit::SetFixtureColumns(doc, columns);
        break;
    }
    case 17:
        edit::SetMatchday(doc, SomeMatches(t, r), 1 + Pick(r, 40));
        break;
    case 18:
        edit::SetDate(doc, SomeMatches(t, r), r.bounded(4) != 0, 45000 + Pick(r, 300));
        break;
    case 19:
        edit::SetTime(doc, SomeMatches(t, r), true, 0.5 + Pick(r, 20) / 100.0);
        break;
    case 20:
        edit::DeleteMatches(doc, SomeMatches(t, r));
        break;
    case 21: {
        const std::vector<int> ids = SomeMatches(t, r);
        if (ids.empty()) break;
        const TMatch* stored = t.MatchById(ids.front());
        auto changed = CreateMatch(t.Sport, *stored);
        changed->Attendance = Pick(r, 50000);
        edit::StoreMatch(doc, PlanMatchApply(t, stored, *changed), *changed);
        break;
    }
    case 22:
        if (const std::vector<int> ids = SomeMatches(t, r); !ids.empty())
            edit::DeleteMatch(doc, ids.front());
        break;
    default:
        edit::AddSchedule(doc, {}, {});
        break;
    }
}

} // namespace

TEST_F(UndoProperty, EveryEditUndoesToTheFileByteForByte) {
    for (const char* sample : {"soccer.kvd", "hockey.kvd", "chess.kvd"}) {
        for (quint32 seed = 1; seed <= 4; ++seed) {
            auto doc = Open(sample);
            QRandomGenerator random(seed * 7919u);
            const QByteArray original = TournamentBytes(doc->Tournament());
            int announced = 0;
            bool replaced = false;
            QObject::connect(doc.get(), &TTournamentDocument::Changed,
                             [&announced](const TChange&) { ++announced; });
            QObject::connect(doc.get(), &TTournamentDocument::AboutToRestore,
                             [&replaced] { replaced = true; });
            for (int i = 0; i < 40; ++i) {
                const int steps = doc->UndoStack().count();
                const int before = announced;
                RandomEdit(*doc, random);
                // An edit that made a step told of it; one that changed nothing made none.
                if (doc->UndoStack().count() > steps) {
                    EXPECT_GT(announced, before);
                }
            }
            const QByteArray edited = TournamentBytes(doc->Tournament());
            ASSERT_GT(doc->UndoStack().count(), 10) << sample;
            while (doc->UndoStack().canUndo())
                doc->UndoStack().undo();
            EXPECT_EQ(TournamentBytes(doc->Tournament()), original) << sample << " seed " << seed;
            EXPECT_TRUE(replaced) << "a step of the whole file restores a new tournament";
            EXPECT_FALSE(doc->IsModified());
            while (doc->UndoStack().canRedo())
                doc->UndoStack().redo();
            EXPECT_EQ(TournamentBytes(doc->Tournament()), edited) << sample << " seed " << seed;
        }
    }
}

TEST_F(UndoProperty, AMatchEditAnnouncesItsTwoTeamsAndAnUndoOfTheFileAReplacement) {
    auto doc = Open("soccer.kvd");
    const TTournament& t = doc->Tournament();
    const TMatch* stored = t.JointTable().Matches().front();
    auto changed = CreateMatch(t.Sport, *stored);
    changed->Attendance = 12345;
    std::vector<TChange> seen;
    QObject::connect(doc.get(), &TTournamentDocument::Changed,
                     [&seen](const TChange& c) { seen.push_back(c); });
    ASSERT_TRUE(edit::StoreMatch(*doc, PlanMatchApply(t, stored, *changed), *changed));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen.back().Teams, (std::vector<int>{stored->HomeTeamId, stored->VisitorTeamId}));
    EXPECT_FALSE(seen.back().Replaced);
    edit::RenameTournament(*doc, QStringLiteral("Renamed"));
    EXPECT_TRUE(seen.back().Teams.empty());
    EXPECT_TRUE(seen.back().Has(ChangeName));
    edit::DeleteMatches(*doc, {stored->Id});
    doc->UndoStack().undo();
    EXPECT_TRUE(seen.back().Replaced);
    EXPECT_TRUE(seen.back().Has(ChangeTables));
}
