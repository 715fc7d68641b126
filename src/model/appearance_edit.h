#pragma once

#include "model/tablestyle.h"
#include "model/tournament.h"

#include <QString>

#include <vector>

// The looks of all tables of a tournament as the appearance dialog edits them: a copy of each
// table's style and place fonts, and how teams are named. Applying gives the tournament the
// tables that changed.
namespace kv {

struct TTableLook {
    int Kind = 0; // a table kind: joint, group or division, conference
    int Id = -1;  // the group's id, the conference's id, -1 for the joint table
    QString Name;
    TGroupStyle Style;
    std::vector<TPlaceFont> PlaceFonts;

    bool operator==(const TTableLook&) const = default;
};

struct TAppearance {
    // The joint table, then the conference tables, then the groups or divisions.
    std::vector<TTableLook> Tables;
    bool ShowSymbol = false;
    bool ShowCity = false;
    bool ShowCountry = false;

    bool operator==(const TAppearance&) const = default;
    // The tables of one kind, in the tournament's order.
    std::vector<TTableLook*> OfKind(int kind);
    TTableLook& Joint() { return Tables.front(); }
    const TTableLook& Joint() const { return Tables.front(); }
};

TAppearance AppearanceOf(const TTournament& t);

// Whether the tournament has results of the kind a result colour paints: results after
// overtime only with overtime, results of shoot-outs only with shoot-outs.
bool ResultColorApplies(const TTournament& t, int result);

// Gives the tournament the edited looks: the styles and place fonts of the tables that changed,
// the team display, and every team's own font takes the name, character set and size of the
// joint table's font (keeping its colour and styles). False when nothing differed.
bool ApplyAppearance(TTournament& t, const TAppearance& a);

// Gives a table's style only what an edit changed from `before` to `after`, so that the
// table keeps what it has of its own elsewhere.
void ApplyStyleChange(TGroupStyle& style, const TGroupStyle& before, const TGroupStyle& after);

// Gives place i of a place style to every table that has more than i places; name, size and
// character set stay those of each table's font.
void ApplyPlaceStyle(const std::vector<TPlaceFont>& places, std::vector<TPlaceFont>& target,
                     const TFontData& tableFont);

// The text that shows how teams are named: "Team (City, Country)" with the chosen parts.
QString TeamDisplaySample(bool symbol, bool city, bool country);

} // namespace kv
