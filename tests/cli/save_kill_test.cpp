// A save survives being killed at any moment: kvtool adds a fixture to a large tournament and
// saves it, and is killed at random points of that; afterwards the file (or its backup)
// always holds a complete tournament.
#include "cli/kvtool_support.h"

#include "model/sport.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

namespace {

class SaveKill : public kvtest::TTempHome {};

} // namespace

TEST_F(SaveKill, AKilledSaveNeverLeavesABrokenFile) {
    // 40 teams, 8 legs, every match played but 28 of the last leg, added one a run.
    kv::TNewTournament spec;
    spec.Name = QStringLiteral("Big");
    spec.Sport = kv::SportSoccer;
    spec.GroupLegs = 8;
    spec.Rules = kv::TPointsRules::ForSport(kv::SportSoccer);
    kv::TNewGroup group{QStringLiteral("League"), {}};
    for (int i = 0; i < 40; ++i)
        group.Teams << QStringLiteral("T%1").arg(i);
    spec.Groups = {group};
    auto t = kv::CreateTournament(spec);
    QStringList spare;
    kv::TPairLegIndex index;
    for (int leg = 1; leg <= 8; ++leg)
        for (int a = 0; a < 40; ++a)
            for (int b = a + 1; b < 40; ++b) {
                const bool flip = (leg + a + b) % 2 == 0;
                const int home = flip ? b : a;
                const int visitor = flip ? a : b;
                if (leg == 8 && a >= 32) {
                    spare << QStringLiteral("T%1,T%2,%3,1:0").arg(home).arg(visitor).arg(leg);
                    continue;
                }
                auto m = kv::CreateMatch(kv::SportSoccer, -1, home, visitor, leg);
                m->SetScoreText(QStringLiteral("%1:%2 (0:0)").arg((a + leg) % 4).arg(b % 3), false);
                t->AddMatch(m, &index);
            }
    const QString path = HomePath(QStringLiteral("big.kvd"));
    ASSERT_TRUE(kv::SaveTournament(*t, path, false));
    const int before = t->MatchCount();
    ASSERT_GE(spare.size(), 6);

    QRandomGenerator rng(4242);
    int killed = 0;
    for (int i = 0; i < spare.size(); ++i) {
        const QString csv = HomePath(QStringLiteral("row%1.csv").arg(i));
        WriteFile(csv, spare[i].toUtf8() + "\n");
        QProcess p;
        p.start(QStringLiteral(KVTOOL_PATH),
                {QStringLiteral("import-csv"), path, csv, QStringLiteral("--columns"),
                 QStringLiteral("home,visitor,leg,score")});
        ASSERT_TRUE(p.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(rng.bounded(5, 120)));
        if (p.state() == QProcess::Running) {
            p.kill();
            ++killed;
        }
        p.waitForFinished();
        // The file always loads, whole; so does the backup when there is one.
        kv::TTournament loaded(kv::TTournamentDefaults::FromSettings());
        const kv::TIoResult r = kv::LoadTournament(loaded, path);
        ASSERT_TRUE(r) << "after run " << i << ": " << r.Message.toStdString() << " line "
                       << r.Line;
        EXPECT_GE(loaded.MatchCount(), before);
        EXPECT_LE(loaded.MatchCount(), before + i + 1);
        const QString backup = kv::ChangeFileExt(path, QStringLiteral(".bak"));
        if (QFileInfo::exists(backup)) {
            kv::TTournament old(kv::TTournamentDefaults::FromSettings());
            ASSERT_TRUE(kv::LoadTournament(old, backup)) << "backup after run " << i;
        }
    }
    EXPECT_GT(killed, 0); // the runs were really cut short some of the time
}
