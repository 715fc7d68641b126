#pragma once

#include "base/fileio.h"
#include "model/tournament.h"

#include <QString>

// Tournaments of the older file kinds (".plg"): 2.x files beginning with "Table" and 3.0 files
// beginning with "Pellagrund 3.0". Importing builds a new tournament from one; nothing is
// saved when the file cannot be read.
namespace kv {

enum class TLegacyKind { Unknown, Version2, Version3 };

struct TLegacyInfo {
    TLegacyKind Kind = TLegacyKind::Unknown;
    QString Name; // 3.0: the file's second line; 2.x: the file name without extension
    int Sport = 1;
    bool SportFixed = false; // 3.0 files name their sport
};

// Recognises the file by its first line; "Wrong file format: %s" when it is neither kind.
bool ReadLegacyInfo(const QString& path, TLegacyInfo& info, QString& error);

// The sport an old sport code stands for.
int SportOfOldCode(int code);

// Fills a blank tournament from the file. `sport` applies to 2.x files only. The caller
// recomputes, saves and lists the tournament.
TIoResult ImportLegacyTournament(TTournament& t, const QString& path, TLegacyKind kind,
                                 const QString& name, int sport);
// Imports the file, ranks the tournament and saves it at `target` (its folder is made when
// missing). Nothing is written when the import fails.
TIoResult ImportLegacyFile(const QString& source, TLegacyKind kind, const QString& name, int sport,
                           const QString& target);
TIoResult ImportLegacyBytes(TTournament& t, const QByteArray& bytes, TLegacyKind kind,
                            const QString& name, int sport, double created);

} // namespace kv
