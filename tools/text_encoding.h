#pragma once

#include <string>
#include <string_view>

namespace ordisan::tools {

// Code page 1250 → UTF-8 up to the first NUL, through the program's own conversion,
// so the text reads as the program shows it.
std::string utf8From1250(std::string_view cp1250);

} // namespace ordisan::tools
