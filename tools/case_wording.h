#pragma once

#include "cases/case_file_message.h"

namespace ordisan::tools {

// The tool's wording of the case-file messages, in English (the quoted texts stay in
// code page 1250 until the line is printed).
std::span<const CaseFileMessageText> englishCaseFileWording();

} // namespace ordisan::tools
