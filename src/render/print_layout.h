#pragma once

#include "base/fontdata.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

// Tables on printed pages: the settings of table printing, where each table of a range stands
// on which page, the zooms that fit them, and the check of the range. The preview and the
// printer use the same layout, so the pages counted are the pages printed.
namespace kv {

enum TPrintPosition : int { PositionGroupByGroup = 0, PositionGroupPerPage = 1 };
enum TPrintSize : int { SizeActual = 0, SizeFitPage = 1, SizeFitAll = 2, SizeSpecified = 3 };
enum TPaperUnits : int { PaperCentimetres = 0, PaperInches = 1 };

// A page as the printer has it: its size and resolution.
struct TPaper {
    QSizeF Size;      // printer pixels
    double Dpi = 600; // printer pixels per inch
};

// The margins of printed pages, in centimetres or inches, as tables and grids keep them.
struct TPaperMargins {
    int Units = PaperCentimetres;
    double LeftMargin = 1.5, TopMargin = 1.5, RightMargin = 1.5, BottomMargin = 1.5;

    void ReadMargins(const QString& key);
    void WriteMargins(const QString& key) const;
    // The page less its margins, in printer pixels.
    QRectF PrintableArea(const TPaper& paper) const;
};

struct TPrintSettings : TPaperMargins {
    bool Landscape = false;
    bool ShowTitle = true;
    bool ShowSubtitle = true;
    TFontData TitleFont = MakeFont(QStringLiteral("Tahoma"), 14, true);
    TFontData SubtitleFont = MakeFont(QStringLiteral("Tahoma"), 10, false);
    int Position = PositionGroupByGroup;
    bool CenterOnPage = false;
    int Size = SizeActual;
    double Zoom = 100;
    // The range of tables (1-based, inclusive); all of them when AllTables.
    bool AllTables = true;
    int From = 1, To = 1;

    // The stored settings (`Print`); the size, zoom and range are not stored.
    static TPrintSettings FromSettings();
    void Save() const;
};

// A length in the paper unit as printer pixels.
double PaperToPixels(double value, int units, double dpi);
// The largest margin a field takes: the page's width or height in the unit.
double PaperLimit(double pixels, int units, double dpi);

struct TPlacedTable {
    int Index = 0; // into the table sizes given
    int Page = 0;  // 0-based
    QRectF Rect;   // printer pixels
};

struct TPrintPages {
    int Pages = 1;
    QRectF Title;    // on page 0; empty when not shown
    QRectF Subtitle; // on page 0; empty when not shown
    std::vector<TPlacedTable> Tables;
    // The printable area.
    QRectF Area;
};

// Lays the tables of the range out on pages. `tables` are the tables' natural sizes in screen
// pixels; the title heights are in printer pixels (0 when not shown), as `TitleHeight` gives.
TPrintPages LayoutTablePages(const std::vector<QSize>& tables, const TPaper& paper,
                             const TPrintSettings& s, double titleHeight, double subtitleHeight);
// The height of a title word-wrapped across `width` printer pixels.
double TitleHeight(const QString& text, const TFontData& font, double width, double dpi);
// The zooms that fit: each table of the range on the printable area (the first one below the
// titles), or the titles and every table with its gaps on one page; rounded to one decimal.
double FitToPageZoom(const std::vector<QSize>& tables, const TPaper& paper, const TPrintSettings& s,
                     double titleHeight, double subtitleHeight);
double FitAllZoom(const std::vector<QSize>& tables, const TPaper& paper, const TPrintSettings& s,
                  double titleHeight, double subtitleHeight);

// The range check: empty when the texts give a range of 1..count, else the message and the
// field to put right (0 from, 1 to).
QString CheckPrintRange(const QString& from, const QString& to, int count, int& field, int& first,
                        int& last);

} // namespace kv

class QPainter;

namespace kv {

class TGroup;
class TTournament;

// Draws page `page` of the laid-out tables (prepared, in the order their sizes were given),
// with the title and subtitle on the first page.
void PaintTablePage(QPainter& p, const TTournament& t, const std::vector<const TGroup*>& tables,
                    const std::vector<QSize>& sizes, const TPrintPages& pages, int page,
                    const TPaper& paper, const TPrintSettings& s, const QString& title,
                    const QString& subtitle);

// The natural sizes of the tables in screen pixels.
std::vector<QSize> TableSizes(const TTournament& t, const std::vector<const TGroup*>& tables);

} // namespace kv
