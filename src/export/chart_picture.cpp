#include "export/chart_picture.h"

#include "render/chart_painter.h"

#include <QPainter>

namespace kv {

QByteArray ChartPictureBytes(const TChartData& data, const TChartSettings& settings, QSize size,
                             TPictureFormat format, QString& error) {
    size = size.expandedTo(QSize(1, 1));
    const QString title = data.Title.section(QLatin1Char('\n'), 0, 0);
    const auto draw = [&](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        DrawChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), data, settings);
    };
    switch (format) {
    case TPictureFormat::Svg:
        return SvgPictureBytes(size, title, draw);
    case TPictureFormat::Pdf:
        return PdfPictureBytes(size, title, draw);
    case TPictureFormat::Bmp:
        return BmpBytes(ChartImage(data, settings, size), 24);
    case TPictureFormat::Gif:
        // The white paper shows through, as on the table pictures.
        return GifBytes(ChartImage(data, settings, size), qRgb(255, 255, 255), error);
    default:
        return EncodedImageBytes(ChartImage(data, settings, size), format, error);
    }
}

TIoResult SaveChartPicture(const TChartData& data, const TChartSettings& settings, QSize size,
                           const QString& path, TPictureFormat format) {
    QString error;
    const QByteArray bytes = ChartPictureBytes(data, settings, size, format, error);
    if (bytes.isEmpty()) return TIoResult::Failure(error);
    return WriteFileAtomic(path, bytes);
}

} // namespace kv
