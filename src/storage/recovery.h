#pragma once

#include "base/fileio.h"
#include "model/tournament.h"

#include <QDateTime>
#include <QString>

#include <vector>

// Recovery copies: while a tournament is modified, a copy of it is kept beside the program's
// data, so that what was typed since the last save survives a crash, a kill or a power cut.
// Saving, or closing without saving, removes the copy; at the next start the copies newer
// than their files are offered back.
namespace kv {

struct TRecoveryCopy {
    QString CopyPath; // the copy, a tournament file
    QString FilePath; // the tournament's own file
    QString Name;
    QDateTime Written;
    int Edits = -1; // the edits since the last save, -1 when not known
};

// Where the copy of the tournament file at `filePath` is kept.
QString RecoveryPathFor(const QString& filePath);
// Writes the copy of a modified tournament in one step, with what it is a copy of.
TIoResult WriteRecovery(const TTournament& t, int edits);
// Removes the copy of the tournament file at `filePath`, if there is one.
void RemoveRecovery(const QString& filePath);
// The copies newer than their files, or whose files are gone, oldest first. Copies that are
// older than their files (saved since) are removed.
std::vector<TRecoveryCopy> PendingRecoveries();
// Deletes a copy (the user chose to discard it).
void DiscardRecovery(const TRecoveryCopy& copy);
// Where the tournament of a copy whose file is gone is saved: "<name> (recovered).kvd" in
// SAVES/, numbered on when that is taken.
QString RecoveredFilePath(const TRecoveryCopy& copy);
// Loads a copy into a blank tournament: FileName is the tournament's own file and the
// tournament is marked modified. A damaged copy gives its message.
TIoResult LoadRecovery(const TRecoveryCopy& copy, TTournament& t);

} // namespace kv
