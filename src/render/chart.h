#pragma once

#include "base/fontdata.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// What a chart shows and how charts are drawn. A chart is bars over categories (one value per
// category) or lines over a numeric axis (matchdays, or dates as day counts); the settings
// are the user's, shared by every chart.
namespace kv {

struct TChartPoint {
    double X = 0;
    double Y = 0;
    QString Label; // what the point stands for ("12", a full date)
};

struct TChartSeries {
    QString Title;
    QColor Color;              // invalid: the palette's colour for the series
    QList<double> Values;      // bars: one per category
    QList<TChartPoint> Points; // lines
    QString EndLabel;          // lines: drawn at the line's end when there is room (a symbol)
    int Key = -1;              // what the series stands for (a team id), for a click on it
};

struct TChartData {
    enum TKind { Bars, Lines };
    TKind Kind = Bars;
    QString Title; // lines separated by '\n'
    QString LeftTitle;
    QString BottomTitle;
    QStringList Categories; // bars: the labels along the bottom axis
    // Lines: the positions labelled along the bottom axis, with their labels.
    QList<double> XTicks;
    QStringList XTickLabels;
    QList<TChartSeries> Series;
    // Lines: the series drawn strong, the others greyed behind it; -1 for none.
    int Highlight = -1;

    bool IsEmpty() const;
    int LineSeriesCount() const { return Kind == Lines ? static_cast<int>(Series.size()) : 0; }
};

enum TBarStyle {
    BarRectangle = 0,
    BarPyramid = 1,
    BarInvertedPyramid = 2,
    BarCylinder = 3,
    BarEllipse = 4,
    BarArrow = 5,
    BarRectangleGradient = 6,
};
inline constexpr int kBarStyleCount = 7;
// The styles in the order the properties dialog lists them.
inline constexpr int kBarStylesListed[kBarStyleCount] = {
    BarRectangle, BarRectangleGradient, BarPyramid, BarInvertedPyramid,
    BarCylinder,  BarEllipse,           BarArrow};
// "rectangle", "rectangle-gradient", ... as file names use them.
QString BarStyleKey(int style);

enum TLegendPosition { LegendLeft = 0, LegendRight = 1, LegendTop = 2, LegendBottom = 3 };
enum TPointStyle { PointRectangle = 0, PointCircle = 1, PointTriangle = 2, PointDiamond = 3 };
inline constexpr int kPointStyleCount = 4;

// The user's chart settings (settings sub-key "Chart").
struct TChartSettings {
    TFontData TitleFont = MakeFont(QStringLiteral("Arial"), 11, true, 0x800000);
    bool View3D = true;
    int Percent3D = 15; // 1..100
    bool XLabelsVisible = true;
    bool YLabelsVisible = true;
    int XLabelsAngle = 90;
    int YLabelsAngle = 0;
    TFontData XLabelsFont = MakeFont(QStringLiteral("Arial"), 8, false);
    TFontData XTitleFont = MakeFont(QStringLiteral("Arial"), 9, true);
    TFontData YLabelsFont = MakeFont(QStringLiteral("Arial"), 8, false);
    TFontData YTitleFont = MakeFont(QStringLiteral("Arial"), 9, true);
    int BarStyle = BarRectangleGradient;
    bool BarColorEach = true;
    bool BarMarksVisible = true;
    int LineBorderWidth = 1;
    bool LineStairs = true;
    bool LinePoints = false;
    int LinePointWidth = 4;
    int LinePointHeight = 4;
    int LinePointStyle = PointRectangle;
    bool LegendVisible = false;
    int LegendPosition = LegendRight;
    TFontData LegendFont = MakeFont(QStringLiteral("Arial"), 8, false);

    // The stored settings over the defaults; out-of-range values are brought into range.
    static TChartSettings FromSettings();
    void Save() const;
    bool operator==(const TChartSettings&) const = default;
};

// A label angle as typed: a whole number of degrees, brought into 0 to 360; false otherwise.
bool ChartAngleFromText(const QString& text, int& angle);

// The chart as lines of text: the title, then "label: value" for each bar, or each line's
// title with its points.
QString ChartText(const TChartData& data);

// The colour of the n-th bar or line when each has its own.
QColor ChartPaletteColor(int index);

} // namespace kv
