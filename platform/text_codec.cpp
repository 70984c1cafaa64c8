#include "platform/text_codec.h"

#include <QStringDecoder>

namespace ordisan {

QString fromCp1250(std::string_view bytes)
{
    // A decoder keeps state between calls; a fresh one per text keeps texts apart.
    QStringDecoder decoder("windows-1250");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString fromCp1250(const char* text)
{
    return text ? fromCp1250(std::string_view(text)) : QString();
}

} // namespace ordisan
