#pragma once

#include "test_files.h"

#include <ostream>
#include <string>
#include <vector>

namespace ordisan::tools::test {

using ordisan::test::cp1250;
using ordisan::test::TempFolder;

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
// With `fileSizeLimited`, every file the tool writes may grow to 512 bytes at most (1 KiB
// where the shell counts `ulimit -f` in KiB): a longer write fails as on a full disk.
CheckResult runCheck(const std::vector<std::string>& arguments, bool fileSizeLimited = false);

} // namespace ordisan::tools::test
