#include "storage/people_lists.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/textformat.h"
#include "base/textreader.h"
#include "base/textwriter.h"

namespace kv {

QString PeopleListHeader(TPeopleKind kind) {
    return kind == TPeopleKind::Stadiums ? QStringLiteral("Kelvorandine / Stadium List 2.0")
                                         : QStringLiteral("Kelvorandine / Referee List 2.0");
}

QString PeopleListExtension(TPeopleKind kind) {
    return kind == TPeopleKind::Stadiums ? QStringLiteral(".sdm") : QStringLiteral(".rfr");
}

QByteArray PeopleListBytes(TPeopleKind kind, const std::vector<TPersonEntry>& entries) {
    TTextWriter w;
    w.Line(PeopleListHeader(kind));
    for (const TPersonEntry& e : entries) {
        w.Line(e.Name);
        w.Line(e.Country);
        w.Line(e.City);
        w.Int(e.Number);
        w.EndLine();
    }
    return w.TakeData();
}

TIoResult SavePeopleList(const QString& path, TPeopleKind kind,
                         const std::vector<TPersonEntry>& entries) {
    return WriteFileAtomic(path, PeopleListBytes(kind, entries));
}

TPeopleLoad LoadPeopleListBytes(const QByteArray& bytes, TPeopleEditor& editor) {
    const bool stadiums = editor.Kind() == TPeopleKind::Stadiums;
    TPeopleLoad result;
    TTextReader r(bytes);
    QString header;
    if (!r.ReadLine(header) || header != PeopleListHeader(editor.Kind())) {
        result.Ok = false;
        result.Error = stadiums ? Fmt(LangText(11020, "This file was not created by %s and does "
                                                      "not contain any valid stadium list"),
                                      kAppTitle)
                                : Fmt(LangText(11246, "This file was not created by %s and does "
                                                      "not contain any valid referee list"),
                                      kAppTitle);
        return result;
    }
    std::vector<TPersonEntry> entries;
    while (!r.OnlyBlanksLeft()) {
        TPersonEntry e;
        QByteArrayView number;
        if (!r.ReadLine(e.Name) || !r.ReadLine(e.Country) || !r.ReadLine(e.City) ||
            !r.ReadLineBytes(number) || !ParseIntToken(number.trimmed(), e.Number)) {
            result.Ok = false;
            result.Error = Fmt(LangText(11011, "The list file ends inside an entry (line %d)"),
                               r.LineNumber());
            break;
        }
        entries.push_back(e);
    }
    result.Read = static_cast<int>(entries.size());
    result.Added = editor.Merge(entries);
    if (result.Read > 0 && result.Added == 0)
        result.Information = stadiums
                                 ? LangText(11018, "All stadiums from this file already exist")
                                 : LangText(11244, "All referees from this file already exist");
    else if (result.Added < result.Read)
        result.Information =
            stadiums
                ? Fmt(LangText(11019, "Stadiums loaded: %d of %d."), result.Added, result.Read)
                : Fmt(LangText(11245, "Referees loaded: %d of %d."), result.Added, result.Read);
    return result;
}

TPeopleLoad LoadPeopleList(const QString& path, TPeopleEditor& editor) {
    QByteArray bytes;
    const TIoResult read = ReadFileBytes(path, bytes);
    if (!read) {
        TPeopleLoad result;
        result.Ok = false;
        result.Error = read.Message;
        return result;
    }
    return LoadPeopleListBytes(bytes, editor);
}

} // namespace kv
