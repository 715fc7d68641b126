// The main window's commands: each one's text, keys, icon and what it does, and the lookups
// by name the windows and tests use.
#include "ui/shell/main_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "render/paint_tools.h"
#include "storage/command_availability.h"
#include "storage/dropped_files.h"
#include "storage/opened_files.h"
#include "storage/recovery.h"
#include "storage/tournament_file.h"
#include "ui/help/help_topics.h"
#include "ui/setup/new_tournament_form.h"
#include "ui/shell/about_box.h"
#include "ui/shell/list_model.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/preferences_form.h"
#include "ui/shell/recovery_form.h"
#include "ui/shell/tool_windows.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_document.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/drawn_icons.h"
#include "ui/widgets/wait_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDockWidget>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

#include <utility>

namespace kv {

QAction* TMainForm::Command(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

QAction* TMainForm::AddCommand(const char* name, int textId, const char* text,
                               const QKeySequence& keys, const char* hint) {
    auto* action = new QAction(LangText(textId, text), this);
    action->setObjectName(QLatin1String(name));
    action->setProperty("textId", textId);
    action->setProperty("defaultText", QString::fromUtf8(text));
    action->setShortcut(keys);
    if (hint) {
        action->setProperty("hintId", textId + 100);
        action->setProperty("defaultHint", QString::fromUtf8(hint));
        action->setStatusTip(LangText(textId + 100, hint));
    }
    addAction(action); // keys work wherever the focus is in the window
    return action;
}

void TMainForm::BuildCommands() {
    QStyle* s = style();
    const auto icon = [s](QAction* a, QStyle::StandardPixmap p) { a->setIcon(s->standardIcon(p)); };
    const auto drawn = [](QAction* a, TDrawnIcon d) { a->setIcon(DrawnIcon(d)); };
    drawn(AddCommand("NewTournamentAction", 10, "&New Tournament", QKeySequence::New,
                     "Create a new tournament"),
          TDrawnIcon::NewTournament);
    icon(AddCommand("NewFolderAction", 11, "Ne&w Folder", Qt::Key_F7,
                    "Add a folder to the tournament list"),
         QStyle::SP_FileDialogNewFolder);
    icon(AddCommand("SaveAction", 12, "&Save", QKeySequence::Save, "Save the tournament"),
         QStyle::SP_DialogSaveButton);
    AddCommand("CloseAction", 13, "&Close", {}, "Close the tournament window");
    icon(AddCommand("FindAction", 14, "&Find Tournament", QKeySequence::Find,
                    "Find a tournament in the list"),
         QStyle::SP_FileDialogContentsView);
    icon(AddCommand("FindNextAction", 15, "F&ind Next", Qt::Key_F3, "Find the next tournament"),
         QStyle::SP_ArrowForward);
    icon(AddCommand("AddExistingAction", 16, "&Add an Existing Tournament", {},
                    "Add tournament files to the list"),
         QStyle::SP_DialogOpenButton);
    drawn(AddCommand("RemoveAction", 17, "Re&move from Tournament List", {},
                     "Remove entries from the list, keeping the files"),
          TDrawnIcon::RemoveFromList);
    AddCommand("RenameAction", 18, "&Rename", Qt::Key_F2, "Rename the selected entry");
    drawn(AddCommand("DeleteAction", 19, "&Delete", QKeySequence(Qt::CTRL | Qt::Key_D),
                     "Delete entries and their files"),
          TDrawnIcon::Delete);
    AddCommand("PreferencesAction", 20, "Pr&eferences", QKeySequence(Qt::CTRL | Qt::Key_O),
               "Program preferences");
    AddCommand("PrintAction", 21, "&Print", QKeySequence::Print, "Print the current page");
    AddCommand("ExitAction", 22, "E&xit", {}, "Close the program");
    AddCommand("UndoAction", 30, "&Undo", QKeySequence::Undo);
    AddCommand("RedoAction", 31, "&Redo")
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QAction* list = AddCommand("ListPanelAction", 46, "To&urnament List",
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L),
                               "Show or hide the tournament list");
    list->setCheckable(true);
    list->setChecked(true);
    list->setIconText(LangText(86, "List"));
    list->setProperty("shortId", 86);
    list->setProperty("defaultShort", QStringLiteral("List"));
    icon(list, QStyle::SP_DirIcon);
    const struct {
        const char* Name;
        int Id;
        const char* Text;
        const char* Short;
        QKeySequence Keys;
    } bound[] = {
        {"ShowTablesAction", 47, "Standings Tables && Results &Grids", "Tables", {}},
        {"ShowFixturesAction", 48, "&Fixtures && Results", "Fixtures", {}},
        {"StatsPageAction", 49, "Tournament Stat&istics", "Statistics", {}},
        {"ResultsGridAction", 50, "&Results Grid", "Grid", {}},
        {"StandingsAction", 51, "&Standings Columns - Home && Away", "H&&A", {}},
        {"HomeStandingsAction", 52, "Standings Columns - &Home", "Home", {}},
        {"AwayStandingsAction", 53, "Standings Columns - &Away", "Away", {}},
        {"JointTableAction", 54, "Joint Table", "Joint", {}},
        {"GroupsTableAction", 55, "Groups/Divisions", "Groups", {}},
        {"ConferencesTableAction", 56, "Conferences", "Conf.", {}},
        {"LeftAlignAction", 57, "&Left Justify", "Left", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"CenterAlignAction", 58, "&Center", "Center", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {"RightAlignAction", 59, "Right &Justify", "Right", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"WidestAlignAction", 60, "Widest Table Justify", "Widest",
         QKeySequence(Qt::CTRL | Qt::Key_J)},
    };
    int shortId = 165; // the buttons' short labels
    for (const auto& b : bound) {
        QAction* a = AddCommand(b.Name, b.Id, b.Text, b.Keys);
        a->setCheckable(true);
        a->setProperty("shortId", shortId);
        a->setProperty("defaultShort", QString::fromUtf8(b.Short));
        a->setIconText(LangText(shortId++, b.Short));
    }
    AddCommand("StadiumsAction", 61, "&Stadiums", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    AddCommand("RefereesAction", 62, "R&eferees", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    AddCommand("TableColumnsAction", 147, "Table &Columns",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    AddCommand("TableDimensionsAction", 148, "Table &Dimensions",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    AddCommand("TableAppearanceAction", 157, "Table &Appearance",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    AddCommand("TeamPropertiesAction", 158, "&Team Properties",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    AddCommand("ExportTableToHTMLAction", 159, "&HTML...");
    AddCommand("ExportTableToTextAction", 160, "&CSV / Text...");
    AddCommand("ExportFixturesToExcelAction", 161, "Fixture List as &Spreadsheet...");
    AddCommand("ExportTablesToSpreadsheetAction", 164, "&Tables into a Spreadsheet...");
    AddCommand("ImportCSVAction", 123, "&Import Fixtures from CSV File...",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    AddCommand("PublishAction", 124, "Publish &Web Site...");
    // The fixture list's commands.
    AddCommand("FormatAction", 155, "&Format", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    AddCommand("GroupManagementAction", 156, "Group &Management",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    AddCommand("AddFixturesAction", 102, "Add Fixtu&res",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    AddCommand("EditFixtureAction", 92, "Edit Entire &Fixture");
    AddCommand("EditScoreAction", 93, "Edit &Score");
    AddCommand("EditMatchdayAction", 94, "Edit &Matchday");
    AddCommand("EditDateAction", 95, "Edit &Date");
    AddCommand("EditTimeAction", 96, "Edit &Time");
    AddCommand("EditStadiumAction", 97, "Edit Stadi&um");
    AddCommand("DeleteFixturesAction", 98, "D&elete Fixtures");
    AddCommand("CopyFixturesAction", 99, "&Copy");
    AddCommand("FixtureColumnsAction", 101, "Set &Visible Columns");
    AddCommand("SelectAllFixturesAction", 100, "Select &All");
    const struct {
        const char* Name;
        int Id;
        const char* Text;
    } dblClick[] = {{"DblClickFixtureAction", 104, "Edit Entire &Fixture"},
                    {"DblClickScoreAction", 105, "Edit Fixture &Score"},
                    {"DblClickMatchdayAction", 106, "Edit &Matchday"},
                    {"DblClickDateAction", 107, "Edit &Date"},
                    {"DblClickTimeAction", 108, "Edit &Time"},
                    {"DblClickStadiumAction", 109, "&Edit Stadium"}};
    for (const auto& d : dblClick)
        AddCommand(d.Name, d.Id, d.Text)->setCheckable(true);
    AddCommand("CascadeAction", 70, "&Cascade");
    AddCommand("TileHorizontallyAction", 71, "Tile &Horizontally");
    AddCommand("TileVerticallyAction", 72, "Tile &Vertically");
    AddCommand("MinimizeAllAction", 73, "Minimi&ze All");
    AddCommand("ArrangeAction", 74, "&Arrange Icons");
    // F1 is the topic of the window or page in focus (the help key filter), not the contents.
    AddCommand("HelpTopicsAction", 80, "&Help Topics");
    icon(AddCommand("AboutAction", 81, "&About..."), QStyle::SP_MessageBoxInformation);
    QAction* autoSort = AddCommand("AutoSortAction", 90, "A&uto Sort Tournament List");
    autoSort->setCheckable(true);
    autoSort->setChecked(list_.AutoSort);
    AddCommand("PropertiesAction", 91, "&Properties",
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P))
        ->setEnabled(false);

    connect(Command(QStringLiteral("NewTournamentAction")), &QAction::triggered, this,
            &TMainForm::NewTournament);
    connect(Command(QStringLiteral("NewFolderAction")), &QAction::triggered, panel_,
            &TListPanel::NewFolder);
    connect(Command(QStringLiteral("FindAction")), &QAction::triggered, this, [this] {
        panel_->Find();
        UpdateCommands();
    });
    connect(Command(QStringLiteral("FindNextAction")), &QAction::triggered, this, [this] {
        panel_->FindNext();
        UpdateCommands();
    });
    connect(Command(QStringLiteral("AddExistingAction")), &QAction::triggered, panel_,
            &TListPanel::AddExisting);
    connect(Command(QStringLiteral("RemoveAction")), &QAction::triggered, panel_,
            &TListPanel::RemoveSelected);
    connect(Command(QStringLiteral("RenameAction")), &QAction::triggered, panel_,
            &TListPanel::RenameSelected);
    connect(Command(QStringLiteral("DeleteAction")), &QAction::triggered, panel_,
            &TListPanel::DeleteSelected);
    connect(Command(QStringLiteral("PreferencesAction")), &QAction::triggered, this, [this] {
        PreferencesForm().Reload();
        PreferencesForm().exec();
    });
    connect(Command(QStringLiteral("PrintAction")), &QAction::triggered, this, [this] {
        if (TTournamentForm* form = ActiveForm()) form->Print();
    });
    connect(Command(QStringLiteral("HelpTopicsAction")), &QAction::triggered, this,
            [this] { ShowHelpTopic(QStringLiteral("IDH_CONTENTS")); });
    connect(Command(QStringLiteral("ExitAction")), &QAction::triggered, this, &QWidget::close);
    connect(list, &QAction::triggered, this, [this](bool on) {
        listDock_->setVisible(on);
        if (on) panel_->Tree()->setFocus();
    });
    connect(autoSort, &QAction::triggered, panel_, &TListPanel::SetAutoSort);
    connect(Command(QStringLiteral("AboutAction")), &QAction::triggered, this,
            [this] { TAboutBox(this).exec(); });
    connect(Command(QStringLiteral("CascadeAction")), &QAction::triggered, area_,
            &QMdiArea::cascadeSubWindows);
    connect(Command(QStringLiteral("TileHorizontallyAction")), &QAction::triggered, this,
            [this] { Tile(Qt::Horizontal); });
    connect(Command(QStringLiteral("TileVerticallyAction")), &QAction::triggered, this,
            [this] { Tile(Qt::Vertical); });
    connect(Command(QStringLiteral("MinimizeAllAction")), &QAction::triggered, this, [this] {
        for (QMdiSubWindow* w : area_->subWindowList())
            w->showMinimized();
    });
    // Minimised windows in a row along the bottom of the area.
    connect(Command(QStringLiteral("ArrangeAction")), &QAction::triggered, this, [this] {
        int x = 0;
        for (QMdiSubWindow* w : area_->subWindowList()) {
            if (!w->isMinimized()) continue;
            w->move(x, area_->viewport()->height() - w->height());
            x += w->width();
        }
    });
}

} // namespace kv
