// The sort, columns and filter tool windows: enabled by page, following the active window,
// Ctrl+1 to Ctrl+4, their edits undone, and their placement kept from one run to the next.
#include "edit/editor.h"
#include "ui/ui_support.h"

#include "base/formats.h"
#include "base/programfolder.h"
#include "edit/filter_steps.h"
#include "edit/tournament_document.h"
#include "storage/named_files.h"
#include "ui/fixtures/fixtures_page.h"
#include "ui/shell/filter_tool_window.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/shell/table_tool_window.h"
#include "ui/shell/tool_windows.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/date_time_field.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using namespace kv;

namespace {

class ToolWindows : public kvtest::TMainWindowTest {
protected:
    QAction* Command(const char* name) { return main_->findChild<QAction*>(QLatin1String(name)); }
    TTableToolWindow& Table() { return main_->ToolWindows().Table(); }
    TFilterToolWindow& Filter() { return main_->ToolWindows().Filter(); }
};

} // namespace

TEST_F(ToolWindows, TheKeysShowSwitchAndHideAndThePageEnablesThem) {
    EXPECT_FALSE(Command("SortToolAction")->isEnabled());
    EXPECT_FALSE(Table().Tabs().isEnabled());
    EXPECT_FALSE(Filter().Tabs().isEnabled());
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(Command("SortToolAction")->isEnabled());

    Command("SortToolAction")->trigger(); // Ctrl+1
    EXPECT_TRUE(Table().isVisible());
    EXPECT_EQ(Table().Tabs().currentIndex(), 0);
    EXPECT_EQ(Table().windowTitle(), QStringLiteral("Table - Sort"));
    EXPECT_TRUE(Command("SortToolAction")->isChecked());
    Command("ColumnsToolAction")->trigger(); // Ctrl+2: switches to the columns tab
    EXPECT_TRUE(Table().isVisible());
    EXPECT_EQ(Table().windowTitle(), QStringLiteral("Table - Columns"));
    EXPECT_FALSE(Command("SortToolAction")->isChecked());
    EXPECT_TRUE(Command("ColumnsToolAction")->isChecked());
    Command("ColumnsToolAction")->trigger(); // Ctrl+2 again: hidden
    EXPECT_FALSE(Table().isVisible());
    Command("FixturesFilterToolAction")->trigger(); // Ctrl+4
    EXPECT_EQ(Filter().windowTitle(), QStringLiteral("Filter - Fixtures"));

    // By page: sort and columns on the tables, the fixture filter on the list, the main filter
    // everywhere.
    EXPECT_TRUE(Table().Tabs().isEnabled());
    EXPECT_FALSE(Filter().Tabs().widget(1)->isEnabled());
    Command("ShowFixturesAction")->trigger();
    EXPECT_FALSE(Table().Tabs().isEnabled());
    EXPECT_TRUE(Filter().Tabs().widget(0)->isEnabled());
    EXPECT_TRUE(Filter().Tabs().widget(1)->isEnabled());
    Command("StatsPageAction")->trigger();
    EXPECT_TRUE(Filter().Tabs().widget(0)->isEnabled());
    EXPECT_FALSE(Filter().Tabs().widget(1)->isEnabled());
    // The last window closed: all off again.
    form->ForceClose();
    QApplication::processEvents();
    EXPECT_FALSE(Command("FixturesFilterToolAction")->isEnabled());
    EXPECT_FALSE(Filter().Tabs().isEnabled());
    // Nothing of the closed tournament stays on show.
    EXPECT_EQ(Table().findChild<QComboBox*>(QStringLiteral("CriterionCB"))->count(), 2);
    EXPECT_EQ(Filter().findChild<QComboBox*>(QStringLiteral("TeamCB"))->count(), 1);
}

