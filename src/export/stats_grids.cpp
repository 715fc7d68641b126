#include "export/stats_grids.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/preferences.h"
#include "base/textformat.h"
#include "model/columns.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "standings/statistics.h"
#include "standings/team_values.h"
#include "standings/tournament_setup.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace kv {

namespace {

constexpr double kEmptyCell = -100000;

// The joint table stands for the whole tournament and goes by its name.
QString TableCaption(const TTournament& t, const TGroup& g) {
    if (g.Kind == KindJoint) return t.Name.isEmpty() ? LangText(1150, "Joint Table") : t.Name;
    return g.Name;
}

double Nan() {
    return std::numeric_limits<double>::quiet_NaN();
}

// A grid under construction: one row at a time, texts and numbers side by side.
class TGridBuilder {
public:
    explicit TGridBuilder(TStatsGrid& grid) : g_(grid) {}
    void Column(int textId, const char* text, int width, TCellAlign align) {
        Column(LangText(textId, text), width, align);
    }
    void Column(const QString& caption, int width, TCellAlign align) {
        g_.Data.Captions << caption;
        g_.Data.Alignments << align;
        g_.Widths << width;
    }
    void Row(int key, const QString& name, const QList<double>& values, const QStringList& texts) {
        QStringList cells{name};
        QList<double> numbers{Nan()};
        cells << texts;
        numbers << values;
        g_.Data.Rows << cells;
        g_.Data.Values << numbers;
        g_.RowKeys << key;
    }
    // Values written as "0.##", or as whole numbers.
    void Row(int key, const QString& name, const QList<double>& values, bool whole = false) {
        QStringList texts;
        for (const double v : values)
            texts << (whole ? QString::number(std::llround(v)) : FormatFloat2(v));
        Row(key, name, values, texts);
    }

private:
    TStatsGrid& g_;
};

// The sport's word for what a side scores, as row 8 names it.
QString ScoredWord(int sport) {
    switch (NormalizeSport(sport)) {
    case SportBasketball:
    case SportBaseball:
        return LangText(5822, "Points scored");
    case SportVolleyball:
    case SportTennis:
        return LangText(5823, "Sets won");
    case SportChess:
    case SportUSFootball:
        return LangText(5824, "Points for");
    default:
        return LangText(5821, "Goals scored");
    }
}

void BuildBasicTable(const TTournament& t, const TGroup& table, TStatsGrid& grid) {
    TGridBuilder b(grid);
    b.Column(5807, "Parameter", 200, TCellAlign::Left);
    b.Column(5808, "Holders", 65, TCellAlign::Right);
    b.Column(5809, "Visitors", 65, TCellAlign::Right);
    b.Column(5810, "Overall", 65, TCellAlign::Right);
    const TTableTotals s = TableTotals(t, table);
    const auto same = [](double v) { return QList<double>{v, v, v}; };
    const auto pair = [](double home, double away) {
        return QList<double>{home, away, home + away};
    };
    const int played = s.Matches;
    b.Row(RowPlayed, LangText(5813, "Matches played"), same(played));
    b.Row(RowMaxMatches, LangText(5814, "Maximum possible number of matches"),
          same(table.PlannedMatchCount()));
    b.Row(RowWon, LangText(5815, "Matches won"),
          pair(s.HomeWins + s.HomeWinsOT, s.AwayWins + s.AwayWinsOT));
    if (t.Overtime) {
        b.Row(RowWonOT, LangText(5816, "Matches won in overtime"),
              pair(s.HomeWinsOT, s.AwayWinsOT));
        b.Row(RowWonNormal, LangText(5817, "Matches won after normal time"),
              pair(s.HomeWins, s.AwayWins));
    }
    b.Row(RowDrawn, LangText(5818, "Matches drawn (tied)"), same(s.Draws));
    if (t.Overtime)
        b.Row(RowDecidedOT, LangText(5820, "Matches decided in overtime"), same(s.OvertimeMatches));
    b.Row(RowGoals, ScoredWord(t.Sport), pair(s.HomeScore, s.AwayScore));
    if (HasPointsProgress(t)) {
        const double home = s.HomeWins * t.WinPoints + s.HomeWinsOT * t.WinOTPoints +
                            s.Draws * t.DrawPoints + s.AwayWins * t.LossPoints +
                            s.AwayWinsOT * t.LossOTPoints;
        const double away = s.AwayWins * t.WinPoints + s.AwayWinsOT * t.WinOTPoints +
                            s.Draws * t.DrawPoints + s.HomeWins * t.LossPoints +
                            s.HomeWinsOT * t.LossOTPoints;
        b.Row(RowPoints, LangText(5825, "Points obtained"), pair(home, away));
        b.Row(RowAveragePoints, LangText(5826, "Average points obtained"),
              {PerMatch(home, played), PerMatch(away, played), PerMatch(home + away, played)});
    }
    const double attendance = static_cast<double>(s.Attendance);
    b.Row(RowAttendance, LangText(5827, "Attendance"), same(attendance), true);
    b.Row(RowAverageAttendance, LangText(5828, "Average attendance"),
          same(PerMatch(attendance, played)), true);
}

// Standings columns that describe a team's own matches: not its places, now or still
// possible, which belong to tables, and not the among-them figures, which depend on who else
// is level.
bool IsTeamStatistic(int column, const TColumnContext& c) {
    if (column >= kColumnGroupPlace && column <= kColumnJointPlace) return false;
    if (column == kColumnBestPlace || column == kColumnWorstPlace) return false;
    return !IsAmongThemColumn(column) && ColumnApplicable(column, c);
}

void BuildBasicTeam(const TTournament& t, const TGroup& table, const TTeam& team,
                    TStatsGrid& grid) {
    TGridBuilder b(grid);
    b.Column(5807, "Parameter", 200, TCellAlign::Left);
    b.Column(5811, "Home", 65, TCellAlign::Right);
    b.Column(5812, "Away", 65, TCellAlign::Right);
    b.Column(5810, "Overall", 65, TCellAlign::Right);
    const TColumnContext context = TColumnContext::Of(t);
    for (int column = 0; column < kColumnCount; ++column) {
        if (!IsTeamStatistic(column, context)) continue;
        QList<double> values;
        QStringList texts;
        for (const int scope : {ScopeHome, ScopeAway, ScopeOverall}) {
            values << ColumnValue(t, team, column, scope);
            texts << ColumnText(t, team, column, scope);
        }
        b.Row(column, ColumnFullName(column, t), values, texts);
    }
    grid.Note = TeamPlaceNote(t, table, team);
}

void BuildScores(const TTournament& t, const TGroup& table, const TTeam* team, TStatsGrid& grid) {
    TGridBuilder b(grid);
    grid.Scores = team ? team->Stats.Scores : TableScores(t, table);
    if (team) {
        b.Column(5850, "Score", 90, TCellAlign::Left);
        b.Column(5811, "Home", 85, TCellAlign::Right);
        b.Column(5812, "Away", 85, TCellAlign::Right);
        b.Column(5810, "Overall", 85, TCellAlign::Right);
    } else {
        b.Column(5850, "Score", 180, TCellAlign::Left);
        b.Column(5851, "Occurrencies", 85, TCellAlign::Right);
    }
    for (int i = 0; i < grid.Scores.size(); ++i) {
        const TStatsScore& s = grid.Scores.at(i);
        const double all = s.HomeCount + s.AwayCount;
        b.Row(i, ScoreEntryText(s),
              team ? QList<double>{double(s.HomeCount), double(s.AwayCount), all}
                   : QList<double>{all},
              true);
    }
    grid.InitialSort = {team ? 3 : 1, false};
    SortStatsGrid(grid, grid.InitialSort);
}

void BuildReferees(const TTournament& t, const TGroup& table, const TTeam* team, TStatsGrid& grid) {
    TGridBuilder b(grid);
    b.Column(5860, "Referee", 180, TCellAlign::Left);
    b.Column(5861, "Main", 65, TCellAlign::Right);
    b.Column(5862, "Assistant", 65, TCellAlign::Right);
    b.Column(5863, "Overall", 65, TCellAlign::Right);
    if (t.Referees.empty()) return;
    const QList<TStatsReferee> list = team ? team->Stats.Referees : TableReferees(t, table);
    for (const TStatsReferee& r : list) {
        const TReferee* who = t.RefereeById(r.RefereeId);
        b.Row(
            r.RefereeId, who ? who->Name : QString(),
            {double(r.MainCount), double(r.AssistantCount), double(r.MainCount + r.AssistantCount)},
            true);
    }
    grid.InitialSort = {0, true};
    SortStatsGrid(grid, grid.InitialSort);
}

void BuildProgress(const TTournament& t, const TGroup& table, const TTeam* team, bool byDate,
                   TStatsGrid& grid) {
    byDate ? ComputeProgressByDate(t) : ComputeProgressByMatchday(t);
    TGridBuilder b(grid);
    b.Column(5834, "Team", 180, TCellAlign::Left);
    grid.ColumnKeys << 0;
    QList<double> keys;
    if (team) {
        if (byDate)
            keys = team->Stats.ByDate.Keys;
        else
            for (const int k : team->Stats.ByMatchday.Keys)
                keys << k;
    } else {
        int lastMatchday = 0;
        for (const TMatch* m : table.Matches()) {
            if (!m->Played) continue;
            if (byDate && m->HasDate)
                keys << DayPart(m->Date);
            else if (!byDate && m->HasMatchday())
                lastMatchday = std::max(lastMatchday, m->Matchday);
        }
        for (int md = 1; md <= lastMatchday; ++md)
            keys << md;
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const double k : keys) {
        b.Column(byDate ? DateCaptionWithoutYear(k) : QString::number(k), byDate ? 45 : 25,
                 TCellAlign::Right);
        grid.ColumnKeys << k;
    }
    std::vector<const TTeam*> teams{team};
    if (!team) {
        teams = ListOf(table.Teams());
        OrderByStandings(t, table, teams, ScopeOverall);
    }
    for (const TTeam* tm : teams) {
        // The team's keys ascend as the columns do: one walk along both.
        QList<double> own;
        QList<double> points;
        if (byDate) {
            own = tm->Stats.ByDate.Keys;
            points = tm->Stats.ByDate.Points;
        } else {
            for (const int k : tm->Stats.ByMatchday.Keys)
                own << k;
            points = tm->Stats.ByMatchday.Points;
        }
        QList<double> values;
        QStringList texts;
        values.reserve(keys.size());
        texts.reserve(keys.size());
        qsizetype at = 0;
        for (const double k : keys) {
            while (at < own.size() && own.at(at) < k)
                ++at;
            const bool has = at < own.size() && own.at(at) == k;
            values << (has ? points.at(at) : Nan());
            texts << (has ? FormatFloat2(points.at(at)) : QString());
        }
        b.Row(tm->Id, tm->Name, values, texts);
    }
}

// The value a sort compares, with an empty cell as -100000.
double SortValue(const TStatsGrid& g, int row, int column) {
    const double v = g.Data.Value(row, column);
    return std::isnan(v) ? kEmptyCell : v;
}

} // namespace

