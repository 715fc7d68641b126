#include "support/testenv.h"

#include "base/language.h"
#include "base/programfolder.h"
#include "base/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace kvtest {

namespace {

QTemporaryDir& ProcessDir() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kvtest-XXXXXX"));
    return dir;
}

QString Sub(const char* name) {
    return ProcessDir().path() + QLatin1Char('/') + QLatin1String(name);
}

void EmptyFolder(const QString& path) {
    QDir dir(path);
    dir.removeRecursively();
    QDir().mkpath(path);
}

} // namespace

void SetUpProcessFolders() {
    qputenv("KELVORANDINE_HOME", Sub("home").toUtf8());
    qputenv("XDG_CONFIG_HOME", Sub("config").toUtf8());
    qputenv("XDG_DATA_HOME", Sub("data").toUtf8());
    qputenv("XDG_CACHE_HOME", Sub("cache").toUtf8());
    qputenv("HOME", Sub("userhome").toUtf8());
    qputenv("XDG_RUNTIME_DIR", Sub("runtime").toUtf8());
    for (const char* name : {"home", "config", "data", "cache", "userhome", "runtime"})
        QDir().mkpath(Sub(name));
    QFile::setPermissions(Sub("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TTempHome::SetUp() {
    QSettings(QStringLiteral("Vantorix"), QStringLiteral("Kelvorandine")).clear();
    QFile::remove(kv::SettingsFilePath());
    EmptyFolder(Sub("home"));
    kv::ClearLanguageCache();
}

void TTempHome::TearDown() {
    QSettings(QStringLiteral("Vantorix"), QStringLiteral("Kelvorandine")).clear();
    kv::ClearLanguageCache();
}

QString TTempHome::HomePath(const QString& relative) {
    return kv::ProgramFolder() + relative;
}

void TTempHome::WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

QByteArray TTempHome::ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QString DataPath(const QString& name) {
    return QStringLiteral(KV_TEST_DATA "/") + name;
}
QString SharedDataPath(const QString& name) {
    return QStringLiteral(KV_SHARED_DATA "/") + name;
}

} // namespace kvtest
