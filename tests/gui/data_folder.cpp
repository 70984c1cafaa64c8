#include "data_folder.h"

namespace ordisan::test {

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
