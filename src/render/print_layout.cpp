#include "render/print_layout.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "model/tablestyle.h"
#include "render/paint_tools.h"
#include "render/table_layout.h"
#include "render/table_painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kv {

namespace {

const char* const kKey = "Print";
constexpr double kGapCm = 0.75;

double ScreenToPrinter(double screenPx, double dpi) {
    return screenPx / ScreenPixelsPerInch() * dpi;
}

double Round1Down(double zoom) {
    return std::max(1.0, std::floor(zoom * 10.0) / 10.0);
}

// The tables of the range, as indexes into the sizes.
std::vector<int> Range(const std::vector<QSize>& tables, const TPrintSettings& s) {
    std::vector<int> range;
    const int n = static_cast<int>(tables.size());
    const int first = s.AllTables ? 1 : std::clamp(s.From, 1, std::max(1, n));
    const int last = s.AllTables ? n : std::clamp(s.To, first, n);
    for (int i = first; i <= last && i <= n; ++i)
        range.push_back(i - 1);
    return range;
}

QRectF Area(const TPaper& paper, const TPrintSettings& s) {
    return s.PrintableArea(paper);
}

} // namespace

void TPaperMargins::ReadMargins(const QString& key) {
    Units = RegReadInteger(key, QStringLiteral("PaperUnits"), PaperCentimetres) == PaperInches
                ? PaperInches
                : PaperCentimetres;
    LeftMargin = RegReadFloat(key, QStringLiteral("LeftMargin"), 1.5);
    TopMargin = RegReadFloat(key, QStringLiteral("TopMargin"), 1.5);
    RightMargin = RegReadFloat(key, QStringLiteral("RightMargin"), 1.5);
    BottomMargin = RegReadFloat(key, QStringLiteral("BottomMargin"), 1.5);
}

void TPaperMargins::WriteMargins(const QString& key) const {
    RegWriteInteger(key, QStringLiteral("PaperUnits"), Units);
    RegWriteFloat(key, QStringLiteral("LeftMargin"), LeftMargin);
    RegWriteFloat(key, QStringLiteral("TopMargin"), TopMargin);
    RegWriteFloat(key, QStringLiteral("RightMargin"), RightMargin);
    RegWriteFloat(key, QStringLiteral("BottomMargin"), BottomMargin);
}

QRectF TPaperMargins::PrintableArea(const TPaper& paper) const {
    const double l = PaperToPixels(LeftMargin, Units, paper.Dpi);
    const double t = PaperToPixels(TopMargin, Units, paper.Dpi);
    const double r = PaperToPixels(RightMargin, Units, paper.Dpi);
    const double b = PaperToPixels(BottomMargin, Units, paper.Dpi);
    return QRectF(l, t, std::max(1.0, paper.Size.width() - l - r),
                  std::max(1.0, paper.Size.height() - t - b));
}

TPrintSettings TPrintSettings::FromSettings() {
    const TSettingsBatch batch;
    TPrintSettings s;
    s.Landscape = RegReadBool(QLatin1String(kKey), QStringLiteral("PrintLandscape"), false);
    s.ReadMargins(QLatin1String(kKey));
    s.ShowTitle = RegReadBool(QLatin1String(kKey), QStringLiteral("ShowTitle"), true);
    s.ShowSubtitle = RegReadBool(QLatin1String(kKey), QStringLiteral("ShowSubtitle"), true);
    RegReadFont(QStringLiteral("Print\\TitleFont"), s.TitleFont);
    RegReadFont(QStringLiteral("Print\\SubtitleFont"), s.SubtitleFont);
    s.Position =
        RegReadInteger(QLatin1String(kKey), QStringLiteral("Position"), 0) == PositionGroupPerPage
            ? PositionGroupPerPage
            : PositionGroupByGroup;
    s.CenterOnPage = RegReadBool(QLatin1String(kKey), QStringLiteral("CenterOnPage"), false);
    return s;
}

