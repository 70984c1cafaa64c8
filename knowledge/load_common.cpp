#include "knowledge/load_common.h"

#include "knowledge/loaders.h"

namespace ordisan {

int progressPercent(std::int64_t bytes, std::int64_t size)
{
    if (size <= 0 || bytes >= size)
        return 100;
    if (bytes <= 0)
        return 0;
    if (bytes <= INT64_MAX / 100)
        return static_cast<int>(bytes * 100 / size);
    // bytes * 100 would overflow: add bytes a hundred times, modulo size. Both stay
    // below size, so their sum fits in 64 unsigned bits.
    const auto b = static_cast<std::uint64_t>(bytes);
    const auto s = static_cast<std::uint64_t>(size);
    std::uint64_t remainder = 0;
    int percent = 0;
    for (int i = 0; i < 100; ++i) {
        remainder += b;
        if (remainder >= s) {
            remainder -= s;
            ++percent;
        }
    }
    return percent;
}

bool isBlankLine(const char* line)
{
    for (; *line != '\0'; ++line) {
        if (*line != ' ')
            return false;
    }
    return true;
}

namespace detail {

bool openForReading(LineReader& reader, const char* name, const OpenMessages& messages,
                    LoadReporter& reporter, OpenedFile& opened)
{
    FileAccess& files = reader.files();
    opened.stream = files.open(name);
    if (opened.stream == nullptr) {
        reportMessage(reporter, messages.open);
        return false;
    }
    opened.size = -1;
    if (files.seek(opened.stream, 0, SEEK_END) == 0)
        opened.size = files.tell(opened.stream);
    if (opened.size < 0) {
        reportMessage(reporter, messages.seekEnd);
        return false;
    }
    if (files.seek(opened.stream, 0, SEEK_SET) != 0) {
        reportMessage(reporter, messages.seekStart);
        return false;
    }
    // The syndrome file obtains the chunk; the dictionary normally finds it there.
    if (!reader.allocateChunk()) {
        reportMessage(reporter, Message::ChunkAllocation);
        return false;
    }
    reader.attach(opened.stream);
    return true;
}

} // namespace detail
} // namespace ordisan
