#include "tools/text_encoding.h"

#include "platform/text_codec.h"

#include <charconv>
#include <cstdio>

namespace ordisan::tools {

std::string utf8From1250(std::string_view cp1250)
{
    return fromCp1250(cp1250.substr(0, cp1250.find('\0'))).toUtf8().toStdString();
}

std::string shortestDecimal(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string jsonString(std::string_view utf8)
{
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

} // namespace ordisan::tools
