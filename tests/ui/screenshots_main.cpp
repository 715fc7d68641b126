// make screenshots: the tour of every window, one picture each, named after the class (and
// page): what a user sees, to look at before a change is done.
//   kv_screenshots FOLDER [LANGUAGE.lng]
#include "ui/screenshots.h"
#include "ui/ui_support.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "ui/shell/app_start.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#include <cstdio>

namespace {

// What the user sees of a window: an open menu over the window it drops from.
QPixmap Picture(QWidget& w) {
    auto* menu = qobject_cast<QMenu*>(&w);
    QWidget* owner = menu && menu->parentWidget() ? menu->parentWidget()->window() : nullptr;
    if (!owner || owner == menu) return w.grab();
    QPixmap picture = owner->grab();
    QPainter painter(&picture);
    painter.drawPixmap(owner->mapFromGlobal(menu->pos()), menu->grab());
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    kvtest::SetUpProcessFolders();
    QApplication app(argc, argv);
    const QString outDir =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outDir);
    kv::InitLanguage();
    // "kv_screenshots FOLDER deutsch.lng": the same pictures in another language.
    if (argc > 2) {
        const QString language = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(kv::LanguageFolder());
        QFile::copy(QStringLiteral(KV_SOURCE_DIR "/Language/") + language,
                    kv::LanguageFolder() + language);
        kv::SetCurrentLanguage(language);
    }
    kv::ApplyToolkitLanguage();
    int written = 0;
    const auto wrote = [&written](const QString& path, bool ok) {
        if (ok) {
            ++written;
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        }
    };
    SetShotVisitors(
        [&](QWidget& w, const QString& name) {
            const QString path = outDir + QLatin1Char('/') + name + QStringLiteral(".png");
            wrote(path, Picture(w).save(path));
        },
        [&](const QString& pdf, const QString& name) {
            // The first page as a picture, by pdftoppm (poppler-utils).
            const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
            const QString base = outDir + QLatin1Char('/') + name;
            if (pdftoppm.isEmpty()) {
                std::fprintf(stderr, "no pdftoppm: %s not drawn\n", qPrintable(name));
                return;
            }
            QProcess convert;
            convert.start(pdftoppm,
                          {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"),
                           QStringLiteral("-singlefile"), pdf, base});
            wrote(base + QStringLiteral(".png"),
                  convert.waitForFinished(60000) && convert.exitCode() == 0);
        });
    kv::TRecordingMessages messages;
    kv::SetMessageHandler(&messages);
    kvtest::TScriptedDialogs dialogs;
    TourEveryWindow(dialogs, kvtest::InstallSamples());
    kv::SetMessageHandler(nullptr);
    for (const QString& text : messages.Texts())
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    std::printf("%d pictures\n", written);
    return written > 0 ? 0 : 1;
}
