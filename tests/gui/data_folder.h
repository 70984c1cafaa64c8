#pragma once

#include "test_files.h"

#include "knowledge/file_access.h"

#include <QByteArray>
#include <QString>

namespace ordisan::test {

// The shared temporary folder with a FileAccess on it, for the data files of one test.
class DataFolder final {
public:
    DataFolder() : files_(folder_.path().string()) {}

    // Writes `bytes` as they are (code page 1250, line breaks spelled out).
    void write(const char* name, const QByteArray& bytes) const
    {
        folder_.write(name, bytes.toStdString());
    }
    QString path() const { return QString::fromStdString(folder_.path().string()); }
    FileAccess& files() { return files_; }

private:
    TempFolder folder_;
    FileAccess files_;
};

// `count` syndromes "Sindrom N", each with the symptom "Simptom N" for both sexes,
// as a syndrome file's bytes.
QByteArray syndromeFile(int count);
// `count` dictionary entries "PojamN" / " objasnjenje N".
QByteArray dictionaryFile(int count);

} // namespace ordisan::test
