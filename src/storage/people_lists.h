#pragma once

#include "base/fileio.h"
#include "model/people_editor.h"

#include <QString>

#include <vector>

// Stadium lists (".sdm") and referee lists (".rfr"): a header line, then four lines per entry
// (name, country, city, capacity or birth year). Ids are not stored.
namespace kv {

QString PeopleListHeader(TPeopleKind kind);
QString PeopleListExtension(TPeopleKind kind);

QByteArray PeopleListBytes(TPeopleKind kind, const std::vector<TPersonEntry>& entries);
TIoResult SavePeopleList(const QString& path, TPeopleKind kind,
                         const std::vector<TPersonEntry>& entries);

struct TPeopleLoad {
    bool Ok = true;
    QString Error;       // a wrong header, an unreadable file or one that ends inside an entry
    QString Information; // "All ... already exist" or "... loaded: %d of %d."
    int Read = 0;
    int Added = 0;
};

// Reads the file and merges its entries into the editor; entries read before an error stay.
TPeopleLoad LoadPeopleList(const QString& path, TPeopleEditor& editor);
TPeopleLoad LoadPeopleListBytes(const QByteArray& bytes, TPeopleEditor& editor);

} // namespace kv
