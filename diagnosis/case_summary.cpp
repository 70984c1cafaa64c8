#include "diagnosis/case_summary.h"

#include "diagnosis/item_texts.h"
#include "engine/ranking_engine.h"
#include "platform/text_codec.h"

#include <algorithm>

namespace ordisan {

namespace {

const QString TITLE = QStringLiteral("Ordisan – sažetak slučaja");

QString sexText(SexCode sex)
{
    if (sex == SEX_MALE)
        return QStringLiteral("muški");
    if (sex == SEX_FEMALE)
        return QStringLiteral("ženski");
    return QStringLiteral("nije upisan");
}

// Symptoms that do not apply to the patient are absent by the ranking, not by an
// answer, and are left out.
QStringList answered(const KnowledgeBase& kb, AnswerCode answer)
{
    QStringList texts;
    for (int j = 0; j < kb.symptomCount; ++j)
        if (kb.symptoms[j].answer == answer && SymptomApplies(kb, j))
            texts.append(fromCp1250(kb.symptoms[j].text));
    return texts;
}

QStringList rankedSyndromes(const KnowledgeBase& kb)
{
    QStringList texts;
    const int shown = std::min(kb.syndromeCount, CaseSummary::SYNDROMES_SHOWN);
    for (int k = 0; k < shown; ++k) {
        const int i = kb.syndromeOrder[k];
        if (i >= 0 && i < kb.syndromeCount)
            texts.append(percentItemText(PercentOf(kb.syndromes[i].score), kb.syndromes[i].name));
    }
    return texts;
}

QStringList openSymptoms(const KnowledgeBase& kb, const std::vector<int>& openList)
{
    QStringList texts;
    for (const int j : openList) {
        if (texts.size() == CaseSummary::OPEN_SYMPTOMS_SHOWN)
            break;
        if (j >= 0 && j < kb.symptomCount && kb.symptoms[j].answer == ANSWER_UNKNOWN)
            texts.append(percentItemText(PercentOf(kb.symptoms[j].weight), kb.symptoms[j].text));
    }
    return texts;
}

} // namespace

CaseSummary::CaseSummary(const KnowledgeBase& kb, const QDateTime& when,
                         const std::vector<int>& openList, bool stale)
{
    add(QStringLiteral("Datum i vrijeme"), when.toString(QStringLiteral("dd.MM.yyyy. HH:mm")));
    add(QStringLiteral("Starost"), QString::number(kb.patientAge));
    add(QStringLiteral("Spol"), sexText(kb.patientSex));
    addList(QStringLiteral("Prisutni simptomi"), answered(kb, ANSWER_PRESENT));
    addList(QStringLiteral("Odsutni simptomi"), answered(kb, ANSWER_ABSENT));
    if (stale)
        add(QStringLiteral("Napomena"),
            QStringLiteral("odgovori su promijenjeni nakon posljednjeg rangiranja, "
                           "pa rangiranje nije ažurno."));
    addList(QStringLiteral("Sindromi (posljednje rangiranje)"), rankedSyndromes(kb));
    addList(QStringLiteral("Otvoreni simptomi"), openSymptoms(kb, openList));
}

QString CaseSummary::title()
{
    return TITLE;
}

void CaseSummary::add(const QString& label, const QString& value)
{
    rows_.append({label, {value}, false});
}

void CaseSummary::addList(const QString& label, const QStringList& values)
{
    rows_.append({label, values.isEmpty() ? QStringList{QStringLiteral("(nema)")} : values, true});
}

QString CaseSummary::plainText() const
{
    QString text = TITLE + QLatin1Char('\n');
    for (const Row& row : rows_) {
        if (row.list)
            text += row.label + QStringLiteral(":\n  ") + row.values.join(QStringLiteral("\n  "));
        else
            text += row.label + QStringLiteral(": ") + row.values.join(QLatin1Char(' '));
        text += QLatin1Char('\n');
    }
    return text;
}

QString CaseSummary::html() const
{
    // The character set named, so that an office program does not guess it.
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
                                  "<tr><th colspan=\"2\" align=\"left\">%1</th></tr>")
                       .arg(TITLE.toHtmlEscaped());
    for (const Row& row : rows_) {
        QStringList escaped;
        for (const QString& value : row.values)
            escaped.append(value.toHtmlEscaped());
        html += QStringLiteral("<tr><td valign=\"top\">%1</td><td>%2</td></tr>")
                    .arg(row.label.toHtmlEscaped(), escaped.join(QStringLiteral("<br>")));
    }
    return html + QStringLiteral("</table></body></html>");
}

} // namespace ordisan
