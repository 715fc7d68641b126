// Table pictures checked by their geometry: sizes, the diagonal, the sort mark's section and
// the widest-table alignment.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/preferences.h"
#include "model/sport.h"
#include "render/paint_tools.h"
#include "render/table_layout.h"
#include "render/table_painter.h"
#include "standings/column_catalog.h"
#include "standings/tournament_setup.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>

#include <cmath>

using namespace kv;

namespace {

class TablePicture : public kvtest::TTempHome {
protected:
    std::unique_ptr<TTournament> Make(int legs) {
        auto t = kvtest::MakeTournament(
            SportSoccer, legs,
            {{QStringLiteral("North"),
              {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}},
             {QStringLiteral("South"), {QStringLiteral("D"), QStringLiteral("E")}}});
        t->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
        ResetColumns(*t);
        kvtest::AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("2:1"), 1);
        kvtest::AddResult(*t, QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("0:0"), 1);
        RecomputeAll(*t);
        return t;
    }
    static QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
};

} // namespace

TEST_F(TablePicture, SizeFollowsTheNaturalTableFormula) {
    auto t = Make(2);
    const TGroup& g = *t->GroupAt(0);
    int sw = 0;
    for (const TTableColumn& c : t->Columns)
        sw += static_cast<int>(c.Width);
    const QImage one = RenderGroupTable(*t, g);
    // Two legs with away results: two sub-rows of round(18 * 0.75) = 14 pixels.
    EXPECT_EQ(one.width(), 25 + 130 + 3 * 30 + sw + 1);
    EXPECT_EQ(one.height(), 18 + 3 * 28 + 0 + 1);
    t->View.HStandings = true;
    t->JointTable().Style.BoldBorders = true;
    t->GroupAt(0)->Style.BoldBorders = true;
    const QImage two = RenderGroupTable(*t, g);
    EXPECT_EQ(two.width(), 25 + 130 + 3 * 30 + 2 * sw + 1);
    EXPECT_EQ(two.height(), 2 * 18 + 3 * 28 + 1 + 1);
    t->GroupAt(0)->Style.ShowAwayResults = false;
    EXPECT_EQ(RowsPerTeam(*t, g), 1);
    EXPECT_EQ(RenderGroupTable(*t, g).height(), 2 * 18 + 3 * 18 + 1 + 1);
    t->View.Results = false;
    EXPECT_EQ(RenderGroupTable(*t, g).width(), 25 + 130 + 2 * sw + 1);
}

TEST_F(TablePicture, DiagonalCellsTakeTheBorderColour) {
    auto t = Make(1);
    TGroup& g = *t->GroupAt(0);
    g.Style.BorderColor = RgbColor(200, 0, 100);
    const QImage image = RenderGroupTable(*t, g);
    const int gridLeft = 25 + 130;
    for (int i = 0; i < 3; ++i) {
        const int x = gridLeft + i * 30 + 15;
        const int y = 18 + i * 18 + 9;
        EXPECT_EQ(Pixel(image, x, y), ToQColor(g.Style.BorderColor).rgb() & 0xFFFFFF) << i;
    }
    // Off the diagonal stays the background where no score is written.
    EXPECT_EQ(Pixel(image, gridLeft + 2 * 30 + 3, 18 + 1 * 18 + 3), 0xFFFFFF);
}

TEST_F(TablePicture, TheSortMarkStandsOnlyInItsScope) {
    auto t = Make(1);
    for (TTableColumn& c : t->Columns)
        c.Width = 60;
    t->View.HStandings = true;
    t->SortState.Column = t->Columns.back().Id; // the last column, points
    t->SortState.Venue = ScopeOverall;
    t->SortState.Descending = true;
    const TGroup& g = *t->GroupAt(0);
    const QImage image = RenderGroupTable(*t, g);
    const int sw = 60 * static_cast<int>(t->Columns.size());
    const int homeLeft = 25 + 130 + 3 * 30;
    const int overallLeft = homeLeft + sw;
    const int v = 6; // round(18 * 0.3) = 5, raised to even
    const int top = 18 + 2;
    const auto markCentre = [&](int sectionLeft) {
        const int a = sectionLeft + sw - 60 + 60 - v - 1;
        return Pixel(image, a + v / 2, top + 1);
    };
    EXPECT_EQ(markCentre(overallLeft), 0x000000u);
    EXPECT_EQ(markCentre(homeLeft), 0xFFFFFFu);
}

