#include "platform/file_writer.h"

#include <QDir>
#include <QSaveFile>

namespace ordisan {

QString writeFileWhole(const QString& path, const QByteArray& bytes, const QString& what)
{
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = QStringLiteral("Datoteku nije moguće otvoriti za pisanje: mapa ne postoji "
                                "ili nemate dopuštenje za pisanje u nju.");
    } else if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        // The flush is checked on its own: a write into the buffer succeeds even when
        // the disk is full, and commit() would then put an empty file in place.
        // Without a commit the temporary file goes with `file`.
        reason = QStringLiteral("Zapisivanje nije uspjelo; disk je možda pun. "
                                "Postojeća datoteka nije promijenjena.");
    }
    if (reason.isEmpty())
        return {};
    return QStringLiteral("%1 nije spremljen u datoteku\n%2\n\n%3")
        .arg(what, QDir::toNativeSeparators(path), reason);
}

} // namespace ordisan
