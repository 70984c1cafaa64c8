#pragma once

#include "knowledge/file_access.h"
#include "knowledge/line_reader.h"
#include "knowledge/messages.h"

#include <cstdint>
#include <cstdio>

namespace ordisan::detail {

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
