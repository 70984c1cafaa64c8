#pragma once

#include "cases/case_file_reader.h"
#include "engine/diagnosis_case.h"

namespace ordisan {

// A case of a case file with its texts found in a knowledge base.
struct CaseEntry {
    int line = 0;           // of its SLUCAJ line
    int syndrome = -1;      // the expected diagnosis; -1 when the knowledge base has no such
    SexCode sex = SEX_MALE;
    std::uint32_t age = 0;  // 0 when the case gives none: unknown, as the patient dialog starts
    int within = 1;         // it must rank among the first `within`
    std::vector<int> present; // symptom indexes that apply to `sex`
    std::vector<int> absent;
};

struct MatchedCaseFile {
    // Every case with a usable sex, holding what the knowledge base has of it.
    std::vector<CaseEntry> cases;
    // In line order: texts the knowledge base does not hold (the closest one named),
    // symptoms of the other sex, an MJESTO beyond the syndromes loaded.
    std::vector<CaseFileError> errors;
};

// Looks every syndrome and symptom text of `file` up in `kb`, byte for byte, blanks
// around them aside. A symptom text that stands for several symptoms (other sex or
// location letters) answers every one of them that applies to the case's sex.
MatchedCaseFile matchCaseFile(const CaseFileText& file, const KnowledgeBase& kb);

// Enters the case as a doctor would: a new case, the patient's sex and age (0 when the
// case gives none, never the previous patient's), the answers, one ranking.
void enterCase(DiagnosisCase& diagnosis, const CaseEntry& entry);

} // namespace ordisan
