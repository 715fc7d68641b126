// Kelvorandine: league tables of sports tournaments.
#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/program_args.h"
#include "base/programfolder.h"
#include "base/runtime_folder.h"
#include "storage/first_run.h"
#include "ui/help/help_key_filter.h"
#include "ui/shell/app_start.h"
#include "ui/shell/instance_channel.h"
#include "ui/shell/main_form.h"
#include "ui/shell/splash_form.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/widget_messages.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

// Text for a terminal, with the line ends of one.
void Print(FILE* to, const QString& text) {
    std::fprintf(to, "%s\n",
                 qPrintable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
    std::fflush(to);
}

// A box can come up only where there is a display to show it on.
bool HasDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal")) return false;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    // Any parameter is a mode of its own: it never shows the main window. What is asked for on
    // a terminal is answered there, before any window system is reached.
    const kv::TStartCommand command = kv::ParseStartCommand(kv::ProgramArguments(argc, argv));
    switch (command.Mode) {
    case kv::TStartMode::Usage:
    case kv::TStartMode::Version:
        Print(stdout, command.Message);
        return 0;
    case kv::TStartMode::Help:
    case kv::TStartMode::Unknown: {
        const bool help = command.Mode == kv::TStartMode::Help;
        Print(help ? stdout : stderr,
              help ? command.Message : QStringLiteral("kelvorandine: ") + command.Message);
        if (HasDisplay()) { // and in a box, for a start from a launcher
            kv::TToolkitArgs toolkit(argv[0]);
            QApplication app(toolkit.Count(), toolkit.Values());
            kv::NameApplication();
            QMessageBox::information(nullptr, QLatin1String(kv::kAppTitle), command.Message);
        }
        return help ? 0 : 1;
    }
    case kv::TStartMode::QuietEnd:
        return 0;
    case kv::TStartMode::ConvertList:
    case kv::TStartMode::OpenFiles:
    case kv::TStartMode::Normal:
        break;
    }
    // The toolkit wants a private runtime folder; a session without one gets ours.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        if (const QString runtime = kv::PrivateRuntimeFolder(); !runtime.isEmpty())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    kv::TToolkitArgs toolkit(argv[0]);
    QApplication app(toolkit.Count(), toolkit.Values());
    kv::NameApplication();
    if (command.Mode == kv::TStartMode::ConvertList) {
        QString error;
        if (!kv::ConvertOldList(command.File, error)) {
            Print(stderr, QStringLiteral("kelvorandine: ") + error);
            QMessageBox::critical(nullptr, QLatin1String(kv::kAppTitle), error);
            return 1;
        }
        return 0;
    }
    // A program already running on this folder takes the files.
    const kv::THandOver handOver = command.Mode == kv::TStartMode::OpenFiles
                                       ? kv::SendToRunningInstance(command.Files)
                                       : kv::THandOver::NoneRunning;
    if (handOver == kv::THandOver::Delivered) return 0;

    // An installed program keeps its tournaments in the user's folder: the samples and the
    // language files come from the installation, before a language is chosen from them.
    kv::PrepareProgramFolder(kv::InstalledDataFolder());
    kv::InitLanguage();
    kv::ApplyToolkitLanguage();
    if (handOver == kv::THandOver::NoAnswer) {
        // A second program on the same folder would write the same list: the user is told.
        const QString busy =
            kv::LangText(617, "Kelvorandine is already running but does not answer: a "
                              "message may be waiting in one of its windows. Try again "
                              "when it is free.");
        std::fprintf(stderr, "%s\n", qPrintable(busy));
        std::fflush(stderr);
        QMessageBox::warning(nullptr, QLatin1String(kv::kAppTitle), busy);
        return 1;
    }

    kv::THelpKeyFilter helpKey;
    app.installEventFilter(&helpKey);
    kv::TWidgetMessages messages;
    kv::SetMessageHandler(&messages);
    kv::TWidgetDialogs dialogs;
    int status = 0;
    // Files other starts hand over: kept until the main window can open them.
    kv::TMainForm* ready = nullptr;
    QStringList handedOver;
    kv::TInstanceServer server;
    QObject::connect(&server, &kv::TInstanceServer::FilesReceived,
                     [&ready, &handedOver](const QStringList& files) {
                         if (ready)
                             ready->OpenFiles(files);
                         else
                             handedOver << files;
                     });
    server.Listen();
    {
        kv::TSplashForm splash;
        splash.ShowNow();
        kv::TMainForm main(dialogs);
        splash.close();
        main.show();
        // Once the window is up: what a crash left unsaved, then the files given or handed
        // over, else the tournament selected at the last exit.
        QTimer::singleShot(0, &main, [&main, &ready, &handedOver, files = command.Files] {
            main.OfferRecovery();
            const QStringList open = files + handedOver;
            handedOver.clear();
            ready = &main;
            if (open.isEmpty())
                main.OpenRestoredSelection();
            else
                main.OpenFiles(open);
        });
        status = QApplication::exec();
        ready = nullptr;
    }
    kv::SetMessageHandler(nullptr);
    return status;
}
