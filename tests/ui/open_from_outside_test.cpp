// Tournament files given from outside: the command line of a first start opens them (listing
// them first when they are not listed), and a second start hands them to the running program.
#include "ui/ui_support.h"

#include "base/runtime_folder.h"
#include "edit/tournament_document.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"
#include "ui/shell/app_start.h"
#include "ui/shell/instance_channel.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <tuple>
#include <vector>

#include <unistd.h>

using namespace kv;

namespace {

class OpenFromOutside : public kvtest::TMainWindowTest {
protected:
    // A copy of a sample outside the program folder, under a name of its own.
    // Its tournament is named after the file, as names stay unique in the list.
    QString Outside(const QString& name) {
        QDir().mkpath(HomePath(QStringLiteral("elsewhere")));
        const QString path = HomePath(QStringLiteral("elsewhere/")) + name;
        EXPECT_TRUE(kvtest::SaveRenamedCopy(QStringLiteral(KV_SAMPLES "/hockey.kvd"), path, name));
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
    EXPECT_EQ(ParseStartCommand({QStringLiteral(KV_SAMPLES "/source/soccer.csv")}).Mode,
              TStartMode::Unknown);
}

TEST_F(OpenFromOutside, AFileIsListedFirstThenOpened) {
    const int before = static_cast<int>(main_->List().Root()->Children.size());
    const QString file = Outside(QStringLiteral("cup.kvd"));
    main_->OpenFiles({file});
    const QString saved = TTournamentList::SavesPath(QStringLiteral("cup.kvd"));
    ASSERT_NE(main_->List().FindByPath(saved), nullptr);
    EXPECT_TRUE(OpenNames().contains(saved)) << OpenNames().join(QLatin1Char(' ')).toStdString();
    // The user is told that the list keeps a copy, where, and that edits go there.
    ASSERT_EQ(Messages.Entries().size(), 1u);
    EXPECT_EQ(Messages.Entries().front().Kind, TMessageKind::Information);
    EXPECT_TRUE(
        Messages.Texts().front().contains(file + QStringLiteral("\n    copied to ") + saved))
        << Messages.Texts().front().toStdString();
    // Opened again as it is, the copy opens, with nothing more to say and nothing copied again.
    Messages.Clear();
    main_->TournamentForms().front()->ForceClose();
    QApplication::processEvents();
    main_->OpenFiles({file});
    EXPECT_TRUE(Messages.Texts().isEmpty())
        << Messages.Texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(OpenNames().contains(saved));
    // Changed since, the file opened is not taken for the copy, and the user is told so.
    WriteFile(file, ReadFile(file) + "\n");
    main_->OpenFiles({file});
    ASSERT_EQ(Messages.Texts().size(), 1);
    EXPECT_TRUE(Messages.Texts().front().startsWith(
        QStringLiteral("The tournament list already holds a copy of ") + file));
    EXPECT_EQ(Messages.Entries().front().Kind, TMessageKind::Information);
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
    QTRY_COMPARE(received.count(), 1);
    EXPECT_EQ(received.first().first().toStringList(), QStringList{file});
    EXPECT_TRUE(OpenNames().contains(TTournamentList::SavesPath(QStringLiteral("handed.kvd"))));
}

// Fifteen starts hand files over at once, each file refused with a box (an event loop of its
// own): every start is answered, the boxes come one after another, and the program lives.
TEST_F(OpenFromOutside, ManyStartsAtOnceWhileBoxesAreUp) {
    struct TBoxes : TMessageHandler {
        int Shown = 0, Depth = 0, Deepest = 0;
        TMessageButton Show(TMessageKind, const QString&) override {
            Deepest = std::max(Deepest, ++Depth);
            QEventLoop box;
            QTimer::singleShot(20, &box, &QEventLoop::quit);
            box.exec();
            --Depth;
            ++Shown;
            return TMessageButton::Ok;
        }
    } boxes;
    SetMessageHandler(&boxes);
    TInstanceServer server;
    ASSERT_TRUE(server.Listen());
    QObject::connect(&server, &TInstanceServer::FilesReceived, main_.get(), &TMainForm::OpenFiles);
    // Copies of a listed tournament: each is refused for its name.
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    for (int i = 0; i < 15; ++i) {
        const QString copy = HomePath(QStringLiteral("copy%1.kvd").arg(i));
        ASSERT_TRUE(QFile::copy(QStringLiteral(KV_SAMPLES "/hockey.kvd"), copy));
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(InstanceChannelName());
        socket->write((copy + QStringLiteral("\n\n")).toUtf8());
        clients.push_back(std::move(socket));
    }
    QTRY_COMPARE_WITH_TIMEOUT(boxes.Shown, 15, 20000);
    SetMessageHandler(&Messages);
    for (const auto& c : clients)
        EXPECT_TRUE(c->readAll().startsWith("ok"));
    EXPECT_EQ(boxes.Deepest, 1) << "one box at a time";
}

// A start while the running program shows a box at start-up is answered at once; a program
// that listens but never answers makes the second start say so within a bounded time.
TEST_F(OpenFromOutside, ASecondStartNeverWaitsForever) {
    const QString file = Outside(QStringLiteral("waiting.kvd"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    {
        TInstanceServer server;
        ASSERT_TRUE(server.Listen());
        QStringList received;
        QObject::connect(&server, &TInstanceServer::FilesReceived,
                         [&](const QStringList& files) { received << files; });
        QProcess second;
        second.setProcessEnvironment(env);
        QEventLoop box; // the first program's box, up while the second starts
        QObject::connect(&second, &QProcess::finished, &box, &QEventLoop::quit);
        QTimer::singleShot(20000, &box, &QEventLoop::quit);
        second.start(QStringLiteral(KELVORANDINE_PATH), {file});
        box.exec();
        EXPECT_EQ(second.state(), QProcess::NotRunning);
        EXPECT_EQ(second.exitCode(), 0);
        QTRY_COMPARE(received, QStringList{file});
    }
    // Someone listens on the name and never answers.
    QLocalServer mute;
    QLocalServer::removeServer(InstanceChannelName());
    ASSERT_TRUE(mute.listen(InstanceChannelName()));
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(KELVORANDINE_PATH), {file});
    ASSERT_TRUE(second.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    QByteArray said;
    while (!said.contains("does not answer") && waited.elapsed() < 30000) {
        second.waitForReadyRead(100);
        said += second.readAllStandardError();
        QCoreApplication::processEvents();
    }
    second.kill();
    second.waitForFinished();
    EXPECT_TRUE(said.contains("Kelvorandine is already running but does not answer"))
        << said.toStdString();
    EXPECT_LT(waited.elapsed(), 15000);
    // The mute listener keeps its name: a new server does not take it from a live one.
    TInstanceServer late;
    EXPECT_FALSE(late.Listen());
}

// The program's arguments are its own: an option the toolkit knows (-reverse mirrors the
// windows, --name names the X11 class) is an unknown parameter, said as the start rules say,
// on standard error, and the program ends with a failure by itself where no box can show.
TEST_F(OpenFromOutside, TheToolkitTakesNoArgument) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const char* option : {"-reverse", "--name"}) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KELVORANDINE_PATH),
                      {QLatin1String(option), QStringLiteral("X")});
        ASSERT_TRUE(program.waitForFinished(20000)) << option;
        EXPECT_EQ(program.exitCode(), 1) << option;
        const QByteArray said = program.readAllStandardError();
        EXPECT_TRUE(said.startsWith(QByteArray("kelvorandine: Unknown Parameter: ") + option))
            << said.toStdString();
        EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
    }
}

