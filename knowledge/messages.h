#pragma once

#include "knowledge/load_reporter.h"

namespace ordisan {

// Every message the reader and the loaders can report. The wording lives in one
// table (messages.cpp), as code page 1250 bytes.
enum class Message {
    SyndromeFileOpen,
    SyndromeFileSeekEnd,
    SyndromeFileSeekStart,
    ChunkAllocation,
    TooManySyndromes,
    UnknownSex,
    ExpectedDash,
    UnknownLocation,
    ExpectedParenthesis,
    TooManySymptoms,
    TooManyLinks,
    SymptomWithoutSyndrome,
    SyndromeNameTooLong,
    SymptomTextTooLong,
    DictionaryFileOpen,
    DictionaryFileSeekEnd,
    DictionaryFileSeekStart,
    TooManyWords,
    TermTooLong,
    ExplanationTooLong,
    ExpressionTooLong,
    LineTooLongForBuffer,
    ReadError,
};

struct MessageText {
    const char* text; // a printf format with one %d where the message names a line
    const char* caption;
    int icon;
};

const MessageText& messageText(Message message);

void reportMessage(LoadReporter& reporter, Message message);
// For the messages that name a physical line.
void reportLineMessage(LoadReporter& reporter, Message message, int lineNumber);

} // namespace ordisan
