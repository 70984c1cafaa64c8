#include "knowledge/loaders.h"
#include "memory_file_access.h"
#include "recording_reporter.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <tuple>

namespace ordisan::test {
namespace {

struct Loaded {
    std::unique_ptr<KnowledgeBase> kb = std::make_unique<KnowledgeBase>();
    RecordingReporter reporter;
    bool result = false;
};

Loaded loadSyndromes(const MemoryFile& file)
{
    MemoryFileAccess files;
    files.setFile(SYNDROME_FILE_NAME, file);
    LineReader reader(files);
    Loaded loaded;
    loaded.result = loadSyndromeFile(*loaded.kb, reader, loaded.reporter);
    EXPECT_EQ(files.openStreams(), 0) << "the file is closed on every path";
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
    const Loaded loaded = loadSyndromes({cp1250(
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
        const Loaded loaded = loadSyndromes({file});
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
    EXPECT_EQ(loadSyndromes({file}).reporter.calls,
              (std::vector<std::string>{"progress|" + percent(taken[0]), "counts|5|4|4",
                                        "progress|" + percent(taken[1]), "counts|10|9|9",
                                        "progress|100", "counts|11|11|11"}));
    EXPECT_EQ(loadSyndromes({"// samo komentar\r\n   \r\n"}).reporter.calls,
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
        const Loaded loaded = loadSyndromes(file);
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
    const Loaded full = loadSyndromes({syndromeLines(MAX_SYNDROMES - 1) + bothFull + "\r\n  \r\n"});
    EXPECT_EQ(std::tuple(full.result, full.kb->syndromeCount, full.kb->linkCount),
              std::tuple(true, MAX_SYNDROMES, MAX_LINKS));
    // 255 bytes still fit a name and a text.
    const Loaded longest =
        loadSyndromes({std::string(255, 'n') + "\r\n O-T) " + std::string(255, 't')});
    EXPECT_TRUE(longest.result);
    EXPECT_EQ(std::strlen(longest.kb->symptoms[0].text), 255u);
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
        MemoryFileAccess access;
        access.setFile(SYNDROME_FILE_NAME, files[0]);
        access.setFile(DICTIONARY_FILE_NAME, files[1]);
        access.setFailAllocation(row.fails == nullptr);
        auto kb = std::make_unique<KnowledgeBase>();
        kb->syndromeCount = kb->wordCount = 7;
        RecordingReporter reporter;
        {
            LineReader reader(access);
            const bool loaded = loadSyndromeFile(*kb, reader, reporter);
            EXPECT_EQ(loaded, row.dictionary) << row.message;
            if (loaded) {
                reporter.calls.clear();
                EXPECT_FALSE(loadDictionaryFile(*kb, reader, reporter));
            }
        }
        const bool plain = row.dictionary && row.fails == &MemoryFile::failOpen; // its own caption
        EXPECT_EQ(reporter.calls,
                  std::vector<std::string>{messageCall(row.message, plain ? "GRESKA" : "GREŠKA")});
        EXPECT_EQ(row.dictionary ? kb->wordCount : kb->syndromeCount, 7);
        EXPECT_EQ(access.openStreams(), 0);
        EXPECT_EQ(access.heldBlocks(), 0);
    }
}

} // namespace
} // namespace ordisan::test
