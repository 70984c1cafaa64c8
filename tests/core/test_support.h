#pragma once

#include "knowledge/file_access.h"
#include "knowledge/knowledge_base.h"
#include "knowledge/load_reporter.h"
#include "test_files.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace ordisan::test {

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

std::unique_ptr<KnowledgeBase> emptyKnowledgeBase();

// A message call as RecordingReporter writes it, from UTF-8 text and caption.
std::string messageCall(const std::string& text, const std::string& caption = "GREŠKA",
                        int icon = ICON_NONE);

} // namespace ordisan::test

namespace ordisan::test {

// A FileAccess on a temporary folder whose single operations can be made to fail.
class FaultyFileAccess : public FileAccess {
public:
    using FileAccess::FileAccess;

    bool failOpen = false;
    bool failSeekEnd = false;
    bool failSeekStart = false;
    bool tellFails = false;
    bool failAllocate = false;
    // The read with this 0-based index yields only `shortReadBytes` and sets the
    // stream's error indicator; -1 means never.
    int failingRead = -1;
    std::size_t shortReadBytes = 0;

    int opens = 0;
    int closes = 0;
    int allocations = 0;
    int releases = 0;

    std::FILE* open(const char* name) override;
    void close(std::FILE* stream) override;
    int seek(std::FILE* stream, std::int64_t offset, int origin) override;
    std::int64_t tell(std::FILE* stream) override;
    std::size_t read(void* buffer, std::size_t size, std::FILE* stream) override;
    bool failed(std::FILE* stream) override;
    char* allocate(std::size_t size) override;
    void release(char* block) override;

private:
    int reads_ = 0;
    bool errorSet_ = false;
};

struct ReadLine {
    std::string text; // as a C string
    int lineNumber;
    bool operator==(const ReadLine&) const = default;
    friend void PrintTo(const ReadLine& line, std::ostream* out)
    {
        *out << line.lineNumber << ":\"" << line.text << "\"";
    }
};

// Reads every line of `bytes` through a LineReader with the given limit.
std::vector<ReadLine> readAllLines(const std::string& bytes, int maxLength,
                                   RecordingReporter& reporter);

// Loads the two files from a folder as the program does: the dictionary only after
// the syndrome file loaded. Returns the syndrome loader's result.
struct LoadResult {
    bool syndromeFile = false;
    bool dictionaryRan = false;
    bool dictionaryFile = false;
};
LoadResult loadBoth(KnowledgeBase& kb, FileAccess& files, RecordingReporter& reporter);

} // namespace ordisan::test
