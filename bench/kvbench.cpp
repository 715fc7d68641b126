// Speed of the engine on the largest legal tournament, with the goals it must meet.
#include "goals.h"
#include "largest.h"

#include "base/fileio.h"
#include "base/textreader.h"
#include "export/fixture_rows.h"
#include "export/html_export.h"
#include "export/publish_site.h"
#include "export/stats_charts.h"
#include "render/chart_painter.h"
#include "render/table_painter.h"
#include "standings/outlook.h"
#include "standings/schedule.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace {

QString& LargestPath() {
    static QString path;
    return path;
}

kv::TTournament& Largest() {
    static std::unique_ptr<kv::TTournament> t = MakeLargest(8);
    return *t;
}

// The floor: read the file's bytes and split them into a list of lines.
void BM_ReadLinesLargest(benchmark::State& state) {
    for (auto _ : state) {
        QByteArray bytes;
        kv::ReadFileBytes(LargestPath(), bytes);
        const QList<QByteArray> lines = bytes.split('\n');
        benchmark::DoNotOptimize(lines.size());
    }
}

// Below the floor: read the bytes and only find the line ends.
void BM_ScanLinesLargest(benchmark::State& state) {
    for (auto _ : state) {
        QByteArray bytes;
        kv::ReadFileBytes(LargestPath(), bytes);
        kv::TTextReader reader(bytes);
        QByteArrayView line;
        int lines = 0;
        while (reader.ReadLineBytes(line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
}

void BM_LoadLargest(benchmark::State& state) {
    for (auto _ : state) {
        kv::TTournament t(kv::TTournamentDefaults::FromSettings());
        const kv::TIoResult r = kv::LoadTournament(t, LargestPath());
        if (!r || t.MatchCount() != 19320)
            state.SkipWithError("the largest tournament did not load");
    }
}

// Loading as the legs grow: the file is written once, outside the measure.
void BM_LoadLegs(benchmark::State& state) {
    const int legs = static_cast<int>(state.range(0));
    const QString path = LargestPath() + QStringLiteral(".legs%1.kvd").arg(legs);
    auto made = MakeLargest(legs);
    if (!kv::SaveTournament(*made, path, false)) state.SkipWithError("cannot write the file");
    for (auto _ : state) {
        kv::TTournament t(kv::TTournamentDefaults::FromSettings());
        if (!kv::LoadTournament(t, path)) state.SkipWithError("the file did not load");
    }
    state.counters["matches"] = made->MatchCount();
}

void BM_RecomputeLargest(benchmark::State& state) {
    kv::TTournament& t = Largest();
    for (auto _ : state)
        kv::RecomputeAll(t);
}

void BM_RecomputeLegs(benchmark::State& state) {
    auto t = MakeLargest(static_cast<int>(state.range(0)));
    for (auto _ : state)
        kv::RecomputeAll(*t);
    state.counters["matches"] = t->MatchCount();
}

void BM_RecomputeAfterScore(benchmark::State& state) {
    kv::TTournament& t = Largest();
    kv::TMatch* m = t.MatchAt(t.MatchCount() / 2);
    int i = 0;
    for (auto _ : state) {
        m->SetScoreText(i++ % 2 ? QStringLiteral("3:1") : QStringLiteral("0:2"), false);
        kv::RecomputeAfterMatchChange(t, m->HomeTeamId, m->VisitorTeamId);
    }
}

void BM_RenderLargestTable(benchmark::State& state) {
    kv::TTournament& t = Largest();
    kv::TGroup& g = *t.GroupAt(0);
    kv::PrepareTable(t, g);
    QImage image; // kept, as a window keeps the picture of a table
    // The first picture also loads the fonts, once a program: not what a redraw costs.
    kv::RenderGroupTable(t, g, image);
    for (auto _ : state) {
        kv::RenderGroupTable(t, g, image);
        benchmark::DoNotOptimize(image.bits());
    }
}

// The 70-team picture by legs: one row a team up to two legs, (legs + 1) div 2 rows beyond.
void BM_RenderLegs(benchmark::State& state) {
    auto t = MakeLargest(static_cast<int>(state.range(0)));
    kv::TGroup& g = *t->GroupAt(0);
    kv::PrepareTable(*t, g);
    QImage image;
    for (auto _ : state) {
        kv::RenderGroupTable(*t, g, image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["Mpixels"] = static_cast<double>(image.width()) * image.height() / 1e6;
}

// Every table the view shows, in one document.
void BM_ExportHtmlLargest(benchmark::State& state) {
    kv::TTournament& t = Largest();
    std::vector<int> ids;
    for (const auto& g : t.Groups())
        ids.push_back(g->Id);
    for (const auto& c : t.Conferences())
        ids.push_back(c->Id);
    for (auto _ : state) {
        const QByteArray html = kv::EncodeHtml(
            kv::TablesHtml(t, QString(), ids, QStringLiteral("border=\"1\"")), QString());
        benchmark::DoNotOptimize(html.data());
    }
}

// Every team's best and worst place in a season cut at each matchday: range(0) teams,
// range(1) legs. The slowest and the median matchday are reported.
void BM_OutlookEveryMatchday(benchmark::State& state) {
    auto t = MakeRaceSeason(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const kv::TGroup& table = *t->GroupAt(0);
    const int last = t->LastMatchday();
    const bool trace = qEnvironmentVariableIsSet("KV_OUTLOOK_TRACE");
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (int day = 0; day <= last; ++day) {
            state.PauseTiming();
            for (kv::TMatch* m : t->JointTable().Matches())
                m->Played = m->Matchday <= day;
            state.ResumeTiming();
            const auto start = std::chrono::steady_clock::now();
            const std::vector<kv::TTeamOutlook> outlook = kv::TableOutlook(*t, table);
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            benchmark::DoNotOptimize(outlook.data());
            if (trace) std::fprintf(stderr, "matchday %d: %.2f ms\n", day, times.back());
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["slowestMs"] = times.empty() ? 0 : times.back();
    state.counters["medianMs"] = times.empty() ? 0 : times[times.size() / 2];
}

// The largest legal tournament at a quarter, a half and three quarters of its season
// (range(0) quarters).
void BM_OutlookLargest(benchmark::State& state) {
    auto t = MakeRaceSeason(70, 8);
    const int cut = t->LastMatchday() * static_cast<int>(state.range(0)) / 4;
    for (kv::TMatch* m : t->JointTable().Matches())
        m->Played = m->Matchday <= cut;
    // Given up after 20 seconds, so that the run ends: "finished" says whether it did.
    bool finished = true;
    for (auto _ : state) {
        std::atomic<bool> cancel{false};
        std::mutex lock;
        std::condition_variable done;
        bool over = false;
        std::thread watch([&] {
            std::unique_lock<std::mutex> hold(lock);
            if (!done.wait_for(hold, std::chrono::seconds(20), [&] { return over; })) cancel = true;
        });
        const std::vector<kv::TTeamOutlook> outlook = kv::TableOutlook(*t, *t->GroupAt(0), &cancel);
        {
            const std::lock_guard<std::mutex> hold(lock);
            over = true;
        }
        done.notify_one();
        watch.join();
        finished = finished && !cancel;
        benchmark::DoNotOptimize(outlook.data());
    }
    state.counters["finished"] = finished ? 1 : 0;
}

// The whole web site of the largest tournament, built in memory.
void BM_PublishLargest(benchmark::State& state) {
    kv::TTournament& t = Largest();
    size_t count = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        const std::map<QString, QByteArray> pages = kv::SitePages(t);
        count = pages.size();
        bytes = 0;
        for (const auto& page : pages)
            bytes += page.second.size();
    }
    state.counters["pages"] = static_cast<double>(count);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

// A 20-team double round robin drawn up and added from nothing.
void BM_GenerateDoubleRoundRobin(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        kv::TTournament t(kv::TTournamentDefaults::FromSettings());
        t.GroupLegs = 2;
        t.JointTable().Legs = 2;
        t.AddGroup(QStringLiteral("League"), 2, -1, 0, t.JointTable().Style);
        for (int i = 0; i < 20; ++i)
            t.AddTeam(QStringLiteral("Team %1").arg(i + 1), i, 0, i, true);
        state.ResumeTiming();
        const kv::TSchedule s = kv::PlanSchedule(t);
        if (kv::AddSchedule(t, s) != 380) state.SkipWithError("not a double round robin");
    }
}

// The fixture list of the largest tournament: listed in date order, then by a column.
void BM_FixtureListLargest(benchmark::State& state) {
    kv::TTournament& t = Largest();
    for (auto _ : state) {
        const std::vector<const kv::TMatch*> matches = kv::FixtureMatches(t);
        benchmark::DoNotOptimize(matches.data());
    }
}

void BM_FixtureListLegs(benchmark::State& state) {
    auto t = MakeLargest(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::vector<const kv::TMatch*> matches = kv::FixtureMatches(*t);
        benchmark::DoNotOptimize(matches.data());
    }
    state.counters["matches"] = t->MatchCount();
}

void BM_SortFixturesLargest(benchmark::State& state) {
    kv::TTournament& t = Largest();
    const kv::TFixtureFormat format = kv::TFixtureFormat::Current();
    std::vector<const kv::TMatch*> matches = kv::FixtureMatches(t);
    for (auto _ : state) {
        kv::SortFixtures(t, matches, static_cast<int>(state.range(0)), false, format);
        benchmark::DoNotOptimize(matches.data());
    }
}

void BM_FilterFixturesLargest(benchmark::State& state) {
    kv::TTournament& t = Largest();
    kv::TFixtureFilter filter;
    filter.TeamFilterKind = 3;
    filter.TeamFilterValue = t.JointTable().Teams().front()->Id;
    filter.Played = 1;
    for (auto _ : state) {
        const std::vector<const kv::TMatch*> matches = kv::FixtureMatches(t, filter);
        benchmark::DoNotOptimize(matches.data());
    }
}

BENCHMARK(BM_ReadLinesLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanLinesLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLegs)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecomputeLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecomputeLegs)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecomputeAfterScore)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderLargestTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderLegs)->Arg(1)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHtmlLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PublishLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OutlookEveryMatchday)->Args({20, 2})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OutlookLargest)->Arg(1)->Arg(2)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateDoubleRoundRobin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FixtureListLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FixtureListLegs)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
// Each kind of the statistics page for the whole of the largest season: the grid built, the
// chart built, laid out and drawn at a window's size.
void BM_StatisticsKindLargest(benchmark::State& state) {
    static const std::unique_ptr<kv::TTournament> season = MakeScheduledSeason(8);
    const kv::TStatsKind kinds[] = {kv::TStatsKind::Basic, kv::TStatsKind::ByMatchday,
                                    kv::TStatsKind::ByDate, kv::TStatsKind::Scores,
                                    kv::TStatsKind::Referees};
    const kv::TStatsKind kind = kinds[state.range(0)];
    const kv::TStatsScope scope = kv::StatsScopes(*season).front();
    const kv::TChartSettings settings;
    QImage image(1000, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        const kv::TStatsGrid grid = kv::BuildStatsGrid(*season, kind, scope);
        const kv::TChartData chart = kv::StatsChart(*season, scope, grid, 0, {});
        QPainter painter(&image);
        kv::DrawChart(painter, QRectF(0, 0, 1000, 600), chart, settings);
        benchmark::DoNotOptimize(grid.RowCount());
    }
}

