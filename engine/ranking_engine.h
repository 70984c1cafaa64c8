// The engine layer: scores, weights, rank orders, percentages and score bands, worked
// out in place on the one KnowledgeBase. Standard C++ only; it knows no toolkit and
// keeps no state of its own.
#pragma once

#include "knowledge/knowledge_base.h"

namespace ordisan {

enum ScoreBand {
    BAND_LOW,        // below 30
    BAND_BELOW_HALF, // 30 to 49
    BAND_HALF,       // exactly 50
    BAND_ABOVE_HALF, // 51 to 79
    BAND_HIGH,       // 80 and above
};

// Every symptom's answer becomes ANSWER_UNKNOWN.
void ResetAnswers(KnowledgeBase& kb);
// Scores of all syndromes, then weights of all symptoms; a symptom that does not
// apply to the patient's sex gets weight 0 and the answer ANSWER_ABSENT.
void ComputeScoresAndWeights(KnowledgeBase& kb);
void SortSyndromes(KnowledgeBase& kb);
void SortSymptoms(KnowledgeBase& kb);
// Unknown → present → absent → unknown; any other value → unknown.
AnswerCode CycleAnswer(KnowledgeBase& kb, int symptom);
bool SymptomApplies(const KnowledgeBase& kb, int symptom);
// The number of findings a syndrome's score is shared among: its links to symptoms
// that apply to the patient's sex, a symptom linked twice counting twice.
int SyndromeSize(const KnowledgeBase& kb, int syndrome);
// The whole percentage shown for a score or weight, truncated toward zero.
int PercentOf(float value);
ScoreBand ScoreBandOf(int percent);

} // namespace ordisan
