#pragma once

#include "cases/case_file_message.h"
#include "knowledge/knowledge_base.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ordisan {

// A DA or NE line.
struct CaseAnswerText {
    int line = 0;
    bool present = true;
    std::string text;
};

// One case as its lines give it, before any text is looked up in a knowledge base.
struct CaseText {
    int line = 0;                 // of its SLUCAJ line
    std::string syndrome;
    std::optional<SexCode> sex;   // SEX_BOTH when SPOL was given but is neither M nor Z
    std::optional<std::uint32_t> age;
    std::optional<std::string> within; // MJESTO as written; checked against a knowledge base
    int withinLine = 0;
    std::vector<CaseAnswerText> answers;
};

struct CaseFileText {
    std::vector<CaseText> cases;
    std::vector<CaseFileError> errors; // in line order; any of them: no usable case file
};

// Reads the bytes of a case file with the data files' line reader, so that line
// breaks, comments and slashes mean what they mean in podaci.cxt: code page 1250,
// `KEY: value` lines with the keys SLUCAJ, SPOL, DOB, DA, NE and MJESTO.
CaseFileText readCaseFile(std::string_view bytes);

// The text without the blanks and tabs around it, as values and stored texts compare.
std::string trimmedBlanks(std::string_view text);

} // namespace ordisan
