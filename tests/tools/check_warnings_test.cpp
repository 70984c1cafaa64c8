// The warnings of ordisan-check: what loads but is likely a mistake.
#include "check_runner.h"
#include "knowledge/loaders.h"
#include "tools/load_record.h"
#include "memory_file_access.h"
#include "tools/warnings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace std::string_literals;

namespace ordisan::tools::test {

namespace {

// Each kind once (a duplicate syndrome twice: apart from its first, and right after
// it), and none for what the loader keeps whole: comments, a line after a comment
// line, tree letters in small form, a term with its one explanation.
TEST(CheckWarnings, GivesEveryKindOnceWithItsFileLineAndText)
{
    TempFolder folder;
    folder.write("podaci.cxt", "Gripa// n\r O-G) glavobolja\r O-G) glavobolja\rPrazan\rGripa\r"
                               " O-T) ka\x81" "alj\r O-O) mmol/L\r O-O) ab\0cd\r// n\rX\r"
                               " O-G) y\rX\r O-G) z\r"s);
    folder.write("rjecnik.cxt", cp1250(" bez pojma\n1. pomoć\n prva pomoć\nčir\n// n\n rana\n"));
    const CheckResult result = runCheck({"--json", folder.path()});
    EXPECT_EQ(result.status, 0) << "warnings never change the exit status";
    EXPECT_EQ(result.out.substr(std::min(result.out.find("\"warnings"), result.out.size())),
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
              R"({"kind":"duplicate-syndrome","file":"podaci.cxt","line":12,)"
              R"("text":"syndrome \"X\" is already given on line 10"},)"
              R"({"kind":"dropped-explanation","file":"rjecnik.cxt","line":1,"text":"no term line )"
              R"(right before this explanation, so it is dropped: \"bez pojma\""},)"
              R"({"kind":"term-not-shown","file":"rjecnik.cxt","line":2,"text":"the dictionary )"
              R"(tree has no letter for the first byte of \"1. pomoć\""}]})" "\n");
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
    TempFolder folder;
    // "č" in UTF-8 on line 2, "š" on line 3; "Ž" of code page 1250 and the UTF-8 "×"
    // are no such letter.
    folder.write("podaci.cxt", "A\n O-G) \x8Eivot 3\xC3\x97\n O-G) ka\xC4\x8D\n O-G) ka\xC5\xA1\n");
    folder.write("rjecnik.cxt", "Bol\n osjet \xC5\xA1tipanja\n");
    const CheckResult r = runCheck({folder.path()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "podaci.cxt: syndromes 1, symptoms 3, links 3\nrjecnik.cxt: words 1\n"
                     "podaci.cxt:3: utf8: the bytes 0xC4 0x8D are a letter in UTF-8: the file "
                     "seems saved as UTF-8, not code page 1250 (ordisan-check --to-cp1250 IN OUT "
                     "converts it); the line reads \" O-G) kaÄŤ\"\n"
                     "rjecnik.cxt:2: utf8: the bytes 0xC5 0xA1 are a letter in UTF-8: the file "
                     "seems saved as UTF-8, not code page 1250 (ordisan-check --to-cp1250 IN OUT "
                     "converts it); the line reads \" osjet Ĺˇtipanja\"\n");
}

// The load stops at the first over-long line, as the program's does; its message gets
// the length and the limit, and every later over-long line is a warning.
TEST(CheckLongLines, GiveLengthLimitAndTheUtf8ReasonForEveryOne)
{
    const std::string fits = "bolest " + std::string(88, 'x') + "žđ"; // 97 bytes, 99 in UTF-8
    const std::pair<std::string, std::string> rows[] = { // dictionary, message and warnings
        {"Bol\n " + fits + "čć\n",
         "rjecnik.cxt:2: GREŠKA: Predugačko objašnjenje u liniji 2. (explanation of 103 bytes, at "
         "most 99; in code page 1250 it takes 99 bytes and fits: the file seems saved as UTF-8, "
         "where a Croatian letter takes two bytes (ordisan-check --to-cp1250 IN OUT converts it))\n"
         "rjecnik.cxt:2: utf8: the bytes 0xC5 0xBE are a letter in UTF-8: the file seems saved as "
         "UTF-8, not code page 1250 (ordisan-check --to-cp1250 IN OUT converts it); the line reads "
         "\" bolest " + std::string(88, 'x') + "ĹľÄ‘ÄŤÄ‡\"\n"},
        // Blank lines, comments and a dropped explanation are no fields; a line break of
        // any kind ends a line; the reader's own limit counts every byte of the line.
        {cp1250("Bol\r\n osjet\r\n   \r\n ") + std::string(120, 'y') + "\r\n\r\n"
             + cp1250("Šok // ") + std::string(60, 'x') + "\r\n" + std::string(50, 'T')
             + "\rKost\n " + std::string(100, 'e') + "ž\n" + std::string(501, 'Z') + "\n",
         "rjecnik.cxt:7: GREŠKA: Predugačak pojam u liniji 7. (term of 50 bytes, at most 49)\n"
         "rjecnik.cxt:4: dropped-explanation: no term line right before this explanation, so it "
         "is dropped: \"" + std::string(120, 'y') + "\"\n"
         "rjecnik.cxt:9: too-long: explanation of 102 bytes, at most 99; in code page 1250 it "
         "takes 101 bytes, still too many: the file seems saved as UTF-8, where a Croatian letter "
         "takes two bytes (ordisan-check --to-cp1250 IN OUT converts it); the load stopped on "
         "line 7 before it\n"
         "rjecnik.cxt:10: too-long: line of 501 bytes, at most 500; the load stopped on line 7 "
         "before it\n"},
        // The reader's refusal ends the load, which still counts as done.
        {"Bol\n" + std::string(501, 'Z') + "\n" + std::string(50, 'T') + "\n",
         "rjecnik.cxt:2: ERROR: Nije očekivan tako dug izraz u liniji br.2 (line of 501 bytes, at "
         "most 500)\n"
         "rjecnik.cxt:3: too-long: term of 50 bytes, at most 49; the load stopped on line 2 "
         "before it\n"},
    };
    for (const auto& [dictionary, reported] : rows) {
        TempFolder folder;
        folder.write("podaci.cxt", "A\n O-G) x\n");
        folder.write("rjecnik.cxt", dictionary);
        const CheckResult r = runCheck({folder.path()});
        EXPECT_EQ(r.out.substr(std::min(r.out.find('\n', r.out.find('\n') + 1) + 1, r.out.size())),
                  reported);
    }
}

} // namespace

} // namespace ordisan::tools::test
