// Checks over the sample shipped in data/: the files are code page 1250 text with CR LF
// line breaks, the knowledge base loads as ordisan-check would pass it and follows the
// authoring rules that make the ranking meaningful. Counts and rankings of the sample
// are left to the case file, which ctest runs through ordisan-check: the sample is
// meant to change.
#include "knowledge/loaders.h"
#include "test_files.h"
#include "tools/check_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>

namespace ordisan {
namespace {

TEST(Sample, FilesAreCrLfLinesOfCodePage1250WithSlashesOnlyInComments)
{
    for (const char* name : {SYNDROME_FILE_NAME, DICTIONARY_FILE_NAME, "slucajevi.cxt"}) {
        std::ifstream in(std::string(ORDISAN_DATA_DIR) + "/" + name, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_TRUE(bytes.ends_with("\r\n")) << name << ": empty, or no break after the last line";
        std::size_t start = 0; // of the line
        for (int line = 1; start < bytes.size(); ++line) {
            const std::size_t end = bytes.find("\r\n", start);
            const std::string text = bytes.substr(start, end - start);
            // NUL ends a line early, the five bytes have no character, a tab indents
            // nothing, a lone CR or LF is a break, and the reader drops a lone '/'.
            EXPECT_EQ(text.find_first_of(std::string("\0\x81\x83\x88\x90\x98\t\r\n", 9)),
                      std::string::npos) << name << ":" << line;
            EXPECT_TRUE(text.find('/') == std::string::npos || text.starts_with("//"))
                << name << ":" << line;
            start = end == std::string::npos ? bytes.size() : end + 2;
        }
    }
}

TEST(Sample, LoadsWithoutAMessageOrAWarningAndFollowsTheAuthoringRules)
{
    const tools::CheckRun run = tools::loadAndCheck(ORDISAN_DATA_DIR);
    EXPECT_EQ(tools::exitStatusOf(run), 0);
    EXPECT_EQ(run.warnings.size(), 0u) << "ordisan-check " ORDISAN_DATA_DIR " lists them";
    const KnowledgeBase& kb = *run.kb;
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
    // Dictionary terms are distinct, explained, and start with a letter of the tree.
    const std::string capitals = test::cp1250("ABCČĆDĐEFGHIJKLMNOPQRSŠTUVWXYZŽ");
    std::set<std::string> terms;
    for (int w = 0; w < kb.wordCount; ++w) {
        const std::string term = kb.words[w].term;
        EXPECT_TRUE(terms.insert(term).second) << term;
        EXPECT_NE(capitals.find(term[0]), std::string::npos) << term;
        EXPECT_NE(std::string(kb.words[w].explanation), "") << term;
    }
}

} // namespace
} // namespace ordisan
