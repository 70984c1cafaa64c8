#include "bench/full_knowledge_base.h"

#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"
#include "tools/load_record.h"
#include "memory_file_access.h"

#include <cstdio>
#include <cstdlib>

namespace ordisan::bench {

namespace {

constexpr const char* SEXES = "MZOOO"; // most symptoms concern both sexes
constexpr const char* LOCATIONS = "GTUO";

} // namespace

FullKnowledgeFiles makeFullKnowledgeFiles()
{
    FullKnowledgeFiles files;
    std::string& s = files.syndromes;
    s += "// Baza napunjena do svih granica\r\n";
    char line[128];
    // 500 syndromes with 6 symptom lines each: 3000 links over 2000 symptoms, the
    // first 2000 lines new, the last 1000 repeats of earlier ones.
    for (int i = 0; i < MAX_SYNDROMES; ++i) {
        std::snprintf(line, sizeof line, "Sindrom broj %03d \x9A" "e\xE6" "erne bolesti\r\n", i);
        s += line;
        for (int k = 0; k < 6; ++k) {
            const int n = i * 6 + k;
            const int j = n < MAX_SYMPTOMS ? n : (n * 7919) % MAX_SYMPTOMS;
            std::snprintf(line, sizeof line, " %c-%c) simptom %04d: bol u \x9A" "aci i glavi\r\n",
                          SEXES[j % 5], LOCATIONS[j % 4], j);
            s += line;
        }
    }
    std::string& d = files.dictionary;
    for (int w = 0; w < MAX_WORDS; ++w) {
        std::snprintf(line, sizeof line, "%c%c pojam %04d\r\n   obja\x9Anjenje pojma %04d\r\n",
                      'A' + w % 26, 'a' + w % 26, w, w);
        d += line;
    }
    return files;
}

void serveFull(test::MemoryFileAccess& access, const FullKnowledgeFiles& files)
{
    access.setFile(SYNDROME_FILE_NAME, test::MemoryFile{files.syndromes});
    access.setFile(DICTIONARY_FILE_NAME, test::MemoryFile{files.dictionary});
}

void loadFull(KnowledgeBase& kb, FileAccess& access)
{
    LineReader reader(access);
    tools::NullReporter quiet;
    const bool loaded = loadSyndromeFile(kb, reader, quiet) && loadDictionaryFile(kb, reader, quiet);
    if (!loaded || kb.syndromeCount != MAX_SYNDROMES || kb.symptomCount != MAX_SYMPTOMS
        || kb.linkCount != MAX_LINKS || kb.wordCount != MAX_WORDS) {
        std::fprintf(stderr, "the full knowledge base did not load full\n");
        std::abort();
    }
}

void loadFull(KnowledgeBase& kb, const FullKnowledgeFiles& files)
{
    test::MemoryFileAccess access;
    serveFull(access, files);
    loadFull(kb, access);
}

} // namespace ordisan::bench
