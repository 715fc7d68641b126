#pragma once

#include <QIcon>

// The program's own icons, drawn rather than taken from the style: the styles' stock icons
// show open and closed folders alike, give a new file a greyed look and use one bin for
// removing and deleting. Each is drawn crisp at the sizes lists, menus and tool bars ask for.
namespace kv {

enum class TDrawnIcon {
    FolderClosed,
    FolderOpen,
    Tournament,     // a tournament file: a sheet with a table on it
    NewTournament,  // the same sheet with a green plus
    RemoveFromList, // list lines with a red minus: the file stays
    Delete,         // a bin: the file goes
};

QIcon DrawnIcon(TDrawnIcon which);

} // namespace kv
