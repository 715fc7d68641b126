// The shipped sample tournaments load whole and read as their seasons were played.
#include "support/testenv.h"

#include "model/sport.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"

#include <QDir>

using namespace kv;

namespace {
class Samples : public kvtest::TTempHome {};
} // namespace

TEST_F(Samples, EverySampleLoadsAndSavesUnchanged) {
    const QDir folder(QStringLiteral(KV_SAMPLES));
    const QStringList files = folder.entryList({QStringLiteral("*.kvd")}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 5);
    for (const QString& name : files) {
        const QByteArray bytes = ReadFile(folder.filePath(name));
        TTournament t(TTournamentDefaults::FromSettings());
        ASSERT_TRUE(ReadTournamentBytes(t, bytes, name)) << name.toStdString();
        EXPECT_GT(t.MatchCount(), 0) << name.toStdString();
        // SavedAt is not in the file, so the bytes come back as they are.
        EXPECT_EQ(TournamentBytes(t), bytes) << name.toStdString();
    }
}

TEST_F(Samples, TheFivePeriodBasketballGameWentToOvertime) {
    TTournament t(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(t, QStringLiteral(KV_SAMPLES "/basketball.kvd")));
    const TTeam* dingos = t.JointTable().TeamByName(QStringLiteral("Desert Dingos"));
    const TTeam* coyotes = t.JointTable().TeamByName(QStringLiteral("Canyon Coyotes"));
    ASSERT_TRUE(dingos && coyotes);
    const TMatch* m = t.JointTable().MatchOfPairInLeg(dingos->Id, coyotes->Id, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->DecidedIn, 1);
    EXPECT_EQ(m->GetScoreText(true, true), QStringLiteral("101:99 OT"));
}
