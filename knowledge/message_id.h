#pragma once

namespace ordisan {

// Every message the reader and the loaders can report. The wording lives in one
// table (messages.cpp), as code page 1250 bytes, keyed by these ids.
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

} // namespace ordisan
