// What the diagnosis dialog's tree items say: their texts, the meaning of their icons
// for screen readers, and their tooltips. Texts of the knowledge base pass through
// the platform's code page 1250 conversion.
#pragma once

#include "engine/ranking_engine.h"
#include "knowledge/knowledge_base.h"

#include <QString>

namespace ordisan {

// The picture an item shows, by what it says.
enum class IconMeaning {
    Present,
    Absent,
    Unknown,
    BandLow,
    BandBelowHalf,
    BandHalf,
    BandAboveHalf,
    BandHigh,
};

IconMeaning answerMeaning(AnswerCode answer); // any value but present and absent: unknown
IconMeaning bandMeaning(ScoreBand band);
// "prisutan", "visok rezultat (80 % i više)" …: what the icon says, in words.
QString meaningText(IconMeaning meaning);

// "(%d%%) - %s": a syndrome with its score or a symptom with its weight, converted
// from code page 1250.
QString percentItemText(int percent, const char* name);

// A syndrome item's tooltip: how many of its symptoms that apply to the patient are
// present, absent and unknown now.
QString syndromeToolTip(const KnowledgeBase& kb, int syndrome);
// A symptom item's tooltip, why asking about it helps: the syndromes it belongs to,
// best first, with the percentages of the last ranking.
QString symptomToolTip(const KnowledgeBase& kb, int symptom);

} // namespace ordisan
