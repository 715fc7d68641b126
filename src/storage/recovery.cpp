#include "storage/recovery.h"

#include "base/programfolder.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace kv {

namespace {

QString KeyOf(const QString& filePath) {
    const QByteArray path = QFileInfo(filePath).absoluteFilePath().toUtf8();
    return QString::fromLatin1(
        QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(20));
}

QString InfoPathFor(const QString& copyPath) {
    return copyPath.left(copyPath.size() - 4) + QStringLiteral(".info");
}

} // namespace

QString RecoveryPathFor(const QString& filePath) {
    return RecoveryFolder() + KeyOf(filePath) + QStringLiteral(".kvd");
}

TIoResult WriteRecovery(const TTournament& t, int edits) {
    QDir().mkpath(RecoveryFolder());
    const QString copy = RecoveryPathFor(t.FileName);
    const QJsonObject info{
        {QStringLiteral("file"), QFileInfo(t.FileName).absoluteFilePath()},
        {QStringLiteral("name"), t.Name},
        {QStringLiteral("edits"), edits},
        {QStringLiteral("written"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)}};
    if (const TIoResult r = WriteFileAtomic(copy, TournamentBytes(t)); !r) return r;
    return WriteFileAtomic(InfoPathFor(copy), QJsonDocument(info).toJson(QJsonDocument::Compact));
}

void RemoveRecovery(const QString& filePath) {
    DiscardRecovery(TRecoveryCopy{RecoveryPathFor(filePath), filePath, {}, {}, -1});
}

void DiscardRecovery(const TRecoveryCopy& copy) {
    QFile::remove(copy.CopyPath);
    QFile::remove(InfoPathFor(copy.CopyPath));
}

QString RecoveredFilePath(const TRecoveryCopy& copy) {
    const QString base = QFileInfo(copy.FilePath).completeBaseName();
    QString path = TTournamentList::SavesPath(base + QStringLiteral(" (recovered).kvd"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = TTournamentList::SavesPath(QStringLiteral("%1 (recovered %2).kvd").arg(base).arg(n));
    return path;
}

std::vector<TRecoveryCopy> PendingRecoveries() {
    std::vector<TRecoveryCopy> copies;
    const QDir dir(RecoveryFolder());
    for (const QFileInfo& f : dir.entryInfoList({QStringLiteral("*.kvd")}, QDir::Files)) {
        TRecoveryCopy c;
        c.CopyPath = f.absoluteFilePath();
        c.Written = f.lastModified();
        QByteArray bytes;
        if (ReadFileBytes(InfoPathFor(c.CopyPath), bytes).Ok) {
            const QJsonObject info = QJsonDocument::fromJson(bytes).object();
            c.FilePath = info[QStringLiteral("file")].toString();
            c.Name = info[QStringLiteral("name")].toString();
            c.Edits = info[QStringLiteral("edits")].toInt(-1);
            const QDateTime written = QDateTime::fromString(
                info[QStringLiteral("written")].toString(), Qt::ISODateWithMs);
            if (written.isValid()) c.Written = written;
        }
        if (c.Name.isEmpty()) c.Name = f.completeBaseName();
        // Saved since: the copy is of no more use.
        const QFileInfo file(c.FilePath);
        if (!c.FilePath.isEmpty() && file.exists() && file.lastModified() >= c.Written) {
            DiscardRecovery(c);
            continue;
        }
        copies.push_back(c);
    }
    std::sort(copies.begin(), copies.end(),
              [](const TRecoveryCopy& a, const TRecoveryCopy& b) { return a.Written < b.Written; });
    return copies;
}

TIoResult LoadRecovery(const TRecoveryCopy& copy, TTournament& t) {
    QByteArray bytes;
    if (const TIoResult r = ReadFileBytes(copy.CopyPath, bytes); !r) return r;
    if (const TIoResult r = ReadTournamentBytes(t, bytes, copy.Name); !r) return r;
    t.FileName = copy.FilePath.isEmpty() ? copy.CopyPath : copy.FilePath;
    t.IsModified = true;
    return TIoResult::Success();
}

} // namespace kv
