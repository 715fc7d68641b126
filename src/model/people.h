#pragma once

#include <QString>

#include <vector>

namespace kv {

// A stadium of the tournament's list; matches and teams refer to it by id.
struct TStadium {
    int Id = -1;
    QString Name;
    QString Country;
    QString City;
    int Capacity = -1; // -1: not given

    bool operator==(const TStadium&) const = default;
};

// A referee of the tournament's list; matches refer to referees by id.
struct TReferee {
    int Id = -1;
    QString Name;
    QString Country;
    QString City;
    int BirthYear = -1; // -1: not given

    bool operator==(const TReferee&) const = default;
};

// "(city, country)" with only the present parts; empty when both are empty.
QString LocationText(const QString& city, const QString& country);
// The name followed by one blank and the location text when there is one.
QString DisplayText(const QString& name, const QString& city, const QString& country);

inline QString DisplayText(const TStadium& s) {
    return DisplayText(s.Name, s.City, s.Country);
}
// How a stadium is offered where one is chosen: its name, or its display text where another
// stadium of the list has the same name (ignoring case), so that the two can be told apart.
QString ChoiceText(const std::vector<TStadium>& list, const TStadium& s);
inline QString DisplayText(const TReferee& r) {
    return DisplayText(r.Name, r.City, r.Country);
}

} // namespace kv
