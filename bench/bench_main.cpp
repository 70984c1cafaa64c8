// Runs the benchmarks, then prints each figure as a ratio against its baseline from
// the same run, and the re-rank time against the 16 ms a re-rank may take.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that a saved run reads cleanly.
    RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.error_message.empty())
                nanoseconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() * toNanoseconds(run.time_unit);
        }
    }

    std::map<std::string, double> nanoseconds;

private:
    static double toNanoseconds(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond: return 1.0;
        case benchmark::kMicrosecond: return 1e3;
        case benchmark::kMillisecond: return 1e6;
        case benchmark::kSecond: return 1e9;
        }
        return 1.0;
    }
};

void printRatio(const RatioReporter& reporter, const char* what, const std::string& measured,
                const std::string& baseline)
{
    const auto m = reporter.nanoseconds.find(measured);
    const auto b = reporter.nanoseconds.find(baseline);
    if (m == reporter.nanoseconds.end() || b == reporter.nanoseconds.end())
        return;
    std::printf("%-44s %8.2f x  (%s %.3f ms, %s %.3f ms)\n", what, m->second / b->second,
                measured.c_str(), m->second / 1e6, baseline.c_str(), b->second / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nRatios measured in this run:\n");
    printRatio(reporter, "load / split the same bytes into lines", "BM_LoadFullKnowledgeBase",
               "BM_SplitSameBytesIntoLines");
    printRatio(reporter, "re-rank / re-rank with the literal passes", "BM_ReRank",
               "BM_ReRankLiteralPasses");
    const auto reRank = reporter.nanoseconds.find("BM_ReRank");
    if (reRank != reporter.nanoseconds.end())
        std::printf("%-44s %8.3f ms (must stay under 16 ms: %s)\n", "one full re-rank",
                    reRank->second / 1e6, reRank->second < 16e6 ? "yes" : "NO");
    return 0;
}
