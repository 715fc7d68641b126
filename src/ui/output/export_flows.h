#pragma once

#include "export/grid_data.h"
#include "export/picture_export.h"

#include <QStringList>

#include <vector>

class QWidget;

// The exports as the windows start them: the options dialog, the save dialog, then the file.
// Each returns whether a file was written; a failure to write is reported.
namespace kv {

class TDialogSeam;
class TGroup;
class TTournament;

// Standings tables; the chooser starts from `chosen` (table ids as the view offers them).
bool ExportTablesToHtml(QWidget* parent, TDialogSeam& dialogs, const TTournament& t,
                        const std::vector<int>& chosen);
bool ExportTablesToCsv(QWidget* parent, TDialogSeam& dialogs, const TTournament& t,
                       const std::vector<int>& chosen);
// A list grid (the fixture list, a statistics grid); the title's lines head the page.
bool ExportGridToHtml(QWidget* parent, TDialogSeam& dialogs, const TGridData& grid,
                      const QStringList& title);
bool ExportGridToCsv(QWidget* parent, TDialogSeam& dialogs, const TGridData& grid);
// A workbook of the grid, proposed under `suggested`, with the wait window's progress.
bool ExportGridToSpreadsheet(QWidget* parent, TDialogSeam& dialogs, const TGridData& grid,
                             const QString& suggested);
// The chosen standings tables (asked, starting from `chosen`) into a workbook, each on a sheet.
bool ExportTablesToSpreadsheet(QWidget* parent, TDialogSeam& dialogs, const TTournament& t,
                               const std::vector<int>& chosen);
// One table's picture; the folder of the last picture is proposed and remembered.
bool SaveTablePictureAs(QWidget* parent, TDialogSeam& dialogs, const TTournament& t,
                        const TGroup& g, TPictureFormat format);

// The path with `extension` (".htm") when it has none.
QString WithDefaultExtension(const QString& path, const QString& extension);

} // namespace kv
