#pragma once

#include "base/fontdata.h"

#include <QString>

#include <array>

// The look of tables: style, place fonts, dimensions and view. Defaults come from the
// settings store where a new object is created for the user (FromSettings); the plain
// constructors give the built-in defaults.
namespace kv {

enum TResultColor : int {
    ResultWin,
    ResultDraw,
    ResultLose,
    ResultWinOT,
    ResultDrawOT,
    ResultLoseOT,
    ResultWinSO,
    ResultLoseSO,
};

struct TGroupStyle {
    bool HasBGColor = false;
    TColor BGColor = clWhite;
    QString BGPicture;
    bool Transparent = true;
    TFontData Font = MakeFont(QStringLiteral("Tahoma"), 8, false);
    TColor BorderColor = clBlack;
    bool BoldBorders = false;
    bool HasHeaderFont = true;
    TFontData HeaderFont = MakeFont(QStringLiteral("Tahoma"), 8, true);
    TFontData HeaderSubFont = MakeFont(QStringLiteral("Tahoma"), 5, true);
    bool HasHeaderBGColor = false;
    TColor HeaderBGColor = 12639424; // 0xC0DCC0
    bool HasHResultsFont = false;
    TFontData ResultsFont = MakeFont(QStringLiteral("Tahoma"), 8, true);
    bool Dividers = true;
    bool ShowAwayResults = true;
    bool MarkHomeMatches = true;
    bool HasResultsColors = true;
    // clWin, clDraw, clLose, clWinOT, clDrawOT, clLoseOT, clWinBul, clLoseBul
    std::array<TColor, 8> ResultColors = {clRed,  clBlue,  clBlack, clRed,
                                          clBlue, clBlack, clRed,   clBlack};

    static TGroupStyle FromSettings();
    void SaveAsDefault() const;

    // The colour tables are filled with when the style has none of its own.
    TColor BackgroundColor() const { return HasBGColor ? BGColor : clWhite; }
    const TFontData& EffectiveHeaderFont() const { return HasHeaderFont ? HeaderFont : Font; }
    const TFontData& EffectiveResultsFont() const { return HasHResultsFont ? ResultsFont : Font; }
    // The colour of a result by its outcome code (taken modulo 128).
    TColor ResultColor(int outcome) const;

    bool operator==(const TGroupStyle&) const = default;
};

// How the team at one place of a table is shown.
struct TPlaceFont {
    bool HasFont = false;
    bool HasColor = false;
    TFontData Font; // only colour and styles are used
    TColor Color = clBtnFace;
    bool UpperCase = false;

    static TPlaceFont FromFont(const TFontData& font) {
        TPlaceFont p;
        p.Font = font;
        return p;
    }
    bool operator==(const TPlaceFont&) const = default;
};

enum TUnits : int { UnitsCentimetres = 0, UnitsInches = 1, UnitsPixels = 2 };

// Converts a size between units at the screen's resolution: into whole pixels, into
// centimetres or inches rounded to two decimals.
double ConvertUnits(double value, int fromUnits, int toUnits);
// A size in the given unit as whole pixels for drawing.
int ToPixels(double value, int units);
// Pixels per inch of the screen the program draws for.
double ScreenPixelsPerInch();
void SetScreenPixelsPerInch(double ppi);

struct TTableDimensions {
    int Units = UnitsPixels;
    double RowHeight = 18;
    double LineFactor = 0.75;
    double PlaceWidth = 25;
    double TeamWidth = 130;
    double ScoreWidth = 30;

    // The built-in sizes of a sport, in pixels.
    static TTableDimensions BuiltIn(int sport);
    // The user's defaults of a sport from the settings store, in the stored unit.
    static TTableDimensions FromSettings(int sport);
    void SaveAsDefault(int sport) const;

    // Re-expresses every size in another unit.
    void ChangeUnits(int newUnits);
    int RowHeightPx() const { return ToPixels(RowHeight, Units); }
    int PlaceWidthPx() const { return ToPixels(PlaceWidth, Units); }
    int TeamWidthPx() const { return ToPixels(TeamWidth, Units); }
    int ScoreWidthPx() const { return ToPixels(ScoreWidth, Units); }

    bool operator==(const TTableDimensions&) const = default;
};

// The settings sub-key of a sport's table dimensions ("TableDimensions\Soccer").
QString DimensionsSubKey(int sport);

enum TTableMode : int { TableModeJoint = 0, TableModeGroups = 1, TableModeConferences = 2 };
enum TAlignment : int { AlignLeft = 0, AlignCenter = 1, AlignRight = 2, AlignWidest = 3 };

struct TTableView {
    bool ShowSymbol = false;
    bool ShowCity = false;
    bool ShowCountry = false;
    bool Results = true;
    bool Standings = true;
    bool HStandings = false;
    bool AStandings = false;
    int Alignment = AlignCenter;
    int TableMode = TableModeGroups;

    static TTableView FromSettings();
    // The stored alignment preference (1 left .. 4 widest) as a view alignment.
    static int AlignmentFromPreference(int stored);

    bool operator==(const TTableView&) const = default;
};

} // namespace kv