// The points progress of 70 teams over 138 matchdays, laid out and drawn.
void BM_ProgressChart70Teams(benchmark::State& state) {
    const std::unique_ptr<kv::TTournament> season = MakeScheduledSeason(2);
    const kv::TStatsScope scope = kv::StatsScopes(*season).front();
    const kv::TStatsGrid grid = kv::BuildStatsGrid(*season, kv::TStatsKind::ByMatchday, scope);
    const kv::TChartData chart = kv::StatsChart(*season, scope, grid, 0, {});
    if (grid.Data.ColumnCount() != 139 || chart.Series.size() != 70)
        state.SkipWithError("not 70 teams over 138 matchdays");
    const kv::TChartSettings settings;
    QImage image(1000, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        kv::DrawChart(painter, QRectF(0, 0, 1000, 600), chart, settings);
    }
}

BENCHMARK(BM_SortFixturesLargest)->DenseRange(0, 18)->Unit(benchmark::kMillisecond);
// The slowest kind of statistics as the legs (and so the matches) grow: 1, 2, 4 and 8 legs.
void BM_StatisticsLegs(benchmark::State& state) {
    const std::unique_ptr<kv::TTournament> season =
        MakeScheduledSeason(static_cast<int>(state.range(0)));
    const kv::TStatsScope scope = kv::StatsScopes(*season).front();
    for (auto _ : state) {
        const kv::TStatsGrid grid = kv::BuildStatsGrid(*season, kv::TStatsKind::ByDate, scope);
        benchmark::DoNotOptimize(grid.RowCount());
    }
}

