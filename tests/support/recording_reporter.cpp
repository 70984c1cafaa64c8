#include "recording_reporter.h"

#include "test_files.h"

#include <algorithm>
#include <iterator>

namespace ordisan::test {

void RecordingReporter::showMessage(const char* text, const char* caption, int icon)
{
    calls.push_back(std::string("message|") + text + "|" + caption + "|" + std::to_string(icon));
}

void RecordingReporter::showProgress(int percent)
{
    calls.push_back("progress|" + std::to_string(percent));
}

void RecordingReporter::showSyndromeCounts(int syndromes, int symptoms, int links)
{
    calls.push_back("counts|" + std::to_string(syndromes) + "|" + std::to_string(symptoms) + "|"
                    + std::to_string(links));
}

void RecordingReporter::showWordCount(int words)
{
    calls.push_back("words|" + std::to_string(words));
}

std::vector<std::string> RecordingReporter::messages() const
{
    std::vector<std::string> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [](const std::string& call) { return call.starts_with("message|"); });
    return out;
}

std::string messageCall(const std::string& text, const std::string& caption, int icon)
{
    return "message|" + cp1250(text) + "|" + cp1250(caption) + "|" + std::to_string(icon);
}

} // namespace ordisan::test
