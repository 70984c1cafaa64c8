// Case files: reading their lines, matching them against a knowledge base, and a
// diagnosis written as one and read back.
#include "cases/case_file_match.h"
#include "cases/case_file_writer.h"
#include "knowledge_base_builder.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace ordisan {

void PrintTo(const CaseFileError& e, std::ostream* os)
{
    *os << "line " << e.line << ": " << caseFileErrorText(e, croatianCaseFileWording());
}

namespace test {
namespace {

using M = CaseFileMessage;

// Every fault the reading finds, with its line and arguments, and none other.
TEST(CaseFileReader, EveryFaultWithItsLineAndArguments)
{
    const std::string gripa = "SLUCAJ: Gripa\nSPOL: M\n";
    const struct {
        std::string file; // UTF-8, read as code page 1250
        CaseFileError error;
    } rows[] = {
        {gripa + "kašalj\n", {3, M::NoKey, {cp1250("kašalj")}}},
        {gripa + "SIMPTOM: kašalj\n", {3, M::UnknownKey, {"SIMPTOM"}}},
        {"// prvi\nDA: kašalj\n" + gripa, {2, M::OutsideCase, {"DA"}}},
        {"SLUCAJ:   \nSPOL: M\n", {1, M::NoSyndromeGiven}},
        {gripa + "NE:\n", {3, M::NoSymptomGiven}},
        {gripa + "SPOL: M\n", {3, M::SexTwice}},
        {"SLUCAJ: Gripa\nSPOL: m\n", {2, M::BadSex, {"m"}}},
        {gripa + "DOB: 40\nDOB: 41\n", {4, M::AgeTwice}},
        {gripa + "DOB: -5\n", {3, M::BadAge, {"-5"}}},
        {gripa + "DOB: +5\n", {3, M::BadAge, {"+5"}}},
        {gripa + "DOB: 12 godina\n", {3, M::BadAge, {"12 godina"}}},
        {gripa + "DOB: 4294967296\n", {3, M::BadAge, {"4294967296"}}},
        {gripa + "DOB:\n", {3, M::BadAge, {""}}},
        {gripa + "MJESTO: 2\nMJESTO: 2\n", {4, M::WithinTwice}},
        {"SLUCAJ: Gripa\nDA: kašalj\n", {1, M::NoSex}},
        {gripa + "DA: kašalj\nNE: kihanje\nNE: kašalj\n",
         {5, M::PresentAndAbsent, {cp1250("kašalj"), "3"}}},
        {gripa + std::string("DA: ka\0x\n", 9), {3, M::NulByte}},
        {gripa + "DA: " + std::string(600, 'x') + "\n", {3, M::LineTooLong, {"500"}}},
        {"// samo komentar\n\n", {0, M::NoCase}},
        // CR line breaks count as the data files' do.
        {gripa + "// x\r\r\nSLUCAJ: Prehlada\rSPOL: Q\r", {6, M::BadSex, {"Q"}}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(readCaseFile(cp1250(row.file)).errors, std::vector<CaseFileError>{row.error})
            << row.file;
}

TEST(CaseFileReader, ReadsCasesAcrossLineBreaksCommentsAndBlanks)
{
    const CaseFileText file = readCaseFile(cp1250(
        "// Dva slučaja\r\nSLUCAJ:  Gripa  \r\nSPOL: Z\r\n\r\n  DOB:  004294967295 \r\n"
        "DA: povišena temperatura // od jučer\nNE:\tkašalj\rMJESTO: 2\n"
        "SLUCAJ: Prehlada\nDA: kihanje\nSPOL: M"));
    ASSERT_TRUE(file.errors.empty());
    ASSERT_EQ(file.cases.size(), 2u);
    const CaseText& first = file.cases[0];
    EXPECT_EQ(first.line, 2);
    EXPECT_EQ(first.syndrome, "Gripa");
    EXPECT_EQ(first.sex, SEX_FEMALE);
    EXPECT_EQ(first.age, 4294967295u);
    EXPECT_EQ(first.within, "2");
    ASSERT_EQ(first.answers.size(), 2u);
    EXPECT_EQ(first.answers[0].line, 6);
    EXPECT_TRUE(first.answers[0].present);
    EXPECT_EQ(first.answers[0].text, cp1250("povišena temperatura"));
    EXPECT_EQ(first.answers[1].line, 7);
    EXPECT_FALSE(first.answers[1].present);
    EXPECT_EQ(first.answers[1].text, cp1250("kašalj"));
    const CaseText& second = file.cases[1];
    EXPECT_EQ(second.line, 9);
    EXPECT_EQ(second.sex, SEX_MALE);
    EXPECT_FALSE(second.age);
    EXPECT_FALSE(second.within);
    EXPECT_EQ(second.answers.size(), 1u);
}

// Gripa has three symptoms, Prehlada two, Torzija testisa two for men only; "bol"
// stands for two symptoms, one of them for women only.
std::unique_ptr<KnowledgeBase> clinic()
{
    KnowledgeBaseBuilder b;
    const int temperature = b.symptom(cp1250("povišena temperatura").c_str());
    const int cough = b.symptom(cp1250("kašalj").c_str(), SEX_BOTH, LOC_TRUNK);
    const int sneezing = b.symptom("kihanje", SEX_BOTH, LOC_HEAD);
    const int testis = b.symptom("bolan testis", SEX_MALE, LOC_TRUNK);
    const int nausea = b.symptom(cp1250("mučnina").c_str(), SEX_MALE);
    const int pain = b.symptom("bol", SEX_BOTH, LOC_TRUNK);
    const int painFemale = b.symptom("bol", SEX_FEMALE, LOC_LIMBS);
    const int flu = b.syndrome("Gripa");
    const int cold = b.syndrome("Prehlada ");
    const int torsion = b.syndrome("Torzija testisa");
    for (const auto& [i, j] : {std::pair{flu, temperature}, {flu, cough}, {flu, pain},
                               {cold, sneezing}, {cold, cough}, {cold, painFemale},
                               {torsion, testis}, {torsion, nausea}})
        b.link(i, j);
    return b.take();
}

TEST(CaseFileMatch, ListsWhatTheKnowledgeBaseLacksAndKeepsTheRest)
{
    const auto kb = clinic();
    const std::string gripa = "SLUCAJ: Gripa\nSPOL: M\n";
    const struct {
        std::string file; // bytes as they are
        CaseFileError error;
    } rows[] = {
        {"SLUCAJ: Grippa\nSPOL: M\n", {1, M::UnknownSyndrome, {"Grippa", "Gripa"}, {M::ClosestIs}}},
        {gripa + "DA: Kasalj\n",
         {3, M::UnknownSymptom, {"Kasalj", cp1250("kašalj")}, {M::ClosestIs}}},
        {gripa + "DA: ka\xC5\xA1" "alj\n", // "š" in UTF-8
         {3, M::UnknownSymptom, {"ka\xC5\xA1" "alj", cp1250("kašalj")},
          {M::ClosestIs, M::SavedAsUtf8}}},
        {"SLUCAJ: Prehlada\nSPOL: Z\nDA: kihanje\nNE: " + cp1250("mučnina") + "\n",
         {4, M::MaleSymptomInFemaleCase, {cp1250("mučnina")}}},
        {gripa + "DA: kihanje\nDA: bolan testis\nSLUCAJ: Prehlada\nSPOL: Z\nNE: bolan testis\n",
         {7, M::MaleSymptomInFemaleCase, {"bolan testis"}}},
        {gripa + "MJESTO: 0\n", {3, M::BadWithin, {"3", "0"}}},
        {gripa + "MJESTO: 4\n", {3, M::BadWithin, {"3", "4"}}},
        {gripa + "MJESTO: prvo\n", {3, M::BadWithin, {"3", "prvo"}}},
    };
    for (const auto& row : rows) {
        const CaseFileText text = readCaseFile(row.file);
        ASSERT_TRUE(text.errors.empty()) << row.file;
        EXPECT_EQ(matchCaseFile(text, *kb).errors, std::vector<CaseFileError>{row.error})
            << row.file;
    }

    // Opened partly: the known texts answered, a text for several symptoms answering
    // those that apply; for a woman "bol" is both of them.
    const MatchedCaseFile partly = matchCaseFile(
        readCaseFile("SLUCAJ: Prehlada\nSPOL: Z\nDOB: 30\nMJESTO: 2\nDA: bol\nDA: nema ga\n"
                     "NE: kihanje\nSLUCAJ: Nema je\nSPOL: M\nDA: bol\n"),
        *kb);
    EXPECT_EQ(partly.errors.size(), 2u);
    ASSERT_EQ(partly.cases.size(), 2u);
    EXPECT_EQ(partly.cases[0].syndrome, 1);
    EXPECT_EQ(partly.cases[0].sex, SEX_FEMALE);
    EXPECT_EQ(partly.cases[0].age, 30u);
    EXPECT_EQ(partly.cases[0].within, 2);
    EXPECT_EQ(partly.cases[0].present, (std::vector<int>{5, 6}));
    EXPECT_EQ(partly.cases[0].absent, (std::vector<int>{2}));
    EXPECT_EQ(partly.cases[1].syndrome, -1);
    EXPECT_EQ(partly.cases[1].present, (std::vector<int>{5}));
    // Entered after another patient, a case without DOB has no age: not the last one's.
    DiagnosisCase diagnosis(*kb);
    diagnosis.setAge(61);
    enterCase(diagnosis, partly.cases[1]);
    EXPECT_EQ(diagnosis.age(), 0u);
    EXPECT_EQ(diagnosis.sex(), SEX_MALE);

    const auto empty = std::make_unique<KnowledgeBase>();
    EXPECT_EQ(matchCaseFile(readCaseFile(gripa), *empty).errors,
              std::vector<CaseFileError>{
                  CaseFileError(1, M::UnknownSyndrome, {"Gripa", ""}, {M::NoneLoaded})});
}

TEST(CaseFileMessages, TheProgramSaysThemInCroatianWithTheirArguments)
{
    const CaseFileError error{3, M::UnknownSymptom, {"ka\xC5\xA1" "alj", "ka\x9A" "alj"},
                              {M::ClosestIs, M::SavedAsUtf8}};
    EXPECT_EQ(caseFileErrorText(error, croatianCaseFileWording()),
              cp1250("baza znanja nema simptom \"ka") + "\xC5\xA1" "alj"
                  + cp1250("\"; najsličniji je \"kašalj\"; datoteka je vjerojatno spremljena "
                           "kao UTF-8, a ne u kodnoj stranici 1250"));
    EXPECT_EQ(caseFileErrorText({5, M::PresentAndAbsent, {"x", "3"}}, croatianCaseFileWording()),
              "simptom \"x\" je i prisutan i odsutan (redak 3)");
}

// A saved case reads back as the same case, as a regression case would be run.
TEST(CaseFileWriter, ASavedCaseReadsBackTheSame)
{
    const auto kb = clinic();
    DiagnosisCase diagnosis(*kb);
    diagnosis.setSex(SEX_FEMALE);
    diagnosis.setAge(37);
    diagnosis.start();
    diagnosis.setAnswer(2, ANSWER_PRESENT);
    diagnosis.setAnswer(5, ANSWER_PRESENT);
    diagnosis.setAnswer(6, ANSWER_PRESENT); // the same text as 5: written once
    diagnosis.setAnswer(1, ANSWER_ABSENT);
    diagnosis.rank(); // the men's symptoms become absent, yet are no answers
    diagnosis.setAnswer(0, ANSWER_PRESENT); // since the ranking: saved all the same

    const std::string bytes = writeCaseFile(diagnosis);
    EXPECT_EQ(bytes, cp1250("// Liječnik upisuje konačnu dijagnozu u redak SLUCAJ; ondje je sada "
                            "prvi sindrom rangiranja.\r\nSLUCAJ: Prehlada\r\nSPOL: Z\r\nDOB: 37\r\n"
                            "DA: povišena temperatura\r\nNE: kašalj\r\nDA: kihanje\r\nDA: bol\r\n"));
    const CaseFileText text = readCaseFile(bytes);
    const MatchedCaseFile read = matchCaseFile(text, *kb);
    EXPECT_TRUE(text.errors.empty());
    EXPECT_TRUE(read.errors.empty());
    ASSERT_EQ(read.cases.size(), 1u);
    EXPECT_EQ(read.cases[0].syndrome, diagnosis.firstSyndrome());
    EXPECT_EQ(read.cases[0].sex, SEX_FEMALE);
    EXPECT_EQ(read.cases[0].age, 37u);
    EXPECT_EQ(read.cases[0].present, (std::vector<int>{0, 2, 5, 6}));
    EXPECT_EQ(read.cases[0].absent, (std::vector<int>{1}));
}

} // namespace
} // namespace test
} // namespace ordisan
