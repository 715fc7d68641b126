#include "standings/outlook_marks.h"

#include "base/language.h"
#include "standings/team_values.h"

namespace kv {

QString PlaceOrdinal(int place) {
    const int lastTwo = place % 100;
    const int last = place % 10;
    QString pattern;
    if (lastTwo >= 11 && lastTwo <= 13)
        pattern = LangText(5903, "%1th");
    else if (last == 1)
        pattern = LangText(5900, "%1st");
    else if (last == 2)
        pattern = LangText(5901, "%1nd");
    else if (last == 3)
        pattern = LangText(5902, "%1rd");
    else
        pattern = LangText(5903, "%1th");
    return pattern.arg(place);
}

QString OutlookWords(const TPlaceOutlook& outlook) {
    if (!outlook.Known()) return QString();
    if (outlook.Best == outlook.Worst)
        return outlook.Best == 1 ? LangText(5904, "Champion")
                                 : LangText(5905, "Will finish %1").arg(PlaceOrdinal(outlook.Best));
    return LangText(5906, "Can still finish %1 to %2")
        .arg(PlaceOrdinal(outlook.Best), PlaceOrdinal(outlook.Worst));
}

std::vector<TPlaceBand> PlaceBands(const TGroup& table) {
    std::vector<TPlaceBand> bands;
    const std::vector<TPlaceFont>& places = table.PlaceFonts;
    const int n = std::min(static_cast<int>(places.size()), static_cast<int>(table.Teams().size()));
    for (int i = 0; i < n;) {
        const TPlaceFont& style = places[static_cast<size_t>(i)];
        int j = i + 1;
        while (j < n && places[static_cast<size_t>(j)] == style)
            ++j;
        if (style.HasColor || style.HasFont) bands.push_back({i + 1, j});
        i = j;
    }
    return bands;
}

QString OutlookMark(const TGroup& table, const TPlaceOutlook& outlook) {
    if (!outlook.Known()) return QString();
    if (outlook.Best == outlook.Worst)
        return outlook.Best == 1 ? LangText(5907, "C") : QString::number(outlook.Best);
    const int teams = static_cast<int>(table.Teams().size());
    for (const TPlaceBand& band : PlaceBands(table))
        if (outlook.Best >= band.First && outlook.Worst <= band.Last)
            return 2 * (band.First - 1) < teams ? LangText(5908, "Q") : LangText(5909, "R");
    return QString();
}

QString TeamMark(const TGroup& table, const TTeam& team) {
    return OutlookMark(table, CurrentOutlook(team));
}

} // namespace kv