TEST_F(ToolWindows, TheSortTabFollowsTheTournamentAndItsChoicesAreUndone) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    const TTournament& t = form->Document().Tournament();
    auto* criterion = Table().findChild<QComboBox*>(QStringLiteral("CriterionCB"));
    auto* section = Table().findChild<QComboBox*>(QStringLiteral("SectionCB"));
    auto* descending = Table().findChild<QCheckBox*>(QStringLiteral("DescendingChB"));
    EXPECT_EQ(criterion->itemText(0), QStringLiteral("[Tournament Format Criteria]"));
    EXPECT_EQ(criterion->count(), 2 + static_cast<int>(t.Columns.size()));
    Table().ChooseCriterion(1); // [Unsorted]
    EXPECT_EQ(t.SortState.Column, -2);
    EXPECT_FALSE(section->isEnabled());
    EXPECT_FALSE(descending->isEnabled());
    Table().ChooseCriterion(2);
    EXPECT_EQ(t.SortState.Column, t.Columns.front().Id);
    EXPECT_TRUE(descending->isEnabled());
    Table().ChooseSection(1);
    EXPECT_EQ(t.SortState.Venue, ScopeHome);
    Table().SetDescending(false);
    EXPECT_FALSE(t.SortState.Descending);
    // A heading click elsewhere, or an undo: the tab follows.
    form->Command(TCommandId::Undo)->trigger();
    EXPECT_TRUE(t.SortState.Descending);
    EXPECT_TRUE(descending->isChecked());
    form->Command(TCommandId::Undo)->trigger();
    form->Command(TCommandId::Undo)->trigger();
    form->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(t.SortState.Column, -1);
    EXPECT_EQ(criterion->currentIndex(), 0);
}

TEST_F(ToolWindows, AColumnSetReplacesTheColumnsAndResetsAStaleSort) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    const TTournament& t = form->Document().Tournament();
    const std::vector<int> before = [&] {
        std::vector<int> ids;
        for (const TTableColumn& c : t.Columns)
            ids.push_back(c.Id);
        return ids;
    }();
    ASSERT_GE(before.size(), 3u);
    const std::vector<int> set{before[0], before[1]};
    ASSERT_TRUE(SaveColumnSet(ColumnSetPath(QStringLiteral("Short"), t.Sport), set));
    Table().ChooseCriterion(2 + 2); // the third column, which the set leaves out
    ASSERT_EQ(t.SortState.Column, before[2]);
    Table().Fill();
    auto* sets = Table().findChild<QListWidget*>(QStringLiteral("ColumnSetsList"));
    ASSERT_EQ(sets->count(), 1);
    Table().ChooseColumnSet(QStringLiteral("Short"));
    ASSERT_EQ(t.Columns.size(), 2u);
    EXPECT_EQ(t.Columns[1].Id, before[1]);
    EXPECT_EQ(t.SortState, TSortState{});
    EXPECT_EQ(sets->currentItem()->text(), QStringLiteral("Short"));
    EXPECT_EQ(form->Document().ColumnSet(), QStringLiteral("Short")); // the window remembers it
    // A set naming nothing this tournament can show is refused, and the columns stay.
    ASSERT_TRUE(SaveColumnSet(ColumnSetPath(QStringLiteral("Nothing"), t.Sport), {54}));
    Table().ChooseColumnSet(QStringLiteral("Nothing"));
    EXPECT_EQ(Messages.Texts().value(0),
              QStringLiteral("You should select at least one visible column"));
    EXPECT_EQ(form->Document().Tournament().Columns.size(), 2u);
    EXPECT_EQ(form->Document().ColumnSet(), QStringLiteral("Short"));
    form->Command(TCommandId::Undo)->trigger(); // the tournament is read back
    const TTournament& restored = form->Document().Tournament();
    EXPECT_EQ(restored.Columns.size(), before.size());
    EXPECT_EQ(restored.SortState.Column, before[2]);
}

