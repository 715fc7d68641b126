// Reading delimited text and importing fixtures and results row by row.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/programfolder.h"
#include "export/csv_import.h"
#include "model/sport.h"

#include <QRandomGenerator>

using namespace kv;

namespace {

class CsvImport : public kvtest::TTempHome {
protected:
    std::unique_ptr<TTournament> Make() {
        auto t = kvtest::MakeTournament(
            SportSoccer, 2,
            {{QStringLiteral("G"),
              {QStringLiteral("Ajax"), QStringLiteral("Bern"), QStringLiteral("Cork")}}});
        t->JointTable().TeamByName(QStringLiteral("Cork"))->Symbol = QStringLiteral("COR");
        t->JointTable().TeamByName(QStringLiteral("Ajax"))->HomeStadiumId = 0;
        t->AddStadium(QStringLiteral("Old Ground"), QString(), QString(), -1);
        return t;
    }
    static std::vector<TImportRow> Rows(const char* csv, QChar sep = QLatin1Char(',')) {
        return RowsFromRecords(ReadCsvRecords(QByteArray(csv), sep));
    }
};

} // namespace

TEST_F(CsvImport, RecordsQuotesAndLines) {
    const TCsvRecords r =
        ReadCsvRecords(QStringLiteral("a,\"b,c\",d\n\"multi\nline\",\"say \"\"hi\"\"\"\n\nlast"),
                       QLatin1Char(','));
    ASSERT_EQ(r.size(), 4);
    EXPECT_EQ(r[0], (QStringList{QStringLiteral("a"), QStringLiteral("b,c"), QStringLiteral("d")}));
    EXPECT_EQ(r[1], (QStringList{QStringLiteral("multi\r\nline"), QStringLiteral("say \"hi\"")}));
    EXPECT_EQ(r[2], QStringList{QString()}); // an empty line is one empty field
    EXPECT_EQ(r[3], QStringList{QStringLiteral("last")});
    EXPECT_TRUE(ReadCsvRecords(QStringLiteral("\na,b\n"), QLatin1Char(','))
                    .isEmpty()); // the first line is empty
    const TCsvRecords open =
        ReadCsvRecords(QStringLiteral("x;\"never closed\nstill;open"), QLatin1Char(';'));
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0].last(), QStringLiteral("never closed\r\nstill;open"));
    EXPECT_EQ(CsvLineCount(QStringLiteral("a\nb\n")), 2);
    EXPECT_EQ(ReadCsvRecords(QByteArray("\xEF\xBB\xBFM\xC3\xBCnchen;x"), QLatin1Char(';'))[0][0],
              QStringLiteral("M\u00fcnchen"));
}

TEST_F(CsvImport, GarbageNeverCrashes) {
    QRandomGenerator rng(99);
    QByteArray garbage(10 * 1024 * 1024, '\0');
    for (char& c : garbage)
        c = "\"\",;\n\r ab\t\xff\x80"[rng.bounded(13)];
    const TCsvRecords records = ReadCsvRecords(garbage, QLatin1Char(','));
    auto t = Make();
    std::vector<TImportRow> rows = RowsFromRecords(records);
    rows.resize(std::min<size_t>(rows.size(), 20000));
    TImportOptions options;
    options.Kinds = {ImportHome, ImportVisitor, ImportScore, ImportDate, ImportStadium};
    options.AddStadiums = true;
    const TImportCounts counts = ImportRows(*t, rows, options);
    EXPECT_EQ(counts.Added, 0);
    // Ragged rows: cells past a row's end are empty.
    std::vector<TImportRow> ragged = Rows("Ajax\nAjax,Bern,1:0,extra,extra\n,,\n");
    TImportOptions plain;
    plain.Kinds = {ImportHome, ImportVisitor, ImportScore};
    const TImportCounts c = ImportRows(*t, ragged, plain);
    EXPECT_EQ(c.Added, 1);
    EXPECT_EQ(c.Failed, 2);
    EXPECT_EQ(ragged[0].Message, QStringLiteral("The row names no team"));
}

