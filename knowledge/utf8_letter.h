#pragma once

#include "knowledge/file_access.h"

#include <string>

namespace ordisan {

// The bytes of the first valid two- or three-byte UTF-8 sequence in `text` that
// decodes to a letter ("0xC4 0x8D" for č), or "" when there is none. In code page
// 1250 text such a pair is almost never meant: "Ä" followed by "Ť" spells nothing,
// so it tells a file saved as UTF-8 by mistake.
// The one test for a file saved as UTF-8: ordisan-check warns with it, and the program
// tells the user after the load.
std::string utf8LetterIn(const char* text);

// The first line of a data file, as the loaders read it, that holds such a letter.
struct Utf8Line {
    int number = 0; // 0: none, or the file could not be read
    std::string text;
    std::string bytes; // as utf8LetterIn gives them
};

// Reads the named data file through `files` once more, without a word to the user.
Utf8Line firstUtf8Line(FileAccess& files, const char* name);

} // namespace ordisan
