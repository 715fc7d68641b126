// The seven bar shapes, flat or with depth.
#include "render/chart_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace kv {

namespace {

QColor Lighter(const QColor& c) {
    return c.lighter(130);
}
QColor Darker(const QColor& c) {
    return c.darker(140);
}

void Fill(QPainter& p, const QPolygonF& shape, const QBrush& brush, const QColor& outline) {
    p.setBrush(brush);
    p.setPen(QPen(outline, 0));
    p.drawPolygon(shape);
}

// The shape drawn again from the back to the front, darker behind: depth for shapes whose
// faces are not flat planes (ellipses, arrows).
template <typename Draw> void Extrude(QPainter& p, QPointF depth, const QColor& color, Draw draw) {
    const int steps =
        static_cast<int>(std::min(40.0, std::max(std::abs(depth.x()), std::abs(depth.y()))));
    for (int i = steps; i > 0; --i) {
        const QPointF off = depth * (static_cast<double>(i) / steps);
        p.setBrush(Darker(color));
        p.setPen(Qt::NoPen);
        draw(off);
    }
}

void RectangleBar(QPainter& p, const QRectF& r, QPointF d, const QColor& c, bool gradient) {
    if (!d.isNull()) {
        Fill(p, QPolygonF({r.topLeft(), r.topRight(), r.topRight() + d, r.topLeft() + d}),
             Lighter(c), Darker(c));
        Fill(p, QPolygonF({r.topRight(), r.topRight() + d, r.bottomRight() + d, r.bottomRight()}),
             Darker(c), Darker(c));
    }
    QBrush brush(c);
    if (gradient) {
        // Lit from the left.
        QLinearGradient g(r.topLeft(), r.topRight());
        g.setColorAt(0, c.lighter(125));
        g.setColorAt(0.45, c);
        g.setColorAt(1, c.darker(125));
        brush = QBrush(g);
    }
    p.setBrush(brush);
    p.setPen(QPen(Darker(c), 0));
    p.drawRect(r);
}

void PyramidBar(QPainter& p, const QRectF& r, QPointF d, const QColor& c, bool inverted) {
    const double yWide = inverted ? r.top() : r.bottom();
    const double yPoint = inverted ? r.bottom() : r.top();
    const QPointF apex(r.center().x() + d.x() / 2, yPoint + d.y() / 2);
    const QPointF left(r.left(), yWide);
    const QPointF right(r.right(), yWide);
    if (!d.isNull()) {
        if (inverted) Fill(p, QPolygonF({left, right, right + d, left + d}), Lighter(c), Darker(c));
        Fill(p, QPolygonF({right, right + d, apex}), Darker(c), Darker(c));
    }
    Fill(p, QPolygonF({left, right, apex}), c, Darker(c));
}

void CylinderBar(QPainter& p, const QRectF& r, QPointF d, const QColor& c) {
    // The ends are ellipses as deep as the chart's depth, centred in it; flat, the cylinder
    // stands inside the bar's box with ends a third of its width high.
    const bool flat = d.isNull();
    const double h = flat ? std::min(r.width() / 3, r.height()) : -d.y();
    QRectF body = flat ? r.adjusted(0, h / 2, 0, -h / 2) : r.translated(d.x() / 2, d.y() / 2);
    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, Darker(c));
    g.setColorAt(0.4, Lighter(c));
    g.setColorAt(1, Darker(c));
    p.setPen(QPen(Darker(c), 0));
    p.setBrush(g);
    QPainterPath path;
    path.moveTo(body.left(), body.top());
    path.lineTo(body.left(), body.bottom());
    path.arcTo(QRectF(body.left(), body.bottom() - h / 2, body.width(), h), 180, 180);
    path.lineTo(body.right(), body.top());
    path.closeSubpath();
    p.drawPath(path);
    p.setBrush(c);
    p.drawEllipse(QRectF(body.left(), body.top() - h / 2, body.width(), h));
}

void EllipseBar(QPainter& p, const QRectF& r, QPointF d, const QColor& c) {
    if (!d.isNull()) Extrude(p, d, c, [&](QPointF off) { p.drawEllipse(r.translated(off)); });
    QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5),
                      std::max(r.width(), r.height()) / 1.5);
    g.setColorAt(0, Lighter(c));
    g.setColorAt(1, c);
    p.setBrush(g);
    p.setPen(QPen(Darker(c), 0));
    p.drawEllipse(r);
}

QPolygonF ArrowShape(const QRectF& r, bool down) {
    const double head = std::min(r.height(), r.width() * 0.8);
    const double shaftLeft = r.left() + r.width() / 4;
    const double shaftRight = r.right() - r.width() / 4;
    if (!down) {
        const double neck = r.top() + head;
        return QPolygonF({{shaftLeft, r.bottom()},
                          {shaftLeft, neck},
                          {r.left(), neck},
                          {r.center().x(), r.top()},
                          {r.right(), neck},
                          {shaftRight, neck},
                          {shaftRight, r.bottom()}});
    }
    const double neck = r.bottom() - head;
    return QPolygonF({{shaftLeft, r.top()},
                      {shaftLeft, neck},
                      {r.left(), neck},
                      {r.center().x(), r.bottom()},
                      {r.right(), neck},
                      {shaftRight, neck},
                      {shaftRight, r.top()}});
}

void ArrowBar(QPainter& p, const QRectF& r, QPointF d, const QColor& c, bool down) {
    const QPolygonF shape = ArrowShape(r, down);
    if (!d.isNull()) Extrude(p, d, c, [&](QPointF off) { p.drawPolygon(shape.translated(off)); });
    Fill(p, shape, c, Darker(c));
}

} // namespace

void DrawBar(QPainter& painter, const QRectF& front, QPointF depth, const QColor& color,
             int style) {
    if (front.height() <= 0 && style != BarRectangle && style != BarRectangleGradient) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing,
                          style != BarRectangle && style != BarRectangleGradient);
    switch (style) {
    case BarPyramid:
    case BarInvertedPyramid:
        PyramidBar(painter, front, depth, color, style == BarInvertedPyramid);
        break;
    case BarCylinder:
        CylinderBar(painter, front, depth, color);
        break;
    case BarEllipse:
        EllipseBar(painter, front, depth, color);
        break;
    case BarArrow:
        ArrowBar(painter, front, depth, color, false);
        break;
    case BarRectangleGradient:
        RectangleBar(painter, front, depth, color, true);
        break;
    default:
        RectangleBar(painter, front, depth, color, false);
        break;
    }
    painter.restore();
}

} // namespace kv
