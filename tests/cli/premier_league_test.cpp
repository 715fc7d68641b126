// End to end: two seasons of the English Premier League built with kvtool new, imported with
// kvtool import-csv (or in one step from the results file) and ranked by kvtool standings,
// compared with the published final tables.
#include "cli/kvtool_support.h"

#include "export/csv_reader.h"

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

using kvtest::Kvtool;
using kvtest::TRun;

namespace {

class PremierLeague : public kvtest::TTempHome {
protected:
    void CheckSeason(const QString& season, const QStringList& extra) {
        const kv::TCsvRecords table = kv::ReadCsvRecords(
            ReadFile(kvtest::SharedDataPath(
                QStringLiteral("premier-league-%1-final-table.csv").arg(season))),
            QLatin1Char(','));
        ASSERT_EQ(table.size(), 21);
        QStringList teams;
        for (qsizetype i = 1; i < table.size(); ++i)
            teams << table[i][1];
        const QString file = HomePath(QStringLiteral("pl-%1.kvd").arg(season));
        TRun r = Kvtool(
            QStringList{QStringLiteral("new"), file, QStringLiteral("--name"),
                        QStringLiteral("Premier League ") + season, QStringLiteral("--sport"),
                        QStringLiteral("soccer"), QStringLiteral("--legs"), QStringLiteral("2"),
                        QStringLiteral("--group"),
                        QStringLiteral("Premier League=") + teams.join(QLatin1Char(';')),
                        QStringLiteral("--criteria"), QStringLiteral("19,17")} +
            extra);
        ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
        r = Kvtool(
            {QStringLiteral("import-csv"), file,
             kvtest::SharedDataPath(QStringLiteral("premier-league-%1-results.csv").arg(season)),
             QStringLiteral("--columns"), QStringLiteral("-,-,home,score,visitor"),
             QStringLiteral("--separator"), QStringLiteral(","), QStringLiteral("--skip-header")});
        ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
        EXPECT_EQ(r.Out.trimmed(), QStringLiteral("380 added, 0 failed"));
        CompareWithPublished(file, table);
    }

    // The final table of kvtool standings equals the published one, row by row.
    void CompareWithPublished(const QString& file, const kv::TCsvRecords& table) {
        TRun r = Kvtool({QStringLiteral("standings"), file, QStringLiteral("--format"),
                         QStringLiteral("json"), QStringLiteral("--columns"),
                         QStringLiteral("0,1,2,3,17,18,19,40")});
        ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
        const QJsonArray rows = QJsonDocument::fromJson(r.Out.toUtf8())
                                    .array()[0]
                                    .toObject()[QStringLiteral("rows")]
                                    .toArray();
        ASSERT_EQ(rows.size(), 20);
        for (int i = 0; i < 20; ++i) {
            const QStringList& published = table[i + 1]; // Pos,Team,Pld,W,D,L,GF,GA,GD,Pts
            const QJsonObject row = rows[i].toObject();
            const QJsonObject v = row[QStringLiteral("values")].toObject();
            const auto value = [&](const char* id) {
                return static_cast<int>(v[QLatin1String(id)].toDouble());
            };
            EXPECT_EQ(row[QStringLiteral("place")].toInt(), published[0].toInt());
            EXPECT_EQ(row[QStringLiteral("team")].toString(), published[1]) << "place " << i + 1;
            EXPECT_EQ(value("0"), published[2].toInt()) << published[1].toStdString();
            EXPECT_EQ(value("1"), published[3].toInt()) << published[1].toStdString();
            EXPECT_EQ(value("2"), published[4].toInt()) << published[1].toStdString();
            EXPECT_EQ(value("3"), published[5].toInt()) << published[1].toStdString();
            EXPECT_EQ(value("17"), published[6].toInt()) << published[1].toStdString();
            EXPECT_EQ(value("18"), published[7].toInt()) << published[1].toStdString();
            EXPECT_EQ(value("19"), published[8].toInt()) << published[1].toStdString();
            EXPECT_EQ(value("40"), published[9].toInt()) << published[1].toStdString();
        }
    }
};

} // namespace

TEST_F(PremierLeague, Season2009To10WithPortsmouthsDeduction) {
    CheckSeason(QStringLiteral("2009-10"),
                {QStringLiteral("--points-adjustment"), QStringLiteral("Portsmouth FC=-9")});
}

TEST_F(PremierLeague, Season2011To12DecidedOnGoalDifference) {
    CheckSeason(QStringLiteral("2011-12"), {});
}

