// Every kvtool command as a process: its output, its files and every error path's status.
#include "cli/kvtool_support.h"

#include "base/programfolder.h"
#include "export/csv_reader.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <utility>
#include <vector>

using kvtest::Kvtool;
using kvtest::TRun;

namespace {

class KvtoolCommands : public kvtest::TTempHome {
protected:
    QString Path(const QString& name) { return HomePath(name); }
    // A small two-group soccer tournament with results.
    QString MakeCup() {
        const QString file = Path(QStringLiteral("cup.kvd"));
        const TRun created = Kvtool(
            {QStringLiteral("new"), file, QStringLiteral("--name"), QStringLiteral("Spring Cup"),
             QStringLiteral("--sport"), QStringLiteral("soccer"), QStringLiteral("--legs"),
             QStringLiteral("1"), QStringLiteral("--group"), QStringLiteral("North=Ajax;Bern;Cork"),
             QStringLiteral("--group"), QStringLiteral("South=Derby;Eton"),
             QStringLiteral("--criteria"), QStringLiteral("45,19")});
        EXPECT_EQ(created.Status, 0) << created.Err.toStdString();
        WriteFile(Path(QStringLiteral("r.csv")),
                  "home;visitor;score\nAjax;Bern;2:1\nCork;Ajax;0:0\nDerby;Eton;1:3\n");
        const TRun imported = Kvtool(
            {QStringLiteral("import-csv"), file, Path(QStringLiteral("r.csv")),
             QStringLiteral("--columns"), QStringLiteral("home,visitor,score"),
             QStringLiteral("--separator"), QStringLiteral(";"), QStringLiteral("--skip-header")});
        EXPECT_EQ(imported.Status, 0) << imported.Err.toStdString();
        return file;
    }
};

} // namespace

TEST_F(KvtoolCommands, EveryCommandHasHelpAndUsageErrors) {
    for (const char* command : {"score", "new", "import-csv", "standings", "fixtures", "export",
                                "check", "convert", "tie-order", "generate"}) {
        const TRun help = Kvtool({QLatin1String(command), QStringLiteral("--help")});
        EXPECT_EQ(help.Status, 0) << command;
        EXPECT_TRUE(help.Out.startsWith(QStringLiteral("usage: kvtool ") + QLatin1String(command)))
            << command;
        EXPECT_EQ(Kvtool({QLatin1String(command), QStringLiteral("--no-such-option")}).Status, 1)
            << command;
    }
    EXPECT_EQ(Kvtool({}).Status, 1);
    EXPECT_EQ(Kvtool({QStringLiteral("frobnicate")}).Status, 1);
    EXPECT_EQ(Kvtool({QStringLiteral("--help")}).Status, 0);
}

