#include "tools/case_run.h"

#include "engine/ranking_engine.h"
#include "tools/case_margin.h"

#include <algorithm>

namespace ordisan::tools {

std::vector<CaseResult> runCases(KnowledgeBase& kb, const std::vector<CaseEntry>& cases)
{
    constexpr std::size_t FIRST_SHOWN = 3;
    DiagnosisCase diagnosis(kb);
    std::vector<CaseResult> results;
    for (const CaseEntry& c : cases) {
        enterCase(diagnosis, c);
        CaseResult result;
        result.line = c.line;
        result.syndrome = c.syndrome;
        result.within = c.within;
        const float score = kb.syndromes[c.syndrome].score;
        result.place = 1;
        for (int i = 0; i < kb.syndromeCount; ++i) {
            if (i == c.syndrome)
                continue;
            result.place += kb.syndromes[i].score >= score ? 1 : 0;
            result.tiedWith += kb.syndromes[i].score == score ? 1 : 0;
        }
        const CaseMargin margin = marginOf(diagnosis, c.syndrome);
        if (margin.best >= 0)
            result.bestOther = {margin.best, PercentOf(kb.syndromes[margin.best].score)};
        result.margin = margin.points;
        result.percent = PercentOf(score);
        result.passed = result.place <= c.within;
        const auto ranking = diagnosis.syndromeRanking();
        for (std::size_t k = 0; k < std::min(FIRST_SHOWN, ranking.size()); ++k)
            result.first.push_back({ranking[k], PercentOf(kb.syndromes[ranking[k]].score)});
        if (!result.passed)
            result.explanation = explainCase(diagnosis, c, false);
        results.push_back(std::move(result));
    }
    return results;
}

} // namespace ordisan::tools
