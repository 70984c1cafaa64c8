#include "tools/capturing_file_access.h"

#include <filesystem>
#include <system_error>

namespace ordisan::tools {

const BytesRead& CapturingFileAccess::bytesRead(const std::string& name) const
{
    static const BytesRead never;
    const auto found = read_.find(name);
    return found == read_.end() ? never : found->second;
}

std::FILE* CapturingFileAccess::open(const char* name)
{
    std::FILE* stream = FileAccess::open(name);
    if (stream != nullptr) {
        openNames_[stream] = name;
        BytesRead& record = read_[name];
        record = BytesRead{};
        record.opened = true;
        // Room for the whole file at once: no doubling on the way to a large one.
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(pathOf(name), error);
        if (!error && size <= record.bytes.max_size())
            record.bytes.reserve(static_cast<std::size_t>(size));
    }
    return stream;
}

void CapturingFileAccess::close(std::FILE* stream)
{
    const auto name = openNames_.find(stream);
    if (name != openNames_.end()) {
        BytesRead& record = read_[name->second];
        char buffer[4096];
        std::size_t got = 0;
        while (!record.readFailed && (got = FileAccess::read(buffer, sizeof buffer, stream)) > 0)
            record.rest.append(buffer, got);
        openNames_.erase(name);
    }
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
