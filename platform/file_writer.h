#pragma once

#include <QByteArray>
#include <QString>

namespace ordisan {

// The program's way to write a file: writeWholeFile() (whole or not at all; on a
// failure an older file stays as it was and no new file is left), with its failure
// told in Croatian. Returns an empty string on success, else a message for the user
// that begins "`what` nije spremljen u datoteku" and names the path.
QString writeFileWhole(const QString& path, const QByteArray& bytes, const QString& what);

} // namespace ordisan
