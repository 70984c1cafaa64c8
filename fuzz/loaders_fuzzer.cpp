// libFuzzer target: arbitrary bytes as the two data files (the same bytes for both, or
// split between them, or one file missing), now and then with a failing open, seek,
// tell, allocation or read; then the ranking engine on whatever loaded, with a random
// sex and random answers. Besides the sanitizers it checks what must hold after any
// load: counts and links within bounds, every stream closed and the chunk released,
// orders that are permutations, and the one-scan ranking equal to the literal passes.
#include "engine/literal_ranking.h"
#include "engine/ranking_engine.h"
#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"
#include "tools/load_record.h"
#include "tools/memory_file_access.h"
#include "tools/warnings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace ordisan;
using namespace ordisan::tools;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Faults are drawn for about one input in sixteen so that most runs read files.
MemoryFile withFaults(std::string bytes, std::uint16_t faults)
{
    MemoryFile file;
    file.bytes = std::move(bytes);
    if ((faults & 0xF) != 0xF)
        return file;
    file.failOpen = faults & 0x10;
    file.failSeekEnd = faults & 0x20;
    file.failTell = faults & 0x40;
    file.failSeekStart = faults & 0x80;
    if (faults & 0x100)
        file.readErrorAt = static_cast<std::int64_t>(faults >> 9) * 37 % (file.bytes.size() + 1);
    return file;
}

void checkRecord(const KnowledgeBase& kb)
{
    require(kb.syndromeCount >= 0 && kb.syndromeCount <= MAX_SYNDROMES);
    require(kb.symptomCount >= 0 && kb.symptomCount <= MAX_SYMPTOMS);
    require(kb.linkCount >= 0 && kb.linkCount <= MAX_LINKS);
    require(kb.wordCount >= 0 && kb.wordCount <= MAX_WORDS);
    for (int l = 0; l < kb.linkCount; ++l) {
        require(kb.links[l].symptom >= 0 && kb.links[l].symptom < kb.symptomCount);
        require(kb.links[l].syndrome >= 0 && kb.links[l].syndrome < kb.syndromeCount);
    }
    // No symptom without a link.
    std::vector<bool> linked(static_cast<std::size_t>(kb.symptomCount));
    for (int l = 0; l < kb.linkCount; ++l)
        linked[static_cast<std::size_t>(kb.links[l].symptom)] = true;
    for (const bool l : linked)
        require(l);
    for (int i = 0; i < kb.syndromeCount; ++i)
        require(std::memchr(kb.syndromes[i].name, '\0', NAME_SIZE) != nullptr);
    for (int w = 0; w < kb.wordCount; ++w) {
        require(std::memchr(kb.words[w].term, '\0', TERM_SIZE) != nullptr);
        require(std::memchr(kb.words[w].explanation, '\0', EXPLANATION_SIZE) != nullptr);
    }
}

void checkOrder(const std::int32_t* order, int n)
{
    std::vector<bool> seen(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        require(order[k] >= 0 && order[k] < n && !seen[static_cast<std::size_t>(order[k])]);
        seen[static_cast<std::size_t>(order[k])] = true;
    }
}

void rankAndCheck(KnowledgeBase& kb, KnowledgeBase& literal, SexCode sex, std::uint32_t seed)
{
    kb.patientSex = sex;
    ResetAnswers(kb);
    std::minstd_rand random(seed);
    for (int j = 0; j < kb.symptomCount; ++j)
        kb.symptoms[j].answer = static_cast<AnswerCode>(random() % 4); // 0 as loaded, or 1..3
    std::memcpy(&literal, &kb, sizeof kb);

    ComputeScoresAndWeights(kb);
    SortSyndromes(kb);
    SortSymptoms(kb);
    ComputeScoresAndWeightsLiteral(literal);

    for (int i = 0; i < kb.syndromeCount; ++i) {
        const float score = kb.syndromes[i].score;
        require(std::memcmp(&score, &literal.syndromes[i].score, sizeof score) == 0);
        require(score >= 0.0f && score <= 1.0f);
        const int percent = PercentOf(score);
        require(percent >= 0 && percent <= 100);
        ScoreBandOf(percent);
    }
    for (int j = 0; j < kb.symptomCount; ++j) {
        const float weight = kb.symptoms[j].weight;
        require(std::memcmp(&weight, &literal.symptoms[j].weight, sizeof weight) == 0);
        require(kb.symptoms[j].answer == literal.symptoms[j].answer);
        require(weight >= 0.0f && weight <= 1.0f);
    }
    checkOrder(kb.syndromeOrder, kb.syndromeCount);
    checkOrder(kb.symptomOrder, kb.symptomCount);
    for (int k = 0; k + 1 < kb.syndromeCount; ++k)
        require(!(kb.syndromes[kb.syndromeOrder[k + 1]].score
                  > kb.syndromes[kb.syndromeOrder[k]].score));
    for (int k = 0; k + 1 < kb.symptomCount; ++k)
        require(!(kb.symptoms[kb.symptomOrder[k + 1]].weight
                  > kb.symptoms[kb.symptomOrder[k]].weight));
}

