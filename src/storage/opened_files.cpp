#include "storage/opened_files.h"

#include "base/language.h"
#include "base/textformat.h"
#include "storage/tournament_list.h"

#include <QFile>
#include <QFileInfo>

namespace kv {

namespace {

bool SameContents(const QString& a, const QString& b) {
    QFile one(a);
    QFile two(b);
    if (one.size() != two.size() || !one.open(QIODevice::ReadOnly) ||
        !two.open(QIODevice::ReadOnly))
        return false;
    while (!one.atEnd()) {
        if (one.read(1 << 16) != two.read(1 << 16)) return false;
    }
    return true;
}

} // namespace

TOpenedFile ClassifyOpenedFile(const TTournamentList& list, const QString& path) {
    const QFileInfo info(path);
    TOpenedFile opened;
    if (const TListNode* entry = list.FindByPath(info.absoluteFilePath());
        entry && entry->IsTournament()) {
        opened.Kind = TOpenedKind::Listed;
        opened.Entry = entry;
        return opened;
    }
    const QString saves = TTournamentList::SavesPath(info.fileName());
    const TListNode* copy = list.FindByPath(saves);
    if (!copy || !copy->IsTournament()) return opened;
    opened.Entry = copy;
    if (QFileInfo(saves).canonicalFilePath() == info.canonicalFilePath())
        opened.Kind = TOpenedKind::Listed; // the same file by another way
    else
        opened.Kind =
            SameContents(path, saves) ? TOpenedKind::CopyListed : TOpenedKind::CopyListedDiffers;
    return opened;
}

QString CopiedFilesMessage(const QList<QPair<QString, QString>>& copied) {
    if (copied.isEmpty()) return {};
    QStringList lines;
    for (const auto& [from, to] : copied)
        lines << Fmt(LangText(619, "%s\n    copied to %s"), from, to);
    return Fmt(LangText(629, "The tournament list keeps its own copy of each file opened from "
                             "elsewhere. Changes are saved in the copy; the file opened stays "
                             "as it was.\n\n%s"),
               lines.join(QStringLiteral("\n")));
}

QString CopyDiffersMessage(const QString& opened, const QString& copy) {
    return Fmt(LangText(630, "The tournament list already holds a copy of %s, and the two now "
                             "differ. The copy in the list opens: %s. The file opened stays as "
                             "it was; to list it as well, give it another file name."),
               opened, copy);
}

} // namespace kv
