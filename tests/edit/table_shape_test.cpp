// Shaping the standings tables: which columns show (with their widths kept) and the sizes of
// rows and columns in any unit, within their limits, to and from the sport's defaults.
#include "support/builders.h"
#include "support/testenv.h"

#include "edit/dimensions_edit.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/tournament_setup.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

class TableShape : public kvtest::TTempHome {
protected:
    void SetUp() override {
        kvtest::TTempHome::SetUp();
        SetScreenPixelsPerInch(96);
        t = kvtest::MakeTournament(SportSoccer, 2, {{QStringLiteral("G"), {"A", "B", "C"}, -1}});
        ResetColumns(*t);
    }
    std::unique_ptr<TTournament> t;
};

const TTableColumn* Find(const std::vector<TTableColumn>& list, int id) {
    for (const TTableColumn& c : list)
        if (c.Id == id) return &c;
    return nullptr;
}

} // namespace

TEST_F(TableShape, VisibleColumnsKeepTheirWidthsAndTheRestIsSpare) {
    ASSERT_GE(t->Columns.size(), 2u);
    const int first = t->Columns[0].Id;
    const int second = t->Columns[1].Id;
    t->Columns[1].Width = 77;
    const int spare = t->SpareColumns.front().Id;
    t->SpareColumns.front().Width = 44;
    t->SortState = {first, ScopeOverall, true};
    // Repeated ids, and one the tournament cannot show (ROW needs hockey with overtime), go.
    EXPECT_TRUE(
        ApplyVisibleColumns(*t, {spare, second, second, kColumnRegulationOvertimeWins}).isEmpty());
    ASSERT_EQ(t->Columns.size(), 2u);
    EXPECT_EQ(t->Columns[0].Id, spare);
    EXPECT_DOUBLE_EQ(t->Columns[0].Width, 44);
    EXPECT_DOUBLE_EQ(t->Columns[1].Width, 77);
    ASSERT_NE(Find(t->SpareColumns, first), nullptr);
    EXPECT_EQ(Find(t->SpareColumns, spare), nullptr);
    EXPECT_EQ(t->SortState, TSortState{}); // sorted by a column no longer shown
    const std::vector<TTableColumn> kept = t->Columns;
    EXPECT_EQ(ApplyVisibleColumns(*t, {}),
              QStringLiteral("You should select at least one visible column"));
    EXPECT_EQ(ApplyVisibleColumns(*t, {kColumnRegulationOvertimeWins}),
              QStringLiteral("You should select at least one visible column"));
    EXPECT_EQ(t->Columns, kept);
}

TEST_F(TableShape, SizesChangeUnitWithTheColumnsAndKeepTheirLimits) {
    TDimensionsEdit e = DimensionsEditOf(*t);
    ASSERT_EQ(e.Units, UnitsPixels);
    ASSERT_EQ(e.Rows.size(), 4 + t->Columns.size());
    EXPECT_DOUBLE_EQ(e.Rows[2].Size, 130); // the team column
    e.Rows[4].Size = 48;                   // the first standings column
    ChangeEditUnits(e, UnitsInches);
    EXPECT_DOUBLE_EQ(e.Rows[4].Size, 0.5);
    EXPECT_DOUBLE_EQ(e.Rows[2].Size, 1.35); // 130 px, to two decimals
    ChangeEditUnits(e, UnitsCentimetres);
    EXPECT_DOUBLE_EQ(e.Rows[4].Size, 1.27);
    // Limits in the unit: the headline 10 to 36 px, the team 25 to 400 px.
    EXPECT_DOUBLE_EQ(ClampDimension(DimHeadline, 5, UnitsPixels), 10);
    EXPECT_DOUBLE_EQ(ClampDimension(DimTeam, 1000, UnitsPixels), 400);
    EXPECT_DOUBLE_EQ(ClampDimension(DimScore, 0, UnitsInches),
                     ConvertUnits(20, UnitsPixels, UnitsInches));
    e.Rows[0].Size = 50; // beyond the headline's limit
    ApplyDimensions(*t, e);
    EXPECT_EQ(t->Dimensions.Units, UnitsCentimetres);
    EXPECT_EQ(t->Dimensions.RowHeightPx(), 36);
    EXPECT_DOUBLE_EQ(t->Columns[0].Width, 1.27);
    EXPECT_EQ(ToPixels(t->Columns[0].Width, t->Dimensions.Units), 48);
    // Spare columns changed unit with the rest.
    EXPECT_LT(t->SpareColumns.front().Width, 5);
}

TEST_F(TableShape, DefaultSizesAreSavedPerSportAndRead) {
    TDimensionsEdit e = DimensionsEditOf(*t);
    e.Rows[2].Size = 150;
    e.Rows[4].Size = 60;
    const int column = e.Rows[4].Kind;
    ChangeEditUnits(e, UnitsInches);
    SaveDimensionsDefault(e, SportSoccer);
    EXPECT_EQ(ColumnUserDefaultWidth(column, SportSoccer), 60);
    EXPECT_EQ(ColumnUserDefaultWidth(column, SportHockey), ColumnDefaultWidth(column, SportHockey));
    const TDimensionsEdit back = DefaultDimensionsEdit(*t);
    EXPECT_EQ(back.Units, UnitsInches);
    EXPECT_NEAR(ConvertUnits(back.Rows[2].Size, UnitsInches, UnitsPixels), 150, 0.5);
    EXPECT_NEAR(ConvertUnits(back.Rows[4].Size, UnitsInches, UnitsPixels), 60, 0.5);
    // A new column of that kind starts at the saved width.
    EXPECT_EQ(ToPixels(MakeColumn(*t, column, 0).Width, t->Dimensions.Units), 60);
}
