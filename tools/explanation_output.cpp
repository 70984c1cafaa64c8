#include "tools/explanation_output.h"

#include "tools/text_encoding.h"

#include <cstdio>

namespace ordisan::tools {

namespace {

constexpr std::size_t RIVALS_SHOWN = 3;

std::string nameOf(const KnowledgeBase& kb, int syndrome)
{
    return utf8From1250(kb.syndromes[syndrome].name);
}

std::string signedPoints(double points)
{
    return (points > 0 ? "+" : "") + pointsText(points);
}

// "a +25.0, b -16.7": each answer with what it did to one of the two scores, and to
// the other in brackets when it did something there too.
std::string effectList(const KnowledgeBase& kb, const std::vector<AnswerEffect>& effects,
                       bool rivalFirst, const std::string& otherName)
{
    std::string out;
    for (const AnswerEffect& e : effects) {
        const double mine = rivalFirst ? e.rivalPoints : e.expectedPoints;
        const double other = rivalFirst ? e.expectedPoints : e.rivalPoints;
        out += (out.empty() ? "" : ", ") + utf8From1250(kb.symptoms[e.symptom].text) + " "
            + signedPoints(mine);
        if (other != 0)
            out += " (" + otherName + " " + signedPoints(other) + ")";
    }
    return out;
}

void jsonEffects(JsonWriter& json, const KnowledgeBase& kb, const char* name,
                 const std::vector<AnswerEffect>& effects)
{
    json.key(name).beginArray();
    for (const AnswerEffect& e : effects)
        json.beginObject()
            .field("symptom", utf8From1250(kb.symptoms[e.symptom].text))
            .field("answer", e.answer == ANSWER_PRESENT ? "present" : "absent")
            .field("rivalPoints", roundedPoints(e.rivalPoints))
            .field("expectedPoints", roundedPoints(e.expectedPoints))
            .endObject();
    json.endArray();
}

} // namespace

std::string pointsText(double points)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", points);
    return std::string(text) == "-0.0" ? "0.0" : text;
}

double roundedPoints(double points)
{
    return std::stod(pointsText(points));
}

std::string humanExplanation(const KnowledgeBase& kb, int expected,
                             const std::vector<RivalExplanation>& rivals)
{
    const std::string name = nameOf(kb, expected);
    std::string out;
    for (std::size_t k = 0; k < rivals.size() && k < RIVALS_SHOWN; ++k) {
        const RivalExplanation& r = rivals[k];
        const std::string rival = nameOf(kb, r.rival);
        out += "  " + rival + " " + std::to_string(r.rivalPercent) + "% "
            + (r.lead > 0   ? "leads by " + pointsText(r.lead) + " points:\n"
               : r.lead < 0 ? "trails by " + pointsText(-r.lead) + " points:\n"
                            : "ties with it:\n");
        const auto line = [&](const std::string& what, const std::string& list) {
            if (!list.empty())
                out += "    " + what + ": " + list + "\n";
        };
        line("for " + rival + ", not for " + name, effectList(kb, r.rivalOnly, true, name));
        line(name + "'s findings answered absent", effectList(kb, r.expectedAbsent, false, rival));
        line("for " + name + ", not for " + rival, effectList(kb, r.expectedPresent, false, rival));
        line("present for both", effectList(kb, r.bothPresent, true, name));
        out += "    size: " + name + " " + std::to_string(r.expectedSize) + " findings for "
            + (r.sex == SEX_MALE ? "a man" : "a woman") + " (an answer moves it " + pointsText(50.0 / r.expectedSize) + " points), "
            + rival + " " + std::to_string(r.rivalSize) + " ("
            + pointsText(50.0 / r.rivalSize) + ")\n";
    }
    if (rivals.size() > RIVALS_SHOWN)
        out += "  and " + std::to_string(rivals.size() - RIVALS_SHOWN)
            + " more ranked above or level with it\n";
    return out;
}

void jsonExplanation(JsonWriter& json, const KnowledgeBase& kb,
                     const std::vector<RivalExplanation>& rivals)
{
    json.beginArray();
    for (const RivalExplanation& r : rivals) {
        json.beginObject()
            .field("syndrome", nameOf(kb, r.rival))
            .field("percent", r.rivalPercent)
            .field("lead", roundedPoints(r.lead));
        jsonEffects(json, kb, "rivalOnly", r.rivalOnly);
        jsonEffects(json, kb, "expectedAbsent", r.expectedAbsent);
        jsonEffects(json, kb, "expectedPresent", r.expectedPresent);
        jsonEffects(json, kb, "bothPresent", r.bothPresent);
        json.field("rivalSize", r.rivalSize).field("expectedSize", r.expectedSize).endObject();
    }
    json.endArray();
}

} // namespace ordisan::tools
