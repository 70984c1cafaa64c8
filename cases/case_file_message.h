#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

namespace ordisan {

// Everything a case file can be faulted for, and the notes that follow some of them.
// The wording lives in tables keyed by these ids: the program's Croatian one
// (croatianCaseFileWording) and the tool's English one. A text may name the arguments
// of its error as %1, %2, …
enum class CaseFileMessage {
    // Reading the lines.
    NoKey,            // %1 the line
    UnknownKey,       // %1 the key
    OutsideCase,      // %1 the key
    NoSyndromeGiven,
    NoSymptomGiven,
    SexTwice,
    BadSex,           // %1 the value
    AgeTwice,
    BadAge,           // %1 the value
    WithinTwice,
    NoSex,
    PresentAndAbsent, // %1 the symptom text, %2 the line of the other answer
    NulByte,
    LineTooLong,      // %1 the limit in bytes
    Unreadable,
    NoCase,
    // Matching them against the knowledge base.
    UnknownSyndrome,  // %1 the text, %2 the closest loaded one
    UnknownSymptom,   // %1 the text, %2 the closest loaded one
    BadWithin,        // %1 the number of syndromes loaded, %2 the value
    MaleSymptomInFemaleCase,   // %1 the symptom text
    FemaleSymptomInMaleCase,   // %1 the symptom text
    // Notes, each added after "; ".
    ClosestIs,        // %2 the closest text
    NoneLoaded,
    SavedAsUtf8,
};
inline constexpr int CASE_FILE_MESSAGE_COUNT = static_cast<int>(CaseFileMessage::SavedAsUtf8) + 1;

// One fault of a case file. Arguments are code page 1250 texts, as the file gives them.
struct CaseFileError {
    CaseFileError(int line, CaseFileMessage id, std::vector<std::string> args = {},
                  std::vector<CaseFileMessage> notes = {})
        : line(line), id(id), args(std::move(args)), notes(std::move(notes))
    {
    }

    int line; // 0: the file as a whole
    CaseFileMessage id;
    std::vector<std::string> args;
    std::vector<CaseFileMessage> notes; // worded with the same arguments

    bool operator==(const CaseFileError&) const = default;
};

struct CaseFileMessageText {
    CaseFileMessage id;
    const char* text;
};

// Each row of a wording sits at its id's place, one for every id: checked where a
// table is defined, so that a reordered enum or table fails to build.
constexpr bool isCompleteWording(std::span<const CaseFileMessageText> wording)
{
    if (wording.size() != static_cast<std::size_t>(CASE_FILE_MESSAGE_COUNT))
        return false;
    for (std::size_t i = 0; i < wording.size(); ++i) {
        if (wording[i].id != static_cast<CaseFileMessage>(i))
            return false;
    }
    return true;
}

// Stable: the faults of one line stay in the order they were found.
void sortByLine(std::vector<CaseFileError>& errors);

// The error's text with its notes, in the given wording, without its line number.
std::string caseFileErrorText(const CaseFileError& error,
                              std::span<const CaseFileMessageText> wording);

// The program's wording, in code page 1250 like the arguments.
std::span<const CaseFileMessageText> croatianCaseFileWording();

} // namespace ordisan
