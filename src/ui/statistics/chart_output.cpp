#include "ui/statistics/chart_output.h"

#include "base/language.h"
#include "base/messages.h"
#include "export/chart_picture.h"
#include "render/chart_painter.h"
#include "ui/output/export_flows.h"
#include "ui/widgets/dialog_seam.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>

#include <array>

namespace kv {

bool PrintChart(QWidget* parent, TDialogSeam& dialogs, const TChartData& data,
                const TChartSettings& settings) {
    // Laid out in screen pixels, as the page shows it: the fonts, in points, keep their size
    // on paper and the lines their weight.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!dialogs.ChoosePrinter(parent, printer)) return false;
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowAppMessage(LangText(5893, "The chart could not be printed."), TMessageKind::Error);
        return false;
    }
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    DrawChart(painter, QRectF(0, 0, page.width(), page.height()), data, settings);
    painter.end();
    return true;
}

void CopyChartBitmap(const TChartData& data, const TChartSettings& settings, QSize size) {
    QApplication::clipboard()->setImage(
        ChartImage(data, settings, size).convertToFormat(QImage::Format_RGB888));
}

void CopyChartVector(const TChartData& data, const TChartSettings& settings, QSize size) {
    QString error;
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"),
                  ChartPictureBytes(data, settings, size, TPictureFormat::Svg, error));
    mime->setImageData(ChartImage(data, settings, size).convertToFormat(QImage::Format_RGB888));
    QApplication::clipboard()->setMimeData(mime);
}

bool SaveChartAs(QWidget* parent, TDialogSeam& dialogs, const TChartData& data,
                 const TChartSettings& settings, QSize size, TPictureFormat format,
                 const QString& name) {
    struct TKind {
        int TitleId;
        const char* Title;
        int FilterId;
        const char* Filter;
    };
    // In the order of the picture formats.
    static const std::array<TKind, 6> kinds = {{
        {5894, "Export to PNG", 5895, "PNG Image (*.png)"},
        {1166, "Export to JPEG", 1167, "JPEG files (*.jpg *.jpeg)"},
        {1164, "Export to BMP", 1165, "Bitmaps (*.bmp)"},
        {1168, "Export to GIF", 1169, "GIF files (*.gif)"},
        {1170, "Export to SVG", 1171, "Scalable Vector Graphics (*.svg)"},
        {1172, "Export to PDF", 1173, "PDF Document (*.pdf)"},
    }};
    const TKind& kind = kinds.at(static_cast<size_t>(format));
    const QString path =
        dialogs.SaveFile(parent, LangText(kind.TitleId, kind.Title),
                         SuggestedPicturePath(name, format), LangText(kind.FilterId, kind.Filter));
    if (path.isEmpty()) return false;
    const QString file = WithDefaultExtension(path, PictureExtension(format));
    const TIoResult r = SaveChartPicture(data, settings, size, file, format);
    if (!r) {
        ShowAppMessage(r.Message, TMessageKind::Error);
        return false;
    }
    RememberPictureFolder(file);
    return true;
}

} // namespace kv