// The tool's second read of the same bytes must cope with whatever the loaders took.
void findWarnings(const KnowledgeBase& kb, const MemoryFile& file, bool opened, int stopLine,
                  bool dictionary)
{
    LoadExtent extent;
    extent.read.opened = opened;
    extent.read.bytes = file.bytes;
    if (file.readErrorAt >= 0 && static_cast<std::size_t>(file.readErrorAt) <= file.bytes.size()) {
        extent.read.bytes.resize(static_cast<std::size_t>(file.readErrorAt));
        extent.read.readFailed = true;
    }
    extent.stopLine = stopLine;
    const auto warnings =
        dictionary ? dictionaryFileWarnings(kb, extent) : syndromeFileWarnings(kb, extent);
    for (const Warning& w : warnings)
        require(w.line >= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto kb = std::make_unique<KnowledgeBase>();
    static const auto literal = std::make_unique<KnowledgeBase>();
    std::memset(kb.get(), 0, sizeof *kb);

    FuzzedDataProvider input(data, size);
    const int layout = input.ConsumeIntegralInRange<int>(0, 3);
    const auto faults = input.ConsumeIntegral<std::uint16_t>();
    const auto dictionaryFaults = input.ConsumeIntegral<std::uint16_t>();
    const SexCode sex = input.ConsumeBool() ? SEX_MALE : SEX_FEMALE;
    const auto seed = input.ConsumeIntegral<std::uint32_t>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    std::string syndromeBytes = bytes;
    std::string dictionaryBytes = bytes;
    if (layout == 1) {
        const std::size_t split = seed % (bytes.size() + 1);
        syndromeBytes = bytes.substr(0, split);
        dictionaryBytes = bytes.substr(split);
    }
    MemoryFileAccess files;
    const MemoryFile syndromeFile = withFaults(syndromeBytes, faults);
    const MemoryFile dictionaryFile = withFaults(dictionaryBytes, dictionaryFaults);
    if (layout != 3)
        files.setFile(SYNDROME_FILE_NAME, syndromeFile);
    if (layout != 2)
        files.setFile(DICTIONARY_FILE_NAME, dictionaryFile);
    files.setFailAllocation((faults & 0xF) == 0xF && (faults & 0xE00) == 0xE00);

    bool syndromesLoaded = false;
    bool dictionaryLoaded = false;
    int syndromeStop = 0;
    int dictionaryStop = 0;
    {
        LineReader reader(files);
        RecordingReporter reporter(reader);
        syndromesLoaded = loadSyndromeFile(*kb, reader, reporter);
        require(files.openStreams() == 0);
        if (!syndromesLoaded) {
            require(reporter.anyMessage());
            syndromeStop = reporter.lastMessageLine();
        } else {
            reporter.setFile(DataFile::Dictionary);
            const std::size_t before = reporter.calls().size();
            dictionaryLoaded = loadDictionaryFile(*kb, reader, reporter);
            require(files.openStreams() == 0);
            if (dictionaryLoaded)
                require(!reader.holdsChunk());
            else
                require(reporter.calls().size() > before);
            dictionaryStop = dictionaryLoaded ? 0 : reporter.lastMessageLine();
        }
        for (const ReportCall& call : reporter.calls()) {
            if (call.kind == ReportCall::Kind::Progress)
                require(call.values[0] >= 0 && call.values[0] <= 100);
        }
    }
    require(files.heldBlocks() == 0);
    checkRecord(*kb);

    findWarnings(*kb, syndromeFile, layout != 3 && !syndromeFile.failOpen, syndromeStop, false);
    if (syndromesLoaded)
        findWarnings(*kb, dictionaryFile, layout != 2 && !dictionaryFile.failOpen,
                     dictionaryStop, true);

    rankAndCheck(*kb, *literal, sex, seed);
    return 0;
}
