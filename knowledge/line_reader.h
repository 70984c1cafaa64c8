#pragma once

#include "knowledge/file_access.h"
#include "knowledge/load_reporter.h"

#include <cstdint>
#include <cstdio>

namespace ordisan {

inline constexpr int CHUNK_SIZE = 1000;
inline constexpr int LINE_BUFFER_SIZE = 1024;
inline constexpr int MAX_EXPRESSION_LENGTH = 500;

// Turns an open data file into logical lines: line breaks (CR LF, CR, LF) and '/'
// comments removed, empty lines never returned, physical lines numbered, bytes
// counted for progress. Reads in CHUNK_SIZE pieces into one buffer kept across files.
class LineReader final {
public:
    // Reads and allocates through `files`, which must outlive the reader.
    explicit LineReader(FileAccess& files);
    ~LineReader();

    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    FileAccess& files() const { return files_; }

    bool allocateChunk();
    void releaseChunk();
    bool holdsChunk() const { return chunk_ != nullptr; }

    void attach(std::FILE* stream);
    // True: line() holds the next non-empty line of at most maxLength bytes.
    // False: no more lines, or an error has just been reported through `reporter`.
    bool readLine(int maxLength, LoadReporter& reporter);

    const char* line() const { return line_; }
    int lineLength() const { return lineLength_; }
    int lineNumber() const { return lineNumber_; }
    std::int64_t bytesConsumed() const { return bytesConsumed_; }

private:
    enum class Fill { Filled, End, Error };
    Fill fillChunk(LoadReporter& reporter);
    bool readLineBytes(int maxLength, LoadReporter& reporter);
    static bool isPlain(int byte);
    // Takes the plain bytes at the chunk position that fit the line; how many.
    int takePlainRun(int maxLength);
    void takeByteForNumbering(unsigned char byte);

    FileAccess& files_;
    std::FILE* stream_ = nullptr;
    char* chunk_ = nullptr;
    const char* chunkPosition_ = nullptr;
    std::int32_t chunkRemaining_ = 0;
    bool endOfFileSeen_ = false;
    char line_[LINE_BUFFER_SIZE] = {};
    std::int32_t lineLength_ = 0;
    std::int32_t lineNumber_ = 1;
    std::int64_t bytesConsumed_ = 0;
    bool inComment_ = false;
    int previousByte_ = -1; // none since attach
    bool readErrorPending_ = false; // the last read failed after returning some bytes
};

} // namespace ordisan
