#include "ui/output/page_preview.h"

#include "model/tablestyle.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace kv {

TPagePreview::TPagePreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PagePreview"));
    setMinimumSize(200, 260);
}

void TPagePreview::SetPaper(QSizeF size, double dpi) {
    if (size.width() > 0 && size.height() > 0) paper_ = size;
    if (dpi > 0) dpi_ = dpi;
    updateGeometry();
    update();
}

void TPagePreview::SetPainter(TPainter painter) {
    painter_ = std::move(painter);
    update();
}

void TPagePreview::SetPage(int page) {
    page_ = page;
    update();
}

void TPagePreview::SetZoom(int percent) {
    zoom_ = percent;
    updateGeometry();
    update();
}

QSize TPagePreview::sizeHint() const {
    if (zoom_ <= 0) return {360, 480};
    const double screen = ScreenPixelsPerInch() / dpi_ * zoom_ / 100.0;
    return QSize(static_cast<int>(paper_.width() * screen) + 20,
                 static_cast<int>(paper_.height() * screen) + 20);
}

QRectF TPagePreview::PaperRect() const {
    const QRectF inside = QRectF(rect()).adjusted(10, 10, -10, -10);
    double scale = 0;
    if (zoom_ > 0)
        scale = ScreenPixelsPerInch() / dpi_ * zoom_ / 100.0;
    else
        scale = std::min(inside.width() / paper_.width(), inside.height() / paper_.height());
    const QSizeF shown = paper_ * scale;
    return QRectF(inside.left() + std::max(0.0, (inside.width() - shown.width()) / 2), inside.top(),
                  shown.width(), shown.height());
}

void TPagePreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF paper = PaperRect();
    p.fillRect(paper.translated(4, 4), QColor(0, 0, 0, 90));
    p.fillRect(paper, Qt::white);
    if (!painter_) return;
    p.drawImage(paper, PageImage(paper.size()));
}

QImage TPagePreview::PageImage(QSizeF shown) const {
    // Tables draw their lines as whole pixels of the screen: the page is drawn at the screen's
    // resolution at least (a line one pixel wide stays one), then scaled smoothly to the panel,
    // where a thin line turns grey instead of falling between pixels.
    const double atScreen = ScreenPixelsPerInch() / dpi_;
    const double scale = std::max(atScreen, shown.width() / paper_.width()) * devicePixelRatioF();
    const QSize size = (paper_ * scale).toSize().expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter ip(&image);
    ip.setRenderHint(QPainter::Antialiasing);
    ip.setRenderHint(QPainter::TextAntialiasing);
    ip.scale(size.width() / paper_.width(), size.height() / paper_.height());
    painter_(ip, page_);
    ip.end();
    return image.scaled((shown * devicePixelRatioF()).toSize().expandedTo(QSize(1, 1)),
                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace kv
