#pragma once

#include "cases/case_file_match.h"
#include "engine/diagnosis_case.h"

#include <vector>

namespace ordisan::tools {

// What one answer of a case did to two scores, in percentage points.
struct AnswerEffect {
    int symptom = -1;
    AnswerCode answer = ANSWER_UNKNOWN;
    double rivalPoints = 0;
    double expectedPoints = 0;
};

// Why a syndrome ranks above (or level with) the one a case expects. The answers fall
// into four kinds: counting for the rival and not for the expected syndrome, the
// expected syndrome's findings answered absent, its findings present that the rival
// lacks, and present findings of both. With the two sizes they make up the lead.
struct RivalExplanation {
    int rival = -1;
    int rivalPercent = 0;
    SexCode sex = SEX_MALE; // the case's
    double lead = 0; // the rival's score minus the expected one's, in points
    std::vector<AnswerEffect> rivalOnly;
    std::vector<AnswerEffect> expectedAbsent;
    std::vector<AnswerEffect> expectedPresent;
    std::vector<AnswerEffect> bothPresent;
    int rivalSize = 0;    // findings that apply to the case's sex
    int expectedSize = 0;
};

// Enters the case and ranks it through `diagnosis`, then ranks it once more without
// each answer in turn to measure what that answer did to every score. Against every
// other syndrome that scores at least as high as the expected one, best first; when
// there is none and `runnerUp` is set, against the best of the others. Leaves the
// case entered and ranked.
std::vector<RivalExplanation> explainCase(DiagnosisCase& diagnosis, const CaseEntry& entry,
                                          bool runnerUp);

} // namespace ordisan::tools
