#include "tools/replay_file_access.h"

#include <cstdio>

namespace ordisan::tools {

ReplayFileAccess::ReplayFileAccess(std::string_view name, std::string_view bytes, bool readFailed)
    : name_(name), bytes_(bytes), readFailed_(readFailed)
{
}

std::FILE* ReplayFileAccess::open(const char* name)
{
    if (name_ != name)
        return nullptr;
    // Read-only: the buffer is never written through the stream.
    static char none = '\0';
    void* buffer = bytes_.empty() ? &none : const_cast<char*>(bytes_.data());
    return ::fmemopen(buffer, bytes_.size(), "r");
}

bool ReplayFileAccess::atEnd(std::FILE* stream)
{
    return !readFailed_ && FileAccess::atEnd(stream);
}

bool ReplayFileAccess::failed(std::FILE* stream)
{
    return FileAccess::failed(stream) || (readFailed_ && FileAccess::atEnd(stream));
}

} // namespace ordisan::tools
