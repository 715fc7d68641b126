#pragma once

#include "model/tournament.h"

#include <QString>

#include <vector>

// The logic of the stadium and referee dialogs: a working copy of the tournament's list that
// is added to, replaced, deleted from and sorted, and written back on OK.
namespace kv {

enum class TPeopleKind { Stadiums, Referees };

// One entry of either list; `Number` is the capacity or the birth year (-1: not given).
struct TPersonEntry {
    int Id = -1;
    QString Name;
    QString Country;
    QString City;
    int Number = -1;

    bool SamePlace(const TPersonEntry& o) const {
        return Name == o.Name && Country == o.Country && City == o.City;
    }
};

enum TPeopleColumn : int {
    PeopleByName = 0,
    PeopleByCountry = 1,
    PeopleByCity = 2,
    PeopleByNumber = 3
};

struct TEditResult {
    bool Ok = true;
    QString Message;
    bool IsError = false; // shown as an error rather than as information
};

class TPeopleEditor {
public:
    TPeopleEditor(TPeopleKind kind, const TTournament& t);

    TPeopleKind Kind() const { return kind_; }
    const std::vector<TPersonEntry>& Entries() const { return entries_; }
    int SortColumn() const { return sortColumn_; }
    bool Descending() const { return descending_; }

    // Appends a new entry; the number field may be blank.
    TEditResult Add(const QString& name, const QString& country, const QString& city,
                    const QString& number);
    TEditResult Replace(int index, const QString& name, const QString& country, const QString& city,
                        const QString& number);
    // Refused while a match held by a group uses the entry.
    TEditResult Delete(int index);
    void DeleteAll() { entries_.clear(); }
    // A click on a column: that column ascending, again: the other way round.
    void SortBy(int column);
    void SetDescending(bool descending);
    // Sorts by `column` in the direction already chosen (the list's menu, beside its Descending
    // item).
    void SetSortColumn(int column);

    // Adds entries read from a list file: each takes the next id; one with the same name,
    // country and city as an existing entry is skipped. Returns the number added.
    int Merge(const std::vector<TPersonEntry>& entries);

    // Replaces the tournament's list by the entries in their order.
    void ApplyTo(TTournament& t) const;

    static std::vector<TPersonEntry> FromTournament(TPeopleKind kind, const TTournament& t);

private:
    TEditResult CheckNumber(const QString& text, int& value, bool& given) const;
    QString ExistsMessage() const;
    void Resort();

    TPeopleKind kind_;
    const TTournament& t_;
    std::vector<TPersonEntry> entries_;
    int nextId_ = -1;
    int sortColumn_ = -1;
    bool descending_ = false;
};

} // namespace kv
