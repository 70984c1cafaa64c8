#pragma once

#include "engine/diagnosis_case.h"

namespace ordisan::tools {

struct CaseMargin {
    int best = -1;     // the best other syndrome; -1 when there is none
    double points = 0; // the syndrome's score minus the best other score
};

// Of a ranked diagnosis: the best syndrome other than `syndrome` as the screen lists it
// (of equals, the one shown first), and how far `syndrome` leads it, in points.
CaseMargin marginOf(const DiagnosisCase& diagnosis, int syndrome);

} // namespace ordisan::tools
