#include "render/chart_painter.h"

#include "base/formats.h"
#include "render/paint_tools.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kv {

namespace {

const QColor kWall(0xF4, 0xF4, 0xF4);
const QColor kFloor(0xE4, 0xE4, 0xE4);
const QColor kGridLine(0xC8, 0xC8, 0xC8);
const QColor kAxis(0x60, 0x60, 0x60);
const QColor kMarkFill(0xFF, 0xFF, 0xE1);

void DrawText(QPainter& p, const TChartText& t, const QFont& font, const QColor& color) {
    if (t.Text.isEmpty()) return;
    p.save();
    p.setFont(font);
    p.setPen(color);
    p.translate(t.Box.center());
    p.rotate(-t.Angle);
    p.drawText(QRectF(-t.Size.width() / 2, -t.Size.height() / 2, t.Size.width(), t.Size.height()),
               Qt::AlignCenter | Qt::TextSingleLine, t.Text);
    p.restore();
}

QColor FontColor(const TFontData& f) {
    return ToQColor(f.Color);
}

// The walls behind the plot: the back wall, the left wall and the floor, with the scale's lines.
void DrawWalls(QPainter& p, const TChartLayout& l) {
    const QRectF& r = l.Plot;
    const QPointF d = l.Depth;
    p.save();
    p.setPen(QPen(kAxis, 0));
    if (!d.isNull()) {
        p.setBrush(kWall);
        p.drawRect(r.translated(d));
        p.setBrush(kWall.darker(104));
        p.drawPolygon(
            QPolygonF({r.topLeft(), r.topLeft() + d, r.bottomLeft() + d, r.bottomLeft()}));
        p.setBrush(kFloor);
        p.drawPolygon(
            QPolygonF({r.bottomLeft(), r.bottomLeft() + d, r.bottomRight() + d, r.bottomRight()}));
    } else {
        p.setBrush(kWall);
        p.drawRect(r);
    }
    p.setPen(QPen(kGridLine, 0, Qt::DotLine));
    for (const double v : l.YTicks) {
        const double y = l.YToPixel(v);
        if (!d.isNull()) {
            p.drawLine(QPointF(r.left(), y), QPointF(r.left(), y) + d);
            p.drawLine(QPointF(r.left(), y) + d, QPointF(r.right(), y) + d);
        } else {
            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        }
    }
    p.setPen(QPen(kAxis, 0));
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    for (const double v : l.YTicks) {
        const double y = l.YToPixel(v);
        p.drawLine(QPointF(r.left() - 3, y), QPointF(r.left(), y));
    }
    p.restore();
}

void DrawMarks(QPainter& p, const TChartLayout& l, const QFont& font) {
    p.save();
    p.setFont(font);
    for (const TChartText& m : l.Marks) {
        p.setPen(QPen(kAxis, 0));
        p.setBrush(kMarkFill);
        p.drawRect(m.Box);
        p.setPen(Qt::black);
        p.drawText(m.Box, Qt::AlignCenter, m.Text);
    }
    p.restore();
}

void DrawPointShape(QPainter& p, QPointF at, double w, double h, int style) {
    const QRectF r(at.x() - w / 2, at.y() - h / 2, w, h);
    switch (style) {
    case PointCircle:
        p.drawEllipse(r);
        break;
    case PointTriangle:
        p.drawPolygon(
            QPolygonF({QPointF(r.center().x(), r.top()), r.bottomRight(), r.bottomLeft()}));
        break;
    case PointDiamond:
        p.drawPolygon(
            QPolygonF({QPointF(r.center().x(), r.top()), QPointF(r.right(), r.center().y()),
                       QPointF(r.center().x(), r.bottom()), QPointF(r.left(), r.center().y())}));
        break;
    default:
        p.drawRect(r);
        break;
    }
}

void DrawLines(QPainter& p, const TChartLayout& l, const TChartData& data,
               const TChartSettings& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, !s.LineStairs);
    p.setClipRect(l.Plot.adjusted(-s.LinePointWidth, -s.LinePointHeight, s.LinePointWidth,
                                  s.LinePointHeight));
    const int strong =
        data.Highlight >= 0 && data.Highlight < l.Points.size() ? data.Highlight : -1;
    const auto colorOf = [&](int si) {
        if (strong < 0) return l.LineColors[si];
        if (si != strong) return GreyedColor(l.LineColors[si]);
        // A light colour (yellow) would not stand out on the wall: darkened.
        const QColor c = l.LineColors[si];
        return qGray(c.rgb()) > 160 ? c.darker(170) : c;
    };
    // The highlighted line last, on top of the greyed ones.
    std::vector<int> order;
    for (int si = 0; si < l.Points.size(); ++si)
        if (si != strong) order.push_back(si);
    if (strong >= 0) order.push_back(strong);
    for (const int si : order) {
        const QList<QPointF>& pts = l.Points[si];
        if (pts.isEmpty()) continue;
        QPainterPath path(pts.first());
        for (int i = 1; i < pts.size(); ++i) {
            if (s.LineStairs) path.lineTo(QPointF(pts[i].x(), pts[i - 1].y()));
            path.lineTo(pts[i]);
        }
        p.setBrush(Qt::NoBrush);
        const int width = std::max(1, s.LineBorderWidth) + (si == strong ? 2 : 0);
        p.setPen(QPen(colorOf(si), width));
        p.drawPath(path);
        if (s.LinePoints) {
            p.setPen(QPen(colorOf(si).darker(150), 0));
            p.setBrush(colorOf(si));
            for (const QPointF& pt : pts)
                DrawPointShape(p, pt, s.LinePointWidth, s.LinePointHeight, s.LinePointStyle);
        }
    }
    p.restore();
    // The labels at the line ends stand beside the plot, in their line's colour.
    p.save();
    p.setFont(ChartFont(s.LegendFont));
    for (int i = 0; i < l.EndLabels.size(); ++i) {
        const int si = l.EndLabelSeries[i];
        QFont font = ChartFont(s.LegendFont);
        font.setBold(si == strong);
        p.setFont(font);
        // Light colours (yellow) darkened, so that the label reads on white.
        const QColor c = colorOf(si);
        p.setPen(si == strong || qGray(c.rgb()) <= 160 ? c : c.darker(170));
        p.drawText(l.EndLabels[i].Box, Qt::AlignLeft | Qt::AlignVCenter, l.EndLabels[i].Text);
    }
    p.restore();
}

