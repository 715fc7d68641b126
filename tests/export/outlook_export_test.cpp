// The places still possible leave the program with the tables: the columns and the marks in
// HTML and delimited text, and on the published site and in its data.
#include "support/builders.h"
#include "support/testenv.h"

#include "export/csv_export.h"
#include "export/html_export.h"
#include "export/publish_site.h"
#include "export/table_grid.h"
#include "model/sport.h"
#include "standings/outlook.h"
#include "standings/tournament_setup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace kv;
using kvtest::AddResult;

namespace {

class OutlookExport : public kvtest::TTempHome {
protected:
    // A won every match and is champion; D lost every match it played and is sure to be
    // last; B and C still meet. Best and worst places are shown after the points.
    void SetUp() override {
        t_ = kvtest::MakeTournament(
            SportSoccer, 1,
            {{QStringLiteral("League"), QString::fromLatin1("A B C D").split(QLatin1Char(' '))}});
        AddResult(*t_, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("1:0"));
        AddResult(*t_, QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("2:0"));
        AddResult(*t_, QStringLiteral("A"), QStringLiteral("D"), QStringLiteral("3:0"));
        AddResult(*t_, QStringLiteral("B"), QStringLiteral("D"), QStringLiteral("1:0"));
        AddResult(*t_, QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("1:0"));
        ASSERT_TRUE(ApplyVisibleColumns(
                        *t_, {kColumnPlayed, kColumnPoints, kColumnBestPlace, kColumnWorstPlace})
                        .isEmpty());
        RecomputeAll(*t_);
        UpdateOutlook(*t_);
    }
    std::unique_ptr<TTournament> t_;
};

TEST_F(OutlookExport, HtmlAndDelimitedText) {
    const QString html = TablesHtml(*t_, QStringLiteral("utf-8"), {t_->GroupAt(0)->Id}, QString());
    EXPECT_TRUE(html.contains(QStringLiteral("A <b>(C)</b>"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("D <b>(4)</b>")));
    EXPECT_TRUE(html.contains(QStringLiteral(">Best<")));
    EXPECT_TRUE(html.contains(QStringLiteral(">Worst<")));

    const QStringList lines = TablesCsv(*t_, QLatin1Char(';'), {t_->GroupAt(0)->Id}, QString())
                                  .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 5);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(";Pld;Pts;Best;Worst;Mark")))
        << lines[0].toStdString();
    // No;name;results grid of four;Pld;Pts;Best;Worst;Mark
    const auto row = [&](const QString& team) {
        for (const QString& line : lines)
            if (line.section(QLatin1Char(';'), 1, 1) == team) return line;
        return QString();
    };
    EXPECT_TRUE(row(QStringLiteral("A")).endsWith(QStringLiteral(";3;9;1;1;C")))
        << row(QStringLiteral("A")).toStdString();
    EXPECT_TRUE(row(QStringLiteral("B")).endsWith(QStringLiteral(";2;3;2;3;")))
        << row(QStringLiteral("B")).toStdString();
    EXPECT_TRUE(row(QStringLiteral("D")).endsWith(QStringLiteral(";3;0;4;4;4")))
        << row(QStringLiteral("D")).toStdString();

    // Ranked by goal difference, there is no outlook and no mark column.
    t_->SortCriteria.front().Column = kColumnGoalDifference;
    EXPECT_FALSE(TablesCsv(*t_, QLatin1Char(';'), {t_->GroupAt(0)->Id}, QString())
                     .contains(QStringLiteral("Mark")));
}

// The workbook and Copy as Text take the table's cells: the places are there too.
TEST_F(OutlookExport, WorkbookCells) {
    const TGridData grid = TableGrid(*t_, *t_->GroupAt(0));
    ASSERT_EQ(grid.Captions.size(), 6);
    EXPECT_EQ(grid.Captions[4], QStringLiteral("Best"));
    EXPECT_EQ(grid.Captions[5], QStringLiteral("Worst"));
    ASSERT_EQ(grid.Rows.size(), 4);
    EXPECT_EQ(grid.Rows[0][1], QStringLiteral("A"));
    EXPECT_EQ(grid.Rows[0].mid(4), (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
    EXPECT_EQ(grid.Rows[3].mid(4), (QStringList{QStringLiteral("4"), QStringLiteral("4")}));
    EXPECT_EQ(grid.Values[3][5], 4);
}

TEST_F(OutlookExport, TheSiteAndItsData) {
    const std::map<QString, QByteArray> pages = SitePages(*t_);
    const QString index = QString::fromUtf8(pages.at(QStringLiteral("index.html")));
    EXPECT_TRUE(index.contains(QStringLiteral("<b class=\"mark\">(C)</b>"))) << index.toStdString();
    const int a = kvtest::TeamId(*t_, QStringLiteral("A"));
    const int b = kvtest::TeamId(*t_, QStringLiteral("B"));
    EXPECT_TRUE(pages.at(QStringLiteral("team-%1.html").arg(a)).contains("Champion"));
    EXPECT_TRUE(
        pages.at(QStringLiteral("team-%1.html").arg(b)).contains("Can still finish 2nd to 3rd"));
    const QJsonObject data =
        QJsonDocument::fromJson(pages.at(QStringLiteral("tournament.json"))).object();
    EXPECT_EQ(data[QStringLiteral("version")].toInt(), 2);
    const QJsonArray rows =
        data[QStringLiteral("standings")].toArray()[0].toObject()[QStringLiteral("rows")].toArray();
    ASSERT_EQ(rows.size(), 4);
    const QJsonObject first = rows[0].toObject();
    EXPECT_EQ(first[QStringLiteral("team")].toString(), QStringLiteral("A"));
    EXPECT_EQ(first[QStringLiteral("best")].toInt(), 1);
    EXPECT_EQ(first[QStringLiteral("worst")].toInt(), 1);
    EXPECT_EQ(first[QStringLiteral("remaining")].toInt(), 0);
    EXPECT_EQ(first[QStringLiteral("mark")].toString(), QStringLiteral("C"));
    EXPECT_EQ(rows[1].toObject()[QStringLiteral("remaining")].toInt(), 1);
    // Not worked out yet: null, and no mark.
    ClearOutlook(*t_);
    const QJsonObject unknown =
        QJsonDocument::fromJson(SitePages(*t_).at(QStringLiteral("tournament.json")))
            .object()[QStringLiteral("standings")]
            .toArray()[0]
            .toObject()[QStringLiteral("rows")]
            .toArray()[0]
            .toObject();
    EXPECT_TRUE(unknown[QStringLiteral("best")].isNull());
    EXPECT_EQ(unknown[QStringLiteral("mark")].toString(), QString());
}

} // namespace
