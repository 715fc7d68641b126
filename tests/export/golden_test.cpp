// The HTML and CSV documents compared whole with reviewed copies in tests/data/golden.
// KV_UPDATE_GOLDEN=1 rewrites the copies (review the difference before committing it).
#include "support/builders.h"
#include "support/testenv.h"

#include "base/preferences.h"
#include "base/settings.h"
#include "export/csv_export.h"
#include "export/fixture_rows.h"
#include "export/html_export.h"
#include "model/sport.h"
#include "standings/tournament_setup.h"

#include <QFile>

using namespace kv;

namespace {

class Golden : public kvtest::TTempHome {
protected:
    void SetUp() override {
        kvtest::TTempHome::SetUp();
        t_ = kvtest::MakeTournament(
            SportSoccer, 2,
            {{QStringLiteral("North"),
              {QStringLiteral("Ajax"), QStringLiteral("<Bad & Co>"), QStringLiteral("Cork")}},
             {QStringLiteral("South"), {QStringLiteral("Derby"), QStringLiteral("Eton")}}});
        t_->Name = QStringLiteral("Golden \"Cup\"");
        t_->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
        t_->JointTable().Style = TGroupStyle{};
        t_->ApplyStyleToAll(TGroupStyle{});
        ResetColumns(*t_);
        t_->SpareColumns.clear();
        kvtest::AddResult(*t_, QStringLiteral("Ajax"), QStringLiteral("<Bad & Co>"),
                          QStringLiteral("2:1"), 1);
        kvtest::AddResult(*t_, QStringLiteral("<Bad & Co>"), QStringLiteral("Ajax"),
                          QStringLiteral("0:0"), 2);
        kvtest::AddResult(*t_, QStringLiteral("Cork"), QStringLiteral("Ajax"),
                          QStringLiteral("1:3"), 1);
        TMatch* ot = kvtest::AddResult(*t_, QStringLiteral("Derby"), QStringLiteral("Eton"),
                                       QStringLiteral("2:2"), 1);
        ot->DecidedIn = 2;
        ot->HomeScore = 3;
        t_->Overtime = true;
        TGroup* north = t_->GroupById(0);
        north->PlaceFonts[0].HasColor = true;
        north->PlaceFonts[0].Color = RgbColor(255, 255, 0);
        TTeam* cork = t_->JointTable().TeamByName(QStringLiteral("Cork"));
        cork->SeparateFont = true;
        cork->Font.Italic = true;
        cork->Font.Color = RgbColor(0, 0, 255);
        t_->View.Alignment = AlignCenter;
        RecomputeAll(*t_);
    }

    void Compare(const QString& name, const QByteArray& actual) {
        const QString path = kvtest::DataPath(QStringLiteral("golden/") + name);
        if (qEnvironmentVariableIsSet("KV_UPDATE_GOLDEN")) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(actual);
            return;
        }
        const QByteArray expected = ReadFile(path);
        if (expected == actual) return;
        const QList<QByteArray> a = expected.split('\n');
        const QList<QByteArray> b = actual.split('\n');
        QString diff;
        for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
            const QByteArray x = a.value(i), y = b.value(i);
            if (x != y)
                diff += QStringLiteral("line %1\n- %2\n+ %3\n")
                            .arg(i + 1)
                            .arg(QString::fromUtf8(x.trimmed()), QString::fromUtf8(y.trimmed()));
        }
        ADD_FAILURE() << name.toStdString() << " differs:\n" << diff.toStdString();
    }

    std::unique_ptr<TTournament> t_;
};

} // namespace

TEST_F(Golden, HtmlWithResultsGridAndSeveralTables) {
    Compare(
        QStringLiteral("tables-one-header.html"),
        EncodeHtml(TablesHtml(*t_, QString(), {0, 1}, PrefString("HTML", "TableAttr")), QString()));
}

TEST_F(Golden, HtmlWithTwoHeaderRowsWithoutGrid) {
    t_->View.Results = false;
    t_->View.HStandings = true;
    t_->View.AStandings = true;
    Compare(QStringLiteral("tables-two-headers.html"),
            EncodeHtml(TablesHtml(*t_, HtmlCharset(QStringLiteral("Cyrillic (Windows-1251)")), {1},
                                  QStringLiteral("border=\"0\"")),
                       QString()));
}