// --help and --version answer on standard output and end well, with no display to reach: the
// platform named is one that cannot start here.
// The hand-over channel is the user's own: named by user id, in the private runtime folder.
TEST_F(OpenFromOutside, TheChannelIsInThePrivateRuntimeFolder) {
    const QString name = InstanceChannelName();
    EXPECT_TRUE(name.startsWith(PrivateRuntimeFolder())) << name.toStdString();
    EXPECT_TRUE(
        QFileInfo(name).fileName().startsWith(QStringLiteral("kelvorandine-%1-").arg(::getuid())))
        << name.toStdString();
    TInstanceServer server;
    ASSERT_TRUE(server.Listen());
    EXPECT_TRUE(QFileInfo::exists(name));
}

TEST_F(OpenFromOutside, HelpAndVersionNeedNoDisplay) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const auto run = [&env](const QStringList& args) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KELVORANDINE_PATH), args);
        EXPECT_TRUE(program.waitForFinished(20000));
        return std::make_tuple(program.exitCode(),
                               QString::fromUtf8(program.readAllStandardOutput()),
                               QString::fromUtf8(program.readAllStandardError()));
    };
    for (const char* option : {"--help", "-h"}) {
        const auto [status, out, err] = run({QLatin1String(option)});
        EXPECT_EQ(status, 0) << option;
        EXPECT_EQ(out, StartUsage() + QLatin1Char('\n'));
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    }
    for (const char* option : {"--version", "-V"}) {
        const auto [status, out, err] = run({QLatin1String(option)});
        EXPECT_EQ(status, 0) << option;
        EXPECT_TRUE(out.startsWith(QStringLiteral("kelvorandine (Kelvorandine) ")))
            << out.toStdString();
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    }
    // The old help of /? reaches the terminal too, naming the program as it is typed here.
    const auto [status, out, err] = run({QStringLiteral("/?")});
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral("Help: kelvorandine [/tl_conv]")))
        << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral(".exe")));
    EXPECT_FALSE(out.contains(QLatin1Char('\r')));
}
