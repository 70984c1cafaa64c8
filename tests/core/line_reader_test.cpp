#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"
#include "memory_file_access.h"
#include "recording_reporter.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace ordisan::test {
namespace {

using Lines = std::vector<std::pair<std::string, int>>; // text as a C string, number

// Every line of `file` through one reader, and what it reported.
std::pair<Lines, std::vector<std::string>> linesOf(const MemoryFile& file, int maxLength)
{
    MemoryFileAccess files;
    files.setFile("f", file);
    LineReader reader(files);
    EXPECT_TRUE(reader.allocateChunk());
    std::FILE* stream = files.open("f");
    reader.attach(stream);
    RecordingReporter reporter;
    Lines lines;
    while (reader.readLine(maxLength, reporter))
        lines.emplace_back(reader.line(), reader.lineNumber());
    if (reporter.calls.empty()) {
        EXPECT_EQ(reader.bytesConsumed(), static_cast<std::int64_t>(file.bytes.size()))
            << "every byte taken is counted";
    }
    files.close(stream);
    return {lines, reporter.calls};
}

// A long line or a read error also stops a load: those are checked with the loaders.
TEST(LineReader, SplitsLinesAsTheLoadersNeedThem)
{
    const std::string a998(998, 'a');
    const struct {
        const char* what;
        std::string bytes;
        int maxLength;
        Lines lines;
        std::vector<std::string> calls = {};
    } rows[] = {
        {"breaks and a comment only", "\r\n\r\n\n\r// samo komentar\r\n", 500, {}},
        {"final line without a break", "prvi\r\ndrugi", 500, {{"prvi", 1}, {"drugi", 2}}},
        {"final lone CR", "prvi\r\ndrugi\r", 500, {{"prvi", 1}, {"drugi", 2}}},
        {"final comment without a break", "prvi\r\ndrugi // x", 500, {{"prvi", 1}, {"drugi ", 2}}},
        {"slashes and comments", "Akutni // n\r\na/b\r\na/b/d\r\n// n\r\nx/y\r\n/\r\ng/h\r\nL\r\n",
         500, {{"Akutni ", 1}, {"ab", 2}, {"ab", 3}, {"x", 5}, {"g", 7}, {"L", 8}}},
        {"tabs and trailing blanks kept", "\tx\t \n", 500, {{"\tx\t ", 1}}},
        {"ends at its first NUL", std::string("ab\0cd\r\n", 7), 500, {{"ab", 1}}},
        {"CR, LF and blank lines numbered", "P\r M-G) d\n\r\n// k\rt\n   \n", 500,
         {{"P", 1}, {" M-G) d", 2}, {"t", 5}, {"   ", 6}}},
        {"a line across the chunk boundary",
         std::string(990, 'a') + "\r\n" + std::string(30, 'b') + "\r\nc\r\n", 2000,
         {{std::string(990, 'a'), 1}, {std::string(30, 'b'), 2}, {"c", 3}}},
        {"CR as byte 1000, its LF as byte 1001", std::string(999, 'd') + "\r\ne\r\n", 2000,
         {{std::string(999, 'd'), 1}, {"e", 2}}},
        {"exactly two chunks", a998 + "\r\n" + a998 + "\r\n", 2000, {{a998, 1}, {a998, 2}}},
        {"two chunks, last line unbroken", a998 + "\r\n" + std::string(1000, 'g'), 2000,
         {{a998, 1}, {std::string(1000, 'g'), 2}}},
        {"removed bytes do not count to the limit",
         std::string(250, 'x') + "/" + std::string(250, 'x') + "//" + std::string(40, 'c') + "\n",
         500, {{std::string(500, 'x'), 1}}},
        {"1023 bytes fit the buffer", std::string(1023, 'z') + "\n", 5000,
         {{std::string(1023, 'z'), 1}}},
        {"1024 bytes do not", "a\n" + std::string(1024, 'z') + "\n", 5000, {{"a", 1}},
         {messageCall("Predugačak red u liniji br. 2")}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(linesOf(MemoryFile{row.bytes}, row.maxLength), std::pair(row.lines, row.calls))
            << row.what;
}

TEST(LoadProgress, IsAPercentageForAnySizeAlsoPast64BitProducts)
{
    const struct {
        std::int64_t bytes, size;
        int percent;
    } rows[] = {
        {0, 0, 100}, {5, -1, 100}, {11, 10, 100}, {0, 10, 0}, {999, 1000, 99}, {1, 3, 33},
        {3'000'000'000LL, 4'000'000'000LL, 75}, {INT64_MAX / 2, INT64_MAX, 49},
        {INT64_MAX - 1, INT64_MAX, 99},
    };
    for (const auto& row : rows)
        EXPECT_EQ(progressPercent(row.bytes, row.size), row.percent) << row.bytes << "/"
                                                                     << row.size;
}

} // namespace
} // namespace ordisan::test
