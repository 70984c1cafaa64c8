#pragma once

#include "knowledge/knowledge_base.h"
#include "cases/case_file_message.h"
#include "tools/case_run.h"

#include <string>
#include <vector>

namespace ordisan::tools {

// One line per case, `FILE:LINE: SYNDROME: passed|FAILED, place P, N%`, the first
// three of the ranking after a failure, then the count.
std::string humanCaseReport(const std::string& fileName, const KnowledgeBase& kb,
                            const std::vector<CaseResult>& results);

// The same as one JSON object, line break included.
std::string jsonCaseReport(const std::string& fileName, const KnowledgeBase& kb,
                           const std::vector<CaseResult>& results);

// `FILE:LINE: TEXT` (`FILE: TEXT` for the file as a whole), one line each, in English.
std::string caseFileErrorLines(const std::string& fileName,
                               const std::vector<CaseFileError>& errors);

} // namespace ordisan::tools
