#pragma once

#include <QString>

namespace ordisan {

// Writes `text` as UTF-8 to `path`, whole or not at all: a failed write leaves no part
// of a file behind and any file that was there as it was. Returns an empty string on
// success, else what went wrong, in Croatian, for a message box.
QString writeTextFile(const QString& path, const QString& text);

} // namespace ordisan
