#include "cases/case_file_match.h"

#include "cases/closest_text.h"
#include "knowledge/utf8_letter.h"

#include <algorithm>

namespace ordisan {

namespace {

class Matcher {
public:
    explicit Matcher(const KnowledgeBase& kb) : kb_(kb)
    {
        for (int i = 0; i < kb.syndromeCount; ++i)
            syndromeNames_.push_back(trimmedBlanks(kb.syndromes[i].name));
        for (int j = 0; j < kb.symptomCount; ++j)
            symptomTexts_.push_back(trimmedBlanks(kb.symptoms[j].text));
    }

    void match(const CaseText& c)
    {
        CaseEntry entry;
        entry.line = c.line;
        if (!c.syndrome.empty())
            entry.syndrome = lookUp(c.line, c.syndrome, syndromeNames_,
                                    CaseFileMessage::UnknownSyndrome);
        entry.age = c.age.value_or(0);
        if (c.within)
            entry.within = withinOf(c.withinLine, *c.within);
        const bool sexKnown = c.sex && (*c.sex == SEX_MALE || *c.sex == SEX_FEMALE);
        for (const CaseAnswerText& answer : c.answers) {
            if (lookUp(answer.line, answer.text, symptomTexts_, CaseFileMessage::UnknownSymptom) < 0
                || !sexKnown)
                continue;
            bool applies = false;
            for (int j = 0; j < kb_.symptomCount; ++j) {
                const SexCode sex = kb_.symptoms[j].sex;
                if (symptomTexts_[static_cast<std::size_t>(j)] != answer.text
                    || (sex != SEX_BOTH && sex != *c.sex))
                    continue;
                applies = true;
                (answer.present ? entry.present : entry.absent).push_back(j);
            }
            if (!applies)
                error(answer.line,
                      *c.sex == SEX_MALE ? CaseFileMessage::FemaleSymptomInMaleCase
                                         : CaseFileMessage::MaleSymptomInFemaleCase,
                      {answer.text});
        }
        if (!sexKnown)
            return;
        entry.sex = *c.sex;
        result_.cases.push_back(std::move(entry));
    }

    MatchedCaseFile finish()
    {
        sortByLine(result_.errors);
        return std::move(result_);
    }

private:
    CaseFileError& error(int line, CaseFileMessage id, std::vector<std::string> args)
    {
        return result_.errors.emplace_back(line, id, std::move(args));
    }

    // The index of the first name equal to `value`, or -1 after an error naming the
    // closest one.
    int lookUp(int line, const std::string& value, const std::vector<std::string>& names,
               CaseFileMessage unknown)
    {
        const auto found = std::find(names.begin(), names.end(), value);
        if (found != names.end())
            return static_cast<int>(found - names.begin());
        CaseFileError& e = error(line, unknown, {value, closestText(value, names)});
        e.notes.push_back(names.empty() ? CaseFileMessage::NoneLoaded : CaseFileMessage::ClosestIs);
        if (!utf8LetterIn(value.c_str()).empty())
            e.notes.push_back(CaseFileMessage::SavedAsUtf8);
        return -1;
    }

    int withinOf(int line, const std::string& value)
    {
        const bool digits = !value.empty() && value.size() <= 9
            && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int within = digits ? std::stoi(value) : 0;
        if (within < 1 || within > kb_.syndromeCount)
            error(line, CaseFileMessage::BadWithin, {std::to_string(kb_.syndromeCount), value});
        return std::max(within, 1);
    }

    const KnowledgeBase& kb_;
    std::vector<std::string> syndromeNames_;
    std::vector<std::string> symptomTexts_;
    MatchedCaseFile result_;
};

} // namespace

MatchedCaseFile matchCaseFile(const CaseFileText& file, const KnowledgeBase& kb)
{
    Matcher matcher(kb);
    for (const CaseText& c : file.cases)
        matcher.match(c);
    return matcher.finish();
}

void enterCase(DiagnosisCase& diagnosis, const CaseEntry& entry)
{
    diagnosis.setSex(entry.sex);
    diagnosis.setAge(entry.age);
    diagnosis.start();
    for (const int j : entry.present)
        diagnosis.setAnswer(j, ANSWER_PRESENT);
    for (const int j : entry.absent)
        diagnosis.setAnswer(j, ANSWER_ABSENT);
    diagnosis.rank();
}

} // namespace ordisan
