#include "memory_file_access.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace ordisan::test {

MemoryFileAccess::Stream& MemoryFileAccess::streamOf(std::FILE* handle)
{
    for (Stream& stream : streams_) {
        if (reinterpret_cast<std::FILE*>(&stream) == handle)
            return stream;
    }
    // A loader using a stream it did not get from us, or one it already closed.
    throw std::logic_error("unknown or closed stream");
}

std::FILE* MemoryFileAccess::open(const char* name)
{
    const auto found = files_.find(name);
    if (found == files_.end() || found->second.failOpen)
        return nullptr;
    return reinterpret_cast<std::FILE*>(&streams_.emplace_back(Stream{&found->second}));
}

void MemoryFileAccess::close(std::FILE* handle)
{
    const Stream* stream = &streamOf(handle);
    streams_.remove_if([stream](const Stream& s) { return &s == stream; });
}

int MemoryFileAccess::seek(std::FILE* handle, std::int64_t offset, int origin)
{
    Stream& stream = streamOf(handle);
    const MemoryFile& file = *stream.file;
    if ((origin == SEEK_END && file.failSeekEnd) || (origin == SEEK_SET && file.failSeekStart))
        return -1;
    const std::int64_t base = origin == SEEK_END ? static_cast<std::int64_t>(file.bytes.size())
                            : origin == SEEK_CUR ? stream.position
                                                 : 0;
    if (base + offset < 0)
        return -1;
    stream.position = base + offset;
    stream.endOfFile = false;
    return 0;
}

std::int64_t MemoryFileAccess::tell(std::FILE* handle)
{
    const Stream& stream = streamOf(handle);
    return stream.file->failTell ? -1 : stream.position;
}

std::size_t MemoryFileAccess::read(void* buffer, std::size_t size, std::FILE* handle)
{
    Stream& stream = streamOf(handle);
    const MemoryFile& file = *stream.file;
    const auto length = static_cast<std::int64_t>(file.bytes.size());
    const bool errorAtLimit = file.readErrorAt >= 0 && file.readErrorAt <= length;
    const std::int64_t limit = errorAtLimit ? file.readErrorAt : length;
    const auto count = static_cast<std::size_t>(std::clamp<std::int64_t>(
        limit - stream.position, 0, static_cast<std::int64_t>(size)));
    std::memcpy(buffer, file.bytes.data() + std::min(stream.position, length), count);
    stream.position += static_cast<std::int64_t>(count);
    if (count < size)
        (errorAtLimit ? stream.error : stream.endOfFile) = true;
    return count;
}

char* MemoryFileAccess::allocate(std::size_t size)
{
    char* block = failAllocation_ ? nullptr : new (std::nothrow) char[size];
    heldBlocks_ += block != nullptr;
    return block;
}

void MemoryFileAccess::release(char* block)
{
    heldBlocks_ -= block != nullptr;
    delete[] block;
}

} // namespace ordisan::test
