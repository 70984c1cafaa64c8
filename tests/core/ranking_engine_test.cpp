#include "engine/ranking_engine.h"
#include "knowledge_base_builder.h"
#include "literal_ranking.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace ordisan::test {
namespace {

std::vector<int> orderOf(const std::int32_t* order, int n)
{
    return {order, order + n};
}

TEST(RankingEngine, StartOfADiagnosis)
{
    KnowledgeBaseBuilder b;
    const int both = b.syndrome();
    const int womenOnly = b.syndrome();
    const int empty = b.syndrome();
    const int x = b.symptom("", SEX_BOTH);
    const int m = b.symptom("", SEX_MALE);
    const int z = b.symptom("", SEX_FEMALE);
    b.link(both, x);
    b.link(both, m);
    b.link(womenOnly, z);
    KnowledgeBase& kb = b.kb();
    kb.patientSex = SEX_MALE;
    kb.symptoms[z].answer = ANSWER_PRESENT;
    ResetAnswers(kb);
    EXPECT_EQ(kb.symptoms[z].answer, ANSWER_UNKNOWN);
    ComputeScoresAndWeights(kb);
    EXPECT_EQ(kb.syndromes[both].score, 0.5f);
    EXPECT_EQ(kb.syndromes[womenOnly].score, 0.0f);
    EXPECT_EQ(kb.syndromes[empty].score, 0.0f);
    EXPECT_EQ(kb.symptoms[x].weight, 0.5f);
    EXPECT_EQ(kb.symptoms[m].weight, 0.5f);
    EXPECT_EQ(kb.symptoms[z].weight, 0.0f);
    EXPECT_EQ(kb.symptoms[z].answer, ANSWER_ABSENT) << "a symptom of the other sex is absent";
    SortSymptoms(kb);
    EXPECT_EQ(orderOf(kb.symptomOrder, 3), (std::vector<int>{0, 1, 2}));
    SortSyndromes(kb);
    EXPECT_EQ(orderOf(kb.syndromeOrder, 3), (std::vector<int>{0, 1, 2}));
}

TEST(RankingEngine, ScoresOfTheWorkedExamples)
{
    KnowledgeBaseBuilder b;
    const int mixed = b.syndrome();     // one present, two unknown
    const int balanced = b.syndrome();  // one present, one absent
    const int repeated = b.syndrome();  // a present symptom linked twice, one absent
    const int p = b.symptom();
    const int u1 = b.symptom();
    const int u2 = b.symptom();
    const int a = b.symptom();
    b.link(mixed, p);
    b.link(mixed, u1);
    b.link(mixed, u2);
    b.link(balanced, p);
    b.link(balanced, a);
    b.link(repeated, p);
    b.link(repeated, p);
    b.link(repeated, a);
    KnowledgeBase& kb = b.kb();
    kb.patientSex = SEX_FEMALE;
    ResetAnswers(kb);
    kb.symptoms[p].answer = ANSWER_PRESENT;
    kb.symptoms[a].answer = ANSWER_ABSENT;
    ComputeScoresAndWeights(kb);
    EXPECT_EQ(kb.syndromes[mixed].score, 2.0f / 3.0f);
    EXPECT_EQ(PercentOf(kb.syndromes[mixed].score), 66);
    EXPECT_EQ(ScoreBandOf(66), BAND_ABOVE_HALF);
    EXPECT_EQ(kb.syndromes[balanced].score, 0.5f);
    EXPECT_EQ(kb.syndromes[repeated].score, 2.0f / 3.0f);
    // p belongs to 2/3, 1/2 and 2/3: the half is left out.
    EXPECT_EQ(kb.symptoms[p].weight, 2.0f / 3.0f);
    // a belongs only to syndromes scoring 0.5 and 2/3.
    EXPECT_EQ(kb.symptoms[a].weight, 2.0f / 3.0f);
}

TEST(RankingEngine, ExchangeSortKeepsItsTieBehaviour)
{
    KnowledgeBaseBuilder b;
    for (int i = 0; i < 4; ++i)
        b.syndrome();
    KnowledgeBase& kb = b.kb();
    const float scores[] = {0.5f, 0.25f, 0.5f, 1.0f};
    for (int i = 0; i < 4; ++i)
        kb.syndromes[i].score = scores[i];
    SortSyndromes(kb);
    EXPECT_EQ(orderOf(kb.syndromeOrder, 4), (std::vector<int>{3, 2, 0, 1}));

    // With a count of 0 nothing is written; with 1 the order is just 0.
    kb.syndromeOrder[0] = 77;
    kb.syndromeCount = 0;
    SortSyndromes(kb);
    EXPECT_EQ(kb.syndromeOrder[0], 77);
    kb.syndromeCount = 1;
    SortSyndromes(kb);
    EXPECT_EQ(kb.syndromeOrder[0], 0);
}

TEST(RankingEngine, PercentAndBand)
{
    EXPECT_EQ(PercentOf(14.5f / 50.0f), 28) << "the product is not rounded to single precision";
    EXPECT_EQ(static_cast<int>(14.5f / 50.0f * 100.0f), 29) << "as a float product it would be";
    EXPECT_EQ(PercentOf(0.5f), 50);
    EXPECT_EQ(PercentOf(1.0f), 100);
    EXPECT_EQ(PercentOf(2.0f / 3.0f), 66);
    EXPECT_EQ(PercentOf(0.0f), 0);

    const std::pair<int, ScoreBand> bands[] = {
        {0, BAND_LOW},         {29, BAND_LOW},        {30, BAND_BELOW_HALF}, {49, BAND_BELOW_HALF},
        {50, BAND_HALF},       {51, BAND_ABOVE_HALF}, {79, BAND_ABOVE_HALF}, {80, BAND_HIGH},
        {100, BAND_HIGH},
    };
    for (const auto& [percent, band] : bands)
        EXPECT_EQ(ScoreBandOf(percent), band) << percent;
}

TEST(RankingEngine, CycleAnswerGoesRoundFromAnyValue)
{
    KnowledgeBaseBuilder b;
    const int j = b.symptom();
    std::vector<AnswerCode> answers;
    for (int k = 0; k < 4; ++k)
        answers.push_back(CycleAnswer(b.kb(), j));
    EXPECT_EQ(answers, (std::vector<AnswerCode>{ANSWER_UNKNOWN, ANSWER_PRESENT, ANSWER_ABSENT,
                                                ANSWER_UNKNOWN}));
    b.kb().symptoms[j].answer = 42;
    EXPECT_EQ(CycleAnswer(b.kb(), j), ANSWER_UNKNOWN);
}

// Fills a knowledge base at random: few distinct answers and scores, so ties are common.
void randomKnowledgeBase(KnowledgeBase& kb, std::mt19937& random)
{
    const auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(random); };
    kb = KnowledgeBase{};
    kb.syndromeCount = 1 + upTo(upTo(1) ? 20 : MAX_SYNDROMES - 1);
    kb.symptomCount = 1 + upTo(upTo(1) ? 30 : MAX_SYMPTOMS - 1);
    kb.linkCount = upTo(upTo(1) ? 60 : MAX_LINKS);
    for (int j = 0; j < kb.symptomCount; ++j) {
        kb.symptoms[j].sex = 1 + upTo(2);
        kb.symptoms[j].answer = upTo(4); // 0 as loaded, or any of the three answers, or a stray 4
    }
    for (int l = 0; l < kb.linkCount; ++l)
        kb.links[l] = SymptomLink{upTo(kb.symptomCount - 1), upTo(kb.syndromeCount - 1)};
    kb.patientSex = 1 + upTo(1);
}

TEST(RankingEngine, OnePassFormMatchesTheLiteralPassesBitForBit)
{
    std::mt19937 random(20261207);
    auto fast = std::make_unique<KnowledgeBase>();
    auto literal = std::make_unique<KnowledgeBase>();
    for (int round = 0; round < 300; ++round) {
        randomKnowledgeBase(*fast, random);
        std::memcpy(static_cast<void*>(literal.get()), fast.get(), sizeof(KnowledgeBase));
        for (int step = 0; step < 3; ++step) {
            ComputeScoresAndWeights(*fast);
            ComputeScoresAndWeightsLiteral(*literal);
            ASSERT_EQ(std::memcmp(fast.get(), literal.get(), sizeof(KnowledgeBase)), 0)
                << "round " << round << ", step " << step;
            // Answer a few symptoms and rank again.
            for (int k = 0; k < 5; ++k) {
                const int j = std::uniform_int_distribution<int>(0, fast->symptomCount - 1)(random);
                CycleAnswer(*fast, j);
                CycleAnswer(*literal, j);
            }
        }
    }
}

} // namespace
} // namespace ordisan::test
