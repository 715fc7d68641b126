// Tournament files given from outside: the command line of a first start opens them (listing
// them first when they are not listed), and a second start hands them to the running program.
#include "ui/ui_support.h"

#include "storage/tournament_list.h"
#include "ui/app_start.h"
#include "ui/instance_channel.h"
#include "ui/main_form.h"
#include "ui/tournament_document.h"
#include "ui/tournament_form.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace kv;

namespace {

class OpenFromOutside : public kvtest::TMainWindowTest {
protected:
    // A copy of a sample outside the program folder, under a name of its own.
    QString Outside(const QString& name) {
        QDir().mkpath(HomePath(QStringLiteral("elsewhere")));
        const QString path = HomePath(QStringLiteral("elsewhere/")) + name;
        QFile::copy(QStringLiteral(KV_SAMPLES "/hockey.kvd"), path);
        return path;
    }
    QStringList OpenNames() const {
        QStringList names;
        for (TTournamentForm* f : main_->TournamentForms())
            names << f->Document().FileName();
        return names;
    }
};

} // namespace

TEST_F(OpenFromOutside, OnlyExistingTournamentFilesAreParameters) {
    const QString file = Outside(QStringLiteral("cup.kvd"));
    TStartCommand c = ParseStartCommand({file});
    EXPECT_EQ(c.Mode, TStartMode::OpenFiles);
    EXPECT_EQ(c.Files, QStringList{file});
    c = ParseStartCommand({HomePath(QStringLiteral("missing.kvd"))});
    EXPECT_EQ(c.Mode, TStartMode::Unknown);
    EXPECT_TRUE(c.Message.startsWith(QStringLiteral("Unknown Parameter: ")));
    EXPECT_EQ(ParseStartCommand({file, QStringLiteral("--fast")}).Mode, TStartMode::Unknown);
    EXPECT_EQ(ParseStartCommand({QStringLiteral(KV_SAMPLES "/source/soccer.csv")}).Mode, TStartMode::Unknown);
}

TEST_F(OpenFromOutside, AFileIsListedFirstThenOpened) {
    const int before = static_cast<int>(main_->List().Root()->Children.size());
    const QString file = Outside(QStringLiteral("cup.kvd"));
    main_->OpenFiles({file});
    const QString saved = TTournamentList::SavesPath(QStringLiteral("cup.kvd"));
    ASSERT_NE(main_->List().FindByPath(saved), nullptr);
    EXPECT_TRUE(OpenNames().contains(saved)) << OpenNames().join(QLatin1Char(' ')).toStdString();
    EXPECT_GE(static_cast<int>(main_->List().Root()->Children.size()), before);
    // A listed one opens as it is, without being added again.
    const int windows = static_cast<int>(main_->TournamentForms().size());
    main_->OpenFiles({TTournamentList::SavesPath(QStringLiteral("soccer.kvd"))});
    EXPECT_EQ(main_->TournamentForms().size(), windows + 1);
    main_->OpenFiles({TTournamentList::SavesPath(QStringLiteral("soccer.kvd"))});
    EXPECT_EQ(main_->TournamentForms().size(), windows + 1);
}

TEST_F(OpenFromOutside, ASecondStartHandsItsFileOver) {
    TInstanceServer server;
    ASSERT_TRUE(server.Listen());
    QObject::connect(&server, &TInstanceServer::FilesReceived, main_.get(), &TMainForm::OpenFiles);
    QSignalSpy received(&server, &TInstanceServer::FilesReceived);
    const QString file = Outside(QStringLiteral("handed.kvd"));
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(KELVORANDINE_PATH), {file});
    ASSERT_TRUE(second.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    ASSERT_EQ(received.count(), 1);
    EXPECT_EQ(received.first().first().toStringList(), QStringList{file});
    EXPECT_TRUE(OpenNames().contains(TTournamentList::SavesPath(QStringLiteral("handed.kvd"))));
}
