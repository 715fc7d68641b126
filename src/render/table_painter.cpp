#include "render/table_painter.h"

#include "base/language.h"
#include "render/paint_tools.h"
#include "render/score_cells.h"
#include "standings/column_catalog.h"
#include "standings/outlook_marks.h"
#include "standings/statistics.h"

#include <QHash>
#include <QPolygon>
#include <QStaticText>

#include <algorithm>
#include <array>
#include <cmath>

namespace kv {

TTablePainter::TTablePainter(const TTournament& t, const TGroup& g, QPainter& painter,
                             TColor background)
    : t_(t), g_(g), p_(painter), background_(ToQColor(background)), layout_(ComputeLayout(t, g)),
      bold_(g.Style.BoldBorders) {}

TTablePainter::TFontEntry& TTablePainter::Font(const TFontData& font) {
    for (const auto& e : fonts_)
        if (e->Data == font) return *e;
    QFont qfont = ToQFont(font);
    if (!smoothText_) qfont.setStyleStrategy(QFont::NoAntialias);
    fonts_.push_back(std::make_unique<TFontEntry>(
        TFontEntry{font, qfont, QFontMetrics(qfont, p_.device()), {}}));
    return *fonts_.back();
}

void TTablePainter::SetBackgroundPainted(bool painted) {
    backgroundPainted_ = painted;
    rasterBits_ = nullptr;
    if (painted && p_.device() && p_.device()->devType() == QInternal::Image &&
        p_.transform().isIdentity()) {
        auto* image = static_cast<QImage*>(p_.device());
        if (image->format() == QImage::Format_RGB32) {
            rasterBits_ = image->bits();
            rasterStride_ = image->bytesPerLine();
            rasterWidth_ = image->width();
            rasterHeight_ = image->height();
        }
    }
}

void TTablePainter::RasterSpan(int x, int y, int length, int width, bool vertical, QRgb color) {
    const QRgb pixel = 0xFF000000u | color;
    const int left = std::max(0, x);
    const int right = std::min(rasterWidth_, x + (vertical ? width : length));
    const int top = std::max(RasterTop(), y);
    const int bottom = std::min(RasterBottom(), y + (vertical ? length : width));
    for (int py = top; py < bottom; ++py) {
        auto* line = reinterpret_cast<QRgb*>(rasterBits_ + py * rasterStride_);
        std::fill(line + left, line + std::max(left, right), pixel);
    }
}

void TTablePainter::FlushVerticals() {
    if (verticals_.empty()) return;
    // The rows fall into runs over which the same lines pass; each run gets the list of its
    // pixels once (in drawing order, so a later line still covers an earlier one) and writes it
    // into each of its rows.
    std::vector<int> cuts;
    cuts.reserve(verticals_.size() * 2);
    for (const TVerticalLine& v : verticals_) {
        cuts.push_back(std::clamp(v.Top, RasterTop(), RasterBottom()));
        cuts.push_back(std::clamp(v.Bottom + 1, RasterTop(), RasterBottom()));
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    struct TPixel {
        int X;
        QRgb Color;
    };
    std::vector<TPixel> pixels;
    for (size_t run = 0; run + 1 < cuts.size(); ++run) {
        const int top = cuts[run];
        const int bottom = cuts[run + 1]; // exclusive
        pixels.clear();
        for (const TVerticalLine& v : verticals_) {
            if (v.Top > top || v.Bottom < bottom - 1) continue;
            for (int w = 0; w < v.Width; ++w)
                if (v.X + w >= 0 && v.X + w < rasterWidth_)
                    pixels.push_back({v.X + w, 0xFF000000u | v.Color});
        }
        if (pixels.empty()) continue;
        for (int y = top; y < bottom; ++y) {
            auto* line = reinterpret_cast<QRgb*>(rasterBits_ + y * rasterStride_);
            for (const TPixel& p : pixels)
                line[p.X] = p.Color;
        }
    }
    verticals_.clear();
}

void TTablePainter::Line(int x1, int y1, int x2, int y2, int width) {
    const QColor color = ToQColor(g_.Style.BorderColor);
    if (rasterBits_ && (y1 == y2 || x1 == x2)) {
        if (y1 == y2)
            RasterSpan(std::min(x1, x2), y1, std::abs(x2 - x1) + 1, width, false, color.rgb());
        else
            verticals_.push_back({x1, std::min(y1, y2), std::max(y1, y2), width, color.rgb()});
        return;
    }
    // Lines of a table run along the axes: a thin filled rectangle draws them exactly and fast.
    if (y1 == y2) {
        p_.fillRect(QRect(std::min(x1, x2), y1, std::abs(x2 - x1) + 1, width), color);
    } else if (x1 == x2) {
        p_.fillRect(QRect(x1, std::min(y1, y2), width, std::abs(y2 - y1) + 1), color);
    } else {
        p_.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
        p_.drawLine(x1, y1, x2, y2);
    }
}

TTablePainter::TLaidText& TTablePainter::Laid(TFontEntry& font, const QString& text) {
    auto& texts = font.Texts;
    auto it = texts.find(text);
    if (it == texts.end()) {
        TLaidText laid;
        laid.Laid = QStaticText(text);
        laid.Laid.setTextFormat(Qt::PlainText);
        laid.Laid.prepare(QTransform(), font.Font);
        laid.Width = font.Metrics.horizontalAdvance(text);
        it = texts.insert(text, laid);
    }
    return *it;
}

void TTablePainter::Text(int x, int top, const QString& text, const TFontData& font) {
    TFontEntry& f = Font(font);
    p_.setFont(f.Font);
    p_.setPen(ToQColor(font.Color));
    p_.drawStaticText(x, top, Laid(f, text).Laid);
}

bool TTablePainter::RowText(int index, TFontData& font, int& top) {
    if (!Reaches(RowTop(index), RowTop(index + 1))) return false;
    font = RowFont(g_, *g_.Teams()[static_cast<size_t>(index)], index + 1);
    const int height = Metrics(font).height();
    top = RowTop(index) + VerticalOffset(layout_.TeamRowHeight, height);
    return TextShown(top, height);
}

void TTablePainter::FillSection(int x, int width) {
    const QColor fill = g_.Style.HasBGColor ? ToQColor(g_.Style.BGColor) : background_;
    if (!(backgroundPainted_ && fill == background_))
        p_.fillRect(QRect(x, 0, width, layout_.TableHeight), fill);
    if (g_.Style.HasHeaderBGColor)
        p_.fillRect(QRect(x, 0, width, layout_.HeaderHeight), ToQColor(g_.Style.HeaderBGColor));
}

void TTablePainter::FillRows(int x, int width) {
    const auto& teams = g_.Teams();
    for (size_t i = 0; i < teams.size(); ++i) {
        TColor color = 0;
        if (TeamRowShown(static_cast<int>(i)) &&
            RowBackground(g_, *teams[i], static_cast<int>(i) + 1, color))
            p_.fillRect(QRect(x, RowTop(static_cast<int>(i)), width, layout_.TeamRowHeight + 1),
                        ToQColor(color));
    }
}

void TTablePainter::Frame(int x, int width) {
    // The outline of the rectangle from (x, 0) to (x + width - 1, height - 1), drawn as lines
    // of whole pixels on every surface (a pen stroke on a vector surface would lie half outside
    // the picture), a bold one two pixels wide, all of it inside the picture.
    const int penWidth = 1 + (bold_ ? 1 : 0);
    const int right = x + width - 1;
    const int bottom = layout_.TableHeight - 1;
    const int inset = penWidth / 2;
    const int left = std::max(0, x - inset);
    Line(left, 0, right, 0, penWidth);
    Line(left, bottom - inset, right, bottom - inset, penWidth);
    Line(left, 0, left, bottom, penWidth);
    Line(right - inset, 0, right - inset, bottom, penWidth);
}

int TTablePainter::DrawNameBlock() {
    const TTableLayout& l = layout_;
    const int width = l.PlaceWidth + l.TeamColumnWidth + 1;
    FillSection(0, width);
    const TFontData& header = g_.Style.EffectiveHeaderFont();
    const QFontMetrics hm = Metrics(header);
    const QString no = LangText(5000, "No");
    if (HeaderShown()) {
        const int headerTop = VerticalOffset(l.HeaderHeight, hm.height());
        Text(HorizontalOffset(l.PlaceWidth, hm.horizontalAdvance(no)), headerTop, no, header);
        const int nameLeft = l.PlaceWidth + 2;
        const int nameWidth = std::max(0, width - 2 - nameLeft);
        const QString title = hm.elidedText(g_.Name, Qt::ElideRight, nameWidth);
        Text(nameLeft + std::max(0, (nameWidth - hm.horizontalAdvance(title)) / 2), headerTop,
             title, header);
    }
    FillRows(0, width);
    const auto& teams = g_.Teams();
    for (size_t i = 0; i < teams.size(); ++i) {
        TFontData font;
        int top = 0;
        if (!RowText(static_cast<int>(i), font, top)) continue;
        const int place = static_cast<int>(i) + 1;
        const QFontMetrics& fm = Metrics(font);
        const QString number = QString::number(place);
        Text(HorizontalOffset(l.PlaceWidth, Advance(font, number)), top, number, font);
        const int left = l.PlaceWidth + 6;
        int right = width - (bold_ ? 1 : 0) - 1;
        // A decided place or band: its mark at the right end of the name, as "(C)".
        const QString mark = TeamMark(g_, *teams[i]);
        if (!mark.isEmpty()) {
            TFontData markFont = font;
            markFont.Bold = true;
            const QString text = QStringLiteral("(%1)").arg(mark);
            const int markWidth = Advance(markFont, text);
            Text(right - 2 - markWidth, top, text, markFont);
            right -= markWidth + 6;
        }
        const QString name = fm.elidedText(TeamDisplayName(t_, g_, *teams[i], place),
                                           Qt::ElideRight, std::max(0, right - left));
        Text(left, top, name, font);
    }
    const int thick = 1 + (bold_ ? 1 : 0);
    Line(0, l.HeaderHeight, width - 1, l.HeaderHeight, thick);
    Line(l.PlaceWidth, 0, l.PlaceWidth, l.TableHeight - 1, thick);
    for (int i = 1; i < l.Teams; ++i)
        Line(0, RowTop(i), width - 1, RowTop(i), 1);
    Frame(0, width);
    return width;
}

void TTablePainter::DrawLegDividers(int x, int width) {
    const TTableLayout& l = layout_;
    const int step = RoundEven(l.RowHeight * t_.Dimensions.LineFactor);
    if (rasterBits_) {
        const QRgb pixel = ToQColor(g_.Style.BorderColor).rgb();
        for (int i = 0; i < l.Teams; ++i)
            for (int h = 1; h < l.RowsPerTeam; ++h) {
                const int y = l.HeaderHeight + i * l.TeamRowHeight + step * h;
                if (y < RasterTop() || y >= RasterBottom()) continue;
                auto* line = reinterpret_cast<QRgb*>(rasterBits_ + y * rasterStride_);
                for (int px = std::max(0, x); px <= x + width && px < rasterWidth_; px += 3)
                    line[px] = pixel;
            }
        return;
    }
    // One pixel in every three: a dash of one and a gap of two.
    QPen dotted(ToQColor(g_.Style.BorderColor), 1, Qt::CustomDashLine, Qt::FlatCap);
    dotted.setDashPattern({1, 2});
    p_.setPen(dotted);
    for (int i = 0; i < l.Teams; ++i) {
        for (int h = 1; h < l.RowsPerTeam; ++h) {
            const int y = l.HeaderHeight + i * l.TeamRowHeight + step * h;
            p_.drawLine(QPointF(x, y + 0.5), QPointF(x + width + 1, y + 0.5));
        }
    }
}

TTablePainter::TGridPlan& TTablePainter::GridPlan() {
    if (grid_) return *grid_;
    grid_ = std::make_unique<TGridPlan>();
    TGridPlan& plan = *grid_;
    const TTableLayout& l = layout_;
    const TFontEntry& results = Font(g_.Style.EffectiveResultsFont());
    TScoreCells::TGeometry geometry;
    geometry.CellWidth = l.ScoreWidth;
    geometry.SubRowHeight = l.SubRowHeight;
    geometry.MarkSize =
        g_.Style.ShowAwayResults && g_.Style.MarkHomeMatches ? RoundEven(l.RowHeight * 0.25) : 0;
    geometry.MarkColor = ToQColor(g_.Style.BorderColor);
    std::vector<QColor> inks;
    for (int i = 0; i < 8; ++i)
        inks.push_back(ToQColor(g_.Style.ResultColor(i)));
    // Row backgrounds as indexes into the colours in use.
    std::vector<QColor> fills{g_.Style.HasBGColor ? ToQColor(g_.Style.BGColor) : background_};
    QHash<int, int> places;
    for (size_t i = 0; i < g_.Teams().size(); ++i) {
        places.insert(g_.Teams()[i]->Id, static_cast<int>(i) + 1);
        TColor c = 0;
        int index = 0;
        if (RowBackground(g_, *g_.Teams()[i], static_cast<int>(i) + 1, c)) {
            const QColor color = ToQColor(c);
            const auto at = std::find(fills.begin(), fills.end(), color);
            index = static_cast<int>(at - fills.begin());
            if (at == fills.end()) fills.push_back(color);
        }
        plan.RowFill.push_back(index);
    }
    plan.Cells =
        std::make_unique<TScoreCells>(p_, results.Font, results.Metrics, geometry, std::move(inks),
                                      std::move(fills), backgroundPainted_);
    const TScoreTexts texts = TScoreTexts::Current();
    // Each cell's look is worked out in the order of the matches, then the cells are put in
    // reading order (by sub-row, a stable counting sort, then by column): the picture is then
    // written band after band instead of all over.
    const int subRows = l.Teams * l.RowsPerTeam;
    plan.Start.assign(static_cast<size_t>(subRows) + 1, 0);
    std::vector<std::pair<int, TGridCell>> found; // (sub-row, cell)
    found.reserve(g_.Matches().size() * (g_.Style.ShowAwayResults ? 2 : 1));
    const auto cell = [&](int row, int column, int subRow, const TMatch& m, bool homeSide,
                          bool mark) {
        if (subRow < 1 || subRow > l.RowsPerTeam) return;
        const int index = (row - 1) * l.RowsPerTeam + subRow - 1;
        found.push_back({index, {plan.Cells->LookOf(m, homeSide, texts), column, mark}});
        ++plan.Start[static_cast<size_t>(index) + 1];
    };
    for (const TMatch* m : g_.Matches()) {
        if (!MatchCounts(t_, *m)) continue;
        const int h = places.value(m->HomeTeamId, 0);
        const int a = places.value(m->VisitorTeamId, 0);
        if (!h || !a) continue;
        if (g_.Style.ShowAwayResults) {
            cell(h, a, m->Leg, *m, true, true);
            cell(a, h, m->Leg, *m, false, false);
        } else {
            cell(h, a, m->GridPosition, *m, true, false);
        }
    }
    for (size_t i = 1; i < plan.Start.size(); ++i)
        plan.Start[i] += plan.Start[i - 1];
    plan.Ordered.resize(found.size());
    std::vector<int> next(plan.Start.begin(), plan.Start.end() - 1);
    for (const auto& [index, c] : found)
        plan.Ordered[static_cast<size_t>(next[static_cast<size_t>(index)]++)] = c;
    for (int index = 0; index < subRows; ++index)
        std::stable_sort(
            plan.Ordered.begin() + plan.Start[static_cast<size_t>(index)],
            plan.Ordered.begin() + plan.Start[static_cast<size_t>(index) + 1],
            [](const TGridCell& a, const TGridCell& b) { return a.Column < b.Column; });
    return plan;
}

int TTablePainter::DrawResultsGrid(int x) {
    const TTableLayout& l = layout_;
    const int width = l.Teams * l.ScoreWidth + 1;
    FillSection(x, width);
    const TFontData& header = g_.Style.EffectiveHeaderFont();
    const QFontMetrics hm = Metrics(header);
    if (HeaderShown()) {
        for (int i = 1; i <= l.Teams; ++i) {
            const QString number = QString::number(i);
            Text(x + (i - 1) * l.ScoreWidth +
                     HorizontalOffset(l.ScoreWidth, Advance(header, number)),
                 VerticalOffset(l.HeaderHeight, hm.height()), number, header);
        }
    }
    FillRows(x, width);
    const int thick = 1 + (bold_ ? 1 : 0);
    if (g_.Style.Dividers) DrawLegDividers(x, width - 1);
    for (int i = 1; i <= l.Teams; ++i) {
        if (i < l.Teams) {
            Line(x, RowTop(i), x + width - 1, RowTop(i), 1);
            Line(x + i * l.ScoreWidth, 0, x + i * l.ScoreWidth, l.TableHeight - 1, 1);
        }
        if (TeamRowShown(i - 1))
            p_.fillRect(QRect(x + (i - 1) * l.ScoreWidth, RowTop(i - 1), l.ScoreWidth + 1,
                              l.TeamRowHeight + 1),
                        ToQColor(g_.Style.BorderColor));
    }
    // Scores.
    TGridPlan& plan = GridPlan();
    plan.Cells->SetRowClip(RasterTop(), RasterBottom());
    const int subRows = static_cast<int>(plan.Start.size()) - 1;
    for (int index = 0; index < subRows; ++index) {
        const int row = index / l.RowsPerTeam;
        const int top = RowTop(row) + (index % l.RowsPerTeam) * l.SubRowHeight;
        if (!Reaches(top, top + l.SubRowHeight + 1)) continue;
        const auto from = plan.Ordered.begin() + plan.Start[static_cast<size_t>(index)];
        const auto to = plan.Ordered.begin() + plan.Start[static_cast<size_t>(index) + 1];
        for (auto c = from; c != to; ++c)
            plan.Cells->Draw(x + (c->Column - 1) * l.ScoreWidth, top, c->Look,
                             plan.RowFill[static_cast<size_t>(row)], c->Mark);
    }
    // After the cells: a bold line under the header is two pixels high and the cells of the
    // first row start on its second.
    Line(x, l.HeaderHeight, x + width - 1, l.HeaderHeight, thick);
    Frame(x, width);
    return width;
}

int TTablePainter::DrawStandingsSection(int x, const TStandingsSection& section) {
    const int scope = section.Scope;
    const TTableLayout& l = layout_;
    const int width = l.StandingsWidth + 1;
    FillSection(x, width);
    const TFontData& header = g_.Style.EffectiveHeaderFont();
    const QFontMetrics hm = Metrics(header);
    const int captionTop = l.HeaderHeight - l.RowHeight;
    const int offset = VerticalOffset(l.RowHeight, hm.height());
    if (l.TwoHeaderRows && HeaderShown()) {
        Text(x + HorizontalOffset(width, hm.horizontalAdvance(section.Word)), offset, section.Word,
             header);
    }
    const bool sortedHere = t_.SortState.Column >= 0 && t_.SortState.Venue == scope;
    int c = 0;
    for (size_t i = 0; i < t_.Columns.size() && HeaderShown(); ++i) {
        const int id = t_.Columns[i].Id;
        const int columnWidth = l.ColumnWidths[i];
        const QString caption = ColumnCaption(id, t_);
        const int o = RoundEven((columnWidth - hm.horizontalAdvance(caption)) / 2.0 + 1);
        Text(x + c + o, captionTop + offset, caption, header);
        if (sortedHere && t_.SortState.Column == id) {
            int v = RoundEven(l.RowHeight * 0.3);
            if (v % 2) ++v;
            const int left = x + c + columnWidth - v - 1;
            const int top = captionTop + 2;
            QPolygon triangle;
            if (t_.SortState.Descending)
                triangle << QPoint(left, top) << QPoint(left + v, top)
                         << QPoint(left + v / 2, top + v / 2);
            else
                triangle << QPoint(left + v / 2, top) << QPoint(left + v, top + v / 2)
                         << QPoint(left, top + v / 2);
            p_.setPen(ToQColor(header.Color));
            p_.setBrush(ToQColor(header.Color));
            p_.drawPolygon(triangle);
            p_.setBrush(Qt::NoBrush);
        }
        c += columnWidth;
    }
    FillRows(x, width);
    if (HasResults(g_)) {
        const auto& teams = g_.Teams();
        for (size_t r = 0; r < teams.size(); ++r) {
            TFontData font;
            int top = 0;
            if (!RowText(static_cast<int>(r), font, top)) continue;
            int left = x;
            for (size_t i = 0; i < t_.Columns.size(); ++i) {
                const QString value = ColumnText(t_, *teams[r], t_.Columns[i].Id, scope);
                Text(left + HorizontalOffset(l.ColumnWidths[i], Advance(font, value)), top, value,
                     font);
                left += l.ColumnWidths[i];
            }
        }
    }
    const int thick = 1 + (bold_ ? 1 : 0);
    Line(x, l.RowHeight, x + width - 1, l.RowHeight, thick);
    if (l.TwoHeaderRows) Line(x, l.HeaderHeight, x + width - 1, l.HeaderHeight, thick);
    int columnX = x;
    for (size_t i = 0; i + 1 < l.ColumnWidths.size(); ++i) {
        columnX += l.ColumnWidths[i];
        Line(columnX, captionTop, columnX, l.TableHeight - 1, 1);
    }
    for (int i = 1; i < l.Teams; ++i)
        Line(x, RowTop(i), x + width - 1, RowTop(i), 1);
    Frame(x, width);
    return width;
}

void TTablePainter::Draw() {
    DrawRows(0, 1 << 30);
}

void TTablePainter::DrawRows(int top, int bottom) {
    p_.save();
    clipTop_ = top;
    clipBottom_ = bottom;
    if (top > 0 || bottom < layout_.TableHeight)
        p_.setClipRect(QRect(0, top, std::max(1, layout_.PictureWidth), bottom - top));
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, smoothText_);
    int x = 0;
    x += DrawNameBlock() - 1;
    if (t_.View.Results) x += DrawResultsGrid(x) - 1;
    for (const TStandingsSection& section : ShownSections(t_.View))
        x += DrawStandingsSection(x, section) - 1;
    FlushVerticals();
    p_.restore();
}

void DrawGroupTable(const TTournament& t, const TGroup& g, QPainter& painter, TColor background) {
    TTablePainter(t, g, painter, background).Draw();
}

void RenderGroupTable(const TTournament& t, const TGroup& g, QImage& image, TColor background,
                      bool smoothText) {
    const TTableLayout l = ComputeLayout(t, g);
    const QSize size(std::max(1, l.PictureWidth), std::max(1, l.TableHeight));
    if (image.size() != size || image.format() != QImage::Format_RGB32)
        image = QImage(size, QImage::Format_RGB32);
    if (image.isNull()) return; // too large a picture for memory: drawn as nothing
    const int dotsPerMeter = static_cast<int>(std::lround(ScreenPixelsPerInch() / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    TTablePainter table(t, g, painter, background);
    table.SetSmoothText(smoothText);
    // Bands of about a megabyte, each filled with the background and drawn whole while it
    // stays in the cache.
    const QRgb pixel = 0xFF000000u | ToQColor(background).rgb();
    const int band = std::max(8, static_cast<int>((qsizetype(1) << 20) / image.bytesPerLine()));
    for (int top = 0; top < image.height(); top += band) {
        const int bottom = std::min(image.height(), top + band);
        for (int y = top; y < bottom; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line, line + image.width(), pixel);
        }
        table.SetBackgroundPainted(true);
        table.DrawRows(top, bottom);
    }
}

QImage RenderGroupTable(const TTournament& t, const TGroup& g, TColor background) {
    QImage image;
    RenderGroupTable(t, g, image, background);
    return image;
}

} // namespace kv
