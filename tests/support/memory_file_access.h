#pragma once

#include "knowledge/file_access.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ordisan::test {

// One data file served from memory, with the failures it should show.
struct MemoryFile {
    std::string bytes;
    bool failOpen = false;
    bool failSeekEnd = false;
    bool failTell = false;
    bool failSeekStart = false;
    // A read that reaches this offset stops there with the stream's error indicator
    // set instead of its end-of-file indicator; -1 for none.
    std::int64_t readErrorAt = -1;
};

// The failing file access of every suite, the fuzzer and the benchmarks: serves the
// loaders' data files from memory, no disk I/O, and any single operation can be made
// to fail. A stream handed out is an opaque handle to one of our own stream objects;
// it is never dereferenced as a FILE.
class MemoryFileAccess final : public FileAccess {
public:

    void setFile(const std::string& name, MemoryFile file);
    void setFailAllocation(bool fail) { failAllocation_ = fail; }

    // Bookkeeping, so that callers can check that every stream was closed and every
    // block released.
    int openStreams() const { return static_cast<int>(streams_.size()); }
    int heldBlocks() const { return heldBlocks_; }

    std::FILE* open(const char* name) override;
    void close(std::FILE* stream) override;
    int seek(std::FILE* stream, std::int64_t offset, int origin) override;
    std::int64_t tell(std::FILE* stream) override;
    std::size_t read(void* buffer, std::size_t size, std::FILE* stream) override;
    bool atEnd(std::FILE* stream) override;
    bool failed(std::FILE* stream) override;
    char* allocate(std::size_t size) override;
    void release(char* block) override;

private:
    struct Stream {
        const MemoryFile* file;
        std::int64_t position = 0;
        bool endOfFile = false;
        bool error = false;
    };
    Stream& streamOf(std::FILE* handle);

    std::map<std::string, MemoryFile> files_;
    std::vector<std::unique_ptr<Stream>> streams_;
    bool failAllocation_ = false;
    int heldBlocks_ = 0;
};

} // namespace ordisan::test
