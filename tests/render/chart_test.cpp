// The chart painter: bar shapes and depth at known pixels, label thinning, hits and settings.
#include "support/testenv.h"

#include "base/settings.h"
#include "render/chart_layout.h"
#include "render/chart_painter.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace kv;

namespace {

const QColor kRed(0xFF, 0, 0);

TChartData OneBar(double value = 10) {
    TChartData d;
    d.Title = QStringLiteral("One bar");
    d.Categories << QStringLiteral("Only");
    d.Series << TChartSeries{QStringLiteral("S"), kRed, {value}, {}, {}, -1};
    return d;
}

TChartSettings Plain(int style) {
    TChartSettings s;
    s.View3D = false;
    s.BarStyle = style;
    s.BarColorEach = false;
    s.BarMarksVisible = false;
    return s;
}

bool Reddish(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 130 && qBlue(c) < 130;
}

class Chart : public kvtest::TTempHome {};

} // namespace

TEST_F(Chart, EveryBarStyleReachesItsValue) {
    const QSize size(300, 300);
    for (int style = 0; style < kBarStyleCount; ++style) {
        SCOPED_TRACE(BarStyleKey(style).toStdString());
        const TChartData data = OneBar();
        const TChartSettings settings = Plain(style);
        const TChartLayout l =
            LayoutChart(QRectF(0, 0, size.width(), size.height()), data, settings);
        ASSERT_EQ(l.Bars.size(), 1);
        const QRectF bar = l.Bars[0];
        // The value 10 stands at its place on the scale, the base at zero.
        EXPECT_NEAR(bar.top(), l.YToPixel(10), 0.5);
        EXPECT_NEAR(bar.bottom(), l.YToPixel(0), 0.5);
        const QImage image = ChartImage(data, settings, size);
        const int cx = qRound(bar.center().x());
        // Coloured at the bar's middle and near its top (or its tip), blank above it.
        EXPECT_TRUE(Reddish(image.pixel(cx, qRound(bar.center().y()))));
        EXPECT_TRUE(Reddish(image.pixel(cx, qRound(bar.top()) + 4)));
        EXPECT_FALSE(Reddish(image.pixel(cx, qRound(bar.top()) - 4)));
        // The pyramid narrows upwards, the inverted one downwards.
        const int nearLeft = qRound(bar.left() + 3);
        if (style == BarPyramid) {
            EXPECT_FALSE(Reddish(image.pixel(nearLeft, qRound(bar.top()) + 3)));
        } else if (style == BarInvertedPyramid) {
            EXPECT_FALSE(Reddish(image.pixel(nearLeft, qRound(bar.bottom()) - 3)));
        } else if (style == BarRectangle) {
            EXPECT_TRUE(Reddish(image.pixel(nearLeft, qRound(bar.top()) + 3)));
        }
    }
}

TEST_F(Chart, DepthOffsetsTheBarsTopAndSide) {
    TChartSettings s = Plain(BarRectangle);
    s.View3D = true;
    s.Percent3D = 20;
    const QSize size(400, 300);
    const TChartData data = OneBar();
    const TChartLayout l = LayoutChart(QRectF(0, 0, size.width(), size.height()), data, s);
    const double depth = std::round(
        std::min(l.Plot.width() + l.Depth.x(), l.Plot.height() - l.Depth.y()) * 20 / 200.0);
    EXPECT_EQ(l.Depth, QPointF(depth, -depth));
    EXPECT_GT(depth, 10);
    const QImage image = ChartImage(data, s, size);
    const QRectF bar = l.Bars[0];
    // The top face above the front, the side face to its right: both shades of the bar.
    const QRgb top =
        image.pixel(qRound(bar.center().x() + depth / 2), qRound(bar.top() - depth / 2));
    const QRgb side = image.pixel(qRound(bar.right() + depth / 2), qRound(bar.center().y()));
    EXPECT_GT(qRed(top), qGreen(top) + 40);
    EXPECT_GT(qRed(side), qGreen(side) + 40);
    EXPECT_LT(qRed(side), 255); // darker than the front
    // Beyond the depth, the wall.
    EXPECT_FALSE(Reddish(image.pixel(qRound(bar.right() + depth + 3), qRound(bar.center().y()))));
    // Without depth the side is blank.
    s.View3D = false;
    const TChartLayout flat = LayoutChart(QRectF(0, 0, size.width(), size.height()), data, s);
    EXPECT_EQ(flat.Depth, QPointF());
    const QImage plain = ChartImage(data, s, size);
    EXPECT_FALSE(
        Reddish(plain.pixel(qRound(flat.Bars[0].right() + 4), qRound(flat.Bars[0].center().y()))));
}

