#pragma once

#include "base/fileio.h"
#include "model/tournament.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// The tournament file (".kvd"): one text file holding everything a tournament owns, written
// and read strictly in order.
namespace kv {

inline constexpr const char* kTournamentMagic = "Kelvorandine File";
inline constexpr const char* kTournamentVersion = "2.0";
// The title of the recorded orders of level teams, after the comments.
inline constexpr const char* kTieOrderTitle = "Tie order";

// The file's bytes for the tournament.
QByteArray TournamentBytes(const TTournament& t);
TIoResult WriteTournament(const TTournament& t, QIODevice& out);

// Saves to the tournament's file in one step; with the Backup preference the previous file
// is kept as ".bak". SavedAt is set just before writing; success clears IsModified. A failed
// save leaves the previous file as it was.
TIoResult SaveTournament(TTournament& t);
TIoResult SaveTournament(TTournament& t, const QString& path, bool backup);

// Reads a tournament into a blank tournament, then recomputes and ranks every table.
// `displayName` is the file name the messages name.
TIoResult ReadTournament(TTournament& t, QIODevice& in, const QString& displayName);
TIoResult ReadTournamentBytes(TTournament& t, const QByteArray& bytes, const QString& displayName);
// Loads the file at `path`; FileName becomes the path and SavedAt its modification time.
TIoResult LoadTournament(TTournament& t, const QString& path);

// The name and sport of a tournament file without loading the rest.
bool ReadIdentity(const QString& path, QString& name, int& sport);

// Loads the file, sets its name and saves it.
TIoResult RenameInFile(const QString& path, const QString& newName);

} // namespace kv
