#include "tools/audit_output.h"

#include "tools/explanation_output.h"
#include "tools/json_writer.h"
#include "tools/text_encoding.h"

#include <cstdio>

namespace ordisan::tools {

namespace {

constexpr int THINNEST_SHOWN = 10;

std::string nameOf(const KnowledgeBase& kb, int syndrome)
{
    return utf8From1250(kb.syndromes[syndrome].name);
}

std::string textOf(const KnowledgeBase& kb, int symptom)
{
    return utf8From1250(kb.symptoms[symptom].text);
}

const char* forSex(SexCode sex)
{
    return sex == SEX_MALE ? "for a man" : "for a woman";
}

const char* sexLetter(SexCode sex)
{
    return sex == SEX_MALE ? "M" : "Z";
}

std::string joinedNames(const KnowledgeBase& kb, const std::vector<int>& syndromes)
{
    std::string out;
    for (const int i : syndromes)
        out += (out.empty() ? "" : ", ") + nameOf(kb, i);
    return out;
}

void humanPairs(std::string& out, const KnowledgeBase& kb,
                const std::vector<KnowledgeAudit::Pair>& pairs)
{
    if (pairs.empty())
        out += "  none\n";
    for (const KnowledgeAudit::Pair& p : pairs)
        out += std::string("  ") + forSex(p.sex) + ": " + nameOf(kb, p.a) + " / " + nameOf(kb, p.b)
            + " (" + std::to_string(p.shared) + (p.shared == 1 ? " finding" : " findings")
            + " shared)\n";
}

void jsonPairs(JsonWriter& json, const KnowledgeBase& kb, const char* name,
               const std::vector<KnowledgeAudit::Pair>& pairs)
{
    json.key(name).beginArray();
    for (const KnowledgeAudit::Pair& p : pairs)
        json.beginObject()
            .field("a", nameOf(kb, p.a))
            .field("b", nameOf(kb, p.b))
            .field("sex", sexLetter(p.sex))
            .field("shared", p.shared)
            .endObject();
    json.endArray();
}

} // namespace

std::string humanAudit(const KnowledgeBase& kb, const KnowledgeAudit& audit,
                       const std::string& casesFile)
{
    std::string out = "Findings per syndrome, for a man and for a woman (median "
        + std::to_string(audit.medians[0]) + " and " + std::to_string(audit.medians[1]) + "):\n";
    for (const KnowledgeAudit::Size& s : audit.sizes) {
        char counts[32];
        std::snprintf(counts, sizeof counts, "  %3d %3d  ", s.findings[0], s.findings[1]);
        out += counts + nameOf(kb, s.syndrome) + "\n";
    }
    out += "Far smaller (under half the median) or larger (over twice it):\n";
    if (audit.oddSizes.empty())
        out += "  none\n";
    for (const KnowledgeAudit::OddSize& o : audit.oddSizes)
        out += "  " + nameOf(kb, o.syndrome) + ": " + std::to_string(o.findings) + " findings "
            + forSex(o.sex) + ", " + (o.small ? "far smaller" : "far larger")
            + " than the median " + std::to_string(o.median) + "\n";

    out += "General findings (held by " + std::to_string(GENERAL_FINDING_HOLDERS)
        + " syndromes or more) that a small syndrome wins alone, all else unknown:\n";
    int flagged = 0;
    for (const KnowledgeAudit::LoneFinding& f : audit.loneFindings) {
        if (!f.flagged)
            continue;
        ++flagged;
        out += std::string("  ") + forSex(f.sex) + ": " + textOf(kb, f.symptom) + " ("
            + std::to_string(f.holders) + " syndromes, median " + std::to_string(f.holdersMedian)
            + " findings): first " + joinedNames(kb, f.first) + " with "
            + std::to_string(f.firstSize) + " findings\n";
    }
    if (flagged == 0)
        out += "  none\n";

    out += "Syndromes with the same findings, which no answer tells apart:\n";
    humanPairs(out, kb, audit.twins);
    if (!audit.withCases)
        return out;

    out += "Look-alikes (sharing half the findings of the smaller) that no case of " + casesFile
        + " ranks apart:\n";
    humanPairs(out, kb, audit.unseparated);
    out += "Thinnest margins (the case's score minus the best other score):\n";
    for (std::size_t k = 0; k < audit.margins.size() && k < THINNEST_SHOWN; ++k) {
        const KnowledgeAudit::Margin& m = audit.margins[k];
        out += "  " + casesFile + ":" + std::to_string(m.line) + ": " + nameOf(kb, m.syndrome) + " "
            + pointsText(m.points) + " points against "
            + (m.best >= 0 ? nameOf(kb, m.best) : std::string("none")) + "\n";
    }
    return out;
}

std::string jsonAudit(const KnowledgeBase& kb, const KnowledgeAudit& audit,
                      const std::string& casesFile)
{
    JsonWriter json;
    json.beginObject().key("sizes").beginArray();
    for (const KnowledgeAudit::Size& s : audit.sizes)
        json.beginObject()
            .field("syndrome", nameOf(kb, s.syndrome))
            .field("male", s.findings[0])
            .field("female", s.findings[1])
            .endObject();
    json.endArray().key("medians").beginObject();
    json.field("male", audit.medians[0]).field("female", audit.medians[1]).endObject();
    json.key("oddSizes").beginArray();
    for (const KnowledgeAudit::OddSize& o : audit.oddSizes)
        json.beginObject()
            .field("syndrome", nameOf(kb, o.syndrome))
            .field("sex", sexLetter(o.sex))
            .field("findings", o.findings)
            .field("median", o.median)
            .field("kind", o.small ? "small" : "large")
            .endObject();
    json.endArray().key("loneFindings").beginArray();
    for (const KnowledgeAudit::LoneFinding& f : audit.loneFindings) {
        json.beginObject()
            .field("symptom", f.symptom)
            .field("text", textOf(kb, f.symptom))
            .field("sex", sexLetter(f.sex))
            .field("holders", f.holders)
            .field("holdersMedian", f.holdersMedian)
            .key("first")
            .beginArray();
        for (const int i : f.first)
            json.value(nameOf(kb, i));
        json.endArray().field("firstSize", f.firstSize).field("flagged", f.flagged).endObject();
    }
    json.endArray();
    jsonPairs(json, kb, "twins", audit.twins);
    if (audit.withCases) {
        json.field("file", casesFile);
        jsonPairs(json, kb, "unseparated", audit.unseparated);
        json.key("margins").beginArray();
        for (const KnowledgeAudit::Margin& m : audit.margins) {
            json.beginObject().field("line", m.line).field("syndrome", nameOf(kb, m.syndrome));
            if (m.best >= 0)
                json.field("best", nameOf(kb, m.best));
            else
                json.key("best").null();
            json.field("points", roundedPoints(m.points)).endObject();
        }
        json.endArray();
    }
    return json.endObject().finished();
}

} // namespace ordisan::tools
