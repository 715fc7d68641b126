#include "ui/ui_support.h"

#include "base/programfolder.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"

#include <QDir>
#include <QFile>

namespace kvtest {

QStringList InstallSamples() {
    const QDir samples(QStringLiteral(KV_SAMPLES));
    const QString saves = kv::ProgramFolder() + QStringLiteral("SAVES/");
    QDir().mkpath(saves);
    kv::TTournamentList list;
    kv::TNodeData folder;
    folder.Name = QStringLiteral("Samples");
    kv::TListNode* node = list.AddEntry(list.Root(), folder);
    QStringList names;
    for (const QString& file : samples.entryList({QStringLiteral("*.kvd")}, QDir::Files, QDir::Name)) {
        QFile::remove(saves + file);
        QFile::copy(samples.filePath(file), saves + file);
        QFile::setPermissions(saves + file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        kv::TNodeData entry;
        entry.Kind = kv::NodeTournament;
        entry.FilePath = saves + file;
        kv::ReadIdentity(entry.FilePath, entry.Name, entry.Sport);
        list.AddEntry(node, entry);
        names << file;
    }
    list.Save(kv::ProgramFolder() + QStringLiteral("tournlst.dat"));
    return names;
}

void TUiTest::SetUp() {
    TTempHome::SetUp();
    kv::SetMessageHandler(&Messages);
    InstallSamples();
}

void TUiTest::TearDown() {
    kv::SetMessageHandler(nullptr);
    TTempHome::TearDown();
}

} // namespace kvtest
