// ordisan-check on a whole small knowledge base: the JSON document and the human form,
// compared in full, and the exit status.
#include "check_runner.h"

#include <gtest/gtest.h>

namespace ordisan::tools::test {

namespace {

// Croatian letters, CR LF, a comment after text (its blank stays in the symptom), a
// lower-case marker, a JSON quote, tab and backslash, and a symptom shared by both
// syndromes.
std::string goodSyndromeFile()
{
    return cp1250("// Probna baza\r\n"
                  "Upala pluća\r\n"
                  " O-T) kašalj\r\n"
                  " O-O) povišena temperatura // uz zimicu\r\n"
                  "Šećerna bolest\r\n"
                  " o-o) žeđ\r\n"
                  " Z-T) bol \"u\"\ttrbuhu \\ jaka\r\n"
                  " O-T) kašalj\r\n");
}

// Five terms (progress after the fifth), an explanation with a lone slash, then a term
// of 501 bytes that ends the file for the reader; the last line is never read.
std::string dictionaryCutByALongLine()
{
    return cp1250("Ćelija\r\n"             //   8 bytes
                  " stanica\r\n"           //  11
                  "Čir\r\n"                //   5
                  "Đumbir\r\n"             //   8
                  " biljka/začin\r\n"      //  15
                  "Šok\r\n"                //   5
                  "Žutica\r\n")            //   8: the fifth term ends at byte 59
        + std::string(501, 'A') + "\r\n" // 503
        + "Zadnji\r\n";                  //   8: 571 bytes in all
}

TEST(CheckJson, ReportsBothFilesTheDictionaryCutByALongLineAndTheRanking)
{
    DataFolder folder;
    folder.write("podaci.cxt", goodSyndromeFile());
    folder.write("rjecnik.cxt", dictionaryCutByALongLine());

    const CheckResult result =
        runCheck({"--json", "--sex", "Z", "--present", "0", "--absent", "1", folder.path()});

    // Progress after the fifth term: 59 × 100 / 571 = 10. Scores: Upala pluća
    // (1 + 0) / 2 = 0.5, Šećerna bolest (0.5 + 0.5 + 1) / 3; weights leave 0.5 out.
    const std::string expected =
        R"({"reports":[{"call":"showProgress","percent":100},)"
        R"({"call":"showSyndromeCounts","syndromes":2,"symptoms":4,"links":5},)"
        R"({"call":"showProgress","percent":10},{"call":"showWordCount","words":5},)"
        R"({"call":"showMessage","text":"Nije očekivan tako dug izraz u liniji br.8","caption":"ERROR","icon":"none"},)"
        R"({"call":"showProgress","percent":0},{"call":"showWordCount","words":5}],)"
        R"("syndromeFile":true,"dictionaryFile":true,)"
        R"("syndromes":["Upala pluća","Šećerna bolest"],)"
        R"("symptoms":[{"text":"kašalj","sex":"O","location":"T"},)"
        R"({"text":"povišena temperatura ","sex":"O","location":"O"},)"
        R"({"text":"žeđ","sex":"O","location":"O"},)"
        R"({"text":"bol \"u\"\u0009trbuhu \\ jaka","sex":"Z","location":"T"}],)"
        R"("links":[[0,0],[1,0],[2,1],[3,1],[0,1]],)"
        R"("words":[{"term":"Ćelija","explanation":"stanica"},{"term":"Čir","explanation":""},)"
        R"({"term":"Đumbir","explanation":"biljkazačin"},{"term":"Šok","explanation":""},)"
        R"({"term":"Žutica","explanation":""}],)"
        R"("warnings":[{"kind":"slash","file":"rjecnik.cxt","line":5,)"
        R"("text":"a '/' that starts no \"//\" comment removed text; the line reads \" biljkazačin\""}],)"
        R"("diagnosis":{"sex":"Z","syndromes":[)"
        R"({"index":1,"score":0.6666667,"percent":66,"band":"above-half"},)"
        R"({"index":0,"score":0.5,"percent":50,"band":"half"}],)"
        R"("symptoms":[{"index":0,"weight":0.6666667,"percent":66,"answer":"present"},)"
        R"({"index":2,"weight":0.6666667,"percent":66,"answer":"unknown"},)"
        R"({"index":3,"weight":0.6666667,"percent":66,"answer":"unknown"},)"
        R"({"index":1,"weight":0.5,"percent":50,"answer":"absent"}]}})"
        "\n";
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(result.status, 1) << "the reader's message makes the check fail";
    EXPECT_EQ(result.err, "");
}

