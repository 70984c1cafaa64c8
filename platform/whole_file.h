#pragma once

#include <QByteArray>
#include <QString>

namespace ordisan {

// What became of a file written whole or not at all.
struct WholeFileWrite {
    enum Result {
        Written,
        NotOpened,  // the folder is gone, or there is no permission to write into it
        NotWritten, // a write or the final flush failed: a full disk, a file-size limit
    };
    Result result = Written;
    QString reason; // the system's words for a failure, in English

    bool written() const { return result == Written; }
};

// The one way Ordisan and ordisan-check write a file, on Qt Core alone. `bytes` reach
// `path` whole or not at all: the new text goes to a temporary file beside it, every
// write and the final flush are checked, and only a complete file replaces the old one.
// On a failure the old file stays as it was and no new file is left.
WholeFileWrite writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace ordisan
