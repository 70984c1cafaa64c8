// libFuzzer target: arbitrary bytes as the two data files (the same bytes for both, split
// between them, or one missing), now and then with a failing open, seek, tell,
// allocation or read; then the tool's second read and the ranking engine on whatever
// loaded, and the dictionary file's bytes read as a case file against it. Besides the
// sanitizers it checks what must hold after any load: counts and links in bounds, no
// symptom without a link, every stream closed and the chunk released, orders that are
// permutations, the fast ranking equal to the literal one, matched cases within the
// knowledge base, and a diagnosis written as a case file reading back without a fault.
// The same bytes go through ordisan-check's own readers too (tool_checks.h): the UTF-8
// conversion, the scan for over-long lines against what the load refused, and the case
// runs, explanations and audit.
#include "cases/case_file_match.h"
#include "cases/case_file_writer.h"
#include "engine/ranking_engine.h"
#include "knowledge/loaders.h"
#include "literal_ranking.h"
#include "memory_file_access.h"
#include "tools/load_record.h"
#include "tool_checks.h"
#include "tools/warnings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>

using namespace ordisan;
using fuzz::require;

namespace {

// Faults for about one input in sixteen, so that most runs read whole files.
test::MemoryFile withFaults(std::string bytes, std::uint16_t faults)
{
    test::MemoryFile file{std::move(bytes)};
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

// A permutation of 0 … n-1.
void requirePermutation(const std::int32_t* order, int n)
{
    std::vector<std::int32_t> sorted(order, order + n);
    std::sort(sorted.begin(), sorted.end());
    for (int k = 0; k < n; ++k)
        require(sorted[static_cast<std::size_t>(k)] == k);
}

// The tool's second read of the same bytes must cope with whatever the loader took.
void secondRead(const KnowledgeBase& kb, const test::MemoryFile& file, bool opened, int stop,
                bool dictionary)
{
    tools::LoadExtent extent{opened, file.bytes, false, stop};
    if (file.readErrorAt >= 0 && static_cast<std::size_t>(file.readErrorAt) <= file.bytes.size()) {
        extent.bytes = extent.bytes.substr(0, static_cast<std::size_t>(file.readErrorAt));
        extent.readFailed = true;
    }
    for (const tools::Warning& w : dictionary ? tools::dictionaryFileWarnings(kb, extent)
                                              : tools::syndromeFileWarnings(kb, extent))
        require(w.line >= 1);
}

// Any bytes as a case file: every fault on a line of the file, every case matched to
// indexes of `kb`, and the first one entered as a diagnosis.
void readAsCaseFile(KnowledgeBase& kb, const std::string& bytes)
{
    const CaseFileText text = readCaseFile(bytes);
    const MatchedCaseFile matched = matchCaseFile(text, kb);
    for (const auto* errors : {&text.errors, &matched.errors}) {
        for (const CaseFileError& e : *errors)
            require(e.line >= 0 && !caseFileErrorText(e, croatianCaseFileWording()).empty());
    }
    for (const CaseEntry& c : matched.cases) {
        require(c.syndrome >= -1 && c.syndrome < kb.syndromeCount && c.within >= 1);
        for (const auto* answers : {&c.present, &c.absent}) {
            for (const int j : *answers)
                require(j >= 0 && j < kb.symptomCount);
        }
    }
    if (!matched.cases.empty()) {
        DiagnosisCase diagnosis(kb);
        enterCase(diagnosis, matched.cases.front());
    }
    // The tool runs a case file only without faults, when every case names a syndrome.
    if (text.errors.empty() && matched.errors.empty()) {
        for (const CaseEntry& c : matched.cases)
            require(c.syndrome >= 0);
    }
    fuzz::checkCaseRuns(kb, matched.cases);
}

// The ranked diagnosis written as a case file reads back without a fault, naming its
// first syndrome; only a syndrome without a name cannot be written.
void writeAndReadBack(DiagnosisCase& diagnosis)
{
    const KnowledgeBase& kb = diagnosis.knowledgeBase();
    const int first = diagnosis.firstSyndrome();
    const CaseFileText text = readCaseFile(writeCaseFile(diagnosis));
    if (first < 0 || trimmedBlanks(kb.syndromes[first].name).empty())
        return;
    const MatchedCaseFile matched = matchCaseFile(text, kb);
    require(text.errors.empty() && matched.errors.empty() && matched.cases.size() == 1);
    // The first syndrome of that name, blanks around it aside.
    const int read = matched.cases.front().syndrome;
    require(trimmedBlanks(kb.syndromes[read].name) == trimmedBlanks(kb.syndromes[first].name));
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
    const std::size_t split = layout == 1 ? seed % (bytes.size() + 1) : 0;

    const test::MemoryFile syndromeFile =
        withFaults(layout == 1 ? bytes.substr(0, split) : bytes, faults);
    const test::MemoryFile wordFile = withFaults(bytes.substr(split), dictionaryFaults);
    test::MemoryFileAccess files;
    if (layout != 3)
        files.setFile(SYNDROME_FILE_NAME, syndromeFile);
    if (layout != 2)
        files.setFile(DICTIONARY_FILE_NAME, wordFile);
    files.setFailAllocation((faults & 0xF) == 0xF && (faults & 0xE00) == 0xE00);

    bool syndromesLoaded = false;
    int stops[2] = {};
    std::vector<tools::ReportCall> calls;
    {
        LineReader reader(files);
        tools::RecordingReporter reporter(reader);
        syndromesLoaded = loadSyndromeFile(*kb, reader, reporter);
        stops[0] = reporter.lastMessageLine(tools::DataFile::Syndromes);
        require(syndromesLoaded || reporter.anyMessage());
        if (syndromesLoaded) {
            reporter.setFile(tools::DataFile::Dictionary);
            const bool wordsLoaded = loadDictionaryFile(*kb, reader, reporter);
            require(!wordsLoaded || !reader.holdsChunk());
            stops[1] = reporter.lastMessageLine(tools::DataFile::Dictionary);
        }
        require(files.openStreams() == 0);
        calls = reporter.calls();
    }
    require(files.heldBlocks() == 0);
    require(kb->syndromeCount <= MAX_SYNDROMES && kb->symptomCount <= MAX_SYMPTOMS
            && kb->linkCount <= MAX_LINKS && kb->wordCount <= MAX_WORDS);
    std::vector<bool> linked(static_cast<std::size_t>(kb->symptomCount));
    for (int l = 0; l < kb->linkCount; ++l) {
        const SymptomLink link = kb->links[l];
        require(link.symptom >= 0 && link.symptom < kb->symptomCount);
        require(link.syndrome >= 0 && link.syndrome < kb->syndromeCount);
        linked[static_cast<std::size_t>(link.symptom)] = true;
    }
    for (const bool l : linked)
        require(l);

    secondRead(*kb, syndromeFile, layout != 3 && !syndromeFile.failOpen, stops[0], false);
    if (syndromesLoaded)
        secondRead(*kb, wordFile, layout != 2 && !wordFile.failOpen, stops[1], true);

    // The scan for over-long lines, held against the load where it read a whole file.
    const bool clean = (faults & 0xF) != 0xF && (layout == 3 || (dictionaryFaults & 0xF) != 0xF);
    fuzz::checkLongLines(tools::DataFile::Syndromes, syndromeFile.bytes,
                         clean && layout != 3 ? &calls : nullptr);
    fuzz::checkLongLines(tools::DataFile::Dictionary, wordFile.bytes,
                         clean && layout != 2 && syndromesLoaded ? &calls : nullptr);
    fuzz::checkConversion(bytes);

    readAsCaseFile(*kb, wordFile.bytes);

    // A diagnosis with random answers, ranked both ways.
    kb->patientSex = sex;
    ResetAnswers(*kb);
    std::minstd_rand random(seed);
    for (int j = 0; j < kb->symptomCount; ++j)
        kb->symptoms[j].answer = static_cast<AnswerCode>(random() % 4);
    std::memcpy(static_cast<void*>(literal.get()), kb.get(), sizeof *kb);
    ComputeScoresAndWeights(*kb);
    ComputeScoresAndWeightsLiteral(*literal);
    require(std::memcmp(kb.get(), literal.get(), sizeof *kb) == 0);
    SortSyndromes(*kb);
    SortSymptoms(*kb);
    requirePermutation(kb->syndromeOrder, kb->syndromeCount);
    requirePermutation(kb->symptomOrder, kb->symptomCount);
    const auto scoreAt = [&](int k) { return kb->syndromes[kb->syndromeOrder[k]].score; };
    for (int k = 0; k + 1 < kb->syndromeCount; ++k)
        require(!(scoreAt(k + 1) > scoreAt(k)));

    DiagnosisCase diagnosis(*kb);
    diagnosis.rank();
    writeAndReadBack(diagnosis);
    return 0;
}