TEST_F(ToolWindows, TheMainFilterKeepsItsBoundsInOrder) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const TTournament& t = doc.Tournament();
    Command("ShowFixturesAction")->trigger();
    TFixturesPage& page = form->FixturesPage();
    const int all = page.RowCount();
    Filter().ChooseKind(FilterByLeg);
    EXPECT_EQ(t.MatchFilter.LegFrom, 1);
    EXPECT_EQ(t.MatchFilter.LegTo, 2);
    EXPECT_EQ(Filter().findChild<QSpinBox*>(QStringLiteral("ToSpin"))->maximum(), 2);
    Filter().SetBound(false, 1);
    EXPECT_EQ(page.RowCount(), 12);
    Filter().SetBound(true, 2); // From passes To: To moves along
    EXPECT_EQ(t.MatchFilter.LegTo, 2);
    EXPECT_EQ(page.RowCount(), all - 12);
    Filter().ChooseKind(FilterByLeg); // the kind already set: nothing changes
    EXPECT_EQ(t.MatchFilter.LegFrom, 2);

    // By date with no dates at all: both bounds today.
    TEditor(doc).Edit(QStringLiteral("No dates"), ChangeFixtures, [](TTournament& edited) {
        for (TMatch* m : edited.JointTable().Matches())
            m->HasDate = false;
    });
    Filter().ChooseKind(FilterByDate);
    EXPECT_DOUBLE_EQ(t.MatchFilter.DateFrom, DayPart(NowDays()));
    EXPECT_DOUBLE_EQ(t.MatchFilter.DateTo, DayPart(NowDays()));
    EXPECT_EQ(t.MatchFilter.LegFrom, -1);
    EXPECT_EQ(Filter().findChild<TDateTimeField*>(QStringLiteral("FromDateEdit"))->Value(),
              DayPart(NowDays()));
    Filter().ChooseKind(FilterAll);
    EXPECT_FALSE(t.MatchFilter.IsSet());
    EXPECT_EQ(page.RowCount(), all);
    // Each choice was a step.
    form->Command(TCommandId::Undo)->trigger();
    EXPECT_TRUE(doc.Tournament().MatchFilter.DateRangeSet());
}

TEST_F(ToolWindows, TheFixtureFiltersReloadTheList) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    Command("ShowFixturesAction")->trigger();
    TFixturesPage& page = form->FixturesPage();
    auto* team = Filter().findChild<QComboBox*>(QStringLiteral("TeamCB"));
    auto* place = Filter().findChild<QComboBox*>(QStringLiteral("PlaceCB"));
    EXPECT_EQ(team->itemText(0), QStringLiteral("[All Teams]"));
    const int group = team->findText(QStringLiteral("Group A"));
    ASSERT_GE(group, 0);
    Filter().ChooseTeamEntry(group);
    EXPECT_EQ(page.RowCount(), 8);
    EXPECT_TRUE(place->isHidden());
    const int rovers = team->findText(QStringLiteral("    Riverside Rovers"));
    ASSERT_GE(rovers, 0);
    Filter().ChooseTeamEntry(rovers);
    EXPECT_FALSE(place->isHidden());
    EXPECT_EQ(page.RowCount(), 4);
    Filter().ChoosePlace(2); // away
    EXPECT_EQ(page.Filter().TeamPlace, 3);
    EXPECT_EQ(page.RowCount(), 2);
    Filter().ChoosePlayed(2); // not played
    EXPECT_EQ(page.RowCount(), 1);
    // The team filtered leaves the tournament: the list and the tab show every fixture again.
    const int roversId = page.Filter().TeamFilterValue;
    TEditor(form->Document())
        .Edit(QStringLiteral("Remove"), ChangeStructure | ChangeFixtures,
              [roversId](TTournament& t) { t.RemoveTeam(t.TeamById(roversId), false); });
    EXPECT_EQ(page.Filter().TeamFilterKind, 0);
    EXPECT_EQ(team->currentIndex(), 0);
    EXPECT_EQ(page.RowCount(), form->Document().Tournament().MatchCount());
    form->Command(TCommandId::Undo)->trigger();
    Filter().ChooseTeamEntry(0);
    Filter().ChoosePlayed(0);
    EXPECT_EQ(page.RowCount(), form->Document().Tournament().MatchCount());
}

TEST_F(ToolWindows, ThePlacementIsKeptForTheNextRun) {
    Open("soccer.kvd");
    Command("MainFilterToolAction")->trigger(); // Ctrl+3
    ASSERT_TRUE(Filter().isVisible());
    Messages.QueueAnswer(TMessageButton::No);
    EXPECT_TRUE(main_->close());
    main_ = std::make_unique<TMainForm>(Dialogs);
    main_->show();
    EXPECT_TRUE(Filter().isVisible());
    EXPECT_FALSE(Table().isVisible());
}