TEST_F(TablePicture, WidestTableJustifyWidensEveryTable) {
    auto t = Make(1);
    t->View.Alignment = AlignWidest;
    const TTableLayout north = ComputeLayout(*t, *t->GroupAt(0));
    const TTableLayout south = ComputeLayout(*t, *t->GroupAt(1));
    EXPECT_EQ(north.PictureWidth, south.PictureWidth);
    EXPECT_EQ(south.TeamColumnWidth, 130 + 30); // one team fewer: one score column more of name
    EXPECT_EQ(RenderGroupTable(*t, *t->GroupAt(1)).width(), north.PictureWidth);
}

TEST_F(TablePicture, TeamNamesAndRowLooks) {
    auto t = Make(1);
    TTeam* a = t->JointTable().TeamByName(QStringLiteral("A"));
    a->Symbol = QStringLiteral("AAA");
    a->City = QStringLiteral("Oslo");
    TTeam* b = t->JointTable().TeamByName(QStringLiteral("B"));
    const TGroup& g = *t->GroupAt(0);
    t->View.ShowSymbol = true;
    t->View.ShowCity = true;
    t->View.ShowCountry = true;
    EXPECT_EQ(TeamDisplayName(*t, g, *a, 1), QStringLiteral("AAA (Oslo)"));
    EXPECT_EQ(TeamDisplayName(*t, g, *b, 2),
              QStringLiteral("B")); // no symbol, no place: no parentheses
    TGroup& mg = *t->GroupAt(0);
    mg.PlaceFonts[1].HasFont = true;
    mg.PlaceFonts[1].UpperCase = true;
    b->Name = QStringLiteral("Bern");
    EXPECT_EQ(TeamDisplayName(*t, g, *b, 2), QStringLiteral("BERN"));
    mg.PlaceFonts[0].HasColor = true;
    mg.PlaceFonts[0].Color = RgbColor(0, 200, 0);
    a->SeparateBackground = true;
    a->BackgroundColor = RgbColor(0, 0, 200);
    TColor color = 0;
    ASSERT_TRUE(RowBackground(g, *a, 1, color));
    EXPECT_EQ(color, RgbColor(0, 0, 200)); // the team's own colour wins over its place's
    const QImage image = RenderGroupTable(*t, g);
    const int row = g.PlaceOf(a) - 1;
    EXPECT_EQ(Pixel(image, 3, 18 + row * 18 + 2), 0x0000C8u);
}

// A bold place font is drawn bold whatever the table's font size: the first place's name
// takes clearly more ink than with a regular place font, at 8 points and at 12.
TEST_F(TablePicture, ABoldPlaceFontIsBoldAtEverySize) {
    for (const int size : {8, 12}) {
        auto t = Make(1);
        t->Dimensions.RowHeight = 24;
        TGroup& g = *t->GroupAt(0);
        g.Style.Font.Size = size;
        const auto ink = [&](bool bold) {
            g.PlaceFonts[0].HasFont = true;
            g.PlaceFonts[0].Font.Bold = bold;
            const QImage image = RenderGroupTable(*t, g);
            const TTableLayout l = ComputeLayout(*t, g);
            int dark = 0;
            for (int y = l.HeaderHeight + 1; y < l.HeaderHeight + l.TeamRowHeight - 1; ++y)
                for (int x = l.PlaceWidth + 2; x < l.PlaceWidth + l.TeamColumnWidth - 1; ++x)
                    dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
            return dark;
        };
        const int regular = ink(false);
        const int bold = ink(true);
        EXPECT_GT(regular, 0) << size;
        EXPECT_GT(bold, regular * 5 / 4) << size << " pt: " << bold << " against " << regular;
    }
}

