#pragma once

#include "test_files.h"

#include <string>
#include <vector>

namespace ordisan::tools::test {

using ordisan::test::cp1250;

// A temporary folder whose path goes straight into a command line.
class DataFolder final {
public:
    std::string path() const { return folder_.path().string(); }
    void write(const std::string& name, const std::string& bytes) const { folder_.write(name, bytes); }

private:
    ordisan::test::TempFolder folder_;
};

struct CheckResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the ordisan-check binary with these arguments and collects what it printed.
CheckResult runCheck(const std::vector<std::string>& arguments);

} // namespace ordisan::tools::test
