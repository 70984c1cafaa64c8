#pragma once

#include "knowledge/file_access.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <memory>

namespace ordisan::test {

// A temporary folder for the data files of one test, with a FileAccess on it.
class DataFolder {
public:
    DataFolder() : files_(dir_.path().toStdString()) {}

    // Writes `bytes` as they are (code page 1250, line breaks spelled out).
    void write(const char* name, const QByteArray& bytes);
    QString path() const { return dir_.path(); }
    FileAccess& files() { return files_; }

private:
    QTemporaryDir dir_;
    FileAccess files_;
};

// `count` syndromes "Sindrom N", each with the symptom "Simptom N" for both sexes,
// as a syndrome file's bytes.
QByteArray syndromeFile(int count);
// `count` dictionary entries "PojamN" / " objasnjenje N".
QByteArray dictionaryFile(int count);

} // namespace ordisan::test
