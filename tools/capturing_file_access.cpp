#include "tools/capturing_file_access.h"

namespace ordisan::tools {

BytesRead CapturingFileAccess::bytesRead(const std::string& name) const
{
    const auto found = read_.find(name);
    return found == read_.end() ? BytesRead{} : found->second;
}

std::FILE* CapturingFileAccess::open(const char* name)
{
    std::FILE* stream = FileAccess::open(name);
    if (stream != nullptr) {
        openNames_[stream] = name;
        read_[name] = BytesRead{true, {}, false};
    }
    return stream;
}

void CapturingFileAccess::close(std::FILE* stream)
{
    openNames_.erase(stream);
    FileAccess::close(stream);
}

std::size_t CapturingFileAccess::read(void* buffer, std::size_t size, std::FILE* stream)
{
    const std::size_t got = FileAccess::read(buffer, size, stream);
    const auto name = openNames_.find(stream);
    if (name != openNames_.end()) {
        BytesRead& record = read_[name->second];
        record.bytes.append(static_cast<const char*>(buffer), got);
        if (got < size && !atEnd(stream) && failed(stream))
            record.readFailed = true;
    }
    return got;
}

} // namespace ordisan::tools
