#include "base/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kv {

namespace {

QString WithSlash(QString path) {
    if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
    return path;
}

QString ExecutableFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe"))
        .canonicalFilePath()
        .section(QLatin1Char('/'), 0, -2);
}

} // namespace

QString ProgramFolder() {
    const QString home = qEnvironmentVariable("KELVORANDINE_HOME");
    if (!home.isEmpty()) return WithSlash(QDir(home).absolutePath());
    const QString exe = ExecutableFolder();
    if (!exe.isEmpty() && QFileInfo(exe).isWritable()) return WithSlash(exe);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return WithSlash(data + QStringLiteral("/Vantorix/Kelvorandine"));
}

QString SavesFolder() {
    return ProgramFolder() + QStringLiteral("SAVES/");
}
QString LanguageFolder() {
    return ProgramFolder() + QStringLiteral("Language/");
}
QString StylesFolder() {
    return ProgramFolder() + QStringLiteral("STYLES/");
}
QString SortSeqsFolder() {
    return ProgramFolder() + QStringLiteral("SORTSEQS/");
}
QString RecoveryFolder() {
    const QString home = qEnvironmentVariable("KELVORANDINE_HOME");
    const QString base =
        !home.isEmpty() ? QDir(home).absolutePath()
                        : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                              QStringLiteral("/Vantorix/Kelvorandine");
    return WithSlash(base) + QStringLiteral("Recovery/");
}

QString TournamentListPath() {
    return ProgramFolder() + QStringLiteral("tournlst.dat");
}

QString InstalledDataFolder() {
    const QString exe = ExecutableFolder();
    const QString shared = QDir(exe + QStringLiteral("/../share/kelvorandine")).absolutePath();
    return WithSlash(QFileInfo(shared).isDir() ? shared : exe);
}

} // namespace kv
