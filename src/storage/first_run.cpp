#include "storage/first_run.h"

#include "base/programfolder.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kv {

namespace {

int CopyLanguages(const QDir& from) {
    int copied = 0;
    QDir().mkpath(LanguageFolder());
    for (const QFileInfo& source : from.entryInfoList({QStringLiteral("*.lng")}, QDir::Files)) {
        const QString target = LanguageFolder() + source.fileName();
        const QFileInfo have(target);
        if (have.exists() && have.lastModified() >= source.lastModified()) continue;
        QFile::remove(target);
        if (QFile::copy(source.absoluteFilePath(), target)) ++copied;
    }
    return copied;
}

int CopySamples(const QDir& from) {
    const QStringList files = from.entryList({QStringLiteral("*.kvd")}, QDir::Files, QDir::Name);
    if (files.isEmpty() || !QDir().mkpath(SavesFolder())) return 0;
    TTournamentList list;
    TNodeData folder;
    folder.Name = QStringLiteral("Samples");
    TListNode* node = list.AddEntry(list.Root(), folder);
    int copied = 0;
    for (const QString& file : files) {
        const QString target = SavesFolder() + file;
        if (QFileInfo::exists(target) || !QFile::copy(from.filePath(file), target)) continue;
        // Installed files are read-only; the user's copy is the user's to change.
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
        TNodeData entry;
        entry.Kind = NodeTournament;
        entry.FilePath = target;
        if (!ReadIdentity(target, entry.Name, entry.Sport)) continue;
        list.AddEntry(node, entry);
        ++copied;
    }
    if (copied > 0) list.Save(TournamentListPath());
    return copied;
}

} // namespace

TFirstRunResult PrepareProgramFolder(const QString& dataFolder) {
    TFirstRunResult r;
    const QDir data(dataFolder);
    if (!data.exists() ||
        QFileInfo(data.absolutePath()) == QFileInfo(QDir(ProgramFolder()).absolutePath()))
        return r;
    if (data.exists(QStringLiteral("Language")))
        r.Languages = CopyLanguages(QDir(data.filePath(QStringLiteral("Language"))));
    const bool fresh =
        !QFileInfo::exists(TournamentListPath()) &&
        QDir(SavesFolder()).entryList({QStringLiteral("*.kvd")}, QDir::Files).isEmpty();
    if (fresh && data.exists(QStringLiteral("samples")))
        r.Samples = CopySamples(QDir(data.filePath(QStringLiteral("samples"))));
    return r;
}

} // namespace kv
