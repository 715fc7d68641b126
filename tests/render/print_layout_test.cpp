// Tables on printed pages: titles, page breaks, one table a page or several on one, the zooms
// that fit, and the check of the range of tables.
#include "support/testenv.h"

#include "model/tablestyle.h"
#include "render/print_layout.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

class PrintLayout : public kvtest::TTempHome {
protected:
    // A4 at 300 pixels per inch, margins of 1.5 cm, the screen at 96.
    void SetUp() override {
        TTempHome::SetUp();
        SetScreenPixelsPerInch(96);
    }
    static TPaper A4() { return TPaper{QSizeF(2480, 3508), 300}; }
    static TPrintSettings Plain() {
        TPrintSettings s;
        s.ShowTitle = false;
        s.ShowSubtitle = false;
        return s;
    }
    static double Cm(double cm) { return cm / 2.54 * 300; }
};

} // namespace

TEST_F(PrintLayout, WithoutTitlesTheFirstTableStartsAtTheTopMargin) {
    const TPrintPages pages = LayoutTablePages({QSize(400, 200)}, A4(), Plain(), 100, 50);
    ASSERT_EQ(pages.Tables.size(), 1u);
    EXPECT_NEAR(pages.Tables[0].Rect.top(), Cm(1.5), 0.01);
    EXPECT_NEAR(pages.Tables[0].Rect.left(), Cm(1.5), 0.01);
    EXPECT_TRUE(pages.Title.isEmpty());
    // Actual size: 400 screen pixels are 400 / 96 inches.
    EXPECT_NEAR(pages.Tables[0].Rect.width(), 400.0 / 96 * 300, 0.01);
    TPrintSettings titled;
    const TPrintPages withTitles = LayoutTablePages({QSize(400, 200)}, A4(), titled, 100, 50);
    EXPECT_NEAR(withTitles.Tables[0].Rect.top(), Cm(1.5) + 150, 0.01);
    EXPECT_NEAR(withTitles.Subtitle.top(), Cm(1.5) + 100, 0.01);
}

TEST_F(PrintLayout, ATableThatDoesNotFitStartsANewPageEvenBelowTheTitlesAlone) {
    // Printable height: 3508 - 2 * 177 = 3154 pixels, 1009 screen pixels.
    TPrintSettings s;
    const TPrintPages pages = LayoutTablePages({QSize(300, 950)}, A4(), s, 400, 100);
    ASSERT_EQ(pages.Tables.size(), 1u);
    EXPECT_EQ(pages.Tables[0].Page, 1);
    EXPECT_EQ(pages.Pages, 2);
    EXPECT_NEAR(pages.Tables[0].Rect.top(), Cm(1.5), 0.01);
    // Higher than a whole page: it stands alone from the top and does not loop.
    const TPrintPages huge =
        LayoutTablePages({QSize(300, 5000), QSize(300, 100)}, A4(), Plain(), 0, 0);
    EXPECT_EQ(huge.Tables[0].Page, 0);
    EXPECT_EQ(huge.Tables[1].Page, 1);
}

TEST_F(PrintLayout, OneTableAPageOrSeveralOnOne) {
    const std::vector<QSize> three(3, QSize(300, 150));
    TPrintSettings s = Plain();
    s.Position = PositionGroupPerPage;
    EXPECT_EQ(LayoutTablePages(three, A4(), s, 0, 0).Pages, 3);
    s.Position = PositionGroupByGroup;
    const TPrintPages together = LayoutTablePages(three, A4(), s, 0, 0);
    EXPECT_EQ(together.Pages, 1);
    // The gap between two tables is 0.75 cm.
    EXPECT_NEAR(together.Tables[1].Rect.top() - together.Tables[0].Rect.bottom(), Cm(0.75), 0.01);
    // Centred in the printable width.
    s.CenterOnPage = true;
    const TPrintPages centred = LayoutTablePages(three, A4(), s, 0, 0);
    EXPECT_NEAR(centred.Tables[0].Rect.center().x(), 2480.0 / 2, 0.5);
    // A range prints only its tables.
    s.AllTables = false;
    s.From = 2;
    s.To = 3;
    const TPrintPages range = LayoutTablePages(three, A4(), s, 0, 0);
    ASSERT_EQ(range.Tables.size(), 2u);
    EXPECT_EQ(range.Tables[0].Index, 1);
}

TEST_F(PrintLayout, TheFitZoomsFitAndAreRoundedToOneDecimal) {
    const std::vector<QSize> tables{QSize(600, 800), QSize(500, 900), QSize(500, 700)};
    TPrintSettings s = Plain();
    const double fit = FitToPageZoom(tables, A4(), s, 0, 0);
    EXPECT_DOUBLE_EQ(fit, std::floor(fit * 10) / 10);
    s.Zoom = fit;
    for (const TPlacedTable& t : LayoutTablePages(tables, A4(), s, 0, 0).Tables)
        EXPECT_LE(t.Rect.right(), 2480 - Cm(1.5) + 0.01);
    const double all = FitAllZoom(tables, A4(), s, 0, 0);
    EXPECT_DOUBLE_EQ(all, std::floor(all * 10) / 10);
    s.Zoom = all;
    const TPrintPages one = LayoutTablePages(tables, A4(), s, 0, 0);
    EXPECT_EQ(one.Pages, 1);
    EXPECT_LE(one.Tables.back().Rect.bottom(), 3508 - Cm(1.5) + 0.01);
    EXPECT_LT(all, fit);
}

TEST_F(PrintLayout, TheRangeIsCheckedInOrder) {
    int field = -1, first = 0, last = 0;
    EXPECT_EQ(CheckPrintRange(QStringLiteral("x"), QStringLiteral("2"), 3, field, first, last),
              QStringLiteral("'x' is not a valid number"));
    EXPECT_EQ(field, 0);
    EXPECT_EQ(CheckPrintRange(QStringLiteral("1"), QStringLiteral(""), 3, field, first, last),
              QStringLiteral("'' is not a valid number"));
    EXPECT_EQ(field, 1);
    EXPECT_EQ(CheckPrintRange(QStringLiteral("0"), QStringLiteral("2"), 3, field, first, last),
              QStringLiteral("Field 'From' must contain a number from 1 to 3"));
    EXPECT_EQ(CheckPrintRange(QStringLiteral("1"), QStringLiteral("4"), 3, field, first, last),
              QStringLiteral("Field 'To' must contain a number from 1 to 3"));
    EXPECT_EQ(CheckPrintRange(QStringLiteral("3"), QStringLiteral("2"), 3, field, first, last),
              QStringLiteral("'From' number cannot exceed 'To' number"));
    EXPECT_TRUE(CheckPrintRange(QStringLiteral(" 2"), QStringLiteral("3 "), 3, field, first, last)
                    .isEmpty());
    EXPECT_EQ(first, 2);
    EXPECT_EQ(last, 3);
}
