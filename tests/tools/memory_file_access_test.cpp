// The in-memory files that the checker's second read and the fuzzer serve to the
// loaders: they must behave like the C streams the loaders are written against.
#include "tools/memory_file_access.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace ordisan::tools {

namespace {

TEST(MemoryFileAccess, ReadsLikeAStreamAndSetsEndOfFileOnlyOnAShortRead)
{
    MemoryFileAccess files;
    files.setFile("a", MemoryFile{"abcdef"});
    std::FILE* stream = files.open("a");
    ASSERT_NE(stream, nullptr);
    char buffer[8] = {};

    EXPECT_EQ(files.read(buffer, 6, stream), 6u);
    EXPECT_FALSE(files.atEnd(stream)) << "a read of exactly the rest is not past the end";
    EXPECT_EQ(files.read(buffer, 4, stream), 0u);
    EXPECT_TRUE(files.atEnd(stream));
    EXPECT_FALSE(files.failed(stream));

    EXPECT_EQ(files.seek(stream, 0, SEEK_END), 0);
    EXPECT_EQ(files.tell(stream), 6);
    EXPECT_EQ(files.seek(stream, 0, SEEK_SET), 0);
    EXPECT_FALSE(files.atEnd(stream)) << "a seek clears the end-of-file indicator";
    EXPECT_EQ(files.read(buffer, 4, stream), 4u);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    files.close(stream);
    EXPECT_EQ(files.openStreams(), 0);
}

TEST(MemoryFileAccess, FailsEachOperationOnRequest)
{
    MemoryFileAccess files;
    MemoryFile file{"abcdef"};
    file.readErrorAt = 4;
    file.failSeekStart = true;
    files.setFile("a", file);
    files.setFile("closed", MemoryFile{"x", true});
    EXPECT_EQ(files.open("closed"), nullptr);
    EXPECT_EQ(files.open("missing"), nullptr);

    std::FILE* stream = files.open("a");
    char buffer[8];
    EXPECT_EQ(files.seek(stream, 0, SEEK_END), 0);
    EXPECT_NE(files.seek(stream, 0, SEEK_SET), 0);
    files.close(stream);

    stream = files.open("a");
    EXPECT_EQ(files.read(buffer, 8, stream), 4u);
    EXPECT_TRUE(files.failed(stream));
    EXPECT_FALSE(files.atEnd(stream));
    files.close(stream);

    files.setFailAllocation(true);
    EXPECT_EQ(files.allocate(10), nullptr);
    files.setFailAllocation(false);
    char* block = files.allocate(10);
    EXPECT_EQ(files.heldBlocks(), 1);
    files.release(block);
    EXPECT_EQ(files.heldBlocks(), 0);
}

} // namespace

} // namespace ordisan::tools
