#pragma once

#include "test_files.h"

#include <ostream>
#include <string>
#include <vector>

namespace ordisan::tools::test {

using ordisan::test::cp1250;

// A temporary folder whose path goes straight into a command line.
class DataFolder final {
public:
    std::string path() const { return folder_.path().string(); }
    void write(const std::string& name, const std::string& bytes) const
    {
        folder_.write(name, bytes);
    }

private:
    ordisan::test::TempFolder folder_;
};

struct CheckResult {
    int status = -1;
    std::string out;
    std::string err;

    bool operator==(const CheckResult&) const = default;
    friend std::ostream& operator<<(std::ostream& os, const CheckResult& r)
    {
        return os << "exit " << r.status << "\nout: " << r.out << "\nerr: " << r.err;
    }
};

// Runs the ordisan-check binary with these arguments and collects what it printed.
CheckResult runCheck(const std::vector<std::string>& arguments);

} // namespace ordisan::tools::test
