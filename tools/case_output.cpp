#include "tools/case_output.h"

#include "tools/case_wording.h"
#include "tools/text_encoding.h"

namespace ordisan::tools {

namespace {

std::string nameOf(const KnowledgeBase& kb, int syndrome)
{
    return utf8From1250(kb.syndromes[syndrome].name);
}

int passedCount(const std::vector<CaseResult>& results)
{
    int passed = 0;
    for (const CaseResult& r : results)
        passed += r.passed ? 1 : 0;
    return passed;
}

} // namespace

std::string humanCaseReport(const std::string& fileName, const KnowledgeBase& kb,
                            const std::vector<CaseResult>& results)
{
    std::string out;
    for (const CaseResult& r : results) {
        out += fileName + ":" + std::to_string(r.line) + ": " + nameOf(kb, r.syndrome) + ": "
            + (r.passed ? "passed" : "FAILED") + ", place " + std::to_string(r.place)
            + (r.within > 1 ? " (within " + std::to_string(r.within) + ")" : "") + ", "
            + std::to_string(r.percent) + "%";
        if (!r.passed) {
            out += "; first:";
            for (std::size_t k = 0; k < r.first.size(); ++k)
                out += (k == 0 ? " " : ", ") + nameOf(kb, r.first[k].syndrome) + " "
                    + std::to_string(r.first[k].percent) + "%";
        }
        out += "\n";
    }
    const int passed = passedCount(results);
    out += std::to_string(results.size()) + " cases: " + std::to_string(passed) + " passed, "
        + std::to_string(static_cast<int>(results.size()) - passed) + " failed\n";
    return out;
}

std::string jsonCaseReport(const std::string& fileName, const KnowledgeBase& kb,
                           const std::vector<CaseResult>& results)
{
    std::string out = "{\"file\":" + jsonString(fileName) + ",\"cases\":[";
    for (std::size_t c = 0; c < results.size(); ++c) {
        const CaseResult& r = results[c];
        out += std::string(c == 0 ? "" : ",") + "{\"line\":" + std::to_string(r.line)
            + ",\"syndrome\":" + jsonString(nameOf(kb, r.syndrome))
            + ",\"within\":" + std::to_string(r.within) + ",\"place\":" + std::to_string(r.place)
            + ",\"percent\":" + std::to_string(r.percent)
            + ",\"passed\":" + (r.passed ? "true" : "false") + ",\"first\":[";
        for (std::size_t k = 0; k < r.first.size(); ++k)
            out += std::string(k == 0 ? "" : ",") + "{\"syndrome\":"
                + jsonString(nameOf(kb, r.first[k].syndrome))
                + ",\"percent\":" + std::to_string(r.first[k].percent) + "}";
        out += "]}";
    }
    const int passed = passedCount(results);
    out += "],\"passed\":" + std::to_string(passed) + ",\"failed\":"
        + std::to_string(static_cast<int>(results.size()) - passed) + "}\n";
    return out;
}

std::string caseFileErrorLines(const std::string& fileName,
                               const std::vector<CaseFileError>& errors)
{
    std::string out;
    for (const CaseFileError& e : errors)
        out += fileName + (e.line > 0 ? ":" + std::to_string(e.line) : std::string()) + ": "
            + utf8From1250(caseFileErrorText(e, englishCaseFileWording())) + "\n";
    return out;
}

} // namespace ordisan::tools
