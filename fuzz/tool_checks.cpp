#include "tool_checks.h"

#include "knowledge/knowledge_base.h"
#include "knowledge/line_reader.h"
#include "tools/case_run.h"
#include "tools/code_page_1250.h"
#include "tools/knowledge_audit.h"
#include "tools/long_lines.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace ordisan::fuzz {

using namespace tools;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

namespace {

bool isBreak(char c)
{
    return c == '\n' || c == '\r';
}

// Line breaks, CR LF counted once.
int breaksIn(std::string_view text)
{
    int breaks = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isBreak(text[i])) {
            ++breaks;
            i += text.compare(i, 2, "\r\n") == 0 ? 1 : 0;
        }
    }
    return breaks;
}

// The text with every break as LF, and one after an unfinished last line.
std::string withLfBreaks(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += isBreak(text[i]) ? '\n' : text[i];
        i += text.compare(i, 2, "\r\n") == 0 ? 1 : 0;
    }
    if (!out.empty() && out.back() != '\n')
        out += '\n';
    return out;
}

// Code page 1250 read back into UTF-8, written here independently of the tool's encoder.
std::string utf8Of1250(std::string_view bytes)
{
    std::string out;
    for (const char b : bytes) {
        const char32_t c = codePointOf1250(static_cast<unsigned char>(b));
        require(c != 0 || b == 0); // no byte that code page 1250 leaves undefined
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool isAnswerOf(const CaseEntry& entry, int symptom)
{
    return std::find(entry.present.begin(), entry.present.end(), symptom) != entry.present.end()
        || std::find(entry.absent.begin(), entry.absent.end(), symptom) != entry.absent.end();
}

// Rivals of `entry`'s syndrome: distinct, in range, sized within the links, and every
// effect one of the case's own answers.
void checkRivals(const KnowledgeBase& kb, const CaseEntry& entry,
                 const std::vector<RivalExplanation>& rivals)
{
    std::vector<int> seen;
    for (const RivalExplanation& r : rivals) {
        require(r.rival >= 0 && r.rival < kb.syndromeCount && r.rival != entry.syndrome);
        require(std::find(seen.begin(), seen.end(), r.rival) == seen.end());
        seen.push_back(r.rival);
        require(r.sex == entry.sex && r.rivalPercent >= 0 && r.rivalPercent <= 100);
        require(r.rivalSize >= 0 && r.rivalSize <= kb.linkCount && r.expectedSize >= 0
                && r.expectedSize <= kb.linkCount);
        std::size_t effects = 0;
        for (const auto* kind : {&r.rivalOnly, &r.expectedAbsent, &r.expectedPresent, &r.bothPresent}) {
            effects += kind->size();
            for (const AnswerEffect& e : *kind)
                require(isAnswerOf(entry, e.symptom)
                        && (e.answer == ANSWER_PRESENT || e.answer == ANSWER_ABSENT));
        }
        require(effects <= entry.present.size() + entry.absent.size());
    }
}

void checkAudit(KnowledgeBase& kb, const std::vector<CaseEntry>& cases,
                const std::vector<CaseResult>& results)
{
    DiagnosisCase diagnosis(kb);
    const KnowledgeAudit audit = auditKnowledgeBase(diagnosis, cases.empty() ? nullptr : &cases);
    const auto syndrome = [&](int i) { return i >= 0 && i < kb.syndromeCount; };
    require(audit.sizes.size() == static_cast<std::size_t>(kb.syndromeCount));
    for (std::size_t i = 0; i < audit.sizes.size(); ++i) {
        const KnowledgeAudit::Size& size = audit.sizes[i];
        require(size.syndrome == static_cast<int>(i));
        for (const int f : size.findings)
            require(f >= 0 && f <= kb.linkCount);
    }
    for (const auto& odd : audit.oddSizes)
        require(syndrome(odd.syndrome) && odd.findings > 0);
    for (const auto& lone : audit.loneFindings) {
        require(lone.symptom >= 0 && lone.symptom < kb.symptomCount && lone.holders >= 1
                && !lone.first.empty());
        for (const int i : lone.first)
            require(syndrome(i));
    }
    for (const auto* pairs : {&audit.twins, &audit.unseparated}) {
        for (const auto& p : *pairs)
            require(syndrome(p.a) && syndrome(p.b) && p.a < p.b);
    }
    // Every case's margin, thinnest first, the same as the case run gave it.
    require(audit.margins.size() == cases.size());
    for (std::size_t k = 0; k < audit.margins.size(); ++k) {
        const auto& m = audit.margins[k];
        require(k == 0 || !(m.points < audit.margins[k - 1].points));
        require(m.best == -1 ? kb.syndromeCount == 1 : syndrome(m.best) && m.best != m.syndrome);
        const auto run = std::find_if(results.begin(), results.end(), [&](const CaseResult& r) {
            return r.line == m.line && r.syndrome == m.syndrome;
        });
        require(run != results.end() && run->margin == m.points);
    }
}

} // namespace

void checkConversion(std::string_view utf8)
{
    const Cp1250Text out = cp1250FromUtf8(utf8);
    if (utf8.starts_with("\xEF\xBB\xBF"))
        utf8.remove_prefix(3);
    const bool openEnd = !utf8.empty() && !isBreak(utf8.back());
    const int lines = breaksIn(utf8) + (openEnd ? 1 : 0);
    require(out.lines == lines);
    for (std::size_t k = 0; k < out.refusals.size(); ++k) {
        const Cp1250Text::Refusal& r = out.refusals[k];
        require(r.line >= 1 && r.line <= lines && r.column >= 1 && !r.text.empty());
        if (k > 0) {
            const Cp1250Text::Refusal& before = out.refusals[k - 1];
            require(before.line < r.line || (before.line == r.line && before.column < r.column));
        }
    }
    if (!out.refusals.empty())
        return;
    // CR LF after every line and nowhere else; read back, the same text.
    const std::string& bytes = out.bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r')
            require(i + 1 < bytes.size() && bytes[i + 1] == '\n');
        if (bytes[i] == '\n')
            require(i > 0 && bytes[i - 1] == '\r');
    }
    require(bytes.empty() || bytes.ends_with("\r\n"));
    require(breaksIn(bytes) == lines);
    require(withLfBreaks(utf8Of1250(bytes)) == withLfBreaks(utf8));
    // What a text measures in code page 1250 is what the conversion makes of it.
    const auto breakBytes = std::count_if(utf8.begin(), utf8.end(), isBreak);
    require(cp1250LengthOf(utf8) == bytes.size() - 2 * static_cast<std::size_t>(lines)
                                        + static_cast<std::size_t>(breakBytes));
}

