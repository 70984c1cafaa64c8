#include "knowledge/utf8_letter.h"

#include <cstdio>

namespace ordisan {

namespace {

// Code points a UTF-8 sequence may stand for in a file saved as UTF-8 by mistake:
// Latin letters with marks, Greek, Cyrillic. The multiplication and division signs
// are no letters.
bool isLetter(unsigned codePoint)
{
    if (codePoint == 0xD7 || codePoint == 0xF7)
        return false;
    return (codePoint >= 0xC0 && codePoint <= 0x24F) || (codePoint >= 0x370 && codePoint <= 0x4FF)
        || (codePoint >= 0x1E00 && codePoint <= 0x1EFF);
}

} // namespace

std::string utf8LetterIn(const char* text)
{
    const auto continues = [](unsigned char byte) { return (byte & 0xC0) == 0x80; };
    for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
        unsigned codePoint = 0;
        int length = 0;
        if (*p >= 0xC2 && *p <= 0xDF && continues(p[1])) {
            codePoint = ((*p & 0x1Fu) << 6) | (p[1] & 0x3Fu);
            length = 2;
        } else if (*p >= 0xE0 && *p <= 0xEF && continues(p[1]) && continues(p[2])) {
            codePoint = ((*p & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
            length = codePoint >= 0x800 ? 3 : 0; // shorter forms are no valid UTF-8
        }
        if (length == 0 || !isLetter(codePoint))
            continue;
        std::string bytes;
        for (int k = 0; k < length; ++k) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%s0x%02X", k == 0 ? "" : " ", p[k]);
            bytes += hex;
        }
        return bytes;
    }
    return {};
}

} // namespace ordisan
