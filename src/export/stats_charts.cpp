#include "export/stats_charts.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/textformat.h"
#include "model/columns.h"
#include "standings/column_catalog.h"
#include "standings/match_order.h"
#include "standings/ranking.h"
#include "standings/statistics.h"
#include "standings/team_values.h"
#include "standings/tournament_setup.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kv {

namespace {

int ScopeOf(TStatsVenue v) {
    return v == TStatsVenue::Home ? ScopeHome : v == TStatsVenue::Away ? ScopeAway : ScopeOverall;
}

// Column of a basic statistics grid for a venue: Holders / Home, Visitors / Away, Overall.
int GridColumnOf(TStatsVenue v) {
    return v == TStatsVenue::Home ? 1 : v == TStatsVenue::Away ? 2 : 3;
}

QString TableVenueWord(TStatsVenue v) {
    switch (v) {
    case TStatsVenue::Home:
        return LangText(5808, "Holders");
    case TStatsVenue::Away:
        return LangText(5809, "Visitors");
    default:
        return LangText(5810, "Overall");
    }
}

QString TeamVenueWord(TStatsVenue v) {
    switch (v) {
    case TStatsVenue::Home:
        return LangText(5811, "Home");
    case TStatsVenue::Away:
        return LangText(5812, "Away");
    default:
        return LangText(5810, "Overall");
    }
}

void AddBar(TChartData& c, const QString& label, double value) {
    if (c.Series.isEmpty()) c.Series << TChartSeries{};
    c.Categories << label;
    c.Series.first().Values << value;
}

TChartData BasicChart(const TTournament& t, const TStatsScope& scope, const TStatsGrid& grid,
                      int row, const TStatsChartChoice& choice) {
    TChartData c;
    c.Kind = TChartData::Bars;
    if (row < 0 || row >= grid.RowCount()) return c;
    const int key = grid.RowKeys.at(row);
    const TCompare compare = grid.TeamScope ? TCompare::Teams : choice.Compare;
    const QString word =
        compare == TCompare::Teams ? TeamVenueWord(choice.Basic) : TableVenueWord(choice.Basic);
    c.Title =
        Fmt(QStringLiteral("%s - %s\n%s"), grid.Data.Cell(row, 0), word.toLower(), scope.Caption);
    c.Series << TChartSeries{grid.Data.Cell(row, 0), {}, {}, {}, {}, -1};
    const int column = GridColumnOf(choice.Basic);
    const auto tableBar = [&](const TGroup& table, const QString& name) {
        const TStatsGrid g = BasicTableGrid(t, table);
        const int at = g.RowOfKey(key);
        AddBar(c, name, at >= 0 ? g.Data.Value(at, column) : 0);
    };
    if (compare == TCompare::Conferences) {
        for (const auto& conf : t.Conferences())
            tableBar(*conf->Table(), conf->Name);
    } else if (compare == TCompare::Groups) {
        for (const auto& g : t.Groups())
            tableBar(*g, g->Name);
    } else {
        const TGroup* table = ScopeTable(t, scope);
        if (!table) return c;
        PrepareTable(t, *table);
        for (const TTeam* team : table->Teams()) {
            const double v = grid.TeamScope ? ColumnValue(t, *team, key, ScopeOf(choice.Basic))
                                            : TeamBasicValue(t, *team, key, choice.Basic);
            AddBar(c, team->Name, std::isfinite(v) ? v : 0);
        }
    }
    return c;
}

TChartData ScoresChart(const TStatsScope& scope, const TStatsGrid& grid, TStatsVenue venue) {
    TChartData c;
    c.Kind = TChartData::Bars;
    c.Title =
        LangText(5852, "Scores Histogram") +
        (grid.TeamScope ? QStringLiteral(" - ") + TeamVenueWord(venue).toLower() : QString()) +
        QLatin1Char('\n') + scope.Caption;
    c.LeftTitle = LangText(5851, "Occurrencies");
    c.BottomTitle = LangText(5853, "Scores");
    c.Series << TChartSeries{LangText(5851, "Occurrencies"), {}, {}, {}, {}, -1};
    for (int row = 0; row < grid.RowCount(); ++row) {
        const TStatsScore& s = grid.Scores.at(grid.RowKeys.at(row));
        const int count = venue == TStatsVenue::Home   ? s.HomeCount
                          : venue == TStatsVenue::Away ? s.AwayCount
                                                       : s.HomeCount + s.AwayCount;
        if (count != 0) AddBar(c, grid.Data.Cell(row, 0), count);
    }
    return c;
}

TChartData RefereesChart(const TTournament& t, const TStatsScope& scope, const TStatsGrid& grid,
                         TRefereeRole role) {
    TChartData c;
    c.Kind = TChartData::Bars;
    const int column = role == TRefereeRole::Main ? 1 : role == TRefereeRole::Assistant ? 2 : 3;
    c.Title = LangText(5864, "Referees. Matches served") + QStringLiteral(" - ") +
              grid.Data.Captions.value(column).toLower() + QLatin1Char('\n') + scope.Caption;
    c.LeftTitle = LangText(5865, "Matches");
    c.BottomTitle = LangText(5866, "Referees");
    c.Series << TChartSeries{LangText(5865, "Matches"), {}, {}, {}, {}, -1};
    for (int row = 0; row < grid.RowCount(); ++row)
        if (t.RefereeById(grid.RowKeys.at(row)))
            AddBar(c, grid.Data.Cell(row, 0), grid.Data.Value(row, column));
    return c;
}

// What a line's end says of its team: the team's symbol, else the initials of its name (or
// the first letters of a one-word name).
QString EndLabelOf(const TTeam& team) {
    if (!team.Symbol.trimmed().isEmpty()) return team.Symbol.trimmed();
    const QStringList words = team.Name.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() == 1) return words.front().left(3).toUpper();
    QString initials;
    for (const QString& w : words.mid(0, 3))
        initials += w.front().toUpper();
    return initials;
}

