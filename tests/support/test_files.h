// What every test suite needs to write data files: Croatian test text as code page
// 1250 bytes, and a temporary folder to put the files in.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ordisan::test {

// UTF-8 → code page 1250 for the Croatian letters that tests spell. ASCII passes; any
// other non-ASCII character becomes '?', so a misspelt lookup fails instead of matching.
std::string cp1250(std::string_view utf8);

// A fresh folder under the system's temporary directory, removed with the object.
class TempFolder final {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

} // namespace ordisan::test
