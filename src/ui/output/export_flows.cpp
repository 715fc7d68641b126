#include "ui/output/export_flows.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "export/csv_export.h"
#include "export/html_export.h"
#include "export/table_grid.h"
#include "export/xlsx_export.h"
#include "model/group.h"
#include "model/tournament.h"
#include "standings/tournament_setup.h"
#include "ui/output/export_csv_options_form.h"
#include "ui/output/export_xlsx_options_form.h"
#include "ui/output/html_settings_form.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/wait_form.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace kv {

namespace {

QString HtmlFilter() {
    return LangText(1163, "HTML Files (*.htm *.html)");
}
QString CsvFilter() {
    return LangText(1161, "Comma Separated Values (*.csv);;Text Files (*.txt)");
}

// A file name already proposed takes the format's extension.
QString Proposed(const QString& name, const QString& extension) {
    if (name.isEmpty()) return name;
    const QFileInfo info(name);
    const QString file = info.completeBaseName() + extension;
    return info.path() == QStringLiteral(".") ? file : QDir(info.path()).filePath(file);
}

bool Written(const TIoResult& r) {
    if (!r) ShowAppMessage(r.Message, TMessageKind::Error);
    return r.Ok;
}

QString FileNameOf(const TTournament& t) {
    return QFileInfo(t.FileName).completeBaseName();
}

} // namespace

QString WithDefaultExtension(const QString& path, const QString& extension) {
    return QFileInfo(path).suffix().isEmpty() ? path + extension : path;
}

bool ExportTablesToHtml(QWidget* parent, TDialogSeam& dialogs, const TTournament& t,
                        const std::vector<int>& chosen) {
    THTMLSettingsForm settings(&t, chosen, parent);
    if (settings.exec() != QDialog::Accepted) return false;
    const QString path =
        dialogs.SaveFile(parent, LangText(11703, "Export into HTML"),
                         Proposed(FileNameOf(t), QStringLiteral(".htm")), HtmlFilter());
    if (path.isEmpty()) return false;
    return Written(WriteTablesHtml(t, WithDefaultExtension(path, QStringLiteral(".htm")),
                                   settings.Charset(), settings.Chosen(),
                                   settings.TableAttributes()));
}

bool ExportTablesToCsv(QWidget* parent, TDialogSeam& dialogs, const TTournament& t,
                       const std::vector<int>& chosen) {
    TExportCSVOptionsForm options(&t, chosen, parent);
    if (options.exec() != QDialog::Accepted) return false;
    const QString path =
        dialogs.SaveFile(parent, LangText(11904, "Export into CSV / Text File"),
                         Proposed(FileNameOf(t), QStringLiteral(".csv")), CsvFilter());
    if (path.isEmpty()) return false;
    return Written(WriteTablesCsv(t, WithDefaultExtension(path, QStringLiteral(".csv")),
                                  options.Separator(), options.Chosen(), options.Quote()));
}

bool ExportGridToHtml(QWidget* parent, TDialogSeam& dialogs, const TGridData& grid,
                      const QStringList& title) {
    THTMLSettingsForm settings(nullptr, {}, parent);
    if (settings.exec() != QDialog::Accepted) return false;
    const QString path =
        dialogs.SaveFile(parent, LangText(1162, "Export to HTML"), QString(), HtmlFilter());
    if (path.isEmpty()) return false;
    return Written(WriteGridHtml(grid, WithDefaultExtension(path, QStringLiteral(".htm")),
                                 settings.TableAttributes(), true, title, settings.Charset()));
}

bool ExportGridToCsv(QWidget* parent, TDialogSeam& dialogs, const TGridData& grid) {
    TExportCSVOptionsForm options(nullptr, {}, parent);
    if (options.exec() != QDialog::Accepted) return false;
    const QString path = dialogs.SaveFile(parent, LangText(1160, "Export to CSV / Text File"),
                                          QString(), CsvFilter());
    if (path.isEmpty()) return false;
    return Written(WriteGridCsv(grid, WithDefaultExtension(path, QStringLiteral(".csv")),
                                options.Separator(), options.Quote()));
}

