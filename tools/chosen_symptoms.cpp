#include "tools/chosen_symptoms.h"

#include "cases/closest_text.h"
#include "tools/code_page_1250.h"
#include "tools/in_quotes.h"
#include "tools/text_encoding.h"

#include <algorithm>

namespace ordisan::tools {

namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t") + 1 - begin);
}

// Every symptom of the text `utf8` that applies to `sex`, or the reason there is none.
std::optional<std::string> symptomsByText(const std::string& utf8, const KnowledgeBase& kb,
                                          SexCode sex, std::vector<int>& symptoms)
{
    const Cp1250Text converted = cp1250FromUtf8(trimmed(utf8));
    const std::string text = converted.bytes.substr(0, converted.bytes.find('\r'));
    std::vector<std::string> texts;
    bool found = false;
    for (int j = 0; j < kb.symptomCount; ++j) {
        texts.push_back(trimmed(kb.symptoms[j].text));
        if (!converted.refusals.empty() || texts.back() != text)
            continue;
        found = true;
        if (kb.symptoms[j].sex == SEX_BOTH || kb.symptoms[j].sex == sex)
            symptoms.push_back(j);
    }
    if (!found)
        return "no symptom " + inQuotes(utf8)
            + (texts.empty() ? "" : "; the closest is " + inQuotes(utf8From1250(closestText(text, texts))));
    if (symptoms.empty())
        return "symptom " + inQuotes(utf8) + " is for " + (sex == SEX_MALE ? "female" : "male")
            + " patients only";
    return std::nullopt;
}

} // namespace

std::optional<std::string> chooseSymptoms(const CheckOptions& options, const KnowledgeBase& kb,
                                          ChosenSymptoms& chosen)
{
    const SexCode sex = options.sex.value_or(SEX_BOTH);
    for (const bool present : {true, false}) {
        std::vector<int>& into = present ? chosen.present : chosen.absent;
        for (const std::string& value : present ? options.present : options.absent) {
            if (!isIndexList(value)) {
                if (auto error = symptomsByText(value, kb, sex, into))
                    return error;
                continue;
            }
            std::vector<int> indexes;
            parseIndexList(value, indexes);
            for (const int index : indexes) {
                if (index >= kb.symptomCount)
                    return "symptom index " + std::to_string(index) + " is not below the "
                        + std::to_string(kb.symptomCount) + " symptoms loaded";
            }
            into.insert(into.end(), indexes.begin(), indexes.end());
        }
    }
    for (const int index : chosen.present) {
        if (std::find(chosen.absent.begin(), chosen.absent.end(), index) != chosen.absent.end())
            return "symptom index " + std::to_string(index) + " is both present and absent";
    }
    return std::nullopt;
}

} // namespace ordisan::tools
