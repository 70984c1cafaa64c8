// Checks over the knowledge base and dictionary that ship in data/: the files are
// well-formed code page 1250 text, load without a message, reach the record whole,
// follow the authoring rules that make the ranking meaningful, and rank textbook
// cases the way a doctor would.
#include "engine/ranking_engine.h"
#include "knowledge/file_access.h"
#include "knowledge/knowledge_base.h"
#include "knowledge/line_reader.h"
#include "knowledge/load_reporter.h"
#include "knowledge/loaders.h"

#include <gtest/gtest.h>

#include "test_files.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace ordisan {
namespace {

// ----------------------------------------------------------------------------------
// Helpers

using test::cp1250;

class RecordingReporter : public LoadReporter {
public:
    void showMessage(const char* text, const char* caption, int icon) override
    {
        messages.push_back(std::string(caption) + ": " + text + " (" + std::to_string(icon) + ")");
    }
    void showProgress(int) override {}
    void showSyndromeCounts(int syndromes, int symptoms, int links) override
    {
        lastCounts = {syndromes, symptoms, links};
    }
    void showWordCount(int words) override { lastWordCount = words; }

    std::vector<std::string> messages;
    std::vector<int> lastCounts;
    int lastWordCount = -1;
};

std::string dataPath(const char* name)
{
    return std::string(ORDISAN_DATA_DIR) + "/" + name;
}

std::string fileBytes(const char* name)
{
    std::ifstream in(dataPath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The physical lines of a file whose every line ends in CR LF.
std::vector<std::string> physicalLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

// The lines an author meant as content: neither empty nor a // comment.
std::vector<std::string> contentLines(const char* name)
{
    std::vector<std::string> lines;
    for (const std::string& line : physicalLines(fileBytes(name))) {
        if (!line.empty() && !line.starts_with("//"))
            lines.push_back(line);
    }
    return lines;
}

// Both shipped files, loaded once through the program's own loaders.
struct LoadedSample {
    std::unique_ptr<KnowledgeBase> kb = std::make_unique<KnowledgeBase>();
    RecordingReporter reporter;
    bool syndromesLoaded = false;
    bool dictionaryLoaded = false;

    LoadedSample()
    {
        FileAccess files(ORDISAN_DATA_DIR);
        LineReader reader(files);
        syndromesLoaded = loadSyndromeFile(*kb, reader, reporter);
        dictionaryLoaded = syndromesLoaded && loadDictionaryFile(*kb, reader, reporter);
    }
};

LoadedSample& sample()
{
    static LoadedSample loaded;
    return loaded;
}

std::vector<int> symptomsWithText(const KnowledgeBase& kb, const std::string& text)
{
    std::vector<int> found;
    for (int j = 0; j < kb.symptomCount; ++j) {
        if (text == kb.symptoms[j].text)
            found.push_back(j);
    }
    return found;
}

int syndromeNamed(const KnowledgeBase& kb, const std::string& name)
{
    for (int i = 0; i < kb.syndromeCount; ++i) {
        if (name == kb.syndromes[i].name)
            return i;
    }
    return -1;
}

std::vector<int> linkCountPerSymptom(const KnowledgeBase& kb)
{
    std::vector<int> count(static_cast<std::size_t>(kb.symptomCount), 0);
    for (int l = 0; l < kb.linkCount; ++l)
        ++count[static_cast<std::size_t>(kb.links[l].symptom)];
    return count;
}

// ----------------------------------------------------------------------------------
// The bytes of both files

class SampleFileBytes : public testing::TestWithParam<const char*> {};

TEST_P(SampleFileBytes, EveryLineEndsInCrLfIncludingTheLast)
{
    const std::string bytes = fileBytes(GetParam());
    ASSERT_FALSE(bytes.empty()) << dataPath(GetParam());
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    std::size_t lineBreaks = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at byte " << i;
            ++lineBreaks;
        } else if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
        }
    }
    EXPECT_EQ(physicalLines(bytes).size(), lineBreaks);
}

