#include "base/runtime_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace kv {

QString PrivateRuntimeFolder() {
    const QString session = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!session.isEmpty() && QDir::isAbsolutePath(session) && QFileInfo(session).isDir())
        return QDir(session).absolutePath() + QLatin1Char('/');
    const QString own = QDir::tempPath() + QStringLiteral("/kelvorandine-%1").arg(::getuid());
    const QByteArray path = QFile::encodeName(own);
    if (::mkdir(path.constData(), S_IRWXU) != 0 && errno != EEXIST) return {};
    struct stat st {};
    // lstat: a link planted under our name leads elsewhere and is not taken.
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return {};
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0 && ::chmod(path.constData(), S_IRWXU) != 0)
        return {};
    return own + QLatin1Char('/');
}

} // namespace kv
