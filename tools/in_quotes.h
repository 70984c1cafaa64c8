// A text as the tool's messages quote it.
#pragma once

#include <string>
#include <string_view>

namespace ordisan::tools {

inline std::string inQuotes(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

} // namespace ordisan::tools
