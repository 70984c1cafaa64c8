#pragma once

#include "knowledge/file_access.h"

#include <cstdint>
#include <list>
#include <map>
#include <string>

namespace ordisan::test {

// One data file served from memory, with the failures it should show. A read that
// reaches readErrorAt stops there with the stream's error indicator set instead of
// its end-of-file indicator; -1 for none.
struct MemoryFile {
    std::string bytes;
    bool failOpen = false;
    bool failSeekEnd = false;
    bool failTell = false;
    bool failSeekStart = false;
    std::int64_t readErrorAt = -1;
};

// The failing file access of every suite, the fuzzer and the benchmarks: the data
// files from memory, any single operation made to fail on request, and a count of
// what is still open or held. A stream handed out is never dereferenced as a FILE.
class MemoryFileAccess final : public FileAccess {
public:
    void setFile(const std::string& name, MemoryFile file) { files_[name] = std::move(file); }
    void setFailAllocation(bool fail) { failAllocation_ = fail; }
    int openStreams() const { return static_cast<int>(streams_.size()); }
    int heldBlocks() const { return heldBlocks_; }

    std::FILE* open(const char* name) override;
    void close(std::FILE* stream) override;
    int seek(std::FILE* stream, std::int64_t offset, int origin) override;
    std::int64_t tell(std::FILE* stream) override;
    std::size_t read(void* buffer, std::size_t size, std::FILE* stream) override;
    bool atEnd(std::FILE* stream) override { return streamOf(stream).endOfFile; }
    bool failed(std::FILE* stream) override { return streamOf(stream).error; }
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
    std::list<Stream> streams_; // a stream's handle is its address here
    bool failAllocation_ = false;
    int heldBlocks_ = 0;
};

} // namespace ordisan::test
