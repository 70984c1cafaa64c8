#include "tools/case_margin.h"

namespace ordisan::tools {

CaseMargin marginOf(const DiagnosisCase& diagnosis, int syndrome)
{
    const KnowledgeBase& kb = diagnosis.knowledgeBase();
    CaseMargin margin;
    for (const int i : diagnosis.syndromeRanking()) {
        if (i != syndrome) {
            margin.best = i;
            break;
        }
    }
    if (margin.best >= 0)
        margin.points = static_cast<double>(kb.syndromes[syndrome].score) * 100.0
            - static_cast<double>(kb.syndromes[margin.best].score) * 100.0;
    return margin;
}

} // namespace ordisan::tools
