#include "ui/shell/main_form.h"

// The main window's menus, toolbars and the texts of both in the current language.
#include "base/language.h"
#include "ui/help/help_form.h"
#include "ui/shell/app_start.h"
#include "ui/shell/list_model.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/tool_windows.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace kv {

namespace {

// A menu that keeps its text's identifier, so that a change of language retitles it.
QMenu* AddMenu(QWidget* parent, const char* name, int textId, const char* text) {
    auto* menu = new QMenu(LangText(textId, text), parent);
    menu->setObjectName(QLatin1String(name));
    menu->setProperty("textId", textId);
    menu->setProperty("defaultText", QString::fromUtf8(text));
    if (auto* bar = qobject_cast<QMenuBar*>(parent))
        bar->addMenu(menu);
    else if (auto* above = qobject_cast<QMenu*>(parent))
        above->addMenu(menu);
    return menu;
}

} // namespace

void TMainForm::BuildMenus() {
    // Groups of commands, a separator between each two.
    using TIds = std::initializer_list<TCommandId>;
    const auto add = [this](QMenu* menu, std::initializer_list<TIds> groups) {
        bool first = true;
        for (const TIds& group : groups) {
            if (!first) menu->addSeparator();
            first = false;
            for (const TCommandId id : group)
                menu->addAction(Command(id));
        }
    };
    QMenu* file = AddMenu(menuBar(), "FileMenu", 1, "&File");
    add(file,
        {{TCommandId::NewTournament, TCommandId::NewFolder},
         {TCommandId::Save, TCommandId::Close},
         {TCommandId::Find, TCommandId::FindNext},
         {TCommandId::AddExisting, TCommandId::Remove, TCommandId::Rename, TCommandId::Delete},
         {TCommandId::Preferences, TCommandId::Print},
         {TCommandId::Exit}});
    QMenu* edit = AddMenu(menuBar(), "EditMenu", 2, "&Edit");
    add(edit, {{TCommandId::Undo, TCommandId::Redo}});
    QMenu* view = AddMenu(menuBar(), "ViewMenu", 3, "&View");
    AddMenu(view, "ToolbarsMenu", 40, "&Toolbars");
    view->addAction(Command(TCommandId::ListPanel));
    view->addSeparator();
    add(view, {{TCommandId::ShowTables, TCommandId::ShowFixtures, TCommandId::StatsPage},
               {TCommandId::ResultsGrid, TCommandId::Standings, TCommandId::HomeStandings,
                TCommandId::AwayStandings},
               {TCommandId::JointTable, TCommandId::GroupsTable, TCommandId::ConferencesTable},
               {TCommandId::LeftAlign, TCommandId::CenterAlign, TCommandId::RightAlign,
                TCommandId::WidestAlign}});
    QMenu* tournament = AddMenu(menuBar(), "TournamentMenu", 6, "&Tournament");
    add(tournament,
        {{TCommandId::AddFixtures},
         {TCommandId::TableColumns, TCommandId::TableAppearance, TCommandId::TableDimensions},
         {TCommandId::Format, TCommandId::Properties, TCommandId::TeamProperties},
         {TCommandId::Stadiums, TCommandId::Referees, TCommandId::GroupManagement}});
    QMenu* fixtures = AddMenu(menuBar(), "FixturesMenu", 7, "Fi&xtures");
    add(fixtures,
        {{TCommandId::AddFixtures, TCommandId::ImportCSV},
         {TCommandId::EditFixture, TCommandId::EditScore},
         {TCommandId::EditMatchday, TCommandId::EditDate, TCommandId::EditTime,
          TCommandId::EditStadium},
         {TCommandId::DeleteFixtures},
         {TCommandId::FixtureColumns, TCommandId::CopyFixtures, TCommandId::SelectAllFixtures},
         {}});
    QMenu* dblClick = AddMenu(fixtures, "DblClickMenu", 103, "On Double Click");
    add(dblClick,
        {{TCommandId::DblClickFixture, TCommandId::DblClickScore, TCommandId::DblClickMatchday,
          TCommandId::DblClickDate, TCommandId::DblClickTime, TCommandId::DblClickStadium}});
    QMenu* exports = AddMenu(menuBar(), "ExportMenu", 8, "Ex&port");
    add(exports, {{TCommandId::ExportTableToHTML, TCommandId::ExportTableToText},
                  {TCommandId::ExportTablesToSpreadsheet, TCommandId::ExportFixturesToExcel},
                  {TCommandId::Publish}});
    // The statistics commands are the active tournament window's own.
    QMenu* statistics = AddMenu(menuBar(), "StatisticsMenu", 125, "&Statistics");
    connect(statistics, &QMenu::aboutToShow, this, [this, statistics] {
        statistics->clear();
        if (TTournamentForm* form = ActiveForm()) form->FillStatisticsMenu(statistics);
    });
    QMenu* window = AddMenu(menuBar(), "WindowMenu", 4, "&Window");
    connect(window, &QMenu::aboutToShow, this, [this, window, add] {
        window->clear();
        window->addActions(tools_->Commands());
        window->addSeparator();
        add(window, {{TCommandId::Cascade, TCommandId::TileHorizontally, TCommandId::TileVertically,
                      TCommandId::MinimizeAll, TCommandId::Arrange}});
        const QList<QMdiSubWindow*> windows = area_->subWindowList();
        if (!windows.isEmpty()) window->addSeparator();
        for (QMdiSubWindow* w : windows) {
            QAction* a = window->addAction(w->windowTitle());
            a->setCheckable(true);
            a->setChecked(w == area_->activeSubWindow());
            connect(a, &QAction::triggered, this, [this, w] { area_->setActiveSubWindow(w); });
        }
    });
    QMenu* help = AddMenu(menuBar(), "HelpMenu", 5, "&Help");
    add(help, {{TCommandId::HelpTopics}, {TCommandId::About}});
}

