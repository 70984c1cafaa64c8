// The second read behind the warnings, on bytes given directly: how far it looks.
#include "tools/warnings.h"

#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"
#include "memory_file_access.h"

#include <gtest/gtest.h>

#include <memory>

namespace ordisan::tools {

namespace {

using test::MemoryFile;
using test::MemoryFileAccess;

std::vector<std::string> places(const std::vector<Warning>& warnings)
{
    std::vector<std::string> out;
    for (const Warning& w : warnings)
        out.push_back(std::to_string(w.line) + ":" + kindName(w.kind));
    return out;
}

using Places = std::vector<std::string>;

// Loads the syndrome file from memory, the way the checker's first read does.
std::unique_ptr<KnowledgeBase> loaded(const MemoryFile& file, bool& result)
{
    auto kb = std::make_unique<KnowledgeBase>();
    MemoryFileAccess files;
    files.setFile(SYNDROME_FILE_NAME, file);
    LineReader reader(files);
    NullReporter quiet;
    result = loadSyndromeFile(*kb, reader, quiet);
    return kb;
}

TEST(SecondRead, AfterAReadErrorLeavesOutTheLineThatWasBeingRead)
{
    // The second chunk read fails after "B/c": the loader never returned that line, so
    // it gives no slash warning, although it would end the file if the bytes just ended.
    // (The reader drops what the failing read delivered, as the loader did.)
    MemoryFile file{"A\n O-G) x\n//" + std::string(987, 'x') + "\nB/c"};
    ASSERT_EQ(file.bytes.size(), static_cast<std::size_t>(CHUNK_SIZE) + 3);
    file.readErrorAt = static_cast<std::int64_t>(file.bytes.size());
    bool result = false;
    const auto kb = loaded(file, result);
    ASSERT_TRUE(result);
    ASSERT_EQ(kb->syndromeCount, 1);

    LoadExtent extent{true, file.bytes, true, 0};
    EXPECT_EQ(places(syndromeFileWarnings(*kb, extent)), Places{});
    extent.readFailed = false;
    EXPECT_EQ(places(syndromeFileWarnings(*kb, extent)), Places{"4:slash"})
        << "without the error the last line is a line";
}

} // namespace

} // namespace ordisan::tools
