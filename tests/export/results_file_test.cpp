// A tournament from a file of results: the columns guessed from the headings, the delimiter
// guessed from the lines, the teams and legs of the rows, and the preview of the dates.
#include "support/testenv.h"

#include "export/results_file.h"

#include <QFile>

using namespace kv;

namespace {

class ResultsFile : public kvtest::TTempHome {
protected:
    static std::vector<TImportRow> Rows(const char* csv) {
        return RowsFromRecords(ReadCsvRecords(QByteArray(csv), QLatin1Char(',')));
    }
};

} // namespace

TEST_F(ResultsFile, HeadingsNameTheColumns) {
    TGuessedColumns g = GuessImportColumns(ReadCsvRecords(
        QByteArray("Round,Date,Team 1,FT,Team 2,Notes\n1,x,A,1-0,B,\n"), QLatin1Char(',')));
    EXPECT_TRUE(g.Header);
    EXPECT_EQ(g.Kinds, (std::vector<int>{ImportMatchday, ImportDate, ImportHome, ImportScore,
                                         ImportVisitor, ImportComments}));
    // German headings, goals in columns of their own, and a second "Home" column left alone.
    g = GuessImportColumns(
        ReadCsvRecords(QByteArray("Spieltag;Heim;Gast;FTHG;FTAG;Heim\n"), QLatin1Char(';')));
    EXPECT_TRUE(g.Header);
    EXPECT_EQ(g.Kinds, (std::vector<int>{ImportMatchday, ImportHome, ImportVisitor, ImportGoalsFor,
                                         ImportGoalsAgainst, ImportNone}));
    // Data in the first row, or headings without both teams: nothing is guessed.
    g = GuessImportColumns(ReadCsvRecords(QByteArray("1,Ajax,2-1,Bern\n"), QLatin1Char(',')));
    EXPECT_FALSE(g.Header);
    EXPECT_EQ(g.Kinds, std::vector<int>(4, ImportNone));
    g = GuessImportColumns(ReadCsvRecords(QByteArray("Date,Home,Score\n"), QLatin1Char(',')));
    EXPECT_FALSE(g.Header);
}

TEST_F(ResultsFile, TheDelimiterSplitsEveryLineAlike) {
    EXPECT_EQ(GuessSeparator(QStringLiteral("a;b;c\n1;2,5;3\n")), QLatin1Char(';'));
    EXPECT_EQ(GuessSeparator(QStringLiteral("a\tb\n1\t2\n")), QLatin1Char('\t'));
    EXPECT_EQ(GuessSeparator(QStringLiteral("a,b,c\n1,2,3\n")), QLatin1Char(','));
    EXPECT_EQ(GuessSeparator(QStringLiteral("one column\n")), QLatin1Char(','));
}

TEST_F(ResultsFile, TeamsAndLegsOfTheRows) {
    const std::vector<int> kinds{ImportHome, ImportScore, ImportVisitor};
    // Names as first written, compared without case; a pair's meetings in either order.
    TResultsTeams r = TeamsOfResults(
        Rows("Ajax,1-0,Bern\nbern,2-2,AJAX\nCork,0-1,Ajax\n  ,1-1,Ajax\nAjax,1-1,ajax\n"), kinds,
        8);
    EXPECT_TRUE(r.Problem.isEmpty()) << qPrintable(r.Problem);
    EXPECT_EQ(r.Teams, (QStringList{QStringLiteral("Ajax"), QStringLiteral("Bern"),
                                    QStringLiteral("Cork")}));
    EXPECT_EQ(r.Legs, 2);
    r = TeamsOfResults(Rows("Ajax,1-0,Bern\nAjax,1-0,Bern\nAjax,1-0,Bern\n"), kinds, 2);
    EXPECT_EQ(r.Problem,
              QStringLiteral("Two teams meet 3 times in the file; a group plays at most 2 legs"));
    r = TeamsOfResults(Rows("Ajax,1-0,\n"), kinds, 8);
    EXPECT_EQ(r.Problem, QStringLiteral("The file names fewer than two teams"));
    r = TeamsOfResults(Rows("Ajax,1-0,Bern\n"), {ImportHome, ImportScore}, 8);
    EXPECT_EQ(r.Problem, QStringLiteral("Visitor team column is not specified"));
    QByteArray many;
    for (int i = 0; i < 80; ++i)
        many += QByteArray("T") + QByteArray::number(i) + ",1-0,U" + QByteArray::number(i) + "\n";
    r = TeamsOfResults(Rows(many.constData()), kinds, 8);
    EXPECT_TRUE(r.Problem.startsWith(QStringLiteral("The file names 160 teams")))
        << qPrintable(r.Problem);
}

