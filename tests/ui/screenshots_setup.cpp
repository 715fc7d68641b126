#include "ui/screenshots.h"
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "model/sport.h"
#include "storage/tournament_list.h"
#include "support/testenv.h"
#include "ui/setup/format_form.h"
#include "ui/setup/group_frame.h"
#include "ui/setup/group_management_form.h"
#include "ui/setup/import_teams_txt_form.h"
#include "ui/setup/main_table_frame.h"
#include "ui/setup/new_tournament_form.h"
#include "ui/setup/results_file_frame.h"
#include "ui/setup/tournament_properties_form.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

void ShotSetupWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs) {
    // The wizard copying the soccer sample, so that every page shows what it holds.
    kv::TNewTournamentForm wizard(main.List(), dialogs, &main);
    wizard.show();
    kvtest::Child<QRadioButton>(wizard, "ExistingBtn").setChecked(true);
    const char* pages[] = {"start", "source", "type", "name", "points", "structure", "ranking"};
    Shot(wizard, QStringLiteral("TNewTournamentForm-") + QLatin1String(pages[0]));
    wizard.next();
    wizard.SelectSource(
        main.List().FindByPath(kv::TTournamentList::SavesPath(QStringLiteral("soccer.kvd"))));
    Shot(wizard, QStringLiteral("TNewTournamentForm-") + QLatin1String(pages[1]));
    wizard.next();
    for (int page = 2; page < 7; ++page) {
        if (page == 3) { // the copy needs a name and a file of its own
            wizard.MainFrame().NameEdit().setText(QStringLiteral("Riverside Autumn League"));
            wizard.MainFrame().FileEdit().setText(QStringLiteral("autumn"));
        }
        Shot(wizard, QStringLiteral("TNewTournamentForm-") + QLatin1String(pages[page]));
        if (page < 6) wizard.next();
    }
    // The ranking page after each of its four moves: the lists show what they hold.
    auto* available = wizard.findChild<QListWidget*>(QStringLiteral("AvailableList"));
    auto* active = wizard.findChild<QListWidget*>(QStringLiteral("ActiveList"));
    const auto press = [&wizard](const char* button) {
        wizard.findChild<QPushButton*>(QLatin1String(button))->click();
    };
    available->setCurrentRow(0);
    press("RightBtn");
    Shot(wizard, QStringLiteral("TSortFrame-moved-right"));
    press("AllRightBtn");
    Shot(wizard, QStringLiteral("TSortFrame-moved-all-right"));
    active->setCurrentRow(1);
    press("LeftBtn");
    Shot(wizard, QStringLiteral("TSortFrame-moved-left"));
    press("AllLeftBtn");
    Shot(wizard, QStringLiteral("TSortFrame-moved-all-left"));
    wizard.reject();

    // The wizard's path from a file of results: the page with a season read in, and the name
    // page it fills.
    kv::TNewTournamentForm fromFile(main.List(), dialogs, &main);
    fromFile.show();
    kvtest::Child<QRadioButton>(fromFile, "ResultsBtn").setChecked(true);
    fromFile.next();
    fromFile.ResultsFrame().LoadFile(
        kvtest::SharedDataPath(QStringLiteral("premier-league-2011-12-results.csv")));
    Shot(fromFile, QStringLiteral("TNewTournamentForm-results"));
    fromFile.next();
    Shot(fromFile, QStringLiteral("TNewTournamentForm-results-name"));
    fromFile.next();
    fromFile.next();
    Shot(fromFile, QStringLiteral("TNewTournamentForm-results-structure"));
    fromFile.button(QWizard::CancelButton)->click();

    for (kv::TTournamentForm* form : main.TournamentForms()) {
        kv::TTournamentDocument& doc = form->Document();
        if (doc.Tournament().Sport == kv::SportBasketball) {
            kv::TGroupManagementForm groups(doc, dialogs, &main);
            groups.show();
            Shot(groups, QStringLiteral("TGroupManagementForm"));
        }
        if (doc.Tournament().Sport != kv::SportHockey) continue;
        kv::TTournamentPropertiesForm properties(doc, main.List(), &main);
        properties.show();
        Shot(properties, QStringLiteral("TTournamentPropertiesForm"));
        kv::TReglamentForm format(doc, &main);
        format.show();
        const char* names[] = {"main", "points", "ranking"};
        for (int page = 0; page < 3; ++page) {
            kvtest::Child<QTabWidget>(format, "Pages").setCurrentIndex(page);
            Shot(format, QStringLiteral("TReglamentForm-") + QLatin1String(names[page]));
        }
    }

    kv::TImportTeamsTxtForm teams(dialogs, &main);
    kvtest::Child<QPlainTextEdit>(teams, "TeamsText")
        .setPlainText(QStringLiteral("Ashford\nBrampton\nCarlow\nDunmore"));
    teams.show();
    Shot(teams, QStringLiteral("TImportTeamsTxtForm"));
}
