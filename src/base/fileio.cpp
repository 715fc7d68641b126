#include "base/fileio.h"

#include "base/language.h"
#include "base/textformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <unistd.h>

namespace kv {

TIoResult ReadFileBytes(const QString& path, QByteArray& data) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return TIoResult::Failure(f.errorString());
    // No file the program reads comes near this; a larger one is refused before it fills memory.
    if (f.size() > kMaxInputFileBytes)
        return TIoResult::Failure(Fmt(LangText(690, "File '%s' is too large (more than %d MB)"),
                                      path, static_cast<int>(kMaxInputFileBytes >> 20)));
    data = f.readAll();
    if (f.error() != QFileDevice::NoError) return TIoResult::Failure(f.errorString());
    return TIoResult::Success();
}

TIoResult WriteFileAtomic(const QString& path, const QByteArray& data, const QString& backupPath) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return TIoResult::Failure(f.errorString());
    if (f.write(data) != data.size()) {
        const QString error = f.errorString();
        f.cancelWriting();
        return TIoResult::Failure(error);
    }
    // A full disk shows only when the buffer goes out: checked here, as the commit would
    // otherwise put an empty file in the place of the old one.
    if (!f.flush()) {
        const QString error = f.errorString();
        f.cancelWriting();
        return TIoResult::Failure(error);
    }
    if (!backupPath.isEmpty() && QFileInfo::exists(path)) {
        // The backup is a second name for the current file: the target keeps its contents
        // until the new file replaces it. It is staged and renamed into place, so that a
        // program killed at any moment leaves the old backup or the new one, never none.
        const QByteArray from = QFile::encodeName(path);
        const QByteArray staged = QFile::encodeName(backupPath + QStringLiteral(".new"));
        const QByteArray to = QFile::encodeName(backupPath);
        ::unlink(staged.constData());
        if (::link(from.constData(), staged.constData()) == 0 ||
            QFile::copy(path, QFile::decodeName(staged)))
            ::rename(staged.constData(), to.constData());
        ::unlink(staged.constData()); // left when the backup already was that file
    }
    if (!f.commit()) return TIoResult::Failure(f.errorString());
    return TIoResult::Success();
}

TDeleted DeleteFileOrTrash(const QString& path, bool toTrash) {
    if (!QFileInfo::exists(path)) return TDeleted::Failed;
    if (!toTrash) return QFile::remove(path) ? TDeleted::Deleted : TDeleted::Failed;
    // The home trash lies below the user's data folder. The toolkit finds it only when that
    // folder exists: otherwise it made the trash relative to the working folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir::isAbsolutePath(data) || !QDir().mkpath(data))
        return TDeleted::NoTrash;
    QString where;
    if (!QFile::moveToTrash(path, &where)) return TDeleted::NoTrash;
    if (!QDir::isAbsolutePath(where)) { // never left in the working folder
        QFile::rename(where, path);
        return TDeleted::NoTrash;
    }
    return TDeleted::Trashed;
}

bool RemoveFile(const QString& path, bool toTrash,
                const std::function<bool(const QString&)>& deleteForGood) {
    switch (DeleteFileOrTrash(path, toTrash)) {
    case TDeleted::Trashed:
    case TDeleted::Deleted:
        return true;
    case TDeleted::NoTrash:
        return deleteForGood && deleteForGood(path) && QFile::remove(path);
    case TDeleted::Failed:
        break;
    }
    return false;
}

QString ChangeFileExt(const QString& path, const QString& ext) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > slash) return path.left(dot) + ext;
    return path + ext;
}

} // namespace kv
