#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace ordisan {

// The seam between the loaders and the C stream functions. The program uses it as it
// is, on real files in one folder; tests derive from it to make single operations fail.
class FileAccess {
public:
    // An empty folder means the current directory.
    explicit FileAccess(std::string folder = {});
    virtual ~FileAccess() = default;

    FileAccess(const FileAccess&) = delete;
    FileAccess& operator=(const FileAccess&) = delete;

    const std::string& folder() const { return folder_; }
    // The path a bare data file name is opened under.
    std::string pathOf(const char* name) const;

    // Opens the named data file of the folder for reading bytes; null on failure.
    virtual std::FILE* open(const char* name);
    virtual void close(std::FILE* stream);
    // 0 on success, as fseek.
    virtual int seek(std::FILE* stream, std::int64_t offset, int origin);
    // The position, or -1 on failure, as ftell.
    virtual std::int64_t tell(std::FILE* stream);
    virtual std::size_t read(void* buffer, std::size_t size, std::FILE* stream);
    virtual bool atEnd(std::FILE* stream);
    virtual bool failed(std::FILE* stream);
    // Memory for the reader's chunk; null when none can be had.
    virtual char* allocate(std::size_t size);
    virtual void release(char* block);

private:
    std::string folder_;
};

// A file opened through a FileAccess, closed through it when the owner goes, on
// whichever path the reading ends.
class OpenedFile final {
public:
    explicit OpenedFile(FileAccess& files) : files_(files) {}
    ~OpenedFile()
    {
        if (stream != nullptr)
            files_.close(stream);
    }
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;

    std::FILE* stream = nullptr;
    std::int64_t size = 0;

private:
    FileAccess& files_;
};

} // namespace ordisan
