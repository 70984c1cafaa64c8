#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ordisan::tools::test {

// UTF-8 → code page 1250 for the Croatian letters the tests spell; other bytes pass.
std::string cp1250(const std::string& utf8);

// A fresh folder under the system's temporary directory, removed with the object.
class DataFolder {
public:
    DataFolder();
    ~DataFolder();
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    std::string path() const { return path_.string(); }
    void write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

struct CheckResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the ordisan-check binary with these arguments and collects what it printed.
CheckResult runCheck(const std::vector<std::string>& arguments);

} // namespace ordisan::tools::test
