#include "tools/check_output.h"

#include "engine/percent_text.h"
#include "engine/ranking_engine.h"
#include "tools/text_encoding.h"

#include <string_view>

namespace ordisan::tools {

namespace {

std::string text(std::string_view cp1250)
{
    return utf8From1250(cp1250);
}

const char* sexLetter(SexCode sex)
{
    switch (sex) {
    case SEX_MALE: return "M";
    case SEX_FEMALE: return "Z";
    default: return "O";
    }
}

const char* locationLetter(LocationCode location)
{
    switch (location) {
    case LOC_HEAD: return "G";
    case LOC_TRUNK: return "T";
    case LOC_LIMBS: return "U";
    default: return "O";
    }
}

const char* bandName(ScoreBand band)
{
    switch (band) {
    case BAND_LOW: return "low";
    case BAND_BELOW_HALF: return "below-half";
    case BAND_HALF: return "half";
    case BAND_ABOVE_HALF: return "above-half";
    case BAND_HIGH: return "high";
    }
    return "low";
}

const char* answerName(AnswerCode answer)
{
    switch (answer) {
    case ANSWER_PRESENT: return "present";
    case ANSWER_ABSENT: return "absent";
    default: return "unknown";
    }
}

// Separates the elements of one JSON array or object.
class Items {
public:
    explicit Items(std::string& out) : out_(out) {}
    std::string& next()
    {
        if (!first_)
            out_ += ',';
        first_ = false;
        return out_;
    }

private:
    std::string& out_;
    bool first_ = true;
};

void jsonReports(std::string& out, const CheckRun& run)
{
    out += "\"reports\":[";
    Items items(out);
    for (const ReportCall& call : run.reports) {
        std::string& o = items.next();
        switch (call.kind) {
        case ReportCall::Kind::Message:
            o += "{\"call\":\"showMessage\",\"text\":" + jsonString(text(call.text))
                + ",\"caption\":" + jsonString(text(call.caption)) + ",\"icon\":\""
                + (call.icon == ICON_STOP ? "stop" : "none") + "\"}";
            break;
        case ReportCall::Kind::Progress:
            o += "{\"call\":\"showProgress\",\"percent\":" + std::to_string(call.values[0]) + "}";
            break;
        case ReportCall::Kind::SyndromeCounts:
            o += "{\"call\":\"showSyndromeCounts\",\"syndromes\":" + std::to_string(call.values[0])
                + ",\"symptoms\":" + std::to_string(call.values[1])
                + ",\"links\":" + std::to_string(call.values[2]) + "}";
            break;
        case ReportCall::Kind::WordCount:
            o += "{\"call\":\"showWordCount\",\"words\":" + std::to_string(call.values[0]) + "}";
            break;
        }
    }
    out += ']';
}

void jsonKnowledge(std::string& out, const KnowledgeBase& kb)
{
    out += ",\"syndromes\":[";
    Items syndromes(out);
    for (int i = 0; i < kb.syndromeCount; ++i)
        syndromes.next() += jsonString(text(kb.syndromes[i].name));
    out += "],\"symptoms\":[";
    Items symptoms(out);
    for (int j = 0; j < kb.symptomCount; ++j) {
        const SymptomRecord& s = kb.symptoms[j];
        symptoms.next() += "{\"text\":" + jsonString(text(s.text)) + ",\"sex\":\""
            + sexLetter(s.sex) + "\",\"location\":\"" + locationLetter(s.location) + "\"}";
    }
    out += "],\"links\":[";
    Items links(out);
    for (int l = 0; l < kb.linkCount; ++l)
        links.next() += "[" + std::to_string(kb.links[l].symptom) + ","
            + std::to_string(kb.links[l].syndrome) + "]";
    out += "],\"words\":[";
    Items words(out);
    for (int w = 0; w < kb.wordCount; ++w)
        words.next() += "{\"term\":" + jsonString(text(kb.words[w].term))
            + ",\"explanation\":" + jsonString(text(kb.words[w].explanation)) + "}";
    out += ']';
}

void jsonWarnings(std::string& out, const CheckRun& run)
{
    out += ",\"warnings\":[";
    Items items(out);
    for (const Warning& w : run.warnings)
        items.next() += std::string("{\"kind\":\"") + kindName(w.kind) + "\",\"file\":\""
            + fileNameOf(w.file) + "\",\"line\":" + std::to_string(w.line)
            + ",\"text\":" + jsonString(text(w.text)) + "}";
    out += ']';
}

void jsonDiagnosis(std::string& out, const KnowledgeBase& kb)
{
    out += std::string(",\"diagnosis\":{\"sex\":\"") + sexLetter(kb.patientSex)
        + "\",\"syndromes\":[";
    Items syndromes(out);
    for (int k = 0; k < kb.syndromeCount; ++k) {
        const int i = kb.syndromeOrder[k];
        const float score = kb.syndromes[i].score;
        const int percent = PercentOf(score);
        syndromes.next() += "{\"index\":" + std::to_string(i) + ",\"score\":"
            + shortestDecimal(score) + ",\"percent\":" + std::to_string(percent)
            + ",\"band\":\"" + bandName(ScoreBandOf(percent)) + "\"}";
    }
    out += "],\"symptoms\":[";
    Items symptoms(out);
    for (int k = 0; k < kb.symptomCount; ++k) {
        const int j = kb.symptomOrder[k];
        const SymptomRecord& s = kb.symptoms[j];
        symptoms.next() += "{\"index\":" + std::to_string(j) + ",\"weight\":"
            + shortestDecimal(s.weight) + ",\"percent\":" + std::to_string(PercentOf(s.weight))
            + ",\"answer\":\"" + answerName(s.answer) + "\"}";
    }
    out += "]}";
}

std::string messageLine(const ReportCall& call)
{
    std::string line = fileNameOf(call.file);
    if (call.line > 0)
        line += ":" + std::to_string(call.line);
    return line + ": " + text(call.caption) + ": " + text(call.text) + "\n";
}

std::string percentItem(float value, const char* name)
{
    return percentText(PercentOf(value), text(name));
}

void humanDiagnosis(std::string& out, const KnowledgeBase& kb)
{
    out += std::string("\nDiagnosis for sex ") + sexLetter(kb.patientSex) + "\nSyndromes:\n";
    for (int k = 0; k < kb.syndromeCount; ++k) {
        const int i = kb.syndromeOrder[k];
        const float score = kb.syndromes[i].score;
        out += "  " + percentItem(score, kb.syndromes[i].name) + "  ["
            + bandName(ScoreBandOf(PercentOf(score))) + "]\n";
        for (int l = 0; l < kb.linkCount; ++l) {
            const int j = kb.links[l].symptom;
            if (kb.links[l].syndrome == i && SymptomApplies(kb, j))
                out += std::string("      [") + answerName(kb.symptoms[j].answer) + "] "
                    + text(kb.symptoms[j].text) + "\n";
        }
    }
    out += "Open symptoms:\n";
    for (int k = 0; k < kb.symptomCount; ++k) {
        const int j = kb.symptomOrder[k];
        if (kb.symptoms[j].answer == ANSWER_UNKNOWN)
            out += "  " + percentItem(kb.symptoms[j].weight, kb.symptoms[j].text) + "\n";
    }
}

} // namespace

std::string jsonReport(const CheckRun& run, const CheckOptions& options)
{
    std::string out = "{";
    jsonReports(out, run);
    out += std::string(",\"syndromeFile\":") + (run.syndromeFile ? "true" : "false");
    out += ",\"dictionaryFile\":";
    out += !run.dictionaryFile ? "null" : *run.dictionaryFile ? "true" : "false";
    jsonKnowledge(out, *run.kb);
    jsonWarnings(out, run);
    if (options.sex)
        jsonDiagnosis(out, *run.kb);
    out += "}\n";
    return out;
}

std::string humanReport(const CheckRun& run, const CheckOptions& options)
{
    const KnowledgeBase& kb = *run.kb;
    std::string out = std::string(fileNameOf(DataFile::Syndromes)) + ": syndromes "
        + std::to_string(kb.syndromeCount) + ", symptoms " + std::to_string(kb.symptomCount)
        + ", links " + std::to_string(kb.linkCount)
        + (run.syndromeFile ? "" : " (load stopped)") + "\n";
    out += std::string(fileNameOf(DataFile::Dictionary)) + ": ";
    if (!run.dictionaryFile)
        out += "not read\n";
    else
        out += "words " + std::to_string(kb.wordCount)
            + (*run.dictionaryFile ? "" : " (load stopped)") + "\n";

    for (const ReportCall& call : run.reports) {
        if (call.kind == ReportCall::Kind::Message)
            out += messageLine(call);
    }
    for (const Warning& w : run.warnings)
        out += std::string(fileNameOf(w.file)) + ":" + std::to_string(w.line) + ": "
            + kindName(w.kind) + ": " + text(w.text) + "\n";
    if (options.sex)
        humanDiagnosis(out, kb);
    return out;
}

} // namespace ordisan::tools
