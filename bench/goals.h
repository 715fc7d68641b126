#pragma once

// What the benchmark programs share: a reporter that keeps every benchmark's time (and its
// counters) for the speed goals while the library's own reporter prints the results as its flags
// ask, and the goals' summary, printed apart on standard error.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class TGoalReporter : public benchmark::BenchmarkReporter {
public:
    explicit TGoalReporter(benchmark::BenchmarkReporter* display) : display_(display) {}

    bool ReportContext(const Context& context) override { return display_->ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override {
        display_->ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.iterations <= 0 || r.error_occurred) continue;
            times_[r.benchmark_name()] = r.GetAdjustedRealTime() * MillisecondsPer(r.time_unit);
            for (const auto& [name, counter] : r.counters)
                counters_[name] = counter.value;
        }
    }
    void Finalize() override { display_->Finalize(); }

    // Milliseconds per iteration; -1 for a benchmark that did not run (filtered out).
    double Time(const char* name) const { return Find(times_, name); }
    double Counter(const char* name) const { return Find(counters_, name); }

private:
    static double Find(const std::map<std::string, double>& m, const char* name) {
        const auto it = m.find(name);
        return it == m.end() ? -1.0 : it->second;
    }
    static double MillisecondsPer(benchmark::TimeUnit unit) {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-6;
        case benchmark::kMicrosecond:
            return 1e-3;
        case benchmark::kSecond:
            return 1e3;
        default:
            return 1;
        }
    }
    benchmark::BenchmarkReporter* display_; // the library's, kept for the whole run
    std::map<std::string, double> times_;
    std::map<std::string, double> counters_;
};

struct TGoal {
    const char* What;
    double Value; // below 0: not measured
    double Limit;
};

// Prints each measured goal with "met" or "MISSED"; the number missed.
inline int ReportGoals(const std::vector<TGoal>& goals) {
    int failed = 0;
    std::fprintf(stderr, "\nGoals\n");
    for (const TGoal& g : goals) {
        if (g.Value < 0) continue;
        const bool ok = g.Value < g.Limit;
        failed += ok ? 0 : 1;
        std::fprintf(stderr, "  %-42s %9.3f  (< %g)  %s\n", g.What, g.Value, g.Limit,
                     ok ? "met" : "MISSED");
    }
    return failed;
}
