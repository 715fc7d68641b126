#pragma once

#include "render/chart.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>

// Where every part of a chart goes in a rectangle: the title, the plot and its 3D depth, the
// axes' scales and labels (thinned so that no two overlap), the bars, the line points and the
// legend. The painter draws what the layout says; hover hints and tests read it too.
namespace kv {

// A text drawn turned by `Angle` degrees (counter-clockwise), centred in `Box`.
struct TChartText {
    QString Text;
    QRectF Box;
    int Angle = 0;
    QSizeF Size; // the text's own size before turning
};

struct TChartLegendEntry {
    QString Text;
    QColor Color;
    QRectF Box; // the whole entry: swatch and text
};

struct TChartLayout {
    QRectF Bounds;
    QList<TChartText> TitleLines;
    QRectF Plot;   // the front plane
    QPointF Depth; // from the front plane to the back wall: right and up; zero in 2D
    double YMin = 0;
    double YMax = 1;
    double YStep = 1;
    double XMin = 0; // lines only
    double XMax = 1;
    QList<double> YTicks;
    QList<TChartText> YLabels;
    QList<TChartText> XLabels; // the labels kept after thinning
    TChartText LeftTitle;
    TChartText BottomTitle;
    QList<QRectF> Bars;           // bars: the front face of each category's bar
    QList<QColor> BarColors;      // bars: each bar's colour
    QList<TChartText> Marks;      // bars: the value marks kept after thinning
    QList<QList<QPointF>> Points; // lines: each series' points on the plot
    QList<QColor> LineColors;
    QList<TChartText> EndLabels; // lines: the labels at the line ends that fit, with
    QList<int> EndLabelSeries;   // the series each belongs to
    bool ShowLegend = false;
    QRectF Legend;
    QList<TChartLegendEntry> LegendEntries;

    double YToPixel(double value) const;
    double XToPixel(double x) const;
    // The bar's base line: zero when the scale holds it, else the bottom of the scale.
    double BaseY() const;
};

QFont ChartFont(const TFontData& f);

TChartLayout LayoutChart(const QRectF& bounds, const TChartData& data,
                         const TChartSettings& settings);

// The bar or point under a position, as a hover hint shows it ("Arsenal: 12").
struct TChartHit {
    int Series = -1;
    int Index = -1;
    QString Text;
    bool Found() const { return Index >= 0; }
};
TChartHit HitChart(const TChartLayout& layout, const TChartData& data,
                   const TChartSettings& settings, QPointF at);

// The series of the legend entry under a position (lines), or -1.
int HitLegend(const TChartLayout& layout, QPointF at);
// The line whose legend entry or end label is under a position, or -1 (bars: always -1).
int HitSeries(const TChartLayout& layout, const TChartData& data, QPointF at);

// How a series is drawn while another is highlighted: its colour faded towards grey.
QColor GreyedColor(const QColor& color);

// A round scale from min to max with about `ticks` steps: 1, 2 or 5 times a power of ten.
double NiceStep(double range, int ticks);

} // namespace kv
