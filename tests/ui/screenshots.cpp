// The tour of every window, dialog and page on the samples, each shown as a user would meet
// it and handed to the visitor under its class (and page) name: make screenshots takes a
// picture of each, the window tests check each.
#include "ui/screenshots.h"
#include "ui/ui_support.h"

#include "base/language.h"
#include "base/programfolder.h"
#include "base/textformat.h"
#include "edit/tournament_document.h"
#include "model/sport.h"
#include "render/table_hit.h"
#include "standings/schedule.h"
#include "standings/tournament_setup.h"
#include "support/builders.h"
#include "ui/fixtures/add_fixtures_form.h"
#include "ui/fixtures/fixture_date_form.h"
#include "ui/fixtures/fixtures_columns_form.h"
#include "ui/fixtures/match_leg_form.h"
#include "ui/fixtures/match_row_form.h"
#include "ui/fixtures/score_form.h"
#include "ui/help/help_form.h"
#include "ui/setup/people_form.h"
#include "ui/shell/about_box.h"
#include "ui/shell/filter_tool_window.h"
#include "ui/shell/find_tournament_form.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/shell/preferences_form.h"
#include "ui/shell/splash_form.h"
#include "ui/shell/table_tool_window.h"
#include "ui/shell/tool_windows.h"
#include "ui/tables/table_columns_form.h"
#include "ui/tables/table_dimensions_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tables/tie_order_form.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/date_time_field.h"
#include "ui/widgets/wait_form.h"
#include "ui/widgets/widget_messages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

TShotVisitor visitor;
TPdfVisitor pdfVisitor;

} // namespace

void SetShotVisitors(TShotVisitor windows, TPdfVisitor pdfPages) {
    visitor = std::move(windows);
    pdfVisitor = std::move(pdfPages);
}

void Shot(QWidget& w, const QString& name) {
    QApplication::processEvents();
    if (visitor) visitor(w, name);
}

void ShotPdfPage(const QString& pdf, const QString& name) {
    if (pdfVisitor) pdfVisitor(pdf, name);
}