QString TeamPlaceNote(const TTournament& t, const TGroup& table, const TTeam& team) {
    if (t.SortState.Column != -1) return {};
    const TStandingsOrder order = RankStandings(t, table, table.Teams(), ScopeOverall);
    const auto at = std::find(order.Teams.begin(), order.Teams.end(), &team);
    if (at == order.Teams.end()) return {};
    const auto index = static_cast<size_t>(at - order.Teams.begin());
    const QString why = PlaceReasonText(t, order.Reasons[index]);
    const QString place =
        Fmt(LangText(5830, "Place %d in %s"), static_cast<int>(index) + 1, TableCaption(t, table));
    return why.isEmpty() ? place : place + QStringLiteral(": ") + why;
}

bool HasPointsProgress(const TTournament& t) {
    return !t.SortCriteria.empty() && t.SortCriteria.front().Column == kColumnPoints;
}

std::vector<TStatsNode> StatsTree(const TTournament& t) {
    std::vector<TStatsNode> nodes{{TStatsKind::Basic, 0, LangText(5800, "Basic Statistics")}};
    if (HasPointsProgress(t)) {
        nodes.push_back({TStatsKind::Progress, 0, LangText(5802, "Points Progress")});
        nodes.push_back({TStatsKind::ByMatchday, 1, LangText(5803, "By Matchdays")});
        nodes.push_back({TStatsKind::ByDate, 1, LangText(5804, "By Dates")});
    }
    nodes.push_back({TStatsKind::Scores, 0, LangText(5805, "Scores")});
    nodes.push_back({TStatsKind::Referees, 0, LangText(5806, "Referees")});
    return nodes;
}

