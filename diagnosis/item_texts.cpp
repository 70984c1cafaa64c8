#include "diagnosis/item_texts.h"

#include "engine/percent_text.h"
#include "platform/text_codec.h"

#include <QStringList>

#include <vector>

namespace ordisan {

namespace {

// The tooltip of a symptom shared by very many syndromes stays on the screen.
constexpr int MAX_TOOLTIP_SYNDROMES = 15;

} // namespace

IconMeaning answerMeaning(AnswerCode answer)
{
    switch (answer) {
    case ANSWER_PRESENT: return IconMeaning::Present;
    case ANSWER_ABSENT: return IconMeaning::Absent;
    default: return IconMeaning::Unknown;
    }
}

IconMeaning bandMeaning(ScoreBand band)
{
    switch (band) {
    case BAND_LOW: return IconMeaning::BandLow;
    case BAND_BELOW_HALF: return IconMeaning::BandBelowHalf;
    case BAND_HALF: return IconMeaning::BandHalf;
    case BAND_ABOVE_HALF: return IconMeaning::BandAboveHalf;
    case BAND_HIGH: break;
    }
    return IconMeaning::BandHigh;
}

QString meaningText(IconMeaning meaning)
{
    switch (meaning) {
    case IconMeaning::Present: return QStringLiteral("prisutan");
    case IconMeaning::Absent: return QStringLiteral("odsutan");
    case IconMeaning::Unknown: return QStringLiteral("nepoznat");
    case IconMeaning::BandLow: return QStringLiteral("nizak rezultat (ispod 30 %)");
    case IconMeaning::BandBelowHalf: return QStringLiteral("rezultat ispod polovice (30 do 49 %)");
    case IconMeaning::BandHalf: return QStringLiteral("rezultat na polovici (50 %)");
    case IconMeaning::BandAboveHalf: return QStringLiteral("rezultat iznad polovice (51 do 79 %)");
    case IconMeaning::BandHigh: break;
    }
    return QStringLiteral("visok rezultat (80 % i više)");
}

QString percentItemText(int percent, const char* name)
{
    return fromCp1250(percentText(percent, name));
}

QString syndromeToolTip(const KnowledgeBase& kb, int syndrome)
{
    int present = 0;
    int absent = 0;
    int unknown = 0;
    for (int l = 0; l < kb.linkCount; ++l) {
        const SymptomLink& link = kb.links[l];
        if (link.syndrome != syndrome || !SymptomApplies(kb, link.symptom))
            continue;
        switch (answerMeaning(kb.symptoms[link.symptom].answer)) {
        case IconMeaning::Present: ++present; break;
        case IconMeaning::Absent: ++absent; break;
        default: ++unknown; break;
        }
    }
    if (present + absent + unknown == 0)
        return QStringLiteral("Nijedan simptom ovog sindroma ne odnosi se na pacijenta.");
    return QStringLiteral("Simptomi koji se odnose na pacijenta: prisutni %1, odsutni %2, nepoznati %3")
        .arg(present)
        .arg(absent)
        .arg(unknown);
}

QString symptomToolTip(const KnowledgeBase& kb, int symptom)
{
    std::vector<bool> belongs(static_cast<std::size_t>(kb.syndromeCount), false);
    for (int l = 0; l < kb.linkCount; ++l)
        if (kb.links[l].symptom == symptom)
            belongs[static_cast<std::size_t>(kb.links[l].syndrome)] = true;

    QStringList lines;
    int shown = 0;
    int more = 0;
    for (int k = 0; k < kb.syndromeCount; ++k) {
        const int i = kb.syndromeOrder[k];
        if (i < 0 || i >= kb.syndromeCount || !belongs[static_cast<std::size_t>(i)])
            continue;
        if (shown == MAX_TOOLTIP_SYNDROMES) {
            ++more;
            continue;
        }
        lines.append(percentItemText(PercentOf(kb.syndromes[i].score), kb.syndromes[i].name));
        ++shown;
    }
    if (lines.isEmpty())
        return QStringLiteral("Simptom ne pripada nijednom sindromu.");
    lines.prepend(QStringLiteral("Odgovor mijenja ocjenu ovih sindroma:"));
    if (more > 0)
        lines.append(QStringLiteral("… i još %1").arg(more));
    return lines.join(QLatin1Char('\n'));
}

} // namespace ordisan
