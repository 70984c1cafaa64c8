// ordisan-check --audit and --explain on a knowledge base built to hold each finding:
// a small syndrome that wins a general finding, a large one with a symptom linked twice,
// two syndromes a man cannot tell apart, look-alikes no case separates, and a case lost
// on size.
#include "check_runner.h"

#include <gtest/gtest.h>

namespace ordisan::tools::test {

namespace {

std::string syndrome(const std::string& name, const std::vector<std::string>& symptoms)
{
    std::string out = name + "\r\n";
    for (const std::string& s : symptoms)
        out += " " + s + "\r\n";
    return out;
}

class Audit : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::vector<std::string> d = {"O-U) d1", "O-U) d2", "O-U) d3", "O-U) d4", "O-U) d5"};
        std::vector<std::string> large;
        for (int k = 1; k <= 13; ++k)
            large.push_back("O-O) f" + std::to_string(k));
        large.push_back("O-O) f1"); // twice, so it weighs twice and counts twice
        std::vector<std::string> twin = d;
        twin.push_back("Z-O) zd");
        folder.write("podaci.cxt",
                     syndrome("Mala", {"O-O) x", "O-O) opca"})
                         + syndrome("Srednja", {"O-O) opca", "O-T) b1", "O-T) b2", "O-T) b3",
                                                "O-T) b4", "O-T) b5"})
                         + syndrome("Druga", {"O-O) opca", "O-G) c1", "O-G) c2", "O-G) c3",
                                              "O-G) c4", "O-G) c5"})
                         + syndrome("Blizanac", twin) + syndrome("Dvojnik", d)
                         + syndrome("Velika", large));
        folder.write("rjecnik.cxt", "Bol\r\n osjet\r\n");
        // Blizanac passes on its one finding for women; Srednja loses to Mala, which
        // gains three times as much from the finding they share (c1 concerns neither).
        folder.write("c.cxt", "SLUCAJ: Blizanac\nSPOL: Z\nDA: zd\n\n"
                              "SLUCAJ: Srednja\nSPOL: M\nDA: b1\nDA: opca\nNE: c1\n");
    }

    std::string cases() const { return folder.path() / "c.cxt"; }

    TempFolder folder;
};

TEST_F(Audit, FindsEveryKindInBothForms)
{
    const std::string c = cases();
    EXPECT_EQ(runCheck({"--audit", "--cases", c, folder.path()}),
              (CheckResult{0,
                           "Findings per syndrome, for a man and for a woman (median 6 and 6):\n"
                           "    2   2  Mala\n    6   6  Srednja\n    6   6  Druga\n"
                           "    5   6  Blizanac\n    5   5  Dvojnik\n   14  14  Velika\n"
                           "Far smaller (under half the median) or larger (over twice it):\n"
                           "  Mala: 2 findings for a man, far smaller than the median 6\n"
                           "  Velika: 14 findings for a man, far larger than the median 6\n"
                           "  Mala: 2 findings for a woman, far smaller than the median 6\n"
                           "  Velika: 14 findings for a woman, far larger than the median 6\n"
                           "General findings (held by 3 syndromes or more) that a small "
                           "syndrome wins alone, all else unknown:\n"
                           "  for a man: opca (3 syndromes, median 6 findings): first Mala with "
                           "2 findings\n"
                           "  for a woman: opca (3 syndromes, median 6 findings): first Mala "
                           "with 2 findings\n"
                           "Syndromes with the same findings, which no answer tells apart:\n"
                           "  for a man: Blizanac / Dvojnik (5 findings shared)\n"
                           "Look-alikes (sharing half the findings of the smaller) that no case "
                           "of " + c + " ranks apart:\n"
                           "  for a man: Mala / Srednja (1 finding shared)\n"
                           "  for a man: Mala / Druga (1 finding shared)\n"
                           "  for a woman: Mala / Srednja (1 finding shared)\n"
                           "  for a woman: Mala / Druga (1 finding shared)\n"
                           "Thinnest margins (the case's score minus the best other score):\n"
                           "  " + c + ":5: Srednja -8.3 points against Mala\n"
                           "  " + c + ":1: Blizanac 8.3 points against Srednja\n",
                           ""}));

    const std::string json = runCheck({"--json", "--audit", "--cases", c, folder.path()}).out;
    for (const std::string part : {
             R"({"sizes":[{"syndrome":"Mala","male":2,"female":2},)",
             R"("medians":{"male":6,"female":6},"oddSizes":[{"syndrome":"Mala","sex":"M",)"
             R"("findings":2,"median":6,"kind":"small"},{"syndrome":"Velika","sex":"M",)"
             R"("findings":14,"median":6,"kind":"large"},)",
             R"({"symptom":1,"text":"opca","sex":"Z","holders":3,"holdersMedian":6,)"
             R"("first":["Mala"],"firstSize":2,"flagged":true})",
             R"({"symptom":2,"text":"b1","sex":"M","holders":1,"holdersMedian":6,)"
             R"("first":["Srednja"],"firstSize":6,"flagged":false})",
             R"({"symptom":18,"text":"f1","sex":"M","holders":1,"holdersMedian":14,)"
             R"("first":["Velika"],"firstSize":14,"flagged":false})",
             R"("twins":[{"a":"Blizanac","b":"Dvojnik","sex":"M","shared":5}],)",
             R"("unseparated":[{"a":"Mala","b":"Srednja","sex":"M","shared":1},)",
             R"("margins":[{"line":5,"syndrome":"Srednja","best":"Mala","points":-8.3},)"
             R"({"line":1,"syndrome":"Blizanac","best":"Srednja","points":8.3}]})" "\n",
         })
        EXPECT_NE(json.find(part), std::string::npos) << part << "\nin " << json;
}

