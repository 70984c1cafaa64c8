#pragma once

#include "cases/case_file_match.h"
#include "engine/diagnosis_case.h"

#include <vector>

namespace ordisan::tools {

// What an author should see before a patient does. Each part is worked out for a man
// and for a woman; index 0 is the man, 1 the woman.
struct KnowledgeAudit {
    struct Size {
        int syndrome = -1;
        int findings[2] = {}; // that apply to a man, to a woman
    };
    // A syndrome whose size for a sex is under half the median or over twice it.
    struct OddSize {
        int syndrome = -1;
        SexCode sex = SEX_MALE;
        int findings = 0;
        int median = 0;
        bool small = false;
    };
    // One finding present and every other unknown: the syndromes that rank first.
    struct LoneFinding {
        int symptom = -1;
        SexCode sex = SEX_MALE;
        int holders = 0;          // syndromes that hold it for that sex
        std::vector<int> first;   // tied at the top, in ranking order
        int firstSize = 0;
        int holdersMedian = 0;    // the median size of its holders
        bool flagged = false;     // a general finding won by a small syndrome
    };
    // Two syndromes with the same findings for a sex: no answer can tell them apart.
    struct Pair {
        int a = -1;
        int b = -1;
        SexCode sex = SEX_MALE;
        int shared = 0;
    };
    struct Margin {
        int line = 0;
        int syndrome = -1;
        int best = -1;       // the best other syndrome
        double points = 0;   // the case's score minus the best other score
    };

    SexCode sexes[2] = {SEX_MALE, SEX_FEMALE};
    std::vector<Size> sizes;
    int medians[2] = {};
    std::vector<OddSize> oddSizes;
    std::vector<LoneFinding> loneFindings; // every finding for each sex
    std::vector<Pair> twins;
    // Look-alikes (sharing at least half of the smaller one's findings) that no case
    // ranks apart: none expects one of them with the other below it. Only with cases.
    std::vector<Pair> unseparated;
    std::vector<Margin> margins; // every case, thinnest first
    bool withCases = false;
};

// A finding held by at least this many syndromes for a sex is a general one.
inline constexpr int GENERAL_FINDING_HOLDERS = 3;

// Ranks through `diagnosis`: every finding alone for each sex, and with `cases` each
// case as a doctor enters it. Leaves a new, unranked case.
KnowledgeAudit auditKnowledgeBase(DiagnosisCase& diagnosis, const std::vector<CaseEntry>* cases);

} // namespace ordisan::tools
