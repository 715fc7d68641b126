#include "ui/tournament_form.h"

// The tournament window's exports: the standings tables, or the fixture list when it shows.
#include "base/programfolder.h"
#include "export/fixture_rows.h"
#include "model/tournament.h"
#include "ui/export_flows.h"
#include "ui/fixtures_page.h"
#include "ui/select_tables_frame.h"
#include "ui/tournament_document.h"

#include <QAction>
#include <QFileInfo>

namespace kv {

void TTournamentForm::BuildExportCommands() {
    QAction* html = AddCommand("ExportTableToHTMLAction", 5258, "&HTML...");
    connect(html, &QAction::triggered, this, [this] {
        const TTournament& t = doc_->Tournament();
        if (Page() == 1)
            ExportGridToHtml(this, dialogs_, FixtureGrid(t, fixtures_->Filter()), {t.Name});
        else
            ExportTablesToHtml(this, dialogs_, t, TSelectTablesFrame::AllTables(t));
    });
    QAction* text = AddCommand("ExportTableToTextAction", 5259, "&CSV / Text...");
    connect(text, &QAction::triggered, this, [this] {
        const TTournament& t = doc_->Tournament();
        if (Page() == 1)
            ExportGridToCsv(this, dialogs_, FixtureGrid(t, fixtures_->Filter()));
        else
            ExportTablesToCsv(this, dialogs_, t, TSelectTablesFrame::AllTables(t));
    });
    QAction* sheet = AddCommand("ExportFixturesToExcelAction", 5260, "Fixture List as &Spreadsheet...");
    connect(sheet, &QAction::triggered, this, [this] {
        const TTournament& t = doc_->Tournament();
        ExportGridToSpreadsheet(this, dialogs_, FixtureGrid(t, fixtures_->Filter()),
                                ProgramFolder() + QFileInfo(t.FileName).completeBaseName());
    });
}

} // namespace kv
