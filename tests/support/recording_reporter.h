#pragma once

#include "knowledge/load_reporter.h"
#include "test_files.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace ordisan::test {

// Every call a load made on its reporter, as text: "message|TEXT|CAPTION|ICON",
// "progress|N", "counts|S|Y|L", "words|N". Texts stay in code page 1250.
class RecordingReporter final : public LoadReporter {
public:
    void showMessage(const char* text, const char* caption, int icon) override
    {
        calls.push_back(std::string("message|") + text + "|" + caption + "|"
                        + std::to_string(icon));
    }
    void showProgress(int percent) override
    {
        calls.push_back("progress|" + std::to_string(percent));
    }
    void showSyndromeCounts(int syndromes, int symptoms, int links) override
    {
        calls.push_back("counts|" + std::to_string(syndromes) + "|" + std::to_string(symptoms) + "|"
                        + std::to_string(links));
    }
    void showWordCount(int words) override { calls.push_back("words|" + std::to_string(words)); }

    // Only the message calls.
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                     [](const std::string& call) { return call.starts_with("message|"); });
        return out;
    }

    std::vector<std::string> calls;
};

// A message call as RecordingReporter writes it, from UTF-8 text and caption.
inline std::string messageCall(const std::string& text, const std::string& caption = "GREŠKA",
                               int icon = ICON_NONE)
{
    return "message|" + cp1250(text) + "|" + cp1250(caption) + "|" + std::to_string(icon);
}

} // namespace ordisan::test