TEST_F(Chart, SeventyTeamsKeepTheirLabelsApart) {
    TChartData d;
    d.Series << TChartSeries{};
    for (int i = 0; i < 70; ++i) {
        d.Categories << QStringLiteral("Team number %1 of the league").arg(i + 1);
        d.Series[0].Values << i % 9;
    }
    const TChartSettings s; // default angle: 90 degrees
    const TChartLayout l = LayoutChart(QRectF(0, 0, 900, 600), d, s);
    ASSERT_GE(l.XLabels.size(), 20);
    for (int i = 1; i < l.XLabels.size(); ++i)
        EXPECT_FALSE(l.XLabels[i - 1].Box.intersects(l.XLabels[i].Box)) << i;
    for (int i = 1; i < l.Marks.size(); ++i)
        EXPECT_FALSE(l.Marks[i - 1].Box.intersects(l.Marks[i].Box)) << i;
    // The labels stay inside the picture.
    for (const TChartText& t : l.XLabels)
        EXPECT_LE(t.Box.bottom(), 600);
}

TEST_F(Chart, LinesStairsPointsAndHits) {
    TChartData d;
    d.Kind = TChartData::Lines;
    d.XTicks = {1, 2, 3};
    d.XTickLabels = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    d.Series << TChartSeries{
        QStringLiteral("A"), kRed, {}, {{1, 3, "1"}, {2, 3, "2"}, {3, 6, "3"}}, {}, -1};
    d.Series << TChartSeries{
        QStringLiteral("B"), QColor(0, 0, 255), {}, {{1, 0, "1"}, {3, 1, "3"}}, {}, -1};
    TChartSettings s;
    s.View3D = false;
    s.LegendVisible = true;
    const TChartLayout l = LayoutChart(QRectF(0, 0, 500, 400), d, s);
    EXPECT_TRUE(l.ShowLegend);
    ASSERT_EQ(l.LegendEntries.size(), 2);
    EXPECT_GT(l.Legend.left(), l.Plot.right()); // on the right by default
    EXPECT_EQ(l.YMin, 0);
    ASSERT_EQ(l.Points[0].size(), 3);
    const QImage image = ChartImage(d, s, QSize(500, 400));
    // A stair: from (2, 3) level to x=3, then up to 6.
    const QPointF corner(l.XToPixel(3), l.YToPixel(3));
    EXPECT_TRUE(Reddish(image.pixel(qRound(corner.x() - 10), qRound(corner.y()))));
    const TChartHit hit = HitChart(l, d, s, l.Points[0][2] + QPointF(2, 1));
    EXPECT_EQ(hit.Text, "A, 3: 6");
    EXPECT_FALSE(HitChart(l, d, s, QPointF(2, 2)).Found());

    s.LegendPosition = LegendBottom;
    const TChartLayout bottom = LayoutChart(QRectF(0, 0, 500, 400), d, s);
    EXPECT_GT(bottom.Legend.top(), bottom.Plot.bottom());
}

TEST_F(Chart, BarHitNamesTheCategory) {
    const TChartData data = OneBar(7.5);
    const TChartSettings s;
    const TChartLayout l = LayoutChart(QRectF(0, 0, 300, 300), data, s);
    EXPECT_EQ(HitChart(l, data, s, l.Bars[0].center()).Text, "Only: 7.5");
    EXPECT_EQ(l.Marks.size(), 1);
    EXPECT_EQ(l.Marks[0].Text, "7.5");
}

TEST_F(Chart, NegativeValuesHangBelowZero) {
    TChartData d = OneBar(-4);
    const TChartLayout l = LayoutChart(QRectF(0, 0, 300, 300), d, Plain(BarRectangle));
    EXPECT_LT(l.YMin, 0);
    EXPECT_NEAR(l.Bars[0].top(), l.YToPixel(0), 0.5);
    EXPECT_NEAR(l.Bars[0].bottom(), l.YToPixel(-4), 0.5);
}

TEST_F(Chart, SettingsRoundTripAndStayInRange) {
    TChartSettings s;
    s.View3D = false;
    s.Percent3D = 35;
    s.XLabelsAngle = 270;
    s.BarStyle = BarCylinder;
    s.LinePoints = true;
    s.LegendPosition = LegendTop;
    s.TitleFont.Size = 14;
    s.Save();
    EXPECT_EQ(TChartSettings::FromSettings(), s);
    RegWriteInteger(QStringLiteral("Chart"), QStringLiteral("BarStyle"), 99);
    RegWriteInteger(QStringLiteral("Chart"), QStringLiteral("Chart3DPercent"), 0);
    const TChartSettings read = TChartSettings::FromSettings();
    EXPECT_EQ(read.BarStyle, kBarStyleCount - 1);
    EXPECT_EQ(read.Percent3D, 1);
    EXPECT_EQ(NiceStep(100, 5), 20);
    EXPECT_EQ(NiceStep(7, 10), 1);
}

TEST_F(Chart, AnglesAreWholeNumbersOfDegrees) {
    int angle = -1;
    EXPECT_TRUE(ChartAngleFromText(QStringLiteral(" 90 "), angle));
    EXPECT_EQ(angle, 90);
    EXPECT_TRUE(ChartAngleFromText(QStringLiteral("450"), angle));
    EXPECT_EQ(angle, 90);
    EXPECT_TRUE(ChartAngleFromText(QStringLiteral("-90"), angle));
    EXPECT_EQ(angle, 270);
    EXPECT_TRUE(ChartAngleFromText(QStringLiteral("360"), angle));
    EXPECT_EQ(angle, 360);
    for (const char* bad : {"4.5", "", "ninety", "90°"})
        EXPECT_FALSE(ChartAngleFromText(QString::fromUtf8(bad), angle)) << bad;
}

