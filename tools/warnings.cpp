#include "tools/warnings.h"

#include "knowledge/dictionary_letters.h"
#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"
#include "tools/replay_file_access.h"
#include "tools/in_quotes.h"
#include "knowledge/utf8_letter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <string_view>
#include <utility>

namespace ordisan::tools {

namespace {

constexpr char BLANK = ' ';

// The physical line that ends at `end` (the reader's byte count when it returned a
// line), without its line break. Every returned text comes from that one line: a
// line break with text before it always ends the text.
std::string_view lastPhysicalLine(std::string_view bytes, std::size_t end)
{
    if (end > 0 && bytes[end - 1] == '\n')
        --end;
    if (end > 0 && bytes[end - 1] == '\r')
        --end;
    std::size_t start = end;
    while (start > 0 && bytes[start - 1] != '\n' && bytes[start - 1] != '\r')
        --start;
    return bytes.substr(start, end - start);
}

// A '/' that is not the first of a "//" pair removes text the author meant to keep:
// alone it is dropped ("mmol/L" reads "mmolL"), and when the reader has already seen
// a '/' since the last returned line it cuts the rest of the line. Before the first
// '/' of a physical line nothing is removed; a "//" there cuts just as a comment.
bool slashRemovesText(std::string_view physical)
{
    const std::size_t slash = physical.find('/');
    return slash != std::string_view::npos
        && (slash + 1 == physical.size() || physical[slash + 1] != '/');
}

bool isUndefinedByte(unsigned char byte)
{
    return byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
}

std::string undefinedBytesOf(const char* text)
{
    std::string found;
    for (const char* p = text; *p != '\0'; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        if (!isUndefinedByte(byte))
            continue;
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", byte);
        if (found.find(hex) == std::string::npos)
            found += (found.empty() ? "" : ", ") + std::string(hex);
    }
    return found;
}

struct ReturnedLine {
    const char* text;   // as a C string, the way the loaders read it
    int number;
    bool stored;        // false for the line the load stopped on
};

class Collector final {
public:
    Collector(DataFile file, std::vector<Warning>& out) : file_(file), out_(out) {}
    void add(WarningKind kind, int line, std::string text)
    {
        out_.push_back(Warning{kind, file_, line, std::move(text)});
    }
    void checkUndefinedBytes(int line, const char* storedText)
    {
        const std::string bytes = undefinedBytesOf(storedText);
        if (!bytes.empty())
            add(WarningKind::UndefinedByte, line,
                "code page 1250 has no character for " + bytes + " in " + inQuotes(storedText));
    }

private:
    DataFile file_;
    std::vector<Warning>& out_;
};

// Reads the lines the load looked at, again, and hands each to `take` after checking
// what the reader removed from it.
void walkLines(DataFile file, const LoadExtent& extent, Collector& collector,
               const std::function<void(const ReturnedLine&)>& take)
{
    if (!extent.opened)
        return;
    const char* name = fileNameOf(file);
    ReplayFileAccess files(name, extent.bytes, extent.readFailed);
    LineReader reader(files);
    NullReporter quiet;
    OpenedFile opened(files);
    opened.stream = files.open(name);
    if (opened.stream == nullptr || !reader.allocateChunk())
        return;
    reader.attach(opened.stream);

    bool utf8Seen = false; // one warning per file: the rest of it is likely the same
    while (reader.readLine(MAX_EXPRESSION_LENGTH, quiet)) {
        const int number = reader.lineNumber();
        if (extent.stopLine > 0 && number > extent.stopLine)
            break;
        const char* text = reader.line();
        const std::string_view physical = lastPhysicalLine(
            extent.bytes, static_cast<std::size_t>(reader.bytesConsumed()));
        if (slashRemovesText(physical))
            collector.add(WarningKind::Slash, number,
                          "a '/' that starts no \"//\" comment removed text; the line reads "
                              + inQuotes(text));
        if (static_cast<std::size_t>(reader.lineLength()) > std::strlen(text))
            collector.add(WarningKind::NulCut, number,
                          "the line ends at a NUL byte; it reads " + inQuotes(text));
        if (const std::string utf8 = utf8LetterIn(text); !utf8Seen && !utf8.empty()) {
            utf8Seen = true;
            collector.add(WarningKind::Utf8, number,
                          "the bytes " + utf8 + " are a letter in UTF-8: the file seems saved "
                              "as UTF-8, not code page 1250; the line reads " + inQuotes(text));
        }
        take(ReturnedLine{text, number, number != extent.stopLine});
    }
}

} // namespace

const char* kindName(WarningKind kind)
{
    switch (kind) {
    case WarningKind::DroppedExplanation: return "dropped-explanation";
    case WarningKind::TermNotShown: return "term-not-shown";
    case WarningKind::RepeatedSymptom: return "repeated-symptom";
    case WarningKind::EmptySyndrome: return "empty-syndrome";
    case WarningKind::DuplicateSyndrome: return "duplicate-syndrome";
    case WarningKind::UndefinedByte: return "undefined-byte";
    case WarningKind::Slash: return "slash";
    case WarningKind::NulCut: return "nul-cut";
    case WarningKind::Utf8: return "utf8";
    }
    return "";
}

std::vector<Warning> syndromeFileWarnings(const KnowledgeBase& kb, const LoadExtent& extent)
{
    std::vector<Warning> out;
    Collector collector(DataFile::Syndromes, out);
    std::vector<int> syndromeLines;     // line of each stored syndrome
    std::vector<bool> hasSymptomLine;   // of each stored syndrome, the refused one included
    int syndromeLinesSeen = 0;
    int symptomLinesSeen = 0;
    std::set<std::pair<int, int>> linked;

    walkLines(DataFile::Syndromes, extent, collector, [&](const ReturnedLine& line) {
        if (isBlankLine(line.text))
            return;
        if (line.text[0] != BLANK) {
            const int index = syndromeLinesSeen++;
            if (!line.stored || index >= kb.syndromeCount)
                return;
            const char* name = kb.syndromes[index].name;
            syndromeLines.push_back(line.number);
            hasSymptomLine.push_back(false);
            collector.checkUndefinedBytes(line.number, name);
            for (int earlier = 0; earlier < index; ++earlier) {
                if (std::strcmp(kb.syndromes[earlier].name, name) == 0) {
                    collector.add(WarningKind::DuplicateSyndrome, line.number,
                                  "syndrome " + inQuotes(name) + " is already given on line "
                                      + std::to_string(syndromeLines[earlier]));
                    break;
                }
            }
            return;
        }
        const int owner = syndromeLinesSeen - 1;
        if (owner >= 0 && owner < static_cast<int>(hasSymptomLine.size()))
            hasSymptomLine[static_cast<std::size_t>(owner)] = true;
        const int index = symptomLinesSeen++;
        if (!line.stored || index >= kb.linkCount)
            return;
        const SymptomLink& link = kb.links[index];
        const char* text = kb.symptoms[link.symptom].text;
        collector.checkUndefinedBytes(line.number, text);
        if (!linked.insert({link.symptom, link.syndrome}).second)
            collector.add(WarningKind::RepeatedSymptom, line.number,
                          "symptom " + inQuotes(text) + " is linked to syndrome "
                              + inQuotes(kb.syndromes[link.syndrome].name) + " again");
    });

    // A syndrome whose only symptom line stopped the load does have a symptom line.
    for (std::size_t i = 0; i < syndromeLines.size(); ++i) {
        if (!hasSymptomLine[i])
            collector.add(WarningKind::EmptySyndrome, syndromeLines[i],
                          "syndrome " + inQuotes(kb.syndromes[i].name) + " has no symptom line");
    }
    return out;
}

std::vector<Warning> dictionaryFileWarnings(const KnowledgeBase& kb, const LoadExtent& extent)
{
    std::vector<Warning> out;
    Collector collector(DataFile::Dictionary, out);
    int termLinesSeen = 0;
    bool afterTerm = false;

    walkLines(DataFile::Dictionary, extent, collector, [&](const ReturnedLine& line) {
        const bool wasAfterTerm = std::exchange(afterTerm, false);
        if (isBlankLine(line.text))
            return;
        if (line.text[0] != BLANK) {
            afterTerm = true;
            const int index = termLinesSeen++;
            if (!line.stored || index >= kb.wordCount)
                return;
            const char* term = kb.words[index].term;
            collector.checkUndefinedBytes(line.number, term);
            if (dictionaryLetterIndex(static_cast<unsigned char>(term[0])) < 0)
                collector.add(WarningKind::TermNotShown, line.number,
                              "the dictionary tree has no letter for the first byte of "
                                  + inQuotes(term));
            return;
        }
        if (!wasAfterTerm) {
            const char* text = line.text;
            while (*text == BLANK)
                ++text;
            collector.add(WarningKind::DroppedExplanation, line.number,
                          "no term line right before this explanation, so it is dropped: "
                              + inQuotes(text));
            return;
        }
        const int index = termLinesSeen - 1;
        if (line.stored && index < kb.wordCount)
            collector.checkUndefinedBytes(line.number, kb.words[index].explanation);
    });
    return out;
}

void sortWarnings(std::vector<Warning>& warnings)
{
    std::stable_sort(warnings.begin(), warnings.end(), [](const Warning& a, const Warning& b) {
        if (a.file != b.file)
            return a.file < b.file;
        if (a.line != b.line)
            return a.line < b.line;
        return a.kind < b.kind;
    });
}

} // namespace ordisan::tools