// As command-line tools go: the version on request, the usage where errors go when nothing is
// asked, and every error said after the program's and the command's name.
TEST_F(KvtoolCommands, CommandLineConventions) {
    for (const char* option : {"--version", "-V"}) {
        const TRun version = Kvtool({QLatin1String(option)});
        EXPECT_EQ(version.Status, 0) << option;
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral("^kvtool \\(Kelvorandine\\) \\d+\\.\\d+\\.\\d+\n$"))
                .match(version.Out)
                .hasMatch())
            << version.Out.toStdString();
        EXPECT_TRUE(version.Err.isEmpty());
    }
    const TRun bare = Kvtool({});
    EXPECT_EQ(bare.Status, 1);
    EXPECT_TRUE(bare.Out.isEmpty());
    EXPECT_TRUE(bare.Err.startsWith(QStringLiteral("usage: kvtool COMMAND")));
    const TRun help = Kvtool({QStringLiteral("--help")});
    EXPECT_TRUE(help.Out.startsWith(QStringLiteral("usage: kvtool COMMAND")));
    EXPECT_TRUE(help.Err.isEmpty());

    const QString file = MakeCup();
    WriteFile(Path(QStringLiteral("bad.kvd")), "not a tournament\n");
    const QString bad = Path(QStringLiteral("bad.kvd"));
    const QString missing = Path(QStringLiteral("missing.kvd"));
    const std::vector<std::pair<QString, QStringList>> failures = {
        {QString(), {QStringLiteral("frobnicate")}},
        {QStringLiteral("check"), {QStringLiteral("check"), missing}},
        {QStringLiteral("check"), {QStringLiteral("check"), bad}},
        {QStringLiteral("standings"), {QStringLiteral("standings"), bad}},
        {QStringLiteral("standings"),
         {QStringLiteral("standings"), file, QStringLiteral("--table"),
          QStringLiteral("group:99")}},
        {QStringLiteral("new"),
         {QStringLiteral("new"), file, QStringLiteral("--name"), QStringLiteral("Again"),
          QStringLiteral("--sport"), QStringLiteral("soccer"), QStringLiteral("--group"),
          QStringLiteral("G=A;B")}},
        {QStringLiteral("new"),
         {QStringLiteral("new"), Path(QStringLiteral("n.kvd")), QStringLiteral("--name"),
          QStringLiteral("N"), QStringLiteral("--sport"), QStringLiteral("curling"),
          QStringLiteral("--group"), QStringLiteral("G=A;B")}},
        {QStringLiteral("convert"), {QStringLiteral("convert"), file, file}},
        {QStringLiteral("convert"),
         {QStringLiteral("convert"), bad, Path(QStringLiteral("c.kvd"))}},
        {QStringLiteral("score"),
         {QStringLiteral("score"), QStringLiteral("soccer"), QStringLiteral("3:2 (4:0)")}},
        {QStringLiteral("score"),
         {QStringLiteral("score"), QStringLiteral("curling"), QStringLiteral("1:0")}},
        {QStringLiteral("import-csv"),
         {QStringLiteral("import-csv"), file, Path(QStringLiteral("none.csv")),
          QStringLiteral("--columns"), QStringLiteral("home,visitor,score")}},
        {QStringLiteral("tie-order"),
         {QStringLiteral("tie-order"), file, QStringLiteral("--table"), QStringLiteral("North"),
          QStringLiteral("Ajax;Nobody")}},
        {QStringLiteral("publish"), {QStringLiteral("publish"), file, file}},
        {QStringLiteral("export"),
         {QStringLiteral("export"), file, QStringLiteral("--html"),
          Path(QStringLiteral("no/such/folder/t.html"))}},
        {QStringLiteral("fixtures"),
         {QStringLiteral("fixtures"), file, QStringLiteral("--format"), QStringLiteral("yaml")}},
    };
    for (const auto& [command, args] : failures) {
        const TRun r = Kvtool(args);
        const QString said = args.join(QLatin1Char(' '));
        EXPECT_NE(r.Status, 0) << said.toStdString();
        const QString prefix = command.isEmpty() ? QStringLiteral("kvtool: ")
                                                 : QStringLiteral("kvtool %1: ").arg(command);
        EXPECT_TRUE(r.Err.startsWith(prefix)) << said.toStdString() << "\n" << r.Err.toStdString();
    }
}

// The arguments are kvtool's own: a session's X11 platform, or no display at all, takes none
// of them (--name, -reverse, ...) and is never needed.
TEST_F(KvtoolCommands, TheToolkitTakesNoArgumentAndNeedsNoDisplay) {
    const QString file = Path(QStringLiteral("x.kvd"));
    const TRun created =
        Kvtool({QStringLiteral("new"), file, QStringLiteral("--name"), QStringLiteral("X Cup"),
                QStringLiteral("--sport"), QStringLiteral("soccer"), QStringLiteral("--group"),
                QStringLiteral("G=A;B")},
               QString(),
               {QStringLiteral("QT_QPA_PLATFORM=xcb"), QStringLiteral("DISPLAY"),
                QStringLiteral("WAYLAND_DISPLAY")});
    EXPECT_EQ(created.Status, 0) << created.Err.toStdString();
    const TRun standings =
        Kvtool({QStringLiteral("standings"), file, QStringLiteral("-reverse")}, QString(),
               {QStringLiteral("QT_QPA_PLATFORM=xcb"), QStringLiteral("DISPLAY")});
    EXPECT_EQ(standings.Status, 1)
        << "-reverse is no option of kvtool: " << standings.Err.toStdString();
    const TRun png = Kvtool(
        {QStringLiteral("export"), file, QStringLiteral("--png"), Path(QStringLiteral("x.png"))},
        QString(), {QStringLiteral("QT_QPA_PLATFORM=xcb"), QStringLiteral("DISPLAY")});
    EXPECT_EQ(png.Status, 0) << png.Err.toStdString();
}

