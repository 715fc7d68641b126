#include "render/table_layout.h"

#include "base/language.h"
#include "render/paint_tools.h"

#include <algorithm>
#include <cmath>

namespace kv {

namespace {

const TPlaceFont* PlaceOf(const TGroup& g, int place) {
    return place >= 1 && place <= static_cast<int>(g.PlaceFonts.size())
               ? &g.PlaceFonts[static_cast<size_t>(place - 1)]
               : nullptr;
}

} // namespace

int RowsPerTeam(const TTournament& t, const TGroup& g) {
    if (!t.View.Results) return 1;
    const int legs = std::clamp(g.Legs, 1, 64);
    return std::max(1, g.Style.ShowAwayResults ? legs : (legs + 1) / 2);
}

std::vector<TStandingsSection> ShownSections(const TTableView& v) {
    std::vector<TStandingsSection> sections;
    if (v.HStandings) sections.push_back({ScopeHome, LangText(5001, "Home")});
    if (v.AStandings) sections.push_back({ScopeAway, LangText(5002, "Away")});
    if (v.Standings) sections.push_back({ScopeOverall, LangText(5003, "Overall")});
    return sections;
}

int NaturalTableWidth(const TTournament& t, const TGroup& g) {
    const TTableDimensions& d = t.Dimensions;
    int sw = 0;
    for (const TTableColumn& c : t.Columns)
        sw += ToPixels(c.Width, d.Units);
    const int sections = static_cast<int>(ShownSections(t.View).size());
    return d.PlaceWidthPx() + d.TeamWidthPx() +
           (t.View.Results ? g.TeamCount() * d.ScoreWidthPx() : 0) + sw * sections + 1;
}

TTableLayout ComputeLayout(const TTournament& t, const TGroup& g) {
    const TTableDimensions& d = t.Dimensions;
    TTableLayout l;
    l.Teams = g.TeamCount();
    l.RowHeight = std::max(1, d.RowHeightPx());
    l.PlaceWidth = std::max(1, d.PlaceWidthPx());
    l.TeamWidth = std::max(1, d.TeamWidthPx());
    l.ScoreWidth = std::max(1, d.ScoreWidthPx());
    l.RowsPerTeam = RowsPerTeam(t, g);
    l.SubRowHeight =
        l.RowsPerTeam == 1 ? l.RowHeight : std::max(1, RoundEven(l.RowHeight * d.LineFactor));
    l.TeamRowHeight =
        t.View.Results && l.RowsPerTeam != 1 ? l.RowsPerTeam * l.SubRowHeight : l.RowHeight;
    l.TwoHeaderRows = t.View.HStandings || t.View.AStandings;
    l.HeaderHeight = l.TwoHeaderRows ? 2 * l.RowHeight : l.RowHeight;
    l.TableHeight = l.HeaderHeight + l.Teams * l.TeamRowHeight + (g.Style.BoldBorders ? 1 : 0) + 1;
    for (const TTableColumn& c : t.Columns) {
        l.ColumnWidths.push_back(std::max(1, ToPixels(c.Width, d.Units)));
        l.StandingsWidth += l.ColumnWidths.back();
    }
    l.StandingsSections = static_cast<int>(ShownSections(t.View).size());
    l.NaturalWidth = l.PlaceWidth + l.TeamWidth + (t.View.Results ? l.Teams * l.ScoreWidth : 0) +
                     l.StandingsWidth * l.StandingsSections + 1;
    l.PictureWidth = l.NaturalWidth;
    l.TeamColumnWidth = l.TeamWidth;
    // Widest-table justify widens the name column, and only while there is a grid beside it.
    if (t.View.Alignment == AlignWidest && t.View.Results) {
        int widest = l.NaturalWidth;
        for (const TGroup* other : t.ShownTables())
            widest = std::max(widest, NaturalTableWidth(t, *other));
        l.PictureWidth = widest;
        l.TeamColumnWidth += widest - l.NaturalWidth;
    }
    return l;
}

QString TeamDisplayName(const TTournament& t, const TGroup& g, const TTeam& team, int place) {
    const TTableView& v = t.View;
    QString name = v.ShowSymbol && !team.Symbol.isEmpty() ? team.Symbol : team.Name;
    if (v.ShowCity || v.ShowCountry) {
        QStringList parts;
        if (v.ShowCity && !team.City.isEmpty()) parts << team.City;
        if (v.ShowCountry && !team.Country.isEmpty()) parts << team.Country;
        if (!parts.isEmpty()) name += QStringLiteral(" (%1)").arg(parts.join(QStringLiteral(", ")));
    }
    const TPlaceFont* p = PlaceOf(g, place);
    const bool upper = team.SeparateFont ? team.UpperCase : (p && p->HasFont && p->UpperCase);
    return upper || team.UpperCase ? name.toUpper() : name;
}

bool TGridCells::Pack(int row, int column, int subRow, quint64& key) {
    constexpr int kLimit = 1 << 21;
    if (row < 0 || column < 0 || subRow < 0 || row >= kLimit || column >= kLimit ||
        subRow >= kLimit)
        return false;
    key = (static_cast<quint64>(row) << 42) | (static_cast<quint64>(column) << 21) |
          static_cast<quint64>(subRow);
    return true;
}

TGridCells::TGridCells(const TGroup& g) : g_(g) {
    cells_.reserve(static_cast<qsizetype>(g.Matches().size()) * 2);
    const bool byLeg = g.Style.ShowAwayResults;
    quint64 key = 0;
    for (const TMatch* m : g.Matches()) {
        const int position = byLeg ? m->Leg : m->GridPosition;
        if (Pack(m->HomeTeamId, m->VisitorTeamId, position, key) && !cells_.contains(key))
            cells_.insert(key, m);
        if (byLeg && Pack(m->VisitorTeamId, m->HomeTeamId, position, key) && !cells_.contains(key))
            cells_.insert(key, m);
    }
}

const TMatch* TGridCells::At(int rowTeamId, int columnTeamId, int subRow) const {
    quint64 key = 0;
    if (!Pack(rowTeamId, columnTeamId, subRow, key))
        return g_.MatchOfPairAtPosition(rowTeamId, columnTeamId, subRow, g_.Style.ShowAwayResults);
    return cells_.value(key, nullptr);
}

bool RowBackground(const TGroup& g, const TTeam& team, int place, TColor& color) {
    if (team.SeparateBackground) {
        color = team.BackgroundColor;
        return true;
    }
    if (const TPlaceFont* p = PlaceOf(g, place); p && p->HasColor) {
        color = p->Color;
        return true;
    }
    return false;
}

TFontData RowFont(const TGroup& g, const TTeam& team, int place) {
    if (team.SeparateFont) return WithStyleOf(g.Style.Font, team.Font);
    if (const TPlaceFont* p = PlaceOf(g, place); p && p->HasFont)
        return WithStyleOf(g.Style.Font, p->Font);
    return g.Style.Font;
}

bool RowHasOwnLook(const TGroup& g, const TTeam& team, int place) {
    TColor ignored = 0;
    const TPlaceFont* p = PlaceOf(g, place);
    return team.SeparateFont || (p && p->HasFont) || RowBackground(g, team, place, ignored);
}

} // namespace kv