TEST_F(PremierLeague, Season2011To12InOneStepFromTheResultsFile) {
    const QString results =
        kvtest::SharedDataPath(QStringLiteral("premier-league-2011-12-results.csv"));
    const QString file = HomePath(QStringLiteral("pl.kvd"));
    const QStringList start{QStringLiteral("new"),     file,
                            QStringLiteral("--name"),  QStringLiteral("PL"),
                            QStringLiteral("--sport"), QStringLiteral("soccer")};
    const QStringList columns{QStringLiteral("--from-csv"), results, QStringLiteral("--columns"),
                              QStringLiteral("matchday,date,home,score,visitor"),
                              QStringLiteral("--skip-header")};
    // The teams come from the file, so groups of one's own are refused, and so are columns
    // without both teams.
    TRun r =
        Kvtool(start + columns + QStringList{QStringLiteral("--group"), QStringLiteral("A=X;Y")});
    EXPECT_EQ(r.Status, 1);
    EXPECT_TRUE(r.Err.contains(QStringLiteral("no --group"))) << r.Err.toStdString();
    r = Kvtool(start + QStringList{QStringLiteral("--from-csv"), results,
                                   QStringLiteral("--columns"), QStringLiteral("-,-,home,score")});
    EXPECT_NE(r.Status, 0);
    EXPECT_TRUE(r.Err.contains(QStringLiteral("Visitor team column"))) << r.Err.toStdString();
    EXPECT_FALSE(QFile::exists(file));
    // One leg is too few for a file where every pair meets twice: the second meetings fail
    // and are named, the first are kept.
    r = Kvtool(start + columns + QStringList{QStringLiteral("--legs"), QStringLiteral("1")});
    EXPECT_TRUE(r.Out.contains(QStringLiteral("190 added, 190 failed"))) << r.Out.toStdString();
    ASSERT_TRUE(QFile::remove(file));

    r = Kvtool(start + columns +
               QStringList{QStringLiteral("--criteria"), QStringLiteral("19,17")});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    EXPECT_TRUE(r.Out.contains(QStringLiteral("380 added, 0 failed"))) << r.Out.toStdString();
    r = Kvtool({QStringLiteral("check"), file});
    EXPECT_EQ(r.Status, 0) << r.Out.toStdString() << r.Err.toStdString();
    const kv::TCsvRecords table = kv::ReadCsvRecords(
        ReadFile(kvtest::SharedDataPath(QStringLiteral("premier-league-2011-12-final-table.csv"))),
        QLatin1Char(','));
    ASSERT_EQ(table.size(), 21);
    CompareWithPublished(file, table);
}

