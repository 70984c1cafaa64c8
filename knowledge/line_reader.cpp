#include "knowledge/line_reader.h"

#include "knowledge/messages.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

namespace ordisan {

namespace {
constexpr unsigned char LF = 0x0A;
constexpr unsigned char CR = 0x0D;
constexpr unsigned char SLASH = 0x2F;

constexpr std::array<bool, 256> PLAIN_BYTES = [] {
    std::array<bool, 256> plain{};
    plain.fill(true);
    plain[LF] = plain[CR] = plain[SLASH] = false;
    return plain;
}();
} // namespace

LineReader::LineReader(FileAccess& files) : files_(files) {}

LineReader::~LineReader()
{
    releaseChunk();
}

bool LineReader::allocateChunk()
{
    if (chunk_ == nullptr)
        chunk_ = files_.allocate(CHUNK_SIZE);
    return chunk_ != nullptr;
}

void LineReader::releaseChunk()
{
    if (chunk_ != nullptr)
        files_.release(chunk_);
    chunk_ = nullptr;
    chunkPosition_ = nullptr;
    chunkRemaining_ = 0;
}

void LineReader::attach(std::FILE* stream)
{
    stream_ = stream;
    chunkRemaining_ = 0;
    endOfFileSeen_ = false;
    lineNumber_ = 1;
    inComment_ = false;
    bytesConsumed_ = 0;
    previousByte_ = -1;
    readErrorPending_ = false;
}

// A line break (CR LF, lone CR, lone LF) belongs to the line it ends; the number
// goes up with the first byte after a completed break.
void LineReader::takeByteForNumbering(unsigned char byte)
{
    const bool afterBreak = previousByte_ == LF || (previousByte_ == CR && byte != LF);
    if (afterBreak && lineNumber_ < INT_MAX)
        ++lineNumber_;
    previousByte_ = byte;
}

// Refills an empty chunk. A read error is reported rather than taken for the end of
// the file, once the bytes that the failing read did return have been taken.
LineReader::Fill LineReader::fillChunk(LoadReporter& reporter)
{
    if (readErrorPending_) {
        readErrorPending_ = false;
        endOfFileSeen_ = true;
        reportLineMessage(reporter, Message::ReadError, lineNumber_);
        return Fill::Error;
    }
    if (endOfFileSeen_ || chunk_ == nullptr || stream_ == nullptr)
        return Fill::End;
    const std::size_t got = files_.read(chunk_, CHUNK_SIZE, stream_);
    chunkRemaining_ = static_cast<std::int32_t>(got);
    chunkPosition_ = chunk_;
    endOfFileSeen_ = files_.atEnd(stream_);
    if (got < static_cast<std::size_t>(CHUNK_SIZE) && !endOfFileSeen_ && files_.failed(stream_)) {
        readErrorPending_ = true;
        if (got == 0)
            return fillChunk(reporter);
    }
    if (got == 0) {
        endOfFileSeen_ = true;
        return Fill::End;
    }
    return Fill::Filled;
}

// Bytes that end no line, start no comment and, after one of their own kind, number
// no line: the reader takes whole runs of them at once.
bool LineReader::isPlain(int byte)
{
    return byte >= 0 && PLAIN_BYTES[static_cast<std::size_t>(byte)];
}

int LineReader::takePlainRun(int maxLength)
{
    const int room = std::min(LINE_BUFFER_SIZE, maxLength + 1) - 1 - lineLength_;
    const char* run = chunkPosition_;
    const char* end = run + (inComment_ ? chunkRemaining_ : std::min(chunkRemaining_, room));
    while (run < end && PLAIN_BYTES[static_cast<unsigned char>(*run)])
        ++run;
    const auto count = static_cast<std::int32_t>(run - chunkPosition_);
    if (count == 0)
        return 0;
    if (!inComment_) {
        std::memcpy(line_ + lineLength_, chunkPosition_, static_cast<std::size_t>(count));
        lineLength_ += count;
    }
    previousByte_ = static_cast<unsigned char>(run[-1]);
    chunkPosition_ = run;
    chunkRemaining_ -= count;
    bytesConsumed_ += count;
    return count;
}

bool LineReader::readLine(int maxLength, LoadReporter& reporter)
{
    const bool got = readLineBytes(maxLength, reporter);
    line_[lineLength_] = '\0';
    return got;
}

bool LineReader::readLineBytes(int maxLength, LoadReporter& reporter)
{
    lineLength_ = 0;
    inComment_ = false;
    bool sawSlash = false;
    bool pendingBreak = false;

    for (;;) {
        if (chunkRemaining_ == 0) {
            const Fill fill = fillChunk(reporter);
            if (fill == Fill::Error)
                return false;
            // At the end of the file, a last line without a line break behind it (or
            // ended by a lone CR as the very last byte) is still a line.
            if (fill == Fill::End)
                return lineLength_ > 0;
        }

        if (pendingBreak) {
            if (lineLength_ > 0)
                return true; // the byte after the CR stays for the next call
            pendingBreak = false;
            inComment_ = false;
        }

        if (isPlain(previousByte_) && takePlainRun(maxLength) > 0)
            continue;

        const auto byte = static_cast<unsigned char>(*chunkPosition_++);
        --chunkRemaining_;
        ++bytesConsumed_;
        takeByteForNumbering(byte);

        if (byte == LF) {
            if (lineLength_ > 0)
                return true;
            pendingBreak = false;
            inComment_ = false;
        } else if (byte == CR) {
            pendingBreak = true;
        } else if (byte == SLASH) {
            if (sawSlash)
                inComment_ = true;
            else
                sawSlash = true;
        } else if (!inComment_) {
            line_[lineLength_++] = static_cast<char>(byte);
        }

        if (lineLength_ == LINE_BUFFER_SIZE) {
            lineLength_ = LINE_BUFFER_SIZE - 1;
            reportLineMessage(reporter, Message::LineTooLongForBuffer, lineNumber_);
            return false;
        }
        if (lineLength_ > maxLength) {
            reportLineMessage(reporter, Message::ExpressionTooLong, lineNumber_);
            return false;
        }
    }
}

} // namespace ordisan
