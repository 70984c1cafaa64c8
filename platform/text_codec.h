#pragma once

#include <QString>

#include <string_view>

namespace ordisan {

// Knowledge-base text (code page 1250 bytes) as a QString. The one place where the
// program converts: every text from the data files or the loaders passes here on its
// way to a widget.
QString fromCp1250(std::string_view bytes);
// A NUL-terminated string; null gives an empty string.
QString fromCp1250(const char* text);

} // namespace ordisan
