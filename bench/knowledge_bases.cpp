#include "bench/knowledge_bases.h"

#include "knowledge/dictionary_letters.h"
#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"
#include "tools/load_record.h"
#include "memory_file_access.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace ordisan::bench {

namespace {

constexpr const char* SEXES = "MZOOO"; // most symptoms concern both sexes
constexpr const char* LOCATIONS = "GTUO";

// 500 syndromes with 6 symptom lines each: 3000 links over 2000 symptoms, the first
// 2000 lines new, the last 1000 repeats of earlier ones; 1000 words under every letter
// of the dictionary.
std::unique_ptr<FileAccess> fullFiles()
{
    std::string s = "// Baza napunjena do svih granica\r\n";
    char line[128];
    for (int i = 0; i < MAX_SYNDROMES; ++i) {
        std::snprintf(line, sizeof line, "Kroni\xE8" "na bolest \x9E" "eluca broj %03d\r\n", i);
        s += line;
        for (int k = 0; k < 6; ++k) {
            const int n = i * 6 + k;
            const int j = n < MAX_SYMPTOMS ? n : (n * 7919) % MAX_SYMPTOMS;
            std::snprintf(line, sizeof line, " %c-%c) bol koja se \x9A" "iri u desnu lopaticu, %04d\r\n",
                          SEXES[j % 5], LOCATIONS[j % 4], j);
            s += line;
        }
    }
    std::string d;
    for (int w = 0; w < MAX_WORDS; ++w) {
        std::snprintf(line, sizeof line,
                      "%c pojam %04d\r\n   obja\x9A" "njenje pojma iz rje\xE8" "nika, du\x9E"
                      "ine kao u primjeru %04d\r\n",
                      dictionaryLetters()[static_cast<std::size_t>(w) % DICTIONARY_LETTER_COUNT], w, w);
        d += line;
    }
    auto files = std::make_unique<test::MemoryFileAccess>();
    files->setFile(SYNDROME_FILE_NAME, test::MemoryFile{s});
    files->setFile(DICTIONARY_FILE_NAME, test::MemoryFile{d});
    return files;
}

} // namespace

const char* nameOf(Knowledge knowledge)
{
    return knowledge == Knowledge::Sample ? "Sample" : "Full";
}

std::string nameOn(const std::string& name, Knowledge knowledge)
{
    return name + "/" + nameOf(knowledge);
}

std::unique_ptr<FileAccess> dataFiles(Knowledge knowledge)
{
    if (knowledge == Knowledge::Full)
        return fullFiles();
    return std::make_unique<FileAccess>(ORDISAN_DATA_DIR);
}

void load(KnowledgeBase& kb, FileAccess& files, Knowledge knowledge)
{
    LineReader reader(files);
    tools::NullReporter quiet;
    const bool loaded = loadSyndromeFile(kb, reader, quiet) && loadDictionaryFile(kb, reader, quiet);
    const bool full = kb.syndromeCount == MAX_SYNDROMES && kb.symptomCount == MAX_SYMPTOMS
                      && kb.linkCount == MAX_LINKS && kb.wordCount == MAX_WORDS;
    if (!loaded || (knowledge == Knowledge::Full && !full)) {
        std::fprintf(stderr, "the knowledge base %s did not load\n", nameOf(knowledge));
        std::abort();
    }
}

std::unique_ptr<KnowledgeBase> loaded(Knowledge knowledge)
{
    auto kb = std::make_unique<KnowledgeBase>();
    load(*kb, *dataFiles(knowledge), knowledge);
    return kb;
}

void answerAThird(KnowledgeBase& kb)
{
    std::minstd_rand random(1250);
    for (int j = 0; j < kb.symptomCount; ++j) {
        const auto roll = random() % 6;
        if (roll == 0)
            kb.symptoms[j].answer = ANSWER_PRESENT;
        else if (roll == 1)
            kb.symptoms[j].answer = ANSWER_ABSENT;
    }
}

} // namespace ordisan::bench