std::vector<TStatsScope> StatsScopes(const TTournament& t) {
    std::vector<TStatsScope> scopes{{TScopeKind::Joint, -1, 0, TableCaption(t, t.JointTable())}};
    const auto addGroup = [&](const TGroup& g, int indent) {
        scopes.push_back({TScopeKind::Group, g.Id, indent, g.Name});
        for (const TTeam* team : g.Teams())
            scopes.push_back({TScopeKind::Team, team->Id, indent + 1, team->Name});
    };
    if (t.HasConferences()) {
        for (const auto& c : t.Conferences()) {
            scopes.push_back({TScopeKind::Conference, c->Id, 0, c->Name});
            for (const TGroup* g : c->Divisions())
                addGroup(*g, 1);
        }
    } else {
        for (const auto& g : t.Groups())
            addGroup(*g, 0);
    }
    return scopes;
}

const TGroup* ScopeTable(const TTournament& t, const TStatsScope& scope) {
    const TGroup* table = nullptr;
    switch (scope.Kind) {
    case TScopeKind::Joint:
        table = &t.JointTable();
        break;
    case TScopeKind::Conference:
        if (const TConference* c = t.ConferenceById(scope.Id)) table = c->Table();
        break;
    case TScopeKind::Group:
        table = t.GroupById(scope.Id);
        break;
    case TScopeKind::Team:
        // A team outside every group is read in the joint table.
        table = t.GroupOfTeam(scope.Id);
        if (!table && t.JointTable().TeamById(scope.Id)) table = &t.JointTable();
        break;
    }
    // Its standings are worked out before they are read.
    return table;
}

