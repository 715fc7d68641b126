#include "export/grid_print.h"

#include "base/language.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "model/tablestyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace kv {

namespace {

const char* const kKey = "FixturesPrint";

// Arial of a size in points, for a painter of `dpi` pixels per inch.
QFont GridFont(double points, bool bold, double dpi) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, static_cast<int>(points * dpi / 72.0)));
    f.setBold(bold);
    return f;
}

Qt::Alignment AlignOf(TCellAlign a) {
    switch (a) {
    case TCellAlign::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TCellAlign::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

TGridPrintSettings TGridPrintSettings::FromSettings() {
    const TSettingsBatch batch;
    const QString key = QLatin1String(kKey);
    TGridPrintSettings s;
    s.ReadMargins(key);
    s.HorzCenter = RegReadBool(key, QStringLiteral("HorzCenter"), false);
    return s;
}

void TGridPrintSettings::Save() const {
    const TSettingsBatch batch;
    const QString key = QLatin1String(kKey);
    WriteMargins(key);
    RegWriteBool(key, QStringLiteral("HorzCenter"), HorzCenter);
}

TGridPages LayoutGridPages(const TGridData& grid, const std::vector<int>& rows,
                           const std::vector<int>& screenWidths, const TPaper& paper,
                           const TGridPrintSettings& s, const QStringList& headings) {
    TGridPages pages;
    pages.Area = s.PrintableArea(paper);
    pages.RowHeight = QFontMetricsF(GridFont(8, false, paper.Dpi)).height() * 1.4;
    const double headingLine = QFontMetricsF(GridFont(10, true, paper.Dpi)).height() * 1.3;
    pages.HeadingHeight = headings.isEmpty() ? 0
                                             : headingLine * static_cast<double>(headings.size()) +
                                                   pages.RowHeight / 2;
    double width = 0;
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        const int screen =
            c < static_cast<int>(screenWidths.size()) ? screenWidths[static_cast<size_t>(c)] : 80;
        pages.ColumnWidths.push_back(screen / ScreenPixelsPerInch() * paper.Dpi);
        width += pages.ColumnWidths.back();
    }
    // A grid wider than the paper is narrowed to it rather than cut off at the margin.
    if (width > pages.Area.width()) {
        const double factor = pages.Area.width() / width;
        for (double& w : pages.ColumnWidths)
            w *= factor;
        width = pages.Area.width();
    }
    pages.Left = s.HorzCenter ? pages.Area.left() + std::max(0.0, (pages.Area.width() - width) / 2)
                              : pages.Area.left();
    const double bottom = pages.Area.bottom();
    int first = 0;
    double y = pages.Area.top() + pages.HeadingHeight + pages.RowHeight; // the captions
    const int n = static_cast<int>(rows.size());
    for (int i = 0; i < n; ++i) {
        // A row coming within two row heights of the bottom starts the next page.
        if (y + pages.RowHeight > bottom - 2 * pages.RowHeight && i > first) {
            pages.Pages.emplace_back(first, i);
            first = i;
            y = pages.Area.top() + pages.RowHeight;
        }
        y += pages.RowHeight;
    }
    pages.Pages.emplace_back(first, n);
    return pages;
}

void PaintGridPage(QPainter& p, const TGridData& grid, const std::vector<int>& rows,
                   const TGridPages& pages, int page, const TPaper& paper,
                   const QStringList& headings, const QString& appTitle) {
    if (page < 0 || page >= pages.PageCount()) return;
    const QRectF& area = pages.Area;
    double y = area.top();
    const double rh = pages.RowHeight;
    if (page == 0 && !headings.isEmpty()) {
        p.setFont(GridFont(10, true, paper.Dpi));
        p.setPen(Qt::black);
        const double line = (pages.HeadingHeight - rh / 2) / static_cast<double>(headings.size());
        for (const QString& h : headings) {
            p.drawText(QRectF(area.left(), y, area.width(), line),
                       Qt::AlignHCenter | Qt::AlignVCenter, h);
            y += line;
        }
        y += rh / 2;
    }
    const double pad = rh * 0.2;
    const auto drawRow = [&](const QStringList& cells, bool captions) {
        double x = pages.Left;
        p.setFont(GridFont(8, captions, paper.Dpi));
        for (int c = 0; c < static_cast<int>(pages.ColumnWidths.size()); ++c) {
            const double w = pages.ColumnWidths[static_cast<size_t>(c)];
            const Qt::Alignment a = captions ? Qt::AlignHCenter | Qt::AlignVCenter
                                             : AlignOf(grid.Alignments.value(c, TCellAlign::Left));
            const QString text = p.fontMetrics().elidedText(
                cells.value(c), Qt::ElideRight, static_cast<int>(std::max(0.0, w - 2 * pad)));
            p.drawText(QRectF(x + pad, y, w - 2 * pad, rh), static_cast<int>(a), text);
            x += w;
        }
        const QPen thin(QColor(0x80, 0x80, 0x80), std::max(1.0, paper.Dpi / 300.0));
        p.setPen(thin);
        p.drawLine(QPointF(pages.Left, y + rh), QPointF(x, y + rh));
        double lx = pages.Left;
        for (double w : pages.ColumnWidths) {
            p.drawLine(QPointF(lx, y), QPointF(lx, y + rh));
            lx += w;
        }
        p.drawLine(QPointF(lx, y), QPointF(lx, y + rh));
        p.setPen(Qt::black);
        y += rh;
    };
    p.setPen(Qt::black);
    const double top = y;
    drawRow(grid.Captions, true);
    const QPen thin(QColor(0x80, 0x80, 0x80), std::max(1.0, paper.Dpi / 300.0));
    p.setPen(thin);
    double right = pages.Left;
    for (double w : pages.ColumnWidths)
        right += w;
    p.drawLine(QPointF(pages.Left, top), QPointF(right, top));
    p.setPen(Qt::black);
    const auto [first, last] = pages.Pages[static_cast<size_t>(page)];
    for (int i = first; i < last; ++i)
        drawRow(grid.Rows.value(rows[static_cast<size_t>(i)]), false);
    // The footer below the printable area.
    const QColor grey(0x80, 0x80, 0x80);
    p.setPen(QPen(grey, std::max(1.0, paper.Dpi / 150.0)));
    const double footer = area.bottom() + rh * 0.3;
    p.drawLine(QPointF(area.left(), footer), QPointF(area.right(), footer));
    p.setFont(GridFont(8, false, paper.Dpi));
    const QRectF text(area.left(), footer + rh * 0.1, area.width(), rh);
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop,
               Fmt(LangText(12207, "Printed with %s"), appTitle));
    p.setPen(Qt::black);
    p.drawText(text, Qt::AlignRight | Qt::AlignTop, QString::number(page + 1));
}

} // namespace kv