void DrawLegend(QPainter& p, const TChartLayout& l, const TChartData& data,
                const TChartSettings& s) {
    if (!l.ShowLegend) return;
    // While a line is highlighted, the other lines' entries are greyed as their lines are.
    const bool lines = data.Kind == TChartData::Lines;
    const int strong = lines ? data.Highlight : -1;
    p.save();
    p.setPen(QPen(kAxis, 0));
    p.setBrush(Qt::white);
    p.drawRect(l.Legend);
    const QFont font = ChartFont(s.LegendFont);
    p.setFont(font);
    for (int i = 0; i < l.LegendEntries.size(); ++i) {
        const TChartLegendEntry& e = l.LegendEntries[i];
        const bool greyed = strong >= 0 && i != strong;
        const double sw = e.Box.height() - 4;
        const QRectF swatch(e.Box.left(), e.Box.top() + 2, sw, sw);
        p.setPen(QPen(kAxis, 0));
        p.setBrush(greyed ? GreyedColor(e.Color) : e.Color);
        p.drawRect(swatch);
        QFont entryFont = font;
        entryFont.setBold(i == strong);
        p.setFont(entryFont);
        p.setPen(greyed ? QColor(Qt::gray) : FontColor(s.LegendFont));
        const QRectF text(swatch.right() + 4, e.Box.top(), e.Box.right() - swatch.right() - 4,
                          e.Box.height());
        p.drawText(
            text, Qt::AlignLeft | Qt::AlignVCenter,
            p.fontMetrics().elidedText(e.Text, Qt::ElideRight, static_cast<int>(text.width())));
    }
    p.restore();
}

} // namespace

void DrawChartLayout(QPainter& p, const TChartLayout& l, const TChartData& data,
                     const TChartSettings& s) {
    p.save();
    const QFont titleFont = ChartFont(s.TitleFont);
    for (const TChartText& t : l.TitleLines)
        DrawText(p, t, titleFont, FontColor(s.TitleFont));
    DrawWalls(p, l);
    const QFont yFont = ChartFont(s.YLabelsFont);
    for (const TChartText& t : l.YLabels)
        DrawText(p, t, yFont, FontColor(s.YLabelsFont));
    const QFont xFont = ChartFont(s.XLabelsFont);
    for (const TChartText& t : l.XLabels)
        DrawText(p, t, xFont, FontColor(s.XLabelsFont));
    DrawText(p, l.LeftTitle, ChartFont(s.YTitleFont), FontColor(s.YTitleFont));
    DrawText(p, l.BottomTitle, ChartFont(s.XTitleFont), FontColor(s.XTitleFont));
    if (data.Kind == TChartData::Bars) {
        for (int i = 0; i < l.Bars.size(); ++i)
            DrawBar(p, l.Bars[i], l.Depth, l.BarColors[i], s.BarStyle);
        DrawMarks(p, l, xFont);
    } else {
        DrawLines(p, l, data, s);
    }
    DrawLegend(p, l, data, s);
    p.restore();
}

void DrawChart(QPainter& painter, const QRectF& rect, const TChartData& data,
               const TChartSettings& settings) {
    DrawChartLayout(painter, LayoutChart(rect, data, settings), data, settings);
}

QImage ChartImage(const TChartData& data, const TChartSettings& settings, QSize size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), data, settings);
    painter.end();
    return image;
}

} // namespace kv
