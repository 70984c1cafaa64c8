#include "tools/case_output.h"

#include "tools/case_wording.h"
#include "tools/explanation_output.h"
#include "tools/json_writer.h"
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
        const std::string within = r.within > 1 ? "within " + std::to_string(r.within) : "";
        out += fileName + ":" + std::to_string(r.line) + ": " + nameOf(kb, r.syndrome) + ": "
            + (r.passed ? "passed, " : "FAILED, ");
        // A tie counts against the case: the places it shares are what to show.
        if (r.tiedWith > 0)
            out += "tied with " + std::to_string(r.tiedWith)
                + (r.tiedWith == 1 ? " other" : " others") + " at " + std::to_string(r.percent)
                + "% (places " + std::to_string(r.place - r.tiedWith) + " to "
                + std::to_string(r.place) + (within.empty() ? "" : ", " + within) + ")";
        else
            out += "place " + std::to_string(r.place) + (within.empty() ? "" : " (" + within + ")")
                + ", " + std::to_string(r.percent) + "%";
        if (r.passed && r.bestOther.syndrome >= 0)
            out += "; best other " + nameOf(kb, r.bestOther.syndrome) + " "
                + std::to_string(r.bestOther.percent) + "%, margin " + pointsText(r.margin)
                + " points";
        if (!r.passed) {
            out += "; first:";
            for (std::size_t k = 0; k < r.first.size(); ++k)
                out += (k == 0 ? " " : ", ") + nameOf(kb, r.first[k].syndrome) + " "
                    + std::to_string(r.first[k].percent) + "%";
        }
        out += "\n" + humanExplanation(kb, r.syndrome, r.explanation);
    }
    const int passed = passedCount(results);
    out += std::to_string(results.size()) + (results.size() == 1 ? " case: " : " cases: ")
        + std::to_string(passed) + " passed, "
        + std::to_string(static_cast<int>(results.size()) - passed) + " failed\n";
    return out;
}

std::string jsonCaseReport(const std::string& fileName, const KnowledgeBase& kb,
                           const std::vector<CaseResult>& results)
{
    JsonWriter json;
    json.beginObject().field("file", fileName).key("cases").beginArray();
    for (const CaseResult& r : results) {
        json.beginObject()
            .field("line", r.line)
            .field("syndrome", nameOf(kb, r.syndrome))
            .field("within", r.within)
            .field("place", r.place)
            .field("tiedWith", r.tiedWith)
            .field("percent", r.percent)
            .field("passed", r.passed)
            .key("first")
            .beginArray();
        for (const RankedSyndrome& s : r.first)
            json.beginObject()
                .field("syndrome", nameOf(kb, s.syndrome))
                .field("percent", s.percent)
                .endObject();
        json.endArray();
        if (r.bestOther.syndrome >= 0)
            json.key("bestOther")
                .beginObject()
                .field("syndrome", nameOf(kb, r.bestOther.syndrome))
                .field("percent", r.bestOther.percent)
                .endObject()
                .field("margin", roundedPoints(r.margin));
        if (!r.explanation.empty()) {
            json.key("explanation");
            jsonExplanation(json, kb, r.explanation);
        }
        json.endObject();
    }
    const int passed = passedCount(results);
    return json.endArray()
        .field("passed", passed)
        .field("failed", static_cast<int>(results.size()) - passed)
        .endObject()
        .finished();
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
