#include "platform/file_writer.h"

#include "platform/whole_file.h"

#include <QDir>

namespace ordisan {

QString writeFileWhole(const QString& path, const QByteArray& bytes, const QString& what)
{
    const WholeFileWrite write = writeWholeFile(path, bytes);
    if (write.written())
        return {};
    const QString reason = write.result == WholeFileWrite::NotOpened
        ? QStringLiteral("Datoteku nije moguće otvoriti za pisanje: mapa ne postoji "
                         "ili nemate dopuštenje za pisanje u nju.")
        : QStringLiteral("Zapisivanje nije uspjelo; disk je možda pun. "
                         "Postojeća datoteka nije promijenjena.");
    return QStringLiteral("%1 nije spremljen u datoteku\n%2\n\n%3")
        .arg(what, QDir::toNativeSeparators(path), reason);
}

} // namespace ordisan
