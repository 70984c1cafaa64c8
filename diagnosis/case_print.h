#pragma once

#include "diagnosis/case_summary.h"

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;
class QPrinter;

namespace ordisan {

// The case summary laid out for paper (A4, or whatever the printer has): the title,
// when, the patient, the present and absent findings as lists, the rankings as tables
// of place, percentage and name, and "stranica N od M" at the foot of every page.
class CasePrint final {
public:
    explicit CasePrint(const CaseSummary& summary);

    // The page's body as rich text.
    QString html() const;
    // Prints every page on `printer`. A PDF file is laid out on the printer's page and
    // written whole or not at all: on a failure an older file of that name stays as it
    // was. Returns an empty string on success, else a message for the user that names
    // the file, if any.
    QString print(QPrinter& printer) const;

private:
    bool paint(QPagedPaintDevice& device, int resolution) const;
    QByteArray pdf(const QPrinter& printer) const;

    const CaseSummary& summary_;
};

} // namespace ordisan
