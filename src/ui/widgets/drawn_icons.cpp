#include "ui/widgets/drawn_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace kv {
namespace {

// Every icon is laid out on a 16 x 16 grid; lines sit on half units so that they fall on whole
// pixels at 16 px.
constexpr double Grid = 16.0;

const QColor FolderFill(240, 194, 75);
const QColor FolderBack(217, 166, 58);
const QColor FolderFront(246, 208, 106);
const QColor FolderLine(168, 123, 26);
const QColor SheetLine(82, 101, 122);
const QColor SheetFold(221, 228, 236);
const QColor TableHead(59, 125, 216);
const QColor TableRule(125, 147, 171);
const QColor PlusFill(46, 158, 62);
const QColor PlusLine(29, 110, 41);
const QColor MinusFill(216, 59, 59);
const QColor MinusLine(155, 31, 31);
const QColor BinFill(181, 192, 203);
const QColor BinLid(138, 150, 163);
const QColor BinLine(76, 88, 102);

QPen Line(const QColor& color, double width = 1.0) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void Shape(QPainter& p, const QPolygonF& shape, const QColor& fill, const QColor& line) {
    p.setPen(Line(line));
    p.setBrush(fill);
    p.drawPolygon(shape);
}

void FolderBody(QPainter& p, const QColor& fill) {
    Shape(p,
          QPolygonF({{1.5, 3.5}, {6.0, 3.5}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1.5, 13.5}}),
          fill, FolderLine);
}

void FolderClosed(QPainter& p) {
    FolderBody(p, FolderFill);
    p.setPen(Line(FolderFront.lighter(115)));
    p.drawLine(QPointF(2.5, 6.5), QPointF(13.5, 6.5));
}

void FolderOpen(QPainter& p) {
    FolderBody(p, FolderBack);
    Shape(p, QPolygonF({{3.5, 4.5}, {12.5, 4.5}, {12.5, 10.0}, {3.5, 10.0}}), Qt::white, SheetLine);
    Shape(p, QPolygonF({{1.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}}), FolderFront,
          FolderLine);
}

void Sheet(QPainter& p) {
    Shape(p, QPolygonF({{3.5, 1.5}, {10.0, 1.5}, {13.5, 5.0}, {13.5, 14.5}, {3.5, 14.5}}),
          Qt::white, SheetLine);
    Shape(p, QPolygonF({{10.0, 1.5}, {10.0, 5.0}, {13.5, 5.0}}), SheetFold, SheetLine);
    p.setPen(Qt::NoPen);
    p.setBrush(TableHead);
    p.drawRect(QRectF(5.0, 6.0, 7.0, 1.5));
    p.setPen(Line(TableRule));
    for (const double y : {9.5, 11.5, 13.0})
        p.drawLine(QPointF(5.0, y), QPointF(12.0, y));
    p.drawLine(QPointF(7.5, 7.5), QPointF(7.5, 13.0));
}

// A round badge in the lower right corner with a white bar (and a second one across it).
void Badge(QPainter& p, const QColor& fill, const QColor& line, bool plus) {
    p.setPen(Line(line));
    p.setBrush(fill);
    const QPointF centre(11.5, 11.5);
    p.drawEllipse(centre, 4.0, 4.0);
    p.setPen(Line(Qt::white, 1.6));
    p.drawLine(centre - QPointF(2.3, 0.0), centre + QPointF(2.3, 0.0));
    if (plus) p.drawLine(centre - QPointF(0.0, 2.3), centre + QPointF(0.0, 2.3));
}

void ListLines(QPainter& p) {
    for (const double y : {3.0, 6.5, 10.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(SheetLine);
        p.drawRect(QRectF(1.0, y - 1.0, 2.0, 2.0));
        p.setPen(Line(SheetLine, 1.5));
        p.drawLine(QPointF(4.5, y), QPointF(y < 9.0 ? 14.5 : 7.0, y));
    }
}

void Bin(QPainter& p) {
    Shape(p, QPolygonF({{6.0, 3.0}, {6.0, 1.5}, {10.0, 1.5}, {10.0, 3.0}}), BinLid, BinLine);
    Shape(p, QPolygonF({{3.5, 5.5}, {12.5, 5.5}, {11.5, 14.5}, {4.5, 14.5}}), BinFill, BinLine);
    Shape(p, QPolygonF({{2.0, 3.0}, {14.0, 3.0}, {14.0, 5.0}, {2.0, 5.0}}), BinLid, BinLine);
    p.setPen(Line(BinLine));
    for (const double x : {6.5, 8.0, 9.5})
        p.drawLine(QPointF(x, 7.0), QPointF(x, 13.0));
}

void Paint(QPainter& p, TDrawnIcon which) {
    switch (which) {
    case TDrawnIcon::FolderClosed:
        FolderClosed(p);
        break;
    case TDrawnIcon::FolderOpen:
        FolderOpen(p);
        break;
    case TDrawnIcon::Tournament:
        Sheet(p);
        break;
    case TDrawnIcon::NewTournament:
        Sheet(p);
        Badge(p, PlusFill, PlusLine, true);
        break;
    case TDrawnIcon::RemoveFromList:
        ListLines(p);
        Badge(p, MinusFill, MinusLine, false);
        break;
    case TDrawnIcon::Delete:
        Bin(p);
        break;
    }
}

} // namespace

namespace {

// Drawn when a size is first asked for, not when the icon is made: the program starts without
// painting pictures no one has seen yet.
class TDrawnIconEngine : public QIconEngine {
public:
    explicit TDrawnIconEngine(TDrawnIcon which) : which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        const QString key = QStringLiteral("kv-drawn-%1-%2-%3")
                                .arg(static_cast<int>(which_))
                                .arg(side)
                                .arg(static_cast<int>(mode));
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap)) return pixmap;
        pixmap = QPixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / Grid, side / Grid);
        Paint(p, which_);
        p.end();
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }
    QIconEngine* clone() const override { return new TDrawnIconEngine(which_); }

private:
    TDrawnIcon which_;
};

} // namespace

QIcon DrawnIcon(TDrawnIcon which) {
    return QIcon(new TDrawnIconEngine(which)); // the icon owns its engine
}

} // namespace kv
