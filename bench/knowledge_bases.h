// The knowledge bases every benchmark runs on, and the registering of one benchmark on
// each of them.
#pragma once

#include "knowledge/file_access.h"
#include "knowledge/knowledge_base.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

namespace ordisan::bench {

// Sample: the knowledge base shipped in data/, read from its files as the program reads
// them. Full: one filled to every capacity (500 syndromes, 2000 distinct symptoms, 3000
// links, 1000 words) with texts of about the sample's lengths.
enum class Knowledge { Sample, Full };
inline constexpr std::array KNOWLEDGE_BASES{Knowledge::Sample, Knowledge::Full};

// "Sample" or "Full".
const char* nameOf(Knowledge knowledge);
// A benchmark's name on that knowledge base: "<name>/Sample" or "<name>/Full".
std::string nameOn(const std::string& name, Knowledge knowledge);

// Its two data files, code page 1250 with CR LF, where the loaders look for them: the
// sample's on disk, the full one's made in memory.
std::unique_ptr<FileAccess> dataFiles(Knowledge knowledge);

// Loads the files `files` serves with the program's loaders; aborts unless the load
// succeeds and, for the full knowledge base, every table ends up full.
void load(KnowledgeBase& kb, FileAccess& files, Knowledge knowledge);
std::unique_ptr<KnowledgeBase> loaded(Knowledge knowledge);

// The answers of a diagnosis under way: about a sixth of the symptoms present and a
// sixth absent, the same ones in every run.
void answerAThird(KnowledgeBase& kb);

// Registers `run(state, knowledge, extra...)` once on each knowledge base, under
// nameOn(name, knowledge), each set up by `setUp(benchmark)`.
template <class Run, class SetUp, class... Extra>
void registerOnEach(const std::string& name, Run run, SetUp setUp, Extra... extra)
{
    for (const Knowledge knowledge : KNOWLEDGE_BASES)
        setUp(benchmark::RegisterBenchmark(nameOn(name, knowledge).c_str(), run, knowledge, extra...));
}

} // namespace ordisan::bench
