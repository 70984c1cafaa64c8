#pragma once

#include <string>

namespace ordisan {

// The bytes of the first valid two- or three-byte UTF-8 sequence in `text` that
// decodes to a letter ("0xC4 0x8D" for č), or "" when there is none. In code page
// 1250 text such a pair is almost never meant: "Ä" followed by "Ť" spells nothing,
// so it tells a file saved as UTF-8 by mistake.
std::string utf8LetterIn(const char* text);

} // namespace ordisan