void TPrintSettings::Save() const {
    const TSettingsBatch batch;
    const QString key = QLatin1String(kKey);
    RegWriteBool(key, QStringLiteral("PrintLandscape"), Landscape);
    WriteMargins(key);
    RegWriteBool(key, QStringLiteral("ShowTitle"), ShowTitle);
    RegWriteBool(key, QStringLiteral("ShowSubtitle"), ShowSubtitle);
    RegWriteFont(QStringLiteral("Print\\TitleFont"), TitleFont);
    RegWriteFont(QStringLiteral("Print\\SubtitleFont"), SubtitleFont);
    RegWriteInteger(key, QStringLiteral("Position"), Position);
    RegWriteBool(key, QStringLiteral("CenterOnPage"), CenterOnPage);
}

double PaperToPixels(double value, int units, double dpi) {
    return units == PaperInches ? value * dpi : value / 2.54 * dpi;
}

double PaperLimit(double pixels, int units, double dpi) {
    const double inches = pixels / dpi;
    return units == PaperInches ? inches : inches * 2.54;
}

double TitleHeight(const QString& text, const TFontData& font, double width, double dpi) {
    if (text.trimmed().isEmpty()) return 0;
    QFont f = ToQFont(font);
    // Points to printer pixels: the metrics are taken at 72 pixels per inch and scaled.
    f.setPointSizeF(font.Size > 0 ? font.Size : 10);
    const QFontMetricsF m(f);
    const double scale = dpi / 72.0 * 72.0 / m.fontDpi();
    const QRectF r =
        m.boundingRect(QRectF(0, 0, width / scale, 1e6), Qt::AlignHCenter | Qt::TextWordWrap, text);
    return r.height() * scale;
}

TPrintPages LayoutTablePages(const std::vector<QSize>& tables, const TPaper& paper,
                             const TPrintSettings& s, double titleHeight, double subtitleHeight) {
    TPrintPages pages;
    pages.Area = Area(paper, s);
    const QRectF& area = pages.Area;
    double y = area.top();
    if (s.ShowTitle && titleHeight > 0) {
        pages.Title = QRectF(area.left(), y, area.width(), titleHeight);
        y += titleHeight;
    }
    if (s.ShowSubtitle && subtitleHeight > 0) {
        pages.Subtitle = QRectF(area.left(), y, area.width(), subtitleHeight);
        y += subtitleHeight;
    }
    const double zoom = std::max(1.0, s.Zoom) / 100.0;
    const double gap = PaperToPixels(kGapCm, PaperCentimetres, paper.Dpi) * zoom;
    const std::vector<int> range = Range(tables, s);
    int page = 0;
    bool pageHasTable = false;
    for (size_t k = 0; k < range.size(); ++k) {
        const QSize natural = tables[static_cast<size_t>(range[k])];
        const double w = ScreenToPrinter(natural.width(), paper.Dpi) * zoom;
        const double h = ScreenToPrinter(natural.height(), paper.Dpi) * zoom;
        // A table that does not fit below what stands on the page starts the next one.
        if (y + h > area.bottom() && (pageHasTable || y > area.top())) {
            ++page;
            y = area.top();
            pageHasTable = false;
        }
        const double x =
            s.CenterOnPage ? area.left() + std::max(0.0, (area.width() - w) / 2) : area.left();
        pages.Tables.push_back({range[k], page, QRectF(x, y, w, h)});
        pageHasTable = true;
        y += h + gap;
        if (s.Position == PositionGroupPerPage && k + 1 < range.size()) {
            ++page;
            y = area.top();
            pageHasTable = false;
        }
    }
    pages.Pages = page + 1;
    return pages;
}

double FitToPageZoom(const std::vector<QSize>& tables, const TPaper& paper, const TPrintSettings& s,
                     double titleHeight, double subtitleHeight) {
    const QRectF area = Area(paper, s);
    const double titles = (s.ShowTitle ? titleHeight : 0) + (s.ShowSubtitle ? subtitleHeight : 0);
    double zoom = 1e9;
    bool first = true;
    for (int i : Range(tables, s)) {
        const QSize t = tables[static_cast<size_t>(i)];
        const double w = ScreenToPrinter(t.width(), paper.Dpi);
        const double h = ScreenToPrinter(t.height(), paper.Dpi);
        const double height = area.height() - (first ? titles : 0);
        if (w > 0) zoom = std::min(zoom, area.width() / w * 100);
        if (h > 0 && height > 0) zoom = std::min(zoom, height / h * 100);
        first = false;
    }
    return zoom >= 1e9 ? 100 : Round1Down(zoom);
}

