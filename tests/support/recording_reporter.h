#pragma once

#include "knowledge/load_reporter.h"

#include <string>
#include <vector>

namespace ordisan::test {

// Every call a load made on its reporter, as text: "message|TEXT|CAPTION|ICON",
// "progress|N", "counts|S|Y|L", "words|N". Texts stay in code page 1250.
class RecordingReporter final : public LoadReporter {
public:
    void showMessage(const char* text, const char* caption, int icon) override;
    void showProgress(int percent) override;
    void showSyndromeCounts(int syndromes, int symptoms, int links) override;
    void showWordCount(int words) override;

    std::vector<std::string> calls;
    std::vector<std::string> messages() const; // only the message calls
};

// A message call as RecordingReporter writes it, from UTF-8 text and caption.
std::string messageCall(const std::string& text, const std::string& caption = "GREŠKA",
                        int icon = ICON_NONE);

} // namespace ordisan::test
