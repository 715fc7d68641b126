// A list grid on printed pages: the rows a page takes, the captions again on every page, and
// the grey footer with the program's name and the page number.
#include "support/testenv.h"

#include "export/grid_print.h"
#include "model/tablestyle.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <gtest/gtest.h>

using namespace kv;

namespace {

class GridPrint : public kvtest::TTempHome {};

TGridData Grid(int rows) {
    TGridData g;
    g.Captions = {QStringLiteral("Home"), QStringLiteral("Score"), QStringLiteral("Visitor")};
    g.Alignments = {TCellAlign::Left, TCellAlign::Center, TCellAlign::Left};
    for (int i = 0; i < rows; ++i)
        g.Rows << QStringList{QStringLiteral("Home %1").arg(i), QStringLiteral("1:0"),
                              QStringLiteral("Away %1").arg(i)};
    return g;
}

std::vector<int> All(int n) {
    std::vector<int> rows;
    for (int i = 0; i < n; ++i)
        rows.push_back(i);
    return rows;
}

} // namespace

TEST_F(GridPrint, RowsFillPagesAndEachPageRepeatsTheCaptions) {
    SetScreenPixelsPerInch(96);
    const TPaper a4{QSizeF(2480, 3508), 300};
    const TGridData grid = Grid(300);
    const TGridPages pages =
        LayoutGridPages(grid, All(300), {120, 60, 120}, a4, {}, {QStringLiteral("Cup")});
    ASSERT_GT(pages.PageCount(), 2);
    int printed = 0;
    for (int p = 0; p < pages.PageCount(); ++p) {
        const auto [first, last] = pages.Pages[static_cast<size_t>(p)];
        EXPECT_EQ(first, printed);
        printed = last;
        // Every row keeps two row heights from the bottom.
        const double top = pages.Area.top() + (p == 0 ? pages.HeadingHeight : 0) + pages.RowHeight;
        EXPECT_LE(top + (last - first) * pages.RowHeight,
                  pages.Area.bottom() - pages.RowHeight + 0.5);
    }
    EXPECT_EQ(printed, 300);
    EXPECT_NEAR(pages.ColumnWidths[0], 120.0 / 96 * 300, 0.01);
    // Only the rows chosen: a handful fits one page.
    EXPECT_EQ(LayoutGridPages(grid, {3, 7, 9}, {120, 60, 120}, a4, {}, {}).PageCount(), 1);

    // Drawn: the captions on the second page too, and the footer.
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(2480, 3508));
    QPainter painter(&generator);
    PaintGridPage(painter, grid, All(300), pages, 1, a4, {QStringLiteral("Cup")},
                  QStringLiteral("Kelvorandine"));
    painter.end();
    const QString text = QString::fromUtf8(svg.data());
    EXPECT_TRUE(text.contains(QStringLiteral("Printed with Kelvorandine")));
    EXPECT_TRUE(text.contains(QStringLiteral(">Score<")));
    EXPECT_TRUE(text.contains(QStringLiteral(">2<")));    // the page number
    EXPECT_FALSE(text.contains(QStringLiteral(">Cup<"))); // the heading only on the first page
    EXPECT_TRUE(text.contains(QStringLiteral("#808080")));
}

TEST_F(GridPrint, AGridWiderThanThePaperIsNarrowedToIt) {
    SetScreenPixelsPerInch(96);
    const TPaper a4{QSizeF(2480, 3508), 300};
    const TGridPages pages = LayoutGridPages(Grid(5), All(5), {600, 600, 600}, a4, {}, {});
    double width = 0;
    for (double w : pages.ColumnWidths)
        width += w;
    EXPECT_NEAR(width, pages.Area.width(), 0.5);
    EXPECT_NEAR(pages.ColumnWidths[0], pages.ColumnWidths[2], 0.01);
}