TEST_F(KvtoolCommands, Score) {
    TRun r =
        Kvtool({QStringLiteral("score"), QStringLiteral("soccer"), QStringLiteral("3:2 (1:2)")});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, QStringLiteral(
                         "score: 3:2\nfull: 3:2 (1:2)\nhome: 3:2 (win)\nvisitor: 2:3 (loss)\n"));
    r = Kvtool(
        {QStringLiteral("score"), QStringLiteral("Water Polo"), QStringLiteral("3:2 (2:3)")});
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(
        r.Err.trimmed(),
        QStringLiteral("kvtool score: Invalid Score. Score in halfs does not fit full-time score"));
    r = Kvtool({QStringLiteral("score"), QStringLiteral("hockey"), QStringLiteral("2:1 OT"),
                QStringLiteral("--overtime")});
    EXPECT_TRUE(r.Out.contains(QStringLiteral("win in overtime")));
    r = Kvtool({QStringLiteral("score"), QStringLiteral("soccer"), QStringLiteral("1:3"),
                QStringLiteral("--visitor-first")});
    EXPECT_TRUE(r.Out.contains(QStringLiteral("home: 3:1 (win)")));
    EXPECT_EQ(
        Kvtool({QStringLiteral("score"), QStringLiteral("curling"), QStringLiteral("1:0")}).Status,
        1);
    EXPECT_EQ(Kvtool({QStringLiteral("score"), QStringLiteral("soccer")}).Status, 1);
    EXPECT_EQ(Kvtool({QStringLiteral("score"), QStringLiteral("soccer"), QString()}).Out.trimmed(),
              QStringLiteral("no score: the match is not played"));
}

TEST_F(KvtoolCommands, NewRefusesBadStructuresAndNeverOverwrites) {
    const QString file = Path(QStringLiteral("t.kvd"));
    const QStringList base{QStringLiteral("new"),     file,
                           QStringLiteral("--name"),  QStringLiteral("T"),
                           QStringLiteral("--sport"), QStringLiteral("soccer")};
    TRun r = Kvtool(base + QStringList{QStringLiteral("--group"), QStringLiteral("Solo=Lonely")});
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(r.Err.trimmed(), QStringLiteral("kvtool new: Group 'Solo' contains less than two "
                                              "teams. A group must contain at least two teams"));
    EXPECT_FALSE(QFileInfo::exists(file));
    r = Kvtool(base + QStringList{QStringLiteral("--group"), QStringLiteral("G=A;a")});
    EXPECT_EQ(r.Err.trimmed(), QStringLiteral("kvtool new: A team with this name already exists"));
    EXPECT_EQ(Kvtool(base).Err.trimmed(),
              QStringLiteral("kvtool new: You have not added any groups/divisions and teams"));
    EXPECT_EQ(Kvtool(base + QStringList{QStringLiteral("--group"), QStringLiteral("G")}).Status, 1);
    EXPECT_EQ(Kvtool(base + QStringList{QStringLiteral("--legs"), QStringLiteral("9"),
                                        QStringLiteral("--group"), QStringLiteral("G=A;B")})
                  .Status,
              1);
    EXPECT_EQ(Kvtool(base + QStringList{QStringLiteral("--criteria"), QStringLiteral("43"),
                                        QStringLiteral("--group"), QStringLiteral("G=A;B")})
                  .Status,
              1);
    r = Kvtool(base + QStringList{QStringLiteral("--group"), QStringLiteral("G=A;B"),
                                  QStringLiteral("--points-adjustment"), QStringLiteral("Z=-3")});
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(r.Err.trimmed(), QStringLiteral("kvtool new: Unknown team: Z"));
    ASSERT_EQ(Kvtool(base + QStringList{QStringLiteral("--group"), QStringLiteral("G=A;B")}).Status,
              0);
    const QByteArray first = ReadFile(file);
    r = Kvtool(base + QStringList{QStringLiteral("--group"), QStringLiteral("G=C;D")});
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(ReadFile(file), first);
    // Conferences: legs between divisions cannot exceed legs inside them.
    r = Kvtool({QStringLiteral("new"), Path(QStringLiteral("c.kvd")), QStringLiteral("--name"),
                QStringLiteral("C"), QStringLiteral("--sport"), QStringLiteral("basketball"),
                QStringLiteral("--legs"), QStringLiteral("1"), QStringLiteral("--conference-legs"),
                QStringLiteral("2"), QStringLiteral("--conference"), QStringLiteral("East"),
                QStringLiteral("--group"), QStringLiteral("Atlantic=A;B")});
    EXPECT_EQ(r.Err.trimmed(), QStringLiteral("kvtool new: Number of legs outside a division "
                                              "cannot exceed number of legs inside a division"));
    r = Kvtool({QStringLiteral("new"), Path(QStringLiteral("c.kvd")), QStringLiteral("--name"),
                QStringLiteral("C"), QStringLiteral("--sport"), QStringLiteral("basketball"),
                QStringLiteral("--conference"), QStringLiteral("East"), QStringLiteral("--group"),
                QStringLiteral("Atlantic=A;B"), QStringLiteral("--group"),
                QStringLiteral("Central=C;D"), QStringLiteral("--conference"),
                QStringLiteral("West"), QStringLiteral("--group"), QStringLiteral("Pacific=E;F")});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    r = Kvtool({QStringLiteral("check"), Path(QStringLiteral("c.kvd"))});
    EXPECT_TRUE(r.Out.contains(QStringLiteral("conferences: 2")));
    EXPECT_TRUE(r.Out.contains(QStringLiteral("groups: 3")));
}

