// Loading a full knowledge base against the least any loader must do with the same
// bytes: read them in chunks and split them into lines.
#include "bench/full_knowledge_base.h"

#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"
#include "memory_file_access.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace ordisan::bench {

namespace {

const FullKnowledgeFiles& fullFiles()
{
    static const FullKnowledgeFiles files = makeFullKnowledgeFiles();
    return files;
}

void BM_LoadFullKnowledgeBase(benchmark::State& state)
{
    const FullKnowledgeFiles& files = fullFiles();
    // Served from memory once, as for the split below; the loaders reset the counts
    // themselves, so the record is not cleared between loads.
    test::MemoryFileAccess access;
    serveFull(access, files);
    auto kb = std::make_unique<KnowledgeBase>();
    for (auto _ : state) {
        loadFull(*kb, access);
        benchmark::DoNotOptimize(kb->wordCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations())
                            * static_cast<std::int64_t>(files.syndromes.size() + files.dictionary.size()));
}

// The same bytes from the same in-memory files, read in CHUNK_SIZE pieces and split
// at CR and LF into a line buffer: no comments, no parsing, no tables.
std::int64_t splitIntoLines(test::MemoryFileAccess& access, const char* name)
{
    std::FILE* stream = access.open(name);
    char chunk[CHUNK_SIZE];
    char line[LINE_BUFFER_SIZE];
    int length = 0;
    std::int64_t lines = 0;
    for (;;) {
        const std::size_t got = access.read(chunk, sizeof chunk, stream);
        for (std::size_t i = 0; i < got; ++i) {
            const char c = chunk[i];
            if (c == '\r' || c == '\n') {
                if (length > 0) {
                    line[length] = '\0';
                    benchmark::DoNotOptimize(line);
                    ++lines;
                }
                length = 0;
            } else if (length < LINE_BUFFER_SIZE - 1) {
                line[length++] = c;
            }
        }
        if (got < sizeof chunk)
            break;
    }
    access.close(stream);
    return lines;
}

void BM_SplitSameBytesIntoLines(benchmark::State& state)
{
    const FullKnowledgeFiles& files = fullFiles();
    test::MemoryFileAccess access;
    serveFull(access, files);
    for (auto _ : state) {
        std::int64_t lines = splitIntoLines(access, SYNDROME_FILE_NAME);
        lines += splitIntoLines(access, DICTIONARY_FILE_NAME);
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations())
                            * static_cast<std::int64_t>(files.syndromes.size() + files.dictionary.size()));
}

} // namespace

BENCHMARK(BM_LoadFullKnowledgeBase)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SplitSameBytesIntoLines)->Unit(benchmark::kMicrosecond);

} // namespace ordisan::bench
