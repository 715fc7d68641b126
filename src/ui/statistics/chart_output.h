#pragma once

#include "export/picture_export.h"
#include "render/chart.h"

class QWidget;

// What a chart can be turned into from a window: paper, the clipboard and picture files.
namespace kv {

class TDialogSeam;

// The print dialog, then the chart on one page in the orientation chosen there.
bool PrintChart(QWidget* parent, TDialogSeam& dialogs, const TChartData& data,
                const TChartSettings& settings);
// The chart as a bitmap; or as SVG with the bitmap beside it for programs that take no vectors.
void CopyChartBitmap(const TChartData& data, const TChartSettings& settings, QSize size);
void CopyChartVector(const TChartData& data, const TChartSettings& settings, QSize size);
// The save dialog for a picture of the chart at `size`; the picture folder is proposed and kept.
bool SaveChartAs(QWidget* parent, TDialogSeam& dialogs, const TChartData& data,
                 const TChartSettings& settings, QSize size, TPictureFormat format,
                 const QString& name);

} // namespace kv
