#include "knowledge/loaders.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <tuple>

namespace ordisan::test {
namespace {

struct Loaded {
    std::unique_ptr<KnowledgeBase> kb = emptyKnowledgeBase();
    RecordingReporter reporter;
    bool result = false;
};

Loaded loadSyndromes(const std::string& bytes)
{
    TempFolder folder;
    folder.write("podaci.cxt", bytes);
    FileAccess files(folder.path().string());
    LineReader reader(files);
    Loaded loaded;
    loaded.result = loadSyndromeFile(*loaded.kb, reader, loaded.reporter);
    return loaded;
}

std::vector<std::pair<int, int>> linksOf(const KnowledgeBase& kb)
{
    std::vector<std::pair<int, int>> links;
    for (int l = 0; l < kb.linkCount; ++l)
        links.emplace_back(kb.links[l].symptom, kb.links[l].syndrome);
    return links;
}

TEST(SyndromeLoader, BuildsSyndromesSymptomsAndLinks)
{
    const Loaded loaded = loadSyndromes(cp1250(
        "// Sindromi\r\n"
        "Akutni apendicitis \r\n"
        " O-T) bol u trbuhu\r\n"
        " o-t) bol u trbuhu\r\n"        // same symptom: letters are case-blind
        " M-G) glavobolja\r\n"
        " O-G) glavobolja\r\n"          // another sex: another symptom
        " O-T) glavobolja\r\n"          // another location: another symptom
        "\tTabom uvučen redak\r\n"      // a tab does not make a symptom line
        " Z-U)  dvije praznine\r\n"     // the second blank belongs to the text
        " O-O)ljepljeno\r\n"            // the byte after ')' is skipped untested
        " O-O)\r\n"                     // nothing behind the marker: empty text
        "    \r\n"
        "Šećerna bolest\r\n"
        "   O-T) bol u trbuhu\r\n"
        " z-o) čudno\r\n"));
    ASSERT_TRUE(loaded.result) << loaded.reporter.calls.front();
    const KnowledgeBase& kb = *loaded.kb;
    ASSERT_EQ(kb.syndromeCount, 3);
    EXPECT_STREQ(kb.syndromes[0].name, "Akutni apendicitis ");
    EXPECT_STREQ(kb.syndromes[1].name, cp1250("\tTabom uvučen redak").c_str());
    EXPECT_STREQ(kb.syndromes[2].name, cp1250("Šećerna bolest").c_str());

    ASSERT_EQ(kb.symptomCount, 8);
    const struct {
        const char* text;
        SexCode sex;
        LocationCode location;
    } expected[] = {
        {"bol u trbuhu", SEX_BOTH, LOC_TRUNK}, {"glavobolja", SEX_MALE, LOC_HEAD},
        {"glavobolja", SEX_BOTH, LOC_HEAD},    {"glavobolja", SEX_BOTH, LOC_TRUNK},
        {" dvije praznine", SEX_FEMALE, LOC_LIMBS}, {"jepljeno", SEX_BOTH, LOC_OTHER},
        {"", SEX_BOTH, LOC_OTHER},             {"\xE8udno", SEX_FEMALE, LOC_OTHER},
    };
    for (int j = 0; j < 8; ++j) {
        EXPECT_STREQ(kb.symptoms[j].text, expected[j].text) << j;
        EXPECT_EQ(kb.symptoms[j].sex, expected[j].sex) << j;
        EXPECT_EQ(kb.symptoms[j].location, expected[j].location) << j;
        EXPECT_EQ(kb.symptoms[j].answer, 0);
        EXPECT_EQ(kb.symptoms[j].weight, 0.0f);
    }
    const std::vector<std::pair<int, int>> links = {{0, 0}, {0, 0}, {1, 0}, {2, 0}, {3, 0},
                                                    {4, 1}, {5, 1}, {6, 1}, {0, 2}, {7, 2}};
    EXPECT_EQ(linksOf(kb), links);
}

// What the loader must store for a file of symptom lines, worked out the plain way:
// each line compared with every stored symptom, the first equal one taken.
struct LiteralLoad {
    std::vector<std::tuple<std::string, SexCode, LocationCode>> symptoms;
    std::vector<std::pair<int, int>> links;
    bool stopped = false;
};

void literalSymptomLine(LiteralLoad& load, const std::string& text, SexCode sex,
                        LocationCode location, int syndrome)
{
    int j = 0;
    while (j < static_cast<int>(load.symptoms.size())
           && load.symptoms[static_cast<std::size_t>(j)] != std::tuple(text, sex, location))
        ++j;
    const bool isNew = j == static_cast<int>(load.symptoms.size());
    if ((isNew && j == MAX_SYMPTOMS) || load.links.size() == static_cast<std::size_t>(MAX_LINKS)) {
        load.stopped = true;
        return;
    }
    if (isNew)
        load.symptoms.emplace_back(text, sex, location);
    load.links.emplace_back(j, syndrome);
}

TEST(SyndromeLoader, FindsTheFirstEqualSymptomAsTheLiteralSearchDoes)
{
    std::mt19937 random(1250);
    const auto upTo = [&](int n) { return std::uniform_int_distribution<int>(0, n)(random); };
    for (int round = 0; round < 12; ++round) {
        // Few distinct texts in early rounds (many repeats), enough in later ones to
        // reach the capacities; letters of either case; texts that share prefixes.
        const int texts = round < 6 ? 1 + upTo(40) : 900;
        std::string file;
        LiteralLoad expected;
        int syndromes = 0;
        for (int line = 0; line < 4000 && !expected.stopped; ++line) {
            if (syndromes == 0 || upTo(7) == 0) {
                file += "S" + std::to_string(syndromes++) + "\r\n";
                continue;
            }
            const int sexIndex = upTo(5);
            const int locationIndex = upTo(7);
            const std::string text = upTo(9) == 0 ? "" : "bol " + std::to_string(upTo(texts - 1));
            file += std::string(" ") + "MmZzOo"[sexIndex] + "-" + "GgTtUuOo"[locationIndex] + ") "
                + text + "\r\n";
            literalSymptomLine(expected, text, 1 + sexIndex / 2, 1 + locationIndex / 2,
                               syndromes - 1);
        }
        const Loaded loaded = loadSyndromes(file);
        EXPECT_EQ(loaded.result, !expected.stopped) << "round " << round;
        const KnowledgeBase& kb = *loaded.kb;
        ASSERT_EQ(kb.symptomCount, static_cast<int>(expected.symptoms.size())) << "round " << round;
        for (int j = 0; j < kb.symptomCount; ++j)
            ASSERT_EQ(std::tuple(std::string(kb.symptoms[j].text), kb.symptoms[j].sex,
                                 kb.symptoms[j].location),
                      expected.symptoms[static_cast<std::size_t>(j)])
                << "round " << round << ", symptom " << j;
        EXPECT_EQ(linksOf(kb), expected.links) << "round " << round;
    }
}

TEST(SyndromeLoader, TextsThatDifferOnlyAfterANulAreOneSymptom)
{
    const Loaded loaded = loadSyndromes(std::string("S\r\n O-T) isto\0a\r\n O-T) isto\0b\r\n", 29));
    ASSERT_TRUE(loaded.result);
    EXPECT_EQ(loaded.kb->symptomCount, 1);
    EXPECT_EQ(loaded.kb->linkCount, 2);
}

TEST(SyndromeLoader, EmptyOrCommentOnlyFileLoadsNothing)
{
    for (const std::string bytes : {"", "// samo komentar\r\n\r\n   \r\n"}) {
        const Loaded loaded = loadSyndromes(bytes);
        EXPECT_TRUE(loaded.result);
        const std::vector<std::string> calls = {"progress|100", "counts|0|0|0"};
        EXPECT_EQ(loaded.reporter.calls, calls);
    }
}

TEST(SyndromeLoader, ReportsProgressAfterEveryFifthSyndromeAndAtTheEnd)
{
    std::string file;
    for (int i = 1; i <= 11; ++i)
        file += "Sindrom " + std::to_string(i) + "\r\n O-T) simptom " + std::to_string(i) + "\r\n";
    const Loaded loaded = loadSyndromes(file);
    ASSERT_TRUE(loaded.result);
    // Reported right after the fifth and the tenth syndrome line, before their symptoms.
    const auto percentAfter = [&](int syndromes) {
        std::size_t bytes = 0;
        for (int i = 1; i < syndromes; ++i)
            bytes += ("Sindrom " + std::to_string(i) + "\r\n O-T) simptom " + std::to_string(i)
                      + "\r\n").size();
        bytes += ("Sindrom " + std::to_string(syndromes) + "\r").size();
        return std::to_string(bytes * 100 / file.size());
    };
    const std::vector<std::string> calls = {"progress|" + percentAfter(5), "counts|5|4|4",
                                            "progress|" + percentAfter(10), "counts|10|9|9",
                                            "progress|100", "counts|11|11|11"};
    EXPECT_EQ(loaded.reporter.calls, calls);
}

TEST(SyndromeLoader, MarkerErrorsNameTheirLine)
{
    const struct {
        std::string line;
        const char* text;
    } cases[] = {
        {" (M-G) glavobolja", "Definiran nepoznati spol u liniji 3."},
        {" X-G) glavobolja", "Definiran nepoznati spol u liniji 3."},
        {" M+G) glavobolja", "Očekivana '-' u liniji 3."},
        {" M-X) glavobolja", "Definirana nepoznata lokacija u liniji 3."},
        {" M-G] glavobolja", "Očekivana ')' u liniji 3."},
        {" M-", "Definirana nepoznata lokacija u liniji 3."},
        {" M-G", "Očekivana ')' u liniji 3."},
        // The marker is checked before the length of the text.
        {" Q-G) " + std::string(300, 't'), "Definiran nepoznati spol u liniji 3."},
    };
    for (const auto& c : cases) {
        for (const std::string brk : {"\r\n", "\r", "\n"}) {
            const Loaded loaded = loadSyndromes("Sindrom" + brk + " O-O) prvi" + brk + c.line + brk
                                                + " O-O) poslije" + brk);
            EXPECT_FALSE(loaded.result);
            const std::vector<std::string> calls = {messageCall(c.text)};
            EXPECT_EQ(loaded.reporter.calls, calls) << c.line;
            EXPECT_EQ(loaded.kb->linkCount, 1) << "what came before stays";
        }
    }
}

TEST(SyndromeLoader, LengthAndOrphanErrors)
{
    Loaded loaded = loadSyndromes(" O-T) bez sindroma\r\n");
    EXPECT_FALSE(loaded.result);
    EXPECT_EQ(loaded.reporter.calls, std::vector<std::string>{messageCall("Simptom bez sindroma u liniji 1.")});
    EXPECT_EQ(loaded.kb->symptomCount, 0);
    EXPECT_EQ(loaded.kb->linkCount, 0);

    const std::string name255(255, 'n');
    loaded = loadSyndromes(name255 + "\r\n O-T) " + std::string(255, 't') + "\r\n");
    EXPECT_TRUE(loaded.result);
    EXPECT_EQ(std::strlen(loaded.kb->syndromes[0].name), 255u);
    EXPECT_EQ(std::strlen(loaded.kb->symptoms[0].text), 255u);

    loaded = loadSyndromes("S\r\n" + std::string(256, 'n') + "\r\n");
    EXPECT_FALSE(loaded.result);
    EXPECT_EQ(loaded.reporter.calls,
              std::vector<std::string>{messageCall("Predugačak naziv sindroma u liniji 2.")});
    EXPECT_EQ(loaded.kb->syndromeCount, 1);

    // The text's length is checked before the missing syndrome.
    loaded = loadSyndromes("\r\n O-T) " + std::string(256, 't') + "\r\n");
    EXPECT_FALSE(loaded.result);
    EXPECT_EQ(loaded.reporter.calls,
              std::vector<std::string>{messageCall("Predugačak opis simptoma u liniji 2.")});
}

TEST(SyndromeLoader, LineTooLongForTheReaderEndsTheFileWithoutFailing)
{
    const Loaded loaded = loadSyndromes("S\r\n O-T) a\r\n O-T) " + std::string(496, 'x')
                                        + "\r\nT\r\n O-T) b\r\n");
    EXPECT_TRUE(loaded.result);
    const std::vector<std::string> calls = {
        messageCall("Nije očekivan tako dug izraz u liniji br.3", "ERROR"), "progress|100",
        "counts|1|1|1"};
    EXPECT_EQ(loaded.reporter.calls, calls);
}

TEST(SyndromeLoader, SyndromeCapacity)
{
    std::string file;
    for (int i = 0; i < MAX_SYNDROMES; ++i)
        file += "S" + std::to_string(i) + "\r\n";
    Loaded loaded = loadSyndromes(file + "\r\n   \r\n");
    EXPECT_TRUE(loaded.result) << "blank lines after the last syndrome are no syndromes";
    EXPECT_EQ(loaded.kb->syndromeCount, MAX_SYNDROMES);

    // The capacity is checked before the length.
    loaded = loadSyndromes(file + std::string(300, 'x') + "\r\n");
    EXPECT_FALSE(loaded.result);
    EXPECT_EQ(loaded.reporter.messages(),
              std::vector<std::string>{messageCall("Previše sindroma!", "STOP!", ICON_STOP)});
    EXPECT_EQ(loaded.kb->syndromeCount, MAX_SYNDROMES);
}

std::string symptomLines(int first, int count)
{
    std::string lines;
    for (int j = first; j < first + count; ++j)
        lines += " O-O) s" + std::to_string(j) + "\r\n";
    return lines;
}

TEST(SyndromeLoader, SymptomCapacityAppliesOnlyToNewSymptoms)
{
    const std::string full = "S\r\n" + symptomLines(0, MAX_SYMPTOMS);
    Loaded loaded = loadSyndromes(full + symptomLines(7, 1) + symptomLines(MAX_SYMPTOMS, 1));
    EXPECT_FALSE(loaded.result);
    EXPECT_EQ(loaded.reporter.messages(),
              std::vector<std::string>{messageCall("Previše simptoma!", "STOP!", ICON_STOP)});
    EXPECT_EQ(loaded.kb->symptomCount, MAX_SYMPTOMS);
    EXPECT_EQ(loaded.kb->linkCount, MAX_SYMPTOMS + 1) << "the repeat was still linked";
    EXPECT_EQ(loaded.kb->links[MAX_SYMPTOMS].symptom, 7);
}

TEST(SyndromeLoader, LinkCapacityLeavesNoSymptomWithoutALink)
{
    std::string file;
    for (int i = 0; i < 10; ++i)
        file += "S" + std::to_string(i) + "\r\n" + symptomLines(0, 300);
    Loaded loaded = loadSyndromes(file + symptomLines(300, 1));
    EXPECT_FALSE(loaded.result);
    EXPECT_EQ(loaded.reporter.messages(),
              std::vector<std::string>{messageCall("Previše veza!", "STOP!", ICON_STOP)});
    EXPECT_EQ(loaded.kb->linkCount, MAX_LINKS);
    EXPECT_EQ(loaded.kb->symptomCount, 300);

    // Both tables full: a new symptom meets the symptom capacity first.
    file = "S\r\n" + symptomLines(0, MAX_SYMPTOMS) + symptomLines(0, MAX_LINKS - MAX_SYMPTOMS);
    loaded = loadSyndromes(file + symptomLines(MAX_SYMPTOMS, 1));
    EXPECT_EQ(loaded.reporter.messages(),
              std::vector<std::string>{messageCall("Previše simptoma!", "STOP!", ICON_STOP)});
    loaded = loadSyndromes(file + symptomLines(1, 1));
    EXPECT_EQ(loaded.reporter.messages(),
              std::vector<std::string>{messageCall("Previše veza!", "STOP!", ICON_STOP)});
    EXPECT_EQ(loaded.kb->symptomCount, MAX_SYMPTOMS);
}

TEST(SyndromeLoader, ErrorAtTheSixthSyndromeKeepsEverythingLoaded)
{
    std::string file;
    for (int i = 1; i <= 6; ++i)
        file += "S" + std::to_string(i) + "\r\n O-G) x" + std::to_string(i) + "\r\n";
    const Loaded loaded = loadSyndromes(file + " K-G) kriva\r\n");
    EXPECT_FALSE(loaded.result);
    EXPECT_EQ(loaded.kb->syndromeCount, 6);
    EXPECT_EQ(loaded.kb->symptomCount, 6);
    const std::vector<std::string> tail(loaded.reporter.calls.end() - 2, loaded.reporter.calls.end());
    const std::vector<std::string> expected = {"counts|5|4|4",
                                               messageCall("Definiran nepoznati spol u liniji 13.")};
    EXPECT_EQ(tail, expected) << "no final counts on failure";
}

TEST(SyndromeLoader, FileFailuresLeaveTheRecordUntouchedAndCloseTheFile)
{
    TempFolder folder;
    folder.write("podaci.cxt", "S\r\n O-T) x\r\n");
    const struct {
        void (*arrange)(FaultyFileAccess&);
        const char* text;
    } cases[] = {
        {[](FaultyFileAccess& f) { f.failOpen = true; }, "Ne mogu otvoriti datoteku podaci.cxt"},
        {[](FaultyFileAccess& f) { f.failSeekEnd = true; },
         "Ne mogu se pozicionirati na kraj datoteke podaci.cxt"},
        {[](FaultyFileAccess& f) { f.tellFails = true; },
         "Ne mogu se pozicionirati na kraj datoteke podaci.cxt"},
        {[](FaultyFileAccess& f) { f.failSeekStart = true; },
         "Ne mogu se pozicionirati na početak datoteke podaci.cxt"},
        {[](FaultyFileAccess& f) { f.failAllocate = true; }, "Ne mogu alocirati buffer!"},
    };
    for (const auto& c : cases) {
        FaultyFileAccess files(folder.path().string());
        c.arrange(files);
        auto kb = emptyKnowledgeBase();
        kb->syndromeCount = 7; // the record is not even reset
        RecordingReporter reporter;
        LineReader reader(files);
        EXPECT_FALSE(loadSyndromeFile(*kb, reader, reporter));
        EXPECT_EQ(reporter.calls, std::vector<std::string>{messageCall(c.text)});
        EXPECT_EQ(kb->syndromeCount, 7);
        EXPECT_EQ(files.opens, files.closes);
    }
    // A missing file is the open failure too.
    TempFolder empty;
    FileAccess files(empty.path().string());
    auto kb = emptyKnowledgeBase();
    RecordingReporter reporter;
    const LoadResult result = loadBoth(*kb, files, reporter);
    EXPECT_FALSE(result.syndromeFile);
    EXPECT_FALSE(result.dictionaryRan);
    EXPECT_EQ(reporter.calls, std::vector<std::string>{messageCall("Ne mogu otvoriti datoteku podaci.cxt")});
}

TEST(SyndromeLoader, ReadErrorEndsTheFileAsATooLongLineDoes)
{
    TempFolder folder;
    std::string file = "S\r\n";
    for (int j = 0; j < 200; ++j)
        file += " O-T) simptom " + std::to_string(j) + "\r\n";
    folder.write("podaci.cxt", file);
    FaultyFileAccess files(folder.path().string());
    files.failingRead = 1;
    auto kb = emptyKnowledgeBase();
    RecordingReporter reporter;
    LineReader reader(files);
    EXPECT_TRUE(loadSyndromeFile(*kb, reader, reporter));
    ASSERT_EQ(reporter.calls.size(), 3u);
    EXPECT_EQ(reporter.calls[0].rfind("message|" + cp1250("Greška pri čitanju datoteke u liniji br. "), 0), 0u);
    EXPECT_EQ(reporter.calls[1], "progress|100");
    EXPECT_GT(kb->symptomCount, 0);
    EXPECT_LT(kb->symptomCount, 200);
    EXPECT_EQ(files.opens, files.closes);
}

} // namespace
} // namespace ordisan::test