TEST_F(KvtoolCommands, ImportCsvReportsRowsAndSaves) {
    const QString file = MakeCup();
    WriteFile(Path(QStringLiteral("more.csv")),
              "Bern,Cork,1:1\nBern,Ajax,9:9\nEton,Nobody,1:0\nBern,Cork,x\n");
    const QStringList args{QStringLiteral("import-csv"), file, Path(QStringLiteral("more.csv")),
                           QStringLiteral("--columns"), QStringLiteral("home,visitor,score")};
    TRun r = Kvtool(args + QStringList{QStringLiteral("--dry-run")});
    EXPECT_EQ(r.Status, 0);
    EXPECT_TRUE(
        r.Out.contains(QStringLiteral("row 2: All possible fixtures for this pair already exist")));
    EXPECT_TRUE(r.Out.contains(QStringLiteral("row 3: Unknown team: Nobody")));
    EXPECT_TRUE(r.Out.endsWith(QStringLiteral("1 added, 3 failed\n")));
    EXPECT_TRUE(Kvtool({QStringLiteral("check"), file})
                    .Out.contains(QStringLiteral("matches: 3 (3 played)")));
    r = Kvtool(args);
    EXPECT_TRUE(Kvtool({QStringLiteral("check"), file})
                    .Out.contains(QStringLiteral("matches: 4 (4 played)")));
    r = Kvtool(args);
    EXPECT_TRUE(r.Out.endsWith(QStringLiteral("0 added, 4 failed\n")));
    EXPECT_EQ(Kvtool({QStringLiteral("import-csv"), file, Path(QStringLiteral("more.csv")),
                      QStringLiteral("--columns"), QStringLiteral("home,guest")})
                  .Status,
              1);
    EXPECT_EQ(Kvtool({QStringLiteral("import-csv"), file, Path(QStringLiteral("none.csv")),
                      QStringLiteral("--columns"), QStringLiteral("home,visitor,score")})
                  .Status,
              2);
    r = Kvtool({QStringLiteral("import-csv"), file, Path(QStringLiteral("more.csv")),
                QStringLiteral("--columns"), QStringLiteral("home,visitor")});
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(r.Err.trimmed(), QStringLiteral("kvtool import-csv: Specify at least one more column "
                                              "(i.e. matchday, date, score, etc)"));
    EXPECT_EQ(Kvtool({QStringLiteral("import-csv"), file, Path(QStringLiteral("more.csv")),
                      QStringLiteral("--columns"), QStringLiteral("home,visitor,score"),
                      QStringLiteral("--add-stadiums")})
                  .Status,
              1);
}

