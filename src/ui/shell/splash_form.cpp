#include "ui/shell/splash_form.h"

#include "base/preferences.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace kv {

QImage SplashPicture() {
    QImage image(350, 200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(0x10, 0x3a, 0x24));
    sky.setColorAt(1, QColor(0x05, 0x14, 0x0c));
    p.fillRect(image.rect(), sky);
    // A small standings table: header band, rows, the leader's row marked.
    const QRect table(170, 34, 160, 120);
    p.fillRect(table, QColor(0xF0, 0xFF, 0xF0));
    p.fillRect(QRect(table.left(), table.top(), table.width(), 18), QColor(0xC0, 0xDC, 0xC0));
    p.fillRect(QRect(table.left(), table.top() + 18, table.width(), 17), QColor(0xFF, 0xE8, 0x80));
    p.setPen(QColor(0x30, 0x30, 0x30));
    for (int y = table.top() + 18; y < table.bottom(); y += 17)
        p.drawLine(table.left(), y, table.right(), y);
    for (const int x : {table.left() + 22, table.left() + 112, table.left() + 136})
        p.drawLine(x, table.top(), x, table.bottom());
    p.drawRect(table);
    QFont small(QStringLiteral("Tahoma"), 7);
    QFont smallBold = small;
    smallBold.setBold(true);
    p.setFont(smallBold);
    p.drawText(QRect(table.left(), table.top(), 22, 18), Qt::AlignCenter, QStringLiteral("No"));
    p.drawText(QRect(table.left() + 26, table.top(), 84, 18), Qt::AlignVCenter,
               QStringLiteral("Team"));
    p.drawText(QRect(table.left() + 112, table.top(), 24, 18), Qt::AlignCenter,
               QStringLiteral("W"));
    p.drawText(QRect(table.left() + 136, table.top(), 24, 18), Qt::AlignCenter,
               QStringLiteral("Pts"));
    p.setFont(small);
    const char* const teams[] = {"Rovers", "Athletic", "Wanderers", "United", "Vale", "Town"};
    for (int i = 0; i < 6; ++i) {
        const int y = table.top() + 18 + i * 17;
        p.drawText(QRect(table.left(), y, 22, 17), Qt::AlignCenter, QString::number(i + 1));
        p.drawText(QRect(table.left() + 26, y, 84, 17), Qt::AlignVCenter, QLatin1String(teams[i]));
        p.drawText(QRect(table.left() + 112, y, 24, 17), Qt::AlignCenter,
                   QString::number(14 - 2 * i));
        p.drawText(QRect(table.left() + 136, y, 24, 17), Qt::AlignCenter,
                   QString::number(28 - 4 * i - (i % 2)));
    }
    p.setPen(Qt::white);
    QFont title(QStringLiteral("Tahoma"), 14, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(14, 56, 150, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Kelvorandine"));
    p.setFont(QFont(QStringLiteral("Tahoma"), 9));
    p.setPen(QColor(0xC0, 0xDC, 0xC0));
    p.drawText(QRect(14, 88, 150, 40), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("League tables of sports tournaments"));
    p.drawText(QRect(14, 170, 150, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version 2.2"));
    return image;
}

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(SplashPicture()) {
    setObjectName(QStringLiteral("TSplashForm"));
    setFixedSize(354, 204);
}

void TSplashForm::ShowNow() {
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    // The lowered frame: dark above and left, light below and right, two pixels wide.
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.drawLine(1, 1, width() - 2, 1);
    p.drawLine(1, 1, 1, height() - 2);
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.drawLine(1, height() - 2, width() - 2, height() - 2);
    p.drawLine(width() - 2, 1, width() - 2, height() - 2);
    p.drawImage(2, 2, picture_);
}

} // namespace kv
