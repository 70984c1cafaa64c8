#pragma once

#include <QList>
#include <QString>

class QKeyEvent;
class QMenu;

namespace ordisan {

// The keys of the diagnosis, apart from the trees' own (letters search, arrows move)
// and the dialog's (Enter and Esc end it).
enum class DiagnosisKey {
    None,
    CycleAnswer,  // Space: unknown, present, absent, unknown again
    Present,      // +
    Absent,       // -
    Unknown,      // ?
    Rerank,       // F5, Ctrl+R
    CopySummary,  // Ctrl+C
    SaveCase,     // Ctrl+S
    OpenCase,     // Ctrl+O
    PrintSummary, // Ctrl+P
};

// The command `event` stands for; the answer keys count whatever Shift it took to type
// them on the keyboard's layout.
DiagnosisKey diagnosisKeyOf(const QKeyEvent& event);
// An answer key acts on the selected symptom.
bool isAnswerKey(DiagnosisKey key);

// The keys as the user reads them, one row per key: the key, then what it does.
struct KeyHelpRow {
    QString keys;
    QString meaning;
};
QList<KeyHelpRow> diagnosisKeyHelp();
// The rows as a table at the end of `menu`, to read, not to choose.
void addKeyHelp(QMenu& menu);

} // namespace ordisan
