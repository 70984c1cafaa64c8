#include "tools/long_lines.h"

#include "knowledge/knowledge_base.h"
#include "knowledge/line_reader.h"
#include "tools/code_page_1250.h"

#include <algorithm>
#include <utility>

namespace ordisan::tools {

namespace {

constexpr char BLANK = ' ';

// The logical lines of `bytes` with their physical line numbers, as the line reader
// makes them: a single '/' is dropped and a second one starts a comment; a line break
// ends a line that holds text, and an empty one is never returned.
template <typename Take>
void forEachLine(std::string_view bytes, Take take)
{
    std::string line;
    int number = 1;
    int lineNumber = 1;
    bool sawSlash = false;
    bool inComment = false;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        const bool end = i == bytes.size();
        const char c = end ? '\n' : bytes[i];
        if (c == '\n' || c == '\r') {
            if (!line.empty())
                take(lineNumber, std::string_view(line));
            if (!line.empty())
                sawSlash = false;
            line.clear();
            inComment = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            lineNumber = ++number;
            continue;
        }
        if (line.empty())
            lineNumber = number;
        if (c == '/') {
            inComment = inComment || sawSlash;
            sawSlash = true;
        } else if (!inComment) {
            line += c;
        }
    }
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(BLANK) == std::string_view::npos;
}

} // namespace

std::vector<LongLine> longLinesOf(DataFile file, std::string_view bytes)
{
    std::vector<LongLine> found;
    const auto check = [&](int number, const char* what, std::string_view text, int limit) {
        text = text.substr(0, text.find('\0')); // the loaders measure up to a NUL
        if (static_cast<int>(text.size()) > limit)
            found.push_back({number, what, static_cast<int>(text.size()), limit,
                             static_cast<int>(cp1250LengthOf(text))});
    };
    bool afterTerm = false;
    forEachLine(bytes, [&](int number, std::string_view line) {
        const bool wasAfterTerm = std::exchange(afterTerm, false);
        // The reader counts every byte, a NUL too.
        if (static_cast<int>(line.size()) > MAX_EXPRESSION_LENGTH) {
            found.push_back({number, "line", static_cast<int>(line.size()),
                             MAX_EXPRESSION_LENGTH, static_cast<int>(cp1250LengthOf(line))});
            return;
        }
        if (isBlank(line.substr(0, line.find('\0'))))
            return;
        if (line[0] != BLANK) {
            afterTerm = true;
            if (file == DataFile::Syndromes)
                check(number, "syndrome name", line, NAME_SIZE - 1);
            else
                check(number, "term", line, TERM_SIZE - 1);
            return;
        }
        const std::size_t text = line.find_first_not_of(BLANK);
        if (file == DataFile::Syndromes)
            check(number, "symptom text", line.substr(std::min(text + 5, line.size())),
                  NAME_SIZE - 1);
        else if (wasAfterTerm)
            check(number, "explanation", line.substr(text), EXPLANATION_SIZE - 1);
    });
    return found;
}

bool refusesForLength(const ReportCall& call)
{
    if (call.kind != ReportCall::Kind::Message || !call.message)
        return false;
    switch (*call.message) {
    case Message::SyndromeNameTooLong:
    case Message::SymptomTextTooLong:
    case Message::TermTooLong:
    case Message::ExplanationTooLong:
    case Message::ExpressionTooLong:
    case Message::LineTooLongForBuffer:
        return true;
    default:
        return false;
    }
}

std::string describe(const LongLine& line)
{
    std::string text = std::string(line.what) + " of " + std::to_string(line.bytes)
        + " bytes, at most " + std::to_string(line.limit);
    if (line.cp1250Bytes == line.bytes)
        return text;
    text += "; in code page 1250 it takes " + std::to_string(line.cp1250Bytes) + " bytes"
        + (line.cp1250Bytes <= line.limit ? " and fits" : ", still too many")
        + ": the file seems saved as UTF-8, where a Croatian letter takes two bytes"
          " (ordisan-check --to-cp1250 IN OUT converts it)";
    return text;
}

} // namespace ordisan::tools
