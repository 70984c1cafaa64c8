#include "tools/check_output.h"

#include "engine/percent_text.h"
#include "engine/ranking_engine.h"
#include "tools/json_writer.h"
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

void jsonReports(JsonWriter& json, const CheckRun& run)
{
    json.key("reports").beginArray();
    for (const ReportCall& call : run.reports) {
        json.beginObject();
        switch (call.kind) {
        case ReportCall::Kind::Message:
            json.field("call", "showMessage")
                .field("text", text(call.text))
                .field("caption", text(call.caption))
                .field("icon", call.icon == ICON_STOP ? "stop" : "none");
            if (!call.note.empty())
                json.field("note", call.note);
            break;
        case ReportCall::Kind::Progress:
            json.field("call", "showProgress").field("percent", call.values[0]);
            break;
        case ReportCall::Kind::SyndromeCounts:
            json.field("call", "showSyndromeCounts")
                .field("syndromes", call.values[0])
                .field("symptoms", call.values[1])
                .field("links", call.values[2]);
            break;
        case ReportCall::Kind::WordCount:
            json.field("call", "showWordCount").field("words", call.values[0]);
            break;
        }
        json.endObject();
    }
    json.endArray();
}

void jsonKnowledge(JsonWriter& json, const KnowledgeBase& kb)
{
    json.key("syndromes").beginArray();
    for (int i = 0; i < kb.syndromeCount; ++i)
        json.value(text(kb.syndromes[i].name));
    json.endArray().key("symptoms").beginArray();
    for (int j = 0; j < kb.symptomCount; ++j) {
        const SymptomRecord& s = kb.symptoms[j];
        json.beginObject()
            .field("text", text(s.text))
            .field("sex", sexLetter(s.sex))
            .field("location", locationLetter(s.location))
            .endObject();
    }
    json.endArray().key("links").beginArray();
    for (int l = 0; l < kb.linkCount; ++l)
        json.beginArray().value(kb.links[l].symptom).value(kb.links[l].syndrome).endArray();
    json.endArray().key("words").beginArray();
    for (int w = 0; w < kb.wordCount; ++w)
        json.beginObject()
            .field("term", text(kb.words[w].term))
            .field("explanation", text(kb.words[w].explanation))
            .endObject();
    json.endArray();
}

void jsonWarnings(JsonWriter& json, const CheckRun& run)
{
    json.key("warnings").beginArray();
    for (const Warning& w : run.warnings)
        json.beginObject()
            .field("kind", kindName(w.kind))
            .field("file", fileNameOf(w.file))
            .field("line", w.line)
            .field("text", text(w.text))
            .endObject();
    json.endArray();
}

void jsonDiagnosis(JsonWriter& json, const KnowledgeBase& kb)
{
    json.key("diagnosis").beginObject().field("sex", sexLetter(kb.patientSex));
    json.key("syndromes").beginArray();
    for (int k = 0; k < kb.syndromeCount; ++k) {
        const int i = kb.syndromeOrder[k];
        const float score = kb.syndromes[i].score;
        const int percent = PercentOf(score);
        json.beginObject()
            .field("index", i)
            .field("score", score)
            .field("percent", percent)
            .field("band", bandName(ScoreBandOf(percent)))
            .endObject();
    }
    json.endArray().key("symptoms").beginArray();
    for (int k = 0; k < kb.symptomCount; ++k) {
        const int j = kb.symptomOrder[k];
        const SymptomRecord& s = kb.symptoms[j];
        json.beginObject()
            .field("index", j)
            .field("weight", s.weight)
            .field("percent", PercentOf(s.weight))
            .field("answer", answerName(s.answer))
            .endObject();
    }
    json.endArray().endObject();
}

std::string messageLine(const ReportCall& call)
{
    std::string line = fileNameOf(call.file);
    if (call.line > 0)
        line += ":" + std::to_string(call.line);
    return line + ": " + text(call.caption) + ": " + text(call.text)
        + (call.note.empty() ? "" : " (" + call.note + ")") + "\n";
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
    JsonWriter json;
    json.beginObject();
    jsonReports(json, run);
    json.field("syndromeFile", run.syndromeFile).key("dictionaryFile");
    if (run.dictionaryFile)
        json.value(*run.dictionaryFile);
    else
        json.null();
    jsonKnowledge(json, *run.kb);
    jsonWarnings(json, run);
    if (options.sex)
        jsonDiagnosis(json, *run.kb);
    return json.endObject().finished();
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