void TourEveryWindow(kvtest::TScriptedDialogs& dialogs, const QStringList& samples) {
    {
        kv::TMainForm main(dialogs);
        main.resize(1280, 820);
        main.show();
        // One window per sample, its tables page shown.
        kv::TTournamentList& list = main.List();
        for (const QString& file : samples) {
            const kv::TListNode* entry = list.FindByPath(kv::TTournamentList::SavesPath(file));
            if (!entry) continue;
            kv::TTournamentForm* form = main.OpenTournament(entry->Data);
            if (!form) continue;
            if (auto* w = qobject_cast<QMdiSubWindow*>(form->parentWidget())) w->showMaximized();
            Shot(*form,
                 QStringLiteral("TTournamentForm-tables-") + QFileInfo(file).completeBaseName());
            form->Command(kv::TCommandId::ShowFixtures)->trigger();
            Shot(*form,
                 QStringLiteral("TTournamentForm-fixtures-") + QFileInfo(file).completeBaseName());
            if (file == QLatin1String("soccer.kvd")) // the page under its own name
                Shot(*form, QStringLiteral("TTournamentForm-fixtures"));
            form->Command(kv::TCommandId::ShowTables)->trigger();
        }
        // The score dialog: a hockey match decided in overtime on each page, a soccer forfeit.
        for (kv::TTournamentForm* form : main.TournamentForms()) {
            kv::TTournamentDocument& doc = form->Document();
            const kv::TTournament& t = doc.Tournament();
            if (t.Sport == kv::SportHockey) {
                const kv::TMatch* ot = nullptr;
                for (const kv::TMatch* m : t.JointTable().Matches())
                    if (m->DecidedIn == 1 && !ot) ot = m;
                kv::TScoreForm dialog(dialogs, &main);
                dialog.OpenMatch(doc, ot ? ot->Id : t.JointTable().Matches().front()->Id, 0);
                dialog.show();
                const char* names[] = {"score", "date", "referees", "comments"};
                for (int page = 0; page < 4; ++page) {
                    dialog.ShowPage(page);
                    Shot(dialog, QStringLiteral("TScoreForm-") + QLatin1String(names[page]));
                }
                const kv::TMatch* first = t.JointTable().Matches().front();
                kv::TMatchLegForm legs(doc, first->HomeTeamId, first->VisitorTeamId, first->Id,
                                       &main);
                legs.show();
                Shot(legs, QStringLiteral("TMatchLegForm"));
                Shot(legs,
                     QStringLiteral("TMatchListForm")); // the class both list dialogs are made of
                kv::TMatchRowForm rows(doc, first->HomeTeamId, first->VisitorTeamId, first->Id,
                                       &main);
                rows.show();
                Shot(rows, QStringLiteral("TMatchRowForm"));
                kv::TPeopleForm stadiums(kv::TPeopleKind::Stadiums, doc, dialogs, &main);
                stadiums.show();
                Shot(stadiums, QStringLiteral("TStadiumsForm"));
                Shot(stadiums,
                     QStringLiteral("TPeopleForm-stadiums")); // the class both dialogs are made of
                kv::TPeopleForm referees(kv::TPeopleKind::Referees, doc, dialogs, &main);
                referees.show();
                Shot(referees, QStringLiteral("TRefereesForm"));
                Shot(referees, QStringLiteral("TPeopleForm-referees"));
            } else if (t.Sport == kv::SportSoccer) {
                kv::TScoreForm dialog(dialogs, &main);
                dialog.OpenMatch(doc, t.JointTable().Matches().front()->Id, 0);
                dialog.findChild<QCheckBox*>(QStringLiteral("ForfeitChB"))->setChecked(true);
                dialog.show();
                Shot(dialog, QStringLiteral("TScoreForm-score-forfeit"));
                const kv::TMatch* first = t.JointTable().Matches().front();
                kv::TFixtureDateForm date(kv::TFixtureField::Date, t, &main);
                date.SetDate(first->HasDate, first->Date);
                date.show();
                Shot(date, QStringLiteral("TFixtureDateForm"));
                kv::TAddFixturesForm add(doc, &main);
                add.show();
                const kv::TTeam* a = t.Groups().front()->Teams()[0];
                const kv::TTeam* b = t.Groups().front()->Teams()[1];
                add.ChooseTeam(b->Id);
                add.ChooseTeam(a->Id);
                Shot(add, QStringLiteral("TAddFixturesForm-hand"));
                add.Pages().setCurrentIndex(1);
                add.Preview();
                Shot(add, QStringLiteral("TAddFixturesForm"));
                // Weekly dates with a break, the preview's dates stepping over it.
                add.findChild<QCheckBox*>(QStringLiteral("HasDateChB"))->setChecked(true);
                add.findChild<QCheckBox*>(QStringLiteral("HasTimeChB"))->setChecked(true);
                add.findChild<kv::TDateTimeField*>(QStringLiteral("FirstDateEdit"))
                    ->setText(QStringLiteral("Sat 19 Dec 2026"));
                add.findChild<QLineEdit*>(QStringLiteral("SkipDatesEdit"))
                    ->setText(QStringLiteral("24/12/2026 - 6/1/2027"));
                add.Preview();
                if (auto* tree = add.findChild<QTreeWidget*>(QStringLiteral("PreviewTree")))
                    tree->collapseAll();
                Shot(add, QStringLiteral("TAddFixturesForm-skipped-dates"));
                kv::TTieOrderForm tieOrder(doc, *t.Groups().front(), &main);
                tieOrder.show();
                Shot(tieOrder, QStringLiteral("TTieOrderForm"));
                kv::TTableColumnsForm tableColumns(doc, &main);
                tableColumns.show();
                Shot(tableColumns, QStringLiteral("TTableColumnsForm"));
                kv::TTableDimensionsForm dimensions(doc, &main);
                dimensions.show();
                Shot(dimensions, QStringLiteral("TTableDimensionsForm"));
                kv::TFixturesColumnsForm columns(doc, &main);
                columns.show();
                Shot(columns, QStringLiteral("TFixturesColumnsForm"));
                columns.Pages().setCurrentIndex(1);
                Shot(columns, QStringLiteral("TFixturesColumnsForm-settings"));
                const char* fields[] = {"date", "time", "matchday", "stadium"};
                for (int f = 0; f < 4; ++f) {
                    kv::TFixtureDateForm one(static_cast<kv::TFixtureField>(f), t, &main);
                    one.SetTime(first->HasTime, first->Time);
                    one.SetMatchday(first->Matchday);
                    one.SetStadium(first->StadiumId);
                    one.show();
                    Shot(one, QStringLiteral("TFixtureDateForm-") + QLatin1String(fields[f]));
                }
            }
        }
        // The largest legal tournament's fixture list: 70 teams, 8 legs, drawn up by the generator.
        {
            QStringList teams;
            for (int i = 1; i <= 70; ++i)
                teams << QStringLiteral("Team %1").arg(i);
            auto largest =
                kvtest::MakeTournament(kv::SportSoccer, 8, {{QStringLiteral("League"), teams}});
            largest->Name = QStringLiteral("Largest League");
            kv::AddSchedule(*largest, kv::PlanSchedule(*largest));
            kv::RecomputeAll(*largest);
            kv::TTournamentForm form(std::move(largest), dialogs);
            form.resize(1100, 700);
            form.show();
            form.Command(kv::TCommandId::ShowFixtures)->trigger();
            Shot(form, QStringLiteral("TTournamentForm-fixtures-largest"));
        }
        // The tool windows, floating, on the soccer sample.
        for (kv::TTournamentForm* form : main.TournamentForms())
            if (form->Document().Tournament().Sport == kv::SportSoccer) {
                if (auto* w = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
                    main.findChild<QMdiArea*>()->setActiveSubWindow(w);
                kv::TTableToolWindow& table = main.ToolWindows().Table();
                main.Command(kv::TCommandId::SortTool)->trigger();
                table.setFloating(true);
                table.resize(300, 200);
                Shot(table, QStringLiteral("ToolWindow-sort"));
                main.Command(kv::TCommandId::ColumnsTool)->trigger();
                Shot(table, QStringLiteral("ToolWindow-columns"));
                main.Command(kv::TCommandId::ColumnsTool)->trigger();
                kv::TFilterToolWindow& filter = main.ToolWindows().Filter();
                main.Command(kv::TCommandId::MainFilterTool)->trigger();
                filter.setFloating(true);
                filter.resize(300, 200);
                filter.ChooseKind(1);
                Shot(filter, QStringLiteral("ToolWindow-filter"));
                form->Command(kv::TCommandId::ShowFixtures)->trigger();
                main.Command(kv::TCommandId::FixturesFilterTool)->trigger();
                Shot(filter, QStringLiteral("ToolWindow-filter-fixtures"));
                main.Command(kv::TCommandId::FixturesFilterTool)->trigger();
                form->Command(kv::TCommandId::Undo)->trigger();
                form->Command(kv::TCommandId::ShowTables)->trigger();
            }
        main.ListPanel().Select(list.FindByPath(kv::TTournamentList::SavesPath(samples.value(3))));
        Shot(main, QStringLiteral("TMainForm"));
        // Each menu of the main window, open, as the user reads it.
        for (QAction* title : main.menuBar()->actions()) {
            QMenu* menu = title->menu();
            if (!menu) continue;
            emit menu->aboutToShow();
            menu->popup(main.mapToGlobal(main.menuBar()->actionGeometry(title).bottomLeft()));
            Shot(*menu,
                 QStringLiteral("TMainForm-menu-") + menu->objectName().chopped(4).toLower());
            menu->hide();
        }
        // A question, with the toolkit's own buttons in the program's language.
        const auto question =
            kv::MakeMessageBox(kv::TMessageKind::QuestionYesNoCancel,
                               kv::Fmt(kv::LangText(6506, "Save changes in tournament '%s'?"),
                                       QStringLiteral("Riverside Spring League")),
                               &main);
        question->show();
        Shot(*question, QStringLiteral("QMessageBox-question"));
        question->hide();

        kv::TFindTournamentForm find(&main);
        find.SetText(QStringLiteral("League"));
        find.show();
        Shot(find, QStringLiteral("TFindTournamentForm"));
        main.PreferencesForm().Reload();
        main.PreferencesForm().show();
        Shot(main.PreferencesForm(), QStringLiteral("TPreferencesForm"));
        main.PreferencesForm().hide();
        ShotSetupWindows(main, dialogs);
        ShotLookWindows(main, dialogs);
        ShotExportWindows(main, dialogs);
        ShotStatisticsWindows(main, dialogs);
        ShotOutlookWindows(dialogs);
        kv::TAboutBox about(&main);
        about.show();
        Shot(about, QStringLiteral("TAboutBox"));
    }
    kv::TWaitForm wait;
    wait.SetProgress(40);
    wait.show();
    Shot(wait, QStringLiteral("TWaitForm"));
    kv::TSplashForm splash;
    splash.show();
    Shot(splash, QStringLiteral("TSplashForm"));
    {
        kv::THelpForm help;
        help.ShowTopic(QStringLiteral("IDH_TIE_BREAKS"));
        help.show();
        Shot(help, QStringLiteral("THelpForm"));
    }
}
