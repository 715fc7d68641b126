#pragma once

#include "render/chart.h"
#include "render/chart_layout.h"

#include <QImage>
#include <QRectF>

class QPainter;

// Drawing a chart on any paint device: the screen, a printer, an image, SVG or PDF.
namespace kv {

void DrawChart(QPainter& painter, const QRectF& rect, const TChartData& data,
               const TChartSettings& settings);
// Draws with a layout made beforehand for the same rectangle.
void DrawChartLayout(QPainter& painter, const TChartLayout& layout, const TChartData& data,
                     const TChartSettings& settings);

// One bar of a style, with its 3D depth (zero for none); the front face is `front`.
void DrawBar(QPainter& painter, const QRectF& front, QPointF depth, const QColor& color, int style);

// The chart as a picture of `size` pixels on white.
QImage ChartImage(const TChartData& data, const TChartSettings& settings, QSize size);
} // namespace kv