TEST_F(CsvImport, ChecksBeforeImporting) {
    const std::vector<TImportRow> rows = Rows("Ajax,Bern,1:0");
    EXPECT_EQ(CheckImportColumns({}, {ImportHome}), QStringLiteral("No data to import"));
    EXPECT_EQ(CheckImportColumns(rows, {ImportNone, ImportVisitor}),
              QStringLiteral("Home team column is not specified"));
    // Columns without any kind yet: the first thing missing is the home column.
    EXPECT_EQ(CheckImportColumns(rows, {ImportNone, ImportNone, ImportNone}),
              QStringLiteral("Home team column is not specified"));
    EXPECT_EQ(CheckImportColumns(rows, {ImportHome, ImportNone}),
              QStringLiteral("Visitor team column is not specified"));
    EXPECT_EQ(CheckImportColumns(rows, {ImportHome, ImportVisitor, ImportGoalsFor}),
              QStringLiteral("Specify at least one more column (i.e. matchday, date, score, etc)"));
    EXPECT_EQ(CheckImportColumns(rows, {ImportHome, ImportVisitor, ImportScore}), QString());
}

TEST_F(CsvImport, VisitorColumnLeftOfHomeReversesTheScore) {
    auto t = Make();
    std::vector<TImportRow> rows = Rows("Bern;Ajax;3:1\n", QLatin1Char(';'));
    TImportOptions options;
    options.Kinds = {ImportVisitor, ImportHome, ImportScore};
    ASSERT_EQ(ImportRows(*t, rows, options).Added, 1);
    const TMatch* m = t->MatchAt(0);
    EXPECT_EQ(m->HomeTeamId, 0);
    EXPECT_EQ(m->HomeScore, 1);
    EXPECT_EQ(m->VisitorScore, 3);
}

TEST_F(CsvImport, LegsHomeFixturesAndRerunning) {
    auto t = Make();
    std::vector<TImportRow> rows = Rows(
        "Ajax,Bern,2:0\nBern,Ajax,1:1\nAjax,Bern,0:0\nAjax,COR,4:4\nAjax,Cork,\nAjax,Nobody,1:0\n");
    TImportOptions options;
    options.Kinds = {ImportHome, ImportVisitor, ImportScore};
    TImportCounts counts = ImportRows(*t, rows, options);
    EXPECT_EQ(counts.Added, 3);
    EXPECT_EQ(counts.Failed, 3);
    EXPECT_EQ(rows[2].Message, QStringLiteral("All possible fixtures for this pair already exist"));
    EXPECT_EQ(rows[3].Message,
              QStringLiteral("Row has been successfully imported")); // the symbol names Cork
    EXPECT_EQ(
        rows[4].Message,
        QStringLiteral(
            "The tournament already contains all possible home fixtures of 'Ajax' against 'Cork'"));
    EXPECT_EQ(rows[5].Message, QStringLiteral("Unknown team: Nobody"));
    EXPECT_EQ(t->MatchAt(1)->Leg, 2);
    // Running again imports nothing new.
    counts = ImportRows(*t, rows, options);
    EXPECT_EQ(counts.Added, 0);
    EXPECT_EQ(t->MatchCount(), 3);
    std::vector<TImportRow> fresh = Rows("Ajax,Bern,2:0\n");
    counts = ImportRows(*t, fresh, options);
    EXPECT_EQ(counts.Added, 0);
    EXPECT_EQ(t->MatchCount(), 3);
    // Only selected rows.
    std::vector<TImportRow> chosen = Rows("Cork,Bern,1:0\nBern,Cork,1:0\n");
    chosen[1].Selected = true;
    options.SelectedOnly = true;
    counts = ImportRows(*t, chosen, options);
    EXPECT_EQ(counts.Added, 1);
    EXPECT_EQ(chosen[0].Message, QStringLiteral("Row has not been selected for import"));
    EXPECT_EQ(chosen[0].Status, TRowStatus::NotImported);
}