TEST_P(SampleFileBytes, HoldsOnlyTextOfCodePage1250)
{
    // NUL would end a line early; the five bytes are unassigned in code page 1250.
    const std::string forbidden("\0\x81\x83\x88\x90\x98", 6);
    const std::string bytes = fileBytes(GetParam());
    const std::size_t at = bytes.find_first_of(forbidden);
    EXPECT_EQ(at, std::string::npos) << "byte " << at;
    EXPECT_EQ(bytes.find('\t'), std::string::npos) << "a tab indents nothing: only blanks do";
}

TEST_P(SampleFileBytes, SlashesStandOnlyInCommentLines)
{
    // The reader drops a lone '/' and cuts a line at the second one.
    for (const std::string& line : physicalLines(fileBytes(GetParam()))) {
        if (!line.starts_with("//")) {
            EXPECT_EQ(line.find('/'), std::string::npos) << line;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedFiles, SampleFileBytes,
                         testing::Values(SYNDROME_FILE_NAME, DICTIONARY_FILE_NAME),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(0, std::strlen(info.param) - 4);
                         });

// ----------------------------------------------------------------------------------
// The knowledge base as loaded

TEST(SampleLoad, BothFilesLoadWithoutAnyMessage)
{
    const LoadedSample& s = sample();
    EXPECT_TRUE(s.syndromesLoaded);
    EXPECT_TRUE(s.dictionaryLoaded);
    EXPECT_EQ(s.reporter.messages, std::vector<std::string>{});
    const std::vector<int> counts{s.kb->syndromeCount, s.kb->symptomCount, s.kb->linkCount};
    EXPECT_EQ(s.reporter.lastCounts, counts);
    EXPECT_EQ(s.reporter.lastWordCount, s.kb->wordCount);
}

TEST(SampleKnowledge, EverySyndromeAndSymptomLineReachesTheRecordWhole)
{
    const KnowledgeBase& kb = *sample().kb;
    int syndrome = -1;
    int link = 0;
    for (const std::string& line : contentLines(SYNDROME_FILE_NAME)) {
        if (line[0] != ' ') {
            ++syndrome;
            ASSERT_LT(syndrome, kb.syndromeCount) << line;
            EXPECT_EQ(line, kb.syndromes[syndrome].name);
            continue;
        }
        // One blank, the four-byte marker, one blank, the text.
        ASSERT_GT(line.size(), 6u) << line;
        ASSERT_EQ(line.substr(2, 1) + line.substr(4, 2), "-) ") << line;
        ASSERT_NE(line[6], ' ') << line;
        ASSERT_LT(link, kb.linkCount) << line;
        const SymptomLink& l = kb.links[link++];
        EXPECT_EQ(l.syndrome, syndrome) << line;
        const SymptomRecord& s = kb.symptoms[l.symptom];
        EXPECT_EQ(line.substr(6), s.text);
        EXPECT_EQ(std::string("?MZO").at(static_cast<std::size_t>(s.sex)), line[1]) << line;
        EXPECT_EQ(std::string("?GTUO").at(static_cast<std::size_t>(s.location)), line[3]) << line;
    }
    EXPECT_EQ(syndrome + 1, kb.syndromeCount);
    EXPECT_EQ(link, kb.linkCount);
}

TEST(SampleKnowledge, HasAtLeastFortySyndromesOfFiveToTwelveSymptoms)
{
    const KnowledgeBase& kb = *sample().kb;
    EXPECT_GE(kb.syndromeCount, 40);
    std::vector<int> perSyndrome(static_cast<std::size_t>(kb.syndromeCount), 0);
    for (int l = 0; l < kb.linkCount; ++l)
        ++perSyndrome[static_cast<std::size_t>(kb.links[l].syndrome)];
    for (int i = 0; i < kb.syndromeCount; ++i) {
        EXPECT_GE(perSyndrome[i], 5) << kb.syndromes[i].name;
        EXPECT_LE(perSyndrome[i], 12) << kb.syndromes[i].name;
    }
}

TEST(SampleKnowledge, NoSymptomIsListedTwiceUnderOneSyndrome)
{
    const KnowledgeBase& kb = *sample().kb;
    std::set<std::pair<int, int>> seen;
    for (int l = 0; l < kb.linkCount; ++l) {
        EXPECT_TRUE(seen.insert({kb.links[l].syndrome, kb.links[l].symptom}).second)
            << kb.syndromes[kb.links[l].syndrome].name << ": " << kb.symptoms[kb.links[l].symptom].text;
    }
}

TEST(SampleKnowledge, AQuarterOfAllLinksGoToSharedSymptoms)
{
    const KnowledgeBase& kb = *sample().kb;
    const std::vector<int> links = linkCountPerSymptom(kb);
    int shared = 0;
    for (int l = 0; l < kb.linkCount; ++l)
        shared += links[static_cast<std::size_t>(kb.links[l].symptom)] > 1 ? 1 : 0;
    EXPECT_GE(shared * 4, kb.linkCount) << shared << " of " << kb.linkCount;
}

TEST(SampleKnowledge, OneTextNeverStandsForTwoSymptoms)
{
    // The same words with other letters would split one finding into two questions.
    const KnowledgeBase& kb = *sample().kb;
    std::map<std::string, int> firstWithText;
    for (int j = 0; j < kb.symptomCount; ++j) {
        EXPECT_TRUE(firstWithText.emplace(kb.symptoms[j].text, j).second) << kb.symptoms[j].text;
    }
}

TEST(SampleKnowledge, UsesEverySexAndLocationLetter)
{
    const KnowledgeBase& kb = *sample().kb;
    std::set<SexCode> sexes;
    std::set<LocationCode> locations;
    for (int j = 0; j < kb.symptomCount; ++j) {
        sexes.insert(kb.symptoms[j].sex);
        locations.insert(kb.symptoms[j].location);
    }
    EXPECT_EQ(sexes, (std::set<SexCode>{SEX_MALE, SEX_FEMALE, SEX_BOTH}));
    EXPECT_EQ(locations, (std::set<LocationCode>{LOC_HEAD, LOC_TRUNK, LOC_LIMBS, LOC_OTHER}));
}

TEST(SampleKnowledge, ASyndromeMeantForOneSexHasOnlyThatSexsSymptoms)
{
    // A syndrome is scored only on the symptoms that apply to the patient. One meant
    // for one sex (most of its symptoms bound to that sex) that also carried a common
    // symptom would be scored for the other sex on that symptom alone.
    const KnowledgeBase& kb = *sample().kb;
    int male = 0;
    int female = 0;
    for (int i = 0; i < kb.syndromeCount; ++i) {
        std::map<SexCode, int> links;
        for (int l = 0; l < kb.linkCount; ++l) {
            if (kb.links[l].syndrome == i)
                ++links[kb.symptoms[kb.links[l].symptom].sex];
        }
        if (links[SEX_MALE] + links[SEX_FEMALE] <= links[SEX_BOTH])
            continue;
        EXPECT_EQ(links[SEX_BOTH], 0) << kb.syndromes[i].name;
        EXPECT_TRUE(links[SEX_MALE] == 0 || links[SEX_FEMALE] == 0) << kb.syndromes[i].name;
        male += links[SEX_MALE] > 0 ? 1 : 0;
        female += links[SEX_FEMALE] > 0 ? 1 : 0;
    }
    EXPECT_GE(male, 1);
    EXPECT_GE(female, 1);
}

// ----------------------------------------------------------------------------------
// The dictionary as loaded

TEST(SampleDictionary, EveryTermAndExplanationReachesTheRecordWhole)
{
    const KnowledgeBase& kb = *sample().kb;
    const std::vector<std::string> lines = contentLines(DICTIONARY_FILE_NAME);
    ASSERT_EQ(lines.size() % 2, 0u) << "a term without its explanation line";
    ASSERT_EQ(static_cast<int>(lines.size() / 2), kb.wordCount);
    for (std::size_t k = 0; k < lines.size(); k += 2) {
        const DictionaryEntry& entry = kb.words[k / 2];
        const std::string& term = lines[k];
        const std::string& explanation = lines[k + 1];
        ASSERT_NE(term[0], ' ') << term;
        ASSERT_TRUE(explanation.starts_with(" ") && explanation.size() > 1 && explanation[1] != ' ')
            << term << " needs one explanation line, indented by one blank";
        EXPECT_EQ(term, entry.term);
        EXPECT_EQ(explanation.substr(1), entry.explanation);
        EXPECT_NE(term.back(), ' ') << term;
        EXPECT_NE(explanation.back(), ' ') << term;
    }
}

TEST(SampleDictionary, HasAtLeastOneHundredFiftyDistinctTerms)
{
    const KnowledgeBase& kb = *sample().kb;
    EXPECT_GE(kb.wordCount, 150);
    std::set<std::string> terms;
    for (int w = 0; w < kb.wordCount; ++w)
        EXPECT_TRUE(terms.insert(kb.words[w].term).second) << kb.words[w].term;
}

TEST(SampleDictionary, EveryTermStartsWithACapitalOfTheCroatianAlphabet)
{
    const KnowledgeBase& kb = *sample().kb;
    const std::string capitals = cp1250("ABCČĆDĐEFGHIJKLMNOPQRSŠTUVWXYZŽ");
    std::set<std::string> initials;
    for (int w = 0; w < kb.wordCount; ++w) {
        const std::string term = kb.words[w].term;
        EXPECT_NE(capitals.find(term[0]), std::string::npos) << term;
        initials.insert(term.substr(0, 1));
        if (term.starts_with("Lj") || term.starts_with("Nj") || term.starts_with(cp1250("Dž")))
            initials.insert(term.substr(0, 2));
    }
    for (const char* letter : {"Č", "Ć", "Đ", "Š", "Ž", "Lj", "Nj"})
        EXPECT_TRUE(initials.contains(cp1250(letter))) << "no term under " << letter;
}

// ----------------------------------------------------------------------------------
// Clinical vignettes: a case as a doctor reports it, and the syndrome it describes.

struct Vignette {
    const char* name;
    SexCode sex;
    std::vector<const char*> present;
    std::vector<const char*> absent;
    const char* syndrome;
};

void PrintTo(const Vignette& v, std::ostream* os)
{
    *os << v.name;
}

const Vignette VIGNETTES[] = {
    {"AppendicitisInAYoungMan", SEX_MALE,
     {"bol oko pupka koja se seli u desni donji kvadrant trbuha", "bol u desnom donjem kvadrantu trbuha",
      "bolnost pri naglom otpuštanju pritiska na trbuh", "mučnina", "gubitak apetita",
      "povišena tjelesna temperatura"},
     {"proljev", "peckanje pri mokrenju"},
     "Akutni apendicitis"},
    {"PneumoniaInAnOlderWoman", SEX_FEMALE,
     {"povišena tjelesna temperatura", "zimica i tresavica", "kašalj s iskašljavanjem gnojnog sputuma",
      "bol u prsima koja se pojačava pri udisaju", "hropci pri slušanju pluća"},
     {"piskanje pri disanju", "jednostrano oticanje potkoljenice"},
     "Pneumonija"},
    {"MigraineWithAura", SEX_FEMALE,
     {"glavobolja", "jednostrana pulsirajuća glavobolja", "mučnina", "preosjetljivost na svjetlo",
      "preosjetljivost na buku", "treperava svjetla ili cik-cak linije u vidnom polju prije glavobolje"},
     {"povišena tjelesna temperatura", "ukočenost vrata"},
     "Migrena"},
    {"CystitisInAYoungWoman", SEX_FEMALE,
     {"peckanje pri mokrenju", "učestalo mokrenje malih količina", "hitan nagon na mokrenje",
      "bol iznad preponske kosti"},
     {"povišena tjelesna temperatura", "bol u slabinskom dijelu leđa", "gnojni iscjedak iz rodnice",
      "svrbež i peckanje rodnice i stidnice"},
     "Infekcija mokraćnog sustava (akutni cistitis)"},
    {"HypothyroidismInAMiddleAgedWoman", SEX_FEMALE,
     {"umor i malaksalost", "nepodnošenje hladnoće", "porast tjelesne težine", "zatvor stolice",
      "suha i hrapava koža", "opadanje kose"},
     {"ubrzan rad srca", "nenamjerni gubitak tjelesne težine"},
     "Hipotireoza"},
    {"TesticularTorsionInATeenager", SEX_MALE,
     {"nagla jaka bol u testisu", "bolno otečen testis", "visoko i poprečno položen testis",
      "izostanak kremasterskog refleksa"},
     {"iscjedak iz mokraćne cijevi", "povišena tjelesna temperatura"},
     "Torzija testisa"},
    {"EctopicPregnancy", SEX_FEMALE,
     {"izostanak menstruacije", "pozitivan test na trudnoću", "jednostrana bol u donjem dijelu trbuha",
      "oskudno krvarenje iz rodnice"},
     {"povišena tjelesna temperatura", "gnojni iscjedak iz rodnice"},
     "Ektopična trudnoća"},
    {"MyocardialInfarctionInASmoker", SEX_MALE,
     {"stežuća bol iza prsne kosti", "bol koja se širi u lijevu ruku, vrat ili donju čeljust",
      "bol u prsima dulja od 20 minuta koja ne prolazi u mirovanju", "hladan i ljepljiv znoj", "mučnina",
      "dugogodišnje pušenje cigareta"},
     {"bol u prsima koja se pojačava pri udisaju", "bol u prsima pri naporu koja prolazi u mirovanju"},
     "Akutni infarkt miokarda"},
    {"Type2Diabetes", SEX_MALE,
     {"pojačana žeđ", "učestalo mokrenje velikih količina mokraće", "umor i malaksalost", "pretilost",
      "trnci i žarenje u stopalima", "glukoza u krvi natašte 7 mmol po litri ili viša"},
     {"peckanje pri mokrenju"},
     "Šećerna bolest tipa 2"},
    {"StreptococcalSoreThroatInABoy", SEX_MALE,
     {"grlobolja", "bol pri gutanju", "povišena tjelesna temperatura",
      "crveni otečeni krajnici s bijelim naslagama", "povećani i bolni limfni čvorovi na vratu",
      "pozitivan brzi test na streptokok"},
     {"suhi kašalj", "curenje iz nosa"},
     "Streptokokni tonzilofaringitis"},
    {"RenalColic", SEX_MALE,
     {"grčevita bol u slabini koja se širi prema preponi", "bol u slabinskom dijelu leđa",
      "nemir i nemogućnost nalaženja udobnog položaja", "krv u mokraći", "mučnina"},
     {"povišena tjelesna temperatura", "peckanje pri mokrenju"},
     "Bubrežni kamenci (bubrežna kolika)"},
    {"BronchiolitisInAnInfant", SEX_MALE,
     {"curenje iz nosa", "suhi kašalj", "piskanje pri disanju", "ubrzano disanje",
      "uvlačenje međurebrenih prostora pri disanju", "dojenče slabije siše i jede",
      "dijete mlađe od dvije godine"},
     {"lavežni kašalj"},
     "Akutni bronhiolitis"},
    {"IschaemicStrokeWithAtrialFibrillation", SEX_FEMALE,
     {"nagla slabost ruke i noge iste strane tijela", "nagli spušteni kut usana na jednoj strani",
      "nagli poremećaj govora", "nepravilan rad srca", "povišen krvni tlak u ponovljenim mjerenjima",
      "dob iznad 60 godina"},
     {"povišena tjelesna temperatura", "ukočenost vrata"},
     "Ishemijski moždani udar"},
    {"AcuteGout", SEX_MALE,
     {"nagla jaka bol u zglobu nožnog palca", "otok zgloba", "crvenilo i toplina kože nad zglobom",
      "zglob bolan i na najlakši dodir", "prekomjerno pijenje alkohola"},
     {"jutarnja zakočenost zglobova dulja od jednog sata"},
     "Akutni napadaj gihta"},
    {"BacterialMeningitis", SEX_MALE,
     {"povišena tjelesna temperatura", "glavobolja", "ukočenost vrata", "preosjetljivost na svjetlo",
      "povraćanje", "sitne tamnocrvene mrlje na koži koje ne blijede na pritisak"},
     {"treperava svjetla ili cik-cak linije u vidnom polju prije glavobolje"},
     "Bakterijski meningitis"},
    {"AcuteProstatitis", SEX_MALE,
     {"povišena tjelesna temperatura", "zimica i tresavica", "peckanje pri mokrenju", "bol u međici",
      "otežan početak mokrenja", "slab i isprekidan mlaz mokraće",
      "jako bolna i topla prostata pri rektalnom pregledu"},
     {"bolno otečen testis"},
     "Akutni prostatitis"},
    {"IronDeficiencyAnaemiaWithHeavyPeriods", SEX_FEMALE,
     {"umor i malaksalost", "bljedilo kože i sluznica", "zaduha pri naporu", "lomljivi nokti",
      "obilne menstruacije", "snižen hemoglobin u krvi"},
     {"crna katranasta stolica"},
     "Sideropenična anemija"},
    {"PulmonaryEmbolismOnThePill", SEX_FEMALE,
     {"zaduha", "bol u prsima koja se pojačava pri udisaju", "ubrzan rad srca",
      "jednostrano oticanje potkoljenice", "nedavna operacija, dulje ležanje ili dugo putovanje",
      "uzimanje hormonske kontracepcije"},
     {"povišena tjelesna temperatura", "kašalj s iskašljavanjem gnojnog sputuma"},
     "Plućna embolija"},
    {"ChickenpoxInAGirl", SEX_FEMALE,
     {"svrbež kože", "osip s mjehurićima i krastama u različitim stadijima", "osip koji počinje na trupu i licu",
      "povišena tjelesna temperatura", "kontakt s oboljelim od vodenih kozica"},
     {"grlobolja"},
     "Vodene kozice (varičela)"},
    {"Menopause", SEX_FEMALE,
     {"navale vrućine s crvenilom lica i znojenjem", "rijetke i neredovite menstruacije", "suhoća rodnice",
      "buđenje noću zbog navala vrućine i znojenja", "promjene raspoloženja i razdražljivost",
      "žena u dobi od 45 do 55 godina"},
     {"pozitivan test na trudnoću"},
     "Klimakterijski sindrom"},
    {"ParkinsonsDisease", SEX_MALE,
     {"drhtanje ruke u mirovanju", "usporenost pokreta", "ukočenost mišića udova",
      "hod sitnim koracima uz smanjeno njihanje ruku", "bezizražajno lice", "sve sitniji rukopis",
      "dob iznad 60 godina"},
     {"nagla slabost ruke i noge iste strane tijela"},
     "Parkinsonova bolest"},
    {"OtitisMediaInAToddler", SEX_FEMALE,
     {"bol u uhu", "razdražljivo dijete koje se hvata za uho", "povišena tjelesna temperatura",
      "curenje iz nosa", "crven i izbočen bubnjić pri otoskopiji"},
     {"iscjedak iz uha"},
     "Akutna upala srednjeg uha"},
    {"RefluxWithoutAlarmSigns", SEX_MALE,
     {"žgaravica", "žgaravica koja se pojačava u ležanju i pri saginjanju", "vraćanje kiselog sadržaja u usta",
      "suhi kašalj"},
     {"crna katranasta stolica", "otežano gutanje", "nenamjerni gubitak tjelesne težine"},
     "Gastroezofagealna refluksna bolest"},
    {"InfluenzaInAnEpidemic", SEX_FEMALE,
     {"nagli početak bolesti s visokom temperaturom", "povišena tjelesna temperatura", "zimica i tresavica",
      "bolovi u mišićima", "glavobolja", "suhi kašalj", "umor i malaksalost", "bolest u vrijeme epidemije gripe"},
     {"kašalj s iskašljavanjem gnojnog sputuma", "hropci pri slušanju pluća"},
     "Influenca (gripa)"},
    {"MononucleosisWithANegativeStrepTest", SEX_MALE,
     {"grlobolja", "povišena tjelesna temperatura", "umor i malaksalost",
      "povećani limfni čvorovi na stražnjoj strani vrata", "povećana slezena", "osip nakon uzimanja amoksicilina"},
     {"pozitivan brzi test na streptokok"},
     "Infektivna mononukleoza"},
    {"CholecystitisAfterAFattyMeal", SEX_FEMALE,
     {"bol ispod desnog rebrenog luka", "bol nastala nakon obilnog masnog obroka",
      "bol koja se širi prema desnoj lopatici i desnom ramenu",
      "bolan prekid udaha pri pritisku ispod desnog rebrenog luka", "povišena tjelesna temperatura", "mučnina",
      "poznati žučni kamenci"},
     {"žuta boja kože i bjeloočnica"},
     "Akutni kolecistitis"},
    {"DeepVeinThrombosisAfterSurgery", SEX_MALE,
     {"jednostrano oticanje potkoljenice", "bol u listu noge", "crvenilo i toplina kože potkoljenice",
      "nedavna operacija, dulje ležanje ili dugo putovanje"},
     {"zaduha", "bol u prsima koja se pojačava pri udisaju"},
     "Duboka venska tromboza"},
    {"SciaticaAfterLifting", SEX_MALE,
     {"bol u križima", "bol koja se širi niz stražnju stranu noge ispod koljena", "trnci i utrnulost u jednoj nozi",
      "bol u križima koja se pojačava pri kašlju i kihanju", "bol u nozi pri podizanju ispružene noge",
      "početak tegoba nakon podizanja tereta ili saginjanja"},
     {"povišena tjelesna temperatura", "bolnost pri blagom udarcu po slabini"},
     "Lumboishijalgija"},
    {"ShinglesInAnOlderWoman", SEX_FEMALE,
     {"žareća bol u pojasu kože na jednoj strani tijela",
      "skupine mjehurića na crvenoj podlozi u pojasu na jednoj strani tijela", "preboljele vodene kozice",
      "dob iznad 60 godina"},
     {"povišena tjelesna temperatura", "osip s mjehurićima i krastama u različitim stadijima"},
     "Herpes zoster"},
    {"Pyelonephritis", SEX_FEMALE,
     {"povišena tjelesna temperatura", "zimica i tresavica", "bol u slabinskom dijelu leđa",
      "bolnost pri blagom udarcu po slabini", "peckanje pri mokrenju", "mučnina", "leukociti i nitriti u mokraći"},
     {"grčevita bol u slabini koja se širi prema preponi"},
     "Akutni pijelonefritis"},
    {"Hyperthyroidism", SEX_FEMALE,
     {"nenamjerni gubitak tjelesne težine", "pojačan tek", "nepodnošenje vrućine", "pojačano znojenje",
      "ubrzan rad srca", "drhtanje ispruženih ruku", "nervoza i razdražljivost", "izbočene oči"},
     {"nepodnošenje hladnoće"},
     "Hipertireoza"},
    {"MeaslesInAnUnvaccinatedChild", SEX_MALE,
     {"povišena tjelesna temperatura", "suhi kašalj", "curenje iz nosa", "suzenje i crvenilo očiju",
      "sitne bijele točke na sluznici obraza", "crveni mrljasti osip koji se širi od lica i iza ušiju prema trupu",
      "necijepljenost ili nepotpuno cijepljenje"},
     {"osip s mjehurićima i krastama u različitim stadijima"},
     "Ospice (morbili)"},
    {"CroupAtNight", SEX_MALE,
     {"lavežni kašalj", "promuklost", "piskav zvuk pri udisaju", "tegobe počinju ili se pogoršavaju noću",
      "povišena tjelesna temperatura", "curenje iz nosa"},
     {"piskanje pri disanju"},
     "Pseudokrup (akutni laringotraheitis)"},
    {"Endometriosis", SEX_FEMALE,
     {"jaki menstrualni bolovi", "bol u donjem dijelu trbuha", "bolni spolni odnos",
      "bolno pražnjenje crijeva tijekom menstruacije", "neuspjeh u postizanju trudnoće dulje od godinu dana"},
     {"pozitivan test na trudnoću", "gnojni iscjedak iz rodnice"},
     "Endometrioza"},
    {"BenignProstaticHyperplasia", SEX_MALE,
     {"slab i isprekidan mlaz mokraće", "otežan početak mokrenja", "kapanje mokraće nakon završetka mokrenja",
      "osjećaj nepotpunog pražnjenja mjehura", "učestalo noćno mokrenje",
      "povećana prostata glatke površine pri rektalnom pregledu"},
     {"povišena tjelesna temperatura", "bol u međici"},
     "Benigna hiperplazija prostate"},
    {"AsthmaInATeenager", SEX_FEMALE,
     {"piskanje pri disanju", "zaduha", "osjećaj stezanja u prsima", "noćni napadaji kašlja i zaduhe",
      "pogoršanje nakon napora, udisanja hladnog zraka ili izlaganja alergenu",
      "alergijske bolesti u osobnoj ili obiteljskoj anamnezi"},
     {"povišena tjelesna temperatura", "dugogodišnje pušenje cigareta"},
     "Bronhalna astma"},
    {"Depression", SEX_MALE,
     {"sniženo raspoloženje veći dio dana", "gubitak interesa i zadovoljstva", "nesanica", "rano jutarnje buđenje",
      "umor i malaksalost", "gubitak apetita", "tegobe traju najmanje dva tjedna"},
     {"nepodnošenje vrućine", "drhtanje ispruženih ruku"},
     "Depresija"},
};

constexpr int TOP_RANKS = 3;

class ClinicalVignette : public testing::TestWithParam<Vignette> {
protected:
    // Sets the answer of the one symptom with this text.
    void answer(const char* utf8, AnswerCode value)
    {
        KnowledgeBase& kb = *sample().kb;
        const std::vector<int> found = symptomsWithText(kb, cp1250(utf8));
        ASSERT_EQ(found.size(), 1u) << "finding not in the knowledge base: " << utf8;
        ASSERT_TRUE(SymptomApplies(kb, found[0])) << "finding of the other sex: " << utf8;
        kb.symptoms[found[0]].answer = value;
    }

    static std::string topOfRanking(const KnowledgeBase& kb)
    {
        std::ostringstream out;
        for (int r = 0; r < std::min(6, kb.syndromeCount); ++r) {
            const SyndromeRecord& s = kb.syndromes[kb.syndromeOrder[r]];
            out << "\n  " << r + 1 << ". " << PercentOf(s.score) << " % " << s.name;
        }
        return out.str();
    }
};

TEST_P(ClinicalVignette, RanksTheIntendedSyndromeAmongTheFirstThree)
{
    const Vignette& v = GetParam();
    ASSERT_TRUE(sample().syndromesLoaded);
    KnowledgeBase& kb = *sample().kb;
    const int intended = syndromeNamed(kb, cp1250(v.syndrome));
    ASSERT_GE(intended, 0) << v.syndrome;

    kb.patientSex = v.sex;
    ResetAnswers(kb);
    for (const char* finding : v.present)
        ASSERT_NO_FATAL_FAILURE(answer(finding, ANSWER_PRESENT));
    for (const char* finding : v.absent)
        ASSERT_NO_FATAL_FAILURE(answer(finding, ANSWER_ABSENT));
    ComputeScoresAndWeights(kb);
    SortSyndromes(kb);
    SortSymptoms(kb);

    const int* order = kb.syndromeOrder;
    const int rank = static_cast<int>(std::find(order, order + kb.syndromeCount, intended) - order);
    RecordProperty("rank", rank + 1);
    EXPECT_LT(rank, TOP_RANKS) << v.syndrome << " ranks " << rank + 1 << topOfRanking(kb);

    // The question recommended next is the first open symptom of the symptom order.
    const int* symptomOrder = kb.symptomOrder;
    const int* next = std::find_if(symptomOrder, symptomOrder + kb.symptomCount,
                                   [&](int j) { return kb.symptoms[j].answer == ANSWER_UNKNOWN; });
    ASSERT_NE(next, symptomOrder + kb.symptomCount) << "no open symptom left";
    const bool belongsToTop = std::any_of(kb.links, kb.links + kb.linkCount, [&](const SymptomLink& l) {
        return l.symptom == *next && std::find(order, order + TOP_RANKS, l.syndrome) != order + TOP_RANKS;
    });
    EXPECT_TRUE(belongsToTop) << "next question \"" << kb.symptoms[*next].text
                              << "\" belongs to none of the first three" << topOfRanking(kb);
}

INSTANTIATE_TEST_SUITE_P(Sample, ClinicalVignette, testing::ValuesIn(VIGNETTES),
                         [](const testing::TestParamInfo<Vignette>& info) { return info.param.name; });

} // namespace
} // namespace ordisan
