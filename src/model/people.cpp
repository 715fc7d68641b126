#include "model/people.h"

namespace kv {

QString LocationText(const QString& city, const QString& country) {
    if (city.isEmpty() && country.isEmpty()) return QString();
    if (city.isEmpty() || country.isEmpty())
        return QLatin1Char('(') + city + country + QLatin1Char(')');
    return QLatin1Char('(') + city + QStringLiteral(", ") + country + QLatin1Char(')');
}

QString DisplayText(const QString& name, const QString& city, const QString& country) {
    const QString location = LocationText(city, country);
    return location.isEmpty() ? name : name + QLatin1Char(' ') + location;
}

QString ChoiceText(const std::vector<TStadium>& list, const TStadium& s) {
    for (const TStadium& other : list)
        if (&other != &s && other.Name.compare(s.Name, Qt::CaseInsensitive) == 0)
            return DisplayText(s);
    return s.Name;
}

} // namespace kv
