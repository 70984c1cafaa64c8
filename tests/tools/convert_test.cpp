// ordisan-check --to-cp1250: an author's UTF-8 file turned into the data files' encoding.
#include "check_runner.h"
#include "platform/text_codec.h"
#include "tools/code_page_1250.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace ordisan::tools::test {

namespace {

std::string contentOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The conversion's table agrees with the program's own decoding, byte for byte.
TEST(CodePage1250, EveryDefinedByteRoundTripsThroughTheProgramsDecoding)
{
    for (int byte = 1; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const QString shown = fromCp1250(std::string_view(&c, 1));
        const char32_t codePoint = codePointOf1250(static_cast<unsigned char>(byte));
        if (codePoint == 0)
            continue; // 0x81, 0x83, 0x88, 0x90, 0x98
        ASSERT_EQ(shown.size(), 1) << byte;
        EXPECT_EQ(static_cast<char32_t>(shown[0].unicode()), codePoint) << byte;
        EXPECT_EQ(cp1250ByteOf(codePoint), static_cast<unsigned char>(byte)) << byte;
    }
}

// Each row twice: into a new file, and over an older one, which a failure leaves as it
// was; nothing else is left in the folder.
TEST(ConvertCommand, WritesCodePage1250WithCrLfOrNothingAtAll)
{
    const TempFolder folder;
    const std::string in = folder.path() / "in.txt", out = folder.path() / "out.cxt";
    struct Row {
        std::string utf8;
        int status;
        std::string written; // code page 1250
        std::string err;     // each line after the input's path
        bool diskFull = false;
    };
    std::string longText;
    for (int i = 0; i < 100; ++i)
        longText += "Šećerna bolest\n";
    const Row rows[] = {
        // A byte order mark goes; LF, CR LF and CR become CR LF, the last line gets one.
        {"\xEF\xBB\xBF" "Šećerna bolest\n O-O) žeđ\r\n O-T) bol – jaka\r// kraj",
         0, cp1250("Šećerna bolest\r\n O-O) žeđ\r\n O-T) bol ") + "\x96 jaka\r\n// kraj\r\n", ""},
        {"", 0, "", ""},
        // Every letter code page 1250 lacks, with its line and column; nothing written.
        {"Gripa\n O-O) temperatura → 39 °C\n O-T) kašalj ≥ 3 tjedna\n", 1, "",
         ":2:19: \"→\" (U+2192) has no place in code page 1250\n"
         ":3:14: \"≥\" (U+2265) has no place in code page 1250\n"},
        // A file already in code page 1250 is no UTF-8.
        {cp1250("Žutica\n čir\n"), 1, "",
         ":1:1: the byte 0x8E is no UTF-8 (is the file already in code page 1250?)\n"
         ":2:2: the byte 0xE8 is no UTF-8 (is the file already in code page 1250?)\n"},
        // A full disk: the file-size limit fails the write.
        {longText, 1, "", "", true},
    };
    const std::string older = "staro\r\n";
    for (const Row& row : rows) {
        for (const bool over : {false, true}) {
            std::filesystem::remove(out);
            if (over)
                folder.write("out.cxt", older);
            folder.write("in.txt", row.utf8);
            const CheckResult r = runCheck({"--to-cp1250", in, out}, row.diskFull);
            if (row.status == 0) {
                EXPECT_EQ(r.status, 0) << r;
                EXPECT_EQ(contentOf(out), row.written);
            } else if (row.diskFull) {
                EXPECT_EQ(r, (CheckResult{1, "", out + ": cannot be written: File too large; "
                                                       "nothing written\n"}));
            } else {
                std::string err;
                for (std::size_t at = 0, next; at < row.err.size(); at = next + 1) {
                    next = row.err.find('\n', at);
                    err += in + row.err.substr(at, next + 1 - at);
                }
                EXPECT_EQ(r, (CheckResult{1, "", err + "ordisan-check: nothing written to " + out
                                                      + "\n"}));
            }
            if (row.status != 0) {
                EXPECT_EQ(std::filesystem::exists(out) ? contentOf(out) : "-",
                          over ? older : "-");
            }
            const auto files = std::distance(std::filesystem::directory_iterator(folder.path()),
                                             std::filesystem::directory_iterator());
            EXPECT_EQ(files, row.status == 0 || over ? 2 : 1);
        }
    }
}

} // namespace

} // namespace ordisan::tools::test
