// Table styles, place fonts, dimensions and views: their defaults, the settings they come
// from and go to, and unit conversion.
#include "support/testenv.h"

#include "base/preferences.h"
#include "base/settings.h"
#include "model/match.h"
#include "model/sport.h"
#include "model/tablestyle.h"

using namespace kv;

namespace {
class TableLook : public kvtest::TTempHome {};
} // namespace

TEST_F(TableLook, FreshStyleDefaults) {
    const TGroupStyle s = TGroupStyle::FromSettings();
    EXPECT_FALSE(s.HasBGColor);
    EXPECT_EQ(s.BGColor, clWhite);
    EXPECT_EQ(s.Font, MakeFont(QStringLiteral("Tahoma"), 8, false));
    EXPECT_TRUE(s.HeaderFont.Bold);
    EXPECT_EQ(s.HeaderSubFont.Size, 5);
    EXPECT_FALSE(s.HasHeaderBGColor);
    EXPECT_EQ(s.HeaderBGColor, 0xC0DCC0);
    EXPECT_EQ(s.ResultColors[ResultWin], clRed);
    EXPECT_EQ(s.ResultColors[ResultDraw], clBlue);
    EXPECT_EQ(s.ResultColors[ResultLose], clBlack);
    EXPECT_TRUE(s == TGroupStyle{});
}

TEST_F(TableLook, DefaultsSavedAndReadBack) {
    TGroupStyle s;
    s.HasBGColor = true;
    s.BGColor = RgbColor(1, 2, 3);
    s.BGPicture = QStringLiteral("never.png");
    s.HeaderFont.Size = 11;
    s.ResultColors[ResultWinSO] = RgbColor(9, 9, 9);
    s.Dividers = false;
    s.SaveAsDefault();
    TGroupStyle back = TGroupStyle::FromSettings();
    EXPECT_EQ(back.BGPicture, QString()); // the picture is not a default
    back.BGPicture = s.BGPicture;
    EXPECT_TRUE(back == s);
    TTableDimensions d = TTableDimensions::BuiltIn(SportBasketball);
    EXPECT_EQ(d.ScoreWidth, 60);
    d.TeamWidth = 150;
    d.LineFactor = 0.5;
    d.SaveAsDefault(SportBasketball);
    const TTableDimensions again = TTableDimensions::FromSettings(SportBasketball);
    EXPECT_EQ(again.TeamWidth, 150);
    EXPECT_EQ(again.LineFactor, 0.5);
    EXPECT_EQ(TTableDimensions::FromSettings(SportHockey).ScoreWidth, 40);
    EXPECT_TRUE(
        RegValueExists(QStringLiteral("TableDimensions\\Basketball"), QStringLiteral("Team")));
}

TEST_F(TableLook, UnitsConvertAndRoundTrip) {
    SetScreenPixelsPerInch(96);
    TTableDimensions d = TTableDimensions::BuiltIn(SportSoccer);
    d.ChangeUnits(UnitsCentimetres);
    EXPECT_EQ(d.TeamWidth, 3.44);
    EXPECT_EQ(d.TeamWidthPx(), 130);
    d.ChangeUnits(UnitsPixels);
    EXPECT_EQ(d.TeamWidth, 130);
    EXPECT_EQ(ConvertUnits(96, UnitsPixels, UnitsInches), 1);
    EXPECT_EQ(ConvertUnits(2, UnitsInches, UnitsCentimetres), 5.08);
    EXPECT_EQ(ConvertUnits(7.5, UnitsInches, UnitsInches), 7.5);
    RegWriteInteger(QStringLiteral("TableDimensions"), QStringLiteral("Units"), UnitsInches);
    const TTableDimensions inches = TTableDimensions::FromSettings(SportSoccer);
    EXPECT_EQ(inches.Units, UnitsInches);
    EXPECT_EQ(inches.RowHeight, 0.19);
    EXPECT_EQ(inches.RowHeightPx(), 18);
}

TEST_F(TableLook, ViewAlignmentFromThePreference) {
    EXPECT_EQ(TTableView::FromSettings().Alignment, AlignCenter);
    const int expected[] = {AlignLeft, AlignLeft, AlignCenter, AlignRight, AlignWidest, AlignLeft};
    for (int stored = 0; stored < 6; ++stored)
        EXPECT_EQ(TTableView::AlignmentFromPreference(stored), expected[stored]) << stored;
    RegWriteBool(QStringLiteral("TableView"), QStringLiteral("HStandings"), true);
    EXPECT_TRUE(TTableView::FromSettings().HStandings);
    EXPECT_EQ(TTableView::FromSettings().TableMode, TableModeGroups);
}

TEST_F(TableLook, ResultColoursByOutcome) {
    TGroupStyle s;
    s.ResultColors = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(s.ResultColor(OutcomeWinSO), 7);
    EXPECT_EQ(s.ResultColor(128 + OutcomeDraw), 2);
    s.HasResultsColors = false;
    s.Font.Color = 99;
    EXPECT_EQ(s.ResultColor(OutcomeWin), 99);
    s.HasHResultsFont = true;
    s.ResultsFont.Color = 77;
    EXPECT_EQ(s.ResultColor(OutcomeWin), 77);
    EXPECT_EQ(s.BackgroundColor(), clWhite);
    EXPECT_EQ(ColorToRgb(clBtnFace), 0xF0F0F0u);
    EXPECT_EQ(ColorToRgb(RgbColor(0x12, 0x34, 0x56)), 0x123456u);
}