TEST(CheckJson, ReportsABadSymptomLineThatStopsTheSyndromeFile)
{
    DataFolder folder;
    folder.write("podaci.cxt", cp1250("// Probna baza\r\n"
                                      "Upala pluća\r\n"
                                      " O-T) kašalj\r\n"
                                      " O-O) povišena temperatura // uz zimicu\r\n"
                                      "Šećerna bolest\r\n"
                                      " o-o) žeđ\r\n"
                                      " X-T) loš redak\r\n"
                                      " O-T) mmol/L, never read\r\n"));
    folder.write("rjecnik.cxt", "Bol\r\n");

    const CheckResult result = runCheck({"--json", folder.path()});

    // The dictionary is not loaded after a failed syndrome load; what loaded is listed.
    EXPECT_TRUE(result.out.starts_with(
        R"({"reports":[{"call":"showMessage","text":"Definiran nepoznati spol u liniji 7.","caption":"GREŠKA","icon":"none"}],)"
        R"("syndromeFile":false,"dictionaryFile":null,"syndromes":["Upala pluća","Šećerna bolest"],)"))
        << result.out;
    EXPECT_TRUE(result.out.ends_with(R"("links":[[0,0],[1,0],[2,1]],"words":[],"warnings":[]})" "\n"));
    EXPECT_EQ(result.status, 1);
}

TEST(CheckHuman, PrintsCountsMessagesWarningsAndTheDiagnosisScreen)
{
    DataFolder folder;
    folder.write("podaci.cxt", goodSyndromeFile());
    folder.write("rjecnik.cxt", dictionaryCutByALongLine());

    const CheckResult result =
        runCheck({"--sex", "Z", "--present", "0", "--absent", "1", folder.path()});

    EXPECT_EQ(result.out,
              "podaci.cxt: syndromes 2, symptoms 4, links 5\n"
              "rjecnik.cxt: words 5\n"
              "rjecnik.cxt:8: ERROR: Nije očekivan tako dug izraz u liniji br.8\n"
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
              "  (66%) - bol \"u\"\ttrbuhu \\ jaka\n");
    EXPECT_EQ(result.status, 1);
}

// Open failures name no line; the dictionary is read only after the syndrome file.
TEST(CheckHuman, GivesOpenFailuresWithoutALineAndTheirOwnCaptions)
{
    const struct {
        const char* syndromeFile; // null: none
        std::string out;
    } rows[] = {
        {nullptr, "podaci.cxt: syndromes 0, symptoms 0, links 0 (load stopped)\n"
                  "rjecnik.cxt: not read\n"
                  "podaci.cxt: GREŠKA: Ne mogu otvoriti datoteku podaci.cxt\n"},
        {"A\n O-G) x\n", "podaci.cxt: syndromes 1, symptoms 1, links 1\n"
                         "rjecnik.cxt: words 0 (load stopped)\n"
                         "rjecnik.cxt: GRESKA: Ne mogu otvoriti datoteku rjecnik.cxt\n"},
    };
    for (const auto& row : rows) {
        DataFolder folder;
        if (row.syndromeFile)
            folder.write("podaci.cxt", row.syndromeFile);
        const CheckResult result = runCheck({folder.path()});
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.status, 1);
    }
}

} // namespace

} // namespace ordisan::tools::test
