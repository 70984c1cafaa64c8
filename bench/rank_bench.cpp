// One re-rank of each knowledge base (scores and weights, then both sorts) against the
// same re-rank with the literal passes: one link scan per syndrome and per symptom.
#include "bench/knowledge_bases.h"

#include "literal_ranking.h"
#include "engine/ranking_engine.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace ordisan::bench {

namespace {

// In the middle of a diagnosis: a male patient, about a third of the symptoms answered.
template <void (*Compute)(KnowledgeBase&)>
void reRank(benchmark::State& state, Knowledge knowledge)
{
    auto kb = loaded(knowledge);
    kb->patientSex = SEX_MALE;
    ResetAnswers(*kb);
    answerAThird(*kb);
    for (auto _ : state) {
        Compute(*kb);
        SortSyndromes(*kb);
        SortSymptoms(*kb);
        benchmark::DoNotOptimize(kb->symptomOrder[0]);
        benchmark::ClobberMemory();
    }
}

[[maybe_unused]] const bool registered = [] {
    const auto inMilliseconds = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); };
    registerOnEach("BM_ReRank", reRank<ComputeScoresAndWeights>, inMilliseconds);
    registerOnEach("BM_ReRankLiteralPasses", reRank<ComputeScoresAndWeightsLiteral>, inMilliseconds);
    return true;
}();

} // namespace

} // namespace ordisan::bench
