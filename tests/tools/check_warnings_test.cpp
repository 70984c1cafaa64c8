// The warnings of ordisan-check: what loads but is likely a mistake.
#include "check_runner.h"
#include "knowledge/loaders.h"
#include "tools/load_record.h"
#include "memory_file_access.h"
#include "tools/warnings.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>

using namespace std::string_literals;

namespace ordisan::tools::test {

namespace {

using Places = std::vector<std::string>; // "FILE:LINE:KIND" of each warning

struct Warnings {
    std::string array; // the "warnings" member as printed
    Places places;
    int status = -1;
};

Warnings warningsFor(const std::string& syndromes, const std::string& words)
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromes);
    folder.write("rjecnik.cxt", words);
    const CheckResult result = runCheck({"--json", folder.path()});
    Warnings warnings{"", {}, result.status};
    const std::size_t start = result.out.find("\"warnings\":");
    if (start == std::string::npos || result.out.size() < start + 2)
        return warnings;
    warnings.array = result.out.substr(start, result.out.size() - start - 2); // less "}\n"
    const std::regex place(R"re(\{"kind":"([a-z-]+)","file":"([a-z.]+)","line":(\d+))re");
    const std::string& a = warnings.array;
    for (std::sregex_iterator m(a.begin(), a.end(), place), end; m != end; ++m)
        warnings.places.push_back((*m)[2].str() + ":" + (*m)[3].str() + ":" + (*m)[1].str());
    return warnings;
}

TEST(CheckWarnings, GivesEveryKindOnceWithItsFileLineAndText)
{
    const Warnings w = warningsFor("Gripa\n O-G) glavobolja\n O-G) glavobolja\nPrazan\nGripa\n"
                                   " O-T) ka\x81" "alj\n O-O) mmol/L\n O-O) ab\0cd\n"s,
                                   cp1250(" bez pojma\n1. pomoć\n prva pomoć\n"));
    EXPECT_EQ(w.status, 0) << "warnings never change the exit status";
    EXPECT_EQ(w.array,
              R"("warnings":[{"kind":"repeated-symptom","file":"podaci.cxt","line":3,)"
              R"("text":"symptom \"glavobolja\" is linked to syndrome \"Gripa\" again"},)"
              R"({"kind":"empty-syndrome","file":"podaci.cxt","line":4,)"
              R"("text":"syndrome \"Prazan\" has no symptom line"},)"
              R"({"kind":"duplicate-syndrome","file":"podaci.cxt","line":5,)"
              R"("text":"syndrome \"Gripa\" is already given on line 1"},)"
              R"({"kind":"undefined-byte","file":"podaci.cxt","line":6,)"
              R"("text":"code page 1250 has no character for 0x81 in \"ka)" "\xC2\x81" R"(alj\""},)"
              R"({"kind":"slash","file":"podaci.cxt","line":7,"text":"a '/' that starts no \"//\" )"
              R"(comment removed text; the line reads \" O-O) mmolL\""},)"
              R"({"kind":"nul-cut","file":"podaci.cxt","line":8,)"
              R"("text":"the line ends at a NUL byte; it reads \" O-O) ab\""},)"
              R"({"kind":"dropped-explanation","file":"rjecnik.cxt","line":1,"text":"no term line )"
              R"(right before this explanation, so it is dropped: \"bez pojma\""},)"
              R"({"kind":"term-not-shown","file":"rjecnik.cxt","line":2,"text":"the dictionary )"
              R"(tree has no letter for the first byte of \"1. pomoć\""}])");
}

std::string fullWithAnEmptyLast()
{
    std::string full;
    for (int i = 0; i < 500; ++i)
        full += "S" + std::to_string(i) + (i < 499 ? "\n O-G) x\n" : "\n");
    return full + "S500\n O-G) x\n"; // refused: the 500th keeps no symptom line
}

