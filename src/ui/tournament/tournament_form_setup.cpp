#include "ui/tournament/tournament_form.h"

// The tournament window's commands that re-shape the tournament: its format, properties and
// structure.
#include "base/language.h"
#include "edit/tournament_document.h"
#include "storage/tournament_list.h"
#include "ui/setup/format_form.h"
#include "ui/setup/group_management_form.h"
#include "ui/setup/team_properties_form.h"
#include "ui/setup/tournament_properties_form.h"
#include "ui/tables/table_appearance_form.h"
#include "ui/tables/tables_page.h"

#include <QAction>

namespace kv {

void TTournamentForm::BuildSetupCommands() {
    const TCommandSet& c = *commands_;
    connect(c[TCommandId::Format], &QAction::triggered, this, [this] {
        TReglamentForm(*doc_, this).exec();
        UpdateCommands();
    });
    connect(c[TCommandId::Properties], &QAction::triggered, this, [this] {
        const TTournamentList none;
        TTournamentPropertiesForm form(*doc_, list_ ? *list_ : none, this);
        connect(&form, &TTournamentPropertiesForm::FileMoved, this, &TTournamentForm::FileMoved);
        form.exec();
        UpdateCommands();
    });
    connect(c[TCommandId::TableAppearance], &QAction::triggered, this, [this] {
        TTableAppearanceForm(*doc_, dialogs_, this).exec();
        UpdateCommands();
    });
    connect(c[TCommandId::TeamProperties], &QAction::triggered, this, [this] { EditTeam(-1); });
    connect(tables_, &TTablesPage::TeamClicked, this, &TTournamentForm::EditTeam);
    connect(c[TCommandId::GroupManagement], &QAction::triggered, this, [this] {
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
    QAction* groups = Command(TCommandId::GroupManagement);
    const bool conferences = doc_->Tournament().HasConferences();
    const TCommandText& text = CommandSpec(TCommandId::GroupManagement).Text;
    groups->setText(conferences ? LangText(5253, "Division &Management")
                                : LangText(text.Id, text.Text));
    groups->setStatusTip(conferences ? LangText(5255, "Show Division Management Dialog")
                                     : LangText(5254, "Show Group Management Dialog"));
}

} // namespace kv
