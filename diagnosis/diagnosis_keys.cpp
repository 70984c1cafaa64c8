#include "diagnosis/diagnosis_keys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QWidgetAction>

namespace ordisan {

DiagnosisKey diagnosisKeyOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier && event.key() == Qt::Key_R)
        return DiagnosisKey::Rerank;
    if (event.matches(QKeySequence::Copy))
        return DiagnosisKey::CopySummary;
    if (modifiers == Qt::ControlModifier && event.key() == Qt::Key_S)
        return DiagnosisKey::SaveCase;
    if (modifiers == Qt::ControlModifier && event.key() == Qt::Key_O)
        return DiagnosisKey::OpenCase;
    if (event.matches(QKeySequence::Print))
        return DiagnosisKey::PrintSummary;
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
        {QStringLiteral("Ctrl+S"), QStringLiteral("spremi slučaj")},
        {QStringLiteral("Ctrl+O"), QStringLiteral("otvori slučaj")},
        {QStringLiteral("Ctrl+P"), QStringLiteral("ispiši sažetak slučaja")},
        {QStringLiteral("Tab"), QStringLiteral("drugo stablo, gumbi")},
        {QStringLiteral("Enter, Esc"), QStringLiteral("Izlazak")},
    };
}

void addKeyHelp(QMenu& menu)
{
    QString rows;
    for (const KeyHelpRow& row : diagnosisKeyHelp())
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(row.keys.toHtmlEscaped(), row.meaning.toHtmlEscaped());
    auto* label = new QLabel(QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">"
                                            "<tr><td colspan=\"2\">Tipke:</td></tr>%1</table>")
                                 .arg(rows),
                             &menu);
    label->setObjectName(QStringLiteral("keyHelp"));
    label->setContentsMargins(8, 4, 8, 4);
    auto* help = new QWidgetAction(&menu);
    help->setDefaultWidget(label);
    menu.addSeparator();
    menu.addAction(help);
}

} // namespace ordisan
