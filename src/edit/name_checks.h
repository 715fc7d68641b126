#pragma once

#include "storage/tournament_list.h"

#include <QString>

// The checks of a tournament's name and file name, as the wizard's name page and the
// properties dialog make them before anything is created, moved or renamed.
namespace kv {

enum TNameField : int { FieldName = 0, FieldFileName = 1, FieldSport = 2, FieldLegs = 3 };

struct TNamePage {
    QString Name;
    QString FileName; // as typed, without folder
    int Sport = -1;   // -1: none chosen
    bool Conferences = false;
    int GroupLegs = 2;
    int ConferenceLegs = 2;
    int InterConferenceLegs = 2;
    QString OwnPath; // the tournament's own file (empty for a new one)
};

struct TNameCheck {
    QString Message; // empty when every check passed
    int Field = FieldName;
    QString FileName; // the file name with the ".kvd" extension
    QString Path;     // where the file is to be
};

// The file name with its extension replaced by ".kvd".
QString TournamentFileName(const QString& typed);

// The file name the name page proposes for a tournament's name: the name with the characters
// a file name cannot have replaced by '-', and ".kvd"; " 2", " 3" and so on are added while a
// file of that name exists in the tournament folder. Empty for an empty name.
QString ProposedFileName(const QString& name);

// The name page's checks in their order: the name, the file name and its characters, a list
// entry of that name or a file already at that path (both only when the path is not the
// tournament's own), the sport, and the legs of the conferences system.
TNameCheck CheckNamePage(const TTournamentList& list, const TNamePage& page);

// The properties dialog's checks before anything changes: another list entry with the name
// (12020), and a file name with characters a file name cannot have.
TNameCheck CheckProperties(const TTournamentList& list, const TListNode* entry, const QString& name,
                           const QString& fileName);
// Moves the tournament file to `path`: refused when a file is there already (12021).
TListResult MoveTournamentFile(const QString& from, const QString& path);

} // namespace kv
