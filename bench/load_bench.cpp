// Loading each knowledge base against the least any loader must do with the same
// bytes: read them in chunks and split them into lines.
#include "bench/knowledge_bases.h"

#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace ordisan::bench {

namespace {

// The same bytes from the same files, read in CHUNK_SIZE pieces and split at CR and LF
// into a line buffer: no comments, no parsing, no tables. Returns the bytes read.
std::int64_t splitIntoLines(FileAccess& access, const char* name)
{
    std::FILE* stream = access.open(name);
    char chunk[CHUNK_SIZE];
    char line[LINE_BUFFER_SIZE];
    int length = 0;
    std::int64_t bytes = 0;
    for (;;) {
        const std::size_t got = access.read(chunk, sizeof chunk, stream);
        bytes += static_cast<std::int64_t>(got);
        for (std::size_t i = 0; i < got; ++i) {
            const char c = chunk[i];
            if (c == '\r' || c == '\n') {
                if (length > 0) {
                    line[length] = '\0';
                    benchmark::DoNotOptimize(line);
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
    return bytes;
}

std::int64_t splitBoth(FileAccess& access)
{
    return splitIntoLines(access, SYNDROME_FILE_NAME) + splitIntoLines(access, DICTIONARY_FILE_NAME);
}

// Both from files opened once for the run; the loaders reset the counts themselves, so
// the record is not cleared between loads.
void BM_Load(benchmark::State& state, Knowledge knowledge)
{
    const auto files = dataFiles(knowledge);
    auto kb = std::make_unique<KnowledgeBase>();
    for (auto _ : state) {
        load(*kb, *files, knowledge);
        benchmark::DoNotOptimize(kb->wordCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * splitBoth(*files));
}

void BM_SplitSameBytesIntoLines(benchmark::State& state, Knowledge knowledge)
{
    const auto files = dataFiles(knowledge);
    std::int64_t bytes = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(bytes = splitBoth(*files));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
}

[[maybe_unused]] const bool registered = [] {
    const auto inMicroseconds = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMicrosecond); };
    registerOnEach("BM_Load", BM_Load, inMicroseconds);
    registerOnEach("BM_SplitSameBytesIntoLines", BM_SplitSameBytesIntoLines, inMicroseconds);
    return true;
}();

} // namespace

} // namespace ordisan::bench
