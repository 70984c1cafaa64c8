#pragma once

#include "tools/check_options.h"

namespace ordisan::tools {

// ordisan-check --cases FILE [DIR]: loads the knowledge base of DIR, reads the case
// file against it and runs every case. Exit status 0 when all pass, 1 when one fails,
// 2 when no case could run (knowledge base not loaded cleanly, unusable case file).
int runCaseCommand(const CheckOptions& options);

} // namespace ordisan::tools