TEST_F(CsvImport, FieldsStadiumsAndReferees) {
    auto t = Make();
    std::vector<TImportRow> rows =
        Rows("7;1;3;2026-05-17;18:30;Ajax;Bern;;2;1;New Park;1200;Ann Lee;Rainy\n"
             "8;;4;;;Bern;Cork;;x;;;;Ann Lee;\n"
             ";;;;;Cork;Ajax;bad;;;;;;\n"
             ";;;not a date;;Cork;Bern;;;;;;;\n"
             ";;;;;Bern;Ajax;;;;;;;\n",
             QLatin1Char(';'));
    TImportOptions options;
    options.Kinds = {ImportNumber,   ImportLeg,          ImportMatchday, ImportDate,
                     ImportTime,     ImportHome,         ImportVisitor,  ImportScore,
                     ImportGoalsFor, ImportGoalsAgainst, ImportStadium,  ImportAttendance,
                     ImportReferee,  ImportComments};
    options.AddStadiums = true;
    options.AddReferees = true;
    const TImportCounts counts = ImportRows(*t, rows, options);
    EXPECT_EQ(counts.Added, 2);
    const TMatch* m = t->MatchAt(0);
    EXPECT_EQ(m->Number, 7);
    EXPECT_EQ(m->Matchday, 3);
    EXPECT_TRUE(m->HasDate);
    EXPECT_TRUE(m->HasTime);
    EXPECT_EQ(m->HomeScore, 2);
    EXPECT_EQ(m->VisitorScore, 1);
    EXPECT_EQ(m->Attendance, 1200);
    EXPECT_EQ(m->Comments, QStringLiteral("Rainy"));
    EXPECT_EQ(t->StadiumName(m->StadiumId), QStringLiteral("New Park"));
    EXPECT_EQ(t->RefereeName(m->FirstRefereeId()), QStringLiteral("Ann Lee"));
    EXPECT_EQ(t->MatchAt(1)->FirstRefereeId(), m->FirstRefereeId()); // found, not added twice
    EXPECT_FALSE(t->MatchAt(1)->Played);
    EXPECT_EQ(t->Referees.size(), 1u);
    EXPECT_EQ(rows[2].Message, QStringLiteral("'bad' is not a valid score"));
    EXPECT_EQ(rows[3].Message, QStringLiteral("'not a date' is not a valid date"));
    EXPECT_EQ(rows[4].Message, QStringLiteral("The row does not contain any information"));
    // Without "Add New Referees" a referee cell is ignored even when the referee exists.
    std::vector<TImportRow> more = Rows(";;;;;Cork;Bern;;1;0;;;Ann Lee;\n", QLatin1Char(';'));
    options.AddReferees = false;
    ImportRows(*t, more, options);
    EXPECT_EQ(t->MatchAt(2)->RefereeCount(), 0);
    // Holders' stadiums when no column names one.
    std::vector<TImportRow> home = Rows("Ajax,Cork,1:0\n");
    TImportOptions homeOptions;
    homeOptions.Kinds = {ImportHome, ImportVisitor, ImportScore};
    homeOptions.AssignHomeStadiums = true;
    ImportRows(*t, home, homeOptions);
    EXPECT_EQ(t->MatchAt(3)->StadiumId, 0);
}

