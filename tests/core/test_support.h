#pragma once

#include "knowledge/file_access.h"
#include "knowledge/knowledge_base.h"
#include "knowledge/load_reporter.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace ordisan::test {

// UTF-8 → code page 1250 for the Croatian letters that tests spell; other bytes pass.
std::string cp1250(const std::string& utf8);

// One call a loader made on its reporter, as text: "message|TEXT|CAPTION|ICON",
// "progress|N", "counts|S|Y|L", "words|N". Texts stay in code page 1250.
class RecordingReporter : public LoadReporter {
public:
    void showMessage(const char* text, const char* caption, int icon) override;
    void showProgress(int percent) override;
    void showSyndromeCounts(int syndromes, int symptoms, int links) override;
    void showWordCount(int words) override;

    std::vector<std::string> calls;
    std::vector<std::string> messages() const; // only the message calls
};

// A fresh folder under the system's temporary directory, removed with the object.
class TempFolder {
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

std::unique_ptr<KnowledgeBase> emptyKnowledgeBase();

} // namespace ordisan::test
