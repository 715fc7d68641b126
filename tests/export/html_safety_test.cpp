// What a tournament file or a typed name holds never becomes markup or a style rule of an HTML
// export, and team cells show the name as the picture does.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/preferences.h"
#include "export/csv_export.h"
#include "export/html_export.h"
#include "model/sport.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"

#include <QProcess>
#include <QStandardPaths>

using namespace kv;

namespace {

const QString kHostile = QStringLiteral("Tah}</style><script>alert(2)</script>\"'<b>&amp;");

class HtmlSafety : public kvtest::TTempHome {
protected:
    std::unique_ptr<TTournament> Make() {
        auto t = kvtest::MakeTournament(
            SportSoccer, 2,
            {{QStringLiteral("North"), {QStringLiteral("Ajax"), QStringLiteral("Bern")}},
             {QStringLiteral("South"), {QStringLiteral("Cork"), QStringLiteral("Derby")}}});
        t->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
        ResetColumns(*t);
        kvtest::AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QStringLiteral("2:1"),
                          1);
        RecomputeAll(*t);
        return t;
    }

    // No element, rule or block that the document did not write itself.
    static void ExpectInert(const QString& html) {
        EXPECT_FALSE(html.contains(QLatin1String("<script"), Qt::CaseInsensitive))
            << html.toStdString();
        EXPECT_FALSE(html.contains(QLatin1String("<b>"))) << html.toStdString();
        EXPECT_LE(html.count(QLatin1String("</style>")), 1);
        const qsizetype styleStart = html.indexOf(QLatin1String("<style"));
        const qsizetype styleEnd = html.indexOf(QLatin1String("</style>"));
        if (styleStart >= 0) {
            // Every rule of the block opens and closes once: nothing ends a rule early.
            const QString block = html.mid(styleStart, styleEnd - styleStart);
            EXPECT_EQ(block.count(QLatin1Char('{')), block.count(QLatin1Char('}')))
                << block.toStdString();
            EXPECT_FALSE(block.mid(1).contains(QLatin1Char('<'))) << block.toStdString();
        }
    }
};

} // namespace

TEST_F(HtmlSafety, HostileTextInEveryFieldStaysText) {
    auto t = Make();
    t->Name = kHostile;
    t->View.ShowSymbol = true;
    t->View.ShowCity = true;
    t->View.ShowCountry = true;
    t->View.HStandings = true;
    for (TGroup* g : t->AllTables()) {
        g->Name = kHostile;
        g->Style.Font.Name = kHostile;
        g->Style.HeaderFont.Name = kHostile;
        g->Style.ResultsFont.Name = kHostile;
        g->Style.HasHeaderBGColor = true;
        if (!g->PlaceFonts.empty()) {
            g->PlaceFonts[0].HasFont = true;
            g->PlaceFonts[0].Font.Name = kHostile;
        }
    }
    for (TTeam* team : t->JointTable().Teams()) {
        team->City = kHostile;
        team->Country = kHostile;
        team->SeparateFont = true;
        team->Font.Name = kHostile;
    }
    t->JointTable().Teams().front()->Symbol = QStringLiteral("<b>");
    const QString tables = TablesHtml(*t, kHostile, {0, 1}, PrefString("HTML", "TableAttr"));
    ExpectInert(tables);
    EXPECT_TRUE(tables.contains(QLatin1String("&lt;/style&gt;&lt;script&gt;")))
        << "names shown as written";
    EXPECT_TRUE(tables.contains(QLatin1String("font-family: Tahstylescriptalert2scriptbamp;")));

    // The same from a file, as a user would receive one.
    const QString path = HomePath(QStringLiteral("hostile.kvd"));
    ASSERT_TRUE(SaveTournament(*t, path, false));
    TTournament loaded(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(loaded, path));
    ExpectInert(TablesHtml(loaded, QString(), {0, 1}, PrefString("HTML", "TableAttr")));

    TGridData grid;
    grid.Captions << kHostile << QStringLiteral("Score");
    grid.Alignments << TCellAlign::Left << TCellAlign::Center;
    grid.Rows << QStringList{kHostile, QStringLiteral("<i>1:0</i>")};
    ExpectInert(GridHtml(grid, QStringLiteral("border=\"1\""), true, kHostile, kHostile));
    // A title of two lines: each escaped on its own, joined by a real line break.
    const QString twoLines =
        GridHtml(grid, QStringLiteral("border=\"1\""), true,
                 QStringList{kHostile, QStringLiteral("Ajax <FC>")}, QString());
    ExpectInert(twoLines);
    EXPECT_TRUE(twoLines.contains(QLatin1String("&lt;b&gt;&amp;amp;<br>Ajax &lt;FC&gt;</p>")))
        << twoLines.toStdString();
    EXPECT_TRUE(twoLines.contains(QLatin1String("&amp;amp; - Ajax &lt;FC&gt;</title>")));
}

