#include "engine/diagnosis_case.h"

#include "engine/ranking_engine.h"

namespace ordisan {

void DiagnosisCase::start()
{
    ResetAnswers(kb_);
    ranked_ = false;
    outOfDate_ = false;
    changed_ = false;
    open_.clear();
}

void DiagnosisCase::setSex(SexCode sex)
{
    if (kb_.patientSex == sex)
        return;
    kb_.patientSex = sex;
    outOfDate_ = true;
    changed_ = true;
}

void DiagnosisCase::setAge(std::uint32_t age)
{
    if (kb_.patientAge == age)
        return;
    kb_.patientAge = age;
    changed_ = true;
}

void DiagnosisCase::setAnswer(int symptom, AnswerCode answer)
{
    if (kb_.symptoms[symptom].answer == answer)
        return;
    kb_.symptoms[symptom].answer = answer;
    outOfDate_ = true;
    changed_ = true;
}

AnswerCode DiagnosisCase::cycleAnswer(int symptom)
{
    const AnswerCode answer = CycleAnswer(kb_, symptom);
    outOfDate_ = true;
    changed_ = true;
    return answer;
}

bool DiagnosisCase::hasAnswers() const
{
    for (int j = 0; j < kb_.symptomCount; ++j) {
        const AnswerCode answer = kb_.symptoms[j].answer;
        if ((answer == ANSWER_PRESENT || answer == ANSWER_ABSENT) && SymptomApplies(kb_, j))
            return true;
    }
    return false;
}

void DiagnosisCase::rank()
{
    ComputeScoresAndWeights(kb_);
    SortSyndromes(kb_);
    SortSymptoms(kb_);
    // Symptoms that do not apply are absent after a ranking, so never open.
    open_.clear();
    for (int k = 0; k < kb_.symptomCount; ++k) {
        const int j = kb_.symptomOrder[k];
        if (kb_.symptoms[j].answer == ANSWER_UNKNOWN)
            open_.push_back(j);
    }
    ranked_ = true;
    outOfDate_ = false;
}

std::span<const std::int32_t> DiagnosisCase::syndromeRanking() const
{
    if (!ranked_)
        return {};
    return {kb_.syndromeOrder, static_cast<std::size_t>(kb_.syndromeCount)};
}

int DiagnosisCase::firstSyndrome() const
{
    const auto ranking = syndromeRanking();
    return ranking.empty() ? -1 : ranking.front();
}

} // namespace ordisan
