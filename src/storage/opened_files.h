#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Tournament files handed to the program from outside: by a file manager, on the command line
// or dropped on a window. The list keeps its tournaments in its own folder, so a file from
// elsewhere is copied in, and the user is told so plainly before anything is edited.
namespace kv {

class TTournamentList;
struct TListNode;

enum class TOpenedKind {
    Listed,            // the file is an entry of the list: it opens
    CopyListed,        // the list holds a copy of it, as it is: the copy opens
    CopyListedDiffers, // the list holds a copy of it, which differs from it now: the copy opens
    New,               // neither: it is copied in and listed
};

struct TOpenedFile {
    TOpenedKind Kind = TOpenedKind::New;
    const TListNode* Entry = nullptr; // the entry that opens, unless New
};

TOpenedFile ClassifyOpenedFile(const TTournamentList& list, const QString& path);

// What the user is told after files from elsewhere were copied into the list (empty when none
// was): that changes go to the copies, and where they are.
QString CopiedFilesMessage(const QList<QPair<QString, QString>>& copied);
// What the user is told when the list's copy of a file opened differs from it.
QString CopyDiffersMessage(const QString& opened, const QString& copy);

} // namespace kv
