// Checks over the sample shipped in data/: the files are code page 1250 text with CR LF
// line breaks, the knowledge base loads as ordisan-check would pass it, follows the
// authoring rules that make the ranking meaningful, and every case of slucajevi.cxt
// ranks its syndrome where the case expects it. Counts and rankings of the sample are
// left to the case file: the sample is meant to change.
#include "knowledge/loaders.h"
#include "tools/case_file.h"
#include "tools/case_run.h"
#include "tools/check_run.h"
#include "tools/warnings.h"

#include <gtest/gtest.h>

#include "test_files.h"

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

namespace ordisan {
namespace {

using test::cp1250;

constexpr const char* CASE_FILE_NAME = "slucajevi.cxt";

std::string dataPath(const char* name)
{
    return std::string(ORDISAN_DATA_DIR) + "/" + name;
}

// Both files loaded once, as ordisan-check loads them.
tools::CheckRun& sample()
{
    static tools::CheckRun run = tools::loadAndCheck(ORDISAN_DATA_DIR);
    return run;
}

class SampleFileBytes : public testing::TestWithParam<const char*> {};

TEST_P(SampleFileBytes, AreCrLfLinesOfCodePage1250WithSlashesOnlyInComments)
{
    std::ifstream in(dataPath(GetParam()), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_TRUE(bytes.ends_with("\r\n")) << "empty, or no line break after the last line";
    int line = 1;
    for (std::size_t i = 0, start = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        // NUL ends a line early; the five bytes have no character; a tab indents nothing.
        EXPECT_EQ(std::string("\0\x81\x83\x88\x90\x98\t", 7).find(c), std::string::npos)
            << GetParam() << ":" << line;
        EXPECT_TRUE(c != '\n' || (i > 0 && bytes[i - 1] == '\r')) << GetParam() << ":" << line;
        EXPECT_TRUE(c != '\r' || (i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            << GetParam() << ":" << line;
        // The reader drops a lone '/' and cuts a line at the second one.
        EXPECT_TRUE(c != '/' || bytes.compare(start, 2, "//") == 0) << GetParam() << ":" << line;
        if (c == '\n') {
            ++line;
            start = i + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedFiles, SampleFileBytes,
                         testing::Values(SYNDROME_FILE_NAME, DICTIONARY_FILE_NAME, CASE_FILE_NAME),
                         [](const testing::TestParamInfo<const char*>& info) {
                             const std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

TEST(Sample, LoadsWithoutAMessageOrAWarning)
{
    const tools::CheckRun& run = sample();
    EXPECT_EQ(tools::exitStatusOf(run), 0);
    for (const tools::ReportCall& call : run.reports)
        EXPECT_NE(call.kind, tools::ReportCall::Kind::Message) << call.text;
    for (const tools::Warning& w : run.warnings)
        ADD_FAILURE() << tools::fileNameOf(w.file) << ":" << w.line << ": "
                      << tools::kindName(w.kind) << ": " << w.text;
}

TEST(Sample, FollowsTheAuthoringRules)
{
    const KnowledgeBase& kb = *sample().kb;
    std::map<int, std::map<SexCode, int>> sexesOf; // of each syndrome, its links by sex
    std::map<int, int> linksOf;                     // of each symptom
    for (int l = 0; l < kb.linkCount; ++l) {
        ++sexesOf[kb.links[l].syndrome][kb.symptoms[kb.links[l].symptom].sex];
        ++linksOf[kb.links[l].symptom];
    }
    // Five to twelve symptoms keep the scores comparable. A syndrome meant for one sex
    // (most symptoms bound to it) carries only that sex's, or it would be scored for
    // the other sex on the rest alone.
    for (int i = 0; i < kb.syndromeCount; ++i) {
        std::map<SexCode, int>& sexes = sexesOf[i];
        const int all = sexes[SEX_MALE] + sexes[SEX_FEMALE] + sexes[SEX_BOTH];
        EXPECT_TRUE(all >= 5 && all <= 12) << kb.syndromes[i].name << ": " << all;
        if (sexes[SEX_MALE] + sexes[SEX_FEMALE] > sexes[SEX_BOTH]) {
            EXPECT_TRUE(sexes[SEX_BOTH] == 0 && (sexes[SEX_MALE] == 0 || sexes[SEX_FEMALE] == 0))
                << kb.syndromes[i].name;
        }
    }
    // One text is one symptom, or the patient is asked twice; shared findings are
    // what lets the ranking tell syndromes apart.
    std::set<std::string> texts;
    int shared = 0;
    for (int j = 0; j < kb.symptomCount; ++j) {
        EXPECT_TRUE(texts.insert(kb.symptoms[j].text).second) << kb.symptoms[j].text;
        shared += linksOf[j] > 1 ? linksOf[j] : 0;
    }
    EXPECT_GE(shared * 4, kb.linkCount) << "a quarter of the links go to shared symptoms";
}

TEST(Sample, DictionaryTermsAreDistinctAndStartWithACroatianCapital)
{
    const KnowledgeBase& kb = *sample().kb;
    const std::string capitals = cp1250("ABCČĆDĐEFGHIJKLMNOPQRSŠTUVWXYZŽ");
    std::set<std::string> terms;
    for (int w = 0; w < kb.wordCount; ++w) {
        const std::string term = kb.words[w].term;
        EXPECT_TRUE(terms.insert(term).second) << term;
        EXPECT_NE(capitals.find(term[0]), std::string::npos) << term;
        EXPECT_NE(std::string(kb.words[w].explanation), "") << term;
    }
}

TEST(Sample, EveryCaseOfTheCaseFileRanksItsSyndromeWhereItShould)
{
    KnowledgeBase& kb = *sample().kb;
    const tools::CaseFile file = tools::readCaseFile(dataPath(CASE_FILE_NAME), kb);
    for (const tools::CaseFileError& e : file.errors)
        ADD_FAILURE() << CASE_FILE_NAME << ":" << e.line << ": " << e.text;
    EXPECT_GE(file.cases.size(), 45u);
    for (const tools::CaseResult& r : tools::runCases(kb, file.cases)) {
        std::string first;
        for (const tools::RankedSyndrome& s : r.first)
            first += std::string("\n  ") + kb.syndromes[s.syndrome].name + " "
                + std::to_string(s.percent) + "%";
        EXPECT_TRUE(r.passed) << CASE_FILE_NAME << ":" << r.line << ": "
                              << kb.syndromes[r.syndrome].name << " at place " << r.place
                              << ", wanted within " << r.within << first;
    }
}

} // namespace
} // namespace ordisan
