#include "render/chart_layout.h"

#include "base/formats.h"
#include "render/paint_tools.h"

#include <QFontMetricsF>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kv {

namespace {

constexpr double kPad = 6;
constexpr double kLabelGap = 3;

// The box a text of `size` takes when turned by `angle` degrees.
QSizeF TurnedSize(QSizeF size, int angle) {
    const QRectF r = QTransform().rotate(-angle).mapRect(QRectF(QPointF(0, 0), size));
    return r.size();
}

TChartText MakeText(const QString& text, const QFont& font, int angle) {
    const QFontMetricsF fm(font);
    TChartText t;
    t.Text = text;
    t.Angle = angle;
    t.Size = QSizeF(fm.horizontalAdvance(text) + 2, fm.height());
    t.Box = QRectF(QPointF(0, 0), TurnedSize(t.Size, angle));
    return t;
}

// A line of text broken at its blanks into lines no wider than `width`; a word wider than
// that alone is shortened with an ellipsis.
QStringList WrapLine(const QString& line, const QFont& font, double width) {
    const QFontMetricsF fm(font);
    QStringList lines;
    QString current;
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (current.isEmpty() || fm.horizontalAdvance(joined) + 2 <= width) {
            current = joined;
            continue;
        }
        lines << current;
        current = word;
    }
    if (!current.isEmpty()) lines << current;
    for (QString& l : lines)
        if (fm.horizontalAdvance(l) + 2 > width)
            l = fm.elidedText(l, Qt::ElideRight, std::max(0.0, width - 2));
    return lines;
}

// Keeps the texts whose boxes stay clear of the last one kept.
QList<TChartText> Thin(const QList<TChartText>& texts) {
    QList<TChartText> kept;
    for (const TChartText& t : texts) {
        if (!kept.isEmpty() && kept.last().Box.adjusted(-1, -1, 1, 1).intersects(t.Box)) continue;
        kept << t;
    }
    return kept;
}

QString ValueText(double v) {
    return FormatFloat2(v);
}

} // namespace

QFont ChartFont(const TFontData& f) {
    return ToQFont(f);
}

double NiceStep(double range, int ticks) {
    if (!(range > 0) || ticks < 1) return 1;
    const double raw = range / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * power) return m * power;
    return 10 * power;
}

double TChartLayout::YToPixel(double value) const {
    if (YMax <= YMin) return Plot.bottom();
    return Plot.bottom() - (value - YMin) / (YMax - YMin) * Plot.height();
}

double TChartLayout::XToPixel(double x) const {
    if (XMax <= XMin) return Plot.center().x();
    return Plot.left() + (x - XMin) / (XMax - XMin) * Plot.width();
}

double TChartLayout::BaseY() const {
    return YToPixel(std::clamp(0.0, YMin, YMax));
}

namespace {

// The labels at the line ends, beside each line's last point, from the top down; one that
// would overlap a label already placed is left out, the highlighted line's placed first.
void PlaceEndLabels(TChartLayout& l, const TChartData& data, const QFont& font) {
    const QFontMetricsF fm(font);
    std::vector<int> order;
    for (int i = 0; i < data.Series.size() && i < l.Points.size(); ++i)
        if (!data.Series[i].EndLabel.isEmpty() && !l.Points[i].isEmpty()) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if ((a == data.Highlight) != (b == data.Highlight)) return a == data.Highlight;
        return l.Points[a].last().y() < l.Points[b].last().y();
    });
    QList<QRectF> taken;
    for (const int i : order) {
        TChartText t;
        t.Text = data.Series[i].EndLabel;
        t.Size = QSizeF(fm.horizontalAdvance(t.Text) + 2, fm.height());
        const QPointF end = l.Points[i].last();
        t.Box = QRectF(QPointF(l.Plot.right() + 4, end.y() - t.Size.height() / 2), t.Size);
        if (t.Box.right() > l.Bounds.right()) continue;
        bool free = true;
        for (const QRectF& r : taken)
            free = free && !r.intersects(t.Box);
        if (!free) continue;
        taken << t.Box;
        l.EndLabels << t;
        l.EndLabelSeries << i;
    }
}

} // namespace

