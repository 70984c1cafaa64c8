#pragma once

#include "knowledge/line_reader.h"
#include "knowledge/messages.h"

#include <cstdint>
#include <cstdio>

namespace ordisan::detail {

// Opens a data file and measures its size, reporting the first failure. On success
// the stream stands at the start and the caller must close it.
struct OpenedFile {
    std::FILE* stream = nullptr;
    std::int64_t size = 0;
};

struct OpenMessages {
    Message open;
    Message seekEnd;
    Message seekStart;
};

bool openMeasured(FileAccess& files, const char* name, const OpenMessages& messages,
                  LoadReporter& reporter, OpenedFile& opened);

} // namespace ordisan::detail
