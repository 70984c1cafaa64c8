// Runs the benchmarks, then prints each figure on each knowledge base as a ratio against
// its baseline from the same run, and the re-rank time against the 16 ms a re-rank may take.
#include "bench/knowledge_bases.h"
#include "bench/run_times.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

using ordisan::bench::RunTimes;

// CPU time: on a machine shared with other work, wall time counts the waits too.
std::optional<double> printRatio(const RunTimes& times, const char* what,
                                 const std::string& measured, const std::string& baseline)
{
    const auto m = times.milliseconds(measured, RunTimes::Cpu);
    const auto b = times.milliseconds(baseline, RunTimes::Cpu);
    if (!m || !b)
        return std::nullopt;
    std::printf("%-44s %8.2f x  (%s %.3f ms, %s %.3f ms)\n", what, *m / *b,
                measured.c_str(), *m, baseline.c_str(), *b);
    return *m / *b;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace ordisan::bench;
    RunTimes times;
    if (!runBenchmarks(argc, argv, times))
        return 1;

    std::printf("\nRatios measured in this run (CPU time):\n");
    for (const Knowledge knowledge : KNOWLEDGE_BASES) {
        const auto on = [&](const char* name) { return nameOn(name, knowledge); };
        std::printf("%s:\n", nameOf(knowledge));
        if (const auto load = printRatio(times, "load / split the same bytes into lines", on("BM_Load"),
                                         on("BM_SplitSameBytesIntoLines")))
            std::printf("%-44s %s\n", "load within 3 x the split:", *load <= 3.0 ? "yes" : "NO");
        printRatio(times, "re-rank / re-rank with the literal passes", on("BM_ReRank"),
                   on("BM_ReRankLiteralPasses"));
        if (const auto reRank = times.milliseconds(on("BM_ReRank"), RunTimes::Real))
            std::printf("%-44s %8.3f ms (must stay under 16 ms: %s)\n", "one re-rank", *reRank,
                        *reRank < 16.0 ? "yes" : "NO");
    }
    return 0;
}
