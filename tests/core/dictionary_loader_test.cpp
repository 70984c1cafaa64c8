#include "knowledge/loaders.h"
#include "memory_file_access.h"
#include "recording_reporter.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <memory>

namespace ordisan::test {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

struct Loaded {
    bool result = false;
    Entries entries;
    std::vector<std::string> messages;
};

// Both files on one reader, as the program loads them; the dictionary's messages only.
// (Its progress and counts are checked through ordisan-check.)
Loaded loadWords(const std::string& bytes)
{
    MemoryFileAccess files;
    files.setFile(SYNDROME_FILE_NAME, MemoryFile{"S\r\n O-T) x"});
    files.setFile(DICTIONARY_FILE_NAME, MemoryFile{bytes});
    auto kb = std::make_unique<KnowledgeBase>();
    LineReader reader(files);
    RecordingReporter reporter;
    EXPECT_TRUE(loadSyndromeFile(*kb, reader, reporter));
    EXPECT_STREQ(kb->symptoms[0].text, "x") << "the last line without a line break counts";
    reporter.calls.clear();
    Loaded loaded{loadDictionaryFile(*kb, reader, reporter), {}, reporter.messages()};
    for (int w = 0; w < kb->wordCount; ++w)
        loaded.entries.emplace_back(kb->words[w].term, kb->words[w].explanation);
    EXPECT_EQ(files.openStreams(), 0);
    if (loaded.result) {
        EXPECT_EQ(files.heldBlocks(), 0) << "the chunk is released at the end";
    }
    return loaded;
}

TEST(DictionaryLoader, PairsTermsWithTheExplanationRightAfterThem)
{
    const Loaded loaded = loadWords(cp1250(
        "   uvodno objašnjenje bez pojma\r\n"   // dropped
        "Anemija \r\n"
        "    smanjen broj crvenih krvnih stanica \r\n"
        "   drugo objašnjenje\r\n"             // dropped
        "Bez objašnjenja\r\n"
        "   \r\n"                               // a line of blanks ends the pairing...
        "  izgubljeno\r\n"                      // ...so this is dropped
        "Prvi pojam\r\n"
        "Drugi pojam\r\n"                       // a term after a term is a new entry
        " objašnjenje drugoga\r\n"
        "Do/ktor//ica\r\n"
        " a/b\r\n"
        "Zadnji"));
    ASSERT_TRUE(loaded.result);
    Entries expected;
    for (const auto& [t, e] : Entries{{"Anemija ", "smanjen broj crvenih krvnih stanica "},
                                      {"Bez objašnjenja", ""}, {"Prvi pojam", ""},
                                      {"Drugi pojam", "objašnjenje drugoga"}, {"Doktor", "ab"},
                                      {"Zadnji", ""}})
        expected.emplace_back(cp1250(t), cp1250(e));
    EXPECT_EQ(loaded.entries, expected);
}

TEST(DictionaryLoader, LimitsAndCapacity)
{
    std::string full;
    for (int i = 0; i < MAX_WORDS; ++i)
        full += "P" + std::to_string(i) + "\r\n o\r\n";
    const struct {
        std::string file;
        bool result;
        std::size_t entries;
        std::string message; // empty: none
    } rows[] = {
        {std::string(49, 't') + "\r\n " + std::string(99, 'e') + "\r\n", true, 1, ""},
        {full + "\r\n", true, MAX_WORDS, ""},
        {"A\r\n" + std::string(50, 't') + "\r\n x\r\n", false, 1,
         messageCall("Predugačak pojam u liniji 2.")},
        // The entry before a refused explanation stays, unexplained.
        {"A\r\n    " + std::string(100, 'e') + "\r\nB\r\n", false, 1,
         messageCall("Predugačko objašnjenje u liniji 2.")},
        {"A\r\n " + std::string(499, 'e') + "x\r\n", true, 1,
         messageCall("Nije očekivan tako dug izraz u liniji br.2", "ERROR")},
        // The capacity is checked before the length.
        {full + std::string(60, 'x') + "\r\n", false, MAX_WORDS,
         messageCall("Previše rijeci za rjecnik!", "STOP!", ICON_STOP)},
    };
    for (const auto& row : rows) {
        const Loaded loaded = loadWords(row.file);
        EXPECT_EQ(loaded.result, row.result) << row.message;
        EXPECT_EQ(loaded.entries.size(), row.entries) << row.message;
        EXPECT_EQ(loaded.messages, row.message.empty() ? std::vector<std::string>{}
                                                       : std::vector{row.message});
        if (row.entries == 1 && !row.result) {
            EXPECT_EQ(loaded.entries[0].second, "") << row.message;
        }
    }
}

} // namespace
} // namespace ordisan::test
