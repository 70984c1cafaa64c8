// ordisan-check on a whole small knowledge base: the JSON document and the human form
// compared in full, the exit status, and the command lines it refuses or prints and goes.
#include "check_runner.h"
#include "tools/check_options.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ordisan::tools::test {

namespace {

// Croatian letters, CR LF, a comment after text (its blank stays in the symptom), a
// lower-case marker, every location, a symptom for each sex, a JSON quote, tab and
// backslash, and a symptom shared by both syndromes.
const std::string GOOD_SYNDROMES = cp1250("// Probna baza\r\n"
                                          "Upala pluća\r\n"
                                          " O-T) kašalj\r\n"
                                          " O-O) povišena temperatura // uz zimicu\r\n"
                                          "Šećerna bolest\r\n"
                                          " o-g) žeđ\r\n"
                                          " Z-T) bol \"u\"\ttrbuhu \\ jaka\r\n"
                                          " O-T) kašalj\r\n"
                                          " M-U) trnci u stopalima\r\n");

// Five terms (progress after the fifth), an explanation with a lone slash, then a term
// of 501 bytes that ends the file for the reader; the last line is never read.
const std::string CUT_DICTIONARY = cp1250("Ćelija\r\n"             //   8 bytes
                                          " stanica\r\n"           //  11
                                          "Čir\r\n"                //   5
                                          "Đumbir\r\n"             //   8
                                          " biljka/začin\r\n"      //  15
                                          "Šok\r\n"                //   5
                                          "Žutica\r\n")            //   8: the fifth ends at 59
    + std::string(501, 'A') + "\r\n"                               // 503
    + "Zadnji\r\n";                                                //   8: 571 bytes in all

// Both forms of one run; the options' order and a repeat inside one list are free.
TEST(CheckOutput, JsonAndHumanFormsGiveBothFilesTheDictionaryCutAndTheRanking)
{
    TempFolder folder;
    folder.write("podaci.cxt", GOOD_SYNDROMES);
    folder.write("rjecnik.cxt", CUT_DICTIONARY);
    const CheckResult result =
        runCheck({"--absent", "1", "--present", "0,0", "--sex", "Z", "--json", folder.path()});

    // Progress after the fifth term: 59 × 100 / 571 = 10. Scores: Upala pluća
    // (1 + 0) / 2 = 0.5, Šećerna bolest (0.5 + 0.5 + 1) / 3; weights leave 0.5 out.
    const std::string expected =
        R"({"reports":[{"call":"showProgress","percent":100},)"
        R"({"call":"showSyndromeCounts","syndromes":2,"symptoms":5,"links":6},)"
        R"({"call":"showProgress","percent":10},{"call":"showWordCount","words":5},)"
        R"({"call":"showMessage","text":"Nije očekivan tako dug izraz u liniji br.8",)"
        R"("caption":"ERROR","icon":"none","note":"line of 501 bytes, at most 500"},)"
        R"({"call":"showProgress","percent":0},{"call":"showWordCount","words":5}],)"
        R"("syndromeFile":true,"dictionaryFile":true,)"
        R"("syndromes":["Upala pluća","Šećerna bolest"],)"
        R"("symptoms":[{"text":"kašalj","sex":"O","location":"T"},)"
        R"({"text":"povišena temperatura ","sex":"O","location":"O"},)"
        R"({"text":"žeđ","sex":"O","location":"G"},)"
        R"({"text":"bol \"u\"\u0009trbuhu \\ jaka","sex":"Z","location":"T"},)"
        R"({"text":"trnci u stopalima","sex":"M","location":"U"}],)"
        R"("links":[[0,0],[1,0],[2,1],[3,1],[0,1],[4,1]],)"
        R"("words":[{"term":"Ćelija","explanation":"stanica"},{"term":"Čir","explanation":""},)"
        R"({"term":"Đumbir","explanation":"biljkazačin"},{"term":"Šok","explanation":""},)"
        R"({"term":"Žutica","explanation":""}],)"
        R"("warnings":[{"kind":"slash","file":"rjecnik.cxt","line":5,)"
        R"("text":"a '/' that starts no \"//\" comment removed text; the line reads )"
        R"(\" biljkazačin\""}],)"
        R"("diagnosis":{"sex":"Z","syndromes":[)"
        R"({"index":1,"score":0.6666667,"percent":66,"band":"above-half"},)"
        R"({"index":0,"score":0.5,"percent":50,"band":"half"}],)"
        R"("symptoms":[{"index":0,"weight":0.6666667,"percent":66,"answer":"present"},)"
        R"({"index":2,"weight":0.6666667,"percent":66,"answer":"unknown"},)"
        R"({"index":3,"weight":0.6666667,"percent":66,"answer":"unknown"},)"
        R"({"index":1,"weight":0.5,"percent":50,"answer":"absent"},)"
        R"({"index":4,"weight":0,"percent":0,"answer":"absent"}]}})"
        "\n";
    // The reader's message makes the check fail.
    EXPECT_EQ(result, (CheckResult{1, expected, ""}));

    const std::string human =
        "podaci.cxt: syndromes 2, symptoms 5, links 6\n"
        "rjecnik.cxt: words 5\n"
        "rjecnik.cxt:8: ERROR: Nije očekivan tako dug izraz u liniji br.8 (line of 501 bytes, "
        "at most 500)\n"
        "rjecnik.cxt:5: slash: a '/' that starts no \"//\" comment removed text; "
        "the line reads \" biljkazačin\"\n"
        "\n"
        "Diagnosis for sex Z\n"
        "Syndromes:\n"
        "  (66%) - Šećerna bolest  [above-half]\n"
        "      [unknown] žeđ\n"
        "      [unknown] bol \"u\"\ttrbuhu \\ jaka\n"
        "      [present] kašalj\n"
        "  (50%) - Upala pluća  [half]\n"
        "      [present] kašalj\n"
        "      [absent] povišena temperatura \n"
        "Open symptoms:\n"
        "  (66%) - žeđ\n"
        "  (66%) - bol \"u\"\ttrbuhu \\ jaka\n";
    EXPECT_EQ(runCheck({"--sex", "Z", "--present", "0", "--absent", "1", folder.path()}),
              (CheckResult{1, human, ""}));
    // Texts as in podaci.cxt answer the same symptoms; blanks around them do not count.
    EXPECT_EQ(runCheck({"--sex", "Z", "--present", "kašalj", "--absent", " povišena temperatura",
                        folder.path()}),
              (CheckResult{1, human, ""}));

    // A man's diagnosis leaves the women's symptom out, as hers leaves out his.
    const std::string man = runCheck({"--sex", "M", "--present", "4", folder.path()}).out;
    EXPECT_EQ(man.substr(std::min(man.find("\nDiagnosis"), man.size())),
              "\nDiagnosis for sex M\n"
              "Syndromes:\n"
              "  (66%) - Šećerna bolest  [above-half]\n"
              "      [unknown] žeđ\n"
              "      [unknown] kašalj\n"
              "      [present] trnci u stopalima\n"
              "  (50%) - Upala pluća  [half]\n"
              "      [unknown] kašalj\n"
              "      [unknown] povišena temperatura \n"
              "Open symptoms:\n"
              "  (66%) - kašalj\n"
              "  (66%) - žeđ\n"
              "  (50%) - povišena temperatura \n");
}

