#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace ordisan {

class DiagnosisCase;

// What the diagnosis saves and opens, with the file dialogs and messages around it:
// the case summary (UTF-8 text for the patient's record) and the case file (the
// format of slucajevi.cxt). Every file goes through the one file writer.
class CaseFileDialogs final {
public:
    explicit CaseFileDialogs(QWidget* owner) : owner_(owner) {}

    // True when the file was written; false when cancelled or failed (then said).
    bool saveSummary(const QString& text);
    bool saveCase(const DiagnosisCase& diagnosis);

    enum class Opened { Nothing, Whole, Partly };
    // Asks for a case file and enters its first case into `diagnosis`, then calls
    // `entered` (which shows the case) before any report, so that the report stands over
    // the case as opened. A file that is no case file, or cannot be read, is reported
    // and changes nothing; texts the knowledge base does not hold are left out and
    // listed with their line numbers.
    Opened openCase(DiagnosisCase& diagnosis, const std::function<void()>& entered);

private:
    QString savePath(const QString& caption, const QString& name, const QString& filter);
    bool write(const QString& path, const QByteArray& bytes, const QString& what);
    void report(const QString& text, const QStringList& lines);

    QWidget* owner_;
};

} // namespace ordisan
