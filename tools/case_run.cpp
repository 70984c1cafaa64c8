#include "tools/case_run.h"

#include "engine/ranking_engine.h"
#include "tools/check_run.h"

#include <algorithm>

namespace ordisan::tools {

std::vector<CaseResult> runCases(KnowledgeBase& kb, const std::vector<RegressionCase>& cases)
{
    constexpr int FIRST_SHOWN = 3;
    std::vector<CaseResult> results;
    for (const RegressionCase& c : cases) {
        rankDiagnosis(kb, c.sex, c.present, c.absent);
        CaseResult result;
        result.line = c.line;
        result.syndrome = c.syndrome;
        result.within = c.within;
        const float score = kb.syndromes[c.syndrome].score;
        result.place = 1;
        for (int i = 0; i < kb.syndromeCount; ++i) {
            if (i != c.syndrome && kb.syndromes[i].score >= score)
                ++result.place;
        }
        result.percent = PercentOf(score);
        result.passed = result.place <= c.within;
        for (int k = 0; k < std::min(FIRST_SHOWN, kb.syndromeCount); ++k) {
            const int i = kb.syndromeOrder[k];
            result.first.push_back({i, PercentOf(kb.syndromes[i].score)});
        }
        results.push_back(std::move(result));
    }
    return results;
}

} // namespace ordisan::tools
