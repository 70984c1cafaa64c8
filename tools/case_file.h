#pragma once

#include "knowledge/knowledge_base.h"

#include <string>
#include <vector>

namespace ordisan::tools {

// One regression case of a case file, its texts already matched against the knowledge
// base it was read for.
struct RegressionCase {
    int line = 0;            // of its SLUCAJ line
    int syndrome = -1;       // the expected diagnosis
    SexCode sex = SEX_MALE;
    int within = 1;          // it must rank among the first `within`
    std::vector<int> present;
    std::vector<int> absent;
};

// Why a case file cannot be used. `line` 0 names no line (the file as a whole).
struct CaseFileError {
    int line = 0;
    std::string text; // code page 1250, like the texts it quotes
};

struct CaseFile {
    std::vector<RegressionCase> cases;
    std::vector<CaseFileError> errors; // in line order; no case may run when any
};

// Reads a case file with the data files' line reader, so that line breaks, comments
// and slashes mean what they mean in podaci.cxt, and matches every syndrome and
// symptom text against `kb` byte for byte.
CaseFile readCaseFile(const std::string& path, const KnowledgeBase& kb);

} // namespace ordisan::tools
