#include "tools/case_explanation.h"

#include "engine/ranking_engine.h"

namespace ordisan::tools {

namespace {

std::vector<float> scoresOf(const KnowledgeBase& kb)
{
    std::vector<float> scores;
    for (int i = 0; i < kb.syndromeCount; ++i)
        scores.push_back(kb.syndromes[i].score);
    return scores;
}

double points(float score)
{
    return static_cast<double>(score) * 100.0;
}

} // namespace

std::vector<RivalExplanation> explainCase(DiagnosisCase& diagnosis, const CaseEntry& entry,
                                          bool runnerUp)
{
    const KnowledgeBase& kb = diagnosis.knowledgeBase();
    enterCase(diagnosis, entry);
    const std::vector<float> scores = scoresOf(kb);

    // What each answer did: the scores with it minus the scores without it.
    struct Measured {
        int symptom;
        AnswerCode answer;
        std::vector<float> without;
    };
    std::vector<Measured> measured;
    for (const bool present : {true, false}) {
        for (const int j : present ? entry.present : entry.absent) {
            const AnswerCode answer = diagnosis.answer(j);
            diagnosis.setAnswer(j, ANSWER_UNKNOWN);
            diagnosis.rank();
            measured.push_back({j, answer, scoresOf(kb)});
            diagnosis.setAnswer(j, answer);
        }
    }
    diagnosis.rank();

    const int expected = entry.syndrome;
    std::vector<RivalExplanation> rivals;
    for (const int rival : diagnosis.syndromeRanking()) {
        const bool above = scores[rival] >= scores[expected];
        if (rival == expected || (!above && !(runnerUp && rivals.empty())))
            continue;
        RivalExplanation r;
        r.rival = rival;
        r.rivalPercent = PercentOf(scores[rival]);
        r.sex = entry.sex;
        r.lead = points(scores[rival]) - points(scores[expected]);
        r.rivalSize = SyndromeSize(kb, rival);
        r.expectedSize = SyndromeSize(kb, expected);
        for (const Measured& m : measured) {
            const AnswerEffect effect{m.symptom, m.answer,
                                      points(scores[rival]) - points(m.without[rival]),
                                      points(scores[expected]) - points(m.without[expected])};
            if (effect.expectedPoints == 0 && effect.rivalPoints != 0)
                r.rivalOnly.push_back(effect);
            else if (effect.expectedPoints != 0 && m.answer == ANSWER_ABSENT)
                r.expectedAbsent.push_back(effect);
            else if (effect.expectedPoints != 0 && effect.rivalPoints == 0)
                r.expectedPresent.push_back(effect);
            else if (effect.expectedPoints != 0)
                r.bothPresent.push_back(effect);
        }
        rivals.push_back(std::move(r));
        if (!above)
            break; // the runner-up of a case in first place
    }
    return rivals;
}

} // namespace ordisan::tools
