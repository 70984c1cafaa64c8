#include "data_folder.h"

#include <QFile>

namespace ordisan::test {

void DataFolder::write(const char* name, const QByteArray& bytes)
{
    QFile file(dir_.filePath(QString::fromLatin1(name)));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray syndromeFile(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "Sindrom " + QByteArray::number(i) + "\r\n O-G) Simptom " + QByteArray::number(i)
            + "\r\n";
    return bytes;
}

QByteArray dictionaryFile(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "Pojam" + QByteArray::number(i) + "\r\n objasnjenje " + QByteArray::number(i)
            + "\r\n";
    return bytes;
}

} // namespace ordisan::test
