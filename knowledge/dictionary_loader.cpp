#include "knowledge/load_common.h"
#include "knowledge/loaders.h"

#include <cstring>

namespace ordisan {

namespace {

constexpr char BLANK = ' ';

enum class State { ExpectingTerm, AfterTerm };
enum class LineResult { Next, Stop };

LineResult takeTermLine(KnowledgeBase& kb, const LineReader& reader, std::int64_t fileSize,
                        LoadReporter& reporter)
{
    if (kb.wordCount == MAX_WORDS) {
        reportMessage(reporter, Message::TooManyWords);
        return LineResult::Stop;
    }
    const char* line = reader.line();
    const std::size_t length = std::strlen(line);
    if (length > TERM_SIZE - 1) {
        reportLineMessage(reporter, Message::TermTooLong, reader.lineNumber());
        return LineResult::Stop;
    }
    DictionaryEntry& entry = kb.words[kb.wordCount];
    std::memcpy(entry.term, line, length + 1);
    ++kb.wordCount;
    if (kb.wordCount % 5 == 0) {
        reporter.showProgress(progressPercent(reader.bytesConsumed(), fileSize));
        reporter.showWordCount(kb.wordCount);
    }
    return LineResult::Next;
}

LineResult takeExplanationLine(KnowledgeBase& kb, const LineReader& reader, LoadReporter& reporter)
{
    const char* text = reader.line();
    while (*text == BLANK)
        ++text;
    const std::size_t length = std::strlen(text);
    if (length > EXPLANATION_SIZE - 1) {
        reportLineMessage(reporter, Message::ExplanationTooLong, reader.lineNumber());
        return LineResult::Stop;
    }
    std::memcpy(kb.words[kb.wordCount - 1].explanation, text, length + 1);
    return LineResult::Next;
}

} // namespace

bool loadDictionaryFile(KnowledgeBase& kb, LineReader& reader, LoadReporter& reporter)
{
    OpenedFile file(reader.files());
    const detail::OpenMessages messages{Message::DictionaryFileOpen, Message::DictionaryFileSeekEnd,
                                        Message::DictionaryFileSeekStart};
    if (!detail::openForReading(reader, DICTIONARY_FILE_NAME, messages, reporter, file))
        return false;
    kb.wordCount = 0;

    State state = State::ExpectingTerm;
    while (reader.readLine(MAX_EXPRESSION_LENGTH, reporter)) {
        const char* line = reader.line();
        LineResult result = LineResult::Next;
        if (isBlankLine(line)) {
            state = State::ExpectingTerm; // after a term, the blank line is its companion
        } else if (line[0] != BLANK) {
            // A term line starts a new entry, also right after another term line.
            result = takeTermLine(kb, reader, file.size, reporter);
            state = State::AfterTerm;
        } else {
            if (state == State::AfterTerm)
                result = takeExplanationLine(kb, reader, reporter);
            state = State::ExpectingTerm;
        }
        if (result == LineResult::Stop)
            return false;
    }

    reader.releaseChunk();
    reporter.showProgress(0);
    reporter.showWordCount(kb.wordCount);
    return true;
}

} // namespace ordisan
