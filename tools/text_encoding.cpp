#include "tools/text_encoding.h"

#include "platform/text_codec.h"

namespace ordisan::tools {

std::string utf8From1250(std::string_view cp1250)
{
    return fromCp1250(cp1250.substr(0, cp1250.find('\0'))).toUtf8().toStdString();
}

} // namespace ordisan::tools
