#pragma once

#include "cases/case_file_match.h"
#include "knowledge/knowledge_base.h"

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

// Enters each case as a doctor would (see enterCase) and ranks it. Every case must
// name a syndrome of `kb`. Leaves `kb` ranked for the last case.
std::vector<CaseResult> runCases(KnowledgeBase& kb, const std::vector<CaseEntry>& cases);

} // namespace ordisan::tools
