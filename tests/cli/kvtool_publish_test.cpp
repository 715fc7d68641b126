// kvtool publish: the site written, its data agreeing with kvtool standings, and refusals.
#include "cli/kvtool_support.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

using kvtest::Kvtool;
using kvtest::TRun;

namespace {

class KvtoolPublish : public kvtest::TTempHome {};

} // namespace

TEST_F(KvtoolPublish, TheSitesDataAgreesWithTheStandings) {
    for (const char* sample : {"soccer.kvd", "basketball.kvd", "hockey.kvd"}) {
        const QString file = QStringLiteral(KV_SAMPLES "/") + QLatin1String(sample);
        const QString folder = HomePath(QStringLiteral("site-") + QLatin1String(sample));
        TRun r = Kvtool({QStringLiteral("publish"), file, folder});
        ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
        EXPECT_TRUE(r.Out.startsWith(QStringLiteral("wrote ")));
        QFile data(QDir(folder).filePath(QStringLiteral("tournament.json")));
        ASSERT_TRUE(data.open(QIODevice::ReadOnly));
        const QJsonObject site = QJsonDocument::fromJson(data.readAll()).object();
        r = Kvtool({QStringLiteral("standings"), file, QStringLiteral("--format"),
                    QStringLiteral("json")});
        ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
        const QJsonArray standings = QJsonDocument::fromJson(r.Out.toUtf8()).array();
        r = Kvtool(
            {QStringLiteral("outlook"), file, QStringLiteral("--format"), QStringLiteral("json")});
        ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
        const QJsonArray outlook = QJsonDocument::fromJson(r.Out.toUtf8()).array();
        // The site's rows are those of kvtool standings with the places still possible of
        // kvtool outlook.
        const QJsonArray published = site[QStringLiteral("standings")].toArray();
        ASSERT_EQ(published.size(), standings.size()) << sample;
        ASSERT_EQ(outlook.size(), standings.size()) << sample;
        const QStringList members{QStringLiteral("best"), QStringLiteral("worst"),
                                  QStringLiteral("remaining"), QStringLiteral("mark")};
        for (qsizetype k = 0; k < published.size(); ++k) {
            std::map<int, QJsonObject> expected;
            for (const QJsonValue row : outlook[k].toObject()[QStringLiteral("rows")].toArray())
                expected[row.toObject()[QStringLiteral("id")].toInt()] = row.toObject();
            QJsonArray rows;
            for (const QJsonValue value :
                 published[k].toObject()[QStringLiteral("rows")].toArray()) {
                QJsonObject row = value.toObject();
                const QJsonObject& known = expected[row[QStringLiteral("id")].toInt()];
                for (const QString& m : members) {
                    EXPECT_EQ(row[m], known[m]) << sample << " " << m.toStdString();
                    row.remove(m);
                }
                rows.append(row);
            }
            EXPECT_EQ(rows, standings[k].toObject()[QStringLiteral("rows")].toArray()) << sample;
        }
        EXPECT_GT(standings.size(), 0);
    }
}

TEST_F(KvtoolPublish, BadArgumentsAreRefused) {
    EXPECT_EQ(Kvtool({QStringLiteral("publish")}).Status, 1);
    const QString file = QStringLiteral(KV_SAMPLES "/soccer.kvd");
    EXPECT_EQ(Kvtool({QStringLiteral("publish"), file}).Status, 1);
    // A file where the folder should be.
    const QString taken = HomePath(QStringLiteral("taken"));
    QFile f(taken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    const TRun r = Kvtool({QStringLiteral("publish"), file, taken});
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(r.Err.contains(QStringLiteral("not a folder")));
    EXPECT_EQ(Kvtool({QStringLiteral("publish"), HomePath(QStringLiteral("missing.kvd")),
                      HomePath(QStringLiteral("x"))})
                  .Status,
              2);
    EXPECT_EQ(Kvtool({QStringLiteral("publish"), QStringLiteral("--help")}).Status, 0);
}

// A folder of someone else's files is not written into without --force, and a later
// publication removes only files of the site's own kinds.
TEST_F(KvtoolPublish, OtherFilesAreLeftAlone) {
    const QString file = QStringLiteral(KV_SAMPLES "/soccer.kvd");
    const QString folder = HomePath(QStringLiteral("mine"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile own(QDir(folder).filePath(QStringLiteral("league.kvd")));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("mine");
    own.close();
    TRun r = Kvtool({QStringLiteral("publish"), file, folder});
    EXPECT_EQ(r.Status, 2);
    EXPECT_TRUE(r.Err.contains(QStringLiteral("--force")));
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("index.html"))));
    r = Kvtool({QStringLiteral("publish"), file, folder, QStringLiteral("--force")});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    // A list of files that names the tournament file does not get it deleted.
    QFile manifest(QDir(folder).filePath(QStringLiteral(".kelvorandine-site")));
    ASSERT_TRUE(manifest.open(QIODevice::Append));
    manifest.write("\nleague.kvd\n");
    manifest.close();
    r = Kvtool({QStringLiteral("publish"), file, folder});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("league.kvd"))));
}

// The calendars beside the pages: the tournament's with every dated fixture (as many as
// kvtool fixtures lists with a date), and one per team page.
TEST_F(KvtoolPublish, TheSiteHoldsTheCalendars) {
    const QString file = QStringLiteral(KV_SAMPLES "/soccer.kvd");
    const QString folder = HomePath(QStringLiteral("site"));
    TRun r = Kvtool({QStringLiteral("publish"), file, folder});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    const QDir dir(folder);
    const QStringList teamPages = dir.entryList({QStringLiteral("team-*.html")}, QDir::Files);
    const QStringList teamCalendars = dir.entryList({QStringLiteral("team-*.ics")}, QDir::Files);
    ASSERT_FALSE(teamPages.isEmpty());
    EXPECT_EQ(teamCalendars.size(), teamPages.size());
    QFile all(dir.filePath(QStringLiteral("calendar.ics")));
    ASSERT_TRUE(all.open(QIODevice::ReadOnly));
    const QByteArray calendar = all.readAll();
    r = Kvtool(
        {QStringLiteral("fixtures"), file, QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(r.Status, 0);
    int dated = 0;
    for (const QJsonValue& row : QJsonDocument::fromJson(r.Out.toUtf8()).array())
        dated += row.toObject()[QStringLiteral("Date")].toString().isEmpty() ? 0 : 1;
    ASSERT_GT(dated, 0);
    EXPECT_EQ(calendar.count("BEGIN:VEVENT"), dated);
    // Publishing again replaces them; nothing is left of an earlier team's calendar.
    QFile stale(dir.filePath(QStringLiteral("team-999.ics")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    r = Kvtool({QStringLiteral("publish"), file, folder});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    EXPECT_EQ(dir.entryList({QStringLiteral("team-*.ics")}, QDir::Files).size(),
              teamPages.size() + 1)
        << "a file the last publication did not write is not removed";
}
