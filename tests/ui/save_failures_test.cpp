// A save that cannot be written (a full disk, a folder that may not be written) is reported,
// and the tournament stays open and modified, with the file on disk as it was.
#include "edit/editor.h"
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "storage/tournament_list.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <unistd.h>

using namespace kv;

namespace {

class SaveFailures : public kvtest::TMainWindowTest {
protected:
    void TearDown() override {
        if (!mounted_.isEmpty()) QProcess::execute(QStringLiteral("umount"), {mounted_});
        if (!readOnly_.isEmpty())
            QFile::setPermissions(readOnly_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
        TMainWindowTest::TearDown();
    }
    // An edit, then a save into `path`: refused with a message, nothing lost.
    void ExpectRefusedSave(const QString& path) {
        TTournamentForm* form = Open("soccer.kvd");
        ASSERT_NE(form, nullptr);
        TTournamentDocument& doc = form->Document();
        TEditor(doc).EditValue<QString>(
            QStringLiteral("Rename"), ChangeName, [](TTournament& t) { return &t.Comments; },
            QStringLiteral("changed"));
        ASSERT_TRUE(doc.IsModified());
        doc.SetFileName(path);
        Messages.Clear();
        form->Command(TCommandId::Save)->trigger();
        EXPECT_FALSE(Messages.Texts().isEmpty()) << "no message for a failed save";
        EXPECT_TRUE(doc.IsModified());
        EXPECT_TRUE(main_->TournamentForms().contains(form));
        EXPECT_EQ(doc.Tournament().Comments, QStringLiteral("changed"));
        // No half-written file is left behind.
        const QDir folder = QFileInfo(path).dir();
        for (const QString& f : folder.entryList(QDir::Files))
            EXPECT_FALSE(f.endsWith(QStringLiteral(".tmp"))) << f.toStdString();
    }
    QString mounted_;
    QString readOnly_;
};

} // namespace

TEST_F(SaveFailures, AFolderThatCannotHoldTheFile) {
    // A file where the folder should be: not even the system's administrator can write there.
    const QString blocker = HomePath(QStringLiteral("not-a-folder"));
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ExpectRefusedSave(blocker + QStringLiteral("/soccer.kvd"));
}

TEST_F(SaveFailures, AFullDisk) {
    const QString folder = HomePath(QStringLiteral("full"));
    QDir().mkpath(folder);
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=32k"), QStringLiteral("tmpfs"), folder}) != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    mounted_ = folder;
    // Filled to the last byte.
    QFile filler(folder + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    ExpectRefusedSave(folder + QStringLiteral("/soccer.kvd"));
}

TEST_F(SaveFailures, AReadOnlyFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "the system's administrator writes into read-only folders";
    const QString folder = HomePath(QStringLiteral("read-only"));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    readOnly_ = folder;
    ExpectRefusedSave(folder + QStringLiteral("/soccer.kvd"));
}
