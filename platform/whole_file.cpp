#include "platform/whole_file.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace ordisan {

WholeFileWrite writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {WholeFileWrite::NotOpened, file.errorString()};
    // The flush is checked on its own: a write into the buffer succeeds even when the
    // disk is full, and commit() would then put an empty file in place. Without a
    // commit the temporary file goes with `file`.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        // A failed flush leaves Qt's error text at "Unknown error"; the system's is
        // still in errno ("File too large", "No space left on device").
        const int error = errno;
        return {WholeFileWrite::NotWritten,
                error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString()};
    }
    return {};
}

} // namespace ordisan
