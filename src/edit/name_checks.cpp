#include "edit/name_checks.h"

#include "base/language.h"
#include "base/textformat.h"
#include "storage/named_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kv {

namespace {

bool SamePath(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath().compare(QFileInfo(b).absoluteFilePath(),
                                                   Qt::CaseInsensitive) == 0;
}

} // namespace

QString TournamentFileName(const QString& typed) {
    const QString trimmed = typed.trimmed();
    const QFileInfo info(trimmed);
    const QString base =
        info.suffix().isEmpty() ? trimmed : trimmed.left(trimmed.size() - info.suffix().size() - 1);
    return base + QStringLiteral(".kvd");
}

QString ProposedFileName(const QString& name) {
    QString base;
    for (const QChar c : name.simplified())
        base += CheckFileName(QString(c)).isEmpty() && c.isPrint() ? c : QLatin1Char('-');
    // Leading dots would hide the file, trailing ones read as an extension.
    while (base.startsWith(QLatin1Char('.')) || base.startsWith(QLatin1Char(' ')))
        base.remove(0, 1);
    while (base.endsWith(QLatin1Char('.')) || base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    if (base.isEmpty()) return QString();
    QString file = base + QStringLiteral(".kvd");
    for (int n = 2; QFileInfo::exists(TTournamentList::SavesPath(file)); ++n)
        file = base + QStringLiteral(" %1.kvd").arg(n);
    return file;
}

TNameCheck CheckNamePage(const TTournamentList& list, const TNamePage& page) {
    TNameCheck c;
    const auto fail = [&c](int field, const QString& message) {
        c.Field = field;
        c.Message = message;
        return c;
    };
    if (page.Name.trimmed().isEmpty())
        return fail(FieldName, LangText(7562, "You have not entered tournament name"));
    if (page.FileName.trimmed().isEmpty())
        return fail(FieldFileName, LangText(7563, "You have not entered file name"));
    if (const QString bad = CheckFileName(page.FileName); !bad.isEmpty())
        return fail(FieldFileName, bad);
    c.FileName = TournamentFileName(page.FileName);
    c.Path = TTournamentList::SavesPath(c.FileName);
    if (page.OwnPath.isEmpty() || !SamePath(c.Path, page.OwnPath)) {
        if (list.FindTournamentByName(page.Name.trimmed()))
            return fail(FieldName, LangText(7564, "Tournament with this name already exists"));
        if (QFileInfo::exists(c.Path))
            return fail(FieldFileName, LangText(7565, "File with this name already exists"));
    }
    if (page.Sport < 0) return fail(FieldSport, LangText(7566, "You have not selected a sport"));
    if (page.Conferences) {
        if (page.GroupLegs < page.ConferenceLegs || page.GroupLegs < page.InterConferenceLegs)
            return fail(
                FieldLegs,
                LangText(7567,
                         "Number of legs outside a division cannot exceed number of legs inside a "
                         "division"));
        if (page.ConferenceLegs < page.InterConferenceLegs)
            return fail(FieldLegs,
                        LangText(7568,
                                 "Number of legs outside a conference cannot exceed number of legs "
                                 "inside a conference"));
    }
    return c;
}

TNameCheck CheckProperties(const TTournamentList& list, const TListNode* entry, const QString& name,
                           const QString& fileName) {
    TNameCheck c;
    if (list.FindTournamentByName(name.trimmed(), entry)) {
        c.Message = LangText(12020, "Tournament with this name already exists");
        return c;
    }
    if (const QString bad = CheckFileName(fileName); !bad.isEmpty()) {
        c.Field = FieldFileName;
        c.Message = bad;
        return c;
    }
    c.FileName = TournamentFileName(fileName);
    c.Path = TTournamentList::SavesPath(c.FileName);
    return c;
}

TListResult MoveTournamentFile(const QString& from, const QString& path) {
    if (SamePath(from, path)) return {};
    if (QFileInfo::exists(path))
        return {false,
                Fmt(LangText(12021, "File already exists: %s"), QDir::toNativeSeparators(path))};
    if (QFileInfo::exists(from) && !QFile::rename(from, path))
        return {false,
                Fmt(LangText(12022, "Cannot move the file to %s"), QDir::toNativeSeparators(path))};
    return {};
}

} // namespace kv
