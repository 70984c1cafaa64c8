#include "engine/percent_text.h"

namespace ordisan {

std::string percentPrefix(int percent)
{
    return "(" + std::to_string(percent) + "%) - ";
}

std::string percentText(int percent, std::string_view name)
{
    return percentPrefix(percent).append(name);
}

} // namespace ordisan