TChartData ProgressChart(const TTournament& t, const TStatsScope& scope, const TStatsGrid& grid,
                         int row) {
    TChartData c;
    c.Kind = TChartData::Lines;
    const bool byDate = grid.Kind == TStatsKind::ByDate;
    c.Title = (byDate ? LangText(5838, "Points Progress by Dates")
                      : LangText(5836, "Points Progress by Matchdays")) +
              QLatin1Char('\n') + scope.Caption;
    c.LeftTitle = LangText(5835, "Points");
    c.BottomTitle = byDate ? LangText(5839, "Dates") : LangText(5837, "Matchdays");
    for (int col = 1; col < grid.Data.ColumnCount(); ++col) {
        c.XTicks << grid.ColumnKeys.value(col);
        c.XTickLabels << grid.Data.Captions.at(col);
    }
    // The lines (and so the legend) in the order of the places, whatever the grid's sort.
    std::vector<int> rows(static_cast<size_t>(grid.RowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    if (const TGroup* table = ScopeTable(t, scope)) {
        std::vector<const TTeam*> ranked = ListOf(table->Teams());
        OrderByStandings(t, *table, ranked, ScopeOverall);
        const auto placeOf = [&](int r) {
            const int id = grid.RowKeys.value(r);
            const auto at = std::find_if(ranked.begin(), ranked.end(),
                                         [id](const TTeam* team) { return team->Id == id; });
            return static_cast<int>(at - ranked.begin());
        };
        std::stable_sort(rows.begin(), rows.end(),
                         [&](int a, int b) { return placeOf(a) < placeOf(b); });
    }
    const int chosen = row >= 0 && row < grid.RowCount() ? grid.RowKeys.value(row) : -1;
    for (const int r : rows) {
        TChartSeries series;
        series.Title = grid.Data.Cell(r, 0);
        series.Key = grid.RowKeys.value(r);
        if (const TTeam* team = t.JointTable().TeamById(series.Key))
            series.EndLabel = EndLabelOf(*team);
        for (int col = 1; col < grid.Data.ColumnCount(); ++col) {
            const double v = grid.Data.Value(r, col);
            if (std::isnan(v)) continue;
            const double x = grid.ColumnKeys.value(col);
            series.Points << TChartPoint{x, v,
                                         byDate ? ShortDateText(x) : grid.Data.Captions.at(col)};
        }
        if (series.Key == chosen && grid.RowCount() > 1)
            c.Highlight = static_cast<int>(c.Series.size());
        c.Series << series;
    }
    return c;
}

bool InVenue(const TMatch& m, int teamId, TStatsVenue venue) {
    if (venue == TStatsVenue::Home) return m.HomeTeamId == teamId;
    if (venue == TStatsVenue::Away) return m.VisitorTeamId == teamId;
    return m.HomeTeamId == teamId || m.VisitorTeamId == teamId;
}

} // namespace

double TeamBasicValue(const TTournament& t, const TTeam& team, int basicRow, TStatsVenue venue) {
    const int scope = ScopeOf(venue);
    const TVenueStats v = VenueStats(team.Stats, scope);
    const int played = v.Played();
    switch (basicRow) {
    case RowPlayed:
        return played;
    case RowMaxMatches: {
        const TGroup* g = t.GroupOfTeam(team.Id);
        const double all = g ? double(g->TeamCount() - 1) * g->Legs : 0;
        return venue == TStatsVenue::Overall ? all : all / 2;
    }
    case RowWon:
        return v.Wins + v.OTWins;
    case RowWonOT:
        return v.OTWins;
    case RowWonNormal:
        return v.Wins;
    case RowDrawn:
        return v.TotalDrawn();
    case RowDecidedOT:
        return v.OTWins + v.OTDraws + v.OTLosses;
    case RowGoals:
        return GoalsFor(team, scope);
    case RowPoints:
        return Points(t, team, scope);
    case RowAveragePoints:
        return PerMatch(Points(t, team, scope), played);
    case RowAttendance:
        return static_cast<double>(v.AttendanceSum);
    case RowAverageAttendance:
        return std::round(PerMatch(static_cast<double>(v.AttendanceSum), played));
    default:
        return 0;
    }
}

TChartData StatsChart(const TTournament& t, const TStatsScope& scope, const TStatsGrid& grid,
                      int row, const TStatsChartChoice& choice) {
    switch (grid.Kind) {
    case TStatsKind::Basic:
        return BasicChart(t, scope, grid, row, choice);
    case TStatsKind::Scores:
        return ScoresChart(scope, grid, choice.Scores);
    case TStatsKind::Referees:
        return RefereesChart(t, scope, grid, choice.Role);
    case TStatsKind::ByMatchday:
    case TStatsKind::ByDate:
        return ProgressChart(t, scope, grid, row);
    case TStatsKind::Progress:
        break;
    }
    return {};
}

TChartData TeamChart(const TTournament& t, const TTeam& team, TTeamChartKind kind, bool byDate,
                     TStatsVenue venue) {
    TChartData c;
    c.Title = Fmt(QStringLiteral("%s - %s"), t.Name, team.Name);
    const QString axis = byDate ? LangText(5839, "Dates") : LangText(5837, "Matchdays");
    std::vector<const TMatch*> matches = ListOf(t.JointTable().Matches());
    OrderMatches(matches, {byDate ? MatchKeyDate : MatchKeyMatchday}, false);
    const auto keyOf = [byDate](const TMatch& m) {
        return byDate ? DayPart(m.Date) : double(m.Matchday);
    };
    const auto hasKey = [byDate](const TMatch& m) { return byDate ? m.HasDate : m.HasMatchday(); };
    const auto label = [byDate](double key) {
        return byDate ? ShortDateText(key) : QString::number(key);
    };
    switch (kind) {
    case TTeamChartKind::Points: {
        c.Kind = TChartData::Lines;
        c.LeftTitle = LangText(5835, "Points");
        c.BottomTitle = axis;
        TChartSeries series;
        series.Title = team.Name;
        double total = 0;
        for (const TMatch* m : matches) {
            if (!m->Played || !hasKey(*m) || !InVenue(*m, team.Id, venue)) continue;
            total += PointsInMatch(t, *m, team.Id);
            const double key = keyOf(*m);
            if (!series.Points.isEmpty() && series.Points.last().X == key) {
                series.Points.last().Y = total;
                continue;
            }
            series.Points << TChartPoint{key, total, label(key)};
            c.XTicks << key;
            c.XTickLabels << (byDate ? DateCaptionWithoutYear(key) : QString::number(key));
        }
        c.Series << series;
        break;
    }
    case TTeamChartKind::Attendance:
        c.LeftTitle = LangText(5827, "Attendance");
        c.BottomTitle = axis;
        c.Series << TChartSeries{LangText(5827, "Attendance"), {}, {}, {}, {}, -1};
        for (const TMatch* m : matches)
            if (m->Played && m->HasAttendance() && hasKey(*m) && InVenue(*m, team.Id, venue))
                AddBar(c, byDate ? DateCaptionWithoutYear(keyOf(*m)) : label(keyOf(*m)),
                       m->Attendance);
        break;
    case TTeamChartKind::Scores: {
        c.LeftTitle = LangText(5851, "Occurrencies");
        c.BottomTitle = LangText(5853, "Scores");
        TStatsGrid grid =
            BuildStatsGrid(t, TStatsKind::Scores, {TScopeKind::Team, team.Id, 0, team.Name});
        c.Series << TChartSeries{LangText(5851, "Occurrencies"), {}, {}, {}, {}, -1};
        for (int row = 0; row < grid.RowCount(); ++row) {
            const double v = grid.Data.Value(row, GridColumnOf(venue));
            if (v > 0) AddBar(c, grid.Data.Cell(row, 0), v);
        }
        break;
    }
    }
    return c;
}

} // namespace kv
