// kvtool publish: the site written, its data agreeing with kvtool standings, and refusals.
#include "cli/kvtool_support.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
        EXPECT_EQ(site[QStringLiteral("standings")].toArray(), standings) << sample;
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
