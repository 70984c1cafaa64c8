#pragma once

#include "knowledge/file_access.h"

#include <string_view>

namespace ordisan {

// Serves one text held in memory as the only file there is, so that the line reader
// reads it as it reads a data file. The stream it hands out is a token, never
// dereferenced as a FILE.
class ByteFileAccess final : public FileAccess {
public:
    explicit ByteFileAccess(std::string_view bytes) : bytes_(bytes) {}

    std::FILE* open(const char* name) override;
    void close(std::FILE* stream) override;
    int seek(std::FILE* stream, std::int64_t offset, int origin) override;
    std::int64_t tell(std::FILE* stream) override;
    std::size_t read(void* buffer, std::size_t size, std::FILE* stream) override;
    bool atEnd(std::FILE* stream) override;
    bool failed(std::FILE* stream) override;

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    bool atEnd_ = false;
};

} // namespace ordisan
