#include "knowledge/file_access.h"

#include <limits>
#include <new>
#include <utility>

namespace ordisan {

FileAccess::FileAccess(std::string folder) : folder_(std::move(folder)) {}

std::string FileAccess::pathOf(const char* name) const
{
    if (folder_.empty())
        return name;
    std::string path = folder_;
    if (path.back() != '/')
        path += '/';
    return path + name;
}

std::FILE* FileAccess::open(const char* name)
{
    return std::fopen(pathOf(name).c_str(), "rb");
}

void FileAccess::close(std::FILE* stream)
{
    std::fclose(stream);
}

// Standard fseek and ftell take a long: where long has 32 bits, a file over 2 GiB
// cannot be measured and its load stops with the message that its end cannot be
// reached; a knowledge base within its capacities is a few megabytes.
int FileAccess::seek(std::FILE* stream, std::int64_t offset, int origin)
{
    if (offset < std::numeric_limits<long>::min() || offset > std::numeric_limits<long>::max())
        return -1;
    return std::fseek(stream, static_cast<long>(offset), origin);
}

std::int64_t FileAccess::tell(std::FILE* stream)
{
    return static_cast<std::int64_t>(std::ftell(stream));
}

std::size_t FileAccess::read(void* buffer, std::size_t size, std::FILE* stream)
{
    return std::fread(buffer, 1, size, stream);
}

bool FileAccess::atEnd(std::FILE* stream)
{
    return std::feof(stream) != 0;
}

bool FileAccess::failed(std::FILE* stream)
{
    return std::ferror(stream) != 0;
}

char* FileAccess::allocate(std::size_t size)
{
    return new (std::nothrow) char[size];
}

void FileAccess::release(char* block)
{
    delete[] block;
}

} // namespace ordisan