// Three legs, at known pixels: the short grid has two sub-rows of round(18 x 0.75) = 14 pixels
// and puts A's win of leg 3 in its cell's second (grid position 2); the full grid has three and
// puts it in the third, in both teams' cells. The team name starts 6 pixels into its column.
TEST_F(TablePicture, SubRowsAndTheNameInsetOfAnOddNumberOfLegs) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 3,
        {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}}});
    t->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
    ResetColumns(*t);
    TMatch* m =
        kvtest::AddResult(*t, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("2:1"), 3);
    ASSERT_TRUE(m);
    ASSERT_EQ(m->GridPosition, 2);
    RecomputeAll(*t);
    TGroup& g = *t->GroupAt(0);
    ASSERT_EQ(g.Teams()[0]->Name, QStringLiteral("A"));
    ASSERT_EQ(g.Teams()[1]->Name, QStringLiteral("B"));
    // Dark pixels inside a box, two pixels in from its edges.
    const auto ink = [](const QImage& image, int left, int top, int width, int height) {
        int dark = 0;
        for (int y = top + 2; y < top + height - 2; ++y)
            for (int x = left + 2; x < left + width - 2; ++x)
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    };
    const int header = 18, place = 25, name = 130, score = 30, sub = 14;
    const int gridLeft = place + name;
    const auto cell = [&](int column) { return QPoint(gridLeft + column * score, 0); };
    // The short grid: rows of two sub-rows.
    g.Style.ShowAwayResults = false;
    QImage image = RenderGroupTable(*t, g);
    EXPECT_EQ(image.height(), header + 3 * 2 * sub + 1);
    const int aRow = header, bRow = header + 2 * sub;
    EXPECT_EQ(ink(image, cell(1).x(), aRow, score, sub), 0) << "position 1 is empty";
    EXPECT_GT(ink(image, cell(1).x(), aRow + sub, score, sub), 0) << "position 2 holds the win";
    for (const int line : {0, 1})
        EXPECT_EQ(ink(image, cell(0).x(), bRow + line * sub, score, sub), 0)
            << "B's home cell is empty";
    // The name inset: the first dark column of A's name cell.
    int first = -1;
    for (int x = place + 2; x < place + name && first < 0; ++x)
        for (int y = aRow + 2; y < aRow + 2 * sub - 2 && first < 0; ++y)
            if (qGray(image.pixel(x, y)) < 128) first = x;
    EXPECT_GE(first, place + 6);
    EXPECT_LE(first, place + 8);
    // The full grid: three sub-rows, the win in the third of both cells.
    g.Style.ShowAwayResults = true;
    image = RenderGroupTable(*t, g);
    EXPECT_EQ(image.height(), header + 3 * 3 * sub + 1);
    for (const auto& [row, column] : {std::pair{0, 1}, std::pair{1, 0}}) {
        const int top = header + row * 3 * sub;
        for (const int line : {0, 1})
            EXPECT_EQ(ink(image, cell(column).x(), top + line * sub, score, sub), 0) << row;
        EXPECT_GT(ink(image, cell(column).x(), top + 2 * sub, score, sub), 0) << row;
    }
}

TEST_F(TablePicture, NoResultsLeaveTheStandingsEmpty) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 1, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    t->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
    ResetColumns(*t);
    RecomputeAll(*t);
    const QImage image = RenderGroupTable(*t, *t->GroupAt(0));
    int left = 25 + 130 + 2 * 30;
    for (const TTableColumn& c : t->Columns) {
        const int width = static_cast<int>(c.Width);
        for (int x = left + 3; x < left + width - 3; ++x)
            for (int y = 18 + 3; y < 2 * 18 + 15; ++y) {
                if (y % 18 < 3) continue; // the line between the rows
                ASSERT_EQ(Pixel(image, x, y), 0xFFFFFFu) << x << "," << y;
            }
        left += width;
    }
}

