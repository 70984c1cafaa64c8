// The two loaders on files served from memory: what they store, what they report,
// and how they stop; and the letter groups of the dictionary's terms.
#include "knowledge/dictionary_letters.h"
#include "knowledge/loaders.h"
#include "memory_file_access.h"
#include "recording_reporter.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <tuple>

namespace ordisan::test {
namespace {

struct Loaded {
    std::unique_ptr<KnowledgeBase> kb = std::make_unique<KnowledgeBase>();
    bool result = false;        // of the last file loaded
    RecordingReporter reporter; // the last file's calls
    int heldBlocks = 0;         // right after the load
};

// The syndrome file, then, if it loaded, the dictionary, through one reader as the
// program loads them. The counts start at 7, to show a failed open leaves them alone.
Loaded load(const MemoryFile& syndromes, const std::optional<MemoryFile>& words = {},
            bool failAllocation = false)
{
    MemoryFileAccess files;
    files.setFile(SYNDROME_FILE_NAME, syndromes);
    if (words)
        files.setFile(DICTIONARY_FILE_NAME, *words);
    files.setFailAllocation(failAllocation);
    Loaded loaded;
    loaded.kb->syndromeCount = loaded.kb->wordCount = 7;
    {
        LineReader reader(files);
        loaded.result = loadSyndromeFile(*loaded.kb, reader, loaded.reporter);
        if (words && loaded.result) {
            loaded.reporter.calls.clear();
            loaded.result = loadDictionaryFile(*loaded.kb, reader, loaded.reporter);
        }
        loaded.heldBlocks = files.heldBlocks();
    }
    EXPECT_EQ(files.openStreams(), 0) << "the file is closed on every path";
    EXPECT_EQ(files.heldBlocks(), 0);
    return loaded;
}

using Symptoms = std::vector<std::tuple<std::string, SexCode, LocationCode>>;
using Links = std::vector<std::pair<int, int>>; // symptom, syndrome

Symptoms symptomsOf(const KnowledgeBase& kb)
{
    Symptoms symptoms;
    for (int j = 0; j < kb.symptomCount; ++j)
        symptoms.emplace_back(kb.symptoms[j].text, kb.symptoms[j].sex, kb.symptoms[j].location);
    return symptoms;
}

Links linksOf(const KnowledgeBase& kb)
{
    Links links;
    for (int l = 0; l < kb.linkCount; ++l)
        links.emplace_back(kb.links[l].symptom, kb.links[l].syndrome);
    return links;
}

TEST(SyndromeLoader, BuildsSyndromesSymptomsAndLinks)
{
    const Loaded loaded = load({cp1250(
        "// Sindromi\r\n"
        "Akutni apendicitis \r\n"
        " O-T) bol u trbuhu\r\n"
        "\tTabom uvučen redak\r\n"      // a tab does not make a symptom line
        " Z-U)  dvije praznine\r\n"     // the second blank belongs to the text
        " O-O)ljepljeno\r\n"            // the byte after ')' is skipped untested
        " O-O)\r\n"                     // nothing behind the marker: empty text
        "    \r\n"
        "Šećerna bolest\r\n"
        "   O-T) bol u trbuhu\r\n"
        " z-o) čudno\r\n")});
    ASSERT_TRUE(loaded.result);
    const KnowledgeBase& kb = *loaded.kb;
    ASSERT_EQ(kb.syndromeCount, 3);
    EXPECT_STREQ(kb.syndromes[0].name, "Akutni apendicitis ");
    EXPECT_STREQ(kb.syndromes[1].name, cp1250("\tTabom uvučen redak").c_str());
    EXPECT_STREQ(kb.syndromes[2].name, cp1250("Šećerna bolest").c_str());
    EXPECT_EQ(symptomsOf(kb), (Symptoms{{"bol u trbuhu", SEX_BOTH, LOC_TRUNK},
                                        {" dvije praznine", SEX_FEMALE, LOC_LIMBS},
                                        {"jepljeno", SEX_BOTH, LOC_OTHER},
                                        {"", SEX_BOTH, LOC_OTHER},
                                        {"\xE8udno", SEX_FEMALE, LOC_OTHER}}));
    EXPECT_EQ(linksOf(kb), (Links{{0, 0}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {4, 2}}));
}

// Random files with many repeats against the plain search: every symptom line
// compared with every stored symptom, the first equal one taken (markers are
// case-blind; another sex or location is another symptom), capacities included.
TEST(SyndromeLoader, FindsTheFirstEqualSymptomAsTheLiteralSearchDoes)
{
    std::mt19937 random(1250);
    const auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(random); };
    for (int round = 0; round < 12; ++round) {
        // Few distinct texts early (many repeats), enough later to reach the capacities.
        const int texts = round < 6 ? 1 + upTo(40) : 900;
        std::string file;
        Symptoms symptoms;
        Links links;
        bool stopped = false;
        int syndromes = 0;
        for (int line = 0; line < 4000 && !stopped; ++line) {
            if (syndromes == 0 || upTo(7) == 0) {
                file += "S" + std::to_string(syndromes++) + "\r\n";
                continue;
            }
            const int sex = upTo(5);
            const int location = upTo(7);
            const std::string text = upTo(9) == 0 ? "" : "bol " + std::to_string(upTo(texts - 1));
            file += std::string(" ") + "MmZzOo"[sex] + "-" + "GgTtUuOo"[location] + ") " + text
                + "\r\n";
            const auto symptom = std::tuple(text, 1 + sex / 2, 1 + location / 2);
            const auto j = std::find(symptoms.begin(), symptoms.end(), symptom) - symptoms.begin();
            const bool isNew = j == static_cast<int>(symptoms.size());
            stopped = (isNew && j == MAX_SYMPTOMS) || links.size() == MAX_LINKS;
            if (!stopped && isNew)
                symptoms.push_back(symptom);
            if (!stopped)
                links.emplace_back(static_cast<int>(j), syndromes - 1);
        }
        const Loaded loaded = load({file});
        EXPECT_EQ(loaded.result, !stopped) << "round " << round;
        EXPECT_EQ(symptomsOf(*loaded.kb), symptoms) << "round " << round;
        EXPECT_EQ(linksOf(*loaded.kb), links) << "round " << round;
    }
}

TEST(SyndromeLoader, ReportsProgressAfterEveryFifthSyndromeAndAtTheEnd)
{
    std::string file;
    std::vector<std::size_t> taken; // bytes up to the CR of syndrome lines 5 and 10
    for (int i = 1; i <= 11; ++i) {
        file += "Sindrom " + std::to_string(i);
        if (i % 5 == 0)
            taken.push_back(file.size() + 1);
        file += "\r\n O-T) simptom " + std::to_string(i) + "\r\n";
    }
    const auto percent = [&](std::size_t n) { return std::to_string(n * 100 / file.size()); };
    EXPECT_EQ(load({file}).reporter.calls,
              (std::vector<std::string>{"progress|" + percent(taken[0]), "counts|5|4|4",
                                        "progress|" + percent(taken[1]), "counts|10|9|9",
                                        "progress|100", "counts|11|11|11"}));
    EXPECT_EQ(load({"// samo komentar\r\n   \r\n"}).reporter.calls,
              (std::vector<std::string>{"progress|100", "counts|0|0|0"}));
}

std::string symptomLines(int first, int count)
{
    std::string lines;
    for (int j = first; j < first + count; ++j)
        lines += " O-O) s" + std::to_string(j) + "\r\n";
    return lines;
}

std::string syndromeLines(int count, const std::string& symptoms = "")
{
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += "S" + std::to_string(i) + "\r\n" + symptoms;
    return lines;
}

// A refused line stops the load; what came before it stays, and no final counts follow.
// A line too long for the reader, or a read error, only ends the file: the load
// succeeds on what came before, with its final counts.
TEST(SyndromeLoader, StopsOnABadLineWithItsMessageAndKeepsWhatCameBefore)
{
    std::string numbered = "S\r\n";
    for (int j = 0; j < 200; ++j)
        numbered += " O-T) simptom " + std::to_string(j) + "\r\n";
    const std::string fullSymptoms = "S\r\n" + symptomLines(0, MAX_SYMPTOMS);
    const std::string bothFull = fullSymptoms + symptomLines(0, MAX_LINKS - MAX_SYMPTOMS);
    const struct {
        std::string file;
        std::string message;
        int syndromes, symptoms, links;
        std::int64_t readErrorAt = -1;
    } rows[] = {
        {"S\r\n O-T) a\r\n O-T) " + std::string(496, 'x') + "\r\nT\r\n O-T) b\r\n",
         "Nije očekivan tako dug izraz u liniji br.3", 1, 1, 1},
        // 3 + 10 × 17 + 73 × 18 bytes whole before the read error, line 85 cut.
        {numbered, "Greška pri čitanju datoteke u liniji br. 85", 1, 83, 83, 1500},
        {syndromeLines(6, " O-G) x\r\n") + " K-G) k\r\n", "Definiran nepoznati spol u liniji 13.",
         6, 1, 6},
        {"S\r\n O-O) a\r\n (M-G) b\r\n", "Definiran nepoznati spol u liniji 3.", 1, 1, 1},
        {"S\r\n O-O) a\r\n M+G) b\r\n", "Očekivana '-' u liniji 3.", 1, 1, 1},
        {"S\r O-O) a\r M-X) b\r", "Definirana nepoznata lokacija u liniji 3.", 1, 1, 1},
        {"S\n O-O) a\n M-G] b\n", "Očekivana ')' u liniji 3.", 1, 1, 1},
        {"S\r\n O-O) a\r\n M-\r\n", "Definirana nepoznata lokacija u liniji 3.", 1, 1, 1},
        {"S\r\n O-O) a\r\n M-G\r\n", "Očekivana ')' u liniji 3.", 1, 1, 1},
        // The marker is checked before the length, the length before the syndrome.
        {"S\r\n Q-G) " + std::string(300, 't') + "\r\n", "Definiran nepoznati spol u liniji 2.", 1,
         0, 0},
        {"\r\n O-T) " + std::string(256, 't') + "\r\n", "Predugačak opis simptoma u liniji 2.", 0,
         0, 0},
        {" O-T) bez sindroma\r\n", "Simptom bez sindroma u liniji 1.", 0, 0, 0},
        {"S\r\n" + std::string(256, 'n') + "\r\n", "Predugačak naziv sindroma u liniji 2.", 1, 0,
         0},
        // Capacities: checked before the length; the symptom capacity only for a new
        // symptom (the repeat is still linked), and before the link capacity.
        {syndromeLines(MAX_SYNDROMES) + std::string(300, 'x') + "\r\n", "Previše sindroma!",
         MAX_SYNDROMES, 0, 0},
        {fullSymptoms + symptomLines(7, 1) + symptomLines(MAX_SYMPTOMS, 1), "Previše simptoma!", 1,
         MAX_SYMPTOMS, MAX_SYMPTOMS + 1},
        {syndromeLines(10, symptomLines(0, 300)) + symptomLines(300, 1), "Previše veza!", 10, 300,
         MAX_LINKS},
        {bothFull + symptomLines(MAX_SYMPTOMS, 1), "Previše simptoma!", 1, MAX_SYMPTOMS, MAX_LINKS},
        {bothFull + symptomLines(1, 1), "Previše veza!", 1, MAX_SYMPTOMS, MAX_LINKS},
    };
    for (const auto& row : rows) {
        MemoryFile file{row.file};
        file.readErrorAt = row.readErrorAt;
        const Loaded loaded = load(file);
        const std::string& m = row.message;
        const bool endsFile = m.starts_with("Nije") || m.starts_with("Gre");
        const bool stop = m.starts_with("Previ");
        EXPECT_EQ(loaded.result, endsFile) << m;
        EXPECT_EQ(loaded.reporter.messages(),
                  std::vector{messageCall(
                      m, stop ? "STOP!" : m.starts_with("Nije") ? "ERROR" : "GREŠKA",
                      stop ? ICON_STOP : ICON_NONE)});
        EXPECT_EQ(loaded.reporter.calls.back().starts_with("counts"), endsFile) << m;
        const KnowledgeBase& kb = *loaded.kb;
        EXPECT_EQ(std::tuple(kb.syndromeCount, kb.symptomCount, kb.linkCount),
                  std::tuple(row.syndromes, row.symptoms, row.links)) << m;
    }
    // The full capacities themselves load, and blank lines after them are no records.
    const Loaded full = load({syndromeLines(MAX_SYNDROMES - 1) + bothFull + "\r\n  \r\n"});
    EXPECT_EQ(std::tuple(full.result, full.kb->syndromeCount, full.kb->linkCount),
              std::tuple(true, MAX_SYNDROMES, MAX_LINKS));
    // 255 bytes still fit a name and a text.
    const Loaded longest = load({std::string(255, 'n') + "\r\n O-T) " + std::string(255, 't')});
    EXPECT_TRUE(longest.result);
    EXPECT_EQ(std::strlen(longest.kb->symptoms[0].text), 255u);
}

// A dictionary after a one-line syndrome file.
Loaded loadWords(const std::string& bytes)
{
    return load({"S\r\n O-T) x"}, MemoryFile{bytes});
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
    EXPECT_EQ(loaded.heldBlocks, 0) << "the chunk is released at the end";
    std::string entries; // as "term|explanation" lines
    for (int w = 0; w < loaded.kb->wordCount; ++w)
        entries += loaded.kb->words[w].term + std::string("|") + loaded.kb->words[w].explanation
            + "\n";
    EXPECT_EQ(entries,
              cp1250("Anemija |smanjen broj crvenih krvnih stanica \nBez objašnjenja|\n"
                     "Prvi pojam|\nDrugi pojam|objašnjenje drugoga\nDoktor|ab\nZadnji|\n"));
}

TEST(DictionaryLoader, LimitsAndCapacity)
{
    std::string full;
    for (int i = 0; i < MAX_WORDS; ++i)
        full += "P" + std::to_string(i) + "\r\n o\r\n";
    const struct {
        std::string file;
        bool result;
        int entries;
        std::string message; // empty: none
    } rows[] = {
        {std::string(49, 't') + "\r\n " + std::string(99, 'e') + "\r\n", true, 1, ""},
        {full + "\r\n", true, MAX_WORDS, ""},
        {"A\r\n" + std::string(50, 't') + "\r\n x\r\n", false, 1,
         messageCall("Predugačak pojam u liniji 2.")},
        // The entry before a refused explanation stays, unexplained.
        {"A\r\n    " + std::string(100, 'e') + "\r\nB\r\n", false, 1,
         messageCall("Predugačko objašnjenje u liniji 2.")},
        // The capacity is checked before the length.
        {full + std::string(60, 'x') + "\r\n", false, MAX_WORDS,
         messageCall("Previše rijeci za rjecnik!", "STOP!", ICON_STOP)},
    };
    for (const auto& row : rows) {
        const Loaded loaded = loadWords(row.file);
        EXPECT_EQ(loaded.result, row.result) << row.message;
        EXPECT_EQ(loaded.kb->wordCount, row.entries) << row.message;
        EXPECT_EQ(loaded.reporter.messages(), row.message.empty() ? std::vector<std::string>{}
                                                       : std::vector{row.message});
        if (row.entries == 1 && !row.result) {
            EXPECT_STREQ(loaded.kb->words[0].explanation, "") << row.message;
        }
    }
}

// The letter group that shows a term, by its first byte: the edges of both ASCII
// ranges, every Croatian letter in both cases, and the bytes beside the ranges.
TEST(DictionaryLetters, GroupASmallLetterWithItsCapitalAndNoOtherByte)
{
    const std::pair<const char*, const char*> rows[] = { // first letter, group ("": none)
        {"a", "A"}, {"A", "A"}, {"z", "Z"}, {"Z", "Z"}, {"č", "Č"}, {"Č", "Č"}, {"ć", "Ć"},
        {"Ć", "Ć"}, {"đ", "Đ"}, {"Đ", "Đ"}, {"š", "Š"}, {"Š", "Š"}, {"ž", "Ž"}, {"Ž", "Ž"},
        {"@", ""}, {"[", ""}, {"`", ""}, {"{", ""}};
    for (const auto& [first, group] : rows) {
        const int index = dictionaryLetterIndex(static_cast<unsigned char>(cp1250(first)[0]));
        const std::string shown = index < 0 ? "" : std::string(1, static_cast<char>(
                                      dictionaryLetters()[static_cast<std::size_t>(index)]));
        EXPECT_EQ(shown, cp1250(group)) << first;
    }
}

// Open, size and chunk failures of both files: one message, the record untouched (not
// even reset), the file closed; the dictionary is only read after the syndrome file.
TEST(Loaders, FileFailuresLeaveTheRecordUntouchedAndCloseTheFile)
{
    const struct {
        bool dictionary;
        bool MemoryFile::*fails; // null: the chunk's allocation fails
        std::string message;
    } rows[] = {
        {false, &MemoryFile::failOpen, "Ne mogu otvoriti datoteku podaci.cxt"},
        {false, &MemoryFile::failSeekEnd, "Ne mogu se pozicionirati na kraj datoteke podaci.cxt"},
        {false, &MemoryFile::failTell, "Ne mogu se pozicionirati na kraj datoteke podaci.cxt"},
        {false, &MemoryFile::failSeekStart,
         "Ne mogu se pozicionirati na početak datoteke podaci.cxt"},
        {false, nullptr, "Ne mogu alocirati buffer!"},
        {true, &MemoryFile::failOpen, "Ne mogu otvoriti datoteku rjecnik.cxt"},
        {true, &MemoryFile::failTell, "Ne mogu se pozicionirati na kraj datoteke rjecnik.cxt"},
        {true, &MemoryFile::failSeekStart,
         "Ne mogu se pozicionirati na početak datoteke rjecnik.cxt"},
    };
    for (const auto& row : rows) {
        MemoryFile files[2] = {MemoryFile{"S\r\n O-T) x\r\n"}, MemoryFile{"A\r\n b\r\n"}};
        if (row.fails)
            files[row.dictionary].*row.fails = true;
        const Loaded loaded = load(files[0], files[1], row.fails == nullptr);
        const bool plain = row.dictionary && row.fails == &MemoryFile::failOpen; // its own caption
        EXPECT_FALSE(loaded.result);
        EXPECT_EQ(loaded.reporter.calls,
                  std::vector{messageCall(row.message, plain ? "GRESKA" : "GREŠKA")});
        EXPECT_EQ(row.dictionary ? loaded.kb->wordCount : loaded.kb->syndromeCount, 7);
    }
}

} // namespace
} // namespace ordisan::test
