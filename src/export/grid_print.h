#pragma once

#include "export/grid_data.h"
#include "render/print_layout.h"

#include <QStringList>

#include <vector>

class QPainter;

// A list grid (the fixture list, a statistics grid) printed row by row: the pages it takes,
// each with the column captions again, and the drawing of one page with its grey footer.
namespace kv {

struct TGridPrintSettings : TPaperMargins {
    bool HorzCenter = false;

    // The stored settings (`FixturesPrint`).
    static TGridPrintSettings FromSettings();
    void Save() const;
};

struct TGridPages {
    // The grid rows of each page, as indexes into the printed rows.
    std::vector<std::pair<int, int>> Pages; // first, one past the last
    QRectF Area;
    double Left = 0;          // where the grid starts
    double RowHeight = 0;     // printer pixels
    double HeadingHeight = 0; // the heading lines on the first page
    std::vector<double> ColumnWidths;
    int PageCount() const { return static_cast<int>(Pages.size()); }
};

// The pages of the printed rows (`rows` index the grid's rows) with the columns as wide as on
// screen (`screenWidths`, screen pixels) and `headings` above the grid on the first page.
TGridPages LayoutGridPages(const TGridData& grid, const std::vector<int>& rows,
                           const std::vector<int>& screenWidths, const TPaper& paper,
                           const TGridPrintSettings& s, const QStringList& headings);
// Draws page `page` (0-based): headings, captions, rows, lines and the footer "Printed with %s"
// with the page number.
void PaintGridPage(QPainter& p, const TGridData& grid, const std::vector<int>& rows,
                   const TGridPages& pages, int page, const TPaper& paper,
                   const QStringList& headings, const QString& appTitle);

} // namespace kv
