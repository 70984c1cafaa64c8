#include "cases/case_file_writer.h"

#include "cases/case_file_reader.h"
#include "engine/ranking_engine.h"

#include <set>

namespace ordisan {

namespace {

// Code page 1250: \xE8 is č.
constexpr const char* COMMENT = "// Lije\xE8" "nik upisuje kona\xE8" "nu dijagnozu u redak SLUCAJ; "
                                "ondje je sada prvi sindrom rangiranja.";

void addLine(std::string& out, const std::string& line)
{
    out += line;
    out += "\r\n";
}

} // namespace

std::string writeCaseFile(const DiagnosisCase& diagnosis)
{
    const KnowledgeBase& kb = diagnosis.knowledgeBase();
    std::string out;
    addLine(out, COMMENT);
    const int first = diagnosis.firstSyndrome();
    addLine(out, "SLUCAJ: " + (first < 0 ? "" : trimmedBlanks(kb.syndromes[first].name)));
    if (diagnosis.sex() == SEX_MALE || diagnosis.sex() == SEX_FEMALE)
        addLine(out, std::string("SPOL: ") + (diagnosis.sex() == SEX_MALE ? "M" : "Z"));
    addLine(out, "DOB: " + std::to_string(diagnosis.age()));
    std::set<std::string> written;
    for (int j = 0; j < kb.symptomCount; ++j) {
        const AnswerCode answer = kb.symptoms[j].answer;
        if ((answer != ANSWER_PRESENT && answer != ANSWER_ABSENT) || !SymptomApplies(kb, j))
            continue;
        const std::string text = trimmedBlanks(kb.symptoms[j].text);
        if (!text.empty() && written.insert(text).second)
            addLine(out, (answer == ANSWER_PRESENT ? "DA: " : "NE: ") + text);
    }
    return out;
}

} // namespace ordisan
