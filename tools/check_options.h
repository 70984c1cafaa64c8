#pragma once

#include "knowledge/knowledge_base.h"

#include <optional>
#include <string>
#include <vector>

namespace ordisan::tools {

// The command line: ordisan-check [--json] [--sex M|Z] [--present I,J,...]
// [--absent I,J,...] [DIR], or with --cases FILE in place of the diagnosis options.
struct CheckOptions {
    enum class Action { Check, Help, Version };
    Action action = Action::Check;
    bool json = false;
    std::optional<SexCode> sex;
    std::vector<int> present;
    std::vector<int> absent;
    std::string casesFile; // empty: no case file to run
    std::string folder = ".";
};

inline constexpr const char* USAGE =
    "usage: ordisan-check [--json] [--sex M|Z] [--present I,J,...] [--absent I,J,...] [DIR]"
    " | ordisan-check [--json] --cases FILE [DIR] | ordisan-check --help | --version";

// Fills `options`, or returns the one-line reason why the command line is not one.
// Indexes are only checked to be numbers here; see checkIndexes. --help and
// --version win over everything after them.
std::optional<std::string> parseOptions(const std::vector<std::string>& arguments,
                                        CheckOptions& options);

// The checks that need the loaded symptom count.
std::optional<std::string> checkIndexes(const CheckOptions& options, int symptomCount);

} // namespace ordisan::tools