TEST_F(KvtoolCommands, StandingsInEveryFormat) {
    const QString file = MakeCup();
    TRun r = Kvtool({QStringLiteral("standings"), file, QStringLiteral("--table"),
                     QStringLiteral("group:0"), QStringLiteral("--columns"),
                     QStringLiteral("0,17,18,40")});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out,
              QStringLiteral("North\n  #  Team  Pld  GF  GA  Pts\n  1  Ajax    2   2   1    4\n  2 "
                             " Cork    1   0   0    1\n  3  Bern    1   1   2    0\n"));
    r = Kvtool({QStringLiteral("standings"), file, QStringLiteral("--format"),
                QStringLiteral("json"), QStringLiteral("--columns"), QStringLiteral("40,19")});
    const QJsonArray tables = QJsonDocument::fromJson(r.Out.toUtf8()).array();
    ASSERT_EQ(tables.size(), 2);
    const QJsonObject south = tables[1].toObject();
    EXPECT_EQ(south[QStringLiteral("table")].toString(), QStringLiteral("South"));
    const QJsonObject top = south[QStringLiteral("rows")].toArray()[0].toObject();
    EXPECT_EQ(top[QStringLiteral("team")].toString(), QStringLiteral("Eton"));
    EXPECT_EQ(top[QStringLiteral("place")].toInt(), 1);
    EXPECT_EQ(top[QStringLiteral("id")].toInt(), 4);
    EXPECT_EQ(top[QStringLiteral("values")].toObject()[QStringLiteral("40")].toDouble(), 3);
    EXPECT_EQ(top[QStringLiteral("values")].toObject()[QStringLiteral("19")].toDouble(), 2);
    r = Kvtool({QStringLiteral("standings"), file, QStringLiteral("--format"),
                QStringLiteral("csv"), QStringLiteral("--table"), QStringLiteral("joint"),
                QStringLiteral("--scope"), QStringLiteral("away")});
    const kv::TCsvRecords csv = kv::ReadCsvRecords(r.Out, QLatin1Char(','));
    EXPECT_EQ(csv[0][0], QStringLiteral("Team"));
    EXPECT_EQ(csv[1].mid(0, 3),
              (QStringList{QStringLiteral("Place"), QStringLiteral("Team"), QStringLiteral("Id")}));
    EXPECT_EQ(csv[2][1], QStringLiteral("Eton")); // won away
    EXPECT_EQ(Kvtool({QStringLiteral("standings"), file, QStringLiteral("--table"),
                      QStringLiteral("group:7")})
                  .Status,
              1);
    EXPECT_EQ(Kvtool({QStringLiteral("standings"), file, QStringLiteral("--scope"),
                      QStringLiteral("sideways")})
                  .Status,
              1);
    EXPECT_EQ(Kvtool({QStringLiteral("standings"), file, QStringLiteral("--columns"),
                      QStringLiteral("57")})
                  .Status,
              1);
    EXPECT_EQ(Kvtool({QStringLiteral("standings"), Path(QStringLiteral("nope.kvd"))}).Status, 2);
}