TChartLayout LayoutChart(const QRectF& bounds, const TChartData& data, const TChartSettings& s) {
    TChartLayout l;
    l.Bounds = bounds;
    const QFont titleFont = ChartFont(s.TitleFont);
    const QFont xLabelsFont = ChartFont(s.XLabelsFont);
    const QFont yLabelsFont = ChartFont(s.YLabelsFont);
    const QFont legendFont = ChartFont(s.LegendFont);
    QRectF area = bounds.adjusted(kPad, kPad, -kPad, -kPad);

    // Title lines, centred at the top.
    // A line too wide for the chart is broken at its blanks rather than cut at both ends.
    for (const QString& given : data.Title.split(QLatin1Char('\n'))) {
        for (const QString& line : WrapLine(given.trimmed(), titleFont, area.width())) {
            TChartText t = MakeText(line, titleFont, 0);
            t.Box.moveTopLeft(QPointF(area.center().x() - t.Box.width() / 2, area.top()));
            area.setTop(t.Box.bottom());
            l.TitleLines << t;
        }
    }
    if (!l.TitleLines.isEmpty()) area.setTop(area.top() + kPad);

    // The value range.
    bool any = false;
    double low = 0;
    double high = 0;
    l.XMin = 0;
    l.XMax = 1;
    bool anyX = false;
    for (const TChartSeries& series : data.Series) {
        for (const double v : series.Values) {
            low = any ? std::min(low, v) : v;
            high = any ? std::max(high, v) : v;
            any = true;
        }
        for (const TChartPoint& p : series.Points) {
            low = any ? std::min(low, p.Y) : p.Y;
            high = any ? std::max(high, p.Y) : p.Y;
            any = true;
            l.XMin = anyX ? std::min(l.XMin, p.X) : p.X;
            l.XMax = anyX ? std::max(l.XMax, p.X) : p.X;
            anyX = true;
        }
    }
    for (const double x : data.XTicks) {
        l.XMin = anyX ? std::min(l.XMin, x) : x;
        l.XMax = anyX ? std::max(l.XMax, x) : x;
        anyX = true;
    }
    if (l.XMax <= l.XMin) {
        l.XMin -= 1;
        l.XMax += 1;
    }
    low = std::min(low, 0.0); // the scale starts at 0 unless values go below it
    if (high <= low) high = low + 1;

    // The legend takes its side of what is left.
    l.ShowLegend = s.LegendVisible && !(data.Kind == TChartData::Lines && data.Series.size() == 1);
    if (l.ShowLegend) {
        if (data.Kind == TChartData::Lines || !s.BarColorEach || data.Categories.isEmpty()) {
            for (int i = 0; i < data.Series.size(); ++i) {
                const QColor c =
                    data.Series[i].Color.isValid() ? data.Series[i].Color : ChartPaletteColor(i);
                l.LegendEntries << TChartLegendEntry{data.Series[i].Title, c, {}};
            }
        } else {
            for (int i = 0; i < data.Categories.size(); ++i)
                l.LegendEntries << TChartLegendEntry{data.Categories[i], ChartPaletteColor(i), {}};
        }
        l.ShowLegend = !l.LegendEntries.isEmpty();
    }
    if (l.ShowLegend) {
        const QFontMetricsF fm(legendFont);
        const double row = fm.height() + 2;
        const double swatch = fm.height();
        double widest = 0;
        for (const auto& e : l.LegendEntries)
            widest = std::max(widest, fm.horizontalAdvance(e.Text));
        const double entryWidth = std::min(widest + swatch + 10, area.width() / 3);
        const bool side = s.LegendPosition == LegendLeft || s.LegendPosition == LegendRight;
        if (side) {
            const double w = entryWidth + 8;
            l.Legend = s.LegendPosition == LegendLeft
                           ? QRectF(area.left(), area.top(), w, area.height())
                           : QRectF(area.right() - w, area.top(), w, area.height());
            s.LegendPosition == LegendLeft ? area.setLeft(l.Legend.right() + kPad)
                                           : area.setRight(l.Legend.left() - kPad);
        } else {
            const int perRow = std::max(1, static_cast<int>(area.width() / (entryWidth + 8)));
            const auto rows = (l.LegendEntries.size() + perRow - 1) / perRow;
            const double h = std::min(static_cast<double>(rows) * row + 8, area.height() / 3);
            l.Legend = s.LegendPosition == LegendTop
                           ? QRectF(area.left(), area.top(), area.width(), h)
                           : QRectF(area.left(), area.bottom() - h, area.width(), h);
            s.LegendPosition == LegendTop ? area.setTop(l.Legend.bottom() + kPad)
                                          : area.setBottom(l.Legend.top() - kPad);
        }
        // Entries in rows (top, bottom) or a column (sides); those that do not fit are left out.
        const int perRow =
            side ? 1 : std::max(1, static_cast<int>(l.Legend.width() / (entryWidth + 8)));
        QList<TChartLegendEntry> placed;
        for (int i = 0; i < l.LegendEntries.size(); ++i) {
            const double x = l.Legend.left() + 4 + (i % perRow) * (entryWidth + 8);
            const double y = l.Legend.top() + 4 + (i / perRow) * row;
            if (y + row > l.Legend.bottom()) break;
            TChartLegendEntry e = l.LegendEntries[i];
            e.Box = QRectF(x, y, entryWidth, row);
            placed << e;
        }
        l.LegendEntries = placed;
        if (side && !placed.isEmpty())
            l.Legend.setHeight(placed.last().Box.bottom() + 4 - l.Legend.top());
    }

    // The axis titles.
    if (!data.LeftTitle.isEmpty()) {
        l.LeftTitle = MakeText(data.LeftTitle, ChartFont(s.YTitleFont), 90);
        area.setLeft(area.left() + l.LeftTitle.Box.width() + kLabelGap);
    }
    if (!data.BottomTitle.isEmpty()) {
        l.BottomTitle = MakeText(data.BottomTitle, ChartFont(s.XTitleFont), 0);
        area.setBottom(area.bottom() - l.BottomTitle.Box.height() - kLabelGap);
    }

    // The value scale: about one step per 40 pixels of a first guess at the plot's height.
    const int ticks = std::clamp(static_cast<int>(area.height() / 40), 2, 12);
    l.YStep = NiceStep(high - low, ticks);
    l.YMin = std::floor(low / l.YStep) * l.YStep;
    l.YMax = std::ceil(high / l.YStep) * l.YStep;
    if (l.YMax <= l.YMin) l.YMax = l.YMin + l.YStep;
    for (double v = l.YMin; v <= l.YMax + l.YStep / 2; v += l.YStep)
        l.YTicks << (std::abs(v) < l.YStep * 1e-9 ? 0.0 : v);
    double yLabelWidth = 0;
    QList<TChartText> yTexts;
    if (s.YLabelsVisible) {
        for (const double v : l.YTicks) {
            yTexts << MakeText(ValueText(v), yLabelsFont, s.YLabelsAngle % 360);
            yLabelWidth = std::max(yLabelWidth, yTexts.last().Box.width());
        }
    }

    // The bottom labels, measured before the plot's height is known.
    QList<TChartText> xTexts;
    double xLabelHeight = 0;
    if (s.XLabelsVisible) {
        const QStringList texts =
            data.Kind == TChartData::Bars ? data.Categories : data.XTickLabels;
        for (const QString& text : texts) {
            xTexts << MakeText(text, xLabelsFont, s.XLabelsAngle % 360);
            xLabelHeight = std::max(xLabelHeight, xTexts.last().Box.height());
        }
        xLabelHeight = std::min(xLabelHeight, area.height() / 3);
    }

    // Bar marks stand above the bars; the top keeps room for them.
    const QFontMetricsF markMetrics(xLabelsFont);
    const bool marks = data.Kind == TChartData::Bars && s.BarMarksVisible;
    const double markRoom = marks ? markMetrics.height() + 6 : 0;

    // Line ends keep room on the right for their labels.
    // Measured bold, as the highlighted line's label is drawn.
    QFont endFont = legendFont;
    endFont.setBold(true);
    double endRoom = 0;
    if (data.Kind == TChartData::Lines) {
        const QFontMetricsF fm(endFont);
        for (const TChartSeries& series : data.Series)
            if (!series.EndLabel.isEmpty())
                endRoom = std::max(endRoom, fm.horizontalAdvance(series.EndLabel) + 6);
        endRoom = std::min(endRoom, area.width() / 5);
    }
    QRectF plot = area.adjusted(yLabelWidth + (yLabelWidth > 0 ? kLabelGap : 0), markRoom, -endRoom,
                                -(xLabelHeight + (xLabelHeight > 0 ? kLabelGap : 0)));
    if (s.View3D) {
        const double depth =
            std::round(std::min(plot.width(), plot.height()) * s.Percent3D / 200.0);
        l.Depth = QPointF(depth, -depth);
        plot.adjust(0, depth, -depth, 0);
    }
    if (plot.width() < 10) plot.setWidth(10);
    if (plot.height() < 10) plot.setHeight(10);
    l.Plot = plot;

    // The value labels beside the scale, the axis titles beside the labels.
    for (int i = 0; i < yTexts.size(); ++i) {
        TChartText t = yTexts[i];
        const double y = l.YToPixel(l.YTicks[i]);
        t.Box.moveTopLeft(QPointF(plot.left() - kLabelGap - t.Box.width(), y - t.Box.height() / 2));
        l.YLabels << t;
    }
    l.YLabels = Thin(l.YLabels);
    if (!l.LeftTitle.Text.isEmpty())
        l.LeftTitle.Box.moveTopLeft(
            QPointF(plot.left() - kLabelGap - yLabelWidth - kLabelGap - l.LeftTitle.Box.width(),
                    plot.center().y() - l.LeftTitle.Box.height() / 2));
    if (!l.BottomTitle.Text.isEmpty())
        l.BottomTitle.Box.moveTopLeft(
            QPointF(plot.center().x() - l.BottomTitle.Box.width() / 2,
                    plot.bottom() + kLabelGap + xLabelHeight + kLabelGap));

    if (data.Kind == TChartData::Bars) {
        const auto n = data.Categories.size();
        const TChartSeries* series = data.Series.isEmpty() ? nullptr : &data.Series.first();
        const double slot = n > 0 ? plot.width() / static_cast<double>(n) : plot.width();
        const double width = std::max(1.0, slot * 0.7);
        for (qsizetype i = 0; i < n; ++i) {
            const double v = series && i < series->Values.size() ? series->Values[i] : 0;
            const double x = plot.left() + slot * static_cast<double>(i) + (slot - width) / 2;
            const double top = l.YToPixel(std::max(v, 0.0));
            const double bottom = l.YToPixel(std::min(v, 0.0));
            l.Bars << QRectF(x, top, width, bottom - top);
            QColor c = series && series->Color.isValid() ? series->Color : ChartPaletteColor(0);
            if (s.BarColorEach) c = ChartPaletteColor(static_cast<int>(i));
            l.BarColors << c;
            if (i < xTexts.size()) {
                TChartText t = xTexts[i];
                t.Box.moveTopLeft(
                    QPointF(x + width / 2 - t.Box.width() / 2, plot.bottom() + kLabelGap));
                l.XLabels << t;
            }
            if (marks) {
                TChartText m = MakeText(ValueText(v), xLabelsFont, 0);
                m.Box.adjust(0, 0, 4, 2);
                m.Box.moveTopLeft(QPointF(x + width / 2 + l.Depth.x() / 2 - m.Box.width() / 2,
                                          top + l.Depth.y() / 2 - m.Box.height() - 3));
                l.Marks << m;
            }
        }
        l.Marks = Thin(l.Marks);
    } else {
        for (int i = 0; i < xTexts.size() && i < data.XTicks.size(); ++i) {
            TChartText t = xTexts[i];
            t.Box.moveTopLeft(
                QPointF(l.XToPixel(data.XTicks[i]) - t.Box.width() / 2, plot.bottom() + kLabelGap));
            l.XLabels << t;
        }
        for (int i = 0; i < data.Series.size(); ++i) {
            QList<QPointF> points;
            for (const TChartPoint& p : data.Series[i].Points)
                points << QPointF(l.XToPixel(p.X), l.YToPixel(p.Y));
            l.Points << points;
            l.LineColors << (data.Series[i].Color.isValid() ? data.Series[i].Color
                                                            : ChartPaletteColor(i));
        }
        PlaceEndLabels(l, data, endFont);
    }
    l.XLabels = Thin(l.XLabels);
    return l;
}

