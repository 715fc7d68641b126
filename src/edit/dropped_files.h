#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

// Files dropped on the program's windows, sorted by what becomes of them: tournaments are
// added to the list, files of the earlier program are imported, delimited text is imported
// into the tournament it was dropped on. Anything else is left out.
namespace kv {

struct TDroppedFiles {
    QStringList Tournaments; // ".kvd"
    QStringList Legacy;      // ".plg"
    QStringList Texts;       // ".csv", ".txt"
    bool IsEmpty() const { return Tournaments.isEmpty() && Legacy.isEmpty() && Texts.isEmpty(); }
};

TDroppedFiles SortDroppedFiles(const QList<QUrl>& urls);

} // namespace kv
