#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <climits>

namespace ordisan::test {
namespace {

std::vector<ReadLine> linesOf(const std::string& bytes, int maxLength = MAX_EXPRESSION_LENGTH)
{
    RecordingReporter reporter;
    auto lines = readAllLines(bytes, maxLength, reporter);
    EXPECT_TRUE(reporter.calls.empty()) << reporter.calls.front();
    return lines;
}

TEST(LineReader, EmptyFileAndBreakOnlyFilesYieldNoLine)
{
    EXPECT_TRUE(linesOf("").empty());
    EXPECT_TRUE(linesOf("\r\n\r\n\n\r").empty());
    EXPECT_TRUE(linesOf("// only a comment\r\n").empty());
}

TEST(LineReader, AllThreeLineBreakStylesGiveTheSameLinesAndNumbers)
{
    const std::vector<ReadLine> expected = {
        {"Prvi", 1}, {" M-G) drugi", 2}, {"treci", 5}, {"   ", 6}, {"zadnji", 7}};
    for (const std::string brk : {"\r\n", "\r", "\n"}) {
        const std::string file = "Prvi" + brk + " M-G) drugi" + brk + brk + "// komentar" + brk
            + "treci" + brk + "   " + brk + "zadnji" + brk;
        EXPECT_EQ(linesOf(file), expected) << "line break of " << brk.size() << " bytes";
    }
}

TEST(LineReader, SlashesAndComments)
{
    const std::vector<ReadLine> expected = {
        {"Akutni abdomen ", 1}, {"ab", 2}, {"ab", 3}, {"x", 5}, {"g", 7}, {"mmolL", 8}};
    EXPECT_EQ(linesOf("Akutni abdomen // napomena\r\n"
                      "a/b\r\n"
                      "a/b/d\r\n"
                      "// naslov\r\n"
                      "x/y\r\n"
                      "/\r\n"
                      "g/h\r\n"
                      "mmol/L\r\n"),
              expected);
}

TEST(LineReader, TabsAndTrailingBlanksAreKept)
{
    const std::vector<ReadLine> expected = {{"\tx\t ", 1}};
    EXPECT_EQ(linesOf("\tx\t \n"), expected);
}

TEST(LineReader, FinalLineWithoutLineBreakIsReturned)
{
    const std::vector<ReadLine> expected = {{"prvi", 1}, {"drugi", 2}};
    EXPECT_EQ(linesOf("prvi\r\ndrugi"), expected);
    EXPECT_EQ(linesOf("prvi\r\ndrugi\r"), expected);
    EXPECT_EQ(linesOf("prvi\r\ndrugi\n"), expected);
    EXPECT_EQ(linesOf("prvi\r\ndrugi\r\n"), expected);
    const std::vector<ReadLine> commented = {{"prvi", 1}, {"drugi ", 2}};
    EXPECT_EQ(linesOf("prvi\r\ndrugi // bez kraja"), commented);
}

TEST(LineReader, ChunkBoundariesBehaveAsInsideOneChunk)
{
    // A line across the boundary between the first and second chunk.
    const std::string first(990, 'a');
    const std::string across(30, 'b');
    std::vector<ReadLine> expected = {{first, 1}, {across, 2}, {"c", 3}};
    EXPECT_EQ(linesOf(first + "\r\n" + across + "\r\nc\r\n", 2000), expected);

    // CR as byte 1000 and its LF as byte 1001: one line break, not two.
    const std::string upToCr(999, 'd');
    expected = {{upToCr, 1}, {"e", 2}};
    EXPECT_EQ(linesOf(upToCr + "\r\ne\r\n", 2000), expected);

    // A file of exactly 2000 bytes ends cleanly on the read that yields nothing.
    const std::string line(998, 'f');
    const std::string exact = line + "\r\n" + line + "\r\n";
    ASSERT_EQ(exact.size(), 2000u);
    expected = {{line, 1}, {line, 2}};
    EXPECT_EQ(linesOf(exact, 2000), expected);
    // ... also when its last line has no line break.
    const std::string unterminated = line + "\r\n" + std::string(1000, 'g');
    expected = {{line, 1}, {std::string(1000, 'g'), 2}};
    EXPECT_EQ(linesOf(unterminated, 2000), expected);
}

TEST(LineReader, LineOfExactlyTheLimitIsAcceptedOneMoreIsRefused)
{
    const std::string ok(500, 'x');
    const std::vector<ReadLine> expected = {{ok, 1}};
    EXPECT_EQ(linesOf(ok + "\r\n"), expected);
    // Removed slashes and comments do not count towards the length.
    EXPECT_EQ(linesOf(ok.substr(0, 250) + "/" + ok.substr(250) + "//" + std::string(40, 'c') + "\n"),
              expected);

    RecordingReporter reporter;
    const auto lines = readAllLines("prvi\r\n\r\n" + std::string(501, 'y') + "\r\nposlije\r\n", 500,
                                    reporter);
    const std::vector<ReadLine> before = {{"prvi", 1}};
    EXPECT_EQ(lines, before);
    const std::vector<std::string> calls = {
        messageCall("Nije očekivan tako dug izraz u liniji br.3", "ERROR")};
    EXPECT_EQ(reporter.calls, calls);
}

TEST(LineReader, LineFillingTheBufferIsRefusedWithItsOwnMessage)
{
    RecordingReporter reporter;
    const auto lines = readAllLines("a\n" + std::string(1024, 'z') + "\n", 5000, reporter);
    EXPECT_EQ(lines.size(), 1u);
    const std::vector<std::string> calls = {messageCall("Predugačak red u liniji br. 2")};
    EXPECT_EQ(reporter.calls, calls);
    // 1023 bytes still fit.
    EXPECT_EQ(linesOf(std::string(1023, 'z') + "\n", 5000).size(), 1u);
}

TEST(LineReader, LineEndsAtItsFirstNulByte)
{
    const auto lines = linesOf(std::string("ab\0cd\r\n", 7));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "ab");
}

TEST(LineReader, CountsEveryByteTaken)
{
    TempFolder folder;
    const std::string bytes = "a/b // c\r\n\r\nd\r\n";
    folder.write("f", bytes);
    FileAccess files(folder.path().string());
    LineReader reader(files);
    ASSERT_TRUE(reader.allocateChunk());
    std::FILE* stream = files.open("f");
    reader.attach(stream);
    RecordingReporter reporter;
    ASSERT_TRUE(reader.readLine(500, reporter));
    EXPECT_EQ(reader.bytesConsumed(), 9); // up to the CR; its LF stays for the next call
    ASSERT_TRUE(reader.readLine(500, reporter));
    EXPECT_EQ(reader.bytesConsumed(), 14);
    EXPECT_FALSE(reader.readLine(500, reporter));
    EXPECT_EQ(reader.bytesConsumed(), static_cast<std::int64_t>(bytes.size()));
    files.close(stream);
}

TEST(LineReader, ReadErrorIsReportedNotTakenForTheEnd)
{
    TempFolder folder;
    std::string bytes;
    for (int i = 1; i <= 300; ++i)
        bytes += "red " + std::to_string(i) + "\r\n";
    folder.write("f", bytes);
    FaultyFileAccess files(folder.path().string());
    files.failingRead = 1; // the second chunk stops short
    files.shortReadBytes = 10;
    LineReader reader(files);
    ASSERT_TRUE(reader.allocateChunk());
    std::FILE* stream = files.open("f");
    reader.attach(stream);
    RecordingReporter reporter;
    int lines = 0;
    int lastNumber = 0;
    while (reader.readLine(500, reporter)) {
        ++lines;
        lastNumber = reader.lineNumber();
    }
    files.close(stream);
    // The first chunk and the 10 bytes the failing read still returned: the lines up to
    // "red 124" are whole; "re" of the next line is being read when the error shows.
    EXPECT_EQ(lines, 124);
    EXPECT_EQ(lastNumber, 124);
    const std::vector<std::string> calls = {messageCall(
        "Greška pri čitanju datoteke u liniji br. " + std::to_string(lastNumber + 1))};
    EXPECT_EQ(reporter.calls, calls);
}

TEST(LoadProgress, IsAPercentageForAnySize)
{
    EXPECT_EQ(progressPercent(0, 0), 100);
    EXPECT_EQ(progressPercent(5, -1), 100);
    EXPECT_EQ(progressPercent(10, 10), 100);
    EXPECT_EQ(progressPercent(11, 10), 100);
    EXPECT_EQ(progressPercent(0, 10), 0);
    EXPECT_EQ(progressPercent(999, 1000), 99);
    EXPECT_EQ(progressPercent(1, 3), 33);
    // Sizes past 32 bits, and past where bytes × 100 fits in 64 bits.
    EXPECT_EQ(progressPercent(3'000'000'000LL, 4'000'000'000LL), 75);
    EXPECT_EQ(progressPercent(INT64_MAX / 2, INT64_MAX), 49);
    EXPECT_EQ(progressPercent(INT64_MAX - 1, INT64_MAX), 99);
}

} // namespace
} // namespace ordisan::test