TEST_F(KvtoolCommands, FixturesAndExports) {
    const QString file = MakeCup();
    TRun r = Kvtool(
        {QStringLiteral("fixtures"), file, QStringLiteral("--format"), QStringLiteral("json")});
    const QJsonArray rows = QJsonDocument::fromJson(r.Out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].toObject()[QStringLiteral("Score")].toString(), QStringLiteral("2:1"));
    EXPECT_TRUE(Kvtool({QStringLiteral("fixtures"), file}).Out.startsWith(QStringLiteral("Group")));
    for (const char* format : {"html", "csv", "xlsx", "png", "jpeg", "bmp", "gif", "svg", "pdf"}) {
        const QString out = Path(QStringLiteral("out.") + QLatin1String(format));
        r = Kvtool(
            {QStringLiteral("export"), file, QStringLiteral("--") + QLatin1String(format), out});
        EXPECT_EQ(r.Status, 0) << format << r.Err.toStdString();
        EXPECT_GT(QFileInfo(out).size(), 100) << format;
    }
    EXPECT_TRUE(ReadFile(Path(QStringLiteral("out.html"))).contains("North"));
    EXPECT_TRUE(ReadFile(Path(QStringLiteral("out.html"))).contains("South"));
    // The workbook: a sheet per table, then the fixture list.
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), Path(QStringLiteral("out.xlsx")),
                                          QStringLiteral("xl/workbook.xml")});
    unzip.waitForFinished();
    const QByteArray book = unzip.readAllStandardOutput();
    const qsizetype north = book.indexOf("name=\"North\"");
    const qsizetype south = book.indexOf("name=\"South\"");
    const qsizetype fixtures = book.indexOf("name=\"Fixtures\"");
    EXPECT_GE(north, 0) << book.constData();
    EXPECT_GT(south, north);
    EXPECT_GT(fixtures, south);
    r = Kvtool({QStringLiteral("export"), file, QStringLiteral("--html"),
                Path(QStringLiteral("one.html")), QStringLiteral("--table"),
                QStringLiteral("group:1")});
    EXPECT_FALSE(ReadFile(Path(QStringLiteral("one.html"))).contains("North"));
    EXPECT_EQ(Kvtool({QStringLiteral("export"), file, Path(QStringLiteral("x"))}).Status, 1);
    EXPECT_EQ(Kvtool({QStringLiteral("export"), file, QStringLiteral("--png"),
                      QStringLiteral("--gif"), Path(QStringLiteral("x"))})
                  .Status,
              1);
    EXPECT_EQ(
        Kvtool({QStringLiteral("export"), file, QStringLiteral("--bmp"),
                Path(QStringLiteral("x.bmp")), QStringLiteral("--bmp-bits"), QStringLiteral("12")})
            .Status,
        1);
    EXPECT_EQ(Kvtool({QStringLiteral("export"), file, QStringLiteral("--png"),
                      Path(QStringLiteral("missing/x.png"))})
                  .Status,
              2);
}

TEST_F(KvtoolCommands, CheckAndConvert) {
    const QString file = MakeCup();
    TRun r = Kvtool({QStringLiteral("check"), file});
    EXPECT_EQ(r.Status, 0);
    EXPECT_TRUE(r.Out.contains(QStringLiteral("name: Spring Cup\nsport: Soccer\n")));
    EXPECT_TRUE(r.Out.contains(QStringLiteral("no problems found")));
    WriteFile(Path(QStringLiteral("bad.kvd")), ReadFile(file).left(300));
    r = Kvtool({QStringLiteral("check"), Path(QStringLiteral("bad.kvd"))});
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(r.Err.startsWith(
        QStringLiteral("kvtool check: Error opening tournament. Wrong file format")));
    const QString once = Path(QStringLiteral("once.kvd"));
    const QString twice = Path(QStringLiteral("twice.kvd"));
    ASSERT_EQ(Kvtool({QStringLiteral("convert"), file, once}).Status, 0);
    ASSERT_EQ(Kvtool({QStringLiteral("convert"), once, twice}).Status, 0);
    EXPECT_EQ(ReadFile(once), ReadFile(twice));
    EXPECT_EQ(Kvtool({QStringLiteral("convert"), file, once}).Status, 2); // never overwritten
    const QString legacy = Path(QStringLiteral("legacy.kvd"));
    r = Kvtool({QStringLiteral("convert"), kvtest::DataPath(QStringLiteral("legacy/chess-3.0.plg")),
                legacy});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    r = Kvtool({QStringLiteral("check"), legacy});
    EXPECT_TRUE(r.Out.contains(QStringLiteral("sport: Chess")));
    EXPECT_EQ(Kvtool({QStringLiteral("convert"),
                      kvtest::DataPath(QStringLiteral("legacy/not-a-tournament.plg")),
                      Path(QStringLiteral("n.kvd"))})
                  .Status,
              2);
    EXPECT_EQ(Kvtool({QStringLiteral("convert"),
                      kvtest::DataPath(QStringLiteral("legacy/wrong-group.plg")),
                      Path(QStringLiteral("w.kvd"))})
                  .Status,
              2);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("w.kvd"))));
}

