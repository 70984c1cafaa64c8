#pragma once

#include <string>
#include <string_view>

namespace ordisan::tools {

// Code page 1250 → UTF-8 up to the first NUL, through the program's own conversion,
// so the text reads as the program shows it.
std::string utf8From1250(std::string_view cp1250);

// The shortest decimal that reads back as the same 32-bit float.
std::string shortestDecimal(float value);

// A JSON string literal, quotes included: only '"', '\\' and U+0000–U+001F escaped.
std::string jsonString(std::string_view utf8);

} // namespace ordisan::tools
