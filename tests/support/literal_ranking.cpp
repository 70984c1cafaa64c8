#include "literal_ranking.h"

#include "engine/ranking_engine.h"

namespace ordisan {

void ComputeScoresAndWeightsLiteral(KnowledgeBase& kb)
{
    for (int i = 0; i < kb.syndromeCount; ++i) {
        float sum = 0.0f;
        int count = 0;
        for (int l = 0; l < kb.linkCount; ++l) {
            if (kb.links[l].syndrome != i)
                continue;
            const int s = kb.links[l].symptom;
            if (!SymptomApplies(kb, s))
                continue;
            ++count;
            if (kb.symptoms[s].answer == ANSWER_PRESENT)
                sum += 1.0f;
            else if (kb.symptoms[s].answer == ANSWER_UNKNOWN)
                sum += 0.5f;
        }
        kb.syndromes[i].score = count == 0 ? 0.0f : sum / static_cast<float>(count);
    }
    for (int j = 0; j < kb.symptomCount; ++j) {
        SymptomRecord& symptom = kb.symptoms[j];
        if (!SymptomApplies(kb, j)) {
            symptom.weight = 0.0f;
            symptom.answer = ANSWER_ABSENT;
            continue;
        }
        symptom.weight = 0.0f;
        for (int l = 0; l < kb.linkCount; ++l) {
            if (kb.links[l].symptom != j)
                continue;
            const float score = kb.syndromes[kb.links[l].syndrome].score;
            if (score > symptom.weight && score != 0.5f)
                symptom.weight = score;
        }
        if (symptom.weight == 0.0f)
            symptom.weight = 0.5f;
    }
}

} // namespace ordisan