TEST_F(HtmlSafety, TeamCellsShowTheDisplayNameAsThePictureDoes) {
    auto t = Make();
    TTeam* ajax = t->JointTable().TeamByName(QStringLiteral("Ajax"));
    ajax->Symbol = QStringLiteral("AJX");
    ajax->City = QStringLiteral("Amsterdam");
    ajax->Country = QStringLiteral("NL");
    t->View.ShowSymbol = true;
    t->View.ShowCity = true;
    t->View.ShowCountry = true;
    const QString html = TablesHtml(*t, QString(), {0}, PrefString("HTML", "TableAttr"));
    EXPECT_TRUE(html.contains(QLatin1String("<div align=\"left\">AJX (Amsterdam, NL)</div>")))
        << html.toStdString();
    TGroup* north = t->GroupById(0);
    north->PlaceFonts[0].HasFont = true;
    north->PlaceFonts[0].UpperCase = true;
    const QString upper = TablesHtml(*t, QString(), {0}, PrefString("HTML", "TableAttr"));
    EXPECT_TRUE(upper.contains(QLatin1String("<div align=\"left\">AJX (AMSTERDAM, NL)</div>")))
        << upper.toStdString();
    const QString csv = TablesCsv(*t, QLatin1Char(';'), {0}, QString());
    EXPECT_TRUE(csv.contains(QLatin1String("AJX (AMSTERDAM, NL)"))) << csv.toStdString();
}

TEST(CsvSafety, TextsASpreadsheetWouldRunStayText) {
    const QString q = QStringLiteral("\"");
    EXPECT_EQ(CsvField(QStringLiteral("=HYPERLINK(\"http://x\")"), q),
              QStringLiteral("\"'=HYPERLINK(\"\"http://x\"\")\""));
    EXPECT_EQ(CsvField(QStringLiteral("@SUM(A1)"), QString()), QStringLiteral("'@SUM(A1)"));
    EXPECT_EQ(CsvField(QStringLiteral("+cmd|' /C calc'!A0"), QString()),
              QStringLiteral("'+cmd|' /C calc'!A0"));
    EXPECT_EQ(CsvField(QStringLiteral("-Sheet1!A1"), QString()), QStringLiteral("'-Sheet1!A1"));
    EXPECT_EQ(CsvField(QStringLiteral("\tx"), QString()), QStringLiteral("'\tx"));
    EXPECT_EQ(CsvField(QStringLiteral("-1+cmd|' /C calc'!A0"), QString()),
              QStringLiteral("'-1+cmd|' /C calc'!A0"));
    EXPECT_EQ(CsvField(QStringLiteral("+1+HYPERLINK(\"http://x\")"), QString()).front(),
              QLatin1Char('\''));
    // Numbers, differences and scores are what they are.
    for (const char* kept :
         {"-3", "+2", "-0.5", "-:-", "- : -", "--", "-", "+", "Team = best", "3:2"})
        EXPECT_EQ(CsvField(QLatin1String(kept), QString()), QLatin1String(kept));
    // Without quotes a line break would begin a new row.
    EXPECT_EQ(CsvField(QStringLiteral("two\r\nlines\nhere"), QString()),
              QStringLiteral("two lines here"));
    EXPECT_EQ(CsvField(QStringLiteral("two\r\nlines"), q), QStringLiteral("\"two\r\nlines\""));
}

// A document says its type, its character set (the one its bytes are in) and a viewport, and
// tidy finds no error in it, whatever the names hold. Names in other scripts reach the page as
// they are (UTF-8) or as numeric character references (an 8-bit character set). Tidy's two
// warnings about the table markup itself are the documented layout's: each table is followed
// by an empty paragraph, and tables carry no summary attribute.
TEST_F(HtmlSafety, DocumentsDeclareTheirTypeAndCharsetAndPassTidy) {
    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    ASSERT_FALSE(tidy.isEmpty()) << "tidy is installed by scripts/install-deps";
    auto t = Make();
    t->JointTable().TeamByName(QStringLiteral("Ajax"))->Name = QStringLiteral("Ξάνθη");
    t->JointTable().TeamByName(QStringLiteral("Bern"))->Name = QStringLiteral("東京 FC");
    const std::vector<int> ids{t->GroupAt(0)->Id, t->GroupAt(1)->Id};
    for (const QString& charset :
         {QStringLiteral("utf-8"), QStringLiteral("windows-1252"), QString()}) {
        SCOPED_TRACE(charset.toStdString());
        const QString path = HomePath(QStringLiteral("tables.html"));
        ASSERT_TRUE(WriteTablesHtml(*t, path, charset, ids, QStringLiteral("border=\"1\"")));
        const QByteArray bytes = ReadFile(path);
        EXPECT_TRUE(
            bytes.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\""));
        const QByteArray declared = charset.isEmpty() ? QByteArray("us-ascii") : charset.toLatin1();
        EXPECT_TRUE(bytes.contains("content=\"text/html; charset=" + declared + "\""));
        EXPECT_TRUE(bytes.contains(
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"));
        // The character set comes before the first text of the document.
        EXPECT_LT(bytes.indexOf("charset="), bytes.indexOf("<title>"));
        if (charset == QLatin1String("utf-8")) {
            EXPECT_TRUE(bytes.contains(QStringLiteral("Ξάνθη").toUtf8()));
            EXPECT_TRUE(bytes.contains(QStringLiteral("東京 FC").toUtf8()));
        } else {
            for (const char c : bytes)
                ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "plain ASCII";
            EXPECT_TRUE(bytes.contains("&#926;&#940;&#957;&#952;&#951;")); // Ξάνθη
            EXPECT_TRUE(bytes.contains("&#26481;&#20140; FC"));
        }
        QProcess p;
        p.start(tidy, {QStringLiteral("-q"), QStringLiteral("-e"), path});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString said = QString::fromUtf8(p.readAllStandardError());
        EXPECT_LE(p.exitCode(), 1) << qPrintable(said); // 2: errors
        for (const QString& line : said.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            EXPECT_TRUE(line.contains(QStringLiteral("trimming empty <p>")) ||
                        line.contains(QStringLiteral("lacks \"summary\" attribute")))
                << qPrintable(line);
    }
}
