#include "cases/byte_file_access.h"

#include <algorithm>
#include <cstring>

namespace ordisan {

std::FILE* ByteFileAccess::open(const char*)
{
    position_ = 0;
    atEnd_ = false;
    return reinterpret_cast<std::FILE*>(this);
}

void ByteFileAccess::close(std::FILE*) {}

int ByteFileAccess::seek(std::FILE*, std::int64_t offset, int origin)
{
    const std::int64_t base = origin == SEEK_END ? static_cast<std::int64_t>(bytes_.size())
        : origin == SEEK_CUR                     ? static_cast<std::int64_t>(position_)
                                                 : 0;
    const std::int64_t target = base + offset;
    if (target < 0)
        return -1;
    position_ = static_cast<std::size_t>(target);
    atEnd_ = false;
    return 0;
}

std::int64_t ByteFileAccess::tell(std::FILE*)
{
    return static_cast<std::int64_t>(position_);
}

std::size_t ByteFileAccess::read(void* buffer, std::size_t size, std::FILE*)
{
    const std::size_t left = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    const std::size_t count = std::min(size, left);
    if (count > 0)
        std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    atEnd_ = count < size;
    return count;
}

bool ByteFileAccess::atEnd(std::FILE*)
{
    return atEnd_;
}

bool ByteFileAccess::failed(std::FILE*)
{
    return false;
}

} // namespace ordisan
