#include "standings/outlook.h"

#include "standings/points_rules.h"
#include "standings/statistics.h"
#include "standings/team_values.h"

#include <QHash>

#include <cmath>

namespace kv {

namespace {

// What each outcome of a match still to play gives its two sides under the tournament's rules.
std::vector<std::pair<double, double>> OutcomePoints(const TTournament& t) {
    std::vector<std::pair<double, double>> out{{t.WinPoints, t.LossPoints},
                                               {t.LossPoints, t.WinPoints}};
    if (DrawsPossible(t.Sport, t.ShootOuts)) out.push_back({t.DrawPoints, t.DrawPoints});
    if (t.Overtime) {
        out.push_back({t.WinOTPoints, t.LossOTPoints});
        out.push_back({t.LossOTPoints, t.WinOTPoints});
    }
    if (t.ShootOuts) {
        out.push_back({t.WinSOPoints, t.LossSOPoints});
        out.push_back({t.LossSOPoints, t.WinSOPoints});
    }
    return out;
}

// The smallest step that makes every value whole: points are kept as whole numbers of it, so
// that every comparison is exact.
double WholeStep(const std::vector<double>& values) {
    for (const double scale : {1.0, 2.0, 4.0, 10.0, 20.0, 100.0, 1000.0}) {
        bool whole = true;
        for (const double v : values)
            if (std::abs(v * scale - std::round(v * scale)) > 1e-6) {
                whole = false;
                break;
            }
        if (whole) return scale;
    }
    return 1000.0;
}

quint64 PairKey(int a, int b) {
    const auto low = static_cast<quint32>(std::min(a, b));
    const auto high = static_cast<quint32>(std::max(a, b));
    return (static_cast<quint64>(low) << 32) | high;
}

} // namespace

bool OutlookAvailable(const TTournament& t) {
    if (t.SortCriteria.empty()) return false;
    const int first = t.SortCriteria.front().Column;
    return (first == kColumnPoints || first == kColumnPercentage) &&
           t.SortCriteria.front().Scope == ScopeOverall && t.SortCriteria.front().Descending;
}

TPlaceRace TableRace(const TTournament& t, const TGroup& table, std::vector<int>* remaining) {
    // The points as the table counts them: its own matches, adjustments and forfeit penalties,
    // and only the range the filter shows when one is set (the season as it stood then).
    RecomputeTable(t, table);
    const std::span<const TTeam* const> teams = table.Teams();
    const size_t n = teams.size();
    QHash<int, int> index;
    for (size_t i = 0; i < n; ++i)
        index.insert(teams[i]->Id, static_cast<int>(i));
    std::vector<double> points(n, 0);
    for (size_t i = 0; i < n; ++i)
        points[i] = Points(t, *teams[i], ScopeOverall);
    std::vector<int> played(n, 0);
    QHash<quint64, int> playedOfPair;
    for (const TMatch* m : table.Matches()) {
        if (!MatchCounts(t, *m)) continue;
        const int h = index.value(m->HomeTeamId, -1);
        const int v = index.value(m->VisitorTeamId, -1);
        if (h < 0 || v < 0) continue;
        ++played[static_cast<size_t>(h)];
        ++played[static_cast<size_t>(v)];
        ++playedOfPair[PairKey(m->HomeTeamId, m->VisitorTeamId)];
    }
    TPlaceRace race;
    std::vector<int> left(n, 0);
    for (size_t a = 0; a < n; ++a)
        for (size_t b = a + 1; b < n; ++b) {
            const int legs = t.LegsOfPair(teams[a]->Id, teams[b]->Id);
            const int done = playedOfPair.value(PairKey(teams[a]->Id, teams[b]->Id), 0);
            for (int k = done; k < legs; ++k) {
                race.Remaining.push_back({static_cast<int>(a), static_cast<int>(b)});
                ++left[a];
                ++left[b];
            }
        }
    const std::vector<std::pair<double, double>> outcomes = OutcomePoints(t);
    std::vector<double> all(points);
    for (const auto& o : outcomes) {
        all.push_back(o.first);
        all.push_back(o.second);
    }
    const double step = WholeStep(all);
    const auto whole = [step](double v) { return static_cast<qint64>(std::llround(v * step)); };
    const bool percentage =
        !t.SortCriteria.empty() && t.SortCriteria.front().Column == kColumnPercentage;
    for (size_t i = 0; i < n; ++i) {
        const int games = played[i] + left[i];
        // A team without a match has a percentage of nothing.
        const bool none = percentage && games == 0;
        race.Points.push_back(none ? 0 : whole(points[i]));
        race.Divisor.push_back(percentage && games > 0 ? games : 1);
    }
    for (const auto& o : outcomes)
        race.Outcomes.push_back({whole(o.first), whole(o.second)});
    if (remaining) *remaining = std::move(left);
    return race;
}

std::vector<TTeamOutlook> TableOutlook(const TTournament& t, const TGroup& table,
                                       const std::atomic<bool>* cancel) {
    if (!OutlookAvailable(t)) return {};
    std::vector<int> remaining;
    const TPlaceRace race = TableRace(t, table, &remaining);
    const std::vector<TPlaceRange> ranges = PlaceRanges(race, cancel);
    std::vector<TTeamOutlook> out;
    const std::span<const TTeam* const> teams = table.Teams();
    for (size_t i = 0; i < teams.size(); ++i)
        out.push_back({teams[i]->Id, ranges[i].Best, ranges[i].Worst, remaining[i]});
    return out;
}

std::vector<TOutlookJob> OutlookJobs(const TTournament& t) {
    std::vector<TOutlookJob> jobs;
    if (!OutlookAvailable(t)) return jobs;
    // Each race is counted as its table counts it, in the teams' shared records: they are
    // put back as they were afterwards, so that the tables shown need no counting again.
    std::vector<std::pair<const TTeam*, TTeamStats>> kept;
    for (const TTeam* team : t.JointTable().Teams())
        kept.emplace_back(team, team->Stats);
    for (const TGroup* table : t.AllTables()) {
        if (table->Teams().empty()) continue;
        TOutlookJob job;
        job.Kind = table->Kind;
        for (const TTeam* team : table->Teams())
            job.TeamIds.push_back(team->Id);
        job.Race = TableRace(t, *table, &job.Remaining);
        // A one-group tournament's joint table, a one-division conference: the same race.
        for (size_t k = 0; k < jobs.size(); ++k) {
            const TOutlookJob& other = jobs[k];
            if (other.SameAs < 0 && other.TeamIds == job.TeamIds &&
                other.Race.Points == job.Race.Points && other.Race.Divisor == job.Race.Divisor &&
                other.Race.Remaining == job.Race.Remaining) {
                job.SameAs = static_cast<int>(k);
                break;
            }
        }
        jobs.push_back(std::move(job));
    }
    for (const auto& [team, stats] : kept)
        team->Stats = stats;
    return jobs;
}

std::vector<std::vector<TPlaceRange>> SolveOutlook(const std::vector<TOutlookJob>& jobs,
                                                   const std::atomic<bool>* cancel,
                                                   const std::function<void(int, int)>& progress) {
    int total = 0;
    for (const TOutlookJob& job : jobs)
        if (job.SameAs < 0) total += static_cast<int>(job.TeamIds.size());
    int done = 0;
    std::vector<std::vector<TPlaceRange>> out(jobs.size());
    for (size_t k = 0; k < jobs.size(); ++k) {
        const TOutlookJob& job = jobs[k];
        if (job.SameAs >= 0) {
            out[k] = out[static_cast<size_t>(job.SameAs)];
            continue;
        }
        out[k].resize(job.TeamIds.size());
        for (size_t i = 0; i < job.TeamIds.size(); ++i) {
            if (cancel && cancel->load()) return out;
            out[k][i] = PlaceRangeOf(job.Race, static_cast<int>(i), cancel);
            ++done;
            if (progress) progress(done, total);
        }
    }
    return out;
}

void StoreOutlook(const TTournament& t, const std::vector<TOutlookJob>& jobs,
                  const std::vector<std::vector<TPlaceRange>>& ranges) {
    for (size_t k = 0; k < jobs.size() && k < ranges.size(); ++k) {
        const TOutlookJob& job = jobs[k];
        const auto kind = static_cast<size_t>(job.Kind);
        for (size_t i = 0; i < job.TeamIds.size(); ++i) {
            const TTeam* team = t.TeamById(job.TeamIds[i]);
            if (!team || kind >= team->Stats.Outlook.size()) continue;
            const TPlaceRange range = i < ranges[k].size() ? ranges[k][i] : TPlaceRange{};
            team->Stats.Outlook[kind] = {range.Best, range.Worst, job.Remaining[i]};
        }
    }
}

void ClearOutlook(const TTournament& t) {
    for (const TGroup* table : t.AllTables())
        for (const TTeam* team : table->Teams())
            team->Stats.Outlook.fill(TPlaceOutlook{});
}

void UpdateOutlook(const TTournament& t, const std::atomic<bool>* cancel) {
    ClearOutlook(t);
    const std::vector<TOutlookJob> jobs = OutlookJobs(t);
    StoreOutlook(t, jobs, SolveOutlook(jobs, cancel));
}

} // namespace kv