const TTeam* ScopeTeam(const TTournament& t, const TStatsScope& scope) {
    return scope.IsTeam() ? t.JointTable().TeamById(scope.Id) : nullptr;
}

QList<TStatsScore> TableScores(const TTournament& t, const TGroup& table) {
    QList<TStatsScore> scores;
    for (const TMatch* m : table.Matches()) {
        if (!MatchCounts(t, *m) || m->IsForfeited()) continue;
        const double high = std::max(m->HomeScore, m->VisitorScore);
        const double low = std::min(m->HomeScore, m->VisitorScore);
        const auto it = std::find_if(scores.begin(), scores.end(), [&](const TStatsScore& s) {
            return s.High == high && s.Low == low;
        });
        if (it != scores.end())
            it->HomeCount += 1;
        else
            scores.push_back({high, low, 1, 0});
    }
    return scores;
}

QList<TStatsReferee> TableReferees(const TTournament& t, const TGroup& table) {
    QList<TStatsReferee> list;
    if (t.Referees.empty()) return list;
    for (const TMatch* m : table.Matches()) {
        if (!MatchCounts(t, *m)) continue;
        for (qsizetype i = 0; i < m->RefereeIds.size(); ++i) {
            const int id = m->RefereeIds.at(i);
            auto it = std::find_if(list.begin(), list.end(),
                                   [id](const TStatsReferee& r) { return r.RefereeId == id; });
            if (it == list.end()) {
                list.push_back({id, 0, 0});
                it = list.end() - 1;
            }
            (i == 0 ? it->MainCount : it->AssistantCount) += 1;
        }
    }
    return list;
}

QString ScoreEntryText(const TStatsScore& s) {
    return FormatFloat2(s.High) + PrefScoreSep() + FormatFloat2(s.Low);
}

QString DateCaptionWithoutYear(double days) {
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    format.remove(QLatin1Char('y'));
    format.remove(QLatin1Char('Y'));
    // What stood between the year and the rest goes with it.
    static const QString separators = QStringLiteral("./- ");
    while (!format.isEmpty() && separators.contains(format.front()))
        format.remove(0, 1);
    while (!format.isEmpty() && separators.contains(format.back()))
        format.chop(1);
    return locale.toString(DaysToDate(days), format);
}

