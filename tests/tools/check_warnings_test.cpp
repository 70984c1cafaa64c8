// The warnings of ordisan-check: what loads but is likely a mistake.
#include "check_runner.h"

#include <gtest/gtest.h>

#include <regex>

using namespace std::string_literals;

namespace ordisan::tools::test {

namespace {

struct Warnings {
    std::string array;                // the "warnings" member as printed
    std::vector<std::string> places;  // "FILE:LINE:KIND" of each
    int status;
};

Warnings warningsFor(const std::string& syndromeFile, const std::string& dictionaryFile)
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile);
    folder.write("rjecnik.cxt", dictionaryFile);
    const CheckResult result = runCheck({"--json", folder.path()});

    Warnings warnings;
    warnings.status = result.status;
    const std::size_t start = result.out.find("\"warnings\":");
    if (start == std::string::npos || result.out.size() < start + 2)
        return warnings;
    warnings.array = result.out.substr(start, result.out.size() - start - 2); // less "}\n"
    const std::regex place(R"re(\{"kind":"([a-z-]+)","file":"([a-z.]+)","line":(\d+))re");
    for (std::sregex_iterator m(warnings.array.begin(), warnings.array.end(), place), end;
         m != end; ++m)
        warnings.places.push_back((*m)[2].str() + ":" + (*m)[3].str() + ":" + (*m)[1].str());
    return warnings;
}

using Places = std::vector<std::string>;

TEST(CheckWarnings, GivesEveryKindOnceWithItsFileLineAndText)
{
    const Warnings w = warningsFor("Gripa\n"
                                   " O-G) glavobolja\n"
                                   " O-G) glavobolja\n"
                                   "Prazan\n"
                                   "Gripa\n"
                                   " O-T) ka\x81" "alj\n"
                                   " O-O) mmol/L\n"
                                   " O-O) ab\0cd\n"s,
                                   cp1250(" bez pojma\n"
                                          "1. pomoć\n"
                                          " prva pomoć\n"));

    EXPECT_EQ(w.array,
              R"("warnings":[)"
              R"({"kind":"repeated-symptom","file":"podaci.cxt","line":3,"text":"symptom \"glavobolja\" is linked to syndrome \"Gripa\" again"},)"
              R"({"kind":"empty-syndrome","file":"podaci.cxt","line":4,"text":"syndrome \"Prazan\" has no symptom line"},)"
              R"({"kind":"duplicate-syndrome","file":"podaci.cxt","line":5,"text":"syndrome \"Gripa\" is already given on line 1"},)"
              R"({"kind":"undefined-byte","file":"podaci.cxt","line":6,"text":"code page 1250 has no character for 0x81 in \"ka)"
              "\xC2\x81"
              R"(alj\""},)"
              R"({"kind":"slash","file":"podaci.cxt","line":7,"text":"a '/' that starts no \"//\" comment removed text; the line reads \" O-O) mmolL\""},)"
              R"({"kind":"nul-cut","file":"podaci.cxt","line":8,"text":"the line ends at a NUL byte; it reads \" O-O) ab\""},)"
              R"({"kind":"dropped-explanation","file":"rjecnik.cxt","line":1,"text":"no term line right before this explanation, so it is dropped: \"bez pojma\""},)"
              R"({"kind":"term-not-shown","file":"rjecnik.cxt","line":2,"text":"the dictionary tree has no letter for the first byte of \"1. pomoć\""}])");
    EXPECT_EQ(w.status, 0) << "warnings never change the exit status";
}

TEST(CheckWarnings, SlashWarnsOnlyWhenASlashRemovesTextOtherThanAsAComment)
{
    // A "//" comment, also right after a comment-only line, is what the author meant.
    EXPECT_EQ(warningsFor("A // napomena\n O-G) a//b\n// naslov\n O-G) c // d\n", "").places,
              Places{});
    // A lone slash is dropped, also at the end of a line; a second one cuts.
    EXPECT_EQ(warningsFor("A\n O-G) mmol/L\n O-G) a/b/c\nB/\n O-G) x\n", "").places,
              (Places{"podaci.cxt:2:slash", "podaci.cxt:3:slash", "podaci.cxt:4:slash"}));
    // After a comment-only line, or a line holding only a slash, a lone slash cuts the
    // rest of the next line.
    EXPECT_EQ(warningsFor("// naslov\nA/b\n O-G) x\n/\n O-G) g/h\n", "").places,
              (Places{"podaci.cxt:2:slash", "podaci.cxt:5:slash"}));
}

