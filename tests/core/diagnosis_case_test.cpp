#include "engine/diagnosis_case.h"
#include "knowledge_base_builder.h"

#include <gtest/gtest.h>

namespace ordisan::test {
namespace {

// A: symptoms 0, 1, 2; B: symptoms 2 and 3, the last for women only.
std::unique_ptr<KnowledgeBase> clinic()
{
    KnowledgeBaseBuilder b;
    for (const SexCode sex : {SEX_BOTH, SEX_BOTH, SEX_BOTH, SEX_FEMALE})
        b.symptom("", sex);
    const int a = b.syndrome("A");
    const int bb = b.syndrome("B");
    for (const auto& [i, j] : {std::pair{a, 0}, {a, 1}, {a, 2}, {bb, 2}, {bb, 3}})
        b.link(i, j);
    b.patient(SEX_MALE);
    return b.take();
}

TEST(DiagnosisCase, OutOfDateUntilRankedAndChangedUntilSaved)
{
    const auto kb = clinic();
    kb->symptoms[1].answer = ANSWER_PRESENT; // from the case before
    DiagnosisCase diagnosis(*kb);
    diagnosis.start();
    EXPECT_EQ(diagnosis.answer(1), ANSWER_UNKNOWN);
    EXPECT_FALSE(diagnosis.outOfDate() || diagnosis.changedSinceSaved() || diagnosis.ranked());
    EXPECT_TRUE(diagnosis.syndromeRanking().empty());
    EXPECT_EQ(diagnosis.firstSyndrome(), -1);

    diagnosis.rank();
    diagnosis.setAnswer(0, ANSWER_UNKNOWN); // as it was: no change
    diagnosis.setSex(SEX_MALE);
    EXPECT_FALSE(diagnosis.outOfDate() || diagnosis.changedSinceSaved());
    diagnosis.setAge(40); // part of the case, not of the ranking
    EXPECT_FALSE(diagnosis.outOfDate());
    EXPECT_TRUE(diagnosis.changedSinceSaved());
    diagnosis.markSaved();

    const struct {
        void (*change)(DiagnosisCase&);
    } changes[] = {
        {[](DiagnosisCase& d) { d.setAnswer(2, ANSWER_ABSENT); }},
        {[](DiagnosisCase& d) { d.cycleAnswer(0); }},
        {[](DiagnosisCase& d) { d.setSex(SEX_FEMALE); }},
    };
    for (const auto& row : changes) {
        row.change(diagnosis);
        EXPECT_TRUE(diagnosis.outOfDate());
        EXPECT_TRUE(diagnosis.changedSinceSaved());
        diagnosis.rank();
        EXPECT_FALSE(diagnosis.outOfDate());
        EXPECT_TRUE(diagnosis.changedSinceSaved()) << "a ranking saves nothing";
        diagnosis.markSaved();
        EXPECT_FALSE(diagnosis.changedSinceSaved());
    }
}

TEST(DiagnosisCase, OpenSymptomsAndRankingAreThoseOfTheLastRanking)
{
    const auto kb = clinic();
    DiagnosisCase diagnosis(*kb);
    diagnosis.start();
    diagnosis.setAnswer(3, ANSWER_PRESENT); // for women only: the man is not asked it
    EXPECT_FALSE(diagnosis.hasAnswers());
    diagnosis.setAnswer(0, ANSWER_PRESENT);
    EXPECT_TRUE(diagnosis.hasAnswers());
    diagnosis.rank();
    // A scores 2/3, B 1/2 (symptom 3 does not count for a man).
    const auto ranking = diagnosis.syndromeRanking();
    EXPECT_EQ(std::vector<int>(ranking.begin(), ranking.end()), (std::vector<int>{0, 1}));
    EXPECT_EQ(diagnosis.firstSyndrome(), 0);
    EXPECT_EQ(diagnosis.openSymptoms(), (std::vector<int>{1, 2}));

    diagnosis.setAnswer(1, ANSWER_ABSENT);
    EXPECT_EQ(diagnosis.openSymptoms(), (std::vector<int>{1, 2})) << "until the next ranking";
    diagnosis.rank();
    EXPECT_EQ(diagnosis.openSymptoms(), (std::vector<int>{2}));
    diagnosis.setAnswer(0, ANSWER_UNKNOWN);
    diagnosis.setAnswer(1, ANSWER_UNKNOWN);
    EXPECT_FALSE(diagnosis.hasAnswers());
    diagnosis.start();
    EXPECT_TRUE(diagnosis.openSymptoms().empty());
    EXPECT_EQ(diagnosis.firstSyndrome(), -1);
}

} // namespace
} // namespace ordisan::test
