#include "engine/ranking_engine.h"
#include "knowledge_base_builder.h"
#include "literal_ranking.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace ordisan::test {
namespace {

// Syndromes given as lists of their symptoms' indexes, symptoms by sex.
KnowledgeBaseBuilder clinic(const std::vector<std::vector<int>>& syndromes,
                            const std::vector<SexCode>& sexes)
{
    KnowledgeBaseBuilder b;
    for (const SexCode sex : sexes)
        b.symptom("", sex);
    for (const auto& symptoms : syndromes) {
        const int i = b.syndrome();
        for (const int j : symptoms)
            b.link(i, j);
    }
    return b;
}

// Scores of the syndromes, then weights of the symptoms.
std::vector<float> rankedBy(const KnowledgeBase& kb)
{
    std::vector<float> out;
    for (int i = 0; i < kb.syndromeCount; ++i)
        out.push_back(kb.syndromes[i].score);
    for (int j = 0; j < kb.symptomCount; ++j)
        out.push_back(kb.symptoms[j].weight);
    return out;
}

TEST(RankingEngine, StartOfADiagnosisTheWorkedExampleAndTies)
{
    // A man: the women's symptom counts as absent, the empty syndrome scores 0.
    KnowledgeBaseBuilder start = clinic({{0, 1}, {2}, {}}, {SEX_BOTH, SEX_MALE, SEX_FEMALE});
    KnowledgeBase& kb = start.patient(SEX_MALE).kb();
    kb.symptoms[2].answer = ANSWER_PRESENT;
    ResetAnswers(kb);
    EXPECT_EQ(kb.symptoms[2].answer, ANSWER_UNKNOWN);
    ComputeScoresAndWeights(kb);
    EXPECT_EQ(rankedBy(kb), (std::vector<float>{0.5f, 0.0f, 0.0f, 0.5f, 0.5f, 0.0f}));
    EXPECT_EQ(kb.symptoms[2].answer, ANSWER_ABSENT) << "a symptom of the other sex is absent";

    // 0 present, 3 absent, 1 and 2 unknown: one present and two unknown, one present
    // and one absent, a present symptom linked twice and one absent. A weight is the
    // best score of the symptom's syndromes other than a half.
    KnowledgeBaseBuilder worked = clinic({{0, 1, 2}, {0, 3}, {0, 0, 3}}, std::vector(4, SEX_BOTH));
    KnowledgeBase& w = worked.patient(SEX_FEMALE).kb();
    ResetAnswers(w);
    w.symptoms[0].answer = ANSWER_PRESENT;
    w.symptoms[3].answer = ANSWER_ABSENT;
    ComputeScoresAndWeights(w);
    const float third = 2.0f / 3.0f;
    EXPECT_EQ(rankedBy(w), (std::vector<float>{third, 0.5f, third, third, third, third, third}));
    EXPECT_EQ((std::vector{SyndromeSize(w, 0), SyndromeSize(w, 1), SyndromeSize(w, 2)}),
              (std::vector{3, 2, 3}))
        << "the twice linked symptom counts twice, as in the score";
    EXPECT_EQ((std::vector{SyndromeSize(kb, 0), SyndromeSize(kb, 1), SyndromeSize(kb, 2)}),
              (std::vector{2, 0, 0}))
        << "symptoms of the other sex count for none";

    // The exchange sort puts a later equal score first.
    const float scores[] = {0.5f, 0.25f, 0.5f, 1.0f};
    for (int i = 0; i < 4; ++i)
        w.syndromes[i].score = scores[i];
    w.syndromeCount = 4;
    SortSyndromes(w);
    EXPECT_EQ(std::vector<int>(w.syndromeOrder, w.syndromeOrder + 4), (std::vector{3, 2, 0, 1}));
}

TEST(RankingEngine, PercentBandAndAnswerCycle)
{
    EXPECT_EQ(PercentOf(14.5f / 50.0f), 28) << "the product is not rounded to single precision";
    EXPECT_EQ(PercentOf(2.0f / 3.0f), 66);
    const std::pair<int, ScoreBand> edges[] = {{29, BAND_LOW}, {30, BAND_BELOW_HALF},
        {49, BAND_BELOW_HALF}, {50, BAND_HALF}, {51, BAND_ABOVE_HALF}, {79, BAND_ABOVE_HALF},
        {80, BAND_HIGH}};
    for (const auto& [percent, band] : edges)
        EXPECT_EQ(ScoreBandOf(percent), band) << percent;
    KnowledgeBaseBuilder b = clinic({}, {SEX_BOTH});
    std::vector<AnswerCode> answers;
    for (const AnswerCode from : {0, ANSWER_UNKNOWN, ANSWER_PRESENT, ANSWER_ABSENT, 42}) {
        b.kb().symptoms[0].answer = from;
        answers.push_back(CycleAnswer(b.kb(), 0));
    }
    EXPECT_EQ(answers, (std::vector<AnswerCode>{ANSWER_UNKNOWN, ANSWER_PRESENT, ANSWER_ABSENT,
                                                ANSWER_UNKNOWN, ANSWER_UNKNOWN}));
}

TEST(RankingEngine, OnePassFormMatchesTheLiteralPassesBitForBit)
{
    std::mt19937 random(20261207);
    const auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(random); };
    auto fast = std::make_unique<KnowledgeBase>();
    auto literal = std::make_unique<KnowledgeBase>();
    for (int round = 0; round < 300; ++round) {
        // Few distinct answers and scores, so ties are common.
        KnowledgeBase& kb = *fast;
        kb = KnowledgeBase{};
        kb.syndromeCount = 1 + upTo(upTo(1) ? 20 : MAX_SYNDROMES - 1);
        kb.symptomCount = 1 + upTo(upTo(1) ? 30 : MAX_SYMPTOMS - 1);
        kb.linkCount = upTo(upTo(1) ? 60 : MAX_LINKS);
        for (int j = 0; j < kb.symptomCount; ++j) {
            kb.symptoms[j].sex = 1 + upTo(2);
            kb.symptoms[j].answer = upTo(4); // 0 as loaded, any of the three answers, a stray 4
        }
        for (int l = 0; l < kb.linkCount; ++l)
            kb.links[l] = SymptomLink{upTo(kb.symptomCount - 1), upTo(kb.syndromeCount - 1)};
        kb.patientSex = 1 + upTo(1);
        std::memcpy(static_cast<void*>(literal.get()), fast.get(), sizeof(KnowledgeBase));
        for (int step = 0; step < 3; ++step) {
            ComputeScoresAndWeights(*fast);
            ComputeScoresAndWeightsLiteral(*literal);
            ASSERT_EQ(std::memcmp(fast.get(), literal.get(), sizeof(KnowledgeBase)), 0)
                << "round " << round << ", step " << step;
            // Answer a few symptoms and rank again.
            for (int k = 0; k < 5; ++k) {
                const int j = upTo(kb.symptomCount - 1);
                CycleAnswer(*fast, j);
                CycleAnswer(*literal, j);
            }
        }
    }
}

} // namespace
} // namespace ordisan::test
