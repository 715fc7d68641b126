#include "ui/screenshots.h"
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "export/csv_reader.h"
#include "export/fixture_rows.h"
#include "export/publish_site.h"
#include "model/sport.h"
#include "ui/fixtures/csv_import_options_form.h"
#include "ui/fixtures/import_csv_form.h"
#include "ui/fixtures/select_fixture_column_form.h"
#include "ui/output/export_csv_options_form.h"
#include "ui/output/export_xlsx_options_form.h"
#include "ui/output/grid_print_preview_form.h"
#include "ui/output/grid_print_setting_form.h"
#include "ui/output/html_settings_form.h"
#include "ui/output/print_preview_form.h"
#include "ui/output/select_tables_frame.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include <QFile>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBrowser>

void ShotExportWindows(kv::TMainForm& main, kvtest::TScriptedDialogs& dialogs) {
    for (kv::TTournamentForm* form : main.TournamentForms()) {
        kv::TTournamentDocument& doc = form->Document();
        if (doc.Tournament().Sport != kv::SportBasketball) continue;
        const kv::TTournament& t = doc.Tournament();
        const std::vector<int> first{kv::TSelectTablesFrame::AllTables(t).front()};
        kv::THTMLSettingsForm html(&t, first, &main);
        html.show();
        Shot(html, QStringLiteral("THTMLSettingsForm"));
        kv::TExportCSVOptionsForm csv(&t, first, &main);
        csv.show();
        Shot(csv, QStringLiteral("TExportCSVOptionsForm"));
        kv::TExportXlsxOptionsForm xlsx(t, kv::TSelectTablesFrame::AllTables(t), &main);
        xlsx.show();
        Shot(xlsx, QStringLiteral("TExportXlsxOptionsForm"));
    }
    // A team's page of the published site as a phone shows it (390 pixels wide), with the
    // link to its calendar: drawn by the toolkit's rich-text browser with the site's style.
    for (kv::TTournamentForm* form : main.TournamentForms()) {
        const kv::TTournament& t = form->Document().Tournament();
        if (t.Sport != kv::SportSoccer || t.JointTable().Teams().empty()) continue;
        const auto pages = kv::SitePages(t);
        const QString team = QStringLiteral("team-%1.html").arg(t.JointTable().Teams().front()->Id);
        QTextBrowser phone;
        phone.setObjectName(QStringLiteral("PublishedTeamPage"));
        phone.document()->setDefaultStyleSheet(
            QString::fromUtf8(pages.at(QStringLiteral("style.css"))));
        phone.setHtml(QString::fromUtf8(pages.at(team)));
        phone.resize(390, 760);
        phone.show();
        // The calendar link at the end of the fixtures comes into view.
        phone.scrollToAnchor(QString());
        phone.verticalScrollBar()->setValue(phone.verticalScrollBar()->maximum());
        Shot(phone, QStringLiteral("PublishedSite-team-calendar-phone"));
        break;
    }
    for (kv::TTournamentForm* form : main.TournamentForms()) {
        kv::TTournamentDocument& doc = form->Document();
        if (doc.Tournament().Sport != kv::SportSoccer) continue;
        QFile source(QStringLiteral(KV_SAMPLES "/source/soccer.csv"));
        if (!source.open(QIODevice::ReadOnly)) continue;
        const QString text = QString::fromUtf8(source.readAll());
        kv::TCSVImportOptionsForm options(text, &main);
        options.show();
        Shot(options, QStringLiteral("TCSVImportOptionsForm"));
        kv::TImportCSVForm import(doc, options.Records(), &main);
        import.SetKind(0, kv::ImportMatchday);
        import.SetKind(1, kv::ImportDate);
        import.SetKind(2, kv::ImportHome);
        import.SetKind(3, kv::ImportScore);
        import.SetKind(4, kv::ImportVisitor);
        import.show();
        Shot(import, QStringLiteral("TImportCSVForm"));
        // Short values under long headings: the headings still show whole.
        kv::TCSVImportOptionsForm narrowOptions(QStringLiteral("1;2:1;5;900\n2;0:0;7;1200\n"),
                                                &main);
        kv::TImportCSVForm narrow(doc, narrowOptions.Records(), &main);
        narrow.SetKind(0, kv::ImportMatchday);
        narrow.SetKind(1, kv::ImportScore);
        narrow.SetKind(2, kv::ImportReferee);
        narrow.SetKind(3, kv::ImportAttendance);
        narrow.show();
        Shot(narrow, QStringLiteral("TImportCSVForm-narrow"));
        kv::TSelectFixtureColumnForm column(kv::ImportScore, false, &main);
        column.show();
        Shot(column, QStringLiteral("TSelectFixtureColumnForm"));

        // The soccer sample has two groups.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        kv::TPrintPreviewForm print(doc.Tournament(), printer, dialogs, &main);
        print.show();
        Shot(print, QStringLiteral("TPrintPreviewForm"));
        const kv::TGridData grid = kv::FixtureGrid(doc.Tournament());
        std::vector<int> rows;
        for (int i = 0; i < static_cast<int>(grid.Rows.size()); ++i)
            rows.push_back(i);
        std::vector<int> widths;
        for (int c = 0; c < grid.ColumnCount(); ++c)
            widths.push_back(c == 0 ? 40 : 110);
        kv::TGridPrintPreviewForm preview(grid, rows, widths, doc.Tournament().Name, dialogs,
                                          &main);
        preview.setWindowState(Qt::WindowNoState);
        preview.resize(900, 700);
        preview.show();
        Shot(preview, QStringLiteral("TGridPrintPreviewForm"));
        kv::TGridPrintSettingForm setting(kv::TGridPrintSettings::FromSettings(), &main);
        setting.show();
        Shot(setting, QStringLiteral("TGridPrintSettingForm"));
    }
}
