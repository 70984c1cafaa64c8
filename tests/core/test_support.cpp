#include "test_support.h"

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace ordisan::test {

std::string cp1250(const std::string& utf8)
{
    static const std::pair<const char*, char> letters[] = {
        {"Č", '\xC8'}, {"č", '\xE8'}, {"Ć", '\xC6'}, {"ć", '\xE6'}, {"Đ", '\xD0'},
        {"đ", '\xF0'}, {"Š", '\x8A'}, {"š", '\x9A'}, {"Ž", '\x8E'}, {"ž", '\x9E'},
    };
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        bool replaced = false;
        for (const auto& [from, to] : letters) {
            const std::string f = from;
            if (utf8.compare(i, f.size(), f) == 0) {
                out += to;
                i += f.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += utf8[i++];
    }
    return out;
}

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
    for (const auto& call : calls) {
        if (call.rfind("message|", 0) == 0)
            out.push_back(call);
    }
    return out;
}

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path()
        / ("ordisan-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(path_ / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write test file " + name);
}

std::unique_ptr<KnowledgeBase> emptyKnowledgeBase()
{
    return std::make_unique<KnowledgeBase>();
}

} // namespace ordisan::test
