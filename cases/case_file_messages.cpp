#include "cases/case_file_message.h"

#include <algorithm>

namespace ordisan {

namespace {

// Code page 1250 (\xE8 is č, \x9A š, \x9E ž, \xC8 Č); a literal is split after an
// escape that a hex digit follows.
constexpr CaseFileMessageText CROATIAN[] = {
    {CaseFileMessage::NoKey,
     "u retku \"%1\" nema \"KLJU\xC8:\"; klju\xE8" "evi su SLUCAJ, SPOL, DOB, DA, NE i MJESTO"},
    {CaseFileMessage::UnknownKey,
     "nepoznat klju\xE8 \"%1\"; klju\xE8" "evi su SLUCAJ, SPOL, DOB, DA, NE i MJESTO"},
    {CaseFileMessage::OutsideCase,
     "%1 izvan slu\xE8" "aja; slu\xE8" "aj po\xE8inje klju\xE8" "em SLUCAJ"},
    {CaseFileMessage::NoSyndromeGiven,
     "nije upisan sindrom"},
    {CaseFileMessage::NoSymptomGiven,
     "nije upisan simptom"},
    {CaseFileMessage::SexTwice,
     "SPOL je dvaput upisan u istom slu\xE8" "aju"},
    {CaseFileMessage::BadSex,
     "SPOL mora biti M ili Z, a ne \"%1\""},
    {CaseFileMessage::AgeTwice,
     "DOB je dvaput upisana u istom slu\xE8" "aju"},
    {CaseFileMessage::BadAge,
     "DOB mora biti cijeli broj bez predznaka, a ne \"%1\""},
    {CaseFileMessage::WithinTwice,
     "MJESTO je dvaput upisano u istom slu\xE8" "aju"},
    {CaseFileMessage::NoSex,
     "slu\xE8" "aj nema SPOL"},
    {CaseFileMessage::PresentAndAbsent,
     "simptom \"%1\" je i prisutan i odsutan (redak %2)"},
    {CaseFileMessage::NulByte,
     "redak sadr\x9Ei bajt NUL"},
    {CaseFileMessage::LineTooLong,
     "redak je dulji od %1 bajtova"},
    {CaseFileMessage::Unreadable,
     "datoteka se ne mo\x9E" "e pro\xE8itati do kraja"},
    {CaseFileMessage::NoCase,
     "nema nijednog slu\xE8" "aja; slu\xE8" "aj po\xE8inje klju\xE8" "em SLUCAJ"},
    {CaseFileMessage::UnknownSyndrome,
     "baza znanja nema sindrom \"%1\""},
    {CaseFileMessage::UnknownSymptom,
     "baza znanja nema simptom \"%1\""},
    {CaseFileMessage::BadWithin,
     "MJESTO mora biti cijeli broj od 1 do %1 (broj u\xE8itanih sindroma), a ne \"%2\""},
    {CaseFileMessage::MaleSymptomInFemaleCase,
     "simptom \"%1\" je samo za mu\x9Akarce, a slu\xE8" "aj je \x9E" "enski"},
    {CaseFileMessage::FemaleSymptomInMaleCase,
     "simptom \"%1\" je samo za \x9E" "ene, a slu\xE8" "aj je mu\x9Aki"},
    {CaseFileMessage::ClosestIs,
     "najsli\xE8niji je \"%2\""},
    {CaseFileMessage::NoneLoaded,
     "nijedan nije u\xE8itan"},
    {CaseFileMessage::SavedAsUtf8,
     "datoteka je vjerojatno spremljena kao UTF-8, a ne u kodnoj stranici 1250"},
};
static_assert(isCompleteWording(CROATIAN), "one Croatian text for every case-file message");

// %1 … %9 become the arguments; a number without an argument stays as it is.
std::string substituted(const char* text, const std::vector<std::string>& args)
{
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9'
            && static_cast<std::size_t>(p[1] - '1') < args.size()) {
            out += args[static_cast<std::size_t>(p[1] - '1')];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

} // namespace

std::string caseFileErrorText(const CaseFileError& error,
                              std::span<const CaseFileMessageText> wording)
{
    std::string text = substituted(wording[static_cast<std::size_t>(error.id)].text, error.args);
    for (const CaseFileMessage note : error.notes)
        text += "; " + substituted(wording[static_cast<std::size_t>(note)].text, error.args);
    return text;
}

void sortByLine(std::vector<CaseFileError>& errors)
{
    const auto byLine = [](const CaseFileError& a, const CaseFileError& b) {
        return a.line < b.line;
    };
    std::stable_sort(errors.begin(), errors.end(), byLine);
}

std::span<const CaseFileMessageText> croatianCaseFileWording()
{
    return CROATIAN;
}

} // namespace ordisan
