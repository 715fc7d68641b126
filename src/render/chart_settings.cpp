#include "render/chart.h"

#include "base/preferences.h"
#include "base/settings.h"

#include <algorithm>
#include <array>

namespace kv {

namespace {

const QString kKey = QStringLiteral("Chart");

QString FontKey(const char* name) {
    return kKey + QLatin1Char('\\') + QLatin1String(name);
}

int ReadInt(const char* name, int def, int low, int high) {
    return std::clamp(RegReadInteger(kKey, QLatin1String(name), def), low, high);
}

bool ReadBool(const char* name, bool def) {
    return RegReadBool(kKey, QLatin1String(name), def);
}

} // namespace

bool TChartData::IsEmpty() const {
    for (const TChartSeries& s : Series)
        if (!s.Values.isEmpty() || !s.Points.isEmpty()) return false;
    return true;
}

QString ChartText(const TChartData& data) {
    QStringList lines{QString(data.Title).replace(QLatin1Char('\n'), QStringLiteral(" - "))};
    const auto number = [](double v) { return QString::number(v, 'g', 10); };
    if (data.Kind == TChartData::Bars) {
        const QList<double> values =
            data.Series.isEmpty() ? QList<double>{} : data.Series.first().Values;
        for (qsizetype i = 0; i < data.Categories.size(); ++i)
            lines << data.Categories.at(i) + QStringLiteral(": ") + number(values.value(i));
    } else {
        for (const TChartSeries& s : data.Series) {
            QStringList points;
            for (const TChartPoint& p : s.Points)
                points << p.Label + QStringLiteral(" ") + number(p.Y);
            lines << s.Title + QStringLiteral(": ") + points.join(QStringLiteral(", "));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString BarStyleKey(int style) {
    static const std::array<const char*, kBarStyleCount> keys = {
        "rectangle", "pyramid", "inverted-pyramid",  "cylinder",
        "ellipse",   "arrow",   "rectangle-gradient"};
    return QLatin1String(keys.at(static_cast<size_t>(std::clamp(style, 0, kBarStyleCount - 1))));
}

bool ChartAngleFromText(const QString& text, int& angle) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) return false;
    // A turn and more, or the other way round, comes to the same angle.
    angle = value == 360 ? 360 : ((value % 360) + 360) % 360;
    return true;
}

QColor ChartPaletteColor(int index) {
    static const std::array<QRgb, 16> colors = {
        0xFF0000, 0x00A000, 0xFFFF00, 0x0000FF, 0xFF80C0, 0x808080, 0xFF00FF, 0x008080,
        0x000080, 0x800000, 0x00FF00, 0x808000, 0x800080, 0xC0C0C0, 0x00FFFF, 0xFF8000};
    const size_t n = colors.size();
    return QColor(colors.at(static_cast<size_t>(index < 0 ? 0 : index) % n));
}

TChartSettings TChartSettings::FromSettings() {
    TChartSettings s;
    RegReadFont(FontKey("TitleFont"), s.TitleFont);
    s.View3D = ReadBool("View3D", s.View3D);
    s.Percent3D = ReadInt("Chart3DPercent", s.Percent3D, 1, 100);
    s.XLabelsVisible = ReadBool("XLabelsVisible", s.XLabelsVisible);
    s.YLabelsVisible = ReadBool("YLabelsVisible", s.YLabelsVisible);
    s.XLabelsAngle = ReadInt("XLabelsAngle", s.XLabelsAngle, 0, 360);
    s.YLabelsAngle = ReadInt("YLabelsAngle", s.YLabelsAngle, 0, 360);
    RegReadFont(FontKey("XLabelsFont"), s.XLabelsFont);
    RegReadFont(FontKey("XTitleFont"), s.XTitleFont);
    RegReadFont(FontKey("YLabelsFont"), s.YLabelsFont);
    RegReadFont(FontKey("YTitleFont"), s.YTitleFont);
    s.BarStyle = ReadInt("BarStyle", s.BarStyle, 0, kBarStyleCount - 1);
    s.BarColorEach = ReadBool("BarColorEach", s.BarColorEach);
    s.BarMarksVisible = ReadBool("BarMarksVisible", s.BarMarksVisible);
    s.LineBorderWidth = ReadInt("LineBorderWidth", s.LineBorderWidth, 1, 10);
    s.LineStairs = ReadBool("LineStairs", s.LineStairs);
    s.LinePoints = ReadBool("LinePoints", s.LinePoints);
    s.LinePointWidth = ReadInt("LinePointWidth", s.LinePointWidth, 1, 30);
    s.LinePointHeight = ReadInt("LinePointHeight", s.LinePointHeight, 1, 30);
    s.LinePointStyle = ReadInt("LinePointStyle", s.LinePointStyle, 0, kPointStyleCount - 1);
    s.LegendVisible = ReadBool("LegendVisible", s.LegendVisible);
    s.LegendPosition = ReadInt("LegendPosition", s.LegendPosition, 0, 3);
    RegReadFont(FontKey("LegendFont"), s.LegendFont);
    return s;
}

void TChartSettings::Save() const {
    const auto writeBool = [](const char* name, bool v) {
        RegWriteBool(kKey, QLatin1String(name), v);
    };
    const auto writeInt = [](const char* name, int v) {
        RegWriteInteger(kKey, QLatin1String(name), v);
    };
    RegWriteFont(FontKey("TitleFont"), TitleFont);
    writeBool("View3D", View3D);
    writeInt("Chart3DPercent", Percent3D);
    writeBool("XLabelsVisible", XLabelsVisible);
    writeBool("YLabelsVisible", YLabelsVisible);
    writeInt("XLabelsAngle", XLabelsAngle);
    writeInt("YLabelsAngle", YLabelsAngle);
    RegWriteFont(FontKey("XLabelsFont"), XLabelsFont);
    RegWriteFont(FontKey("XTitleFont"), XTitleFont);
    RegWriteFont(FontKey("YLabelsFont"), YLabelsFont);
    RegWriteFont(FontKey("YTitleFont"), YTitleFont);
    writeInt("BarStyle", BarStyle);
    writeBool("BarColorEach", BarColorEach);
    writeBool("BarMarksVisible", BarMarksVisible);
    writeInt("LineBorderWidth", LineBorderWidth);
    writeBool("LineStairs", LineStairs);
    writeBool("LinePoints", LinePoints);
    writeInt("LinePointWidth", LinePointWidth);
    writeInt("LinePointHeight", LinePointHeight);
    writeInt("LinePointStyle", LinePointStyle);
    writeBool("LegendVisible", LegendVisible);
    writeInt("LegendPosition", LegendPosition);
    RegWriteFont(FontKey("LegendFont"), LegendFont);
}

} // namespace kv
