#include "ui/tournament/tournament_form.h"

// The tournament window's commands that re-shape the tournament: its format, properties and
// structure.
#include "base/language.h"
#include "storage/tournament_list.h"
#include "ui/setup/format_form.h"
#include "ui/setup/group_management_form.h"
#include "ui/setup/team_properties_form.h"
#include "ui/setup/tournament_properties_form.h"
#include "ui/tables/table_appearance_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_document.h"

#include <QAction>

namespace kv {

void TTournamentForm::BuildSetupCommands() {
    QAction* format =
        AddCommand("FormatAction", 5249, "&Format", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    connect(format, &QAction::triggered, this, [this] {
        TReglamentForm(*doc_, this).exec();
        UpdateCommands();
    });
    QAction* properties = AddCommand("PropertiesAction", 5250, "&Properties",
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(properties, &QAction::triggered, this, [this] {
        const TTournamentList none;
        TTournamentPropertiesForm form(*doc_, list_ ? *list_ : none, this);
        connect(&form, &TTournamentPropertiesForm::FileMoved, this, &TTournamentForm::FileMoved);
        form.exec();
        UpdateCommands();
    });
    QAction* appearance = AddCommand("TableAppearanceAction", 5256, "Table &Appearance",
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    connect(appearance, &QAction::triggered, this, [this] {
        TTableAppearanceForm(*doc_, dialogs_, this).exec();
        UpdateCommands();
    });
    QAction* team = AddCommand("TeamPropertiesAction", 5257, "&Team Properties",
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    connect(team, &QAction::triggered, this, [this] { EditTeam(-1); });
    connect(tables_, &TTablesPage::TeamClicked, this, &TTournamentForm::EditTeam);
    QAction* groups = AddCommand("GroupManagementAction", 5252, "Group &Management",
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    connect(groups, &QAction::triggered, this, [this] {
        TGroupManagementForm(*doc_, dialogs_, this).exec();
        UpdateCommands();
    });
}

void TTournamentForm::EditTeam(int teamId) {
    TTeamPropertiesForm form(*doc_, dialogs_, this);
    form.ShowTeam(teamId);
    form.exec();
    UpdateCommands();
}

// With conferences the groups are divisions.
void TTournamentForm::UpdateSetupCommands() {
    QAction* groups = Command(QStringLiteral("GroupManagementAction"));
    const bool conferences = doc_->Tournament().HasConferences();
    groups->setText(conferences ? LangText(5253, "Division &Management")
                                : LangText(5252, "Group &Management"));
    groups->setStatusTip(conferences ? LangText(5255, "Show Division Management Dialog")
                                     : LangText(5254, "Show Group Management Dialog"));
}

} // namespace kv
