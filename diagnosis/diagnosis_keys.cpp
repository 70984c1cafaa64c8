#include "diagnosis/diagnosis_keys.h"

#include <QKeyEvent>

namespace ordisan {

DiagnosisKey diagnosisKeyOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier && event.key() == Qt::Key_R)
        return DiagnosisKey::Rerank;
    if (event.matches(QKeySequence::Copy))
        return DiagnosisKey::CopySummary;
    if (modifiers & ~Qt::ShiftModifier)
        return DiagnosisKey::None;
    if (event.key() == Qt::Key_F5 && modifiers == Qt::NoModifier)
        return DiagnosisKey::Rerank;
    if (event.key() == Qt::Key_Space)
        return modifiers == Qt::NoModifier ? DiagnosisKey::CycleAnswer : DiagnosisKey::None;
    const QString text = event.text();
    if (text == u"+")
        return DiagnosisKey::Present;
    if (text == u"-")
        return DiagnosisKey::Absent;
    if (text == u"?")
        return DiagnosisKey::Unknown;
    return DiagnosisKey::None;
}

bool isAnswerKey(DiagnosisKey key)
{
    switch (key) {
    case DiagnosisKey::CycleAnswer:
    case DiagnosisKey::Present:
    case DiagnosisKey::Absent:
    case DiagnosisKey::Unknown: return true;
    default: return false;
    }
}

QList<KeyHelpRow> diagnosisKeyHelp()
{
    return {
        {QStringLiteral("slova"), QStringLiteral("traže simptom ili sindrom")},
        {QStringLiteral("Razmaknica"), QStringLiteral("odgovor redom: prisutan, odsutan, nepoznat")},
        {QStringLiteral("+"), QStringLiteral("prisutan")},
        {QStringLiteral("-"), QStringLiteral("odsutan")},
        {QStringLiteral("?"), QStringLiteral("nepoznat")},
        {QStringLiteral("F5, Ctrl+R"), QStringLiteral("<<Rangiraj>>")},
        {QStringLiteral("Ctrl+C"), QStringLiteral("kopiraj sažetak slučaja")},
        {QStringLiteral("Tab"), QStringLiteral("drugo stablo, gumbi")},
        {QStringLiteral("Enter, Esc"), QStringLiteral("Izlazak")},
    };
}

} // namespace ordisan
