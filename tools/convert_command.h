#pragma once

#include <string>

namespace ordisan::tools {

// ordisan-check --to-cp1250 IN OUT: the UTF-8 file IN written to OUT in code page 1250
// with CR LF. A character that code page 1250 cannot hold, or a byte that is no UTF-8,
// is listed as IN:LINE:COLUMN on standard error and nothing is written. OUT is
// replaced as a whole or not at all. 0 when written, 1 otherwise.
int runConvertCommand(const std::string& from, const std::string& to);

} // namespace ordisan::tools
