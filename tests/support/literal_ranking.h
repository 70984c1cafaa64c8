#pragma once

#include "knowledge/knowledge_base.h"

namespace ordisan {

// The two passes of ComputeScoresAndWeights written out link scan by link scan, one
// scan per syndrome and one per symptom. Kept as the reference that the fast form
// must match bit for bit, in tests, the fuzzer and the benchmarks.
void ComputeScoresAndWeightsLiteral(KnowledgeBase& kb);

} // namespace ordisan
