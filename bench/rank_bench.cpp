// One re-rank of a full knowledge base (scores and weights, then both sorts) against
// the same re-rank with the literal passes: one link scan per syndrome and per symptom.
#include "bench/full_knowledge_base.h"

#include "literal_ranking.h"
#include "engine/ranking_engine.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace ordisan::bench {

namespace {

// A full knowledge base in the middle of a diagnosis: a male patient, about a third
// of the symptoms answered.
std::unique_ptr<KnowledgeBase> diagnosisInProgress()
{
    auto kb = std::make_unique<KnowledgeBase>();
    loadFull(*kb, makeFullKnowledgeFiles());
    kb->patientSex = SEX_MALE;
    ResetAnswers(*kb);
    std::minstd_rand random(1250);
    for (int j = 0; j < kb->symptomCount; ++j) {
        const auto roll = random() % 6;
        if (roll == 0)
            kb->symptoms[j].answer = ANSWER_PRESENT;
        else if (roll == 1)
            kb->symptoms[j].answer = ANSWER_ABSENT;
    }
    return kb;
}

template <void (*Compute)(KnowledgeBase&)>
void reRank(benchmark::State& state)
{
    const auto start = diagnosisInProgress();
    auto kb = std::make_unique<KnowledgeBase>(*start);
    for (auto _ : state) {
        Compute(*kb);
        SortSyndromes(*kb);
        SortSymptoms(*kb);
        benchmark::DoNotOptimize(kb->symptomOrder[0]);
        benchmark::ClobberMemory();
    }
}

void BM_ReRank(benchmark::State& state)
{
    reRank<ComputeScoresAndWeights>(state);
}

void BM_ReRankLiteralPasses(benchmark::State& state)
{
    reRank<ComputeScoresAndWeightsLiteral>(state);
}

} // namespace

BENCHMARK(BM_ReRank)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReRankLiteralPasses)->Unit(benchmark::kMillisecond);

} // namespace ordisan::bench
