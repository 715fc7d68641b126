#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// A printed page as it will come out: white paper with its shadow, drawn by the caller at the
// printer's resolution and scaled to the panel (or to a zoom of its own).
namespace kv {

class TPagePreview : public QWidget {
    Q_OBJECT
public:
    using TPainter = std::function<void(QPainter&, int page)>;

    explicit TPagePreview(QWidget* parent = nullptr);

    // The page's size in printer pixels, and the printer's pixels per inch.
    void SetPaper(QSizeF size, double dpi);
    void SetPainter(TPainter painter);
    void SetPage(int page);
    int Page() const { return page_; }
    // 0 fits the whole page into the panel; otherwise a percentage of its real size.
    void SetZoom(int percent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF PaperRect() const;
    QImage PageImage(QSizeF shown) const;

    QSizeF paper_{2480, 3508};
    double dpi_ = 300;
    TPainter painter_;
    int page_ = 0;
    int zoom_ = 0;
};

} // namespace kv
