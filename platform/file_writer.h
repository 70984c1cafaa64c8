#pragma once

#include <QByteArray>
#include <QString>

namespace ordisan {

// The one way the program writes a file. `bytes` reach `path` whole or not at all: the
// new text goes to a temporary file beside it, every write and the final flush are
// checked, and only a complete file replaces the old one. On any failure (a folder
// that is gone, no permission, a full disk) the old file stays as it was and no new
// file is left. Returns an empty string on success, else a message for the user,
// in Croatian, that begins "`what` nije spremljen u datoteku" and names the path.
QString writeFileWhole(const QString& path, const QByteArray& bytes, const QString& what);

} // namespace ordisan