void checkLongLines(DataFile file, std::string_view bytes, const std::vector<ReportCall>* calls)
{
    const std::vector<LongLine> found = longLinesOf(file, bytes);
    const int lines = breaksIn(bytes) + 1;
    const bool ascii = std::none_of(bytes.begin(), bytes.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    for (std::size_t k = 0; k < found.size(); ++k) {
        const LongLine& l = found[k];
        require(l.line >= 1 && l.line <= lines && (k == 0 || found[k - 1].line < l.line));
        require(l.limit == MAX_EXPRESSION_LENGTH || l.limit == NAME_SIZE - 1
                || l.limit == TERM_SIZE - 1 || l.limit == EXPLANATION_SIZE - 1);
        require(l.bytes > l.limit && static_cast<std::size_t>(l.bytes) <= bytes.size());
        require(l.cp1250Bytes >= 1 && l.cp1250Bytes <= l.bytes && (!ascii || l.cp1250Bytes == l.bytes));
        require(describe(l).find(" at most ") != std::string::npos);
    }
    if (calls == nullptr)
        return;
    // The load read every line before its first message and took it.
    int firstMessage = lines + 1;
    for (const ReportCall& call : *calls) {
        if (call.file != file || call.kind != ReportCall::Kind::Message)
            continue;
        firstMessage = std::min(firstMessage, call.line);
        if (refusesForLength(call))
            require(std::any_of(found.begin(), found.end(),
                                [&](const LongLine& l) { return l.line == call.line; }));
    }
    require(found.empty() || found.front().line >= firstMessage);
}

void checkCaseRuns(KnowledgeBase& kb, const std::vector<CaseEntry>& matched)
{
    std::vector<CaseEntry> cases;
    std::copy_if(matched.begin(), matched.end(), std::back_inserter(cases),
                 [](const CaseEntry& c) { return c.syndrome >= 0; });
    const std::vector<CaseResult> results = runCases(kb, cases);
    require(results.size() == cases.size());
    for (std::size_t k = 0; k < results.size(); ++k) {
        const CaseResult& r = results[k];
        const CaseEntry& c = cases[k];
        require(r.line == c.line && r.syndrome == c.syndrome);
        require(r.place >= 1 && r.place <= kb.syndromeCount && r.tiedWith >= 0 && r.tiedWith < r.place);
        require(r.percent >= 0 && r.percent <= 100 && r.passed == (r.place <= c.within));
        require(r.first.size() == std::min<std::size_t>(3, static_cast<std::size_t>(kb.syndromeCount)));
        if (kb.syndromeCount == 1) {
            require(r.bestOther.syndrome == -1);
        } else {
            require(r.bestOther.syndrome >= 0 && r.bestOther.syndrome < kb.syndromeCount
                    && r.bestOther.syndrome != c.syndrome);
            require((r.place == 1) == (r.margin > 0));
        }
        // A failed case: every syndrome at or above the expected one, explained.
        require(r.passed == r.explanation.empty());
        if (!r.passed) {
            require(r.explanation.size() == static_cast<std::size_t>(r.place - 1));
            checkRivals(kb, c, r.explanation);
            for (const RivalExplanation& rival : r.explanation)
                require(rival.lead >= 0);
        }
    }
    if (!cases.empty()) {
        // --explain: the first case against whatever ranks at or above it, or its runner-up.
        DiagnosisCase diagnosis(kb);
        const std::vector<RivalExplanation> rivals = explainCase(diagnosis, cases.front(), true);
        checkRivals(kb, cases.front(), rivals);
        const int place = results.front().place;
        require(rivals.size() == static_cast<std::size_t>(place > 1 ? place - 1 : kb.syndromeCount > 1));
        for (const RivalExplanation& rival : rivals)
            require(place > 1 ? rival.lead >= 0 : rival.lead < 0);
    }
    // The audit ranks every finding alone for each sex: kept to small knowledge bases.
    if (kb.symptomCount <= 200 && kb.syndromeCount <= 100)
        checkAudit(kb, cases, results);
}

} // namespace ordisan::fuzz
