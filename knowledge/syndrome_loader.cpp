#include "knowledge/load_common.h"
#include "knowledge/loaders.h"
#include "knowledge/symptom_index.h"

#include <cstring>
#include <string_view>

namespace ordisan {

namespace {

constexpr char BLANK = ' ';

bool parseSex(char letter, SexCode& sex)
{
    switch (letter) {
    case 'M': case 'm': sex = SEX_MALE; return true;
    case 'Z': case 'z': sex = SEX_FEMALE; return true;
    case 'O': case 'o': sex = SEX_BOTH; return true;
    default: return false;
    }
}

bool parseLocation(char letter, LocationCode& location)
{
    switch (letter) {
    case 'G': case 'g': location = LOC_HEAD; return true;
    case 'T': case 't': location = LOC_TRUNK; return true;
    case 'U': case 'u': location = LOC_LIMBS; return true;
    case 'O': case 'o': location = LOC_OTHER; return true;
    default: return false;
    }
}

void reportCounts(const KnowledgeBase& kb, LoadReporter& reporter)
{
    reporter.showSyndromeCounts(kb.syndromeCount, kb.symptomCount, kb.linkCount);
}

enum class LineResult { Next, Stop };

LineResult takeSyndromeLine(KnowledgeBase& kb, const LineReader& reader, std::int64_t fileSize,
                            LoadReporter& reporter)
{
    const char* line = reader.line();
    if (kb.syndromeCount == MAX_SYNDROMES) {
        reportMessage(reporter, Message::TooManySyndromes);
        return LineResult::Stop;
    }
    const std::size_t length = std::strlen(line);
    if (length > NAME_SIZE - 1) {
        reportLineMessage(reporter, Message::SyndromeNameTooLong, reader.lineNumber());
        return LineResult::Stop;
    }
    std::memcpy(kb.syndromes[kb.syndromeCount].name, line, length + 1);
    ++kb.syndromeCount;
    if (kb.syndromeCount % 5 == 0) {
        reporter.showProgress(progressPercent(reader.bytesConsumed(), fileSize));
        reportCounts(kb, reporter);
    }
    return LineResult::Next;
}

LineResult takeSymptomLine(KnowledgeBase& kb, SymptomIndex& index, const LineReader& reader,
                           LoadReporter& reporter)
{
    const char* line = reader.line();
    const int number = reader.lineNumber();
    const std::size_t length = std::strlen(line);
    std::size_t s = 0;
    while (line[s] == BLANK)
        ++s;
    // Bytes past the end of the line read as NUL and so fail every test.
    const auto at = [&](std::size_t i) { return i < length ? line[i] : '\0'; };

    SexCode sex = 0;
    LocationCode location = 0;
    if (!parseSex(at(s), sex)) {
        reportLineMessage(reporter, Message::UnknownSex, number);
        return LineResult::Stop;
    }
    if (at(s + 1) != '-') {
        reportLineMessage(reporter, Message::ExpectedDash, number);
        return LineResult::Stop;
    }
    if (!parseLocation(at(s + 2), location)) {
        reportLineMessage(reporter, Message::UnknownLocation, number);
        return LineResult::Stop;
    }
    if (at(s + 3) != ')') {
        reportLineMessage(reporter, Message::ExpectedParenthesis, number);
        return LineResult::Stop;
    }
    // Position s + 4 is skipped untested; the text starts at s + 5.
    const char* text = length > s + 5 ? line + s + 5 : "";
    const std::size_t textLength = length > s + 5 ? length - (s + 5) : 0;
    if (textLength > NAME_SIZE - 1) {
        reportLineMessage(reporter, Message::SymptomTextTooLong, number);
        return LineResult::Stop;
    }
    if (kb.syndromeCount == 0) {
        reportLineMessage(reporter, Message::SymptomWithoutSyndrome, number);
        return LineResult::Stop;
    }
    // Both capacities are checked before anything is stored, so a refused line
    // leaves no symptom without a link.
    int j = index.find(std::string_view(text, textLength), sex, location);
    if (j < 0 && kb.symptomCount == MAX_SYMPTOMS) {
        reportMessage(reporter, Message::TooManySymptoms);
        return LineResult::Stop;
    }
    if (kb.linkCount == MAX_LINKS) {
        reportMessage(reporter, Message::TooManyLinks);
        return LineResult::Stop;
    }
    if (j < 0) {
        j = kb.symptomCount++;
        SymptomRecord& stored = kb.symptoms[j];
        std::memcpy(stored.text, text, textLength);
        std::memset(stored.text + textLength, 0, sizeof stored.text - textLength);
        stored.sex = sex;
        stored.location = location;
        stored.answer = 0;
        stored.weight = 0.0f;
        index.add(j);
    }
    kb.links[kb.linkCount++] = SymptomLink{j, kb.syndromeCount - 1};
    return LineResult::Next;
}

} // namespace

bool loadSyndromeFile(KnowledgeBase& kb, LineReader& reader, LoadReporter& reporter)
{
    OpenedFile file(reader.files());
    const detail::OpenMessages messages{Message::SyndromeFileOpen, Message::SyndromeFileSeekEnd,
                                        Message::SyndromeFileSeekStart};
    if (!detail::openForReading(reader, SYNDROME_FILE_NAME, messages, reporter, file))
        return false;
    kb.symptomCount = 0;
    kb.syndromeCount = 0;
    kb.linkCount = 0;
    SymptomIndex index(kb);

    while (reader.readLine(MAX_EXPRESSION_LENGTH, reporter)) {
        const char* line = reader.line();
        if (isBlankLine(line))
            continue;
        const LineResult result = line[0] != BLANK
            ? takeSyndromeLine(kb, reader, file.size, reporter)
            : takeSymptomLine(kb, index, reader, reporter);
        if (result == LineResult::Stop)
            return false;
    }

    reporter.showProgress(100);
    reportCounts(kb, reporter);
    return true;
}

} // namespace ordisan
