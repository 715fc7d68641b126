#include "ui/shell/app_start.h"

#include "base/language.h"
#include "base/programfolder.h"
#include "base/version.h"
#include "storage/tournament_list.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace kv {

TStartCommand ParseStartCommand(const QStringList& arguments) {
    TStartCommand c;
    if (arguments.isEmpty()) return c;
    const QString first = arguments.first().toLower();
    if (first == QLatin1String("tl_conv") || first == QLatin1String("/tl_conv")) {
        if (arguments.size() >= 2 && QFileInfo(arguments.at(1)).isFile()) {
            c.Mode = TStartMode::ConvertList;
            c.File = arguments.at(1);
        } else {
            c.Mode = TStartMode::QuietEnd;
        }
        return c;
    }
    if (first == QLatin1String("/?") || first == QLatin1String("?")) {
        c.Mode = TStartMode::Help;
        c.Message =
            QStringLiteral("Help: kelvorandine [/tl_conv] [tables.dat full filename]\r\n\r\n"
                           "/tl_conv -  converts tournament list from v.2.0 & v.2.1 (tables.dat) "
                           "to v.2.2 (tournlst.dat)");
        return c;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        c.Mode = TStartMode::Usage;
        c.Message = StartUsage();
        return c;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) { // lower-cased -V
        c.Mode = TStartMode::Version;
        c.Message = VersionLine(QStringLiteral("kelvorandine"));
        return c;
    }
    // Tournament files, as a file manager passes them.
    const bool allFiles = std::all_of(arguments.begin(), arguments.end(), [](const QString& a) {
        const QFileInfo info(a);
        return info.isFile() &&
               info.suffix().compare(QLatin1String("kvd"), Qt::CaseInsensitive) == 0;
    });
    if (allFiles) {
        c.Mode = TStartMode::OpenFiles;
        for (const QString& a : arguments)
            c.Files << QFileInfo(a).absoluteFilePath();
        return c;
    }
    c.Mode = TStartMode::Unknown;
    c.Message = QStringLiteral("Unknown Parameter: %1").arg(arguments.first());
    return c;
}

QString StartUsage() {
    return QStringLiteral(
        "usage: kelvorandine [FILE.kvd ...]\n"
        "       kelvorandine tl_conv TABLES.DAT\n"
        "       kelvorandine --help | --version\n"
        "\n"
        "Keeps the league tables of sports tournaments. Without arguments the program opens\n"
        "its tournament list and the tournament selected at the last exit.\n"
        "  FILE.kvd ...   open these tournament files. A program already running for the same\n"
        "                 folder takes them over. A file from outside the tournament folder\n"
        "                 is copied into it and listed, and the program says where.\n"
        "  tl_conv FILE   convert a tournament list of versions 2.0 and 2.1 (tables.dat)\n"
        "                 into tournlst.dat in the program folder, then end; also /tl_conv\n"
        "  -h, --help     print this help and end (/? shows the old help in a box)\n"
        "  -V, --version  print the version and end\n"
        "\n"
        "Environment:\n"
        "  KELVORANDINE_HOME  the program folder: tournlst.dat, SAVES/, Language/, STYLES/\n"
        "                     and SORTSEQS/. Without it, an installed program uses\n"
        "                     $XDG_DATA_HOME/Vantorix/Kelvorandine (~/.local/share/...); a\n"
        "                     program run from its build or unpacked folder uses that folder\n"
        "                     when it may write there.\n"
        "\n"
        "Exit status: 0 when the program ends normally, 1 for an unknown parameter, a\n"
        "conversion that fails or a running program that does not answer.");
}

void NameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Kelvorandine"));
    QCoreApplication::setOrganizationName(QStringLiteral("Vantorix"));
    // The installed desktop entry and icon go by the program's id.
    const QString id = QStringLiteral("io.vantorix.Kelvorandine");
    QGuiApplication::setDesktopFileName(id);
    QIcon own;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        own.addFile(QStringLiteral(":/icons/kelvorandine-%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(id, own));
}

void ApplyToolkitLanguage() {
    // The translator lives with the application object, under a name of its own.
    const QString name = QStringLiteral("ToolkitTranslator");
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    if (auto* old = app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QLocale locale = LocaleOfId(LanguageLocale(CurrentLanguage()));
    if (locale.language() == QLocale::English) return;
    auto* translator = new QTranslator(app);
    translator->setObjectName(name);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

bool ConvertOldList(const QString& oldList, QString& error) {
    TTournamentList list;
    list.LoadOldList(oldList);
    const TIoResult r = list.Save(ProgramFolder() + QStringLiteral("tournlst.dat"));
    error = r.Message;
    return r.Ok;
}

} // namespace kv
