#pragma once

#include "diagnosis/case_summary.h"

#include <QString>

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
    // Prints every page on `printer` (a PDF file included). False when the printer
    // could not be started or reported an error; nothing then says it went well.
    bool print(QPrinter& printer) const;

private:
    const CaseSummary& summary_;
};

} // namespace ordisan
