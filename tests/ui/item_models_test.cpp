// Every item model of the windows under Qt's model tester, through the changes a user makes:
// the tournament list, the fixture list, the statistics grid, the structure of groups and
// teams, and the two import grids. The tester stops the program at the first broken rule.
#include "edit/editor.h"
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "export/csv_reader.h"
#include "export/fixture_rows.h"
#include "model/match.h"
#include "ui/fixtures/csv_import_options_form.h"
#include "ui/fixtures/csv_records_model.h"
#include "ui/fixtures/fixtures_model.h"
#include "ui/fixtures/fixtures_page.h"
#include "ui/fixtures/import_csv_form.h"
#include "ui/fixtures/import_rows_model.h"
#include "ui/setup/group_frame.h"
#include "ui/setup/group_management_form.h"
#include "ui/setup/structure_model.h"
#include "ui/shell/list_model.h"
#include "ui/shell/main_form.h"
#include "ui/statistics/statistics_page.h"
#include "ui/statistics/stats_grid_model.h"
#include "ui/tournament/tournament_form.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

using namespace kv;

namespace {

class ItemModels : public kvtest::TMainWindowTest {
protected:
    void Test(QAbstractItemModel* model) {
        ASSERT_NE(model, nullptr);
        testers_.push_back(std::make_unique<QAbstractItemModelTester>(
            model, QAbstractItemModelTester::FailureReportingMode::Fatal));
    }
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers_;
    void TearDown() override {
        testers_.clear();
        kvtest::TMainWindowTest::TearDown();
    }
};

} // namespace

TEST_F(ItemModels, TheListTheFixturesAndTheStatisticsKeepTheRules) {
    Test(main_->findChild<TTournamentListModel*>());
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    Test(form->findChild<TFixturesModel*>());
    Test(form->findChild<TStatsGridModel*>());
    TTournamentDocument& doc = form->Document();
    // Sorting, filtering, editing and undoing the fixtures.
    form->Command(TCommandId::ShowFixtures)->trigger();
    for (QTableView* view : form->FixturesPage().findChildren<QTableView*>()) {
        QHeaderView* header = view->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(2) + header->sectionSize(2) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    TFixtureFilter filter;
    filter.TeamFilterKind = 3;
    filter.TeamFilterValue = doc.Tournament().JointTable().Teams().front()->Id;
    filter.Played = 1;
    form->FixturesPage().SetFilter(filter);
    form->FixturesPage().SetFilter(TFixtureFilter{});
    TEditor(doc).Edit(QStringLiteral("Matchday"), ChangeFixtures | ChangeTables | ChangeStatistics,
                      [](TTournament& t) { t.MatchAt(0)->Matchday = 9; });
    form->Command(TCommandId::Undo)->trigger();
    // Every kind of statistic, for the whole tournament and a team.
    form->Command(TCommandId::StatsPage)->trigger();
    TStatisticsPage& stats = form->StatisticsPage();
    for (const TStatsKind kind : {TStatsKind::Basic, TStatsKind::ByMatchday, TStatsKind::ByDate,
                                  TStatsKind::Scores, TStatsKind::Referees})
        stats.ShowKind(kind);
    stats.ShowScope(2);
    stats.ShowScope(0);
    // Another tournament opened and closed: the list's model follows.
    ASSERT_NE(Open("hockey.kvd"), nullptr);
}

TEST_F(ItemModels, TheStructureAndTheImportGridsKeepTheRules) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TGroupManagementForm groups(form->Document(), Dialogs);
    Test(groups.findChild<TStructureModel*>());
    TGroupFrame& frame = *groups.findChild<TGroupFrame*>();
    frame.AddGroup();
    frame.AddTeam();
    frame.AddTeam();
    frame.Select(frame.Tree().Top().front().get());
    frame.AddTeam();

    const QString text = QStringLiteral("1;2026-03-07;Riverside Rovers;2:1;Oakvale Town\n"
                                        "1;2026-03-07;Nobody;0:0;Oakvale Town\n");
    TCSVImportOptionsForm options(text);
    Test(options.findChild<TCsvRecordsModel*>());
    TImportCSVForm import(form->Document(), ReadCsvRecords(text, QLatin1Char(';')));
    Test(import.findChild<TImportRowsModel*>());
    import.SetKind(0, ImportMatchday);
    import.SetKind(2, ImportHome);
    import.SetKind(3, ImportScore);
    import.SetKind(4, ImportVisitor);
    import.Import();
}
