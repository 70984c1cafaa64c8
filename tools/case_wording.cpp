#include "tools/case_wording.h"

namespace ordisan::tools {

namespace {

constexpr CaseFileMessageText ENGLISH[] = {
    {CaseFileMessage::NoKey,
     "no \"KEY:\" in \"%1\"; the keys are SLUCAJ, SPOL, DOB, DA, NE and MJESTO"},
    {CaseFileMessage::UnknownKey,
     "unknown key \"%1\"; the keys are SLUCAJ, SPOL, DOB, DA, NE and MJESTO"},
    {CaseFileMessage::OutsideCase, "%1 outside a case; a case starts with SLUCAJ"},
    {CaseFileMessage::NoSyndromeGiven, "no syndrome given"},
    {CaseFileMessage::NoSymptomGiven, "no symptom given"},
    {CaseFileMessage::SexTwice, "SPOL given twice in one case"},
    {CaseFileMessage::BadSex, "SPOL must be M or Z, not \"%1\""},
    {CaseFileMessage::AgeTwice, "DOB given twice in one case"},
    {CaseFileMessage::BadAge, "DOB must be a whole number without a sign, not \"%1\""},
    {CaseFileMessage::WithinTwice, "MJESTO given twice in one case"},
    {CaseFileMessage::NoSex, "the case has no SPOL"},
    {CaseFileMessage::PresentAndAbsent, "symptom \"%1\" is both present and absent (line %2)"},
    {CaseFileMessage::NulByte, "the line holds a NUL byte"},
    {CaseFileMessage::LineTooLong, "the line is longer than %1 bytes"},
    {CaseFileMessage::Unreadable, "the file could not be read to its end"},
    {CaseFileMessage::NoCase, "holds no case; a case starts with SLUCAJ"},
    {CaseFileMessage::UnknownSyndrome, "no syndrome \"%1\""},
    {CaseFileMessage::UnknownSymptom, "no symptom \"%1\""},
    {CaseFileMessage::BadWithin,
     "MJESTO must be a whole number from 1 to the %1 syndromes loaded, not \"%2\""},
    {CaseFileMessage::MaleSymptomInFemaleCase,
     "symptom \"%1\" is for male patients only, and the case is female"},
    {CaseFileMessage::FemaleSymptomInMaleCase,
     "symptom \"%1\" is for female patients only, and the case is male"},
    {CaseFileMessage::ClosestIs, "the closest is \"%2\""},
    {CaseFileMessage::NoneLoaded, "none is loaded"},
    {CaseFileMessage::SavedAsUtf8, "the case file seems saved as UTF-8, not code page 1250"},
};
static_assert(isCompleteWording(ENGLISH), "one English text for every case-file message");

} // namespace

std::span<const CaseFileMessageText> englishCaseFileWording()
{
    return ENGLISH;
}

} // namespace ordisan::tools