TEST(CheckWarnings, WarnWhereTheLoaderLostSomethingAndNowhereElse)
{
    const struct {
        const char* what;
        std::string syndromes, words;
        Places places;
    } rows[] = {
        {"comments are meant", "A // napomena\n O-G) a//b\n// naslov\n O-G) c // d\n",
         "Bol\n// napomena\n osjet\n", {}},
        {"a lone slash drops, a second cuts, also after a comment line",
         "A\n O-G) mmol/L\n O-G) a/b/c\n// n\nB/c\n O-G) x\n", "",
         {"podaci.cxt:2:slash", "podaci.cxt:3:slash", "podaci.cxt:5:slash"}},
        {"blanks end the pairing, one explanation per term", "",
         "Bol\n   \n osjet\nEdem\n otok\n i oteklina\n",
         {"rjecnik.cxt:3:dropped-explanation", "rjecnik.cxt:6:dropped-explanation"}},
        {"tree letters, their small forms, and none", "",
         cp1250("Ćelija\nčir\nđumbir\nŽutica\nQa\n\xC1" "bc\n-crtica\n"),
         {"rjecnik.cxt:6:term-not-shown", "rjecnik.cxt:7:term-not-shown"}},
        {"undefined bytes of stored texts only", "A\x98\n O-O) \x81\x90\n O-O)\x88" "skipped\n",
         "Bol\n \x83 opis\n \x83 dropped\n",
         {"podaci.cxt:1:undefined-byte", "podaci.cxt:2:undefined-byte",
          "rjecnik.cxt:2:undefined-byte", "rjecnik.cxt:3:dropped-explanation"}},
        {"a line cut to blanks", "A\n\0 O-G) x\n O-G) y\n"s, "", {"podaci.cxt:2:nul-cut"}},
        {"nothing from the stop line on", "A\n O-G) x\n" + std::string(256, 'A') + "\n O-G) y/z\n",
         "", {}},
        {"a refused symptom line is a line", "A\nB\n X-G) kihanje\n", "",
         {"podaci.cxt:1:empty-syndrome"}},
        {"a refused syndrome is none", fullWithAnEmptyLast(), "", {"podaci.cxt:999:empty-syndrome"}},
        {"lines counted over CR breaks", "A\r O-G) x\r O-G) x\rB/c\r", "Bol\r\r osjet\r opet\r",
         {"podaci.cxt:3:repeated-symptom", "podaci.cxt:4:empty-syndrome", "podaci.cxt:4:slash",
          "rjecnik.cxt:4:dropped-explanation"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(warningsFor(row.syndromes, row.words).places, row.places) << row.what;
}

TEST(CheckWarnings, AfterAReadErrorLeaveOutTheLineThatWasBeingRead)
{
    // The second chunk read fails after "B/c": the loader never returned that line, so
    // it gives no slash warning, although it would end the file if the bytes just ended.
    ordisan::test::MemoryFile file{"A\n O-G) x\n//" + std::string(987, 'x') + "\nB/c"};
    ASSERT_EQ(file.bytes.size(), static_cast<std::size_t>(CHUNK_SIZE) + 3);
    file.readErrorAt = static_cast<std::int64_t>(file.bytes.size());
    ordisan::test::MemoryFileAccess files;
    files.setFile(SYNDROME_FILE_NAME, file);
    LineReader reader(files);
    NullReporter quiet;
    const auto kb = std::make_unique<KnowledgeBase>();
    ASSERT_TRUE(loadSyndromeFile(*kb, reader, quiet));

    LoadExtent extent{true, file.bytes, true, 0};
    EXPECT_EQ(syndromeFileWarnings(*kb, extent).size(), 0u);
    extent.readFailed = false;
    EXPECT_EQ(syndromeFileWarnings(*kb, extent).size(), 1u) << "without the error it is a line";
}

TEST(CheckUtf8Warning, NamesTheFirstLineOfEachFileWithAUtf8Letter)
{
    DataFolder folder;
    // "č" in UTF-8 on line 2, "š" on line 3; "Ž" of code page 1250 and the UTF-8 "×"
    // are no such letter.
    folder.write("podaci.cxt", "A\n O-G) \x8Eivot 3\xC3\x97\n O-G) ka\xC4\x8D\n O-G) ka\xC5\xA1\n");
    folder.write("rjecnik.cxt", "Bol\n osjet \xC5\xA1tipanja\n");
    const CheckResult r = runCheck({folder.path()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "podaci.cxt: syndromes 1, symptoms 3, links 3\nrjecnik.cxt: words 1\n"
                     "podaci.cxt:3: utf8: the bytes 0xC4 0x8D are a letter in UTF-8: the file "
                     "seems saved as UTF-8, not code page 1250; the line reads \" O-G) kaÄŤ\"\n"
                     "rjecnik.cxt:2: utf8: the bytes 0xC5 0xA1 are a letter in UTF-8: the file "
                     "seems saved as UTF-8, not code page 1250; the line reads \" osjet Ĺˇtipanja\"\n");
}

} // namespace

} // namespace ordisan::tools::test
