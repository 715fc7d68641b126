// Kelvorandine: league tables of sports tournaments.
#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "storage/first_run.h"
#include "ui/app_start.h"
#include "ui/dialog_seam.h"
#include "ui/help_key_filter.h"
#include "ui/instance_channel.h"
#include "ui/main_form.h"
#include "ui/splash_form.h"
#include "ui/widget_messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvorandine"));
    QApplication::setApplicationDisplayName(QLatin1String(kv::kAppTitle));

    // Any parameter is a mode of its own: it never shows the main window.
    const kv::TStartCommand command = kv::ParseStartCommand(app.arguments().mid(1));
    switch (command.Mode) {
    case kv::TStartMode::Help:
    case kv::TStartMode::Unknown:
        QMessageBox::information(nullptr, QLatin1String(kv::kAppTitle), command.Message);
        return 0;
    case kv::TStartMode::QuietEnd:
        return 0;
    case kv::TStartMode::ConvertList: {
        QString error;
        if (!kv::ConvertOldList(command.File, error)) {
            QMessageBox::critical(nullptr, QLatin1String(kv::kAppTitle), error);
            return 1;
        }
        return 0;
    }
    case kv::TStartMode::OpenFiles:
        // A program already running on this folder takes the files.
        if (kv::SendToRunningInstance(command.Files)) return 0;
        break;
    case kv::TStartMode::Normal:
        break;
    }

    // An installed program keeps its tournaments in the user's folder: the samples and the
    // language files come from the installation, before a language is chosen from them.
    kv::PrepareProgramFolder(kv::InstalledDataFolder());
    kv::InitLanguage();

    kv::THelpKeyFilter helpKey;
    app.installEventFilter(&helpKey);
    kv::TWidgetMessages messages;
    kv::SetMessageHandler(&messages);
    kv::TWidgetDialogs dialogs;
    int status = 0;
    {
        kv::TSplashForm splash;
        splash.ShowNow();
        kv::TMainForm main(dialogs);
        splash.close();
        main.show();
        kv::TInstanceServer server;
        QObject::connect(&server, &kv::TInstanceServer::FilesReceived, &main,
                         &kv::TMainForm::OpenFiles);
        server.Listen();
        // Once the window is up: what a crash left unsaved, then the tournament selected at the
        // last exit.
        QTimer::singleShot(0, &main, [&main, files = command.Files] {
            main.OfferRecovery();
            if (files.isEmpty())
                main.OpenRestoredSelection();
            else
                main.OpenFiles(files);
        });
        status = QApplication::exec();
    }
    kv::SetMessageHandler(nullptr);
    return status;
}
