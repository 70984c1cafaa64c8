// ordisan-check --cases on a small knowledge base.
#include "check_runner.h"

#include <gtest/gtest.h>

namespace ordisan::tools::test {

namespace {

// Gripa has three symptoms, Prehlada two, Torzija testisa two for men only. With no
// answer every syndrome a man can have scores 50 %.
const std::string SYNDROMES = cp1250("Gripa\r\n O-O) povišena temperatura\r\n O-T) kašalj\r\n"
                                     " O-O) bolovi u mišićima\r\nPrehlada\r\n O-G) kihanje\r\n"
                                     " O-T) kašalj\r\nTorzija testisa\r\n M-T) bolan testis\r\n"
                                     " M-O) mučnina\r\n");

class CheckCases : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("podaci.cxt", SYNDROMES);
        folder.write("rjecnik.cxt", "Bol\r\n osjet\r\n");
    }

    CheckResult run(const std::string& cases, bool json = false)
    {
        cases_.write("c.cxt", cp1250(cases));
        std::vector<std::string> arguments{"--cases", file(), folder.path()};
        if (json)
            arguments.insert(arguments.begin(), "--json");
        return runCheck(arguments);
    }

    std::string file() const { return cases_.path() + "/c.cxt"; }

    DataFolder folder;
    DataFolder cases_;
};

TEST_F(CheckCases, PassingFileExitsZeroWithALinePerCaseAndTheCount)
{
    const CheckResult r = run("// slučajevi\nSLUCAJ: Gripa\nSPOL: M\nDA: povišena temperatura\n"
                              "\n   \nDA: bolovi u mišićima\nNE: kašalj\nSLUCAJ: Prehlada\n"
                              "SPOL: Z\nMJESTO: 2\nDA: kihanje\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, file() + ":2: Gripa: passed, place 1, 66%\n" + file()
                         + ":9: Prehlada: passed, place 1 (within 2), 75%\n"
                           "2 cases: 2 passed, 0 failed\n");
}

TEST_F(CheckCases, AFailureExitsOneAndShowsTheFirstThreeAndTiesCountAgainst)
{
    // With no answers all three tie: Gripa stays first in the sort, yet two others
    // score as much, so it is third.
    const CheckResult r = run("SLUCAJ: Prehlada\nSPOL: Z\nDA: povišena temperatura\nNE: kihanje\n"
                              "SLUCAJ: Gripa\nSPOL: M\nMJESTO: 2\n"
                              "SLUCAJ: Gripa\nSPOL: M\nMJESTO: 3\n");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, file() + ":1: Prehlada: FAILED, place 2, 25%; first: Gripa 66%, Prehlada 25%, "
                              "Torzija testisa 0%\n"
                         + file() + ":5: Gripa: FAILED, place 3 (within 2), 50%; first: Gripa 50%, "
                                    "Prehlada 50%, Torzija testisa 50%\n"
                         + file() + ":8: Gripa: passed, place 3 (within 3), 50%\n"
                                    "3 cases: 1 passed, 2 failed\n");
}

TEST_F(CheckCases, JsonGivesTheSameAsOneObject)
{
    const CheckResult r = run("SLUCAJ: Prehlada\nSPOL: M\nNE: kašalj\n", true);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, R"({"file":")" + file() + R"(","cases":[{"line":1,"syndrome":"Prehlada",)"
                     R"("within":1,"place":3,"percent":25,"passed":false,"first":[)"
                     R"({"syndrome":"Torzija testisa","percent":50},{"syndrome":"Gripa","percent":33},)"
                     R"({"syndrome":"Prehlada","percent":25}]}],"passed":0,"failed":1})"
                     "\n");
}

// Every error of a case file: exit 2, its file and line on standard error, no case run.
TEST_F(CheckCases, EveryCaseFileErrorExitsTwoWithItsLine)
{
    const std::pair<std::string, std::string> rows[] = { // cases after one good case, error
        {"SLUCAJ: Grippa\nSPOL: M\n", R"(:3: no syndrome "Grippa"; the closest is "Gripa")"},
        {"DA: Kasalj\n", R"(:3: no symptom "Kasalj"; the closest is "kašalj")"},
        {"SLUCAJ: Prehlada\nSPOL: Z\nDA: kihanje\nNE: mučnina\n",
         R"(:6: symptom "mučnina" is for male patients only, and the case is female)"},
        {"DA: kašalj\nNE: kihanje\nNE: kašalj\n",
         R"(:5: symptom "kašalj" is both present and absent (line 3))"},
        {"DOB: 40\n", R"(:3: unknown key "DOB"; the keys are SLUCAJ, SPOL, DA, NE and MJESTO)"},
        {"kašalj\n", R"(:3: no "KEY:" in "kašalj"; the keys are SLUCAJ, SPOL, DA, NE and MJESTO)"},
        {"SLUCAJ: Prehlada\nDA: kihanje\n", ":3: the case has no SPOL"},
        {"SLUCAJ: Prehlada\nSPOL: m\n", R"(:4: SPOL must be M or Z, not "m")"},
        {"SPOL: M\n", ":3: SPOL given twice in one case"},
        {"MJESTO: 0\n", R"(:3: MJESTO must be a whole number from 1 to the 3 syndromes loaded, not "0")"},
        {"MJESTO: 4\n", R"(:3: MJESTO must be a whole number from 1 to the 3 syndromes loaded, not "4")"},
        {"MJESTO: prvo\n",
         R"(:3: MJESTO must be a whole number from 1 to the 3 syndromes loaded, not "prvo")"},
        {"DA: " + std::string(600, 'x') + "\n", ":3: the line is longer than 500 bytes"},
        // CR line breaks count as the data files' do.
        {"// x\r\r\nSLUCAJ: Prehlada\rSPOL: Q\r", R"(:6: SPOL must be M or Z, not "Q")"},
    };
    for (const auto& [cases, error] : rows) {
        const CheckResult r = run("SLUCAJ: Gripa\nSPOL: M\n" + cases);
        EXPECT_EQ(std::tuple(r.status, r.out, r.err), std::tuple(2, "", file() + error + "\n"));
    }
}

TEST_F(CheckCases, KeyOutsideACaseAUtf8FileAnEmptyOneAndAnUnloadableBaseRunNoCase)
{
    CheckResult r = run("// prvi\nDA: kašalj\nSLUCAJ: Gripa\nSPOL: M\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, file() + ":2: DA outside a case; a case starts with SLUCAJ\n");
    cases_.write("c.cxt", "SLUCAJ: Gripa\nSPOL: M\nDA: ka\xC5\xA1" "alj\n"); // "š" in UTF-8
    r = runCheck({"--cases", file(), folder.path()});
    EXPECT_EQ(r.err, file() + ":3: no symptom \"kaĹˇalj\"; the closest is \"kašalj\"; the case "
                              "file seems saved as UTF-8, not code page 1250\n");
    r = run("// samo komentar\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, file() + ": holds no case; a case starts with SLUCAJ\n");

    folder.write("podaci.cxt", SYNDROMES + " X-G) kihanje\r\n");
    r = run("SLUCAJ: Gripa\nSPOL: M\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("podaci.cxt:11: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("so no case was run\n"), std::string::npos) << r.err;
}

} // namespace

} // namespace ordisan::tools::test
