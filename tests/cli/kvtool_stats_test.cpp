// kvtool stats: the statistics page's grids on standard output, their charts as files, and
// the refusals.
#include "cli/kvtool_support.h"

#include <QFile>
#include <QImage>

using kvtest::Kvtool;
using kvtest::TRun;

namespace {

class KvtoolStats : public kvtest::TTempHome {
protected:
    const QString soccer = QStringLiteral(KV_SAMPLES "/soccer.kvd");
};

} // namespace

TEST_F(KvtoolStats, BasicStatisticsAgreeWithThemselves) {
    TRun r = Kvtool({QStringLiteral("stats"), soccer});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    const QStringList lines = r.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Parameter")));
    // Won by the hosts plus won by the visitors plus drawn makes every match played.
    const auto numbers = [&](const QString& name) {
        for (const QString& line : lines)
            if (line.startsWith(name)) {
                const QStringList parts =
                    line.mid(name.size()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                return QList<int>{parts[0].toInt(), parts[1].toInt(), parts[2].toInt()};
            }
        return QList<int>{};
    };
    const QList<int> played = numbers(QStringLiteral("Matches played"));
    const QList<int> won = numbers(QStringLiteral("Matches won"));
    const QList<int> drawn = numbers(QStringLiteral("Matches drawn (tied)"));
    ASSERT_EQ(won.size(), 3);
    EXPECT_EQ(won[0] + won[1], won[2]);
    EXPECT_EQ(won[2] + drawn[2], played[2]);
}

TEST_F(KvtoolStats, SortedCsvAndChartPictures) {
    TRun r = Kvtool({QStringLiteral("stats"), soccer, QStringLiteral("--kind"),
                     QStringLiteral("scores"), QStringLiteral("--sort"), QStringLiteral("0:asc"),
                     QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("--chart"),
                     HomePath(QStringLiteral("scores.png"))});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    EXPECT_TRUE(QString(r.Out)
                    .remove(QLatin1Char('\r'))
                    .startsWith(QStringLiteral("\"Score\",\"Occurrencies\"\n\"0:0\"")))
        << r.Out.toStdString();
    EXPECT_EQ(QImage(HomePath(QStringLiteral("scores.png"))).size(), QSize(800, 500));
    r = Kvtool({QStringLiteral("stats"), soccer, QStringLiteral("--kind"),
                QStringLiteral("matchdays"), QStringLiteral("--scope"), QStringLiteral("team:0"),
                QStringLiteral("--chart"), HomePath(QStringLiteral("progress.svg"))});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    QFile svg(HomePath(QStringLiteral("progress.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("Points Progress by Matchdays"));
}

TEST_F(KvtoolStats, BadArgumentsAreRefused) {
    EXPECT_EQ(Kvtool({QStringLiteral("stats")}).Status, 1);
    for (const QStringList& bad :
         {QStringList{QStringLiteral("--kind"), QStringLiteral("goals")},
          QStringList{QStringLiteral("--scope"), QStringLiteral("team:999")},
          QStringList{QStringLiteral("--scope"), QStringLiteral("group:x")},
          QStringList{QStringLiteral("--sort"), QStringLiteral("1")}, // basic: no sort
          QStringList{QStringLiteral("--chart"), QStringLiteral("chart.xyz")},
          QStringList{QStringLiteral("--format"), QStringLiteral("json")}}) {
        const TRun r = Kvtool(QStringList{QStringLiteral("stats"), soccer} + bad);
        EXPECT_EQ(r.Status, 1) << bad.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(r.Err.isEmpty());
    }
    EXPECT_EQ(Kvtool({QStringLiteral("stats"), HomePath(QStringLiteral("missing.kvd"))}).Status, 2);
}
