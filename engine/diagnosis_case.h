#pragma once

#include "knowledge/knowledge_base.h"

#include <cstdint>
#include <span>
#include <vector>

namespace ordisan {

// The patient as the patient dialog takes it, before the diagnosis opens.
struct Patient {
    std::uint32_t age = 0;
    SexCode sex = SEX_MALE;
};

// One patient's diagnosis over the knowledge base's record, which holds the patient,
// the answers, the scores and both orders: what the dialog, the case runner and the
// case files drive. It keeps what the record cannot: whether the ranking still matches
// the answers, whether the case has changed since it was last saved (or copied), and
// the symptoms that the last ranking left open. Standard C++ only.
class DiagnosisCase final {
public:
    explicit DiagnosisCase(KnowledgeBase& kb) : kb_(kb) {}

    KnowledgeBase& knowledgeBase() { return kb_; }
    const KnowledgeBase& knowledgeBase() const { return kb_; }

    // A new case: every answer unknown, nothing ranked, nothing to save. The patient's
    // age and sex stay as they were set.
    void start();

    SexCode sex() const { return kb_.patientSex; }
    std::uint32_t age() const { return kb_.patientAge; }
    // A new sex puts the ranking out of date; either value changes the case.
    void setSex(SexCode sex);
    void setAge(std::uint32_t age);

    AnswerCode answer(int symptom) const { return kb_.symptoms[symptom].answer; }
    // Either puts the ranking out of date and changes the case, when the answer changes.
    void setAnswer(int symptom, AnswerCode answer);
    // Unknown → present → absent → unknown; the new answer.
    AnswerCode cycleAnswer(int symptom);
    // Some symptom that applies to the patient is answered present or absent.
    bool hasAnswers() const;

    // Scores, weights and both orders from the answers, as "<<Rangiraj>>" does.
    void rank();
    bool ranked() const { return ranked_; }
    // An answer or the sex has changed since the last rank() (or start()).
    bool outOfDate() const { return outOfDate_; }
    // Every syndrome, best first, as the last ranking ordered them; empty before it.
    std::span<const std::int32_t> syndromeRanking() const;
    // The first of them, or -1 before a ranking or without syndromes.
    int firstSyndrome() const;
    // The symptoms left unknown by the last ranking, most worth asking first; an
    // answer given since does not take them off this list.
    const std::vector<int>& openSymptoms() const { return open_; }

    // The patient, an answer or the sex has changed since start() or markSaved().
    bool changedSinceSaved() const { return changed_; }
    // The case has been saved or copied as it stands.
    void markSaved() { changed_ = false; }

private:
    KnowledgeBase& kb_;
    bool ranked_ = false;
    bool outOfDate_ = false;
    bool changed_ = false;
    std::vector<int> open_;
};

} // namespace ordisan
