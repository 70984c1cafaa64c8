#pragma once

#include "knowledge/file_access.h"
#include "knowledge/line_reader.h"
#include "knowledge/messages.h"

#include <cstdint>
#include <cstdio>

namespace ordisan::detail {

// A data file opened for a load, closed through its FileAccess when the load ends,
// on whichever path it ends.
class OpenedFile final {
public:
    explicit OpenedFile(FileAccess& files) : files_(files) {}
    ~OpenedFile()
    {
        if (stream != nullptr)
            files_.close(stream);
    }
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;

    std::FILE* stream = nullptr;
    std::int64_t size = 0;

private:
    FileAccess& files_;
};

struct OpenMessages {
    Message open;
    Message seekEnd;
    Message seekStart;
};

// Opens a data file of the reader's folder, measures its size, makes sure the reader
// holds its chunk and attaches the file to it, reporting the first failure.
bool openForReading(LineReader& reader, const char* name, const OpenMessages& messages,
                    LoadReporter& reporter, OpenedFile& opened);

} // namespace ordisan::detail