TEST_F(Golden, HtmlAwayResultsOffPutsEachTeamOnOneRow) {
    t_->ApplyStyleToAll([] {
        TGroupStyle s;
        s.ShowAwayResults = false;
        s.HasResultsColors = false;
        s.HasHeaderBGColor = true;
        return s;
    }());
    Compare(
        QStringLiteral("tables-home-results.html"),
        EncodeHtml(TablesHtml(*t_, QStringLiteral("utf-8"), {0}, QStringLiteral("border=\"1\"")),
                   QStringLiteral("utf-8")));
}

TEST_F(Golden, CsvTables) {
    Compare(QStringLiteral("tables-semicolon.csv"),
            TablesCsv(*t_, QLatin1Char(';'), {0, 1}, QString()).toUtf8());
    t_->View.HStandings = true;
    Compare(QStringLiteral("tables-quoted.csv"),
            TablesCsv(*t_, QLatin1Char(','), {0}, QStringLiteral("\"")).toUtf8());
    t_->View.Results = false;
    t_->View.HStandings = false;
    Compare(QStringLiteral("tables-no-grid.csv"),
            TablesCsv(*t_, QLatin1Char('\t'), {1}, QStringLiteral("'")).toUtf8());
}

TEST_F(Golden, GridDocuments) {
    t_->FixtureColumns = {FixGroup, FixLeg, FixVisitor, FixHome, FixScore, FixGoalsFor};
    const TGridData grid = FixtureGrid(*t_);
    Compare(QStringLiteral("fixtures.html"),
            EncodeHtml(GridHtml(grid, PrefString("HTML", "TableAttr"), true, t_->Name,
                                QStringLiteral("iso-8859-1")),
                       QString()));
    Compare(QStringLiteral("fixtures.csv"),
            GridCsv(grid, QLatin1Char(';'), QStringLiteral("\"")).toUtf8());
}

TEST_F(Golden, HtmlPiecesAndEscaping) {
    EXPECT_EQ(HtmlColor(clWhite), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(HtmlColor(RgbColor(0x12, 0xAB, 0x03)), QStringLiteral("#12AB03"));
    TFontData header = MakeFont(QStringLiteral("Tahoma"), 8, true);
    EXPECT_EQ(
        CssRule(QStringLiteral(".clsHead_1"), true, true, TCssAlign::Center, header, 12639424),
        QStringLiteral(".clsHead_1{ text-align:center; background-color:#C0DCC0; font-family: "
                       "Tahoma; font-size: 8pt; color:#000000; font-weight: bold;}"));
    header.Bold = false;
    header.Underline = true;
    header.StrikeOut = true;
    EXPECT_EQ(CssRule(QStringLiteral("x"), false, true, TCssAlign::Left, header, 0),
              QStringLiteral("x{ text-align:left; font-family: Tahoma; font-size: 8pt; "
                             "color:#000000; text-decoration: underline line-through}"));
    EXPECT_EQ(HtmlCharset(QStringLiteral("Greek (MacGreek)")), QStringLiteral("x-mac-greek"));
    EXPECT_EQ(HtmlCharset(QStringLiteral("koi8-r")), QStringLiteral("koi8-r"));
    EXPECT_EQ(EncodeHtml(QStringLiteral("Bj\u00f6rn \U0001F600"), QString()),
              QByteArray("Bj&#246;rn &#128512;"));
    EXPECT_EQ(CsvField(QStringLiteral("say \"hi\""), QStringLiteral("\"")),
              QStringLiteral("\"say \"\"hi\"\"\""));
    TGridData grid;
    grid.Captions = {QStringLiteral("A"), QStringLiteral("B")};
    grid.Rows = {{QStringLiteral("1"), QStringLiteral("x\ty")}, {QStringLiteral("2")}};
    EXPECT_EQ(CopyGridAsText(grid), QStringLiteral("A\tB\n1\tx\ty\n2\t\n"));
    EXPECT_EQ(CopyGridAsText(grid, {1}, {0}), QStringLiteral("A\n2\n"));
}