void TMainForm::BuildToolbars() {
    const struct {
        const char* Name;
        int Id;
        const char* Title;
        const char* MenuAction;
        std::initializer_list<TCommandId> Commands;
    } bars[] = {
        {"MainToolbar",
         141,
         "Main",
         "MainToolbarAction",
         {TCommandId::NewTournament, TCommandId::NewFolder, TCommandId::Save, TCommandId::Delete,
          TCommandId::AddExisting, TCommandId::Remove, TCommandId::Find, TCommandId::FindNext,
          TCommandId::Print}},
        {"ViewToolbar",
         142,
         "View",
         "ViewToolbarAction",
         {TCommandId::ListPanel, TCommandId::ShowTables, TCommandId::ShowFixtures,
          TCommandId::StatsPage}},
        {"TableToolbar",
         143,
         "Table View",
         "TableToolbarAction",
         {TCommandId::ResultsGrid, TCommandId::Standings, TCommandId::HomeStandings,
          TCommandId::AwayStandings, TCommandId::JointTable, TCommandId::GroupsTable,
          TCommandId::ConferencesTable}},
        {"AlignToolbar",
         144,
         "Table Alignment",
         "AlignToolbarAction",
         {TCommandId::LeftAlign, TCommandId::CenterAlign, TCommandId::RightAlign,
          TCommandId::WidestAlign}},
        {"HelpToolbar", 145, "Help", "HelpToolbarAction", {TCommandId::About}},
    };
    QMenu* menu = findChild<QMenu*>(QStringLiteral("ToolbarsMenu"));
    const char* menuTexts[] = {"&Main", "&View", "&Table View", "Table &Alignment", "&Help"};
    int i = 0;
    for (const auto& b : bars) {
        if (i == 2) addToolBarBreak(); // the table's own buttons on a second row
        QToolBar* bar = addToolBar(LangText(b.Id, b.Title));
        bar->setObjectName(QLatin1String(b.Name));
        bar->setProperty("titleId", b.Id);
        bar->setProperty("defaultTitle", QString::fromUtf8(b.Title));
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        for (const TCommandId c : b.Commands)
            bar->addAction(Command(c));
        QAction* toggle = bar->toggleViewAction();
        toggle->setObjectName(QLatin1String(b.MenuAction));
        toggle->setText(LangText(41 + i, menuTexts[i]));
        toggle->setProperty("menuId", 41 + i);
        toggle->setProperty("defaultMenu", QString::fromUtf8(menuTexts[i]));
        menu->addAction(toggle);
        toolbars_.push_back(bar);
        ++i;
    }
    // The main toolbar shows its icons only: its commands have pictures of their own.
    toolbars_.front()->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QToolBar* bar : toolbars_)
        for (QAction* a : bar->actions())
            if (a->icon().isNull())
                if (QWidget* w = bar->widgetForAction(a)) w->setProperty("textOnly", true);
}

void TMainForm::ApplyLanguage() {
    if (appliedLanguage_ == CurrentLanguage()) return;
    appliedLanguage_ = CurrentLanguage();
    // The main window's own commands; each tournament window translates its own below.
    commands_->Retranslate();
    tools_->ApplyLanguage();
    for (QToolBar* bar : toolbars_) {
        bar->setWindowTitle(
            LangText(bar->property("titleId").toInt(), bar->property("defaultTitle").toString()));
        QAction* toggle = bar->toggleViewAction();
        toggle->setText(LangText(toggle->property("menuId").toInt(),
                                 toggle->property("defaultMenu").toString()));
    }
    for (QMenu* menu : findChildren<QMenu*>())
        if (const QVariant id = menu->property("textId"); id.isValid())
            menu->setTitle(LangText(id.toInt(), menu->property("defaultText").toString()));
    for (QMdiSubWindow* window : area_->subWindowList())
        if (QMenu* system = window->systemMenu())
            for (QAction* a : system->actions())
                if (const QVariant id = a->property("textId"); id.isValid())
                    a->setText(LangText(id.toInt(), a->property("defaultText").toString()));
    listDock_->setWindowTitle(LangText(140, "Tournament List"));
    panel_->Model().RenameRoot(); // the list keeps what is open and chosen
    statusBar()->clearMessage();
    // Every open window at once, not only at its next activation.
    for (TTournamentForm* form : TournamentForms())
        form->ApplyLanguage();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<THelpForm*>(w)) help->ApplyLanguage();
    ApplyToolkitLanguage();
    BindToActiveForm();
}

} // namespace kv