// A title wider than the chart is broken into lines that each fit, not cut at both ends; a
// word too long for any line is shortened.
TEST_F(Chart, ALongTitleIsBrokenIntoLinesThatFit) {
    TChartData d = OneBar();
    d.Title = QStringLiteral("Riverside Spring League - Riverside Rovers (Riverside, Ruritania) - "
                             "Points progress by matchdays, home and away\nSecond line");
    const QRectF bounds(0, 0, 260, 300);
    const TChartLayout l = LayoutChart(bounds, d, Plain(BarRectangle));
    ASSERT_GT(l.TitleLines.size(), 2);
    for (const TChartText& t : l.TitleLines) {
        EXPECT_GE(t.Box.left(), bounds.left()) << t.Text.toStdString();
        EXPECT_LE(t.Box.right(), bounds.right()) << t.Text.toStdString();
    }
    EXPECT_EQ(l.TitleLines.last().Text, QStringLiteral("Second line"));
    d.Title = QStringLiteral("Supercalifragilisticexpialidocious-Championship-Of-The-Year");
    const TChartLayout one = LayoutChart(QRectF(0, 0, 120, 200), d, Plain(BarRectangle));
    ASSERT_EQ(one.TitleLines.size(), 1);
    EXPECT_LE(one.TitleLines.front().Box.width(), 120);
    EXPECT_TRUE(one.TitleLines.front().Text.endsWith(QChar(0x2026)));
}

// Line ends carry their labels beside the plot, never overlapping (the highlighted line's
// first); a highlighted line is drawn strong and the others greyed; the legend's entries are
// found by position.
TEST_F(Chart, LineEndLabelsAndAHighlightedLine) {
    TChartData d;
    d.Kind = TChartData::Lines;
    d.XTicks = {1, 2};
    d.XTickLabels = {QStringLiteral("1"), QStringLiteral("2")};
    d.Series << TChartSeries{QStringLiteral("Ajax"), kRed, {}, {{1, 3, "1"}, {2, 6, "2"}},
                             QStringLiteral("AJX"),  7};
    // Two lines ending at the same value: their labels cannot both stand there.
    d.Series << TChartSeries{QStringLiteral("Bern"),     QColor(0, 0, 255),     {},
                             {{1, 0, "1"}, {2, 1, "2"}}, QStringLiteral("BRN"), 8};
    d.Series << TChartSeries{QStringLiteral("Cork"),     QColor(0, 160, 0),     {},
                             {{1, 1, "1"}, {2, 1, "2"}}, QStringLiteral("COR"), 9};
    TChartSettings s;
    s.View3D = false;
    s.LegendVisible = true;
    TChartLayout l = LayoutChart(QRectF(0, 0, 500, 400), d, s);
    ASSERT_EQ(l.EndLabels.size(), 2);
    EXPECT_EQ(l.EndLabels[0].Text, QStringLiteral("AJX")); // from the top down
    EXPECT_EQ(l.EndLabelSeries[0], 0);
    for (const TChartText& t : l.EndLabels) {
        EXPECT_GE(t.Box.left(), l.Plot.right());
        EXPECT_LE(t.Box.right(), l.Legend.left());
    }
    EXPECT_FALSE(l.EndLabels[0].Box.intersects(l.EndLabels[1].Box));
    // Highlighted, Cork's label wins the place Bern's had.
    d.Highlight = 2;
    l = LayoutChart(QRectF(0, 0, 500, 400), d, s);
    EXPECT_TRUE(l.EndLabelSeries.contains(2));
    EXPECT_FALSE(l.EndLabelSeries.contains(1));
    // The red line of Ajax is greyed: no pure red is left in the plot.
    const QImage image = ChartImage(d, s, QSize(500, 400));
    // The stair's level part, left of the step.
    const QPointF mid((l.Points[0][0].x() + l.Points[0][1].x()) / 2, l.Points[0][0].y());
    const QColor ajax = image.pixelColor(mid.toPoint());
    EXPECT_FALSE(Reddish(ajax.rgb())) << qPrintable(ajax.name());
    EXPECT_EQ(ajax, GreyedColor(kRed)) << qPrintable(ajax.name());
    d.Highlight = -1;
    EXPECT_TRUE(Reddish(ChartImage(d, s, QSize(500, 400)).pixel(mid.toPoint())));
    // The legend's entries by position; outside them, none.
    ASSERT_EQ(l.LegendEntries.size(), 3);
    EXPECT_EQ(HitLegend(l, l.LegendEntries[1].Box.center()), 1);
    EXPECT_EQ(HitLegend(l, l.Plot.center()), -1);
}
