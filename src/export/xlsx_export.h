#pragma once

#include "base/fileio.h"
#include "export/grid_data.h"

#include <QString>

#include <functional>
#include <vector>

namespace kv {

// Writes a grid to an .xlsx workbook: the captions in row 1, the rows below, the score
// column formatted as text, every column as wide as its contents. `progress` (optional)
// receives the percentage of rows sent.
TIoResult ExportGridToXlsx(const QString& fileName, const TGridData& grid,
                           const std::function<void(int)>& progress = {});

// A sheet of a workbook: its name (as SheetName makes it) and its grid.
struct TXlsxSheet {
    QString Name;
    TGridData Grid;
};
// Writes the grids each on its own sheet, in order, as ExportGridToXlsx writes one.
TIoResult ExportSheetsToXlsx(const QString& fileName, const std::vector<TXlsxSheet>& sheets,
                             const std::function<void(int)>& progress = {});

} // namespace kv
