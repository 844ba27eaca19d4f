#pragma once
// Google Benchmark's repetitions of each benchmark gathered as figures:
// the median, the least and the most, in milliseconds, printed beside the
// figure's target (report.h); and a size beside its limit.

#include "report.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zentak::bench {

inline double minOf(const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); }
inline double maxOf(const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); }

inline void configure(benchmark::internal::Benchmark *b)
{
    b->Unit(benchmark::kMicrosecond)
        ->UseRealTime()
        ->MinTime(0.2)
        ->Repetitions(9)
        ->DisplayAggregatesOnly(true)
        ->ComputeStatistics("min", minOf)
        ->ComputeStatistics("max", maxOf);
}

// Medians, minima and maxima of the repetitions, by benchmark name.
class Collector : public benchmark::ConsoleReporter {
public:
    struct Figure {
        double median = -1, min = -1, max = -1; // milliseconds
    };
    std::map<std::string, Figure> figures;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &r : runs) {
            if (r.run_type != Run::RT_Aggregate || r.error_occurred)
                continue;
            const double ms = r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit) * 1e3;
            Figure &f = figures[r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args)];
            if (r.aggregate_name == "median")
                f.median = ms;
            else if (r.aggregate_name == "min")
                f.min = ms;
            else if (r.aggregate_name == "max")
                f.max = ms;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

inline void figure(const Collector &c, const std::string &key, const std::string &name, double targetMs)
{
    const auto it = c.figures.find(key);
    if (it == c.figures.end() || it->second.median < 0) {
        printFigure(name, "not measured", "", -1, false);
        return;
    }
    const Collector::Figure &f = it->second;
    char measured[64];
    std::snprintf(measured, sizeof measured, "%.3f ms (%.3f-%.3f)", f.median, f.min, f.max);
    char target[32] = "";
    if (targetMs > 0)
        std::snprintf(target, sizeof target, "< %.1f ms", targetMs);
    printFigure(name, measured, target, targetMs > 0 ? f.median / targetMs : -1, f.median < targetMs);
}

// A size in KiB against its limit.
inline void kibFigure(const std::string &name, double kib, double limitKib)
{
    char measured[32];
    std::snprintf(measured, sizeof measured, "%.1f KiB", kib);
    char target[32];
    std::snprintf(target, sizeof target, "<= %.0f KiB", limitKib);
    printFigure(name, measured, target, kib / limitKib, kib <= limitKib);
}

} // namespace zentak::bench
