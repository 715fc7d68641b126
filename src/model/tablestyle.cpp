#include "model/tablestyle.h"

#include "base/preferences.h"
#include "base/settings.h"
#include "model/sport.h"

#include <cmath>

namespace kv {

namespace {

const char* const kStyleKey = "TableStyle";
const char* const kColorNames[8] = {"clWin",    "clDraw",   "clLose",   "clWinOT",
                                    "clDrawOT", "clLoseOT", "clWinBul", "clLoseBul"};

double& PixelsPerInch() {
    static double ppi = 96.0;
    return ppi;
}

double Round2(double v) {
    return std::round(v * 100.0) / 100.0;
}

} // namespace

TGroupStyle TGroupStyle::FromSettings() {
    const TSettingsBatch batch;
    TGroupStyle s;
    s.HasBGColor = PrefBool(kStyleKey, "HasBGColor");
    s.BGColor = PrefInteger(kStyleKey, "BGColor");
    s.BGPicture = PrefString(kStyleKey, "BGPicture");
    s.Transparent = PrefBool(kStyleKey, "Transparent");
    s.Font = PrefFont(QStringLiteral("TableStyle\\Font"));
    s.BorderColor = PrefInteger(kStyleKey, "BorderColor");
    s.BoldBorders = PrefBool(kStyleKey, "BoldBorders");
    s.HasHeaderFont = PrefBool(kStyleKey, "HasHeaderFont");
    s.HeaderFont = PrefFont(QStringLiteral("TableStyle\\HeaderFont"));
    s.HeaderSubFont = PrefFont(QStringLiteral("TableStyle\\HeaderSubFont"));
    s.HasHeaderBGColor = PrefBool(kStyleKey, "HasHeaderBGColor");
    s.HeaderBGColor = PrefInteger(kStyleKey, "HeaderBGColor");
    s.HasHResultsFont = PrefBool(kStyleKey, "HasHResultsFont");
    s.ResultsFont = PrefFont(QStringLiteral("TableStyle\\ResultsFont"));
    s.Dividers = PrefBool(kStyleKey, "Dividers");
    s.ShowAwayResults = PrefBool(kStyleKey, "ShowAwayResults");
    s.MarkHomeMatches = PrefBool(kStyleKey, "MarkHomeMatches");
    s.HasResultsColors = PrefBool(kStyleKey, "HasResultsColors");
    for (size_t i = 0; i < 8; ++i)
        s.ResultColors[i] = PrefInteger(kStyleKey, kColorNames[i]);
    return s;
}

void TGroupStyle::SaveAsDefault() const {
    const TSettingsBatch batch;
    const QString key = QLatin1String(kStyleKey);
    RegWriteBool(key, QStringLiteral("HasBGColor"), HasBGColor);
    RegWriteInteger(key, QStringLiteral("BGColor"), BGColor);
    RegWriteBool(key, QStringLiteral("Transparent"), Transparent);
    RegWriteFont(QStringLiteral("TableStyle\\Font"), Font);
    RegWriteInteger(key, QStringLiteral("BorderColor"), BorderColor);
    RegWriteBool(key, QStringLiteral("BoldBorders"), BoldBorders);
    RegWriteBool(key, QStringLiteral("HasHeaderFont"), HasHeaderFont);
    RegWriteFont(QStringLiteral("TableStyle\\HeaderFont"), HeaderFont);
    RegWriteFont(QStringLiteral("TableStyle\\HeaderSubFont"), HeaderSubFont);
    RegWriteBool(key, QStringLiteral("HasHeaderBGColor"), HasHeaderBGColor);
    RegWriteInteger(key, QStringLiteral("HeaderBGColor"), HeaderBGColor);
    RegWriteBool(key, QStringLiteral("HasHResultsFont"), HasHResultsFont);
    RegWriteFont(QStringLiteral("TableStyle\\ResultsFont"), ResultsFont);
    RegWriteBool(key, QStringLiteral("Dividers"), Dividers);
    RegWriteBool(key, QStringLiteral("ShowAwayResults"), ShowAwayResults);
    RegWriteBool(key, QStringLiteral("MarkHomeMatches"), MarkHomeMatches);
    RegWriteBool(key, QStringLiteral("HasResultsColors"), HasResultsColors);
    for (size_t i = 0; i < 8; ++i)
        RegWriteInteger(key, QLatin1String(kColorNames[i]), ResultColors[i]);
}

TColor TGroupStyle::ResultColor(int outcome) const {
    if (HasResultsColors) {
        const int code = outcome % 128;
        if (code >= 0 && code < 8) return ResultColors[static_cast<size_t>(code)];
    }
    return EffectiveResultsFont().Color;
}

double ScreenPixelsPerInch() {
    return PixelsPerInch();
}
void SetScreenPixelsPerInch(double ppi) {
    if (ppi > 0) PixelsPerInch() = ppi;
}

double ConvertUnits(double value, int fromUnits, int toUnits) {
    if (fromUnits == toUnits) return value;
    const double ppi = ScreenPixelsPerInch();
    double pixels = value;
    if (fromUnits == UnitsCentimetres)
        pixels = value * ppi / 2.54;
    else if (fromUnits == UnitsInches)
        pixels = value * ppi;
    if (toUnits == UnitsCentimetres) return Round2(pixels / ppi * 2.54);
    if (toUnits == UnitsInches) return Round2(pixels / ppi);
    // A size in pixels is a whole number of them.
    return std::nearbyint(pixels);
}

int ToPixels(double value, int units) {
    const double px = ConvertUnits(value, units, UnitsPixels);
    if (!std::isfinite(px) || std::fabs(px) > 1.0e6) return 0;
    return static_cast<int>(std::nearbyint(px));
}

TTableDimensions TTableDimensions::BuiltIn(int sport) {
    TTableDimensions d;
    switch (NormalizeSport(sport)) {
    case SportHockey:
    case SportUSFootball:
        d.ScoreWidth = 40;
        break;
    case SportBasketball:
        d.ScoreWidth = 60;
        break;
    default:
        d.ScoreWidth = 30;
        break;
    }
    return d;
}

QString DimensionsSubKey(int sport) {
    return QStringLiteral("TableDimensions\\") + SportName(sport);
}

TTableDimensions TTableDimensions::FromSettings(int sport) {
    const TSettingsBatch batch;
    const TTableDimensions builtIn = BuiltIn(sport);
    TTableDimensions d = builtIn;
    const QString key = DimensionsSubKey(sport);
    d.Units = PrefInteger("TableDimensions", "Units");
    if (d.Units != UnitsCentimetres && d.Units != UnitsInches) d.Units = UnitsPixels;
    d.LineFactor = RegReadFloat(key, QStringLiteral("line_k"), builtIn.LineFactor);
    d.RowHeight = RegReadFloat(key, QStringLiteral("CH"), builtIn.RowHeight);
    d.PlaceWidth = RegReadFloat(key, QStringLiteral("Num"), builtIn.PlaceWidth);
    d.TeamWidth = RegReadFloat(key, QStringLiteral("Team"), builtIn.TeamWidth);
    d.ScoreWidth = RegReadFloat(key, QStringLiteral("Score"), builtIn.ScoreWidth);
    const int units = d.Units;
    d.Units = UnitsPixels;
    d.ChangeUnits(units);
    return d;
}

void TTableDimensions::SaveAsDefault(int sport) const {
    RegWriteInteger(QStringLiteral("TableDimensions"), QStringLiteral("Units"), Units);
    const QString key = DimensionsSubKey(sport);
    RegWriteFloat(key, QStringLiteral("line_k"), LineFactor);
    RegWriteInteger(key, QStringLiteral("CH"), RowHeightPx());
    RegWriteInteger(key, QStringLiteral("Num"), PlaceWidthPx());
    RegWriteInteger(key, QStringLiteral("Team"), TeamWidthPx());
    RegWriteInteger(key, QStringLiteral("Score"), ScoreWidthPx());
}

void TTableDimensions::ChangeUnits(int newUnits) {
    RowHeight = ConvertUnits(RowHeight, Units, newUnits);
    PlaceWidth = ConvertUnits(PlaceWidth, Units, newUnits);
    TeamWidth = ConvertUnits(TeamWidth, Units, newUnits);
    ScoreWidth = ConvertUnits(ScoreWidth, Units, newUnits);
    Units = newUnits;
}

int TTableView::AlignmentFromPreference(int stored) {
    switch (stored) {
    case 2:
        return AlignCenter;
    case 3:
        return AlignRight;
    case 4:
        return AlignWidest;
    default:
        return AlignLeft;
    }
}

TTableView TTableView::FromSettings() {
    const TSettingsBatch batch;
    TTableView v;
    v.Results = PrefBool("TableView", "Results");
    v.Standings = PrefBool("TableView", "Standings");
    v.HStandings = PrefBool("TableView", "HStandings");
    v.AStandings = PrefBool("TableView", "AStandings");
    v.Alignment = AlignmentFromPreference(PrefInteger("TableView", "Alignment"));
    return v;
}

} // namespace kv
