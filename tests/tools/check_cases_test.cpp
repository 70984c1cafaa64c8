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

    // Runs the cases, given in UTF-8, from a file in code page 1250 beside the data.
    CheckResult run(const std::string& cases, bool json = false)
    {
        folder.write("c.cxt", cp1250(cases));
        std::vector<std::string> arguments{"--cases", file(), folder.path()};
        if (json)
            arguments.insert(arguments.begin(), "--json");
        return runCheck(arguments);
    }

    std::string file() const { return folder.path() / "c.cxt"; }

    TempFolder folder;
};

TEST_F(CheckCases, PassingAndFailingFilesExitZeroAndOneAndTiesCountAgainst)
{
    EXPECT_EQ(run("// slučajevi\nSLUCAJ: Gripa\nSPOL: M\nDA: povišena temperatura\n"
                  "\nDOB: 40\nDA: bolovi u mišićima\nNE: kašalj\nSLUCAJ: Prehlada\n"
                  "SPOL: Z\nMJESTO: 2\nDA: kihanje\n"),
              (CheckResult{0,
                           file() + ":2: Gripa: passed, place 1, 66%\n" + file()
                               + ":9: Prehlada: passed, place 1 (within 2), 75%\n"
                                 "2 cases: 2 passed, 0 failed\n",
                           ""}));
    // With no answers all three tie: Gripa stays first in the sort, yet two others
    // score as much, so it is third.
    EXPECT_EQ(run("SLUCAJ: Prehlada\nSPOL: Z\nDA: povišena temperatura\nNE: kihanje\n"
                  "SLUCAJ: Gripa\nSPOL: M\nMJESTO: 2\nSLUCAJ: Gripa\nSPOL: M\nMJESTO: 3\n"),
              (CheckResult{1,
                           file() + ":1: Prehlada: FAILED, place 2, 25%; first: Gripa 66%, "
                                    "Prehlada 25%, Torzija testisa 0%\n"
                               + file() + ":5: Gripa: FAILED, place 3 (within 2), 50%; first: "
                                          "Gripa 50%, Prehlada 50%, Torzija testisa 50%\n"
                               + file() + ":8: Gripa: passed, place 3 (within 3), 50%\n"
                                          "3 cases: 1 passed, 2 failed\n",
                           ""}));
    EXPECT_EQ(run("SLUCAJ: Prehlada\nSPOL: M\nNE: kašalj\n", true),
              (CheckResult{1,
                           R"({"file":")" + file()
                               + R"(","cases":[{"line":1,"syndrome":"Prehlada","within":1,)"
                                 R"("place":3,"percent":25,"passed":false,"first":[)"
                                 R"({"syndrome":"Torzija testisa","percent":50},)"
                                 R"({"syndrome":"Gripa","percent":33},)"
                                 R"({"syndrome":"Prehlada","percent":25}]}],"passed":0,"failed":1})"
                                 "\n",
                           ""}));
}

// A case file that cannot be used: exit 2, every fault in English with its file and
// line on standard error, no case run. (Each fault is told apart in the core's tests.)
TEST_F(CheckCases, AnUnusableCaseFileExitsTwoWithEveryFaultAndItsLine)
{
    const std::string gripa = "SLUCAJ: Gripa\nSPOL: M\n";
    EXPECT_EQ(run(gripa + "SLUCAJ: Grippa\nSPOL: m\nDOB: -5\nNE: mučnina\nMJESTO: 4\nkašalj\n"),
              (CheckResult{2, "",
                           file() + R"(:3: no syndrome "Grippa"; the closest is "Gripa")" "\n"
                               + file() + R"(:4: SPOL must be M or Z, not "m")" "\n"
                               + file()
                               + R"(:5: DOB must be a whole number without a sign, not "-5")" "\n"
                               + file() + ":7: MJESTO must be a whole number from 1 to the 3 "
                                          "syndromes loaded, not \"4\"\n"
                               + file() + R"(:8: no "KEY:" in "kašalj"; the keys are SLUCAJ, )"
                                          "SPOL, DOB, DA, NE and MJESTO\n"}));
    EXPECT_EQ(run("SLUCAJ: Prehlada\nSPOL: Z\nDA: kihanje\nNE: mučnina\n").err,
              file() + R"(:4: symptom "mučnina" is for male patients only, and the case is female)"
                       "\n");
    folder.write("c.cxt", gripa + "DA: ka\xC5\xA1" "alj\n"); // "š" in UTF-8
    EXPECT_EQ(runCheck({"--cases", file(), folder.path()}).err,
              file() + ":3: no symptom \"kaĹˇalj\"; the closest is \"kašalj\"; the case "
                       "file seems saved as UTF-8, not code page 1250\n");
    EXPECT_EQ(runCheck({"--cases", folder.path(), folder.path()}).err,
              folder.path().string() + ": is a folder, not a case file\n");
    // A knowledge base that does not load runs no case.
    folder.write("podaci.cxt", SYNDROMES + " X-G) kihanje\r\n");
    EXPECT_EQ(run(gripa),
              (CheckResult{2, "",
                           "podaci.cxt: syndromes 3, symptoms 6, links 7 (load stopped)\n"
                           "rjecnik.cxt: not read\n"
                           "podaci.cxt:11: GREŠKA: Definiran nepoznati spol u liniji 11.\n"
                           "ordisan-check: the knowledge base in " + folder.path().string()
                               + " did not load cleanly, so no case was run\n"}));
}

} // namespace

} // namespace ordisan::tools::test
