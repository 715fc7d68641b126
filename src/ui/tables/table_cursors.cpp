#include "ui/tables/table_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kv {

namespace {

// An arrow with a small badge at its lower right.
QPixmap ArrowWith(const std::function<void(QPainter&)>& badge) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 17);
    arrow.lineTo(5, 13);
    arrow.lineTo(8, 19);
    arrow.lineTo(10, 18);
    arrow.lineTo(7, 12);
    arrow.lineTo(12, 12);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::black);
    p.drawPath(arrow);
    badge(p);
    return pixmap;
}

} // namespace

TTableCursors::TTableCursors() {
    // A shirt for teams.
    team_ = QCursor(ArrowWith([](QPainter& p) {
                        QPainterPath shirt;
                        shirt.moveTo(16, 18);
                        shirt.lineTo(20, 16);
                        shirt.lineTo(26, 16);
                        shirt.lineTo(30, 18);
                        shirt.lineTo(28, 22);
                        shirt.lineTo(27, 21);
                        shirt.lineTo(27, 30);
                        shirt.lineTo(19, 30);
                        shirt.lineTo(19, 21);
                        shirt.lineTo(18, 22);
                        shirt.closeSubpath();
                        p.setPen(QPen(Qt::black, 1));
                        p.setBrush(QColor(0xC0, 0x20, 0x20));
                        p.drawPath(shirt);
                    }),
                    1, 1);
    // A score board "2:1" for results.
    score_ =
        QCursor(ArrowWith([](QPainter& p) {
                    p.setPen(QPen(Qt::black, 1));
                    p.setBrush(QColor(0xFF, 0xFF, 0xE0));
                    p.drawRect(QRectF(14.5, 17.5, 16, 11));
                    QFont f(QStringLiteral("DejaVu Sans"), 6, QFont::Bold);
                    p.setFont(f);
                    p.drawText(QRectF(14.5, 17.5, 16, 11), Qt::AlignCenter, QStringLiteral("2:1"));
                }),
                1, 1);
    // Up and down arrows for sorting.
    sort_ =
        QCursor(ArrowWith([](QPainter& p) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(0x20, 0x40, 0xC0));
                    p.drawPolygon(QPolygonF({QPointF(17, 23), QPointF(21, 16), QPointF(25, 23)}));
                    p.drawPolygon(QPolygonF({QPointF(23, 24), QPointF(31, 24), QPointF(27, 31)}));
                }),
                1, 1);
}

QCursor TTableCursors::ForNumber(int number) const {
    switch (number) {
    case 5:
        return team_;
    case 6:
        return score_;
    case 7:
        return sort_;
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

} // namespace kv