int HitLegend(const TChartLayout& l, QPointF at) {
    if (!l.ShowLegend) return -1;
    for (int i = 0; i < l.LegendEntries.size(); ++i)
        if (l.LegendEntries[i].Box.contains(at)) return i;
    return -1;
}

int HitSeries(const TChartLayout& l, const TChartData& data, QPointF at) {
    if (data.Kind != TChartData::Lines) return -1;
    if (const int entry = HitLegend(l, at); entry >= 0) return entry;
    for (int i = 0; i < l.EndLabels.size(); ++i)
        if (l.EndLabels[i].Box.contains(at)) return l.EndLabelSeries[i];
    return -1;
}

QColor GreyedColor(const QColor& color) {
    const int grey = qGray(color.rgb());
    const auto fade = [grey](int c) { return (c + grey * 2) / 3 + (255 - (c + grey * 2) / 3) / 2; };
    return QColor(fade(color.red()), fade(color.green()), fade(color.blue()));
}

TChartHit HitChart(const TChartLayout& l, const TChartData& data, const TChartSettings& s,
                   QPointF at) {
    TChartHit hit;
    if (data.Kind == TChartData::Bars) {
        for (int i = 0; i < l.Bars.size(); ++i) {
            QRectF r = l.Bars[i];
            if (s.View3D) r.adjust(0, l.Depth.y(), l.Depth.x(), 0);
            if (r.adjusted(-1, -2, 1, 2).contains(at) && !data.Series.isEmpty()) {
                hit.Series = 0;
                hit.Index = i;
                const double v = data.Series[0].Values.value(i);
                hit.Text = data.Categories.value(i) + QStringLiteral(": ") + ValueText(v);
                return hit;
            }
        }
        return hit;
    }
    double best = 8 * 8; // within 8 pixels
    for (int si = 0; si < l.Points.size(); ++si) {
        for (int i = 0; i < l.Points[si].size(); ++i) {
            const QPointF d = l.Points[si][i] - at;
            const double dist = d.x() * d.x() + d.y() * d.y();
            if (dist <= best) {
                best = dist;
                hit.Series = si;
                hit.Index = i;
            }
        }
    }
    if (hit.Found()) {
        const TChartSeries& series = data.Series[hit.Series];
        const TChartPoint& p = series.Points[hit.Index];
        hit.Text = (series.Title.isEmpty() ? QString() : series.Title + QStringLiteral(", ")) +
                   p.Label + QStringLiteral(": ") + ValueText(p.Y);
    }
    return hit;
}

} // namespace kv
