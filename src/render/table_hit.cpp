#include "render/table_hit.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/textformat.h"
#include "standings/column_catalog.h"
#include "standings/outlook_marks.h"
#include "standings/ranking.h"
#include "standings/team_values.h"

#include <algorithm>

namespace kv {

namespace {

// Left edges of the picture's parts; each part shares its first pixel column with the
// line that ends the part before it, as the painter draws them.
struct TEdges {
    int Team;     // the team-name column
    int Grid;     // the results grid (the standings when there is none)
    int Sections; // the first standings section
};

TEdges EdgesOf(const TTournament& t, const TTableLayout& l) {
    TEdges e;
    e.Team = l.PlaceWidth;
    e.Grid = l.PlaceWidth + l.TeamColumnWidth;
    e.Sections = e.Grid + (t.View.Results ? l.Teams * l.ScoreWidth : 0);
    return e;
}

} // namespace

TTableHit HitTestTable(const TTournament& t, const TGroup& g, const TTableLayout& l, QPoint p) {
    TTableHit hit;
    if (p.x() < 0 || p.y() < 0 || p.x() >= l.PictureWidth || p.y() >= l.TableHeight) return hit;
    const TEdges e = EdgesOf(t, l);
    const bool heading = p.y() < l.HeaderHeight;
    const bool lowerHeading = heading && (!l.TwoHeaderRows || p.y() >= l.RowHeight);
    const auto& teams = g.Teams();
    if (!heading) {
        hit.Row = std::min((p.y() - l.HeaderHeight) / std::max(1, l.TeamRowHeight),
                           static_cast<int>(teams.size()) - 1);
        if (hit.Row < 0 || hit.Row >= static_cast<int>(teams.size())) return TTableHit{};
        hit.RowTeam = teams[static_cast<size_t>(hit.Row)];
        const int inRow = p.y() - l.HeaderHeight - hit.Row * l.TeamRowHeight;
        hit.Line = std::clamp(inRow / std::max(1, l.SubRowHeight) + 1, 1, l.RowsPerTeam);
    }
    if (p.x() < e.Team) {
        hit.Region = heading ? TTableRegion::PlaceHeading : TTableRegion::Place;
        return hit;
    }
    if (p.x() < e.Grid) {
        hit.Region = heading ? TTableRegion::Title : TTableRegion::TeamName;
        return hit;
    }
    if (p.x() < e.Sections) {
        hit.Column = std::min((p.x() - e.Grid) / std::max(1, l.ScoreWidth),
                              static_cast<int>(teams.size()) - 1);
        if (hit.Column < 0) return TTableHit{};
        hit.ColumnTeam = teams[static_cast<size_t>(hit.Column)];
        if (heading)
            hit.Region = TTableRegion::ColumnTeam;
        else
            hit.Region = hit.Column == hit.Row ? TTableRegion::Diagonal : TTableRegion::ResultCell;
        return hit;
    }
    const std::vector<TStandingsSection> sections = ShownSections(t.View);
    const int section = l.StandingsWidth > 0 ? (p.x() - e.Sections) / l.StandingsWidth : 0;
    if (section < 0 || section >= static_cast<int>(sections.size())) return TTableHit{};
    int x = e.Sections + section * l.StandingsWidth;
    hit.Scope = sections[static_cast<size_t>(section)].Scope;
    for (size_t i = 0; i < l.ColumnWidths.size(); ++i) {
        if (p.x() < x + l.ColumnWidths[i] || i + 1 == l.ColumnWidths.size()) {
            hit.Column = static_cast<int>(i);
            hit.ColumnId = i < t.Columns.size() ? t.Columns[i].Id : -1;
            break;
        }
        x += l.ColumnWidths[i];
    }
    if (heading)
        hit.Region = lowerHeading ? TTableRegion::ColumnHeading : TTableRegion::SectionHeading;
    else
        hit.Region = TTableRegion::Standings;
    return hit;
}

QPoint ResultCellCentre(const TTableLayout& l, int row, int column, int line) {
    const int x = l.PlaceWidth + l.TeamColumnWidth + column * l.ScoreWidth + l.ScoreWidth / 2;
    const int y =
        l.HeaderHeight + row * l.TeamRowHeight + (line - 1) * l.SubRowHeight + l.SubRowHeight / 2;
    return {x, y};
}

QPoint TeamNameCentre(const TTableLayout& l, int row) {
    return {l.PlaceWidth + l.TeamColumnWidth / 2,
            l.HeaderHeight + row * l.TeamRowHeight + l.TeamRowHeight / 2};
}

QPoint ColumnHeadingCentre(const TTournament& t, const TTableLayout& l, int scope,
                           int columnIndex) {
    const TEdges e = EdgesOf(t, l);
    const std::vector<TStandingsSection> sections = ShownSections(t.View);
    int section = 0;
    for (size_t i = 0; i < sections.size(); ++i)
        if (sections[i].Scope == scope) section = static_cast<int>(i);
    int x = e.Sections + section * l.StandingsWidth;
    for (int i = 0; i < columnIndex && i < static_cast<int>(l.ColumnWidths.size()); ++i)
        x += l.ColumnWidths[static_cast<size_t>(i)];
    const int width = columnIndex < static_cast<int>(l.ColumnWidths.size())
                          ? l.ColumnWidths[static_cast<size_t>(columnIndex)]
                          : 0;
    const int y = l.TwoHeaderRows ? l.RowHeight + l.RowHeight / 2 : l.RowHeight / 2;
    return {x + width / 2, y};
}

QPoint PlaceHeadingCentre(const TTableLayout& l) {
    return {l.PlaceWidth / 2, l.HeaderHeight / 2};
}

QPoint TitleCentre(const TTableLayout& l) {
    return {l.PlaceWidth + l.TeamColumnWidth / 2, l.RowHeight / 2};
}

int ResultCellLeg(const TGroup& g, const TTeam& rowTeam, const TTeam& columnTeam, int line) {
    const TGridCells cells(g);
    if (const TMatch* m = cells.At(rowTeam.Id, columnTeam.Id, line)) return m->Leg;
    if (g.Style.ShowAwayResults) return line;
    // Home matches by position: the position's own leg (2 × line − 1) when the pair has it
    // free, else the first free leg after it, else the last one before it. A line beyond the
    // pair's home matches stands for a leg beyond its legs.
    const int legs = g.Tournament ? g.Tournament->LegsOfPair(rowTeam.Id, columnTeam.Id) : g.Legs;
    const int own = 2 * line - 1;
    if (line > (legs + 1) / 2) return own;
    const auto free = [&](int leg) {
        return g.Tournament ? !g.Tournament->MatchOfPairInLeg(rowTeam.Id, columnTeam.Id, leg)
                            : !g.MatchOfPairInLeg(rowTeam.Id, columnTeam.Id, leg);
    };
    for (int leg = own; leg <= legs; ++leg)
        if (free(leg)) return leg;
    for (int leg = own - 1; leg >= 1; --leg)
        if (free(leg)) return leg;
    return -1;
}

bool ProposedRowAtHome(const TTournament& t, const TGroup& g, const TTeam& rowTeam,
                       const TTeam& columnTeam) {
    (void)t;
    // The short grid view holds only the row team's home matches.
    if (!g.Style.ShowAwayResults) return true;
    // The full view balances the venues: the row team hosts while it has fewer home matches
    // against the column team than (legs + 1) / 2.
    int hosted = 0;
    for (const TMatch* m : g.Matches())
        if (m->HomeTeamId == rowTeam.Id && m->VisitorTeamId == columnTeam.Id) ++hosted;
    return hosted < (std::max(1, g.Legs) + 1) / 2;
}

TCellPermission ResultCellPermission(const TTournament& t, const TTeam& rowTeam,
                                     const TTeam& columnTeam, int line) {
    if (t.View.TableMode == TableModeGroups) return {};
    const TGroup* a = t.GroupOfTeam(rowTeam.Id);
    const TGroup* b = t.GroupOfTeam(columnTeam.Id);
    if (!a || !b || a == b) return {};
    if (!t.HasConferences())
        return {false, LangText(6502, "Cannot enter score into this cell. Teams from different "
                                      "groups cannot play against each other.")};
    if (a->ConferenceId == b->ConferenceId) {
        if (line <= t.ConferenceLegs) return {};
        return {false, Fmt(LangText(6501, "Cannot enter score into this cell. Teams from different "
                                          "divisions play %d time(s) against each other."),
                           t.ConferenceLegs)};
    }
    if (line <= t.InterConferenceLegs) return {};
    return {false, Fmt(LangText(6500, "Cannot enter score into this cell. Teams from different "
                                      "conferences play %d time(s) against each other."),
                       t.InterConferenceLegs)};
}

TCellPermission ResultCellAccess(const TTournament& t, const TGroup& g, const TTeam& rowTeam,
                                 const TTeam& columnTeam, int line) {
    const int leg = ResultCellLeg(g, rowTeam, columnTeam, line);
    const TCellPermission permission = ResultCellPermission(t, rowTeam, columnTeam, leg);
    if (!permission.Allowed) return permission;
    // A match the cell holds can always be edited; a new one needs a leg the pair has free,
    // and in the short grid a home match the row team may still play.
    if (TGridCells(g).At(rowTeam.Id, columnTeam.Id, line)) return permission;
    const int legs = t.LegsOfPair(rowTeam.Id, columnTeam.Id);
    if (leg < 1 || leg > legs || t.MatchOfPairInLeg(rowTeam.Id, columnTeam.Id, leg))
        return {false,
                Fmt(LangText(2033, "Invalid match leg. A valid leg for this fixtures is 1 to %d"),
                    legs)};
    if (!g.Style.ShowAwayResults && !t.MayHost(rowTeam.Id, columnTeam.Id))
        return {false, Fmt(LangText(2035, "The tournament already contains all possible home "
                                          "fixtures of '%s' against '%s'"),
                           rowTeam.Name, columnTeam.Name)};
    return permission;
}

namespace {

QString TeamHint(const TTournament& t, const TGroup& g, const TTeam& team) {
    QStringList lines{
        team.Symbol.isEmpty() ? team.Name : QStringLiteral("%1 (%2)").arg(team.Name, team.Symbol)};
    QStringList place;
    if (!team.City.isEmpty()) place << team.City;
    if (!team.Country.isEmpty()) place << team.Country;
    if (!place.isEmpty()) lines << place.join(QStringLiteral(", "));
    if (!team.MainCoach.isEmpty()) lines << team.MainCoach;
    // What the rest of the season can still bring it in this table.
    const QString outlook = OutlookWords(OutlookIn(team, g.Kind));
    if (!outlook.isEmpty()) lines << outlook;
    // Why the team stands above the next one, while the table is ranked by its criteria.
    if (t.SortState.Column == -1) {
        const TStandingsOrder order = RankStandings(t, g, g.Teams(), t.SortState.Venue);
        const auto at = std::find(order.Teams.begin(), order.Teams.end(), &team);
        if (at != order.Teams.end()) {
            const QString why =
                PlaceReasonText(t, order.Reasons[static_cast<size_t>(at - order.Teams.begin())]);
            if (!why.isEmpty()) lines << why;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString ResultHint(const TTournament& t, const TGroup& g, const TTableHit& hit) {
    if (!ResultCellAccess(t, g, *hit.RowTeam, *hit.ColumnTeam, hit.Line).Allowed)
        return LangText(6503, "Cannot edit this cell");
    const TGridCells cells(g);
    const TMatch* m = cells.At(hit.RowTeam->Id, hit.ColumnTeam->Id, hit.Line);
    if (m) {
        TPairingOptions options;
        options.WithDate = PrefBool("", "ShowMatchDate");
        options.WithScore = true;
        options.WithComments = !g.Style.ShowAwayResults && PrefBool("", "ShowMatchComments");
        QString text = t.PairingText(*m, options);
        if (PrefBool("", "ShowFullScore") && m->Played) {
            const QString full = m->GetFullScoreText(PrefHostFirst(), true);
            if (full != m->GetScoreText(PrefHostFirst(), true)) text += QLatin1Char('\n') + full;
        }
        return text;
    }
    const bool rowAtHome = ProposedRowAtHome(t, g, *hit.RowTeam, *hit.ColumnTeam);
    const TTeam& home = rowAtHome ? *hit.RowTeam : *hit.ColumnTeam;
    const TTeam& visitor = rowAtHome ? *hit.ColumnTeam : *hit.RowTeam;
    const bool hostFirst = PrefHostFirst();
    const QString& first = hostFirst ? home.Name : visitor.Name;
    const QString& second = hostFirst ? visitor.Name : home.Name;
    return first + QLatin1Char(' ') + PrefMatchSep() + QLatin1Char(' ') + second;
}

} // namespace

QString TableHint(const TTournament& t, const TGroup& g, const TTableHit& hit) {
    switch (hit.Region) {
    case TTableRegion::Title:
        return g.Kind == KindJoint ? QString() : g.Name;
    case TTableRegion::ColumnTeam:
        return hit.ColumnTeam ? TeamHint(t, g, *hit.ColumnTeam) : QString();
    case TTableRegion::TeamName:
    case TTableRegion::Diagonal:
        return hit.RowTeam ? TeamHint(t, g, *hit.RowTeam) : QString();
    case TTableRegion::ResultCell:
        return hit.RowTeam && hit.ColumnTeam ? ResultHint(t, g, hit) : QString();
    case TTableRegion::PlaceHeading: {
        if (t.SortState == TSortState{}) return QString();
        const QString back = LangText(6507, "Back to the tournament's order");
        return back + QLatin1Char('|') + back + QStringLiteral(" - ") + LangText(6508, "click");
    }
    case TTableRegion::ColumnHeading: {
        if (hit.ColumnId < 0) return QString();
        const QString name = ColumnFullName(hit.ColumnId, t);
        return name + QLatin1Char('|') + name + QStringLiteral(" - ") +
               LangText(6505, "click to sort");
    }
    default:
        return QString();
    }
}

int TableCursor(const TTournament& t, const TGroup& g, const TTableHit& hit) {
    switch (hit.Region) {
    case TTableRegion::ColumnTeam:
    case TTableRegion::TeamName:
    case TTableRegion::Diagonal:
        return 5;
    case TTableRegion::ResultCell:
        return hit.RowTeam && hit.ColumnTeam &&
                       ResultCellAccess(t, g, *hit.RowTeam, *hit.ColumnTeam, hit.Line).Allowed
                   ? 6
                   : 0;
    case TTableRegion::ColumnHeading:
        return hit.ColumnId >= 0 ? 7 : 0;
    case TTableRegion::PlaceHeading:
        return t.SortState == TSortState{} ? 0 : 7;
    default:
        return 0;
    }
}

} // namespace kv
