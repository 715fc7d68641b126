#include "ui/tournament/tournament_form.h"

// The tournament window's exports (the standings tables, or the fixture list when it shows)
// and the import of fixtures from delimited text.
#include "base/codepages.h"
#include "base/fileio.h"
#include "base/language.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "edit/dropped_files.h"
#include "edit/tournament_document.h"
#include "export/fixture_rows.h"
#include "export/publish_site.h"
#include "model/tournament.h"
#include "ui/fixtures/csv_import_options_form.h"
#include "ui/fixtures/fixtures_page.h"
#include "ui/fixtures/import_csv_form.h"
#include "ui/output/export_flows.h"
#include "ui/output/grid_print_preview_form.h"
#include "ui/output/print_preview_form.h"
#include "ui/output/select_tables_frame.h"
#include "ui/statistics/statistics_page.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/wait_form.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMimeData>
#include <QPrinter>
#include <QTimer>

namespace kv {

void TTournamentForm::BuildExportCommands() {
    const TCommandSet& c = *commands_;
    connect(c[TCommandId::ExportTableToHTML], &QAction::triggered, this, [this] {
        const TTournament& t = doc_->Tournament();
        if (Page() == 1)
            ExportGridToHtml(this, dialogs_, FixtureGrid(t, fixtures_->Filter()), {t.Name});
        else if (Page() == 2)
            stats_->ExportGridToHtml();
        else
            ExportTablesToHtml(this, dialogs_, t, TSelectTablesFrame::AllTables(t));
    });
    connect(c[TCommandId::ExportTableToText], &QAction::triggered, this, [this] {
        const TTournament& t = doc_->Tournament();
        if (Page() == 1)
            ExportGridToCsv(this, dialogs_, FixtureGrid(t, fixtures_->Filter()));
        else if (Page() == 2)
            stats_->ExportGridToCsv();
        else
            ExportTablesToCsv(this, dialogs_, t, TSelectTablesFrame::AllTables(t));
    });
    connect(c[TCommandId::ExportFixturesToExcel], &QAction::triggered, this, [this] {
        const TTournament& t = doc_->Tournament();
        ExportGridToSpreadsheet(this, dialogs_, FixtureGrid(t, fixtures_->Filter()),
                                ProgramFolder() + QFileInfo(t.FileName).completeBaseName());
    });
    connect(c[TCommandId::ExportTablesToSpreadsheet], &QAction::triggered, this, [this] {
        const TTournament& t = doc_->Tournament();
        ExportTablesToSpreadsheet(this, dialogs_, t, TSelectTablesFrame::AllTables(t));
    });
    connect(c[TCommandId::Publish], &QAction::triggered, this, &TTournamentForm::Publish);
    connect(c[TCommandId::ImportCSV], &QAction::triggered, this, &TTournamentForm::ImportFromCsv);
}

// The web site into a folder of the user's choice; the folder is offered again next time.
void TTournamentForm::Publish() {
    const QString last =
        RegReadString(QStringLiteral("Publish"), QStringLiteral("Folder"), QString());
    const QString folder = dialogs_.ChooseFolder(this, LangText(5263, "Publish Web Site"), last);
    if (folder.isEmpty()) return;
    if (HoldsOtherFiles(folder) &&
        ShowAppMessage(
            Fmt(LangText(5265, "The folder %s holds other files. Publish the web site into it?"),
                folder),
            TMessageKind::QuestionYesNo) != TMessageButton::Yes)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    int files = 0;
    const TIoResult r = PublishSite(doc_->Tournament(), folder, &files);
    QApplication::restoreOverrideCursor();
    if (!r) {
        ShowAppMessage(r.Message, TMessageKind::Error);
        return;
    }
    RegWriteString(QStringLiteral("Publish"), QStringLiteral("Folder"), folder);
    ShowAppMessage(
        Fmt(LangText(5264, "The web site was written into %s (%d files)."), folder, files),
        TMessageKind::Information);
}

void TTournamentForm::ImportFromCsv() {
    QString filter = LangText(11515, "Comma Separated Values (*.csv)");
    const QString filters = filter + QStringLiteral(";;") + LangText(11516, "Text Files (*.txt)") +
                            QStringLiteral(";;") + LangText(153, "All Files (*)");
    const QStringList files = dialogs_.OpenFiles(
        this, LangText(11517, "Import Fixtures from CSV File"), ProgramFolder(), filters, filter);
    if (files.isEmpty()) return;
    ImportCsvFile(files.front());
}

void TTournamentForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!SortDroppedFiles(event->mimeData()->urls()).Texts.isEmpty()) event->acceptProposedAction();
}

void TTournamentForm::dropEvent(QDropEvent* event) {
    const TDroppedFiles files = SortDroppedFiles(event->mimeData()->urls());
    if (files.Texts.isEmpty()) return;
    event->acceptProposedAction();
    // The import's dialogs open once the drop is over.
    const QString path = files.Texts.front();
    QTimer::singleShot(0, this, [this, path] { ImportCsvFile(path); });
}

void TTournamentForm::ImportCsvFile(const QString& path) {
    QByteArray bytes;
    if (const TIoResult read = ReadFileBytes(path, bytes); !read) {
        ShowAppMessage(read.Message, TMessageKind::Error);
        return;
    }
    TCSVImportOptionsForm options(DecodeCsvText(bytes), this);
    if (options.exec() != QDialog::Accepted) return;
    // A long file takes a moment to read into the list: the wait window says so.
    std::unique_ptr<TWaitForm> wait;
    if (bytes.size() > (1 << 20)) {
        wait = std::make_unique<TWaitForm>(
            Fmt(LangText(11550, "Loading %s ..."), QFileInfo(path).fileName()));
        wait->ShowNow();
    }
    TImportCSVForm form(*doc_, options.Records(), this);
    wait.reset();
    form.exec();
    UpdateCommands();
}

// The tables through the print dialog and the print setup; the fixture list and the statistics
// grid through their preview.
void TTournamentForm::Print() {
    const TTournament& t = doc_->Tournament();
    if (Page() == 0) {
        // Tables are drawn in screen pixels and their fonts in points: at the screen's resolution
        // both grow with the zoom alike.
        QPrinter printer(QPrinter::ScreenResolution);
        const bool landscape =
            RegReadBool(QStringLiteral("Print"), QStringLiteral("PrintLandscape"), false);
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        if (!dialogs_.ChoosePrinter(this, printer)) return;
        TPrintPreviewForm(t, printer, dialogs_, this).exec();
    } else if (Page() == 1) {
        // The selected rows when several are, else every row.
        std::vector<int> rows = fixtures_->SelectedRows();
        if (rows.size() < 2) {
            rows.clear();
            for (int i = 0; i < fixtures_->RowCount(); ++i)
                rows.push_back(i);
        }
        std::vector<int> widths;
        for (int c = 0; c < fixtures_->horizontalHeader()->count(); ++c)
            widths.push_back(fixtures_->horizontalHeader()->sectionSize(c));
        TGridPrintPreviewForm(FixtureGrid(t, fixtures_->Filter()), rows, widths, t.Name, dialogs_,
                              this)
            .exec();
    } else {
        stats_->PrintGrid();
    }
}

} // namespace kv
