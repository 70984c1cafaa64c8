#include "app/utf8_notice.h"

#include "knowledge/loaders.h"
#include "knowledge/utf8_letter.h"

#include <QDir>
#include <QFileInfo>

namespace ordisan {

QString utf8Notice(FileAccess& files)
{
    QString lines;
    QString commands;
    for (const char* name : {SYNDROME_FILE_NAME, DICTIONARY_FILE_NAME}) {
        const Utf8Line found = firstUtf8Line(files, name);
        if (found.number == 0)
            continue;
        lines += QStringLiteral("%1, redak %2: %3\n")
                     .arg(QDir::toNativeSeparators(
                         QFileInfo(QString::fromLocal8Bit(files.pathOf(name))).absoluteFilePath()))
                     .arg(found.number)
                     .arg(QString::fromUtf8(found.text));
        // The tool reads the file whole before it writes, so one name serves as both.
        commands += QStringLiteral("ordisan-check --to-cp1250 %1 %1\n").arg(QLatin1String(name));
    }
    if (lines.isEmpty())
        return {};
    return QStringLiteral("Podaci su, čini se, spremljeni kao UTF-8, a ne u kodnoj stranici "
                          "1250, pa se slova poput č, ć, đ, š i ž prikazuju pogrešno. "
                          "Prvi takav redak:\n\n")
        + lines
        + QStringLiteral("\nPretvorite podatke u kodnu stranicu 1250 (Windows-1250) naredbom "
                         "u mapi s podacima:\n\n")
        + commands
        + QStringLiteral("\nili ih u uređivaču teksta spremite u toj kodnoj stranici, pa "
                         "ponovno pokrenite Ordisan.");
}

} // namespace ordisan
