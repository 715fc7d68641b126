#include "model/people_editor.h"

#include "base/language.h"
#include "base/textformat.h"

#include <QSet>

#include <algorithm>

namespace kv {

TPeopleEditor::TPeopleEditor(TPeopleKind kind, const TTournament& t)
    : kind_(kind), t_(t), entries_(FromTournament(kind, t)),
      nextId_((kind == TPeopleKind::Stadiums ? t.NextStadiumId() : t.NextRefereeId()) - 1) {}

std::vector<TPersonEntry> TPeopleEditor::FromTournament(TPeopleKind kind, const TTournament& t) {
    std::vector<TPersonEntry> out;
    if (kind == TPeopleKind::Stadiums) {
        for (const TStadium& s : t.Stadiums)
            out.push_back({s.Id, s.Name, s.Country, s.City, s.Capacity});
    } else {
        for (const TReferee& r : t.Referees)
            out.push_back({r.Id, r.Name, r.Country, r.City, r.BirthYear});
    }
    return out;
}

QString TPeopleEditor::ExistsMessage() const {
    return kind_ == TPeopleKind::Stadiums ? LangText(11014, "This stadium already exists")
                                          : LangText(11240, "This referee already exists");
}

TEditResult TPeopleEditor::CheckNumber(const QString& text, int& value, bool& given) const {
    given = !text.trimmed().isEmpty();
    value = -1;
    if (!given) return {};
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    if (!ok || value < 0)
        return {false,
                kind_ == TPeopleKind::Stadiums
                    ? LangText(11016, "Field 'Capacity' requires a positive integer number")
                    : LangText(11242, "Field 'Birth Year' requires a positive integer number"),
                true};
    return {};
}

TEditResult TPeopleEditor::Add(const QString& name, const QString& country, const QString& city,
                               const QString& number) {
    if (name.trimmed().isEmpty()) return {false, QString()};
    int value = -1;
    bool given = false;
    if (TEditResult r = CheckNumber(number, value, given); !r.Ok) return r;
    const TPersonEntry entry{nextId_ + 1, name, country, city, value};
    if (std::any_of(entries_.begin(), entries_.end(),
                    [&](const TPersonEntry& e) { return e.SamePlace(entry); }))
        return {false, ExistsMessage()};
    ++nextId_;
    entries_.push_back(entry);
    sortColumn_ = -1;
    return {};
}

TEditResult TPeopleEditor::Replace(int index, const QString& name, const QString& country,
                                   const QString& city, const QString& number) {
    if (index < 0 || index >= static_cast<int>(entries_.size()) || name.trimmed().isEmpty())
        return {false, QString()};
    int value = -1;
    bool given = false;
    if (TEditResult r = CheckNumber(number, value, given); !r.Ok) return r;
    TPersonEntry& target = entries_[static_cast<size_t>(index)];
    const TPersonEntry changed{target.Id, name, country, city, value};
    for (size_t i = 0; i < entries_.size(); ++i)
        if (static_cast<int>(i) != index && entries_[i].SamePlace(changed))
            return {false, ExistsMessage()};
    target.Name = name;
    target.Country = country;
    target.City = city;
    // A blank birth year leaves the referee's year as it was.
    if (given || kind_ == TPeopleKind::Stadiums) target.Number = value;
    sortColumn_ = -1;
    return {};
}

TEditResult TPeopleEditor::Delete(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return {false, QString()};
    const int id = entries_[static_cast<size_t>(index)].Id;
    for (const auto& g : t_.Groups()) {
        for (const TMatch* m : g->Matches()) {
            if (kind_ == TPeopleKind::Stadiums && m->StadiumId == id)
                return {false, LangText(11015, "This stadium cannot be deleted because one or more "
                                               "matches were played there")};
            if (kind_ == TPeopleKind::Referees && m->RefereeIds.contains(id))
                return {false, LangText(11241, "This referee cannot be deleted because the referee "
                                               "served one or more matches")};
        }
    }
    // A team's home stadium stays until the team has another.
    if (kind_ == TPeopleKind::Stadiums)
        for (const TTeam* team : t_.JointTable().Teams())
            if (team->HomeStadiumId == id)
                return {
                    false,
                    Fmt(LangText(
                            11035,
                            "This stadium cannot be deleted because it is the home stadium of %s"),
                        team->Name)};
    entries_.erase(entries_.begin() + index);
    return {};
}

void TPeopleEditor::Resort() {
    if (sortColumn_ < 0) return;
    const int column = sortColumn_;
    const bool descending = descending_;
    std::stable_sort(entries_.begin(), entries_.end(),
                     [&](const TPersonEntry& a, const TPersonEntry& b) {
                         int c = 0;
                         switch (column) {
                         case PeopleByCountry:
                             c = a.Country.compare(b.Country, Qt::CaseInsensitive);
                             break;
                         case PeopleByCity:
                             c = a.City.compare(b.City, Qt::CaseInsensitive);
                             break;
                         case PeopleByNumber:
                             c = a.Number < b.Number ? -1 : (a.Number > b.Number ? 1 : 0);
                             break;
                         default:
                             break;
                         }
                         if (c == 0) c = a.Name.compare(b.Name, Qt::CaseInsensitive);
                         return descending ? c > 0 : c < 0;
                     });
}

void TPeopleEditor::SortBy(int column) {
    descending_ = column == sortColumn_ ? !descending_ : false;
    sortColumn_ = column;
    Resort();
}

void TPeopleEditor::SetSortColumn(int column) {
    sortColumn_ = column;
    Resort();
}

void TPeopleEditor::SetDescending(bool descending) {
    descending_ = descending;
    Resort();
}

int TPeopleEditor::Merge(const std::vector<TPersonEntry>& entries) {
    // The places held so far, looked up at once: a list file may hold a great many.
    const auto key = [](const TPersonEntry& x) {
        return x.Name + QChar(0) + x.Country + QChar(0) + x.City;
    };
    QSet<QString> held;
    held.reserve(static_cast<qsizetype>(entries_.size()));
    for (const TPersonEntry& x : entries_)
        held.insert(key(x));
    int added = 0;
    for (const TPersonEntry& e : entries) {
        ++nextId_;
        if (held.contains(key(e))) continue;
        held.insert(key(e));
        TPersonEntry copy = e;
        copy.Id = nextId_;
        entries_.push_back(copy);
        ++added;
    }
    return added;
}

void TPeopleEditor::ApplyTo(TTournament& t) const {
    if (kind_ == TPeopleKind::Stadiums) {
        t.Stadiums.clear();
        for (const TPersonEntry& e : entries_)
            t.Stadiums.push_back({e.Id, e.Name, e.Country, e.City, e.Number});
    } else {
        t.Referees.clear();
        for (const TPersonEntry& e : entries_)
            t.Referees.push_back({e.Id, e.Name, e.Country, e.City, e.Number});
    }
    t.IsModified = true;
}

} // namespace kv
