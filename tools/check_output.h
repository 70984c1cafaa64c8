#pragma once

#include "tools/check_options.h"
#include "tools/check_run.h"

#include <string>

namespace ordisan::tools {

// The one JSON object of --json, line break included. With a sex in `options`, the
// knowledge base must have been ranked by rankDiagnosis.
std::string jsonReport(const CheckRun& run, const CheckOptions& options);

// The same for people: counts, messages, warnings, and the ranking as the diagnosis
// screen would list it.
std::string humanReport(const CheckRun& run, const CheckOptions& options);

} // namespace ordisan::tools