TEST_F(CsvImport, MatchdayClashAndChessHalves) {
    auto t = Make();
    std::vector<TImportRow> rows = Rows("Ajax,Bern,1\nCork,Ajax,1\n");
    TImportOptions options;
    options.Kinds = {ImportHome, ImportVisitor, ImportMatchday};
    ImportRows(*t, rows, options);
    EXPECT_EQ(rows[1].Message,
              QStringLiteral("Team Ajax is already involved on matchday 1 (Ajax vs Bern)"));
    auto chess = kvtest::MakeTournament(
        SportChess, 1, {{QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B")}}});
    std::vector<TImportRow> halves = Rows("A,B,0.5,0.5\n");
    options.Kinds = {ImportHome, ImportVisitor, ImportGoalsFor, ImportGoalsAgainst};
    EXPECT_EQ(ImportRows(*chess, halves, options).Added, 1);
    EXPECT_EQ(chess->MatchAt(0)->HomeScore, 0.5);
}

TEST_F(CsvImport, Schemes) {
    const QString path = StylesFolder() + QStringLiteral("mine.impf");
    QString error;
    ASSERT_TRUE(SaveImportScheme(path, {ImportHome, ImportNone, ImportVisitor, 99}, error));
    EXPECT_EQ(ReadFile(path), QByteArray("6 -1 7 -1 \r\n"));
    std::vector<int> kinds;
    ASSERT_TRUE(LoadImportScheme(path, 2, kinds, error));
    EXPECT_EQ(kinds, (std::vector<int>{ImportHome, ImportNone}));
    ASSERT_TRUE(LoadImportScheme(path, 10, kinds, error));
    EXPECT_EQ(kinds.size(), 4u);
    WriteFile(path, "6 7 oops 8");
    EXPECT_FALSE(LoadImportScheme(path, 10, kinds, error));
    EXPECT_EQ(error, QStringLiteral("Error opening scheme"));
    EXPECT_EQ(kinds, (std::vector<int>{ImportHome, ImportVisitor}));
}

TEST_F(CsvImport, HowTheMatchWasDecidedAndWhoForfeited) {
    int d = -1;
    for (const char* word : {"", "FT", "reg", "Normal time"}) {
        EXPECT_TRUE(ParseDecidedIn(QLatin1String(word), SportSoccer, d)) << word;
        EXPECT_EQ(d, 0) << word;
    }
    for (const char* word : {"OT", "a.e.t.", "AET", "ET", "Overtime", "Expanded Time"}) {
        EXPECT_TRUE(ParseDecidedIn(QLatin1String(word), SportSoccer, d)) << word;
        EXPECT_EQ(d, 1) << word;
    }
    for (const char* word : {"SO", "PSO", "pens", "Penalty Shoot-outs", "shoot-out"}) {
        EXPECT_TRUE(ParseDecidedIn(QLatin1String(word), SportSoccer, d)) << word;
        EXPECT_EQ(d, 2) << word;
    }
    EXPECT_FALSE(ParseDecidedIn(QStringLiteral("sudden death"), SportSoccer, d));
    int f = -1;
    EXPECT_TRUE(ParseForfeit(QStringLiteral(" Home "), f));
    EXPECT_EQ(f, 1);
    EXPECT_TRUE(ParseForfeit(QStringLiteral("away"), f));
    EXPECT_EQ(f, 2);
    EXPECT_FALSE(ParseForfeit(QStringLiteral("both"), f));

    auto t = kvtest::MakeTournament(
        SportHockey, 2,
        {{QStringLiteral("G"),
          {QStringLiteral("Bears"), QStringLiteral("Owls"), QStringLiteral("Pike")}}});
    t->Overtime = true;
    t->ForfeitWinScore = 5;
    t->ForfeitLossScore = 0;
    std::vector<TImportRow> rows = Rows("Bears,Owls,3:2,SO,\n" // no shoot-outs in this tournament
                                        "Bears,Owls,3:2,OT,\n"
                                        "Owls,Bears,,,visitor\n" // the forfeit score is entered
                                        "Bears,Pike,0:1,,home\n" // a given score is kept
                                        "Pike,Bears,2:1,later,\n"
                                        "Owls,Pike,,OT,\n"
                                        "Pike,Owls,,,nobody\n"
                                        "Pike,Owls,2:2,SO,\n"      // a shoot-out has a winner
                                        "Pike,Owls,1:2,,visitor\n" // the forfeiting side leads
                                        "Pike,Owls,2:1,,none\n");
    TImportOptions options;
    options.Kinds = {ImportHome, ImportVisitor, ImportScore, ImportDecided, ImportForfeit};
    const TImportCounts c = ImportRows(*t, rows, options);
    EXPECT_EQ(c.Added, 4);
    EXPECT_EQ(rows[7].Message,
              QStringLiteral("The tournament has no shoot-outs")); // checked before the score
    EXPECT_EQ(rows[8].Message, QStringLiteral("The score 1:2 favours the team that forfeited"));
    EXPECT_EQ(t->MatchAt(3)->TechnicalLoss, 0);
    EXPECT_EQ(rows[0].Message, QStringLiteral("The tournament has no shoot-outs"));
    EXPECT_EQ(rows[4].Message, QStringLiteral("'later' is not a way a match is decided"));
    EXPECT_EQ(rows[5].Message, QStringLiteral("'OT' needs a score"));
    EXPECT_EQ(rows[6].Message,
              QStringLiteral("'nobody' does not say which team forfeited (home or visitor)"));
    const TMatch* ot = t->MatchAt(0);
    EXPECT_EQ(ot->DecidedIn, 1);
    EXPECT_EQ(ot->HomeScore, 3);
    const TMatch* forfeited = t->MatchAt(1);
    EXPECT_EQ(forfeited->TechnicalLoss, 2);
    EXPECT_TRUE(forfeited->Played);
    EXPECT_EQ(forfeited->HomeScore, 5);
    EXPECT_EQ(forfeited->VisitorScore, 0);
    const TMatch* kept = t->MatchAt(2);
    EXPECT_EQ(kept->TechnicalLoss, 1);
    EXPECT_EQ(kept->VisitorScore, 1);
    // With shoot-outs on, the first row goes in.
    t->ShootOuts = true;
    rows = Rows("Bears,Owls,3:2,SO,\n");
    ASSERT_EQ(ImportRows(*t, rows, options).Added, 0) << "both legs of the pair are taken";
    rows = Rows("Owls,Pike,3:3,SO,\nOwls,Pike,3:2,SO,\n");
    EXPECT_EQ(ImportRows(*t, rows, options).Added, 1);
    EXPECT_EQ(rows[0].Message, QStringLiteral("'SO' does not fit a level score"));
    EXPECT_EQ(t->MatchAt(4)->DecidedIn, 2);
    // A forfeit column alone is a result: the check lets the import go on.
    EXPECT_EQ(CheckImportColumns(rows, {ImportHome, ImportVisitor, ImportForfeit}), QString());
}

TEST_F(CsvImport, SchemesKeepTheNewColumnKinds) {
    const QString path = StylesFolder() + QStringLiteral("decided.impf");
    QString error;
    ASSERT_TRUE(SaveImportScheme(
        path, {ImportHome, ImportVisitor, ImportScore, ImportDecided, ImportForfeit}, error));
    EXPECT_EQ(ReadFile(path), QByteArray("6 7 8 15 16 \r\n"));
    std::vector<int> kinds;
    ASSERT_TRUE(LoadImportScheme(path, 5, kinds, error));
    EXPECT_EQ(kinds, (std::vector<int>{ImportHome, ImportVisitor, ImportScore, ImportDecided,
                                       ImportForfeit}));
    // An older scheme reads as before; a kind beyond the known ones is no kind.
    WriteFile(path, "6 7 8 17 \r\n");
    ASSERT_TRUE(LoadImportScheme(path, 4, kinds, error));
    EXPECT_EQ(kinds, (std::vector<int>{ImportHome, ImportVisitor, ImportScore, ImportNone}));
    EXPECT_EQ(ImportKindCaption(ImportDecided), QStringLiteral("Decided"));
    EXPECT_EQ(ImportKindCaption(ImportForfeit), QStringLiteral("Forfeit"));
}

// Teams of different groups never meet: the row says so, rather than that the pair's fixtures
// are all there. A name longer than a team keeps finds the team by the part it keeps.
TEST_F(CsvImport, RowsSayWhyTheirTeamsCannotMeet) {
    const QString longName =
        QStringLiteral("Athletic Club of the Very Long Name Beyond Fifty Letters");
    auto t = kvtest::MakeTournament(
        SportSoccer, 2,
        {{QStringLiteral("A"), {QStringLiteral("Ajax"), longName.left(50)}},
         {QStringLiteral("B"), {QStringLiteral("Cork"), QStringLiteral("Derby")}}});
    auto rows = Rows(QByteArray("Ajax,Cork,1:0\n" + longName.toUtf8() + ",Ajax,2:2\n").constData());
    TImportOptions options;
    options.Kinds = {ImportHome, ImportVisitor, ImportScore};
    const TImportCounts c = ImportRows(*t, rows, options);
    EXPECT_EQ(rows[0].Message,
              QStringLiteral("Home and visitor teams must belong to the same group"));
    EXPECT_EQ(rows[1].Status, TRowStatus::Imported) << qPrintable(rows[1].Message);
    EXPECT_EQ(c.Added, 1);
}
