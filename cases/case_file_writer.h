#pragma once

#include "engine/diagnosis_case.h"

#include <string>

namespace ordisan {

// The case as a case file, in code page 1250 with CR LF line ends, so that it pastes
// into slucajevi.cxt unchanged: a comment asking the doctor to put the final diagnosis
// on the SLUCAJ line, SLUCAJ with the first syndrome of the last ranking (empty before
// one), SPOL (left out for a sex other than M or Z), DOB, then one DA or NE line per
// answered symptom that applies to the patient, in the knowledge base's order. A text
// that stands for several symptoms is written once, with the first one's answer: read
// back, it answers them all alike.
std::string writeCaseFile(const DiagnosisCase& diagnosis);

} // namespace ordisan
