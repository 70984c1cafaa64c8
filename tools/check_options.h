#pragma once

#include "knowledge/knowledge_base.h"

#include <optional>
#include <string>
#include <vector>

namespace ordisan::tools {

// The command line. Each action has its own option; the report is what is left.
struct CheckOptions {
    enum class Action { Report, Diagnosis, Cases, Explain, Audit, Convert, Help, Version };
    Action action = Action::Report;
    bool json = false;
    std::optional<SexCode> sex;
    // Each value of --present or --absent as given: a list of symptom indexes ("3,17")
    // or one symptom text, in UTF-8 as the terminal gives it.
    std::vector<std::string> present;
    std::vector<std::string> absent;
    std::string casesFile;  // --cases, also with --explain and --audit
    int explainLine = 0;    // --explain: a line of the case to explain
    std::string convertFrom; // --to-cp1250 IN OUT
    std::string convertTo;
    std::string folder = ".";
};

inline constexpr const char* USAGE =
    "usage: ordisan-check [--json] [DIR]"
    " | ordisan-check [--json] --sex M|Z [--present S]... [--absent S]... [DIR]"
    " | ordisan-check [--json] --cases FILE [--explain LINE] [DIR]"
    " | ordisan-check [--json] --audit [--cases FILE] [DIR]"
    " | ordisan-check --to-cp1250 IN OUT | ordisan-check --help | --version";

// Fills `options`, or returns the one-line reason why the command line is not one.
// Symptom values are matched later; see chooseSymptoms. --help and --version win over
// everything after them.
std::optional<std::string> parseOptions(const std::vector<std::string>& arguments,
                                        CheckOptions& options);

// A value of --present or --absent that is made of digits and commas; parseIndexList
// reads it (false when an index is missing, as in "1,,2"). Numbers too big for an int
// become INT_MAX, which no symptom count reaches.
bool isIndexList(const std::string& value);
bool parseIndexList(const std::string& text, std::vector<int>& indexes);

} // namespace ordisan::tools
