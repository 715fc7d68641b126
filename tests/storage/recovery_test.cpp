// Recovery copies: written with what they are copies of, offered while newer than their
// files, restored marked modified, refused when damaged, and gone once saved.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/programfolder.h"
#include "storage/recovery.h"
#include "storage/tournament_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

using namespace kv;

namespace {
class Recovery : public kvtest::TTempHome {};
} // namespace

TEST_F(Recovery, CopiesAreOfferedUntilSavedAndRefusedWhenDamaged) {
    auto t = kvtest::MakeTournament(1, 1, {{QStringLiteral("G"), {"Ajax", "Bern"}, -1}});
    t->Name = QStringLiteral("Cup");
    t->FileName = HomePath(QStringLiteral("SAVES/cup.kvd"));
    QDir().mkpath(HomePath(QStringLiteral("SAVES")));
    ASSERT_TRUE(SaveTournament(*t, t->FileName, false).Ok);
    EXPECT_TRUE(PendingRecoveries().empty());
    QThread::msleep(20);
    kvtest::AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QStringLiteral("2:1"));
    ASSERT_TRUE(WriteRecovery(*t, 3).Ok);
    std::vector<TRecoveryCopy> copies = PendingRecoveries();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].Name, QStringLiteral("Cup"));
    EXPECT_EQ(copies[0].Edits, 3);
    EXPECT_EQ(copies[0].FilePath, QFileInfo(t->FileName).absoluteFilePath());
    TTournament restored(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadRecovery(copies[0], restored).Ok);
    EXPECT_TRUE(restored.IsModified);
    EXPECT_EQ(restored.MatchCount(), 1);
    EXPECT_EQ(restored.FileName, copies[0].FilePath);

    // Damaged: refused, nothing loaded over good data.
    WriteFile(copies[0].CopyPath, QByteArray("Kelvorandine File\r\n2.0\r\ngarbage"));
    TTournament damaged(TTournamentDefaults::FromSettings());
    EXPECT_FALSE(LoadRecovery(PendingRecoveries().at(0), damaged).Ok);

    // Saved since the copy: it is of no more use and goes.
    QThread::msleep(20);
    ASSERT_TRUE(SaveTournament(*t, t->FileName, false).Ok);
    EXPECT_TRUE(PendingRecoveries().empty());
    EXPECT_FALSE(QFile::exists(RecoveryPathFor(t->FileName)));

    // Removed by name; a copy whose file is gone is still offered.
    ASSERT_TRUE(WriteRecovery(*t, -1).Ok);
    RemoveRecovery(t->FileName);
    EXPECT_TRUE(PendingRecoveries().empty());
    ASSERT_TRUE(WriteRecovery(*t, -1).Ok);
    QFile::remove(t->FileName);
    ASSERT_EQ(PendingRecoveries().size(), 1u);
    EXPECT_EQ(PendingRecoveries().at(0).Edits, -1);
    EXPECT_TRUE(RecoveryFolder().startsWith(ProgramFolder())); // tests never touch the real home
}
