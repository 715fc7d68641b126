#pragma once

#include "base/fileio.h"
#include "export/picture_export.h"
#include "render/chart.h"

#include <QSize>

// Charts as picture files and clipboard data.
namespace kv {

// The size a chart is saved at when nothing else says.
inline constexpr QSize kDefaultChartSize(800, 500);

// The chart drawn at `size` as the bytes of a picture file; empty with `error` on failure.
// Bitmaps are 24 bits per pixel.
QByteArray ChartPictureBytes(const TChartData& data, const TChartSettings& settings, QSize size,
                             TPictureFormat format, QString& error);
TIoResult SaveChartPicture(const TChartData& data, const TChartSettings& settings, QSize size,
                           const QString& path, TPictureFormat format);

} // namespace kv
