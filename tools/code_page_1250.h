// Code page 1250 and UTF-8 side by side, in standard C++: the tool turns an author's
// UTF-8 file into the data files' encoding, and measures what a UTF-8 text would take
// in code page 1250.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ordisan::tools {

// The byte that stands for `codePoint` in code page 1250, if there is one.
std::optional<unsigned char> cp1250ByteOf(char32_t codePoint);
// The character of a code page 1250 byte; 0 for the five bytes it leaves undefined.
char32_t codePointOf1250(unsigned char byte);

// One well-formed UTF-8 sequence (no overlong form, no surrogate, at most U+10FFFF).
struct Utf8Char {
    char32_t codePoint = 0;
    int length = 0;
};
std::optional<Utf8Char> utf8CharAt(std::string_view text, std::size_t position);

// How many bytes `text`, read as UTF-8, would take in code page 1250 where each of its
// letters has a byte: of interest when a text is too long only because it is UTF-8.
std::size_t cp1250LengthOf(std::string_view text);

// UTF-8 text turned into code page 1250 with CR LF after every line, the last one
// included. A byte order mark at the start is dropped; LF, CR LF and a lone CR each
// end a line. `refusals` lists every character that code page 1250 cannot hold and
// every byte that is no UTF-8, in order; when there is one, `bytes` is not to be used.
struct Cp1250Text {
    std::string bytes;
    int lines = 0;
    struct Refusal {
        int line = 0;
        int column = 0; // in characters, from 1
        std::string text;
    };
    std::vector<Refusal> refusals;
};
Cp1250Text cp1250FromUtf8(std::string_view utf8);

} // namespace ordisan::tools
