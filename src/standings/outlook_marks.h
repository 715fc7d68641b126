#pragma once

#include "model/tournament.h"

#include <QString>

#include <vector>

// What the outlook says in words and marks: "Can still finish 1st to 4th", "Champion"; "C" for
// a champion, its place for a team whose place is decided, and a band's mark for a team sure
// to end inside a run of places styled alike (promotion, relegation).
namespace kv {

// A place in words: "1st", "2nd", "23rd".
QString PlaceOrdinal(int place);

// "Champion", "Will finish 20th" or "Can still finish 1st to 4th"; empty while unknown.
QString OutlookWords(const TPlaceOutlook& outlook);

// A run of places the table styles alike, 1-based and inclusive.
struct TPlaceBand {
    int First = 0;
    int Last = 0;

    bool operator==(const TPlaceBand&) const = default;
};
// The table's bands: every longest run of consecutive places with the same font or colour,
// leaving out places without a style of their own.
std::vector<TPlaceBand> PlaceBands(const TGroup& table);

// The mark of an outlook in a table: "C" for a sure champion, the place when another place is
// sure, else the mark of the band the whole range lies in ("Q" in the table's upper half, "R"
// in its lower half); empty when nothing is decided or the outlook is unknown.
QString OutlookMark(const TGroup& table, const TPlaceOutlook& outlook);
// The mark of a team in the table whose figures it holds now.
QString TeamMark(const TGroup& table, const TTeam& team);

} // namespace kv
