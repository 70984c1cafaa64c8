#include "app/utf8_notice.h"

#include "knowledge/loaders.h"
#include "knowledge/utf8_letter.h"

#include <QDir>
#include <QFileInfo>

namespace ordisan {

QString utf8Notice(FileAccess& files)
{
    QString lines;
    for (const char* name : {SYNDROME_FILE_NAME, DICTIONARY_FILE_NAME}) {
        const Utf8Line found = firstUtf8Line(files, name);
        if (found.number == 0)
            continue;
        lines += QStringLiteral("%1, redak %2: %3\n")
                     .arg(QDir::toNativeSeparators(
                         QFileInfo(QString::fromLocal8Bit(files.pathOf(name))).absoluteFilePath()))
                     .arg(found.number)
                     .arg(QString::fromUtf8(found.text));
    }
    if (lines.isEmpty())
        return {};
    return QStringLiteral("Podaci su, čini se, spremljeni kao UTF-8, a ne u kodnoj stranici "
                          "1250, pa se slova poput č, ć, đ, š i ž prikazuju pogrešno. "
                          "Prvi takav redak:\n\n")
        + lines
        + QStringLiteral("\nSpremite datoteku u kodnoj stranici 1250 (Windows-1250) i ponovno "
                         "pokrenite Ordisan.");
}

} // namespace ordisan