// A symptom linked twice weighs twice: the syndrome is one finding larger, and the
// syndrome with the same symptoms linked once each can be told from it.
TEST_F(Audit, CountsASymptomLinkedTwiceAsTheScoreDoes)
{
    folder.write("podaci.cxt", syndrome("Dvaput", {"O-O) x", "O-O) x", "O-O) y"})
                                   + syndrome("Jednom", {"O-O) x", "O-O) y"})
                                   + syndrome("Isto", {"O-O) y", "O-O) x"}));
    const std::string json = runCheck({"--json", "--audit", folder.path()}).out;
    for (const std::string part : {
             R"({"sizes":[{"syndrome":"Dvaput","male":3,"female":3},)",
             R"("twins":[{"a":"Jednom","b":"Isto","sex":"M","shared":2},)"
             R"({"a":"Jednom","b":"Isto","sex":"Z","shared":2}])",
         })
        EXPECT_NE(json.find(part), std::string::npos) << part << "\nin " << json;
}

// Any line of a case explains it: a failed one against what ranks above it, a passed
// one against its runner-up.
TEST_F(Audit, ExplainSaysWhatDecidedTheCaseOfALine)
{
    const std::string c = cases();
    EXPECT_EQ(runCheck({"--cases", c, "--explain", "7", folder.path()}),
              (CheckResult{1,
                           c + ":5: Srednja: FAILED, place 2, 66%; first: Mala 75%, Srednja 66%, "
                               "Druga 50%\n"
                               "  Mala 75% leads by 8.3 points:\n"
                               "    for Srednja, not for Mala: b1 +8.3\n"
                               "    present for both: opca +25.0 (Srednja +8.3)\n"
                               "    size: Srednja 6 findings for a man (an answer moves it 8.3 "
                               "points), Mala 2 (25.0)\n"
                               "1 case: 0 passed, 1 failed\n",
                           ""}));
    EXPECT_EQ(runCheck({"--cases", c, "--explain", "1", folder.path()}),
              (CheckResult{0,
                           c + ":1: Blizanac: passed, place 1, 58%; best other Srednja 50%, "
                               "margin 8.3 points\n"
                               "  Srednja 50% trails by 8.3 points:\n"
                               "    for Blizanac, not for Srednja: zd +8.3\n"
                               "    size: Blizanac 6 findings for a woman (an answer moves it 8.3 "
                               "points), Srednja 6 (8.3)\n"
                               "1 case: 1 passed, 0 failed\n",
                           ""}));
    folder.write("d.cxt", "// prvi\n\nSLUCAJ: Mala\nSPOL: M\n");
    EXPECT_EQ(runCheck({"--cases", folder.path() / "d.cxt", "--explain", "2", folder.path()}),
              (CheckResult{2, "",
                           (folder.path() / "d.cxt").string()
                               + ":2: no case starts at or before this line\n"}));
}

} // namespace

} // namespace ordisan::tools::test