TEST_F(ToolWindows, TheyFollowTheActiveWindow) {
    TTournamentForm* soccer = Open("soccer.kvd");
    TTournamentForm* chess = Open("chess.kvd");
    ASSERT_NE(soccer, nullptr);
    ASSERT_NE(chess, nullptr);
    auto* criterion = Table().findChild<QComboBox*>(QStringLiteral("CriterionCB"));
    auto* team = Filter().findChild<QComboBox*>(QStringLiteral("TeamCB"));
    const auto shows = [&](TTournamentForm* form) {
        const TTournament& t = form->Document().Tournament();
        return criterion->count() == 2 + static_cast<int>(t.Columns.size()) &&
               team->findText(QStringLiteral("    ") + t.JointTable().Teams().front()->Name) >= 0;
    };
    EXPECT_TRUE(shows(chess));
    auto* area = main_->findChild<QMdiArea*>();
    area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(soccer->parentWidget()));
    EXPECT_TRUE(shows(soccer));
    // The sort chosen acts on the active tournament only.
    Table().ChooseCriterion(1);
    EXPECT_EQ(soccer->Document().Tournament().SortState.Column, -2);
    EXPECT_NE(chess->Document().Tournament().SortState.Column, -2);
}

// Hiding a tool window that holds the focus gives the focus back to the active tournament
// window: the next window in the focus chain does not become active instead.
TEST_F(ToolWindows, HidingOneKeepsTheActiveTournament) {
    TTournamentForm* soccer = Open("soccer.kvd");
    TTournamentForm* chess = Open("chess.kvd");
    TTournamentForm* hockey = Open("hockey.kvd");
    ASSERT_TRUE(soccer && chess && hockey);
    QApplication::setActiveWindow(main_.get());
    auto* area = main_->findChild<QMdiArea*>();
    area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(hockey->parentWidget()));
    hockey->FixturesPage().setFocus();
    main_->Command(TCommandId::ShowFixtures)->trigger();
    ASSERT_EQ(main_->ActiveForm(), hockey);
    QAction* toggle = main_->Command(TCommandId::FixturesFilterTool);
    for (const bool byCloseButton : {false, true}) {
        toggle->trigger();
        ASSERT_TRUE(Filter().isVisible());
        auto* team = Filter().findChild<QComboBox*>(QStringLiteral("TeamCB"));
        team->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(team->hasFocus());
        if (byCloseButton)
            Filter().close();
        else
            toggle->trigger();
        QApplication::processEvents();
        EXPECT_FALSE(Filter().isVisible());
        EXPECT_EQ(main_->ActiveForm(), hockey) << (byCloseButton ? "closed" : "toggled");
        EXPECT_EQ(area->activeSubWindow(), hockey->parentWidget());
    }
}

// Tab from the last field of the filter goes round to its first, and never into a tournament
// window, which would make another tournament the active one.
TEST_F(ToolWindows, TabStaysInTheFilter) {
    TTournamentForm* soccer = Open("soccer.kvd");
    TTournamentForm* chess = Open("chess.kvd");
    ASSERT_TRUE(soccer && chess);
    QApplication::setActiveWindow(main_.get());
    auto* area = main_->findChild<QMdiArea*>();
    area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(soccer->parentWidget()));
    main_->Command(TCommandId::MainFilterTool)->trigger();
    Filter().ChooseKind(FilterByDate);
    auto* to = Filter().findChild<TDateTimeField*>(QStringLiteral("ToDateEdit"));
    auto* kind = Filter().findChild<QComboBox*>(QStringLiteral("KindCB"));
    ASSERT_TRUE(to && kind);
    to->setFocus();
    QApplication::processEvents();
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : to,
                        Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_EQ(main_->ActiveForm(), soccer) << "after " << i + 1 << " Tab";
        QWidget* f = QApplication::focusWidget();
        EXPECT_TRUE(f == nullptr || Filter().isAncestorOf(f))
            << (f ? qPrintable(f->objectName()) : "");
    }
}