// What could still happen in the run-in of 2011-12, cut at the end of each day from April on,
// against what the season's own reports said on those days.
TEST_F(PremierLeague, Season2011To12OutlookDayByDay) {
    const QString file = HomePath(QStringLiteral("pl.kvd"));
    TRun r =
        Kvtool({QStringLiteral("new"), file, QStringLiteral("--name"), QStringLiteral("PL"),
                QStringLiteral("--sport"), QStringLiteral("soccer"), QStringLiteral("--from-csv"),
                kvtest::SharedDataPath(QStringLiteral("premier-league-2011-12-results.csv")),
                QStringLiteral("--columns"), QStringLiteral("matchday,date,home,score,visitor"),
                QStringLiteral("--skip-header")});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    const auto outlookOn = [&](const QDate& day) {
        std::map<QString, std::pair<int, int>> ranges;
        const TRun run =
            Kvtool({QStringLiteral("outlook"), file, QStringLiteral("--until"),
                    day.toString(Qt::ISODate), QStringLiteral("--format"), QStringLiteral("json")});
        EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
        const QJsonArray tables = QJsonDocument::fromJson(run.Out.toUtf8()).array();
        EXPECT_EQ(tables.size(), 1);
        for (const QJsonValue row : tables[0].toObject()[QStringLiteral("rows")].toArray()) {
            const QJsonObject o = row.toObject();
            ranges[o[QStringLiteral("team")].toString()] = {o[QStringLiteral("best")].toInt(),
                                                            o[QStringLiteral("worst")].toInt()};
        }
        EXPECT_EQ(ranges.size(), 20u);
        return ranges;
    };
    const QString city = QStringLiteral("Manchester City FC");
    const QString united = QStringLiteral("Manchester United FC");
    const QString wolves = QStringLiteral("Wolverhampton Wanderers FC");
    const QString blackburn = QStringLiteral("Blackburn Rovers FC");
    for (QDate day(2012, 4, 1); day <= QDate(2012, 5, 13); day = day.addDays(1)) {
        SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
        const auto ranges = outlookOn(day);
        EXPECT_EQ(ranges.at(city).first, 1);
        EXPECT_EQ(ranges.at(united).first, 1);
        if (day == QDate(2012, 4, 21)) {
            EXPECT_EQ(ranges.at(wolves).first, 16);
        }
        // Relegated on 22 April: the places 18 to 20 are all that is left, and from 6 May
        // only the last.
        if (day == QDate(2012, 4, 22)) {
            EXPECT_EQ(ranges.at(wolves).first, 18);
        }
        if (day >= QDate(2012, 4, 22)) {
            EXPECT_GE(ranges.at(wolves).first, 18);
        }
        if (day >= QDate(2012, 5, 6)) {
            EXPECT_EQ(ranges.at(wolves), std::make_pair(20, 20));
        }
        if (day >= QDate(2012, 5, 7)) {
            EXPECT_EQ(ranges.at(blackburn), std::make_pair(19, 19));
        }
        for (const auto& [team, range] : ranges) {
            EXPECT_GE(range.first, 1) << team.toStdString();
            EXPECT_LE(range.first, range.second) << team.toStdString();
            EXPECT_LE(range.second, 20) << team.toStdString();
        }
    }
    // Mid-season races where a leader's worst place once took the search minutes: every place
    // is found, and each range holds the place the table gives now.
    for (const QDate& day : {QDate(2012, 1, 25), QDate(2012, 2, 15), QDate(2012, 3, 5)}) {
        SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
        const TRun run =
            Kvtool({QStringLiteral("outlook"), file, QStringLiteral("--until"),
                    day.toString(Qt::ISODate), QStringLiteral("--format"), QStringLiteral("json")});
        ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
        for (const QJsonValue row : QJsonDocument::fromJson(run.Out.toUtf8())
                                        .array()[0]
                                        .toObject()[QStringLiteral("rows")]
                                        .toArray()) {
            const QJsonObject o = row.toObject();
            EXPECT_LE(o[QStringLiteral("best")].toInt(), o[QStringLiteral("place")].toInt());
            EXPECT_GE(o[QStringLiteral("worst")].toInt(), o[QStringLiteral("place")].toInt());
        }
    }
    // Arguments: a date in its one form, a time limit in whole seconds, a table by its name in
    // any case.
    EXPECT_EQ(Kvtool({QStringLiteral("outlook"), file, QStringLiteral("--until"),
                      QStringLiteral("2012/04/22")})
                  .Status,
              1);
    EXPECT_EQ(Kvtool({QStringLiteral("outlook"), file, QStringLiteral("--time-limit"),
                      QStringLiteral("-1")})
                  .Status,
              1);
    const TRun named =
        Kvtool({QStringLiteral("outlook"), file, QStringLiteral("--table"),
                QStringLiteral("league"), QStringLiteral("--format"), QStringLiteral("csv")});
    EXPECT_EQ(named.Status, 0) << named.Err.toStdString();
    EXPECT_TRUE(named.Out.contains(QStringLiteral("Place,Team,Id,Best,Worst,Remaining,Mark")));
    const TRun missing =
        Kvtool({QStringLiteral("outlook"), file, QStringLiteral("--table"), QStringLiteral("X")});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_TRUE(missing.Err.contains(QStringLiteral("a table's name")))
        << missing.Err.toStdString();
    // kvtool standings shows the places too when its columns ask for them.
    const TRun standings =
        Kvtool({QStringLiteral("standings"), file, QStringLiteral("--columns"),
                QStringLiteral("40,55,56"), QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_EQ(standings.Status, 0) << standings.Err.toStdString();
    EXPECT_TRUE(standings.Out.contains(QStringLiteral("Place,Team,Id,Pts,Best,Worst")))
        << standings.Out.toStdString();
    EXPECT_TRUE(standings.Out.contains(QStringLiteral(",31,19,19"))) << standings.Out.toStdString();
    // At the end every place is decided but the top two, level on points.
    const auto last = outlookOn(QDate(2012, 5, 13));
    EXPECT_EQ(last.at(city), std::make_pair(1, 2));
    EXPECT_EQ(last.at(united), std::make_pair(1, 2));
    EXPECT_EQ(last.at(blackburn), std::make_pair(19, 19));
}
