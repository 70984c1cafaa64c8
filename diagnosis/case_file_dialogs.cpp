#include "diagnosis/case_file_dialogs.h"

#include "cases/case_file_match.h"
#include "cases/case_file_reader.h"
#include "cases/case_file_writer.h"
#include "engine/diagnosis_case.h"
#include "platform/file_writer.h"
#include "platform/message_box.h"
#include "platform/text_codec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>

#include <limits>

namespace ordisan {

namespace {

const QString CASE_FILTER = QStringLiteral("Slučajevi (*.cxt);;Sve datoteke (*)");
// Files are at most a few kilobytes; a bigger one is no case a doctor saved.
constexpr qint64 LARGEST_CASE_FILE = 16 * 1024 * 1024;

// The documents folder, or home where there is none (not where the program runs).
QDir documents()
{
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return folder.exists() ? folder : QDir::home();
}

// A message box taller than the screen hides its button: the first faults, then a count
// (ordisan-check --cases lists them all).
constexpr qsizetype LINES_SHOWN = 15;

// "redak", "retka" or "redaka", as Croatian counts lines.
QString linesWord(qsizetype n)
{
    if (n % 10 == 1 && n % 100 != 11)
        return QStringLiteral("redak");
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14))
        return QStringLiteral("retka");
    return QStringLiteral("redaka");
}

QStringList errorLines(const std::vector<CaseFileError>& errors)
{
    QStringList lines;
    for (const CaseFileError& error : errors) {
        const QString text = fromCp1250(caseFileErrorText(error, croatianCaseFileWording()));
        lines.append(error.line > 0 ? QStringLiteral("redak %1: %2").arg(error.line).arg(text)
                                    : text);
    }
    if (lines.size() > LINES_SHOWN + 1) {
        const qsizetype more = lines.size() - LINES_SHOWN;
        lines.resize(LINES_SHOWN);
        lines.append(QStringLiteral("i još %1 %2").arg(more).arg(linesWord(more)));
    }
    return lines;
}

} // namespace

QString CaseFileDialogs::savePath(const QString& caption, const QString& name,
                                  const QString& filter)
{
    const QString suggested =
        documents().filePath(QDateTime::currentDateTime().toString(name));
    return QFileDialog::getSaveFileName(owner_, caption, suggested, filter);
}

bool CaseFileDialogs::write(const QString& path, const QByteArray& bytes, const QString& what)
{
    if (path.isEmpty())
        return false;
    const QString error = writeFileWhole(path, bytes, what);
    if (error.isEmpty())
        return true;
    messageBox(owner_, error, QStringLiteral("GREŠKA"), MessageIcon::None);
    return false;
}

bool CaseFileDialogs::saveSummary(const QString& text)
{
    const QString path = savePath(QStringLiteral("Spremi sažetak slučaja"),
                                  QStringLiteral("'sazetak-slucaja-'yyyy-MM-dd-HHmm'.txt'"),
                                  QStringLiteral("Tekstualne datoteke (*.txt);;Sve datoteke (*)"));
    return write(path, text.toUtf8(), QStringLiteral("Sažetak slučaja"));
}

bool CaseFileDialogs::saveCase(const DiagnosisCase& diagnosis)
{
    const QString path = savePath(QStringLiteral("Spremi slučaj"),
                                  QStringLiteral("'slucaj-'yyyy-MM-dd-HHmm'.cxt'"), CASE_FILTER);
    return write(path, QByteArray::fromStdString(writeCaseFile(diagnosis)),
                 QStringLiteral("Slučaj"));
}

void CaseFileDialogs::report(const QString& text, const QStringList& lines)
{
    messageBox(owner_, lines.isEmpty() ? text : text + u'\n' + lines.join(u'\n'),
               QStringLiteral("Otvori slučaj"), MessageIcon::Exclamation);
}

CaseFileDialogs::Opened CaseFileDialogs::openCase(DiagnosisCase& diagnosis,
                                                  const std::function<void()>& entered)
{
    const QString path = QFileDialog::getOpenFileName(owner_, QStringLiteral("Otvori slučaj"),
                                                      documents().path(), CASE_FILTER);
    if (path.isEmpty())
        return Opened::Nothing;
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly) && file.size() <= LARGEST_CASE_FILE;
    const QByteArray bytes = opened ? file.readAll() : QByteArray();
    // A read that failed half-way (a disk error, a network folder gone) is no shorter case.
    if (!opened || file.error() != QFile::NoError) {
        report(QStringLiteral("Datoteku\n%1\nnije moguće pročitati; ništa nije promijenjeno.")
                   .arg(shown), {});
        return Opened::Nothing;
    }
    const CaseFileText text = readCaseFile(std::string_view(bytes.constData(), bytes.size()));
    const MatchedCaseFile matched = text.errors.empty()
        ? matchCaseFile(text, diagnosis.knowledgeBase()) : MatchedCaseFile{};
    if (!text.errors.empty() || matched.cases.empty()) {
        report(QStringLiteral("Datoteka\n%1\nnije datoteka slučaja; ništa nije promijenjeno.\n")
                   .arg(shown), errorLines(text.errors.empty() ? matched.errors : text.errors));
        return Opened::Nothing;
    }
    const CaseEntry& entry = matched.cases.front();
    enterCase(diagnosis, entry);
    // As it stands the case is in that file.
    diagnosis.markSaved();
    entered();
    // Only the first case is opened; what the others lack does not concern it.
    const int end = text.cases.size() > 1 ? text.cases[1].line : std::numeric_limits<int>::max();
    std::vector<CaseFileError> unused;
    for (const CaseFileError& error : matched.errors)
        if (error.line < end)
            unused.push_back(error);
    QStringList lines = errorLines(unused);
    if (text.cases.size() > 1)
        lines.append(QStringLiteral("datoteka ima %1 slučajeva; otvoren je prvi, u retku %2")
                         .arg(text.cases.size()).arg(entry.line));
    if (lines.isEmpty())
        return Opened::Whole;
    report(QStringLiteral("Slučaj iz datoteke\n%1\notvoren je djelomično; ovo nije upotrijebljeno:\n")
               .arg(shown), lines);
    return Opened::Partly;
}

} // namespace ordisan
