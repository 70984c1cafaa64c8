#pragma once

#include "knowledge/knowledge_base.h"
#include "tools/load_record.h"
#include "tools/warnings.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ordisan::tools {

// Everything one check found: the knowledge base as the loaders left it, every call
// they made on the reporter, their results, and the warnings.
struct CheckRun {
    std::unique_ptr<KnowledgeBase> kb;
    std::vector<ReportCall> reports;
    bool syndromeFile = false;
    std::optional<bool> dictionaryFile; // empty when the dictionary was not loaded
    std::vector<Warning> warnings;
};

// Loads podaci.cxt and, if that succeeded, rjecnik.cxt from `folder` through one line
// reader, as the program does at start, then looks for warnings.
CheckRun loadAndCheck(const std::string& folder);

// 0 when both files loaded and nothing was reported, otherwise 1.
int exitStatusOf(const CheckRun& run);

// A diagnosis as the diagnosis screen starts it, with the given answers, ranked once.
void rankDiagnosis(KnowledgeBase& kb, SexCode sex, const std::vector<int>& present,
                   const std::vector<int>& absent);

} // namespace ordisan::tools