TStatsGrid BasicTableGrid(const TTournament& t, const TGroup& table) {
    TStatsGrid grid;
    BuildBasicTable(t, table, grid);
    return grid;
}

TStatsGrid BuildStatsGrid(const TTournament& t, TStatsKind kind, const TStatsScope& scope) {
    TStatsGrid grid;
    grid.Kind = kind;
    grid.TeamScope = scope.IsTeam();
    grid.Sortable = kind != TStatsKind::Basic && kind != TStatsKind::Progress;
    const TGroup* table = ScopeTable(t, scope);
    const TTeam* team = ScopeTeam(t, scope);
    if (!table || (scope.IsTeam() && !team)) return grid;
    PrepareTable(t, *table);
    switch (kind) {
    case TStatsKind::Basic:
        team ? BuildBasicTeam(t, *table, *team, grid) : BuildBasicTable(t, *table, grid);
        break;
    case TStatsKind::Progress:
        break;
    case TStatsKind::ByMatchday:
    case TStatsKind::ByDate:
        BuildProgress(t, *table, team, kind == TStatsKind::ByDate, grid);
        break;
    case TStatsKind::Scores:
        if (team) ComputeScoreStatistics(t);
        BuildScores(t, *table, team, grid);
        break;
    case TStatsKind::Referees:
        if (team) ComputeRefereeStatistics(t);
        BuildReferees(t, *table, team, grid);
        break;
    }
    return grid;
}

TStatsSort ClickedStatsSort(const TStatsSort& current, int column) {
    if (current.Column == column) return {column, !current.Ascending};
    return {column, column == 0};
}

void SortStatsGrid(TStatsGrid& grid, const TStatsSort& sort) {
    if (sort.Column < 0 || sort.Column >= grid.Data.ColumnCount()) return;
    std::vector<int> order(static_cast<size_t>(grid.RowCount()));
    std::iota(order.begin(), order.end(), 0);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto compare = [&](int a, int b) {
        if (sort.Column == 0 && grid.Kind == TStatsKind::Scores) {
            const TStatsScore& x = grid.Scores.at(grid.RowKeys.at(a));
            const TStatsScore& y = grid.Scores.at(grid.RowKeys.at(b));
            if (x.High + x.Low != y.High + y.Low) return x.High + x.Low < y.High + y.Low ? -1 : 1;
            return x.High == y.High ? 0 : (x.High < y.High ? -1 : 1);
        }
        if (sort.Column == 0) return collator.compare(grid.Data.Cell(a, 0), grid.Data.Cell(b, 0));
        const double x = SortValue(grid, a, sort.Column);
        const double y = SortValue(grid, b, sort.Column);
        return x == y ? 0 : (x < y ? -1 : 1);
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = compare(a, b);
        return sort.Ascending ? c < 0 : c > 0;
    });
    TGridData data = grid.Data;
    QList<int> keys;
    for (size_t i = 0; i < order.size(); ++i) {
        const int from = order[i];
        data.Rows[static_cast<qsizetype>(i)] = grid.Data.Rows.at(from);
        data.Values[static_cast<qsizetype>(i)] = grid.Data.Values.at(from);
        keys << grid.RowKeys.at(from);
    }
    grid.Data = data;
    grid.RowKeys = keys;
}

TStatsCommands StatsCommandsFor(const TTournament& t, const TStatsGrid& grid, bool onPage,
                                bool chartEmpty) {
    TStatsCommands c;
    if (!onPage) return c;
    const bool basic = grid.Kind == TStatsKind::Basic && grid.RowCount() > 0;
    c.CompareConferences = basic && !grid.TeamScope && t.Conferences().size() > 1;
    c.CompareGroups = basic && !grid.TeamScope && t.Groups().size() > 1;
    c.CompareTeams = basic;
    c.BasicVenues = basic;
    c.ScoreVenues = grid.Kind == TStatsKind::Scores;
    c.RefereeRoles = grid.Kind == TStatsKind::Referees;
    c.Chart = !chartEmpty;
    c.Grid = grid.RowCount() > 0;
    return c;
}

} // namespace kv
