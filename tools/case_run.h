#pragma once

#include "knowledge/knowledge_base.h"
#include "tools/case_file.h"

#include <vector>

namespace ordisan::tools {

struct RankedSyndrome {
    int syndrome = -1;
    int percent = 0;
};

struct CaseResult {
    int line = 0;
    int syndrome = -1;
    int within = 1;
    // 1 + every other syndrome that scored at least as high: a tie counts against the
    // case wherever the sort put it.
    int place = 0;
    int percent = 0;
    bool passed = false;
    // The first three of this case's ranking, as the screen lists them.
    std::vector<RankedSyndrome> first;
};

// Runs each case as the diagnosis screen would: answers reset, the sex set, the
// answers given, one re-rank. Leaves `kb` ranked for the last case.
std::vector<CaseResult> runCases(KnowledgeBase& kb, const std::vector<RegressionCase>& cases);

} // namespace ordisan::tools
