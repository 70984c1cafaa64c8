#include "res/strings.h"

#include "res/resource.h"

namespace ordisan {

namespace {

struct StringResource {
    int id;
    const char* text;
};

constexpr StringResource STRINGS[] = {
    {IDS_ABOUTBOX, "&About Ordisan..."},
};

} // namespace

QString loadString(int id)
{
    for (const StringResource& entry : STRINGS)
        if (entry.id == id)
            return QString::fromUtf8(entry.text);
    return {};
}

} // namespace ordisan
