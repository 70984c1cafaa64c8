#include "knowledge/loaders.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ordisan::test {
namespace {

struct Loaded {
    std::unique_ptr<KnowledgeBase> kb = emptyKnowledgeBase();
    RecordingReporter reporter;
    bool result = false;
    int releases = 0;
};

// Loads rjecnik.cxt with a reader that already holds its chunk, as after the
// syndrome file.
Loaded loadWords(const std::string& bytes)
{
    TempFolder folder;
    folder.write("rjecnik.cxt", bytes);
    FaultyFileAccess files(folder.path().string());
    LineReader reader(files);
    EXPECT_TRUE(reader.allocateChunk());
    Loaded loaded;
    loaded.result = loadDictionaryFile(*loaded.kb, reader, loaded.reporter);
    loaded.releases = files.releases;
    EXPECT_EQ(files.opens, files.closes);
    return loaded;
}

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries entriesOf(const KnowledgeBase& kb)
{
    Entries entries;
    for (int w = 0; w < kb.wordCount; ++w)
        entries.emplace_back(kb.words[w].term, kb.words[w].explanation);
    return entries;
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
    const Entries expected = {
        {"Anemija ", "smanjen broj crvenih krvnih stanica "},
        {"Bez objašnjenja", ""},
        {"Prvi pojam", ""},
        {"Drugi pojam", "objašnjenje drugoga"},
        {"Doktor", "ab"},
        {"Zadnji", ""},
    };
    Entries expectedBytes;
    for (const auto& [t, e] : expected)
        expectedBytes.emplace_back(cp1250(t), cp1250(e));
    EXPECT_EQ(entriesOf(*loaded.kb), expectedBytes);
    EXPECT_EQ(loaded.reporter.calls.size(), 4u);
    EXPECT_EQ(loaded.reporter.calls[1], "words|5");
    EXPECT_EQ(loaded.reporter.calls[2], "progress|0");
    EXPECT_EQ(loaded.reporter.calls[3], "words|6");
    EXPECT_EQ(loaded.releases, 1) << "the chunk is released at the end";
}

TEST(DictionaryLoader, ProgressAfterEveryFifthEntryCountsTermsAfterTerms)
{
    std::string file;
    for (int i = 0; i < 10; ++i)
        file += "Pojam" + std::to_string(i) + "\n"; // no explanations at all
    const Loaded loaded = loadWords(file);
    ASSERT_TRUE(loaded.result);
    const std::vector<std::string> calls = {"progress|" + std::to_string(7 * 5 * 100 / 70),
                                            "words|5", "progress|100", "words|10", "progress|0",
                                            "words|10"};
    EXPECT_EQ(loaded.reporter.calls, calls);
}

TEST(DictionaryLoader, EmptyFile)
{
    const Loaded loaded = loadWords("");
    EXPECT_TRUE(loaded.result);
    EXPECT_EQ(loaded.reporter.calls, (std::vector<std::string>{"progress|0", "words|0"}));
}

TEST(DictionaryLoader, LengthLimits)
{
    const std::string term49(49, 't');
    const std::string explanation99(99, 'e');
    Loaded loaded = loadWords(term49 + "\r\n " + explanation99 + "\r\n");
    ASSERT_TRUE(loaded.result);
    EXPECT_EQ(entriesOf(*loaded.kb), (Entries{{term49, explanation99}}));

    loaded = loadWords("A\r\n" + std::string(50, 't') + "\r\n x\r\n");
    EXPECT_FALSE(loaded.result);
    EXPECT_EQ(loaded.reporter.calls, std::vector<std::string>{messageCall("Predugačak pojam u liniji 2.")});
    EXPECT_EQ(loaded.kb->wordCount, 1);

    loaded = loadWords("A\r\n    " + std::string(100, 'e') + "\r\nB\r\n");
    EXPECT_FALSE(loaded.result);
    EXPECT_EQ(loaded.reporter.calls,
              std::vector<std::string>{messageCall("Predugačko objašnjenje u liniji 2.")});
    EXPECT_EQ(entriesOf(*loaded.kb), (Entries{{"A", ""}})) << "the entry stays, unexplained";

    loaded = loadWords("A\r\n " + std::string(499, 'e') + "x\r\n");
    EXPECT_TRUE(loaded.result) << "a line too long for the reader ends the file";
    EXPECT_EQ(loaded.reporter.calls.front(), messageCall("Nije očekivan tako dug izraz u liniji br.2", "ERROR"));
}

TEST(DictionaryLoader, WordCapacity)
{
    std::string file;
    for (int i = 0; i < MAX_WORDS; ++i)
        file += "P" + std::to_string(i) + "\r\n o\r\n";
    Loaded loaded = loadWords(file + "\r\n");
    EXPECT_TRUE(loaded.result);
    EXPECT_EQ(loaded.kb->wordCount, MAX_WORDS);

    // The capacity is checked before the length.
    loaded = loadWords(file + std::string(60, 'x') + "\r\n");
    EXPECT_FALSE(loaded.result);
    EXPECT_EQ(loaded.reporter.messages(),
              std::vector<std::string>{messageCall("Previše rijeci za rjecnik!", "STOP!", ICON_STOP)});
    EXPECT_EQ(loaded.kb->wordCount, MAX_WORDS);
    EXPECT_STREQ(loaded.kb->words[MAX_WORDS - 1].explanation, "o");
}

TEST(DictionaryLoader, FileFailures)
{
    TempFolder folder;
    folder.write("rjecnik.cxt", "A\r\n b\r\n");
    const struct {
        void (*arrange)(FaultyFileAccess&);
        std::string message;
    } cases[] = {
        {[](FaultyFileAccess& f) { f.failOpen = true; },
         messageCall("Ne mogu otvoriti datoteku rjecnik.cxt", "GRESKA")},
        {[](FaultyFileAccess& f) { f.failSeekEnd = true; },
         messageCall("Ne mogu se pozicionirati na kraj datoteke rjecnik.cxt")},
        {[](FaultyFileAccess& f) { f.tellFails = true; },
         messageCall("Ne mogu se pozicionirati na kraj datoteke rjecnik.cxt")},
        {[](FaultyFileAccess& f) { f.failSeekStart = true; },
         messageCall("Ne mogu se pozicionirati na početak datoteke rjecnik.cxt")},
    };
    for (const auto& c : cases) {
        FaultyFileAccess files(folder.path().string());
        c.arrange(files);
        auto kb = emptyKnowledgeBase();
        kb->wordCount = 3;
        RecordingReporter reporter;
        LineReader reader(files);
        ASSERT_TRUE(reader.allocateChunk());
        EXPECT_FALSE(loadDictionaryFile(*kb, reader, reporter));
        EXPECT_EQ(reporter.calls, std::vector<std::string>{c.message});
        EXPECT_EQ(kb->wordCount, 3);
        EXPECT_EQ(files.opens, files.closes);
    }
}

TEST(DictionaryLoader, RunsAfterTheSyndromeFileOnTheSameReader)
{
    TempFolder folder;
    folder.write("podaci.cxt", "S\r\n O-T) x");
    folder.write("rjecnik.cxt", "A\r\n b");
    FaultyFileAccess files(folder.path().string());
    auto kb = emptyKnowledgeBase();
    RecordingReporter reporter;
    const LoadResult result = loadBoth(*kb, files, reporter);
    EXPECT_TRUE(result.syndromeFile);
    EXPECT_TRUE(result.dictionaryFile);
    EXPECT_EQ(files.allocations, 1);
    EXPECT_EQ(files.releases, 1);
    EXPECT_EQ(reporter.calls,
              (std::vector<std::string>{"progress|100", "counts|1|1|1", "progress|0", "words|1"}));
    EXPECT_STREQ(kb->symptoms[0].text, "x") << "the last line without a line break counts";
    EXPECT_STREQ(kb->words[0].explanation, "b");
}

} // namespace
} // namespace ordisan::test
