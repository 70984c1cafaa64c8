#include "test_support.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace ordisan::test {

void RecordingReporter::showMessage(const char* text, const char* caption, int icon)
{
    calls.push_back(std::string("message|") + text + "|" + caption + "|" + std::to_string(icon));
}

void RecordingReporter::showProgress(int percent)
{
    calls.push_back("progress|" + std::to_string(percent));
}

void RecordingReporter::showSyndromeCounts(int syndromes, int symptoms, int links)
{
    calls.push_back("counts|" + std::to_string(syndromes) + "|" + std::to_string(symptoms) + "|"
                    + std::to_string(links));
}

void RecordingReporter::showWordCount(int words)
{
    calls.push_back("words|" + std::to_string(words));
}

std::vector<std::string> RecordingReporter::messages() const
{
    std::vector<std::string> out;
    for (const auto& call : calls) {
        if (call.rfind("message|", 0) == 0)
            out.push_back(call);
    }
    return out;
}

std::unique_ptr<KnowledgeBase> emptyKnowledgeBase()
{
    return std::make_unique<KnowledgeBase>();
}

std::string messageCall(const std::string& text, const std::string& caption, int icon)
{
    return "message|" + cp1250(text) + "|" + cp1250(caption) + "|" + std::to_string(icon);
}

} // namespace ordisan::test

#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"

namespace ordisan::test {

std::FILE* FaultyFileAccess::open(const char* name)
{
    if (failOpen)
        return nullptr;
    std::FILE* stream = FileAccess::open(name);
    if (stream != nullptr)
        ++opens;
    reads_ = 0;
    errorSet_ = false;
    return stream;
}

void FaultyFileAccess::close(std::FILE* stream)
{
    ++closes;
    FileAccess::close(stream);
}

int FaultyFileAccess::seek(std::FILE* stream, std::int64_t offset, int origin)
{
    if ((origin == SEEK_END && failSeekEnd) || (origin == SEEK_SET && failSeekStart))
        return -1;
    return FileAccess::seek(stream, offset, origin);
}

std::int64_t FaultyFileAccess::tell(std::FILE* stream)
{
    return tellFails ? -1 : FileAccess::tell(stream);
}

std::size_t FaultyFileAccess::read(void* buffer, std::size_t size, std::FILE* stream)
{
    if (reads_++ == failingRead) {
        errorSet_ = true;
        return FileAccess::read(buffer, std::min(size, shortReadBytes), stream);
    }
    return FileAccess::read(buffer, size, stream);
}

bool FaultyFileAccess::failed(std::FILE* stream)
{
    return errorSet_ || FileAccess::failed(stream);
}

char* FaultyFileAccess::allocate(std::size_t size)
{
    if (failAllocate)
        return nullptr;
    ++allocations;
    return FileAccess::allocate(size);
}

void FaultyFileAccess::release(char* block)
{
    ++releases;
    FileAccess::release(block);
}

std::vector<ReadLine> readAllLines(const std::string& bytes, int maxLength,
                                   RecordingReporter& reporter)
{
    TempFolder folder;
    folder.write("lines.txt", bytes);
    FileAccess files(folder.path().string());
    LineReader reader(files);
    if (!reader.allocateChunk())
        throw std::runtime_error("no chunk");
    std::FILE* stream = files.open("lines.txt");
    reader.attach(stream);
    std::vector<ReadLine> lines;
    while (reader.readLine(maxLength, reporter))
        lines.push_back({reader.line(), reader.lineNumber()});
    files.close(stream);
    return lines;
}

LoadResult loadBoth(KnowledgeBase& kb, FileAccess& files, RecordingReporter& reporter)
{
    LineReader reader(files);
    LoadResult result;
    result.syndromeFile = loadSyndromeFile(kb, reader, reporter);
    if (result.syndromeFile) {
        result.dictionaryRan = true;
        result.dictionaryFile = loadDictionaryFile(kb, reader, reporter);
    }
    return result;
}

} // namespace ordisan::test
