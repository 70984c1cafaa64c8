// What must hold of the readers that ordisan-check adds to the program's own: the UTF-8
// conversion, the scan for over-long lines, and the case runs, explanations and audit.
// Each aborts on a broken promise.
#pragma once

#include "cases/case_file_match.h"
#include "tools/load_record.h"

#include <string_view>
#include <vector>

namespace ordisan::fuzz {

void require(bool condition);

// Any bytes as an author's UTF-8 file for --to-cp1250.
void checkConversion(std::string_view utf8);

// Every over-long line of `bytes` as `file`. When the file was loaded from these bytes
// without a fault, `calls` are the load's reports: the line any of them refused for its
// length is among the scan's, and there is none before the load's first message.
void checkLongLines(tools::DataFile file, std::string_view bytes,
                    const std::vector<tools::ReportCall>* calls);

// The cases that name a syndrome of `kb`, run, explained and audited as the tool does.
void checkCaseRuns(KnowledgeBase& kb, const std::vector<CaseEntry>& cases);

} // namespace ordisan::fuzz