TEST(CheckWarnings, DroppedExplanationFollowsThePairingOfTheLoader)
{
    // Comment-only lines do not separate a term from its explanation.
    EXPECT_EQ(warningsFor("", "Bol\n// napomena\n osjet\n").places, Places{});
    // A line of blanks does; so does a first explanation; a second one is dropped.
    EXPECT_EQ(warningsFor("", "Bol\n   \n osjet\nEdem\n otok\n i oteklina\n").places,
              (Places{"rjecnik.cxt:3:dropped-explanation", "rjecnik.cxt:6:dropped-explanation"}));
    // A term right after a term takes the explanation.
    EXPECT_EQ(warningsFor("", "Bol\nEdem\n otok\n").places, Places{});
}

TEST(CheckWarnings, TermNotShownKnowsTheTreeLettersAndTheirSmallForms)
{
    EXPECT_EQ(warningsFor("", cp1250("Ćelija\nčir\nĐumbir\nđumbir\nŠok\nšok\nŽutica\nžutica\n"
                                     "Qa\nyb\n")).places,
              Places{});
    EXPECT_EQ(warningsFor("", "1abc\n\xC1" "bc\n\x8C" "ab\n-crtica\n").places,
              (Places{"rjecnik.cxt:1:term-not-shown", "rjecnik.cxt:2:term-not-shown",
                      "rjecnik.cxt:3:term-not-shown", "rjecnik.cxt:4:term-not-shown"}));
}

TEST(CheckWarnings, UndefinedByteLooksOnlyAtStoredTextsOncePerLine)
{
    const Warnings w = warningsFor("A\x98\n O-O) \x81\x90\x81\n O-O)\x88" "skipped\n",
                                   "Bol\n \x83 opis\n \x83 dropped\n");
    EXPECT_EQ(w.places,
              (Places{"podaci.cxt:1:undefined-byte", "podaci.cxt:2:undefined-byte",
                      "rjecnik.cxt:2:undefined-byte", "rjecnik.cxt:3:dropped-explanation"}));
    EXPECT_NE(w.array.find("no character for 0x81, 0x90 in"), std::string::npos) << w.array;
}

TEST(CheckWarnings, NulCutCoversALineThatBecomesBlank)
{
    EXPECT_EQ(warningsFor("A\n\0 O-G) x\n O-G) y\n"s, "").places,
              Places{"podaci.cxt:2:nul-cut"});
}

TEST(CheckWarnings, StopAtTheLineThatStoppedTheLoad)
{
    // The second "A" is refused for its length, so it is no duplicate; nothing after
    // it is looked at.
    const std::string longName(256, 'A');
    const Warnings w = warningsFor("A\n O-G) x\n" + longName + "\n O-G) y/z\nA\n", "");
    EXPECT_EQ(w.places, Places{});
    EXPECT_EQ(w.status, 1);
}

TEST(CheckWarnings, EmptySyndromeCountsARefusedSymptomLineAsALine)
{
    EXPECT_EQ(warningsFor("A\nB\n X-G) kihanje\n", "").places, Places{"podaci.cxt:1:empty-syndrome"});
    // The refused 501st syndrome leaves the 500th without a symptom line.
    std::string full;
    for (int i = 0; i < 500; ++i)
        full += "S" + std::to_string(i) + (i < 499 ? "\n O-G) x\n" : "\n");
    EXPECT_EQ(warningsFor(full + "S500\n O-G) x\n", "").places,
              Places{"podaci.cxt:999:empty-syndrome"});
}

TEST(CheckWarnings, ReadTheSameLinesAsTheLoaderWithEveryLineBreakStyle)
{
    for (const std::string br : {"\r\n", "\r", "\n"}) {
        const Warnings w = warningsFor("A" + br + " O-G) x" + br + " O-G) x" + br + "B/c" + br,
                                       "Bol" + br + br + " osjet" + br + " opet" + br);
        EXPECT_EQ(w.places, (Places{"podaci.cxt:3:repeated-symptom", "podaci.cxt:4:empty-syndrome",
                                    "podaci.cxt:4:slash", "rjecnik.cxt:4:dropped-explanation"}))
            << "line break " << (br == "\n" ? "LF" : br == "\r" ? "CR" : "CR LF");
    }
}

} // namespace

} // namespace ordisan::tools::test