TEST_F(ResultsFile, ReadingGuessesAndSaysWhatFails) {
    const QString path = HomePath(QStringLiteral("r.csv"));
    WriteFile(path, "Heim;Gast;Ergebnis\nK\xf6ln;Bochum;2:1\n"); // Windows-1252
    const TResultsFile f = ReadResultsFile(path);
    EXPECT_TRUE(f.Problem.isEmpty());
    EXPECT_EQ(f.Separator, QLatin1Char(';'));
    EXPECT_TRUE(f.Columns.Header);
    ASSERT_EQ(f.Records.size(), 2);
    EXPECT_EQ(f.Records[1][0], QStringLiteral("K\u00f6ln"));
    EXPECT_FALSE(ReadResultsFile(HomePath(QStringLiteral("missing.csv"))).Problem.isEmpty());
    WriteFile(path, "");
    EXPECT_EQ(ReadResultsFile(path).Problem, path + QStringLiteral(" holds no rows"));
}

TEST_F(ResultsFile, TheDatesPreviewWarnsWhenDayAndMonthCannotBeTold) {
    const std::vector<int> kinds{ImportDate, ImportHome, ImportVisitor};
    const auto rows = Rows("Date,Home,Away\n03/04/2021,A,B\n05/04/2021,B,A\n");
    const QString shown = DatesPreview(rows, kinds, QString());
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Every date could be day first or month first")))
        << qPrintable(shown);
    EXPECT_FALSE(shown.contains(QStringLiteral("Date \u2192"))); // the heading is no date
    const QString us = DatesPreview(rows, kinds, QStringLiteral("MM/dd/yyyy"));
    EXPECT_TRUE(us.startsWith(QStringLiteral("03/04/2021 \u2192 "))) << qPrintable(us);
    EXPECT_TRUE(us.contains(QStringLiteral("March"))) << qPrintable(us);
    EXPECT_EQ(DatesPreview(Rows("x,2021-99-99,y\nA,B\n"), {ImportNone, ImportDate}, QString())
                  .count(QStringLiteral("not a date")),
              2); // a first row with digits is no heading: shown too
    EXPECT_TRUE(DatesPreview(rows, {ImportHome, ImportVisitor}, QString()).isEmpty());
}

TEST_F(ResultsFile, AFirstRowThatIsNoDateIsShownUnlessItIsAHeading) {
    const std::vector<int> kinds{ImportDate, ImportHome, ImportVisitor};
    EXPECT_TRUE(DatesPreview(Rows("31/02/2026,A,B\n2026-03-01,B,A\n"), kinds, QString())
                    .startsWith(QStringLiteral("31/02/2026 \u2192 not a date")));
    EXPECT_TRUE(DatesPreview(Rows("Date,A,B\n2026-03-01,B,A\n"), kinds, QString())
                    .startsWith(QStringLiteral("2026-03-01 \u2192 ")));
    // Names longer than a team keeps are the same team as their kept part.
    const QByteArray longName(60, 'x');
    const TResultsTeams r = TeamsOfResults(
        Rows(QByteArray(longName + ",1-0,B\nB,0-0," + longName.left(55) + "\n").constData()),
        {ImportHome, ImportScore, ImportVisitor}, 8);
    EXPECT_EQ(r.Teams, (QStringList{QString(50, QLatin1Char('x')), QStringLiteral("B")}));
    EXPECT_EQ(r.Legs, 2);
}