double FitAllZoom(const std::vector<QSize>& tables, const TPaper& paper, const TPrintSettings& s,
                  double titleHeight, double subtitleHeight) {
    const QRectF area = Area(paper, s);
    const double titles = (s.ShowTitle ? titleHeight : 0) + (s.ShowSubtitle ? subtitleHeight : 0);
    const double gap = PaperToPixels(kGapCm, PaperCentimetres, paper.Dpi);
    double width = 0;
    double height = 0; // the tables and their gaps at 100 %
    const std::vector<int> range = Range(tables, s);
    for (size_t k = 0; k < range.size(); ++k) {
        const QSize t = tables[static_cast<size_t>(range[k])];
        width = std::max(width, ScreenToPrinter(t.width(), paper.Dpi));
        height += ScreenToPrinter(t.height(), paper.Dpi) + (k + 1 < range.size() ? gap : 0);
    }
    if (width <= 0 || height <= 0) return 100;
    const double zoom =
        std::min(area.width() / width, std::max(1.0, area.height() - titles) / height) * 100;
    return Round1Down(zoom);
}

QString CheckPrintRange(const QString& from, const QString& to, int count, int& field, int& first,
                        int& last) {
    bool ok = false;
    first = from.trimmed().toInt(&ok);
    if (!ok) {
        field = 0;
        return Fmt(LangText(8034, "'%s' is not a valid number"), from);
    }
    last = to.trimmed().toInt(&ok);
    if (!ok) {
        field = 1;
        return Fmt(LangText(8034, "'%s' is not a valid number"), to);
    }
    if (first < 1 || first > count) {
        field = 0;
        return Fmt(LangText(8035, "Field 'From' must contain a number from 1 to %d"), count);
    }
    if (last < 1 || last > count) {
        field = 1;
        return Fmt(LangText(8036, "Field 'To' must contain a number from 1 to %d"), count);
    }
    if (first > last) {
        field = 0;
        return LangText(8037, "'From' number cannot exceed 'To' number");
    }
    return QString();
}

} // namespace kv

namespace kv {

namespace {

void DrawTitle(QPainter& p, const QRectF& r, const QString& text, const TFontData& font,
               double dpi) {
    if (r.isEmpty()) return;
    QFont f = ToQFont(font);
    f.setPixelSize(std::max(1, static_cast<int>((font.Size > 0 ? font.Size : 10) * dpi / 72.0)));
    p.setFont(f);
    p.setPen(ToQColor(font.Color));
    p.drawText(r, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
}

} // namespace

std::vector<QSize> TableSizes(const TTournament& t, const std::vector<const TGroup*>& tables) {
    std::vector<QSize> sizes;
    for (const TGroup* g : tables) {
        const TTableLayout l = ComputeLayout(t, *g);
        sizes.emplace_back(l.PictureWidth, l.TableHeight);
    }
    return sizes;
}

void PaintTablePage(QPainter& p, const TTournament& t, const std::vector<const TGroup*>& tables,
                    const std::vector<QSize>& sizes, const TPrintPages& pages, int page,
                    const TPaper& paper, const TPrintSettings& s, const QString& title,
                    const QString& subtitle) {
    if (page == 0) {
        DrawTitle(p, pages.Title, title, s.TitleFont, paper.Dpi);
        DrawTitle(p, pages.Subtitle, subtitle, s.SubtitleFont, paper.Dpi);
    }
    for (const TPlacedTable& placed : pages.Tables) {
        if (placed.Page != page) continue;
        const size_t i = static_cast<size_t>(placed.Index);
        if (i >= tables.size() || i >= sizes.size() || sizes[i].width() <= 0) continue;
        p.save();
        p.translate(placed.Rect.topLeft());
        const double scale = placed.Rect.width() / sizes[i].width();
        p.scale(scale, scale);
        TTablePainter painter(t, *tables[i], p, clWhite);
        painter.Draw();
        p.restore();
    }
}

} // namespace kv
