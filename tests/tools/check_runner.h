#pragma once

#include "test_files.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ordisan::tools::test {

using ordisan::test::cp1250;

// A temporary folder whose path goes straight into a command line.
class DataFolder : public ordisan::test::TempFolder {
public:
    std::string path() const { return TempFolder::path().string(); }
};

struct CheckResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the ordisan-check binary with these arguments and collects what it printed.
CheckResult runCheck(const std::vector<std::string>& arguments);

} // namespace ordisan::tools::test
