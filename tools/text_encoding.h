#pragma once

#include <string>
#include <string_view>

namespace ordisan::tools {

// Code page 1250 → UTF-8 up to the first NUL, exactly as the program shows the text
// (Qt's windows-1250 decoder: the five bytes with no character, 0x81 0x83 0x88 0x90
// 0x98, become U+0081 U+0083 U+0088 U+0090 U+0098).
std::string utf8From1250(std::string_view cp1250);

// The shortest decimal that reads back as the same 32-bit float.
std::string shortestDecimal(float value);

// A JSON string literal, quotes included: only '"', '\\' and U+0000–U+001F escaped.
std::string jsonString(std::string_view utf8);

} // namespace ordisan::tools
