#include "engine/ranking_engine.h"

#include <utility>

namespace ordisan {

namespace {

float contributionOf(AnswerCode answer)
{
    if (answer == ANSWER_PRESENT)
        return 1.0f;
    if (answer == ANSWER_UNKNOWN)
        return 0.5f;
    return 0.0f;
}

// Descending exchange sort: entries of equal value are never swapped with each other,
// but an entry that a greater one displaces moves past its equals. The order shown
// to the user, ties included, is exactly what this produces.
template <typename ValueOf>
void exchangeSort(std::int32_t* order, int n, ValueOf valueOf)
{
    for (int i = 0; i < n; ++i)
        order[i] = i;
    for (int a = 0; a + 1 < n; ++a) {
        float top = valueOf(order[a]);
        for (int b = a + 1; b < n; ++b) {
            const float candidate = valueOf(order[b]);
            if (candidate > top) {
                std::swap(order[a], order[b]);
                top = candidate;
            }
        }
    }
}

} // namespace

bool SymptomApplies(const KnowledgeBase& kb, int symptom)
{
    const SexCode sex = kb.symptoms[symptom].sex;
    return sex == SEX_BOTH || sex == kb.patientSex;
}

int SyndromeSize(const KnowledgeBase& kb, int syndrome)
{
    int size = 0;
    for (int l = 0; l < kb.linkCount; ++l)
        size += kb.links[l].syndrome == syndrome && SymptomApplies(kb, kb.links[l].symptom) ? 1 : 0;
    return size;
}

void ResetAnswers(KnowledgeBase& kb)
{
    for (int j = 0; j < kb.symptomCount; ++j)
        kb.symptoms[j].answer = ANSWER_UNKNOWN;
}

// One scan of the links per pass instead of one per syndrome and per symptom. Sums
// are multiples of 0.5 no larger than MAX_LINKS, so float addition is exact in any
// order; a weight is the largest score other than 0.5 among the symptom's links,
// which does not depend on the order of the scan either.
void ComputeScoresAndWeights(KnowledgeBase& kb)
{
    float sum[MAX_SYNDROMES] = {};
    std::int32_t count[MAX_SYNDROMES] = {};
    bool applies[MAX_SYMPTOMS];
    for (int j = 0; j < kb.symptomCount; ++j)
        applies[j] = SymptomApplies(kb, j);

    for (int l = 0; l < kb.linkCount; ++l) {
        const SymptomLink& link = kb.links[l];
        if (!applies[link.symptom])
            continue;
        ++count[link.syndrome];
        sum[link.syndrome] += contributionOf(kb.symptoms[link.symptom].answer);
    }
    for (int i = 0; i < kb.syndromeCount; ++i)
        kb.syndromes[i].score = count[i] == 0 ? 0.0f : sum[i] / static_cast<float>(count[i]);

    for (int j = 0; j < kb.symptomCount; ++j) {
        kb.symptoms[j].weight = 0.0f;
        if (!applies[j])
            kb.symptoms[j].answer = ANSWER_ABSENT;
    }
    for (int l = 0; l < kb.linkCount; ++l) {
        const SymptomLink& link = kb.links[l];
        if (!applies[link.symptom])
            continue;
        const float score = kb.syndromes[link.syndrome].score;
        float& weight = kb.symptoms[link.symptom].weight;
        if (score > weight && score != 0.5f)
            weight = score;
    }
    for (int j = 0; j < kb.symptomCount; ++j) {
        if (applies[j] && kb.symptoms[j].weight == 0.0f)
            kb.symptoms[j].weight = 0.5f;
    }
}

void SortSyndromes(KnowledgeBase& kb)
{
    exchangeSort(kb.syndromeOrder, kb.syndromeCount,
                 [&kb](int i) { return kb.syndromes[i].score; });
}

void SortSymptoms(KnowledgeBase& kb)
{
    exchangeSort(kb.symptomOrder, kb.symptomCount,
                 [&kb](int j) { return kb.symptoms[j].weight; });
}

AnswerCode CycleAnswer(KnowledgeBase& kb, int symptom)
{
    AnswerCode& answer = kb.symptoms[symptom].answer;
    if (answer == ANSWER_UNKNOWN)
        answer = ANSWER_PRESENT;
    else if (answer == ANSWER_PRESENT)
        answer = ANSWER_ABSENT;
    else
        answer = ANSWER_UNKNOWN;
    return answer;
}

int PercentOf(float value)
{
    // In double precision a float times 100 is exact; rounding it to float first
    // would turn 14.5 / 50 into exactly 29.
    return static_cast<int>(static_cast<double>(value) * 100.0);
}

ScoreBand ScoreBandOf(int percent)
{
    if (percent < 30)
        return BAND_LOW;
    if (percent < 50)
        return BAND_BELOW_HALF;
    if (percent == 50)
        return BAND_HALF;
    if (percent < 80)
        return BAND_ABOVE_HALF;
    return BAND_HIGH;
}

} // namespace ordisan
