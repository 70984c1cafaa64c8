#pragma once

#include "knowledge/knowledge_base.h"

#include <optional>
#include <string>
#include <vector>

namespace ordisan::tools {

// The command line: ordisan-check [--json] [--sex M|Z] [--present I,J,...]
// [--absent I,J,...] [DIR]
struct CheckOptions {
    bool json = false;
    std::optional<SexCode> sex;
    std::vector<int> present;
    std::vector<int> absent;
    std::string folder = ".";
};

inline constexpr const char* USAGE =
    "usage: ordisan-check [--json] [--sex M|Z] [--present I,J,...] [--absent I,J,...] [DIR]";

// Fills `options`, or returns the one-line reason why the command line is not one.
// Indexes are only checked to be numbers here; see checkIndexes.
std::optional<std::string> parseOptions(const std::vector<std::string>& arguments,
                                        CheckOptions& options);

// The checks that need the loaded symptom count.
std::optional<std::string> checkIndexes(const CheckOptions& options, int symptomCount);

} // namespace ordisan::tools
