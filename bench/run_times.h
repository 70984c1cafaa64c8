// What every benchmark program needs to print its figures as ratios against a baseline
// measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace ordisan::bench {

// A console reporter that also keeps one time per benchmark function: the median of its
// repetitions when there are some, else its single run, in real and in processor time,
// in milliseconds.
class RunTimes : public benchmark::ConsoleReporter {
public:
    enum Clock { Real, Cpu };

    // Colours only on a terminal, so that a saved run reads cleanly.
    RunTimes() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_message.empty())
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single) {
                const double toMs = millisecondsPer(run.time_unit);
                times_[run.run_name.function_name] = {run.GetAdjustedRealTime() * toMs,
                                                      run.GetAdjustedCPUTime() * toMs};
            }
        }
    }

    // Milliseconds of one function by one clock; none when it did not run.
    std::optional<double> milliseconds(const std::string& function, Clock clock) const
    {
        const auto found = times_.find(function);
        if (found == times_.end())
            return std::nullopt;
        return clock == Real ? found->second.first : found->second.second;
    }

    // measured ÷ baseline by one clock; none when either did not run.
    std::optional<double> ratio(const std::string& measured, const std::string& baseline,
                                Clock clock) const
    {
        const auto m = milliseconds(measured, clock);
        const auto b = milliseconds(baseline, clock);
        if (!m || !b || *b <= 0)
            return std::nullopt;
        return *m / *b;
    }

    const std::map<std::string, std::pair<double, double>>& all() const { return times_; }

private:
    static double millisecondsPer(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond: return 1e-6;
        case benchmark::kMicrosecond: return 1e-3;
        case benchmark::kMillisecond: return 1.0;
        case benchmark::kSecond: return 1e3;
        }
        return 1.0;
    }

    std::map<std::string, std::pair<double, double>> times_; // real, processor
};

// Runs every registered benchmark through `times`; false on an unknown argument.
inline bool runBenchmarks(int& argc, char** argv, RunTimes& times)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return false;
    benchmark::RunSpecifiedBenchmarks(&times);
    benchmark::Shutdown();
    return true;
}

} // namespace ordisan::bench
