#include "ui/main_form.h"

// The main window's menus, toolbars and the texts of both in the current language.
#include "base/language.h"
#include "ui/list_model.h"
#include "ui/list_panel.h"
#include "ui/tool_windows.h"
#include "ui/tournament_form.h"

#include <QAction>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace kv {

void TMainForm::BuildMenus() {
    const auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* n : names) {
            if (QLatin1String(n) == QLatin1String("-"))
                menu->addSeparator();
            else
                menu->addAction(Command(QLatin1String(n)));
        }
    };
    QMenu* file = menuBar()->addMenu(LangText(1, "&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    add(file,
        {"NewTournamentAction", "NewFolderAction", "-", "SaveAction", "CloseAction", "-",
         "FindAction", "FindNextAction", "-", "AddExistingAction", "RemoveAction", "RenameAction",
         "DeleteAction", "-", "PreferencesAction", "PrintAction", "-", "ExitAction"});
    QMenu* edit = menuBar()->addMenu(LangText(2, "&Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    add(edit, {"UndoAction", "RedoAction"});
    QMenu* view = menuBar()->addMenu(LangText(3, "&View"));
    view->setObjectName(QStringLiteral("ViewMenu"));
    QMenu* bars = view->addMenu(LangText(40, "&Toolbars"));
    bars->setObjectName(QStringLiteral("ToolbarsMenu"));
    view->addAction(Command(QStringLiteral("ListPanelAction")));
    view->addSeparator();
    add(view, {"ShowTablesAction", "ShowFixturesAction", "StatsPageAction", "-",
               "ResultsGridAction", "StandingsAction", "HomeStandingsAction", "AwayStandingsAction",
               "-", "JointTableAction", "GroupsTableAction", "ConferencesTableAction", "-",
               "LeftAlignAction", "CenterAlignAction", "RightAlignAction", "WidestAlignAction"});
    QMenu* tournament = menuBar()->addMenu(LangText(6, "&Tournament"));
    tournament->setObjectName(QStringLiteral("TournamentMenu"));
    add(tournament,
        {"AddFixturesAction", "-", "TableColumnsAction", "TableAppearanceAction",
         "TableDimensionsAction", "-", "FormatAction", "PropertiesAction", "TeamPropertiesAction",
         "-", "StadiumsAction", "RefereesAction", "GroupManagementAction"});
    QMenu* fixtures = menuBar()->addMenu(LangText(7, "Fi&xtures"));
    fixtures->setObjectName(QStringLiteral("FixturesMenu"));
    add(fixtures, {"AddFixturesAction", "ImportCSVAction", "-", "EditFixtureAction",
                   "EditScoreAction", "-", "EditMatchdayAction", "EditDateAction", "EditTimeAction",
                   "EditStadiumAction", "-", "DeleteFixturesAction", "-", "FixtureColumnsAction",
                   "CopyFixturesAction", "SelectAllFixturesAction", "-"});
    QMenu* dblClick = fixtures->addMenu(LangText(103, "On Double Click"));
    dblClick->setObjectName(QStringLiteral("DblClickMenu"));
    add(dblClick, {"DblClickFixtureAction", "DblClickScoreAction", "DblClickMatchdayAction",
                   "DblClickDateAction", "DblClickTimeAction", "DblClickStadiumAction"});
    QMenu* exports = menuBar()->addMenu(LangText(8, "Ex&port"));
    exports->setObjectName(QStringLiteral("ExportMenu"));
    add(exports, {"ExportTableToHTMLAction", "ExportTableToTextAction", "-",
                  "ExportFixturesToExcelAction", "-", "PublishAction"});
    // The statistics commands are the active tournament window's own.
    QMenu* statistics = menuBar()->addMenu(LangText(125, "&Statistics"));
    statistics->setObjectName(QStringLiteral("StatisticsMenu"));
    connect(statistics, &QMenu::aboutToShow, this, [this, statistics] {
        statistics->clear();
        if (TTournamentForm* form = ActiveForm()) form->FillStatisticsMenu(statistics);
    });
    QMenu* window = menuBar()->addMenu(LangText(4, "&Window"));
    window->setObjectName(QStringLiteral("WindowMenu"));
    connect(window, &QMenu::aboutToShow, this, [this, window, add] {
        window->clear();
        window->addActions(tools_->Commands());
        window->addSeparator();
        add(window, {"CascadeAction", "TileHorizontallyAction", "TileVerticallyAction",
                     "MinimizeAllAction", "ArrangeAction"});
        const QList<QMdiSubWindow*> windows = area_->subWindowList();
        if (!windows.isEmpty()) window->addSeparator();
        for (QMdiSubWindow* w : windows) {
            QAction* a = window->addAction(w->windowTitle());
            a->setCheckable(true);
            a->setChecked(w == area_->activeSubWindow());
            connect(a, &QAction::triggered, this, [this, w] { area_->setActiveSubWindow(w); });
        }
    });
    QMenu* help = menuBar()->addMenu(LangText(5, "&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    add(help, {"HelpTopicsAction", "-", "AboutAction"});
}

void TMainForm::BuildToolbars() {
    const struct {
        const char* Name;
        int Id;
        const char* Title;
        const char* MenuAction;
        std::initializer_list<const char*> Commands;
    } bars[] = {
        {"MainToolbar",
         141,
         "Main",
         "MainToolbarAction",
         {"NewTournamentAction", "NewFolderAction", "SaveAction", "DeleteAction",
          "AddExistingAction", "RemoveAction", "FindAction", "FindNextAction", "PrintAction"}},
        {"ViewToolbar",
         142,
         "View",
         "ViewToolbarAction",
         {"ListPanelAction", "ShowTablesAction", "ShowFixturesAction", "StatsPageAction"}},
        {"TableToolbar",
         143,
         "Table View",
         "TableToolbarAction",
         {"ResultsGridAction", "StandingsAction", "HomeStandingsAction", "AwayStandingsAction",
          "JointTableAction", "GroupsTableAction", "ConferencesTableAction"}},
        {"AlignToolbar",
         144,
         "Table Alignment",
         "AlignToolbarAction",
         {"LeftAlignAction", "CenterAlignAction", "RightAlignAction", "WidestAlignAction"}},
        {"HelpToolbar", 145, "Help", "HelpToolbarAction", {"AboutAction"}},
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
        for (const char* c : b.Commands)
            bar->addAction(Command(QLatin1String(c)));
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
    for (QAction* a : findChildren<QAction*>()) {
        const QVariant id = a->property("textId");
        if (id.isValid()) a->setText(LangText(id.toInt(), a->property("defaultText").toString()));
        if (const QVariant hint = a->property("hintId"); hint.isValid())
            a->setStatusTip(LangText(hint.toInt(), a->property("defaultHint").toString()));
        if (const QVariant label = a->property("shortId"); label.isValid())
            a->setIconText(LangText(label.toInt(), a->property("defaultShort").toString()));
    }
    tools_->ApplyLanguage();
    for (QToolBar* bar : toolbars_) {
        bar->setWindowTitle(
            LangText(bar->property("titleId").toInt(), bar->property("defaultTitle").toString()));
        QAction* toggle = bar->toggleViewAction();
        toggle->setText(LangText(toggle->property("menuId").toInt(),
                                 toggle->property("defaultMenu").toString()));
    }
    const struct {
        const char* Name;
        int Id;
        const char* Text;
    } menus[] = {{"FileMenu", 1, "&File"},
                 {"EditMenu", 2, "&Edit"},
                 {"ViewMenu", 3, "&View"},
                 {"WindowMenu", 4, "&Window"},
                 {"HelpMenu", 5, "&Help"},
                 {"ToolbarsMenu", 40, "&Toolbars"},
                 {"TournamentMenu", 6, "&Tournament"},
                 {"FixturesMenu", 7, "Fi&xtures"},
                 {"DblClickMenu", 103, "On Double Click"}};
    for (const auto& m : menus)
        if (QMenu* menu = findChild<QMenu*>(QLatin1String(m.Name)))
            menu->setTitle(LangText(m.Id, m.Text));
    listDock_->setWindowTitle(LangText(140, "Tournament List"));
    panel_->Model().Reload(); // the root's name
    BindToActiveForm();
}

} // namespace kv