bool ExportGridToSpreadsheet(QWidget* parent, TDialogSeam& dialogs, const TGridData& grid,
                             const QString& suggested) {
    const QString path = dialogs.SaveFile(parent, LangText(5322, "Export into a Spreadsheet"),
                                          Proposed(suggested, QStringLiteral(".xlsx")),
                                          LangText(5323, "Excel Workbooks (*.xlsx)"));
    if (path.isEmpty()) return false;
    TWaitForm wait(LangText(5324, "Writing the spreadsheet..."));
    wait.ShowNow();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TIoResult r = ExportGridToXlsx(WithDefaultExtension(path, QStringLiteral(".xlsx")), grid,
                                         [&wait](int percent) { wait.SetProgress(percent); });
    QApplication::restoreOverrideCursor();
    wait.close();
    return Written(r);
}

bool ExportTablesToSpreadsheet(QWidget* parent, TDialogSeam& dialogs, const TTournament& t,
                               const std::vector<int>& chosen) {
    TExportXlsxOptionsForm options(t, chosen, parent);
    if (options.exec() != QDialog::Accepted) return false;
    const QString path = dialogs.SaveFile(parent, LangText(5322, "Export into a Spreadsheet"),
                                          Proposed(FileNameOf(t), QStringLiteral(".xlsx")),
                                          LangText(5323, "Excel Workbooks (*.xlsx)"));
    if (path.isEmpty()) return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TIoResult r = ExportTablesToXlsx(WithDefaultExtension(path, QStringLiteral(".xlsx")), t,
                                           options.Chosen());
    QApplication::restoreOverrideCursor();
    return Written(r);
}

bool SaveTablePictureAs(QWidget* parent, TDialogSeam& dialogs, const TTournament& t,
                        const TGroup& g, TPictureFormat format) {
    struct TKind {
        int TitleId;
        const char* Title;
        int FilterId;
        const char* Filter;
    };
    static const TKind kinds[] = {
        {5310, "Save as PNG", 5311, "PNG Image (*.png)"},
        {5312, "Save as JPEG", 5313, "JPEG Image File (*.jpg)"},
        {5314, "Save as BMP", 5315,
         "Monochrome bitmap (*.bmp);;16 colors bitmap (*.bmp);;256 colors bitmap (*.bmp);;15 bit "
         "bitmap (*.bmp);;"
         "16 bit bitmap (*.bmp);;24 bit bitmap (*.bmp);;32 bit bitmap (*.bmp)"},
        {5316, "Save as GIF", 5317, "CompuServe GIF Image (*.gif)"},
        {5318, "Save as SVG", 5319, "Scalable Vector Graphics (*.svg)"},
        {5320, "Save as PDF", 5321, "PDF Document (*.pdf)"},
    };
    const TKind& kind = kinds[static_cast<int>(format)];
    const QString filters = LangText(kind.FilterId, kind.Filter);
    const QStringList filterList = filters.split(QStringLiteral(";;"));
    // 256 colours unless another depth is chosen.
    QString filter = filterList.value(format == TPictureFormat::Bmp ? 2 : 0);
    const QString path = dialogs.SaveFileAs(parent, LangText(kind.TitleId, kind.Title),
                                            SuggestedPicturePath(g.Name, format), filters, filter);
    if (path.isEmpty()) return false;
    static const int depths[] = {1, 4, 8, 15, 16, 24, 32};
    const qsizetype chosen = filterList.indexOf(filter);
    const int bits =
        format == TPictureFormat::Bmp && chosen >= 0 && chosen < 7 ? depths[chosen] : 8;
    const QString file = WithDefaultExtension(path, PictureExtension(format));
    PrepareTable(t, g);
    if (!Written(SaveTablePicture(t, g, file, format, bits))) return false;
    RememberPictureFolder(file);
    return true;
}

} // namespace kv