// Open failures name no line; the dictionary is read only after the syndrome file. The
// real counts after a bad line are checked with the case runner, which prints them too.
TEST(CheckHuman, GivesWhatAStoppedLoadKept)
{
    const std::pair<const char*, std::string> rows[] = {
        {nullptr, "podaci.cxt: syndromes 0, symptoms 0, links 0 (load stopped)\n"
                  "rjecnik.cxt: not read\n"
                  "podaci.cxt: GREŠKA: Ne mogu otvoriti datoteku podaci.cxt\n"},
        {"A\n O-G) x\n", "podaci.cxt: syndromes 1, symptoms 1, links 1\n"
                         "rjecnik.cxt: words 0 (load stopped)\n"
                         "rjecnik.cxt: GRESKA: Ne mogu otvoriti datoteku rjecnik.cxt\n"},
    };
    for (const auto& [syndromes, out] : rows) {
        const TempFolder folder;
        if (syndromes)
            folder.write("podaci.cxt", syndromes);
        EXPECT_EQ(runCheck({folder.path()}), (CheckResult{1, out, ""}));
    }
}

// Exit status 2, one usage line on standard error, nothing on standard output.
TEST(CheckUsage, RefusesWhatIsNoCommandLineOfIt)
{
    TempFolder folder; // three symptoms: indexes 0, 1 and 2
    folder.write("podaci.cxt", "A\n O-G) x\n O-G) y\n O-G) z\n");
    folder.write("rjecnik.cxt", "Bol\n");
    const TempFolder empty;
    const std::string usage = " (" + std::string(USAGE) + ")\n";
    const std::vector<std::string> rows[] = {
        {"--hlep"}, {"--sex=M", "DIR"}, {"--json", "--json", "DIR"}, {"DIR", "."},
        {"--sex", "m", "DIR"}, {"--sex", "M", "--present", "xx", "DIR"},
        {"--sex"}, {"--present", "0", "DIR"}, {"--sex", "M", "--absent"},
        {"--sex", "M", "--present", "1,,2", "DIR"}, {"--sex", "M", "--present", "-1", "DIR"},
        {"--sex", "M", "--present", " 1", "DIR"}, {"--sex", "M", "--present", "1.5", "DIR"},
        // Indexes not below the symptom count (none load from an empty folder), or in
        // both lists.
        {"--sex", "M", "--present", "3", "DIR"},
        {"--sex", "M", "--absent", "0,99999999999999999999", "DIR"},
        {"--sex", "Z", "--present", "0", empty.path()},
        {"--sex", "M", "--present", "0,1", "--absent", "2,1", "DIR"},
        {"--cases", "c.cxt", "--sex", "M", "DIR"}, // each case has its own sex
        {"--explain", "3", "DIR"}, {"--cases", "c.cxt", "--explain", "0", "DIR"},
        {"--audit", "--sex", "M", "DIR"}, {"--to-cp1250", "a", "b", "DIR"}, {"--to-cp1250", "a"},
    };
    for (std::vector<std::string> row : rows) {
        std::replace(row.begin(), row.end(), std::string("DIR"), folder.path().string());
        const CheckResult result = runCheck(row);
        EXPECT_EQ(std::tuple(result.status, result.out), std::tuple(2, "")) << row[0];
        EXPECT_TRUE(result.err.starts_with("ordisan-check: ") && result.err.ends_with(usage)
                    && std::count(result.err.begin(), result.err.end(), '\n') == 1)
            << result.err;
    }
}

TEST(CheckUsage, HelpAndVersionGoToStandardOutputWithExitZero)
{
    const std::string usage = std::string(USAGE) + "\n";
    const std::string version = "ordisan-check " ORDISAN_VERSION "\n";
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"--help"}, usage},
        {{"--json", "--help", "--bogus"}, usage},
        {{"--version"}, version},
        {{"--version", "--help"}, version},
    };
    for (const auto& [arguments, out] : rows) {
        const CheckResult r = runCheck(arguments);
        EXPECT_EQ(std::tuple(r.status, r.out, r.err), std::tuple(0, out, "")) << arguments[0];
    }
}

} // namespace

} // namespace ordisan::tools::test