BENCHMARK(BM_StatisticsKindLargest)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatisticsLegs)->Arg(1)->Arg(2)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgressChart70Teams)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterFixturesLargest)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("KELVORANDINE_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home.path() + QStringLiteral("/runtime")).toUtf8());
    QDir().mkpath(home.path() + QStringLiteral("/runtime"));
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QGuiApplication app(argc, argv);
    LargestPath() = home.path() + QStringLiteral("/largest.kvd");
    if (!kv::SaveTournament(Largest(), LargestPath(), false)) {
        std::fprintf(stderr, "cannot write the largest tournament\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    TGoalReporter reporter(benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto time = [&](const char* name) { return reporter.Time(name); };
    const double lines = time("BM_ReadLinesLargest");
    double slowestSort = 0;
    for (int column = 0; column < kv::kFixtureColumnCount; ++column)
        slowestSort = std::max(slowestSort,
                               time(("BM_SortFixturesLargest/" + std::to_string(column)).c_str()));
    double slowestKind = 0;
    for (int kind = 0; kind < 5; ++kind)
        slowestKind = std::max(slowestKind,
                               time(("BM_StatisticsKindLargest/" + std::to_string(kind)).c_str()));
    const int failed = ReportGoals({
        {"recompute and rank all tables (ms)", time("BM_RecomputeLargest"), 5},
        {"load, recompute and rank (ms)", time("BM_LoadLargest"), 60},
        {"load / read lines", lines > 0 ? time("BM_LoadLargest") / lines : -1, 5},
        {"recompute after one score (ms)", time("BM_RecomputeAfterScore"), 1},
        {"render the 70-team table (ms)", time("BM_RenderLargestTable"), 40},
        {"HTML export of all tables (ms)", time("BM_ExportHtmlLargest"), 50},
        {"publish the web site (ms)", time("BM_PublishLargest"), 500},
        {"places still possible, 20 teams, slowest matchday (ms)", reporter.Counter("slowestMs"),
         200},
        {"places still possible, 20 teams, median matchday (ms)", reporter.Counter("medianMs"), 50},
        {"generate a 20-team double round robin (ms)", time("BM_GenerateDoubleRoundRobin"), 10},
        {"list the largest fixtures (ms)", time("BM_FixtureListLargest"), 100},
        {"filter the largest fixtures (ms)", time("BM_FilterFixturesLargest"), 100},
        {"sort the largest fixtures, slowest column (ms)", slowestSort, 100},
        {"statistics of the largest season, slowest kind (ms)", slowestKind, 100},
        {"progress chart, 70 teams over 138 matchdays (ms)", time("BM_ProgressChart70Teams"), 50},
    });
    // How each cost grows from 1 leg to 8 (the matches grow 8 times): near 8 is linear.
    const std::pair<const char*, const char*> growths[] = {{"Load", "load"},
                                                           {"Recompute", "recompute"},
                                                           {"FixtureList", "fixture list"},
                                                           {"Statistics", "statistics"}};
    // Each held to 9 times at most: linear, with room for noise.
    std::vector<std::string> names;
    std::vector<TGoal> growthGoals;
    for (const auto& [benchmark, what] : growths) {
        const std::string name = std::string("BM_") + benchmark + "Legs/";
        const double one = time((name + "1").c_str());
        const double eight = time((name + "8").c_str());
        names.push_back("growth of " + std::string(what) + ", 8 legs / 1 leg");
        growthGoals.push_back({nullptr, one > 0 && eight > 0 ? eight / one : -1, 9.0001});
    }
    for (size_t i = 0; i < growthGoals.size(); ++i)
        growthGoals[i].What = names[i].c_str();
    // The HTML export holds its goal on a machine 1.5 times slower.
    growthGoals.push_back(
        {"HTML export, a third below its goal (ms)", time("BM_ExportHtmlLargest"), 50.0 / 1.5});
    const int missed = ReportGoals(growthGoals);
    return failed + missed ? 1 : 0;
}
