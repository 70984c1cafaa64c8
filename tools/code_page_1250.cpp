#include "tools/code_page_1250.h"

#include <array>
#include <cstdio>

namespace ordisan::tools {

namespace {

// Bytes 0x80 to 0xFF; below them code page 1250 is ASCII.
constexpr std::array<char32_t, 128> UPPER_HALF = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

bool continues(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

std::string codePointName(char32_t codePoint)
{
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

} // namespace

std::optional<unsigned char> cp1250ByteOf(char32_t codePoint)
{
    if (codePoint < 0x80)
        return static_cast<unsigned char>(codePoint);
    for (std::size_t k = 0; k < UPPER_HALF.size(); ++k) {
        if (UPPER_HALF[k] == codePoint && codePoint != 0)
            return static_cast<unsigned char>(0x80 + k);
    }
    return std::nullopt;
}

char32_t codePointOf1250(unsigned char byte)
{
    return byte < 0x80 ? byte : UPPER_HALF[byte - 0x80u];
}

std::optional<Utf8Char> utf8CharAt(std::string_view text, std::size_t position)
{
    const auto at = [&](std::size_t k) {
        return position + k < text.size() ? static_cast<unsigned char>(text[position + k]) : 0;
    };
    const unsigned char lead = at(0);
    if (position >= text.size())
        return std::nullopt;
    if (lead < 0x80)
        return Utf8Char{lead, 1};
    const int length = lead >= 0xC2 && lead <= 0xDF ? 2
        : lead >= 0xE0 && lead <= 0xEF             ? 3
        : lead >= 0xF0 && lead <= 0xF4             ? 4
                                                   : 0;
    if (length == 0)
        return std::nullopt;
    char32_t codePoint = lead & (0xFFu >> (length + 1));
    for (int k = 1; k < length; ++k) {
        if (!continues(at(static_cast<std::size_t>(k))))
            return std::nullopt;
        codePoint = (codePoint << 6) | (at(static_cast<std::size_t>(k)) & 0x3Fu);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return std::nullopt;
    return Utf8Char{codePoint, length};
}

std::size_t cp1250LengthOf(std::string_view text)
{
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = utf8CharAt(text, i);
        const bool oneByte = c && c->length > 1 && cp1250ByteOf(c->codePoint);
        i += oneByte ? static_cast<std::size_t>(c->length) : 1;
        ++length;
    }
    return length;
}

Cp1250Text cp1250FromUtf8(std::string_view utf8)
{
    Cp1250Text out;
    if (utf8.starts_with("\xEF\xBB\xBF"))
        utf8.remove_prefix(3);
    out.bytes.reserve(utf8.size() + utf8.size() / 32);
    int line = 1;
    int column = 1;
    bool lineOpen = false;
    const auto endLine = [&] {
        out.bytes += "\r\n";
        ++line;
        column = 1;
        lineOpen = false;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        if (utf8[i] == '\n' || utf8[i] == '\r') {
            i += utf8.compare(i, 2, "\r\n") == 0 ? 2 : 1;
            endLine();
            continue;
        }
        lineOpen = true;
        const auto c = utf8CharAt(utf8, i);
        if (!c) {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(utf8[i]));
            out.refusals.push_back({line, column, std::string("the byte ") + byte
                                                      + " is no UTF-8 (is the file already in "
                                                        "code page 1250?)"});
            ++i;
        } else if (const auto byte = cp1250ByteOf(c->codePoint)) {
            out.bytes += static_cast<char>(*byte);
            i += static_cast<std::size_t>(c->length);
        } else {
            out.refusals.push_back({line, column, "\"" + std::string(utf8.substr(i, c->length))
                                                      + "\" (" + codePointName(c->codePoint)
                                                      + ") has no place in code page 1250"});
            i += static_cast<std::size_t>(c->length);
        }
        ++column;
    }
    if (lineOpen)
        endLine();
    out.lines = line - 1;
    return out;
}

} // namespace ordisan::tools
