#pragma once

#include "base/fileio.h"
#include "export/grid_data.h"

#include <QString>

#include <functional>

namespace kv {

// Writes a grid to an .xlsx workbook: the captions in row 1, the rows below, the score
// column formatted as text, every column as wide as its contents. `progress` (optional)
// receives the percentage of rows sent.
TIoResult ExportGridToXlsx(const QString& fileName, const TGridData& grid,
                           const std::function<void(int)>& progress = {});

} // namespace kv
