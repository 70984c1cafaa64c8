#include "diagnosis/text_file.h"

#include <QDir>
#include <QSaveFile>

namespace ordisan {

QString writeTextFile(const QString& path, const QString& text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    QString reason;
    if (!file.open(QIODevice::WriteOnly))
        reason = QStringLiteral("Datoteku nije moguće otvoriti za pisanje: mapa ne postoji "
                                "ili nemate dopuštenje za pisanje u nju.");
    else if (file.write(bytes) != bytes.size() || !file.commit())
        reason = QStringLiteral("Zapisivanje nije uspjelo; disk je možda pun. "
                                "Postojeća datoteka nije promijenjena.");
    if (reason.isEmpty())
        return {};
    return QStringLiteral("Sažetak slučaja nije spremljen u datoteku\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace ordisan
