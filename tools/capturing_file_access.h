#pragma once

#include "knowledge/file_access.h"

#include <map>
#include <string>

namespace ordisan::tools {

// What a loader read of one data file: the bytes, in order, and whether reading
// stopped on an error rather than at the end of the file.
struct BytesRead {
    bool opened = false;
    std::string bytes;
    bool readFailed = false;
    // What the loader left unread when it closed the file (a load that stopped early):
    // the tool looks past the stop for further over-long lines.
    std::string rest;
};

// Real files in one folder, as the program reads them, keeping a copy of every byte
// read so that a second look at a file sees exactly what the loader saw.
class CapturingFileAccess final : public FileAccess {
public:
    using FileAccess::FileAccess;

    // What was read of the named file; empty when it was never opened. The bytes stay
    // here: the second read replays them in place.
    const BytesRead& bytesRead(const std::string& name) const;

    std::FILE* open(const char* name) override;
    void close(std::FILE* stream) override;
    std::size_t read(void* buffer, std::size_t size, std::FILE* stream) override;

private:
    std::map<std::FILE*, std::string> openNames_;
    std::map<std::string, BytesRead> read_;
};

} // namespace ordisan::tools
