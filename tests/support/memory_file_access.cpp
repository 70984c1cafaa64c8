#include "memory_file_access.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
#include <utility>

namespace ordisan::test {

namespace {

std::FILE* handleOf(void* stream)
{
    return reinterpret_cast<std::FILE*>(stream);
}

} // namespace

void MemoryFileAccess::setFile(const std::string& name, MemoryFile file)
{
    files_[name] = std::move(file);
}

MemoryFileAccess::Stream& MemoryFileAccess::streamOf(std::FILE* handle)
{
    for (const auto& stream : streams_) {
        if (handleOf(stream.get()) == handle)
            return *stream;
    }
    // A loader using a stream it did not get from us, or one it already closed.
    throw std::logic_error("unknown or closed stream");
}

std::FILE* MemoryFileAccess::open(const char* name)
{
    const auto found = files_.find(name);
    if (found == files_.end() || found->second.failOpen)
        return nullptr;
    streams_.push_back(std::make_unique<Stream>(Stream{&found->second}));
    return handleOf(streams_.back().get());
}

void MemoryFileAccess::close(std::FILE* handle)
{
    const Stream* stream = &streamOf(handle);
    std::erase_if(streams_, [stream](const auto& s) { return s.get() == stream; });
}

int MemoryFileAccess::seek(std::FILE* handle, std::int64_t offset, int origin)
{
    Stream& stream = streamOf(handle);
    const MemoryFile& file = *stream.file;
    const bool toEnd = origin == SEEK_END;
    if ((toEnd && file.failSeekEnd) || (origin == SEEK_SET && file.failSeekStart))
        return -1;
    std::int64_t base = 0;
    if (toEnd)
        base = static_cast<std::int64_t>(file.bytes.size());
    else if (origin == SEEK_CUR)
        base = stream.position;
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
    std::int64_t limit = static_cast<std::int64_t>(file.bytes.size());
    const bool errorAtLimit = file.readErrorAt >= 0 && file.readErrorAt <= limit;
    if (errorAtLimit)
        limit = file.readErrorAt;
    const std::int64_t available = std::max<std::int64_t>(0, limit - stream.position);
    const auto count = static_cast<std::size_t>(
        std::min<std::int64_t>(available, static_cast<std::int64_t>(size)));
    if (count > 0)
        std::memcpy(buffer, file.bytes.data() + stream.position, count);
    stream.position += static_cast<std::int64_t>(count);
    if (count < size) {
        if (errorAtLimit)
            stream.error = true;
        else
            stream.endOfFile = true;
    }
    return count;
}

bool MemoryFileAccess::atEnd(std::FILE* handle)
{
    return streamOf(handle).endOfFile;
}

bool MemoryFileAccess::failed(std::FILE* handle)
{
    return streamOf(handle).error;
}

char* MemoryFileAccess::allocate(std::size_t size)
{
    if (failAllocation_)
        return nullptr;
    char* block = new (std::nothrow) char[size];
    if (block != nullptr)
        ++heldBlocks_;
    return block;
}

void MemoryFileAccess::release(char* block)
{
    if (block != nullptr)
        --heldBlocks_;
    delete[] block;
}

} // namespace ordisan::test
