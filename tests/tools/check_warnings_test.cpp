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

std::string fullWithAnEmptyLast()
{
    std::string full;
    for (int i = 0; i < 500; ++i)
        full += "S" + std::to_string(i) + (i < 499 ? "\n O-G) x\n" : "\n");
    return full + "S500\n O-G) x\n"; // refused: the 500th keeps no symptom line
}

// Where each kind warns and where it must not, as places "FILE:LINE:KIND".
TEST(CheckWarnings, WarnWhereTheLoaderLostSomethingAndNowhereElse)
{
    const struct {
        const char* what;
        std::string syndromes, words;
        Places places;
    } rows[] = {
        {"comments are meant", "A // napomena\n O-G) a//b\n// naslov\n O-G) c // d\n", "", {}},
        {"a lone slash drops, a second cuts", "A\n O-G) mmol/L\n O-G) a/b/c\nB/\n O-G) x\n", "",
         {"podaci.cxt:2:slash", "podaci.cxt:3:slash", "podaci.cxt:4:slash"}},
        {"after a comment line a slash cuts", "// naslov\nA/b\n O-G) x\n/\n O-G) g/h\n", "",
         {"podaci.cxt:2:slash", "podaci.cxt:5:slash"}},
        {"a comment line keeps the pairing", "", "Bol\n// napomena\n osjet\nBol\nEdem\n otok\n", {}},
        {"blanks end the pairing, one explanation per term", "",
         "Bol\n   \n osjet\nEdem\n otok\n i oteklina\n",
         {"rjecnik.cxt:3:dropped-explanation", "rjecnik.cxt:6:dropped-explanation"}},
        {"tree letters and their small forms", "",
         cp1250("Ćelija\nčir\nĐumbir\nđumbir\nŠok\nšok\nŽutica\nžutica\nQa\nyb\n"), {}},
        {"no tree letter", "", "1abc\n\xC1" "bc\n-crtica\n",
         {"rjecnik.cxt:1:term-not-shown", "rjecnik.cxt:2:term-not-shown",
          "rjecnik.cxt:3:term-not-shown"}},
        {"undefined bytes of stored texts only", "A\x98\n O-O) \x81\x90\x81\n O-O)\x88" "skipped\n",
         "Bol\n \x83 opis\n \x83 dropped\n",
         {"podaci.cxt:1:undefined-byte", "podaci.cxt:2:undefined-byte",
          "rjecnik.cxt:2:undefined-byte", "rjecnik.cxt:3:dropped-explanation"}},
        {"a line cut to blanks", "A\n\0 O-G) x\n O-G) y\n"s, "", {"podaci.cxt:2:nul-cut"}},
        {"nothing from the stop line on", "A\n O-G) x\n" + std::string(256, 'A') + "\n O-G) y/z\nA\n",
         "", {}},
        {"a refused symptom line is a line", "A\nB\n X-G) kihanje\n", "",
         {"podaci.cxt:1:empty-syndrome"}},
        {"a refused syndrome is none", fullWithAnEmptyLast(), "", {"podaci.cxt:999:empty-syndrome"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(warningsFor(row.syndromes, row.words).places, row.places) << row.what;
    for (const std::string br : {"\r\n", "\r", "\n"}) {
        const Warnings w = warningsFor("A" + br + " O-G) x" + br + " O-G) x" + br + "B/c" + br,
                                       "Bol" + br + br + " osjet" + br + " opet" + br);
        EXPECT_EQ(w.places, (Places{"podaci.cxt:3:repeated-symptom", "podaci.cxt:4:empty-syndrome",
                                    "podaci.cxt:4:slash", "rjecnik.cxt:4:dropped-explanation"}))
            << br.size();
    }
}

} // namespace

} // namespace ordisan::tools::test
