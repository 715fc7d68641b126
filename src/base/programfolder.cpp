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

// Where the files installed with the program lie, when it is installed.
QString SharedDataOf(const QString& exe) {
    if (exe.isEmpty()) return {};
    const QString shared = QDir(exe + QStringLiteral("/../share/kelvorandine")).absolutePath();
    return QFileInfo(shared).isDir() ? shared : QString();
}

QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Vantorix/Kelvorandine");
}

} // namespace

QString ProgramFolder() {
    const QString home = qEnvironmentVariable("KELVORANDINE_HOME");
    if (!home.isEmpty()) return WithSlash(QDir(home).absolutePath());
    const QString exe = ExecutableFolder();
    if (!exe.isEmpty() && SharedDataOf(exe).isEmpty() && QFileInfo(exe).isWritable())
        return WithSlash(exe);
    return WithSlash(UserDataFolder());
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
    const QString base = !home.isEmpty() ? QDir(home).absolutePath() : UserDataFolder();
    return WithSlash(base) + QStringLiteral("Recovery/");
}

QString TournamentListPath() {
    return ProgramFolder() + QStringLiteral("tournlst.dat");
}

QString InstalledDataFolder() {
    const QString exe = ExecutableFolder();
    const QString shared = SharedDataOf(exe);
    return WithSlash(shared.isEmpty() ? exe : shared);
}

} // namespace kv