// The picture is drawn with direct pixel writes where it can; it must come out exactly as the
// painter draws it on any other device (a window, a printer), for bold borders, row looks,
// several sub-rows and the home marks.
TEST_F(TablePicture, DirectPixelWritesMatchThePainter) {
    for (const bool bold : {false, true}) {
        SCOPED_TRACE(bold);
        auto t = Make(2);
        kvtest::AddResult(*t, QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("3:3"), 2);
        kvtest::AddResult(*t, QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("1:4"), 1);
        t->View.HStandings = bold;
        TGroup& g = *t->GroupAt(0);
        g.Style.BoldBorders = bold;
        g.Style.Dividers = true;
        g.Style.MarkHomeMatches = true;
        g.Style.HasBGColor = true;
        g.Style.BGColor = 0xE0F0FF;
        t->JointTable().TeamByName(QStringLiteral("C"))->SeparateBackground = true;
        t->JointTable().TeamByName(QStringLiteral("C"))->BackgroundColor = 0x80FF80;
        RecomputeAll(*t);
        const QImage fast = RenderGroupTable(*t, g);
        QImage plain(fast.size(), QImage::Format_RGB32);
        plain.fill(Qt::white);
        {
            QPainter painter(&plain);
            DrawGroupTable(*t, g, painter, clWhite);
        }
        ASSERT_EQ(fast.size(), plain.size());
        int differing = 0;
        for (int y = 0; y < fast.height(); ++y)
            for (int x = 0; x < fast.width(); ++x)
                differing += Pixel(fast, x, y) != Pixel(plain, x, y);
        EXPECT_EQ(differing, 0);
    }
}

// A tall picture is drawn band by band; texts, lines and cells crossing the bands' edges must
// come out whole.
TEST_F(TablePicture, PicturesDrawnInBandsMatchThePainter) {
    QStringList names;
    for (int i = 0; i < 24; ++i)
        names << QStringLiteral("Team %1").arg(i + 1);
    auto t = kvtest::MakeTournament(SportSoccer, 8, {{QStringLiteral("League"), names}});
    t->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
    ResetColumns(*t);
    t->View.HStandings = true;
    TGroup& g = *t->GroupAt(0);
    g.Style.ShowAwayResults = true;
    g.Style.BoldBorders = true;
    g.Style.Dividers = true;
    for (int leg = 1; leg <= 8; ++leg)
        for (int h = 0; h < names.size(); ++h)
            for (int v = 0; v < names.size(); ++v)
                if (h != v && (h + v + leg) % 3 != 0)
                    kvtest::AddResult(*t, names[h], names[v],
                                      QStringLiteral("%1:%2").arg((h + leg) % 5).arg((v * leg) % 4),
                                      leg);
    t->JointTable().TeamByName(names[7])->SeparateBackground = true;
    t->JointTable().TeamByName(names[7])->BackgroundColor = 0xC0C0FF;
    RecomputeAll(*t);
    const QImage fast = RenderGroupTable(*t, g);
    ASSERT_GT(static_cast<qsizetype>(fast.height()) * fast.bytesPerLine(),
              3 << 20); // several bands
    QImage plain(fast.size(), QImage::Format_RGB32);
    plain.fill(Qt::white);
    {
        QPainter painter(&plain);
        DrawGroupTable(*t, g, painter, clWhite);
    }
    int differing = 0;
    for (int y = 0; y < fast.height(); ++y)
        for (int x = 0; x < fast.width(); ++x)
            differing += Pixel(fast, x, y) != Pixel(plain, x, y);
    EXPECT_EQ(differing, 0);
}

// The default table fonts name Tahoma; its Linux stand-in must be as narrow, or "Pld" and
// "Pts" crowd their 25-pixel columns.
TEST_F(TablePicture, DefaultColumnCaptionsFitTheirColumns) {
    const TFontData header = PrefFontDefault(QStringLiteral("TableStyle\\HeaderFont"));
    const QFont font = ToQFont(header);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Tahoma"));
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(ScreenPixelsPerInch() / 0.0254));
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    const QFontMetrics metrics(font, &device);
    for (int sport = SportOther; sport <= SportBaseball; ++sport) {
        auto t = kvtest::MakeTournament(
            sport, 2, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
        t->Dimensions = TTableDimensions::BuiltIn(sport);
        ResetColumns(*t);
        for (const TTableColumn& c : t->Columns) {
            const QString caption = ColumnCaption(c.Id, *t);
            const int width = ToPixels(c.Width, t->Dimensions.Units);
            // The painter leaves at least two pixels before a caption; one more keeps it off the
            // line.
            EXPECT_LE(metrics.horizontalAdvance(caption) + 3, width)
                << SportEnglishName(sport).toStdString() << " column " << c.Id << " \""
                << caption.toStdString() << "\"";
        }
    }
}
