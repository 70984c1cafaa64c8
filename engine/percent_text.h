#pragma once

#include <string>
#include <string_view>

namespace ordisan {

// "(62%) - " and "(62%) - name": how a syndrome with its score or a symptom with its
// weight is written wherever a ranking is shown. The prefix is ASCII, so `name` may
// be code page 1250 or UTF-8 bytes and keeps its encoding.
std::string percentPrefix(int percent);
std::string percentText(int percent, std::string_view name);

} // namespace ordisan