TEST_F(KvtoolCommands, GenerateFillsAConferencesSeasonOnce) {
    const QString file = Path(QStringLiteral("league.kvd"));
    const auto q = [](const char* s) { return QString::fromUtf8(s); };
    TRun r = Kvtool({q("new"),
                     file,
                     q("--name"),
                     q("League"),
                     q("--sport"),
                     q("hockey"),
                     q("--legs"),
                     q("4"),
                     q("--conference-legs"),
                     q("2"),
                     q("--inter-legs"),
                     q("1"),
                     q("--conference"),
                     q("East"),
                     q("--group"),
                     q("Atlantic=A1;A2;A3;A4"),
                     q("--group"),
                     q("Metro=M1;M2;M3;M4;M5"),
                     q("--conference"),
                     q("West"),
                     q("--group"),
                     q("Central=C1;C2;C3;C4"),
                     q("--group"),
                     q("Pacific=P1;P2;P3")});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    WriteFile(Path(QStringLiteral("r.csv")), "A1,A2,3:1\n");
    ASSERT_EQ(Kvtool({q("import-csv"), file, Path(QStringLiteral("r.csv")), q("--columns"),
                      q("home,visitor,score")})
                  .Status,
              0);

    // Bad dates are refused before the file is touched.
    const QByteArray before = ReadFile(file);
    EXPECT_EQ(Kvtool({q("generate"), file, q("--start"), q("2026-02-30")}).Status, 1);
    EXPECT_EQ(Kvtool({q("generate"), file, q("--every"), q("7")}).Status, 1);
    EXPECT_EQ(
        Kvtool({q("generate"), file, q("--start"), q("2026-10-01"), q("--every"), q("0")}).Status,
        1);
    EXPECT_EQ(Kvtool({q("generate"), file, q("--weekday"), q("someday")}).Status, 1);
    EXPECT_EQ(Kvtool({q("generate"), file, q("--time"), q("25:00")}).Status, 1);
    EXPECT_EQ(Kvtool({q("generate"), file, q("--table"), q("Nowhere")}).Status, 1);
    EXPECT_EQ(Kvtool({q("generate"), file, q("--skip"), q("2026-10-03")}).Status, 1);
    r = Kvtool(
        {q("generate"), file, q("--weekday"), q("sat"), q("--skip"), q("2026-10-03; autumn")});
    EXPECT_EQ(r.Status, 1);
    EXPECT_TRUE(r.Err.contains(q("'autumn' is not a date or a range of dates")))
        << r.Err.toStdString();
    EXPECT_EQ(ReadFile(file), before);

    r = Kvtool({q("generate"), file, q("--start"), q("2026-10-01"), q("--weekday"), q("sat"),
                q("--time"), q("19:30"), q("--skip"), q("2026-10-02 - 2026-10-04")});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    // 16 teams: 4 legs in a division, 2 in the conference, 1 across: 181 pairs' legs, one played.
    int pairsLegs = 0;
    const std::vector<std::pair<int, int>> divisions{{4, 0}, {5, 0}, {4, 1}, {3, 1}};
    for (size_t i = 0; i < divisions.size(); ++i)
        for (size_t j = i; j < divisions.size(); ++j) {
            const int a = divisions[i].first;
            const int b = divisions[j].first;
            if (i == j)
                pairsLegs += a * (a - 1) / 2 * 4;
            else
                pairsLegs += a * b * (divisions[i].second == divisions[j].second ? 2 : 1);
        }
    EXPECT_TRUE(r.Out.startsWith(QString::number(pairsLegs - 1) + q(" fixtures on ")))
        << r.Out.toStdString();
    r = Kvtool({q("check"), file});
    EXPECT_EQ(r.Status, 0);
    EXPECT_TRUE(r.Out.contains(q("no problems found"))) << r.Out.toStdString();
    EXPECT_TRUE(r.Out.contains(QStringLiteral("matches: %1 (1 played)").arg(pairsLegs)))
        << r.Out.toStdString();
    // The first new matchday is the first Saturday from the start that is not skipped, at the
    // kick-off time.
    r = Kvtool({q("fixtures"), file, q("--format"), q("csv")});
    EXPECT_TRUE(r.Out.contains(q("19:30")));
    EXPECT_TRUE(r.Out.contains(QLocale().toString(QDate(2026, 10, 10), QLocale::ShortFormat)) ||
                r.Out.contains(q("2026-10-10")))
        << r.Out.left(400).toStdString();
    EXPECT_FALSE(r.Out.contains(q("2026-10-03")));

    // Run again, nothing is missing.
    const QByteArray full = ReadFile(file);
    r = Kvtool({q("generate"), file});
    EXPECT_EQ(r.Status, 0);
    EXPECT_TRUE(r.Out.contains(q("nothing to generate")));
    EXPECT_EQ(ReadFile(file), full);
}
